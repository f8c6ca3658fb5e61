// Her window's band for each combination of what it depends on.
#include "presence/window_band.h"

#include <gtest/gtest.h>

namespace velmira {
namespace {

struct BandCase {
    bool stayOnTop;
    bool fullScreen;
    StageZ z;
    bool balloonTopmost;
};

class Band : public ::testing::TestWithParam<BandCase> {};

TEST_P(Band, FollowsHerSettingAndStepsBehindAFullScreenProgram) {
    const BandCase& c = GetParam();
    const WindowBand band = ChooseBand(BandInputs{c.stayOnTop, c.fullScreen});
    EXPECT_EQ(band.z, c.z);
    EXPECT_EQ(band.balloonTopmost, c.balloonTopmost);
}

INSTANTIATE_TEST_SUITE_P(Inputs, Band,
                         ::testing::Values(BandCase{false, false, StageZ::Ordinary, false},
                                           BandCase{true, false, StageZ::Topmost, true},
                                           // Behind the program even when she stays on top; her
                                           // balloon keeps the style for when she is back.
                                           BandCase{false, true, StageZ::BehindCover, false},
                                           BandCase{true, true, StageZ::BehindCover, true}));

}  // namespace
}  // namespace velmira
