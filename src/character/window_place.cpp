#include "character/window_place.h"

#include <algorithm>

namespace velmira {

namespace {

// Overlap of two spans [a, a + la) and [b, b + lb), in 64 bits so that
// stored positions near the int32 limits cannot overflow.
int64_t SpanOverlap(int64_t a, int64_t la, int64_t b, int64_t lb) {
    return std::max<int64_t>(0, std::min(a + la, b + lb) - std::max(a, b));
}

// Start of a span of `length` at `at`, moved back so that it ends inside
// [areaStart, areaStart + areaLength) but never before areaStart.
int32_t FitSpan(int32_t at, int32_t length, int32_t areaStart, int32_t areaLength) {
    const int64_t latest = int64_t{areaStart} + areaLength - length;
    return static_cast<int32_t>(std::max<int64_t>(areaStart, std::min<int64_t>(at, latest)));
}

// Pixels of `outline`, its window's top-left corner at `at`, that lie on `area`.
int64_t OutlineAreaOn(const std::vector<Rect>& outline, Point at, const Rect& area) {
    int64_t sum = 0;
    for (const Rect& r : outline)
        sum += SpanOverlap(int64_t{at.x} + r.left, r.width, area.left, area.width) *
               SpanOverlap(int64_t{at.y} + r.top, r.height, area.top, area.height);
    return sum;
}

bool Reachable(const std::vector<Rect>& outline, Point at, const std::vector<Rect>& workAreas,
               int64_t minArea) {
    for (const Rect& area : workAreas)
        if (OutlineAreaOn(outline, at, area) >= minArea) return true;
    return false;
}

}  // namespace

FirstPlace FirstShowPosition(Point stored, const WindowOutline& her, const DisplayScale& scale,
                             const std::vector<Rect>& workAreas, Point fallback,
                             const Rect& primaryWorkArea) {
    // Judged by her outline, not her window's box: its corners are empty.
    const int64_t side = scale.Px(kMinReachable);
    if (stored != fallback && Reachable(her.parts, stored, workAreas, side * side))
        return FirstPlace{stored, stored};
    // The default itself is fitted too: a first start stores no position,
    // and 40,64 cuts her off a 640 x 480 screen.
    Point at = fallback;
    if (primaryWorkArea.width > 0 && primaryWorkArea.height > 0)
        at = Point{FitSpan(fallback.x, her.width, primaryWorkArea.left, primaryWorkArea.width),
                   FitSpan(fallback.y, her.height, primaryWorkArea.top, primaryWorkArea.height)};
    // A stored default stays stored; a lost position gives way to where she is.
    return FirstPlace{at, stored == fallback ? stored : at};
}

namespace {

// How far `edge` lies past `limit`, 0 when it does not.
int32_t Past(int32_t edge, int32_t limit) { return edge > limit ? edge - limit : 0; }

int32_t Kept(int32_t at, int32_t grown, int32_t low) {
    return grown > 0 ? std::max(low, at - grown) : at;
}

}  // namespace

Point KeepOnWorkArea(const Rect& before, const Rect& now, const Rect& workArea) {
    const int32_t right = workArea.left + workArea.width;
    const int32_t bottom = workArea.top + workArea.height;
    const int32_t grownRight =
        Past(now.left + now.width, right) - Past(before.left + before.width, right);
    const int32_t grownDown =
        Past(now.top + now.height, bottom) - Past(before.top + before.height, bottom);
    return Point{Kept(now.left, grownRight, std::min(workArea.left, now.left)),
                 Kept(now.top, grownDown, std::min(workArea.top, now.top))};
}

}  // namespace velmira
