#include "base/region_block.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "region_block_parser.h"

namespace velmira {
namespace {

// Builds a mask from rows of '#' (inside) and '.' (outside).
std::vector<uint8_t> Mask(const std::vector<std::string>& rows) {
    std::vector<uint8_t> mask;
    for (const auto& row : rows) {
        for (char c : row) mask.push_back(c == '#' ? 1 : 0);
    }
    return mask;
}

std::vector<RegionRect> Rects(const std::vector<std::string>& rows) {
    return MaskToRegionRects(Mask(rows), static_cast<int>(rows.front().size()),
                             static_cast<int>(rows.size()));
}

bool Inside(const std::vector<RegionRect>& rects, int x, int y) {
    int hits = 0;
    for (const auto& r : rects) {
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) ++hits;
    }
    EXPECT_LE(hits, 1) << "rectangles overlap at " << x << "," << y;
    return hits == 1;
}

// Every band shares top and bottom, its rects run left to right without
// touching, and bands follow each other downward without overlapping.
void ExpectWellFormedBands(const std::vector<RegionRect>& rects) {
    for (size_t i = 1; i < rects.size(); ++i) {
        const RegionRect& a = rects[i - 1];
        const RegionRect& b = rects[i];
        if (a.top == b.top) {
            EXPECT_EQ(a.bottom, b.bottom);
            EXPECT_LT(a.right, b.left) << "rects of one band touch or overlap";
        } else {
            EXPECT_GE(b.top, a.bottom) << "bands overlap";
        }
    }
}

TEST(RegionRects, EmptyMaskGivesNoRectanglesAndAZeroBound) {
    const auto rects = Rects({"....", "....", "...."});
    EXPECT_TRUE(rects.empty());
    EXPECT_EQ(RegionBound(rects), (RegionRect{0, 0, 0, 0}));
    const auto block = EncodeRegionBlock(rects);
    ASSERT_EQ(block.size(), 32u);
    RegionData data;
    ASSERT_TRUE(ParseRegionBlock(block, data));
    EXPECT_TRUE(data.rects.empty());
}

TEST(RegionRects, ZeroSizedOrShortMaskGivesNothing) {
    EXPECT_TRUE(MaskToRegionRects({}, 0, 0).empty());
    EXPECT_TRUE(MaskToRegionRects({1, 1, 1}, 2, 2).empty());
}

TEST(RegionRects, OnePixel) {
    const auto rects = Rects({"...", "..#", "..."});
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0], (RegionRect{2, 1, 3, 2}));
    EXPECT_EQ(RegionBound(rects), (RegionRect{2, 1, 3, 2}));
}

TEST(RegionRects, IdenticalRowsShareOneBand) {
    const auto rects = Rects({"#..##", "#..##", "#..##", ".###."});
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0], (RegionRect{0, 0, 1, 3}));
    EXPECT_EQ(rects[1], (RegionRect{3, 0, 5, 3}));
    EXPECT_EQ(rects[2], (RegionRect{1, 3, 4, 4}));
    ExpectWellFormedBands(rects);
}

TEST(RegionRects, RowsSeparatedByAGapAreNotMerged) {
    // same runs above and below an empty row: two bands, the gap stays outside
    const auto rects = Rects({".##.", "....", ".##."});
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0], (RegionRect{1, 0, 3, 1}));
    EXPECT_EQ(rects[1], (RegionRect{1, 2, 3, 3}));
}

TEST(RegionRects, TouchingBandsWithDifferentRunsStaySeparate) {
    const auto rects = Rects({"##..", "##..", ".##.", "..##"});
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0], (RegionRect{0, 0, 2, 2}));
    EXPECT_EQ(rects[1], (RegionRect{1, 2, 3, 3}));
    EXPECT_EQ(rects[2], (RegionRect{2, 3, 4, 4}));
    ExpectWellFormedBands(rects);
}

TEST(RegionRects, RingCoversExactlyItsPixels) {
    const std::vector<std::string> ring = {
        "..####..", ".######.", "###..###", "##....##",
        "##....##", "###..###", ".######.", "..####..",
    };
    const auto rects = Rects(ring);
    ExpectWellFormedBands(rects);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(Inside(rects, x, y),
                      ring[static_cast<size_t>(y)][static_cast<size_t>(x)] == '#')
                << "pixel " << x << "," << y;
        }
    }
    // seven bands: rows 3 and 4 are identical and share one band of two rects
    EXPECT_EQ(rects.size(), 10u);
    EXPECT_EQ(rects[4], (RegionRect{0, 3, 2, 5}));
    EXPECT_EQ(rects[5], (RegionRect{6, 3, 8, 5}));
    EXPECT_EQ(RegionBound(rects), (RegionRect{0, 0, 8, 8}));
}

TEST(RegionRects, RunsAtBothEdgesOfTheRow) {
    const auto rects = Rects({"#....#", "######"});
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0], (RegionRect{0, 0, 1, 1}));
    EXPECT_EQ(rects[1], (RegionRect{5, 0, 6, 1}));
    EXPECT_EQ(rects[2], (RegionRect{0, 1, 6, 2}));
}

TEST(RegionBlock, ExactByteLayout) {
    const auto block = BuildRegionBlock(Mask({"....", ".##.", "...#"}), 4, 3);
    const std::vector<uint8_t> expected = {
        32, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 32, 0, 0, 0,  // dwSize, iType, nCount, nRgnSize
        1,  0, 0, 0, 1, 0, 0, 0, 4, 0, 0, 0, 3,  0, 0, 0,  // rcBound
        1,  0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0, 2,  0, 0, 0,  // first rect
        3,  0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0, 3,  0, 0, 0,  // second rect
    };
    EXPECT_EQ(block, expected);
}

TEST(RegionBlock, LargeCoordinatesAreLittleEndian) {
    std::vector<uint8_t> mask(300 * 2, 0);
    mask[300 + 299] = 1;  // pixel (299, 1)
    const auto block = BuildRegionBlock(mask, 300, 2);
    ASSERT_EQ(block.size(), 48u);
    // rect left = 299 = 0x012B, right = 300 = 0x012C
    EXPECT_EQ(block[32], 0x2B);
    EXPECT_EQ(block[33], 0x01);
    EXPECT_EQ(block[40], 0x2C);
    EXPECT_EQ(block[41], 0x01);
}

TEST(RegionBlock, ParseGivesBackWhatWasEncoded) {
    const std::vector<RegionRect> rects = {{0, 0, 5, 2}, {7, 0, 9, 2}, {2, 2, 3, 9}};
    RegionData data;
    ASSERT_TRUE(ParseRegionBlock(EncodeRegionBlock(rects), data));
    EXPECT_EQ(data.rects, rects);
    EXPECT_EQ(data.bound, (RegionRect{0, 0, 9, 9}));
}

TEST(RegionBlock, ParseRejectsBrokenBlocks) {
    const auto good = EncodeRegionBlock({{0, 0, 1, 1}, {0, 1, 2, 2}});
    RegionData data;
    ASSERT_TRUE(ParseRegionBlock(good, data));

    auto shortBlock = good;
    shortBlock.pop_back();
    EXPECT_FALSE(ParseRegionBlock(shortBlock, data));

    auto longBlock = good;
    longBlock.push_back(0);
    EXPECT_FALSE(ParseRegionBlock(longBlock, data));

    auto badHeader = good;
    badHeader[0] = 40;
    EXPECT_FALSE(ParseRegionBlock(badHeader, data));

    auto badType = good;
    badType[4] = 2;
    EXPECT_FALSE(ParseRegionBlock(badType, data));

    auto badSize = good;
    badSize[12] = 16;
    EXPECT_FALSE(ParseRegionBlock(badSize, data));

    auto hugeCount = good;
    hugeCount[11] = 0x10;
    EXPECT_FALSE(ParseRegionBlock(hugeCount, data));

    EXPECT_FALSE(ParseRegionBlock(std::vector<uint8_t>(16, 0), data));
}

}  // namespace
}  // namespace velmira
