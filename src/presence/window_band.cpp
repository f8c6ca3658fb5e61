#include "presence/window_band.h"

namespace velmira {

WindowBand ChooseBand(const BandInputs& inputs) {
    WindowBand band;
    band.topmost = inputs.stayOnTop;
    band.balloonTopmost = inputs.stayOnTop;
    band.visible = !inputs.hidden && !inputs.fullScreen;
    const int32_t opacity = inputs.opacity >= 1 && inputs.opacity <= 100 ? inputs.opacity : 100;
    band.alpha = static_cast<uint8_t>((opacity * 255 + 50) / 100);
    band.transparent = inputs.clickThrough;
    band.layered = inputs.clickThrough || band.alpha < 255;
    band.appWindow = inputs.showInTaskbar;
    return band;
}

}  // namespace velmira
