#include "app/win/main_stage.h"

#include <stdexcept>
#include <utility>

#include "base/product_identity.h"
#include "base/win/desktop.h"
#include "base/win/dpi.h"
#include "base/win/resources.h"
#include "character/placement.h"
#include "clock/thread_priority.h"

namespace velmira {

namespace {

constexpr Point kDefaultPosition{40, 64};

}  // namespace

TMainStage::TMainStage(TApplication& application, StageEnvironment environment)
    : application_(application),
      env_(std::move(environment)),
      resources_(env_.resources ? env_.resources : ::GetModuleHandleW(nullptr)),
      exeDir_(ExecutableFolder()),
      session_(env_.settings, env_.keyHeld),
      sound_(resources_, exeDir_),
      faces_(resources_, env_.random,
             [this](const std::wstring& name) { return PlaySoundByName(name); }),
      desk_(session_.settings.reminders,
            TReminderDesk::Host{[this](const std::wstring& name) { return PlaySoundByName(name); },
                                [this] { sound_.StopSound(); },
                                [this] { return BoxRect(skin_.MouthArea); },
                                [this] { return Settings().StayOnTop; },
                                [this] { return application_.Minimized(); }, resources_}) {
    // The screen saver's start is seen as it leaves the queue.
    application_.OnMessage = [this](MSG& msg, bool&) {
        if (clocker_) clocker_->MessageTaken(msg);
    };
    // Schedules still waiting at exit come back at the next start.
    session_.lastYoteiToStore = [this] { return desk_.LastYoteiToStore(); };
}

TMainStage::~TMainStage() {
    clocker_.reset();
    application_.OnMessage = nullptr;
}

bool TMainStage::Create() {
    greenBrush_.reset(::CreateSolidBrush(RGB(0, 255, 0)));
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
    return true;
}

void TMainStage::FormCreate() {
    session_.Start(Handle());
    // Drawn for the monitor she opens on.
    const DisplayScale scale = WindowScale(Handle());
    skin_.ApplySkin(resources_, scale);
    faces_.Attach(Handle(), skin_.FaceFrame);
    desk_.Attach(Handle());
    ScaleParts(scale);
    popupMenu_.Build(PopupMenu1Layout());
    debugControls_.Create(Handle(), env_.clock());

    clocker_.reset(new TClocker(*this, env_.clock, env_.handoverObserver));
    if (!clocker_->Valid()) throw std::runtime_error(ToUtf8(L"時計のスレッドを開始できません。"));
    ApplyThreadPriority();

    ApplyMenuMarks();
    RedrawClock(-1, -1);
    faces_.StopLonelinessTimer();
    Tag = 0;
    ApplyStayOnTop();
    fullScreen_.Start(Handle(), [this](bool quiet) { OnFullScreen(quiet); });
    started_ = true;
}

void TMainStage::FormShow() {
    if (Tag == 0) {
        // A stored position on no monitor would lose her for good: open at the default.
        // The default moves up and left as far as a small screen needs.
        const Point at = FirstShowPosition(Point{Settings().FormLeft, Settings().FormTop},
                                           skin_.WindowWidth(), skin_.WindowHeight(),
                                           MonitorRects(), kDefaultPosition, PrimaryWorkArea());
        ::SetWindowPos(Handle(), nullptr, at.x, at.y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    backgroundBlack_ = true;
    Tag = 1;
    shown_ = true;
    dial_.LoadDialRegion(resources_);
    ApplyShape();
    if (clocker_ && !clocker_->Resumed()) clocker_->Resume();
}

void TMainStage::ScaleParts(const DisplayScale& scale) {
    faces_.SetScale(scale);
    dial_.SetUpDial(resources_, BoxRect(skin_.MojibanBox), BoxRect(skin_.MojibanHandArea),
                    DialColours{skin_.secHandColor, skin_.handFillColor, skin_.handEdgeColor},
                    scale);
}

void TMainStage::OnDpiChanged(int dpi, const RECT& suggested) {
    const DisplayScale scale(dpi);
    if (scale != skin_.Scale()) {
        skin_.ApplySkin(resources_, scale);
        ScaleParts(scale);
        debugControls_.ApplyScale(scale);
        // The minute picture again, with what the clock last handed over.
        dial_.RedrawClock(skin_.Image1.Bitmap.get(), Mode(), dial_.LastHour(), dial_.LastMinute());
        if (shown_) {
            dial_.LoadDialRegion(resources_);
            ApplyShape();
        }
        ::InvalidateRect(Handle(), nullptr, TRUE);
    }
    // Her top-left corner goes where Windows puts it on the new monitor.
    ::SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainStage::ApplyShape() {
    std::vector<RECT> extras;
    if (debugControls_.Shown()) extras = debugControls_.Rects();
    skin_.ApplyShape(Handle(), resources_, dial_.DialRegion(), extras);
}

void TMainStage::FormCloseQuery() {
    session_.FormCloseQuery(Handle());
    // The close is never refused; the clock is asked to end and waited for
    // only when the stage goes.
    if (clocker_) clocker_->Terminate();
}

void TMainStage::SetApplicationTitle(const std::wstring& title) { application_.SetTitle(title); }

void TMainStage::DrawSecondHand(int second) { dial_.DrawSecondHand(Handle(), Mode(), second); }

void TMainStage::RedrawClock(int hour, int minute) {
    dial_.RedrawClock(skin_.Image1.Bitmap.get(), Mode(), hour, minute);
    // Each new minute picture is her chance to smile, while she shows no face.
    if (!faces_.FaceShown()) faces_.TryRandomSmile();
}

void TMainStage::MojibanBoxPaint(HDC dc) {
    dial_.PaintSecondHand(dc, Mode());
    // The first repaint after the screen saver gives the clock its priority back.
    if (clocker_) clocker_->DialPainted();
}

void TMainStage::CheckReminders(bool dateChanged, bool minuteChanged, const LocalTime& time) {
    desk_.CheckReminders(dateChanged, minuteChanged, time);
}

void TMainStage::RedrawNow() {
    // A display switch shows at once, with what the clock last handed over.
    RedrawClock(dial_.LastHour(), dial_.LastMinute());
    DrawSecondHand(dial_.LastSecond());
}

void TMainStage::ApplyThreadPriority() {
    if (clocker_) clocker_->SetPriority(ThreadPriorityForIndex(Settings().ThreadPrio));
}

void TMainStage::ApplyStayOnTop() {
    ::SetWindowPos(Handle(), Settings().StayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TMainStage::OnFullScreen(bool quiet) {
    if (quiet)
        fullScreen_.StepBehind(Handle());
    else
        ApplyStayOnTop();
    desk_.HoldForFullScreen(quiet);
    faces_.SetSilent(quiet);
}

LRESULT TMainStage::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_NCHITTEST:
            return WMNCHitTest();
        case WM_LBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
            // A press on her is attention even where the hit test came before
            // the button counted as down (a quick click under Wine does that).
            faces_.ResetLoneliness();
            return Default(msg, wParam, lParam);
        case WM_SHOWWINDOW:
            if (wParam) FormShow();
            return Default(msg, wParam, lParam);
        case WM_ENTERSIZEMOVE:
            ::GetWindowRect(Handle(), &dragStart_);
            return Default(msg, wParam, lParam);
        case WM_EXITSIZEMOVE: {
            // A drag that moved her is stored at once; a plain click is not.
            RECT now{};
            ::GetWindowRect(Handle(), &now);
            if (!::EqualRect(&now, &dragStart_)) session_.SaveNow(Handle());
            return Default(msg, wParam, lParam);
        }
        case WM_ERASEBKGND: {
            RECT rc;
            ::GetClientRect(Handle(), &rc);
            ::FillRect(reinterpret_cast<HDC>(wParam), &rc,
                       backgroundBlack_ ? static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH))
                                        : greenBrush_.get());
            return 1;
        }
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CONTEXTMENU: {
            POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (pt.x == -1 && pt.y == -1) {  // from the keyboard: open at the dial
                const Rect& box = dial_.Box();
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
        case WM_TIMER:
            if (wParam == desk_.MainTimerId())
                desk_.MainTimerTimer();
            else if (wParam == faces_.SamishiiTimer.Id())
                faces_.SamishiiTimerTimer(Settings().samiLim, debugControls_.NakuTestChecked());
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
            // The loop ends when the main form closes.
            if (application_.MainForm() == Handle()) ::PostQuitMessage(0);
            return 0;
        default:
            return Default(msg, wParam, lParam);
    }
}

void TMainStage::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(Handle(), &ps);
    skin_.PaintPicture(dc);
    const Rect& box = dial_.Box();
    const RECT dial{box.left, box.top, box.left + box.width, box.top + box.height};
    RECT overlap;
    if (::IntersectRect(&overlap, &dial, &ps.rcPaint)) MojibanBoxPaint(dc);
    const RECT face = skin_.FaceFrame.BoundsRect();
    if (skin_.FaceFrame.Visible && ::IntersectRect(&overlap, &face, &ps.rcPaint))
        faces_.FaceFramePaint(dc);
    ::EndPaint(Handle(), &ps);
}

void TMainStage::OnClose() {
    if (!started_) {
        // A close while the start-up still runs (the reset question is open):
        // answer the question with Cancel and end once the start-up is back,
        // writing nothing.
        closedDuringStart_ = true;
        session_.AbandonStart();
        for (HWND dialog : OwnedWindowsOfClass(Handle(), L"#32770"))
            ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
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
