#include "base/picture_scaler.h"

#include <gtest/gtest.h>

namespace velmira {
namespace {

constexpr uint32_t K = 0x00FF00;  // the key
constexpr uint32_t R = 0xFF0000;
constexpr uint32_t B = 0x0000FF;
constexpr uint32_t C = 0x123456;

struct ScaleCase {
    PixelPicture source;
    int width;
    int height;
    std::optional<uint32_t> key;
    std::vector<uint32_t> expected;
    Rect from{};  // empty: the whole picture
};

class PictureScalerTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(PictureScalerTest, ScalesByFootprint) {
    const ScaleCase& c = GetParam();
    const Rect from = c.from.width ? c.from : Rect{0, 0, c.source.width, c.source.height};
    const PixelPicture out = ScalePicture(c.source, from, c.width, c.height, c.key);
    EXPECT_EQ(out.width * 1000 + out.height, c.width * 1000 + c.height);
    EXPECT_EQ(out.pixels, c.expected);
}

const uint32_t kNearKey[] = {0x01FF00, 0x01FF00, 0x00FF01, 0x00FE00, 0x00FE00, 0x00FE00};

INSTANTIATE_TEST_SUITE_P(
    Table, PictureScalerTest,
    ::testing::Values(
        // A flat colour stays flat, keyed or not; without a key, the footprint's average.
        ScaleCase{{3, 2, {C, C, C, C, C, C}}, 5, 3, {}, std::vector<uint32_t>(15, C)},
        ScaleCase{{3, 2, {C, C, C, C, C, C}}, 2, 1, K, {C, C}},
        ScaleCase{{2, 1, {0, B}}, 1, 1, {}, {0x80}},
        ScaleCase{{2, 1, {0, B}}, 4, 1, {}, {0, 0x40, 0xBF, 0xFF}},  // growing: bilinear
        // Keyed: half drawn is drawn and unblended, less is the key, only drawn
        // pixels are averaged, exact halves at 3/4, hard edges upscaled.
        ScaleCase{{2, 1, {K, R}}, 1, 1, K, {R}}, ScaleCase{{3, 1, {K, K, R}}, 1, 1, K, {K}},
        ScaleCase{{3, 1, {R, B, K}}, 1, 1, K, {0x800080}},
        ScaleCase{{4, 1, {K, K, R, R}}, 3, 1, K, {K, R, R}},
        ScaleCase{{2, 1, {R, K}}, 4, 1, K, {R, R, K, K}},
        // A cell never reads its neighbour; an average landing on the key moves off it.
        ScaleCase{{4, 1, {R, R, B, B}}, 3, 1, {}, {B, B, B}, {2, 0, 2, 1}},
        ScaleCase{{6, 1, {std::begin(kNearKey), std::end(kNearKey)}}, 1, 1, K, {0x00FF01}}));

struct MaskCase {
    PixelMask source;
    int width;
    std::vector<uint8_t> expected;
};

class MaskScalerTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskScalerTest, InsideFromHalfTheFootprint) {
    const MaskCase& c = GetParam();
    const PixelMask out = ScaleMask(c.source, c.width, 1);
    EXPECT_EQ(out.inside, c.expected);
}

// Exactly half is inside, a third or a quarter is not; upscaled edges stay hard.
INSTANTIATE_TEST_SUITE_P(Table, MaskScalerTest,
                         ::testing::Values(MaskCase{{2, 1, {0, 1}}, 1, {1}},
                                           MaskCase{{3, 1, {0, 0, 1}}, 1, {0}},
                                           MaskCase{{2, 2, {1, 0, 0, 0}}, 1, {0}},
                                           MaskCase{{2, 1, {1, 0}}, 3, {1, 1, 0}}));

}  // namespace
}  // namespace velmira
