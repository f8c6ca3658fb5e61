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

// Her window 293 x 441 and the dialogs' 320 x 240 at 100, 125, 150 and 200 %.
INSTANTIATE_TEST_SUITE_P(Table, DisplayScaleTest,
                         ::testing::Values(ScaleCase{96, 293, 293}, ScaleCase{96, -7, -7},
                                           ScaleCase{120, 293, 366}, ScaleCase{120, 441, 551},
                                           ScaleCase{144, 293, 440}, ScaleCase{144, 441, 662},
                                           ScaleCase{144, -3, -5}, ScaleCase{192, 293, 586},
                                           ScaleCase{192, 441, 882}, ScaleCase{192, 240, 480},
                                           ScaleCase{0, 12, 12}));

}  // namespace
}  // namespace velmira
