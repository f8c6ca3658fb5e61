#include "presence/win/stage_band.h"

namespace velmira {

void ApplyStageBand(HWND stage, const WindowBand& band, HWND cover) {
    if (!stage) return;
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    ::SetWindowPos(stage, band.z == StageZ::Topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   flags);
    // Below an ordinary window only: placed after a topmost one she would
    // take the band again.
    if (band.z == StageZ::BehindCover && cover &&
        !(::GetWindowLongPtrW(cover, GWL_EXSTYLE) & WS_EX_TOPMOST))
        ::SetWindowPos(stage, cover, 0, 0, 0, 0, flags);
}

}  // namespace velmira
