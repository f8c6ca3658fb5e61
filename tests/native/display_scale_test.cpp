#include "base/display_scale.h"

#include <gtest/gtest.h>

namespace velmira {
namespace {

struct ScaleCase {
    int dpi;
    int32_t in;
    int32_t out;
};

class DisplayScaleTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(DisplayScaleTest, RoundsHalfAwayFromZero) {
    const ScaleCase c = GetParam();
    EXPECT_EQ(DisplayScale(c.dpi).Px(c.in), c.out);
}

// Her window's 293 x 441 at 125 and 150 %, halves below zero, an unknown DPI.
INSTANTIATE_TEST_SUITE_P(Table, DisplayScaleTest,
                         ::testing::Values(ScaleCase{120, 293, 366}, ScaleCase{144, 441, 662},
                                           ScaleCase{144, -3, -5}, ScaleCase{0, 12, 12}));

}  // namespace
}  // namespace velmira
