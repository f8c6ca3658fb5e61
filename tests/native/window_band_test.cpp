// Her window's band for each combination of what it depends on.
#include "presence/window_band.h"

#include <gtest/gtest.h>

namespace velmira {
namespace {

TEST(WindowBand, HerSettingsAndTheScreenDecideWhereAndHowSheStands) {
    const struct {
        BandInputs in;
        bool topmost, visible, layered, transparent;
    } cases[] = {
        {{false, false, false, false}, false, true, false, false},
        {{true, false, false, false}, true, true, false, false},
        // Out of sight for as long as a full-screen program covers her, even
        // on top; her balloon keeps the style for when she is back.
        {{true, true, false, false}, true, false, false, false},
        {{false, true, false, false}, false, false, false, false},
        {{false, false, true, false}, false, false, false, false},
        {{true, true, true, true}, true, false, true, true},
        // Click-through is a layered, transparent window in any band.
        {{false, false, false, true}, false, true, true, true},
        {{true, false, false, true}, true, true, true, true},
    };
    for (const auto& c : cases) {
        const BandInputs& in = c.in;
        SCOPED_TRACE(testing::Message()
                     << "on top " << in.stayOnTop << ", full screen " << in.fullScreen
                     << ", hidden " << in.hidden << ", click-through " << in.clickThrough);
        const WindowBand band = ChooseBand(in);
        EXPECT_EQ(band.topmost, c.topmost);
        EXPECT_EQ(band.balloonTopmost, in.stayOnTop);
        EXPECT_EQ(band.visible, c.visible);
        EXPECT_EQ(band.layered, c.layered);
        EXPECT_EQ(band.transparent, c.transparent);
        EXPECT_EQ(band.alpha, 255);
    }
}

TEST(WindowBand, OpacityMakesHerLayeredAndNothingMakesHerInvisible) {
    const struct {
        int32_t opacity;
        int alpha;
    } cases[] = {{100, 255}, {80, 204}, {60, 153}, {40, 102}, {0, 255}, {-5, 255}, {255, 255}};
    for (const auto& c : cases) {
        BandInputs in;
        in.opacity = c.opacity;
        const WindowBand band = ChooseBand(in);
        EXPECT_EQ(band.alpha, c.alpha) << c.opacity;
        EXPECT_EQ(band.layered, c.alpha < 255) << c.opacity;
        EXPECT_FALSE(band.transparent);
    }
    BandInputs off;
    off.showInTaskbar = false;
    EXPECT_FALSE(ChooseBand(off).appWindow);
    EXPECT_TRUE(ChooseBand(BandInputs{}).appWindow);
}

}  // namespace
}  // namespace velmira
