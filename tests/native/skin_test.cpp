// The skin text and the first-show placement.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "base/region_block.h"
#include "character/window_place.h"
#include "character/skin_layout.h"
#include "region_block_parser.h"

namespace velmira {
namespace {

const char* kSkin =
    "# comment\n"
    "Image 47 0\n"
    "FaceFrame 117 70 96 96\n"
    "MouthArea 157 138 17 13   # on her mouth\n"
    "MojibanBox 0 252 128 128\n"
    "MojibanHandArea 14 266 100 100\n"
    "SecHandColor 0xB8960C\n"
    "HandFillColor 16711935\n"
    "HandEdgeColor 0x400080\n";

TEST(SkinLayout, ReadsEveryEntry) {
    SkinLayout s;
    ASSERT_TRUE(ParseSkinLayout(kSkin, s));
    EXPECT_EQ(s.Image, (Point{47, 0}));
    EXPECT_EQ(s.MouthArea.left, 157);
    EXPECT_EQ(s.MouthArea.height, 13);
    EXPECT_EQ(s.MojibanBox.top, 252);
    EXPECT_EQ(s.MojibanHandArea.width, 100);
    EXPECT_EQ(s.hands.secHandColor, 0xB8960Cu);
    EXPECT_EQ(s.hands.handFillColor, 0xFF00FFu);
    EXPECT_EQ(s.hands.handEdgeColor, 0x400080u);
}

TEST(SkinLayout, TheShippedSkinHasTheCarriersLayout) {
    std::ifstream file(VELMIRA_SOURCE_DIR "/resources/skin/skin.txt");
    ASSERT_TRUE(file) << "resources/skin/skin.txt missing";
    std::stringstream text;
    text << file.rdbuf();
    SkinLayout s;
    ASSERT_TRUE(ParseSkinLayout(text.str(), s));
    EXPECT_EQ(s.Image, (Point{47, 0}));
    EXPECT_EQ(s.FaceFrame.left, 117);
    EXPECT_EQ(s.FaceFrame.top, 70);
    EXPECT_EQ(s.MojibanBox.left, 0);
    EXPECT_EQ(s.MojibanHandArea.top, 266);
}

TEST(SkinLayout, BrokenSkinsAreRefusedAndLeaveTheOldLayout) {
    const std::string good = kSkin;
    const std::string broken[] = {
        good + "Extra 1\n",                                                   // unknown entry
        good + "Image 1 2\n",                                                 // twice
        std::string(kSkin).replace(good.find("Image 47 0"), 10, "Image 47"),  // too few numbers
        std::string(kSkin).replace(good.find("17 13"), 5, "17 -1"),           // negative size
        std::string(kSkin).replace(good.find("0x400080"), 8, "0x1000000"),    // not a colour
        std::string(kSkin).replace(good.find("0 252"), 5, "x 252"),           // not a number
        "",
    };
    for (const std::string& text : broken) {
        SkinLayout s;
        s.Image = Point{-7, -7};
        EXPECT_FALSE(ParseSkinLayout(text, s)) << text;
        EXPECT_EQ(s.Image, (Point{-7, -7}));
    }
}

// The 1280 x 1024 primary monitor without a 40 px taskbar at the bottom.
constexpr Rect kWorkArea{0, 0, 1280, 984};
constexpr Point kDefault{40, 64};

// Her outline from the committed region blocks, each pixel k x k: the
// picture's at (47, 0), the dial's at (0, 252), as her window holds them.
WindowOutline HerOutline(int k) {
    WindowOutline her{293 * k, 441 * k, {}};
    for (const auto& [name, at] : {std::pair{"character", Point{47, 0}}, {"dial", Point{0, 252}}}) {
        std::ifstream file(VELMIRA_SOURCE_DIR "/resources/regions/" + std::string(name) + ".rgn",
                           std::ios::binary);
        RegionData data;
        EXPECT_TRUE(ParseRegionBlock({std::istreambuf_iterator<char>(file), {}}, data)) << name;
        for (const RegionRect& r : data.rects)
            her.parts.push_back(Rect{(at.x + r.left) * k, (at.y + r.top) * k,
                                     (r.right - r.left) * k, (r.bottom - r.top) * k});
    }
    return her;
}

TEST(FirstShowPlacement, KeepsAStoredPositionOnlyWhereEnoughOfHerIsOnAWorkArea) {
    const std::vector<Rect> screen{{0, 0, 1280, 1024}};
    const struct {
        int dpi;
        Point stored;
        bool kept;
        const char* why;
    } cases[] = {
        {96, {900, 10}, true, "all of her on the screen"},
        {96, {1232, 0}, true, "48 columns of her dial"},
        {96, {1250, 0}, true, "30 columns of the dial: 2304 pixels, just 48 x 48"},
        {96, {1251, 0}, false, "29 columns: 2196 pixels"},
        {96, {1232, 976}, false, "only her box's empty top-left corner"},
        {96, {-245, -393}, false, "only its empty bottom-right corner"},
        {96, {-245, 976}, false, "only its empty top-right corner"},
        {96, {-5000, 64}, false, "off every screen"},
        {96, {INT32_MAX, INT32_MIN}, false, "off every screen, at the limits"},
        {192, {-250, -400}, true, "her arm and dress"},
        {192, {1220, 0}, true, "30 columns of the dial at twice the size: 96 x 96"},
        {192, {1232, 0}, false, "48 columns are 24 of the dial at 96 DPI: 6712 pixels"},
        {192, {1232, 976}, false, "only her box's empty top-left corner"},
        {192, {1232, -834}, false, "only its empty bottom-left corner"},
        {192, {-538, 976}, false, "only its empty top-right corner"},
    };
    for (const auto& c : cases) {
        const FirstPlace place = FirstShowPosition(
            c.stored, HerOutline(c.dpi / 96), DisplayScale(c.dpi), screen, kDefault, screen[0]);
        const Point expected = c.kept ? c.stored : kDefault;
        EXPECT_EQ(place.at, expected)
            << c.dpi << " DPI " << c.stored.x << "," << c.stored.y << ": " << c.why;
        // A lost position gives way to where she opens once she is saved.
        EXPECT_EQ(place.toStore, expected) << c.why;
    }
}

TEST(FirstShowPlacement, ASecondMonitorKeepsItsPositions) {
    // A monitor to the left of the primary one, at negative coordinates.
    const std::vector<Rect> two{kWorkArea, {-1920, -200, 1920, 1040}};
    const WindowOutline her = HerOutline(1);
    const DisplayScale one;
    EXPECT_EQ(FirstShowPosition({-1000, 100}, her, one, two, kDefault, kWorkArea).at,
              (Point{-1000, 100}));
    // Removed: the same position on the primary alone is lost.
    EXPECT_EQ(FirstShowPosition({-1000, 100}, her, one, {two[0]}, kDefault, kWorkArea).at,
              kDefault);
    // Straddling the two monitors: enough of her is on the primary one.
    EXPECT_EQ(FirstShowPosition({-100, 0}, her, one, two, kDefault, kWorkArea).at,
              (Point{-100, 0}));
}

TEST(FirstShowPlacement, TheDefaultMovesUpAndLeftJustEnoughToFitTheWorkArea) {
    const WindowOutline her = HerOutline(1);
    const DisplayScale one;
    struct Case {
        Rect workArea;
        Point expected;
    } cases[] = {
        {{0, 0, 640, 480}, {40, 39}},  // 640 x 480: 25 px up
        {{0, 0, 640, 450}, {40, 9}},   // and a taskbar
        {{0, 0, 320, 480}, {27, 39}},  // too narrow as well
        {{0, 0, 333, 505}, {40, 64}},  // fits exactly
        {{0, 0, 200, 300}, {0, 0}},    // smaller than her: the top-left corner
        {{100, 30, 200, 300}, {100, 30}},
        {{60, 0, 1220, 1024}, {60, 64}},  // taskbar on the left: never left of the area
        {{0, 80, 1280, 944}, {40, 80}},   // or at the top
        {{}, {40, 64}},                   // unreadable: the default as it is
    };
    for (const Case& c : cases)
        EXPECT_EQ(FirstShowPosition({-5000, 64}, her, one, {kWorkArea}, kDefault, c.workArea).at,
                  c.expected)
            << c.workArea.left << "," << c.workArea.top << " " << c.workArea.width << "x"
            << c.workArea.height;
    // A first start has the default as its stored position: it fits the same
    // way (as at 240 DPI on 1280 x 1024), and the default stays the one to store.
    const std::vector<Rect> small{{0, 0, 640, 480}};
    const FirstPlace first = FirstShowPosition(kDefault, her, one, small, kDefault, small[0]);
    EXPECT_TRUE(first.at == (Point{40, 39}) && first.toStore == kDefault);
    // A reachable stored position is never moved, though her feet hang off.
    const FirstPlace kept =
        FirstShowPosition({400, 300}, her, one, small, kDefault, {0, 0, 640, 450});
    EXPECT_TRUE(kept.at == (Point{400, 300}) && kept.toStore == kept.at);
}

}  // namespace
}  // namespace velmira
