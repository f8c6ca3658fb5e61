#include "base/picture_scaler.h"

#include <gtest/gtest.h>

namespace velmira {
namespace {

constexpr uint32_t K = 0x00FF00;  // the key
constexpr uint32_t R = 0xFF0000;
constexpr uint32_t B = 0x0000FF;
constexpr uint32_t C = 0x123456;

struct ScaleCase {
    const char* what;
    PixelPicture source;
    Rect from;  // empty: the whole picture
    int width;
    int height;
    std::optional<uint32_t> key;
    std::vector<uint32_t> expected;
};

class PictureScalerTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(PictureScalerTest, ScalesByFootprint) {
    const ScaleCase& c = GetParam();
    const PixelPicture out = c.from.width ? ScalePicture(c.source, c.from, c.width, c.height, c.key)
                                          : ScalePicture(c.source, c.width, c.height, c.key);
    EXPECT_EQ(out.width, c.width) << c.what;
    EXPECT_EQ(out.height, c.height) << c.what;
    EXPECT_EQ(out.pixels, c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, PictureScalerTest,
    ::testing::Values(
        ScaleCase{"a flat colour stays flat",
                  {3, 2, {C, C, C, C, C, C}},
                  {},
                  5,
                  3,
                  std::nullopt,
                  std::vector<uint32_t>(15, C)},
        ScaleCase{"keyed, too", {3, 2, {C, C, C, C, C, C}}, {}, 2, 1, K, {C, C}},
        ScaleCase{"the average of the footprint", {2, 1, {0, B}}, {}, 1, 1, std::nullopt, {0x80}},
        ScaleCase{"half drawn is drawn, unblended", {2, 1, {K, R}}, {}, 1, 1, K, {R}},
        ScaleCase{"less than half drawn is the key", {3, 1, {K, K, R}}, {}, 1, 1, K, {K}},
        ScaleCase{"only drawn pixels are averaged", {3, 1, {R, B, K}}, {}, 1, 1, K, {0x800080}},
        ScaleCase{"three quarters: exact halves", {4, 1, {K, K, R, R}}, {}, 3, 1, K, {K, R, R}},
        ScaleCase{"upscaled keeps hard edges", {2, 1, {R, K}}, {}, 4, 1, K, {R, R, K, K}},
        ScaleCase{"a cell never reads its neighbour",
                  {4, 1, {R, R, B, B}},
                  {2, 0, 2, 1},
                  3,
                  1,
                  std::nullopt,
                  {B, B, B}},
        ScaleCase{"a blend landing on the key moves off it",
                  {6, 1, {0x01FF00, 0x01FF00, 0x00FF01, 0x00FE00, 0x00FE00, 0x00FE00}},
                  {},
                  1,
                  1,
                  K,
                  {0x00FF01}}));

TEST(PictureScaler, KeyNeverBleedsIntoAnEdge) {
    // Red and blue drawing on green, with a ragged outline, at 0.5 to 1.5 times.
    PixelPicture source{40, 30, {}};
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            source.pixels.push_back((x * x + 3 * y) % 7 < 3 ? K : (x + y) % 2 ? R : B);
    for (int size : {20, 23, 30, 37, 61}) {
        const PixelPicture out = ScalePicture(source, size, size * 3 / 4, K);
        for (uint32_t p : out.pixels)
            ASSERT_TRUE(p == K || (p & 0x00FF00) == 0) << std::hex << p << " at size " << size;
    }
}

struct MaskCase {
    const char* what;
    PixelMask source;
    int width;
    int height;
    std::vector<uint8_t> expected;
};

class MaskScalerTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskScalerTest, InsideFromHalfTheFootprint) {
    const MaskCase& c = GetParam();
    const PixelMask out = ScaleMask(c.source, c.width, c.height);
    EXPECT_EQ(out.width, c.width) << c.what;
    EXPECT_EQ(out.height, c.height) << c.what;
    EXPECT_EQ(out.inside, c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, MaskScalerTest,
    ::testing::Values(MaskCase{"exactly half is inside", {2, 1, {0, 1}}, 1, 1, {1}},
                      MaskCase{"a third is outside", {3, 1, {0, 0, 1}}, 1, 1, {0}},
                      MaskCase{"a 2 x 2 quarter is outside", {2, 2, {1, 0, 0, 0}}, 1, 1, {0}},
                      MaskCase{"upscaled", {2, 1, {1, 0}}, 3, 2, {1, 1, 0, 1, 1, 0}}));

}  // namespace
}  // namespace velmira
