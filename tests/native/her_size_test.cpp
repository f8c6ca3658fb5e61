// Her own size on top of the display scale, and where a change of size
// leaves her.
#include "base/her_size.h"

#include <gtest/gtest.h>

#include "character/skin_layout.h"
#include "character/window_place.h"

namespace velmira {
namespace {

// Her window (293 x 441 as drawn) and her mouth box at a size on a monitor,
// rounded as the display scale rounds.
TEST(HerSize, TimesTheMonitorsScale) {
    SkinLayout skin;
    skin.MouthArea = Rect{157, 138, 17, 13};
    const struct {
        int dpi, pct, width, height;
        Rect mouth;
    } cases[] = {
        {96, 50, 147, 221, {79, 69, 9, 7}},      {96, 150, 440, 662, {236, 207, 26, 20}},
        {192, 50, 293, 441, {157, 138, 17, 13}}, {192, 150, 879, 1323, {471, 414, 51, 39}},
        {96, 100, 293, 441, {157, 138, 17, 13}},
    };
    for (const auto& c : cases) {
        const DisplayScale her = HerScale(DisplayScale(c.dpi), c.pct);
        EXPECT_EQ(her.Px(293), c.width) << c.dpi << " " << c.pct;
        EXPECT_EQ(her.Px(441), c.height) << c.dpi << " " << c.pct;
        const Rect mouth = ScaledSkinLayout(skin, her).MouthArea;
        EXPECT_EQ(mouth.left, c.mouth.left) << c.dpi << " " << c.pct;
        EXPECT_EQ(mouth.width, c.mouth.width) << c.dpi << " " << c.pct;
    }
}

TEST(HerSize, AChangeKeepsHerCornerUnlessItTakesHerPastTheWorkArea) {
    const Rect work{0, 0, 1280, 984};
    const struct {
        Rect before, now;
        Point at;
    } cases[] = {
        {{40, 64, 293, 441}, {40, 64, 586, 882}, {40, 64}},        // still inside
        {{900, 400, 293, 441}, {900, 400, 586, 882}, {694, 102}},  // in just as far
        {{900, 400, 293, 441}, {900, 400, 147, 221}, {900, 400}},  // smaller: stays
        {{1100, 64, 293, 441}, {1100, 64, 440, 662}, {953, 64}},   // was past by 113: keeps that
        {{-100, 64, 293, 441}, {-100, 64, 586, 882}, {-100, 64}},  // left of it: not pulled right
        {{100, 100, 293, 441}, {100, 100, 1500, 1100}, {0, 0}},    // larger than it: its corner
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeepOnWorkArea(c.before, c.now, work), c.at)
            << c.now.left << "," << c.now.top << " " << c.now.width << "x" << c.now.height;
}

}  // namespace
}  // namespace velmira
