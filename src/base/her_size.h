#pragma once
// Her own size: the shares of her drawn size she can be drawn at, on top of
// her monitor's display scale. Portable.

#include <array>
#include <cstdint>

#include "base/display_scale.h"

namespace velmira {

// In percent of her drawn size, smallest first.
inline constexpr std::array<int32_t, 6> kHerSizes = {50, 75, 100, 125, 150, 200};

// Her scale at a size on a monitor: the monitor's DPI times the share, so
// 50 % at 96 DPI draws her as 48 DPI would (147 x 221) and 150 % as 144.
inline DisplayScale HerScale(const DisplayScale& monitor, int32_t sizePct) {
    return DisplayScale((monitor.Dpi() * sizePct + 50) / 100);
}

}  // namespace velmira
