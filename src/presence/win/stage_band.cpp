#include "presence/win/stage_band.h"

namespace velmira {

namespace {

constexpr LONG_PTR kBandStyles =
    WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_APPWINDOW | WS_EX_TOOLWINDOW;

LONG_PTR ExStyleFor(const WindowBand& band) {
    LONG_PTR style = band.appWindow ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
    if (band.layered) style |= WS_EX_LAYERED;
    if (band.transparent) style |= WS_EX_TRANSPARENT;
    return style;
}

}  // namespace

void TStageBand::Start(HWND stage, const BandInputs& inputs, Followers followers,
                       FullScreen fullScreen) {
    stage_ = stage;
    inputs_ = inputs;
    followers_ = std::move(followers);
    fullScreen_ = std::move(fullScreen);
    Apply();
    watch_.Start(stage, [this](bool quiet) {
        inputs_.fullScreen = quiet;
        Apply();
        if (fullScreen_) fullScreen_(quiet);
    });
}

void TStageBand::SetStayOnTop(bool stayOnTop) {
    inputs_.stayOnTop = stayOnTop;
    Apply();
}

void TStageBand::SetHidden(bool hidden) {
    inputs_.hidden = hidden;
    Apply();
}

void TStageBand::SetClickThrough(bool clickThrough) {
    inputs_.clickThrough = clickThrough;
    Apply();
}

void TStageBand::SetOpacity(int32_t percent) {
    inputs_.opacity = percent;
    Apply();
}

void TStageBand::SetShowInTaskbar(bool show) {
    inputs_.showInTaskbar = show;
    Apply();
}

void TStageBand::TakeFocus() {
    if (!stage_ || !band_.visible) return;
    ::ShowWindow(stage_, SW_SHOW);
    ::SetForegroundWindow(stage_);
    ::SetFocus(stage_);
}

bool TStageBand::FirstShown() {
    shownOnce_ = true;
    return band_.visible;
}

void TStageBand::ApplyStyles(const WindowBand& band) {
    const LONG_PTR now = ::GetWindowLongPtrW(stage_, GWL_EXSTYLE);
    const LONG_PTR wanted = (now & ~kBandStyles) | ExStyleFor(band);
    if (wanted != now) {
        // The taskbar takes a button's coming or going only from a window
        // that shows again.
        const bool shown = ::IsWindowVisible(stage_) != FALSE;
        const bool button = ((now ^ wanted) & (WS_EX_APPWINDOW | WS_EX_TOOLWINDOW)) != 0;
        if (shown && button) ::ShowWindow(stage_, SW_HIDE);
        ::SetWindowLongPtrW(stage_, GWL_EXSTYLE, wanted);
        if (shown && button) ::ShowWindow(stage_, SW_SHOWNOACTIVATE);
    }
    // Her window region stays: the alpha is for the whole of what it cuts.
    if (band.layered) ::SetLayeredWindowAttributes(stage_, 0, band.alpha, LWA_ALPHA);
}

void TStageBand::Apply() {
    const WindowBand band = ChooseBand(inputs_);
    if (stage_) {
        ApplyStyles(band);
        if (!band.visible) {
            // Out of sight: hidden, never only stepped behind, which does not
            // hold everywhere.
            if (::IsWindowVisible(stage_)) ::ShowWindow(stage_, SW_HIDE);
        } else {
            // Back without taking the focus from whatever has it.
            if (!::IsWindowVisible(stage_) && shownOnce_) ::ShowWindow(stage_, SW_SHOWNOACTIVATE);
            ::SetWindowPos(stage_, band.topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    const bool changed = !followed_ || band != band_;
    band_ = band;
    followed_ = true;
    if (changed && followers_) followers_(band_);
}

}  // namespace velmira
