#include "region_block_parser.h"

#include <utility>

#include "base/little_endian.h"

namespace velmira {

namespace {

RegionRect GetRect(const std::vector<uint8_t>& in, size_t at) {
    RegionRect r;
    r.left = static_cast<int32_t>(ReadLe32(&in[at]));
    r.top = static_cast<int32_t>(ReadLe32(&in[at + 4]));
    r.right = static_cast<int32_t>(ReadLe32(&in[at + 8]));
    r.bottom = static_cast<int32_t>(ReadLe32(&in[at + 12]));
    return r;
}

}  // namespace

bool ParseRegionBlock(const std::vector<uint8_t>& block, RegionData& out) {
    if (block.size() < kRegionHeaderSize) return false;
    const uint32_t headerSize = ReadLe32(&block[0]);
    const uint32_t type = ReadLe32(&block[4]);
    const uint32_t count = ReadLe32(&block[8]);
    const uint32_t rgnSize = ReadLe32(&block[12]);
    if (headerSize != kRegionHeaderSize || type != kRegionRectangles) return false;
    if (count > (block.size() - kRegionHeaderSize) / 16) return false;
    if (rgnSize != count * 16 ||
        block.size() != kRegionHeaderSize + static_cast<size_t>(count) * 16) {
        return false;
    }
    RegionData data;
    data.bound = GetRect(block, 16);
    data.rects.reserve(count);
    for (uint32_t i = 0; i < count; ++i)
        data.rects.push_back(GetRect(block, kRegionHeaderSize + i * 16));
    out = std::move(data);
    return true;
}

}  // namespace velmira
