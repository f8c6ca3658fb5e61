// Her faces on the real window: a smile painted where her face is, the
// timer that carries her moods, and attention that takes the face away.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/win/main_stage.h"
#include "character/loneliness.h"
#include "dialog_driver.h"
#include "stage_driver.h"

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
    TMainStage stage{drive::TestApplication(), Environment(&buttonDown)};
    MainStageView view{stage};
};

constexpr int kSamples = 24 * 24;

TEST_F(FacesStage, TheThirdMinutePictureSmilesAndAPressTakesTheFaceAway) {
    const TPaintBox& box = view.Skin().FaceFrame;
    EXPECT_FALSE(view.Faces().FaceShown()) << "the start's first picture counted once";
    // Her own face shares hair and skin with the pictures, not the expression.
    EXPECT_LT(MatchingPixels(stage.Handle(), box, L"Face1"), kSamples - 40);
    drive::ClockRedraw(stage, 10, 1);
    EXPECT_FALSE(view.Faces().FaceShown());
    drive::ClockRedraw(stage, 10, 2);
    ASSERT_TRUE(view.Faces().FaceShown()) << "the third call rolled and smiled";
    Paint();
    EXPECT_EQ(MatchingPixels(stage.Handle(), box, L"Face1"), kSamples) << "the smile, in place";
    const TTimer& timer = view.Faces().SamishiiTimer;
    EXPECT_TRUE(timer.Running());
    EXPECT_EQ(timer.Interval(), samishii::kSmileMs);
    EXPECT_EQ(timer.Tag, samishii::kSmiling);

    // The timer's ticks, as Windows sends them; the wait is the default hour.
    SendMessageW(stage.Handle(), WM_TIMER, timer.Id(), 0);
    EXPECT_FALSE(view.Faces().FaceShown());
    EXPECT_EQ(timer.Interval(), 3600000u);
    SendMessageW(stage.Handle(), WM_TIMER, timer.Id(), 0);
    Paint();
    EXPECT_EQ(MatchingPixels(stage.Handle(), box, L"Face2"), kSamples) << "lonely";
    EXPECT_EQ(timer.Tag, samishii::kLonely1);

    // A press on her: the system asks where she was hit, with the button down.
    buttonDown = true;
    EXPECT_EQ(SendMessageW(stage.Handle(), WM_NCHITTEST, 0, MAKELPARAM(150, 200)), HTCAPTION);
    EXPECT_FALSE(view.Faces().FaceShown());
    EXPECT_FALSE(timer.Running());
    Paint();
    EXPECT_LT(MatchingPixels(stage.Handle(), box, L"Face2"), kSamples - 40) << "her own face again";
}

TEST_F(FacesStage, TheMenuIsAttentionAndItsWaitItemsStopTheTimer) {
    drive::Command(stage, TDebugControls::kFaceTestId);  // face 2
    drive::MenuOpens(stage);
    EXPECT_FALSE(view.Faces().FaceShown());
    // A click whose hit test came before the button counted as down.
    drive::Command(stage, TDebugControls::kFaceTestId);  // face 3
    ASSERT_TRUE(view.Faces().FaceShown());
    SendMessageW(stage.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 200));
    SendMessageW(stage.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(150, 200));
    EXPECT_FALSE(view.Faces().FaceShown()) << "a press is attention";

    drive::ClockRedraw(stage, 1, 1);
    drive::ClockRedraw(stage, 1, 2);
    drive::ClockRedraw(stage, 1, 3);
    ASSERT_TRUE(view.Faces().SamishiiTimer.Running());
    SendMessageW(stage.Handle(), WM_COMMAND, menu_command::kMIGaman1 + 1, 0);
    EXPECT_EQ(view.Settings().samiLim, 1200);
    EXPECT_FALSE(view.Faces().SamishiiTimer.Running());
    EXPECT_TRUE(view.Faces().FaceShown()) << "the wait item leaves the face alone";
}

TEST_F(FacesStage, TheFaceButtonCountsOnTheStagesTag) {
    ASSERT_EQ(view.Tag(), 1) << "shown once";
    drive::Command(stage, TDebugControls::kFaceTestId);
    EXPECT_EQ(view.Tag(), 2);
    EXPECT_EQ(view.Faces().Machine().Face(), 2);
    drive::Command(stage, TDebugControls::kFaceTestId);
    drive::Command(stage, TDebugControls::kFaceTestId);
    EXPECT_EQ(view.Tag(), 0) << "past 3 it starts over";
    EXPECT_FALSE(view.Faces().FaceShown());
}

TEST(Faces, CallsWaitForAFullScreenProgramAndTheLastComesAfter) {
    std::vector<std::wstring> calls;
    TFaces faces(
        GetModuleHandleW(nullptr), [](uint32_t) { return 0u; },
        [&](const std::wstring& name) { return calls.push_back(name), true; });
    TPaintBox box{0, 0, 24, 24};
    faces.Attach(nullptr, box);
    faces.SetSilent(true);
    for (int tick = 0; tick < 3; ++tick) faces.SamishiiTimerTimer(60, false);
    EXPECT_TRUE(calls.empty()) << "silent while it covers her";
    faces.SetSilent(false);
    EXPECT_EQ(calls, std::vector<std::wstring>{L"Snd_Matsu2"}) << "her last call, once";
}

}  // namespace
}  // namespace velmira
