#pragma once
// Reads an RGNDATA block back into rectangles, so the tests can check what
// base/region_block encodes; the program hands its blocks to Windows as they are.

#include <cstdint>
#include <vector>

#include "base/region_block.h"

namespace velmira {

struct RegionData {
    RegionRect bound;
    std::vector<RegionRect> rects;
};

// False when the header is not a rectangle block or the sizes disagree with
// the length.
bool ParseRegionBlock(const std::vector<uint8_t>& block, RegionData& out);

}  // namespace velmira
