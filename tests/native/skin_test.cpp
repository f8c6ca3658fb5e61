// The skin text and the first-show placement.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "character/placement.h"
#include "character/skin_layout.h"

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

TEST(FirstShowPlacement, KeepsPositionsThatAreOnAScreen) {
    const std::vector<Rect> one{{0, 0, 1280, 1024}};
    EXPECT_EQ(FirstShowPosition({40, 64}, 293, 441, one, {40, 64}, kWorkArea), (Point{40, 64}));
    // Mostly off the right edge but 48 pixels still show.
    EXPECT_EQ(FirstShowPosition({1232, 0}, 293, 441, one, {40, 64}, kWorkArea), (Point{1232, 0}));
    // Hanging off the bottom left corner with 48 x 48 pixels still on the screen.
    EXPECT_EQ(FirstShowPosition({-245, 976}, 293, 441, one, {40, 64}, kWorkArea),
              (Point{-245, 976}));
}

TEST(FirstShowPlacement, MovesUnreachablePositionsToTheDefault) {
    const std::vector<Rect> one{{0, 0, 1280, 1024}};
    EXPECT_EQ(FirstShowPosition({-5000, 64}, 293, 441, one, {40, 64}, kWorkArea), (Point{40, 64}));
    EXPECT_EQ(FirstShowPosition({1233, 0}, 293, 441, one, {40, 64}, kWorkArea),
              (Point{40, 64}));  // 47 px
    EXPECT_EQ(FirstShowPosition({0, 977}, 293, 441, one, {40, 64}, kWorkArea),
              (Point{40, 64}));  // 47 px
    EXPECT_EQ(FirstShowPosition({INT32_MAX, INT32_MIN}, 293, 441, one, {40, 64}, kWorkArea),
              (Point{40, 64}));
    EXPECT_EQ(FirstShowPosition({40, 64}, 293, 441, {}, {40, 64}, kWorkArea), (Point{40, 64}));
}

TEST(FirstShowPlacement, ASecondMonitorKeepsItsPositions) {
    // A monitor to the left of the primary one, at negative coordinates.
    const std::vector<Rect> two{{0, 0, 1280, 1024}, {-1920, -200, 1920, 1080}};
    EXPECT_EQ(FirstShowPosition({-1000, 100}, 293, 441, two, {40, 64}, kWorkArea),
              (Point{-1000, 100}));
    // Removed: the same position on the primary alone is lost.
    EXPECT_EQ(FirstShowPosition({-1000, 100}, 293, 441, {two[0]}, {40, 64}, kWorkArea),
              (Point{40, 64}));
    // Straddling the two monitors: enough of her is on the primary one.
    EXPECT_EQ(FirstShowPosition({-100, 0}, 293, 441, two, {40, 64}, kWorkArea), (Point{-100, 0}));
}

TEST(FirstShowPlacement, TheDefaultMovesUpAndLeftJustEnoughToFitTheWorkArea) {
    const std::vector<Rect> one{{0, 0, 1280, 1024}};
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
        EXPECT_EQ(FirstShowPosition({-5000, 64}, 293, 441, one, {40, 64}, c.workArea), c.expected)
            << c.workArea.left << "," << c.workArea.top << " " << c.workArea.width << "x"
            << c.workArea.height;
    // A first start has the default as its stored position: it fits the same way.
    EXPECT_EQ(FirstShowPosition({40, 64}, 293, 441, {{0, 0, 640, 480}}, {40, 64}, {0, 0, 640, 480}),
              (Point{40, 39}));
    // A reachable stored position is never moved, however little of her shows.
    EXPECT_EQ(
        FirstShowPosition({592, 432}, 293, 441, {{0, 0, 640, 480}}, {40, 64}, {0, 0, 640, 450}),
        (Point{592, 432}));
}

}  // namespace
}  // namespace velmira
