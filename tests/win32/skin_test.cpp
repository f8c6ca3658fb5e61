// The skin on real windows and regions: the picture, the boxes and the shape.
#include <gtest/gtest.h>

#include <utility>

#include "app/win/main_stage.h"
#include "stage_driver.h"
#include "base/win/resources.h"

namespace velmira {
namespace {

void DestroyStage(HWND hwnd) {
    if (hwnd) DestroyWindow(hwnd);
}

RECT Box(HRGN rgn) {
    RECT rc{};
    GetRgnBox(rgn, &rc);
    return rc;
}

::testing::AssertionResult RectIs(const RECT& rc, int l, int t, int r, int b) {
    if (rc.left == l && rc.top == t && rc.right == r && rc.bottom == b)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "got " << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom;
}

TEST(SkinRegions, ResourcesGiveTheCharacterAndTheDialOutlines) {
    const HINSTANCE self = GetModuleHandleW(nullptr);
    UniqueRgn character = LoadRegionResource(self, 1);
    UniqueRgn dial = LoadRegionResource(self, 2);
    ASSERT_TRUE(character);
    ASSERT_TRUE(dial);
    EXPECT_TRUE(RectIs(Box(character.get()), 0, 0, 246, 441));
    EXPECT_TRUE(RectIs(Box(dial.get()), 0, 0, 128, 128));
    // The dial is round: its corners are outside, its centre inside.
    EXPECT_FALSE(PtInRegion(dial.get(), 0, 0));
    EXPECT_FALSE(PtInRegion(dial.get(), 127, 127));
    EXPECT_TRUE(PtInRegion(dial.get(), 64, 64));
    EXPECT_FALSE(LoadRegionResource(self, 3));
}

class ShownStage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(stage.Create());
        ShowWindow(stage.Handle(), SW_SHOWNOACTIVATE);
    }
    void TearDown() override { DestroyStage(stage.Handle()); }
    TMainStage stage{drive::TestApplication(), drive::Environment()};
    MainStageView view{stage};
};

TEST_F(ShownStage, ApplySkinTakesTheCarriersLayout) {
    EXPECT_EQ(view.Skin().imageLeft, 47);
    EXPECT_EQ(view.Skin().imageTop, 0);
    EXPECT_EQ(view.Skin().Image1.PictureWidth, 246);
    EXPECT_EQ(view.Skin().Image1.PictureHeight, 441);
    EXPECT_EQ(view.Skin().MojibanBox.Left, 0);
    EXPECT_EQ(view.Skin().MojibanBox.Top, 252);
    EXPECT_EQ(view.Skin().FaceFrame.Left, 117);
    EXPECT_EQ(view.Skin().MouthArea.Width, 17);
    EXPECT_EQ(view.Skin().MojibanHandArea.Top, 266);
    EXPECT_EQ(view.Skin().hands.secHandColor, 0xB8960Cu);
    EXPECT_EQ(view.Skin().hands.handFillColor, 0xFF00FFu);
    EXPECT_EQ(view.Skin().hands.handEdgeColor, 0x400080u);
}

TEST_F(ShownStage, FirstShowShapesAndPlacesTheWindow) {
    RECT client{};
    GetClientRect(stage.Handle(), &client);
    EXPECT_TRUE(RectIs(client, 0, 0, 293, 441));
    RECT window{};
    GetWindowRect(stage.Handle(), &window);
    EXPECT_TRUE(RectIs(window, 40, 64, 40 + 293, 64 + 441));

    UniqueRgn shape(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(stage.Handle(), shape.get()), ERROR);
    EXPECT_TRUE(RectIs(Box(shape.get()), 0, 0, 293, 441));
    // The dial sticks out to the left of the picture; its centre is in, the
    // corner of its box is not; her face is in; the corner of the window is not.
    EXPECT_TRUE(PtInRegion(shape.get(), 64, 252 + 64));
    EXPECT_FALSE(PtInRegion(shape.get(), 1, 253));
    EXPECT_TRUE(PtInRegion(shape.get(), 117 + 48, 70 + 48));
    EXPECT_FALSE(PtInRegion(shape.get(), 0, 0));
    EXPECT_FALSE(PtInRegion(shape.get(), 292, 0));

    // The dial region stays with the stage, in client coordinates.
    ASSERT_TRUE(view.Dial().dialRegion);
    EXPECT_TRUE(RectIs(Box(view.Dial().dialRegion.get()), 0, 252, 128, 380));
    EXPECT_EQ(view.Tag(), 1);
    ASSERT_NE(view.Clocker(), nullptr);
    EXPECT_TRUE(view.Clocker()->Resumed());
}

TEST_F(ShownStage, LaterShowsKeepThePositionAndLeakNoGdiObjects) {
    SetWindowPos(stage.Handle(), nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    // Warm up once so lazily created objects don't count.
    ShowWindow(stage.Handle(), SW_HIDE);
    ShowWindow(stage.Handle(), SW_SHOWNOACTIVATE);
    const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 1000; ++i) {
        ShowWindow(stage.Handle(), SW_HIDE);
        ShowWindow(stage.Handle(), SW_SHOWNOACTIVATE);
    }
    const DWORD after = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    EXPECT_LE(after, before + 2) << "GDI objects before " << before << ", after " << after;
    RECT window{};
    GetWindowRect(stage.Handle(), &window);
    EXPECT_EQ(window.left, 300);
    EXPECT_EQ(window.top, 200);
}

TEST_F(ShownStage, AStoredPositionOffEveryScreenOpensAtTheDefault) {
    DestroyStage(stage.Handle());
    StageEnvironment environment = drive::Environment();
    // Stored far off every screen; the load stops at the first value missing.
    for (const auto& [name, value] : {std::pair<const wchar_t*, DWORD>{L"AnaDigi", 1},
                                      {L"StayOnTop", 0},
                                      {L"FormLeft", static_cast<DWORD>(-5000)},
                                      {L"FormTop", 64}})
        RegSetKeyValueW(HKEY_CURRENT_USER, drive::kStageTestKey, name, REG_DWORD, &value,
                        sizeof(value));
    TMainStage lost{drive::TestApplication(), environment};
    ASSERT_TRUE(lost.Create());
    ShowWindow(lost.Handle(), SW_SHOWNOACTIVATE);
    RECT window{};
    GetWindowRect(lost.Handle(), &window);
    EXPECT_EQ(window.left, 40);
    EXPECT_EQ(window.top, 64);
    DestroyStage(lost.Handle());
}

}  // namespace
}  // namespace velmira
