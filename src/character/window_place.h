#pragma once
// Where her window stands: where it opens (the stored position, unless it
// would leave her out of reach on every monitor), and where it stays when
// her size changes.

#include <vector>

#include "base/display_scale.h"
#include "base/types.h"

namespace velmira {

// The side, in 96-DPI pixels, of the piece of her a user needs on a screen
// to see her and drag her back.
constexpr int32_t kMinReachable = 48;

// Her window at the first show, at her scale: its size and her outline
// (her picture's and the dial's) as the disjoint rectangles of its region,
// in client pixels.
struct WindowOutline {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<Rect> parts;
};

// Where the first show puts her, and the position to store while she stays
// there: the one that was stored when only fitting her on a small screen
// moved her, so a larger scale or screen once does not move her for good.
struct FirstPlace {
    Point at;
    Point toStore;
};

// The stored position, unchanged, when at least 48 x 48 pixels (at her
// scale) of her outline placed there lie on one of the work areas and it is
// not the fallback itself. Otherwise the fallback, moved up and left just
// enough for the whole window to show inside `primaryWorkArea`, but never
// above or left of its top-left corner. An empty primary work area (it could
// not be read) leaves the fallback as it is.
FirstPlace FirstShowPosition(Point stored, const WindowOutline& her, const DisplayScale& scale,
                             const std::vector<Rect>& workAreas, Point fallback,
                             const Rect& primaryWorkArea);

// After a change of her size: her top-left corner as it is (`now`), unless
// the change took her further past the work area's right or bottom edge than
// she stood `before`; then she moves left or up just as far, never past the
// work area's left or top edge.
Point KeepOnWorkArea(const Rect& before, const Rect& now, const Rect& workArea);

}  // namespace velmira
