#include "app/win/main_stage.h"

#include <cstdlib>
#include <ctime>
#include <exception>

#include "app/win/application.h"
#include "clock/thread_priority.h"
#include "reminders/win/message_balloon.h"

namespace velmira {

TMainStage* MainStage = nullptr;

namespace {

constexpr wchar_t kMainStageClass[] = L"TMainStage";
constexpr UINT_PTR kMainTimerId = 1;
constexpr UINT_PTR kSamishiiTimerId = 2;
// How long the close waits for the clock thread before the process goes anyway.
constexpr DWORD kClockShutdownMs = 800;

std::wstring ExecutableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return std::wstring();
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

}  // namespace

TMainStage::TMainStage(const StageEnvironment& environment)
    : MainTimer(kMainTimerId, 2000), SamishiiTimer(kSamishiiTimerId, 1000),
      environment_(environment) {
    MainStage = this;
    // Layout places, replaced by the skin where it carries a box of the same name.
    Image1.SetBounds(0, 0, 640, 480);
    MojibanBox.SetBounds(128, 288, 128, 128);
    MouthArea.SetBounds(85, 50, 26, 26);
    MouthArea.Enabled = false;
    FaceFrame.SetBounds(60, 12, 64, 64);
    FaceFrame.Enabled = false;
    MojibanHandArea.SetBounds(142, 302, 101, 100);
    MojibanHandArea.Visible = false;
    DefaultStrings = {L"記念日です。", L"予定の時間になりました。"};
    DialogStrList = {L"", L"起動時にレジストリが削除されています。OKを選ぶと現在の設定内容を保存します。"};

    exeDir = ExecutableFolder();
    appMinimized = false;

    Application.OnMessage = [this](MSG& msg, bool& handled) { AppMessage(msg, handled); };
    Application.OnMinimize = [this] { AppMinimize(); };
    Application.OnRestore = [this] { AppRestore(); };

    // The random smile is the generator's only user.
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    // Scalar and slot defaults come from StageSettings and the member initialisers.
}

TMainStage::~TMainStage() {
    // Without a close (a failed start, a test) the clock still has to stop first;
    // after OnDestroy there is nothing left to stop.
    if (ownedClocker_ && !ownedClocker_->Shutdown(kClockShutdownMs)) (void)ownedClocker_.release();
    ownedClocker_.reset();
    clocker = nullptr;
    if (ImageList1) ImageList_Destroy(ImageList1);
    if (AmPm) ImageList_Destroy(AmPm);
    if (DigiNumber) ImageList_Destroy(DigiNumber);
    if (DigiNumSmall) ImageList_Destroy(DigiNumSmall);
    Application.OnMessage = nullptr;
    Application.OnMinimize = nullptr;
    Application.OnRestore = nullptr;
    if (MainStage == this) MainStage = nullptr;
}

bool TMainStage::Create() {
    greenBrush_.reset(::CreateSolidBrush(RGB(0, 255, 0)));
    HICON icon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    // Client area 640 x 479 until the skin sizes the window at its first show.
    if (!CreateForm(kMainStageClass, WS_EX_APPWINDOW,
                    WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, L"MainStage", 329,
                    210, 640, 479, nullptr, nullptr, icon))
        return false;
    MainTimer.SetOwner(Handle());
    SamishiiTimer.SetOwner(Handle());
    FormCreate();
    return true;
}

void TMainStage::FormCreate() {
    ResetSettingsAtStart();
    if (!settingsDeleted) LoadSettings();
    ApplySkin();
    SetUpDial();
    CreatePopupMenu1();
    CheckThreadPriorityItem();

    ownedClocker_ =
        std::make_unique<TClocker>(*this, environment_.clock, environment_.handoverObserver);
    clocker = ownedClocker_.get();
    ApplyThreadPriority();

    ApplyMenuMarks();
    RedrawClock(-1, -1);
    StopLonelinessTimer();
    Tag = 0;
    ApplyStayOnTop();
}

void TMainStage::AppMessage(MSG& msg, bool& handled) {
    // The screen saver is starting: let the clock idle until the dial is next painted.
    if (msg.message == WM_SYSCOMMAND && msg.wParam == SC_SCREENSAVE) {
        if (clocker) clocker->SetPriority(THREAD_PRIORITY_IDLE);
        priorityRestorePending = true;
    }
    (void)handled;  // never handled here: the message goes on to its dispatch
}

void TMainStage::AppMinimize() { appMinimized = true; }

void TMainStage::AppRestore() { appMinimized = false; }

void TMainStage::X1Click() { ::PostMessageW(Handle(), WM_CLOSE, 0, 0); }

void TMainStage::SetApplicationTitle(const std::wstring& title) { Application.SetTitle(title); }

void TMainStage::ApplyThreadPriority() {
    if (clocker) clocker->SetPriority(ThreadPriorityForIndex(ThreadPrio));
}

void TMainStage::ApplyStayOnTop() {
    ::SetWindowPos(Handle(), StayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT TMainStage::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_NCHITTEST:
            return WMNCHitTest();
        case WM_SHOWWINDOW:
            if (wParam) FormShow();
            return Default(msg, wParam, lParam);
        case WM_ERASEBKGND: {
            RECT rc;
            ::GetClientRect(Handle(), &rc);
            ::FillRect(reinterpret_cast<HDC>(wParam), &rc,
                       background_black_ ? static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH))
                                         : greenBrush_.get());
            return 1;
        }
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_CONTEXTMENU: {
            POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (pt.x == -1 && pt.y == -1) {  // from the keyboard: open at the dial
                pt = {MojibanBox.Left + MojibanBox.Width / 2, MojibanBox.Top + MojibanBox.Height / 2};
                ::ClientToScreen(Handle(), &pt);
            }
            ShowPopupMenu1(pt.x, pt.y);
            return 0;
        }
        case WM_COMMAND:
            MenuCommand(LOWORD(wParam));
            return 0;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_TIMER:
            if (wParam == MainTimer.Id()) MainTimerTimer();
            else if (wParam == SamishiiTimer.Id()) SamishiiTimerTimer();
            return 0;
        case WM_SIZE:
            if (wParam == SIZE_MINIMIZED) Application.NotifyMinimized();
            else if (wParam == SIZE_RESTORED) Application.NotifyRestored();
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default:
            return Default(msg, wParam, lParam);
    }
}

void TMainStage::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(Handle(), &ps);
    if (Image1.Bitmap) {
        UniqueMemDc mem(::CreateCompatibleDC(dc));
        SelectInDc select(mem.get(), Image1.Bitmap.get());
        ::BitBlt(dc, Image1.Left, Image1.Top, Image1.PictureWidth, Image1.PictureHeight, mem.get(),
                 0, 0, SRCCOPY);
    }
    RECT dial = MojibanBox.BoundsRect();
    RECT overlap;
    if (::IntersectRect(&overlap, &dial, &ps.rcPaint)) MojibanBoxPaint(dc);
    RECT face = FaceFrame.BoundsRect();
    if (::IntersectRect(&overlap, &face, &ps.rcPaint)) FaceFramePaint(dc);
    ::EndPaint(Handle(), &ps);
}

void TMainStage::OnClose() {
    if (closing_) return;
    FormCloseQuery();  // never refuses: writes the settings and asks the clock to end
    closing_ = true;
    ::DestroyWindow(Handle());
}

void TMainStage::OnDestroy() {
    // No hand-over may reach the stage from here on. Wait briefly for the
    // thread, answering hand-overs already on their way; a thread that does
    // not end in time is left to the process exit and never touched again.
    MainTimer.SetEnabled(false);
    SamishiiTimer.SetEnabled(false);
    if (ownedClocker_) {
        if (ownedClocker_->Shutdown(kClockShutdownMs))
            ownedClocker_.reset();
        else
            (void)ownedClocker_.release();
    }
    clocker = nullptr;
    // The loop ends when the main form closes.
    if (Application.MainForm() == Handle()) ::PostQuitMessage(0);
}

int RunVelmiraClock(HINSTANCE instance, const StageEnvironment& environment) {
    try {
        Application.Initialize(instance);
        Application.SetTitle(L"Velmira時計");
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES};
        ::InitCommonControlsEx(&icc);

        auto stage = std::make_unique<TMainStage>(environment);
        if (!stage->Create()) return 0;
        Application.SetMainForm(stage->Handle());
        auto balloon = std::make_unique<TMessageBalloon>();
        balloon->Create(stage->Handle());
        Application.Run();
        Application.SetMainForm(nullptr);
        balloon.reset();
    } catch (const std::exception& e) {
        const std::string what = e.what();
        std::wstring text(what.begin(), what.end());
        ::MessageBoxW(nullptr, text.c_str(), Application.Title().c_str(), MB_OK | MB_ICONSTOP);
    }
    return 0;
}

}  // namespace velmira
