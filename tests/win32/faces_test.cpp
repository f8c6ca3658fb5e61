// Her faces on the real window: a smile painted where her face is, the
// timer that carries her moods, and attention that takes the face away.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/win/main_stage.h"
#include "character/loneliness.h"
#include "dialog_driver.h"

namespace velmira {
namespace {

// How many pixels of the face box on the window match the face picture.
int MatchingPixels(HWND window, const TPaintBox& box, const wchar_t* face) {
    UniqueBitmap picture(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), face, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    UniqueMemDc memory(CreateCompatibleDC(nullptr));
    SelectInDc select(memory.get(), picture.get());
    HDC dc = GetDC(window);
    int matching = 0;
    for (int y = 0; y < box.Height; y += 4)
        for (int x = 0; x < box.Width; x += 4)
            matching += GetPixel(dc, box.Left + x, box.Top + y) == GetPixel(memory.get(), x, y);
    ReleaseDC(window, dc);
    return matching;
}

class FacesStage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(stage.Create());
        ShowWindow(stage.Handle(), SW_SHOWNOACTIVATE);
        UpdateWindow(stage.Handle());
    }
    void TearDown() override {
        if (stage.Handle()) DestroyWindow(stage.Handle());
    }
    static StageEnvironment Environment(bool* buttonDown) {
        StageEnvironment environment = StageEnvironment::System();
        environment.random = [](uint32_t) { return 1u; };  // every roll smiles
        environment.keyHeld = [buttonDown](int vk) { return vk == VK_LBUTTON && *buttonDown; };
        return environment;
    }
    void Paint() {
        driver::PumpUntil([] { return true; });
        UpdateWindow(stage.Handle());
    }
    bool buttonDown = false;
    TMainStage stage{Environment(&buttonDown)};
};

constexpr int kSamples = 24 * 24;

TEST_F(FacesStage, TheThirdMinutePictureSmilesAndAPressTakesTheFaceAway) {
    const TPaintBox& box = stage.Skin().FaceFrame;
    EXPECT_FALSE(stage.Faces().FaceShown()) << "the start's first picture counted once";
    // Her own face shares hair and skin with the pictures, not the expression.
    EXPECT_LT(MatchingPixels(stage.Handle(), box, L"Face1"), kSamples - 40);
    stage.RedrawClock(10, 1);
    EXPECT_FALSE(stage.Faces().FaceShown());
    stage.RedrawClock(10, 2);
    ASSERT_TRUE(stage.Faces().FaceShown()) << "the third call rolled and smiled";
    Paint();
    EXPECT_EQ(MatchingPixels(stage.Handle(), box, L"Face1"), kSamples) << "the smile, in place";
    const TTimer& timer = stage.Faces().SamishiiTimer;
    EXPECT_TRUE(timer.Running());
    EXPECT_EQ(timer.Interval(), samishii::kSmileMs);
    EXPECT_EQ(timer.Tag, samishii::kSmiling);

    // The timer's ticks, as Windows sends them.
    stage.Settings().samiLim = 600;
    SendMessageW(stage.Handle(), WM_TIMER, TFaces::kSamishiiTimerId, 0);
    EXPECT_FALSE(stage.Faces().FaceShown());
    EXPECT_EQ(timer.Interval(), 600000u);
    SendMessageW(stage.Handle(), WM_TIMER, TFaces::kSamishiiTimerId, 0);
    Paint();
    EXPECT_EQ(MatchingPixels(stage.Handle(), box, L"Face2"), kSamples) << "lonely";
    EXPECT_EQ(timer.Tag, samishii::kLonely1);

    // A press on her: the system asks where she was hit, with the button down.
    buttonDown = true;
    EXPECT_EQ(SendMessageW(stage.Handle(), WM_NCHITTEST, 0, MAKELPARAM(150, 200)), HTCAPTION);
    EXPECT_FALSE(stage.Faces().FaceShown());
    EXPECT_FALSE(timer.Running());
    Paint();
    EXPECT_LT(MatchingPixels(stage.Handle(), box, L"Face2"), kSamples - 40) << "her own face again";
}

TEST_F(FacesStage, TheMenuIsAttentionAndItsWaitItemsStopTheTimer) {
    stage.Faces().SetFace(3);
    stage.PopupMenu1Popup();
    EXPECT_FALSE(stage.Faces().FaceShown());
    // A click whose hit test came before the button counted as down.
    stage.Faces().SetFace(2);
    SendMessageW(stage.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 200));
    SendMessageW(stage.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(150, 200));
    EXPECT_FALSE(stage.Faces().FaceShown()) << "a press is attention";

    stage.RedrawClock(1, 1);
    stage.RedrawClock(1, 2);
    stage.RedrawClock(1, 3);
    ASSERT_TRUE(stage.Faces().SamishiiTimer.Running());
    SendMessageW(stage.Handle(), WM_COMMAND, menu_command::kMIGaman1 + 1, 0);
    EXPECT_EQ(stage.Settings().samiLim, 1200);
    EXPECT_FALSE(stage.Faces().SamishiiTimer.Running());
    EXPECT_TRUE(stage.Faces().FaceShown()) << "the wait item leaves the face alone";
}

TEST_F(FacesStage, TheFaceButtonCountsOnTheStagesTag) {
    ASSERT_EQ(stage.Tag, 1) << "shown once";
    stage.FaceTestClick();
    EXPECT_EQ(stage.Tag, 2);
    EXPECT_EQ(stage.Faces().Machine().Face(), 2);
    stage.FaceTestClick();
    stage.FaceTestClick();
    EXPECT_EQ(stage.Tag, 0) << "past 3 it starts over";
    EXPECT_FALSE(stage.Faces().FaceShown());
}

}  // namespace
}  // namespace velmira
