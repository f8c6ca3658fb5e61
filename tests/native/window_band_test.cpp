// Her window's band for each combination of what it depends on.
#include "presence/window_band.h"

#include <gtest/gtest.h>

namespace velmira {
namespace {

TEST(WindowBand, FollowsHerSettingAndStepsBehindAFullScreenProgram) {
    const struct {
        bool stayOnTop;
        bool fullScreen;
        StageZ z;
        bool balloonTopmost;
    } cases[] = {
        {false, false, StageZ::Ordinary, false},
        {true, false, StageZ::Topmost, true},
        // Behind the program even when she stays on top; her balloon keeps
        // the style for when she is back.
        {false, true, StageZ::BehindCover, false},
        {true, true, StageZ::BehindCover, true},
    };
    for (const auto& c : cases) {
        const WindowBand band = ChooseBand(BandInputs{c.stayOnTop, c.fullScreen});
        EXPECT_EQ(band.z, c.z) << c.stayOnTop << c.fullScreen;
        EXPECT_EQ(band.balloonTopmost, c.balloonTopmost) << c.stayOnTop << c.fullScreen;
    }
}

}  // namespace
}  // namespace velmira
