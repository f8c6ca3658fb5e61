#include "presence/win/stage_band.h"

#include <utility>

namespace velmira {

void TStageBand::Start(HWND stage, bool stayOnTop, Followers followers, FullScreen fullScreen) {
    stage_ = stage;
    inputs_.stayOnTop = stayOnTop;
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

void TStageBand::Apply() {
    const WindowBand band = ChooseBand(inputs_);
    if (stage_) {
        const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
        ::SetWindowPos(stage_, band.z == StageZ::Topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0,
                       0, flags);
        // Below an ordinary window only: placed after a topmost one she
        // would take the band again.
        HWND cover = watch_.Cover();
        if (band.z == StageZ::BehindCover && cover &&
            !(::GetWindowLongPtrW(cover, GWL_EXSTYLE) & WS_EX_TOPMOST))
            ::SetWindowPos(stage_, cover, 0, 0, 0, 0, flags);
    }
    const bool changed = !followed_ || !(band == band_);
    band_ = band;
    followed_ = true;
    if (changed && followers_) followers_(band_);
}

}  // namespace velmira
