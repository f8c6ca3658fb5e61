#include "app/win/main_stage.h"

#include <stdexcept>
#include <utility>

#include "base/product_identity.h"
#include "base/win/monitors.h"
#include "base/win/program_folder.h"
#include "base/win/app_messages.h"
#include "base/win/dpi.h"
#include "base/win/resources.h"
#include "base/win/utf8.h"
#include "character/window_place.h"
#include "clock/thread_priority.h"

namespace velmira {

namespace {

constexpr Point kDefaultPosition{40, 64};
// The DPIs a monitor can have: half the base to ten times it.
constexpr int kLowestDpi = kBaseDpi / 2;
constexpr int kHighestDpi = kBaseDpi * 10;

}  // namespace

TMainStage::TMainStage(TApplication& application, StageEnvironment environment)
    : application_(application),
      env_(std::move(environment)),
      resources_(env_.resources ? env_.resources : ::GetModuleHandleW(nullptr)),
      exeDir_(ExecutableFolder()),
      session_(env_.settings, env_.keyHeld),
      sound_(resources_, exeDir_),
      figure_(resources_, env_.random,
              [this](const std::wstring& name) { return PlaySoundByName(name); }),
      desk_(session_.settings.reminders,
            TReminderDesk::Host{[this](const std::wstring& name) { return PlaySoundByName(name); },
                                [this] { sound_.StopSound(); },
                                [this] { return figure_.skin.MouthArea.Bounds(); },
                                [this] { return application_.Minimized(); }, resources_,
                                [this] { band_.SetHidden(false); }, [this] { band_.TakeFocus(); }}),
      view_(TViewCommands::Host{session_.settings, band_, sound_, popupMenu_, env_.signIn,
                                [this] { Rescale(scale_); }, [this] { desk_.HideBalloon(); },
                                [this](POINT at) { ShowPopupMenu1(at.x, at.y); },
                                [this] { session_.SaveNow(Handle()); }, resources_}) {
    // The screen saver's start is seen as it leaves the queue.
    application_.OnMessage = [this](MSG& msg, bool&) {
        if (clocker_) clocker_->MessageTaken(msg);
    };
    figure_.faces.SamishiiTimer.SetOnTimer([this] {
        figure_.faces.SamishiiTimerTimer(Settings().samiLim, debugControls_.NakuTestChecked());
    });
    // Schedules still waiting at exit come back at the next start.
    session_.lastYoteiToStore = [this] { return desk_.LastYoteiToStore(); };
}

TMainStage::~TMainStage() {
    clocker_.reset();
    application_.OnMessage = nullptr;
}

bool TMainStage::Create() {
    HICON icon = ::LoadIconW(resources_, MAKEINTRESOURCEW(1));
    // Client area 640 x 479 until the skin sizes the window at its first show.
    if (!CreateForm(kMainStageClass, WS_EX_APPWINDOW,
                    WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, L"MainStage", 329,
                    210, 640, 479, nullptr, nullptr, icon))
        return false;
    FormCreate();
    if (closedDuringStart_) {
        // Closed before the user agreed to anything: nothing is written.
        ::DestroyWindow(Handle());
        return false;
    }
    desk_.CreateBalloon();
    view_.Attach(Handle());
    return true;
}

void TMainStage::FormCreate() {
    session_.Start(Handle());
    sound_.SetMuted(Settings().Mute);
    desk_.Attach(Handle());
    // Drawn for the monitor she opens on; her skin first, as the dial is
    // placed by it.
    ApplyScale(WindowScale(Handle()));
    figure_.Attach(Handle());
    popupMenu_.Build(PopupMenu1Layout());
    debugControls_.Create(Handle(), env_.clock(), scale_);

    clocker_.reset(new TClocker(*this, env_.clock, env_.handoverObserver));
    if (!clocker_->Valid()) throw std::runtime_error(ToUtf8(L"時計のスレッドを開始できません。"));
    ApplyThreadPriority();

    ApplyMenuMarks();
    RedrawClock(-1, -1);
    figure_.faces.StopLonelinessTimer();
    Tag = 0;
    band_.Start(
        Handle(),
        BandInputs{Settings().StayOnTop, false, false, Settings().ClickThrough, Settings().Opacity,
                   Settings().ShowInTaskbar},
        [this](const WindowBand& band) { desk_.FollowBand(band.balloonTopmost); },
        [this](bool quiet) {
            desk_.HoldForFullScreen(quiet);
            figure_.faces.SetSilent(quiet);
        });
    started_ = true;
    view_.Ready();
}

void TMainStage::FormShow() {
    // Cut first: her outline decides whether the stored position can be kept.
    shown_ = true;
    ApplyShape();
    if (Tag == 0) {
        // A stored position where too little of her shows would lose her for good: open at the
        // default. The default moves up and left as far as a small screen needs.
        const FirstPlace place = FirstShowPosition(
            Point{Settings().FormLeft, Settings().FormTop},
            WindowOutline{figure_.skin.WindowWidth(), figure_.skin.WindowHeight(),
                          figure_.skin.Outline()},
            figure_.skin.Scale(), MonitorWorkAreas(), kDefaultPosition, PrimaryWorkArea());
        ::SetWindowPos(Handle(), nullptr, place.at.x, place.at.y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        session_.PlacedAtStart(place.at, place.toStore);
    }
    Tag = 1;
    // Shown while she must stay out of sight (a full-screen program covers
    // her monitor): out again once this show is over.
    if (!band_.FirstShown()) ::PostMessageW(Handle(), WM_APP_REAPPLY_BAND, 0, 0);
    if (clocker_ && !clocker_->Resumed()) clocker_->Resume();
}

void TMainStage::ApplyScale(const DisplayScale& monitor) {
    // Every part takes the scale from here: her figure and what stands on it
    // at her size on this monitor, her balloon at the monitor's scale alone.
    scale_ = monitor;
    figure_.SetSize(monitor, Settings().SizePct, MonitorOfWindow(Handle()).workArea);
    debugControls_.SetScale(figure_.Scale());
    desk_.SetScale(monitor);
}

void TMainStage::Rescale(const DisplayScale& monitor) {
    ApplyScale(monitor);
    figure_.RedrawLastMinute(Mode());
    if (shown_) ApplyShape();
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TMainStage::OnDpiChanged(int dpi, const RECT& suggested) {
    // Windows sends only real monitor DPIs; another program may send anything.
    if (dpi < kLowestDpi || dpi > kHighestDpi) return;
    const DisplayScale scale(dpi);
    if (scale != scale_) Rescale(scale);
    // Her top-left corner goes where Windows puts it on the new monitor.
    ::SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainStage::ApplyShape() {
    figure_.CutShape(Handle(),
                     debugControls_.Shown() ? debugControls_.Rects() : std::vector<RECT>());
}

void TMainStage::FormCloseQuery() {
    session_.FormCloseQuery(Handle());
    // The close is never refused; the clock is asked to end and waited for
    // only when the stage goes.
    if (clocker_) clocker_->Terminate();
}

void TMainStage::SetApplicationTitle(const std::wstring& title) {
    application_.SetTitle(title);
    view_.SetTitle(title);
}

void TMainStage::DrawSecondHand(int second) {
    figure_.dial.DrawSecondHand(Handle(), Mode(), second);
}

void TMainStage::RedrawClock(int hour, int minute) { figure_.RedrawClock(Mode(), hour, minute); }

void TMainStage::CheckReminders(bool dateChanged, bool minuteChanged, const LocalTime& time) {
    desk_.CheckReminders(dateChanged, minuteChanged, time);
}

void TMainStage::RedrawNow() {
    // A display switch shows at once, with what the clock last handed over.
    RedrawClock(figure_.dial.LastHour(), figure_.dial.LastMinute());
    DrawSecondHand(figure_.dial.LastSecond());
}

void TMainStage::ApplyThreadPriority() {
    if (clocker_) clocker_->SetPriority(ThreadPriorityForIndex(Settings().ThreadPrio));
}

LRESULT TMainStage::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_NCHITTEST:
            return WMNCHitTest();
        case WM_LBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
            // A press on her is attention even where the hit test came before
            // the button counted as down (a quick click under Wine does that).
            figure_.faces.ResetLoneliness();
            return Default(msg, wParam, lParam);
        case WM_SHOWWINDOW:
            if (wParam) FormShow();
            return Default(msg, wParam, lParam);
        case WM_ENTERSIZEMOVE:
            session_.DragBegins(Handle());
            return Default(msg, wParam, lParam);
        case WM_EXITSIZEMOVE:
            session_.DragEnds(Handle());
            return Default(msg, wParam, lParam);
        case WM_ERASEBKGND:
            figure_.skin.EraseBackground(Handle(), reinterpret_cast<HDC>(wParam), shown_);
            return 1;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_APP_REAPPLY_BAND:
            band_.Apply();
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CONTEXTMENU: {
            POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (pt.x == -1 && pt.y == -1) {  // from the keyboard: open at the dial
                const Rect& box = figure_.dial.Box();
                pt = {box.left + box.width / 2, box.top + box.height / 2};
                ::ClientToScreen(Handle(), &pt);
            }
            ShowPopupMenu1(pt.x, pt.y);
            return 0;
        }
        case WM_INITMENUPOPUP:
            if (reinterpret_cast<HMENU>(wParam) == popupMenu_.Handle()) PopupMenu1Popup();
            return 0;
        case WM_COMMAND:
            MenuCommand(LOWORD(wParam));
            return 0;
        case WM_NOTIFY:
            if (debugControls_.IsTimePicked(*reinterpret_cast<const NMHDR*>(lParam)))
                DateTimePicker1Change();
            return 0;
        case WM_SIZE:
            application_.MainFormSized(wParam);
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;  // never refused: the settings are written when it ends
        case WM_ENDSESSION:
            OnEndSession(wParam != 0);
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            view_.Detach();
            // The loop ends when the main form closes.
            if (application_.MainForm() == Handle()) ::PostQuitMessage(0);
            return 0;
        default:
            // Her icon's clicks, Explorer's new start, a second start.
            if (view_.HandleMessage(msg, wParam, lParam)) return 0;
            return Default(msg, wParam, lParam);
    }
}

void TMainStage::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(Handle(), &ps);
    // The first repaint of the dial after the screen saver gives the clock
    // its priority back.
    if (figure_.Paint(dc, ps.rcPaint, Mode()) && clocker_) clocker_->DialPainted();
    ::EndPaint(Handle(), &ps);
}

void TMainStage::OnClose() {
    if (!started_) {
        // A close while the start-up still runs (the reset question is open):
        // answer the question with Cancel and end once the start-up is back,
        // writing nothing.
        closedDuringStart_ = true;
        session_.AbandonStart(Handle());
        return;
    }
    // A second close while the exit question is open changes nothing.
    if (closing_) return;
    closing_ = true;
    FormCloseQuery();
    ::DestroyWindow(Handle());
}

void TMainStage::OnEndSession(bool ending) {
    if (!ending) return;
    // Windows ends the process once this returns: write now, and stop the clock.
    session_.SaveAtSessionEnd(Handle());
    closing_ = true;
    clocker_.reset();
}

}  // namespace velmira
