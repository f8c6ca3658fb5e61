#include "presence/window_band.h"

namespace velmira {

WindowBand ChooseBand(const BandInputs& inputs) {
    WindowBand band;
    band.balloonTopmost = inputs.stayOnTop;
    if (inputs.fullScreen)
        band.z = StageZ::BehindCover;
    else if (inputs.stayOnTop)
        band.z = StageZ::Topmost;
    return band;
}

}  // namespace velmira
