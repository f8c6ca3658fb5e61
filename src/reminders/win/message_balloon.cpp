#include "reminders/win/message_balloon.h"

#include <commctrl.h>

#include <algorithm>

#include "base/win/monitors.h"
#include "base/win/window_places.h"
#include "base/win/dialog_template.h"

namespace velmira {

namespace {

constexpr wchar_t kBalloonClass[] = L"TMessageBalloon";
constexpr UINT_PTR kButtonSubclassId = 1;

constexpr DWORD kShown = WS_CHILD | WS_VISIBLE;
// The close button first, so it is the first to take the focus.
const DialogControl kControls[] = {
    {TMessageBalloon::kButton1Id, kButtonAtom, kShown | WS_TABSTOP | BS_DEFPUSHBUTTON, L"閉じる",
     184, 107, 47, 19},
    {TMessageBalloon::kMessageAreaId, kStaticAtom, kShown | SS_LEFT | SS_NOPREFIX, L"記念日です", 7,
     40, 226, 64},
    {TMessageBalloon::kTimeLabelId, kStaticAtom, kShown | SS_LEFTNOWORDWRAP | SS_NOPREFIX,
     L"[00.00 00:00]", 8, 116, 128, 17},
};

}  // namespace

TMessageBalloon::TMessageBalloon(BalloonHost& host) : host_(host) {}

TMessageBalloon::~TMessageBalloon() {
    // Gone while the controls' font and the timers still exist; a balloon
    // destroyed while shown hands nothing back to a stage that may be going too.
    destroying_ = true;
    if (button1_) ::RemoveWindowSubclass(button1_, &TMessageBalloon::ButtonProc, kButtonSubclassId);
    if (Handle()) ::DestroyWindow(Handle());
}

bool TMessageBalloon::Create(const DisplayScale& scale) {
    scale_ = scale;
    layout_ = ScaledBalloonLayout(scale_);
    // Client area 240 x 160 (at 96 DPI), white, no border; hidden until a
    // reminder shows it.
    if (!CreateForm(kBalloonClass, WS_EX_TOOLWINDOW, WS_POPUP | WS_CLIPCHILDREN, L"", 0, 0,
                    layout_.clientWidth, layout_.clientHeight, nullptr,
                    static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH))))
        return false;
    font_ = CreateFormFont(scale_);
    const std::vector<HWND> made = CreateChildControls(Handle(), kControls, font_.get(), scale_);
    button1_ = made[0];
    messageArea_ = made[1];
    timeLabel_ = made[2];
    if (!button1_ || !messageArea_ || !timeLabel_) return false;
    // Without a dialog manager the button would ignore Enter.
    ::SetWindowSubclass(button1_, &TMessageBalloon::ButtonProc, kButtonSubclassId,
                        reinterpret_cast<DWORD_PTR>(this));
    timer1_.SetOwner(Handle());
    timer2_.SetOwner(Handle());
    return true;
}

void TMessageBalloon::SetTexts(const std::wstring& message, const std::wstring& timeLabel) {
    if (messageArea_) ::SetWindowTextW(messageArea_, message.c_str());
    if (timeLabel_) ::SetWindowTextW(timeLabel_, timeLabel.c_str());
}

void TMessageBalloon::FollowBand(bool topmost) {
    topmost_ = topmost;
    if (!Handle()) return;
    ::SetWindowPos(Handle(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

StageFrame TMessageBalloon::CurrentStage() const {
    StageFrame frame;
    HWND stage = host_.StageWindow();
    // Minimized, she is parked off the screen: the balloon goes where she
    // will be restored, and stays there until she moves.
    RECT bounds{};
    if (!RestoredWindowRect(stage, bounds)) return frame;
    RECT client{};
    if (::IsIconic(stage)) {
        client = bounds;
        RECT border{0, 0, 0, 0};
        ::AdjustWindowRectEx(&border, static_cast<DWORD>(::GetWindowLongPtrW(stage, GWL_STYLE)),
                             FALSE, static_cast<DWORD>(::GetWindowLongPtrW(stage, GWL_EXSTYLE)));
        client.right -= client.left + border.right - border.left;
        client.bottom -= client.top + border.bottom - border.top;
    } else if (!::GetClientRect(stage, &client)) {
        return frame;
    }
    frame.position = Point{bounds.left, bounds.top};
    frame.clientWidth = client.right;
    frame.clientHeight = client.bottom;
    return frame;
}

void TMessageBalloon::SetScale(const DisplayScale& scale) {
    if (scale == scale_) return;
    scale_ = scale;
    layout_ = ScaledBalloonLayout(scale_);
    if (!Handle()) return;
    ::SetWindowPos(Handle(), nullptr, 0, 0, layout_.clientWidth, layout_.clientHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    font_ = PlaceChildControls({button1_, messageArea_, timeLabel_}, kControls, scale_);
    // Shown, it points at her new mouth now; hidden, the next show places it.
    if (Visible()) {
        ChoosePlacement(false);
        BuildBalloonShape();
    }
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TMessageBalloon::ChoosePlacement(bool show) {
    const StageFrame stage = CurrentStage();
    // Her monitor's halves and quarters decide; its work area is where it should fit.
    const MonitorAreas monitor = MonitorOfWindow(host_.StageWindow());
    placement_ =
        static_cast<int>(velmira::ChoosePlacement(stage, monitor, host_.MouthArea(), layout_));
    if (!show || !Handle()) return;
    if (Visible()) {
        ::SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return;
    }
    // Placed and cut before it is mapped, so it never shows, even for a
    // moment, where it stood last; FormShow then needs no second build.
    BuildBalloonShape();
    shapedForShow_ = true;
    ::ShowWindow(Handle(), SW_SHOW);  // FormShow, from WM_SHOWWINDOW
}

void TMessageBalloon::Hide() {
    if (Visible()) ::ShowWindow(Handle(), SW_HIDE);  // FormHide, from WM_SHOWWINDOW
}

void TMessageBalloon::SetAside() {
    if (!Visible()) return;
    settingAside_ = true;
    ::ShowWindow(Handle(), SW_HIDE);
    settingAside_ = false;
}

void TMessageBalloon::BuildBalloonShape() {
    if (placement_ < 0) ChoosePlacement(false);
    frameRegion_.reset();
    const StageFrame stage = CurrentStage();
    // Her words stay on her monitor's work area, even where the tail then misses her mouth.
    const BalloonShape shape =
        KeepBodyInside(ComputeBalloonShape(static_cast<BalloonPlacement>(placement_),
                                           host_.MouthArea(), stage.position, layout_),
                       MonitorOfWindow(host_.StageWindow()).workArea);
    UniqueRgn balloon(::CreateRoundRectRgn(
        shape.body.left, shape.body.top, shape.body.left + shape.body.width,
        shape.body.top + shape.body.height, shape.cornerSize, shape.cornerSize));
    if (balloon) {
        POINT tail[3];
        for (size_t i = 0; i < 3; ++i)
            tail[i] = POINT{shape.tail.points[i].x, shape.tail.points[i].y};
        UniqueRgn tailRegion(::CreatePolygonRgn(tail, 3, WINDING));
        if (tailRegion) ::CombineRgn(balloon.get(), balloon.get(), tailRegion.get(), RGN_OR);
    }
    ::SetWindowPos(Handle(), nullptr, shape.tail.windowPosition.x, shape.tail.windowPosition.y, 0,
                   0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (balloon) {
        frameRegion_.reset(::CreateRectRgn(0, 0, 0, 0));
        if (frameRegion_) ::CombineRgn(frameRegion_.get(), balloon.get(), nullptr, RGN_COPY);
        // From here the window owns the region.
        if (::SetWindowRgn(Handle(), balloon.get(), TRUE)) balloon.release();
    }
    stageLeft_ = stage.position.x;
    stageTop_ = stage.position.y;
}

void TMessageBalloon::FormShow() {
    if (!shapedForShow_) BuildBalloonShape();
    shapedForShow_ = false;
    timer1_.SetInterval(kAutoCloseMs);
    timer1_.SetEnabled(true);
    timer2_.SetEnabled(true);
    if (host_.AppMinimized()) {
        host_.RestoreApplication();
        restoredApp_ = true;
    }
    // She comes up in her band, and the balloon takes the style of it.
    host_.BalloonShown();
    FollowBand(topmost_);
}

void TMessageBalloon::FormHide() {
    timer1_.SetEnabled(false);
    timer2_.SetEnabled(false);
    host_.StopSound();
    if (!settingAside_) host_.ReturnFocus();
}

void TMessageBalloon::FormPaint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(Handle(), &ps);
    // One pixel at 96 DPI, never thinner than one.
    const int line = std::max(1, scale_.Px(1));
    if (dc && frameRegion_)
        ::FrameRgn(dc, frameRegion_.get(), static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)), line,
                   line);
    ::EndPaint(Handle(), &ps);
}

void TMessageBalloon::Button1Click() {
    Hide();
    restoredApp_ = false;
}

void TMessageBalloon::Timer1Timer() {
    Hide();
    if (restoredApp_) host_.MinimizeApplication();
    restoredApp_ = false;
}

void TMessageBalloon::Timer2Timer() {
    HWND stage = host_.StageWindow();
    const Point now = CurrentStage().position;
    switch (FollowTick(Point{stageLeft_, stageTop_}, now, ::GetForegroundWindow() == stage)) {
        case FollowAction::Rebuild: {
            const int before = placement_;
            ChoosePlacement(false);
            BuildBalloonShape();
            ::SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
            if (placement_ != before) {
                const Rect& body = layout_.areaBounds;
                RECT area{body.left, body.top, body.left + body.width, body.top + body.height};
                ::InvalidateRect(Handle(), &area, TRUE);
            }
            break;
        }
        case FollowAction::BringToFront:
            ::SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            break;
        case FollowAction::None:
            break;
    }
}

LRESULT CALLBACK TMessageBalloon::ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<TMessageBalloon*>(data);
    switch (msg) {
        case WM_GETDLGCODE:
            return DLGC_DEFPUSHBUTTON | DLGC_BUTTON | DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                self->Button1Click();
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == L'\r') return 0;  // the press was handled at the key-down
            break;
        default:
            break;
    }
    return ::DefSubclassProc(hwnd, msg, wParam, lParam);
}

LRESULT TMessageBalloon::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (destroying_) return Default(msg, wParam, lParam);
    switch (msg) {
        case WM_SHOWWINDOW:
            // lParam 0: ShowWindow on the balloon itself, not an owner's minimize.
            if (lParam == 0) {
                if (wParam)
                    FormShow();
                else
                    FormHide();
            }
            return 0;
        case WM_PAINT:
            FormPaint();
            return 0;
        case WM_CTLCOLORSTATIC:
            // The labels are transparent on the white body.
            ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH));
        case WM_COMMAND:
            if (LOWORD(wParam) == kButton1Id && HIWORD(wParam) == BN_CLICKED) {
                Button1Click();
                return 0;
            }
            break;
        case WM_CLOSE:
            // Alt+F4, the system menu or another program: closed like "閉じる",
            // hidden for the next reminder; the window goes only with the program.
            Button1Click();
            return 0;
        case WM_SETFOCUS:
            // Enter presses the close button: it takes the focus the balloon gets.
            if (button1_) ::SetFocus(button1_);
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                Button1Click();
                return 0;
            }
            break;
        default:
            break;
    }
    return Default(msg, wParam, lParam);
}

}  // namespace velmira
