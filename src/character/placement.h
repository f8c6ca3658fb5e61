#pragma once
// Where the window opens: the stored position, unless it would leave the
// window unreachable on every monitor.

#include <vector>

#include "base/types.h"

namespace velmira {

constexpr int32_t kMinVisibleOverlap = 48;

// True when `window` overlaps some monitor by at least `minOverlap` pixels
// both across and down.
bool OverlapsSomeMonitor(const Rect& window, const std::vector<Rect>& monitors,
                         int32_t minOverlap = kMinVisibleOverlap);

// The stored position when the window placed there can be reached, else the
// default position.
Point FirstShowPosition(Point stored, int32_t width, int32_t height,
                        const std::vector<Rect>& monitors, Point fallback);

}  // namespace velmira
