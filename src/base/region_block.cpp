#include "base/region_block.h"

#include <algorithm>
#include <utility>

namespace velmira {

namespace {

using Runs = std::vector<std::pair<int32_t, int32_t>>;

Runs RowRuns(const std::vector<uint8_t>& mask, int width, int y) {
    Runs runs;
    const uint8_t* row = mask.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
    int x = 0;
    while (x < width) {
        while (x < width && row[x] == 0) ++x;
        if (x == width) break;
        const int start = x;
        while (x < width && row[x] != 0) ++x;
        runs.emplace_back(start, x);
    }
    return runs;
}

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>((v >> (8 * i)) & 0xFF));
}

void PutRect(std::vector<uint8_t>& out, const RegionRect& r) {
    PutU32(out, static_cast<uint32_t>(r.left));
    PutU32(out, static_cast<uint32_t>(r.top));
    PutU32(out, static_cast<uint32_t>(r.right));
    PutU32(out, static_cast<uint32_t>(r.bottom));
}

}  // namespace

std::vector<RegionRect> MaskToRegionRects(const std::vector<uint8_t>& mask, int width, int height) {
    std::vector<RegionRect> rects;
    if (width <= 0 || height <= 0 ||
        mask.size() < static_cast<size_t>(width) * static_cast<size_t>(height)) {
        return rects;
    }
    Runs bandRuns;         // runs of the open band; empty when none is open
    size_t bandStart = 0;  // index in rects of the open band's first rect
    for (int y = 0; y < height; ++y) {
        Runs runs = RowRuns(mask, width, y);
        if (!runs.empty() && runs == bandRuns) {
            // same runs as the row above: the band just grows downward
            for (size_t i = bandStart; i < rects.size(); ++i) rects[i].bottom = y + 1;
            continue;
        }
        bandStart = rects.size();
        for (const auto& run : runs) rects.push_back({run.first, y, run.second, y + 1});
        bandRuns = std::move(runs);
    }
    return rects;
}

RegionRect RegionBound(const std::vector<RegionRect>& rects) {
    if (rects.empty()) return {};
    RegionRect b = rects.front();
    for (const auto& r : rects) {
        b.left = std::min(b.left, r.left);
        b.top = std::min(b.top, r.top);
        b.right = std::max(b.right, r.right);
        b.bottom = std::max(b.bottom, r.bottom);
    }
    return b;
}

std::vector<uint8_t> EncodeRegionBlock(const std::vector<RegionRect>& rects) {
    std::vector<uint8_t> out;
    out.reserve(kRegionHeaderSize + rects.size() * 16);
    const auto count = static_cast<uint32_t>(rects.size());
    PutU32(out, kRegionHeaderSize);
    PutU32(out, kRegionRectangles);
    PutU32(out, count);
    PutU32(out, count * 16);
    PutRect(out, RegionBound(rects));
    for (const auto& r : rects) PutRect(out, r);
    return out;
}

std::vector<uint8_t> BuildRegionBlock(const std::vector<uint8_t>& mask, int width, int height) {
    return EncodeRegionBlock(MaskToRegionRects(mask, width, height));
}

}  // namespace velmira
