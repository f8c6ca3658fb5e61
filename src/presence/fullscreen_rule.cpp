#include "presence/fullscreen_rule.h"

#include <cstdint>

namespace velmira {

namespace {

bool Covers(const Rect& outer, const Rect& inner) {
    // In 64 bits: a window parked far off the screen must not wrap around.
    const int64_t outerRight = int64_t{outer.left} + outer.width;
    const int64_t outerBottom = int64_t{outer.top} + outer.height;
    return inner.width > 0 && inner.height > 0 && outer.left <= inner.left &&
           outer.top <= inner.top && outerRight >= int64_t{inner.left} + inner.width &&
           outerBottom >= int64_t{inner.top} + inner.height;
}

}  // namespace

bool QuietForFullScreen(const ForegroundWindow& foreground, const Rect& herMonitor,
                        UserNotice notice) {
    // Her own windows and the desktop are never in the way: the user is with her.
    if (foreground.present && (foreground.hers || foreground.desktop)) return false;
    if (notice != UserNotice::kAccepts) return true;
    return foreground.present && Covers(foreground.rect, herMonitor);
}

}  // namespace velmira
