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

// The stored position, unchanged, when the window placed there can be
// reached and it is not the fallback itself. Otherwise the fallback, moved up and left just enough
// for the whole window to show inside `workArea` (the primary monitor without the taskbar), but
// never above or left of the work area's top-left corner. An empty work area (it could not be read)
// leaves the fallback as it is.
Point FirstShowPosition(Point stored, int32_t width, int32_t height,
                        const std::vector<Rect>& monitors, Point fallback, const Rect& workArea);

}  // namespace velmira
