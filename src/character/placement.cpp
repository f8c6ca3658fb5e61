#include "character/placement.h"

#include <algorithm>

namespace velmira {

namespace {

// Overlap of two spans [a, a + la) and [b, b + lb), in 64 bits so that
// stored positions near the int32 limits cannot overflow.
int64_t SpanOverlap(int64_t a, int64_t la, int64_t b, int64_t lb) {
    return std::min(a + la, b + lb) - std::max(a, b);
}

// Start of a span of `length` at `at`, moved back so that it ends inside
// [areaStart, areaStart + areaLength) but never before areaStart.
int32_t FitSpan(int32_t at, int32_t length, int32_t areaStart, int32_t areaLength) {
    const int64_t latest = int64_t{areaStart} + areaLength - length;
    return static_cast<int32_t>(std::max<int64_t>(areaStart, std::min<int64_t>(at, latest)));
}

}  // namespace

bool OverlapsSomeMonitor(const Rect& window, const std::vector<Rect>& monitors,
                         int32_t minOverlap) {
    for (const Rect& m : monitors) {
        const int64_t across = SpanOverlap(window.left, window.width, m.left, m.width);
        const int64_t down = SpanOverlap(window.top, window.height, m.top, m.height);
        if (across >= minOverlap && down >= minOverlap) return true;
    }
    return false;
}

Point FirstShowPosition(Point stored, int32_t width, int32_t height,
                        const std::vector<Rect>& monitors, Point fallback, const Rect& workArea) {
    const Rect window{stored.x, stored.y, width, height};
    // The default itself is fitted too: a first start stores no position,
    // and 40,64 cuts her off a 640 x 480 screen.
    if (stored != fallback && OverlapsSomeMonitor(window, monitors)) return stored;
    if (workArea.width <= 0 || workArea.height <= 0) return fallback;
    return Point{FitSpan(fallback.x, width, workArea.left, workArea.width),
                 FitSpan(fallback.y, height, workArea.top, workArea.height)};
}

}  // namespace velmira
