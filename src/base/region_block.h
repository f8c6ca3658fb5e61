#pragma once
// Window shapes as RGNDATA blocks: the byte layout ExtCreateRegion takes,
// built from a boolean mask so the tools can make them without Windows.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmira {

// Right and bottom are exclusive, as in a Win32 RECT.
struct RegionRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    bool operator==(const RegionRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const RegionRect& o) const { return !(*this == o); }
};

constexpr uint32_t kRegionHeaderSize = 32;
constexpr uint32_t kRegionRectangles = 1;  // RDH_RECTANGLES

// The mask is width x height bytes, rows top to bottom; a non-zero byte is
// inside the region. Rectangles come in y-x bands: each band holds the runs
// of one or more consecutive identical rows.
std::vector<RegionRect> MaskToRegionRects(const std::vector<uint8_t>& mask, int width, int height);

// Smallest rectangle around all rects; all zero when there are none.
RegionRect RegionBound(const std::vector<RegionRect>& rects);

// The complete little-endian RGNDATA block: 32-byte header, then the rects.
std::vector<uint8_t> BuildRegionBlock(const std::vector<uint8_t>& mask, int width, int height);
std::vector<uint8_t> EncodeRegionBlock(const std::vector<RegionRect>& rects);

}  // namespace velmira
