#pragma once
// The display scale a window is drawn for: the DPI of its monitor over the
// 96 the artwork and every layout number were made for. Portable.

#include <cstdint>

#include "base/types.h"

namespace velmira {

constexpr int kBaseDpi = 96;

class DisplayScale {
public:
    constexpr DisplayScale() = default;
    // A DPI below 1 (unknown) counts as 96.
    constexpr explicit DisplayScale(int dpi) : dpi_(dpi > 0 ? dpi : kBaseDpi) {}

    constexpr int Dpi() const { return dpi_; }
    constexpr bool IsOne() const { return dpi_ == kBaseDpi; }

    // A length in 96-DPI pixels at this scale, rounded half away from zero,
    // so 293 x 441 becomes 440 x 662 at 144 DPI and 586 x 882 at 192.
    int32_t Px(int32_t value) const;
    Point Px(Point p) const { return Point{Px(p.x), Px(p.y)}; }
    // Each of left, top, width and height on its own: a box keeps its size
    // wherever it stands.
    Rect Px(const Rect& r) const { return Rect{Px(r.left), Px(r.top), Px(r.width), Px(r.height)}; }

    bool operator==(const DisplayScale& o) const { return dpi_ == o.dpi_; }
    bool operator!=(const DisplayScale& o) const { return dpi_ != o.dpi_; }

private:
    int dpi_ = kBaseDpi;
};

}  // namespace velmira
