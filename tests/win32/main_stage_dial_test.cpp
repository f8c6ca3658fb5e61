// The dial as the main stage sets it up and switches it: geometry from the
// skin's boxes, the artwork from the resources, the display switches and the
// priority that comes back with the first repaint after the screen saver.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/win/main_stage.h"
#include "stage_driver.h"

namespace velmira {
namespace {

class DialStage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(stage.Create());
        ShowWindow(stage.Handle(), SW_SHOWNOACTIVATE);
    }
    void TearDown() override {
        if (stage.Handle()) DestroyWindow(stage.Handle());
    }

    // The dial picture's pixels, 0x00RRGGBB, row by row from the top.
    std::vector<uint32_t> DialPicture() {
        DIBSECTION dib{};
        EXPECT_EQ(GetObjectW(view.Dial().dialBitmap.get(), sizeof(dib), &dib), int(sizeof(dib)));
        GdiFlush();
        const auto* bits = static_cast<const uint32_t*>(dib.dsBm.bmBits);
        return std::vector<uint32_t>(bits, bits + dib.dsBm.bmWidth * dib.dsBm.bmHeight);
    }
    static uint32_t At(const std::vector<uint32_t>& picture, int x, int y) {
        return picture[y * 128 + x] & 0xFFFFFF;
    }

    TMainStage stage{drive::TestApplication(), drive::Environment()};
    MainStageView view{stage};
};

constexpr uint32_t kMagenta = 0xFF00FF;

TEST_F(DialStage, SetUpBuildsGeometryAndLayoutFromTheSkin) {
    EXPECT_EQ(view.Dial().geometry.minutePivot, (Point{64, 64}));
    EXPECT_EQ(view.Dial().geometry.hourPivot, (Point{64, 64}));
    EXPECT_EQ(view.Dial().geometry.secondPivot, (Point{64, 64}));
    EXPECT_EQ(view.Dial().geometry.minuteHandLength, 40);
    EXPECT_EQ(view.Dial().geometry.hourHandLength, 30);
    EXPECT_EQ(view.Dial().geometry.secondHandLength, 36);
    EXPECT_EQ(view.Dial().geometry.sinTable[15], -1.0);
    EXPECT_EQ(view.Dial().layout.digitLeft, 10);
    EXPECT_EQ(view.Dial().layout.digitTop, 24);
    EXPECT_EQ(view.Dial().layout.secondsLeft, 86);
    EXPECT_EQ(view.Dial().layout.secondsTop, 72);
    EXPECT_EQ(view.Dial().layout.ampmLeft, 10);
    EXPECT_EQ(view.Dial().layout.ampmTop, 88);

    BITMAP bm{};
    ASSERT_TRUE(GetObjectW(view.Dial().dialBitmap.get(), sizeof(bm), &bm));
    EXPECT_EQ(bm.bmWidth, 128);
    EXPECT_EQ(bm.bmHeight, 128);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(ImageList_GetImageCount(view.Dial().ImageList1.get()), 2);
}

TEST_F(DialStage, RedrawClockDrawsHandsOnlyForARealTime) {
    ASSERT_TRUE(view.Settings().AnaDigi);
    drive::ClockRedraw(stage, -1, -1);
    const std::vector<uint32_t> face = DialPicture();
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) ASSERT_NE(At(face, x, y), kMagenta) << x << "," << y;
    drive::ClockRedraw(stage, 3, 0);
    const std::vector<uint32_t> hands = DialPicture();
    EXPECT_EQ(At(hands, 64, 40), kMagenta);  // minute hand at twelve
    EXPECT_EQ(At(hands, 85, 64), kMagenta);  // hour hand at three
    EXPECT_EQ(At(hands, 40, 100), At(face, 40, 100));
}

TEST_F(DialStage, DisplaySwitchesToggleAndRedrawAtOnce) {
    ASSERT_TRUE(view.Settings().AnaDigi);
    ASSERT_FALSE(view.Settings().DigiAMPM);
    drive::ClockRedraw(stage, 3, 0);  // the clock's last hand-over
    const std::vector<uint32_t> analogFace = DialPicture();

    drive::Command(stage, menu_command::kMIDigiAna);
    EXPECT_FALSE(view.Settings().AnaDigi);
    const std::vector<uint32_t> digital = DialPicture();
    // The faded face: the rim of the dial is lighter than before.
    EXPECT_NE(At(digital, 64, 3), At(analogFace, 64, 3));
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) ASSERT_NE(At(digital, x, y), kMagenta) << "no hands";

    drive::Command(stage, menu_command::kMIAmPm);
    EXPECT_TRUE(view.Settings().DigiAMPM);
    const std::vector<uint32_t> twelveHour = DialPicture();
    int markInk = 0;  // the AM or PM letters are black, below the hour
    for (int y = 88; y < 104; ++y)
        for (int x = 10; x < 74; ++x) markInk += At(twelveHour, x, y) == 0;
    EXPECT_GT(markInk, 20);

    drive::Command(stage, menu_command::kMIAmPm);
    EXPECT_FALSE(view.Settings().DigiAMPM);
    drive::Command(stage, menu_command::kMIDigiAna);
    EXPECT_TRUE(view.Settings().AnaDigi);
    const std::vector<uint32_t> analogAgain = DialPicture();
    int magenta = 0;
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) magenta += At(analogAgain, x, y) == kMagenta;
    EXPECT_GT(magenta, 100) << "the hands are back at once";
}

}  // namespace
}  // namespace velmira
