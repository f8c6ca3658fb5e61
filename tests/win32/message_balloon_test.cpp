// The balloon window beside a stand-in stage: where it opens, its shape, the
// ways it closes and what each close hands back to the stage.

#include "reminders/win/message_balloon.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "dialog_driver.h"

namespace velmira {
namespace {

constexpr Rect kMouth{157, 138, 17, 13};

struct FakeHost : BalloonHost {
    HWND stage = nullptr;
    bool minimized = false;
    int showings = 0;
    int focusReturns = 0;
    int restores = 0;
    int minimizes = 0;
    int soundStops = 0;

    HWND StageWindow() override { return stage; }
    Rect MouthArea() override { return kMouth; }
    bool AppMinimized() override { return minimized; }
    void RestoreApplication() override {
        ++restores;
        minimized = false;
    }
    void MinimizeApplication() override {
        ++minimizes;
        minimized = true;
    }
    void StopSound() override { ++soundStops; }
    void BalloonShown() override { ++showings; }
    void ReturnFocus() override { ++focusReturns; }
};

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    ::GetWindowTextW(window, text, 256);
    return text;
}

Point WindowPosition(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return Point{r.left, r.top};
}

void Send(HWND window, UINT msg, WPARAM wParam) { ::SendMessageW(window, msg, wParam, 0); }

class MessageBalloon : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VelmiraBalloonTestStage";
        ::RegisterClassW(&wc);
        // Her window as the skin sizes it: client 293 x 441, no border.
        host.stage = ::CreateWindowExW(0, wc.lpszClassName, L"stage", WS_POPUP | WS_VISIBLE, 100, 0,
                                       293, 441, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(host.stage, nullptr);
        balloon = std::make_unique<TMessageBalloon>(host);
        ASSERT_TRUE(balloon->Create());
    }
    void TearDown() override {
        balloon.reset();
        ::DestroyWindow(host.stage);
    }

    void MoveStage(int left, int top) {
        ::SetWindowPos(host.stage, nullptr, left, top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The window region's box, in screen coordinates.
    Rect RegionOnScreen() {
        HRGN region = ::CreateRectRgn(0, 0, 0, 0);
        RECT box{};
        if (::GetWindowRgn(balloon->Handle(), region) != ERROR) ::GetRgnBox(region, &box);
        ::DeleteObject(region);
        const Point at = WindowPosition(balloon->Handle());
        return Rect{box.left + at.x, box.top + at.y, box.right - box.left, box.bottom - box.top};
    }
    void ExpectShapeFor(BalloonPlacement placement, Point stage) {
        const BalloonShape shape = ComputeBalloonShape(placement, kMouth, stage);
        EXPECT_EQ(balloon->Placement(), static_cast<int>(placement));
        EXPECT_EQ(WindowPosition(balloon->Handle()), shape.tail.windowPosition);
        // GDI's regions leave out the tail's one-pixel tip and the round
        // rect's last row and column: each edge within one pixel.
        const Rect expected = BalloonScreenBounds(shape);
        const Rect actual = RegionOnScreen();
        EXPECT_NEAR(actual.left, expected.left, 1);
        EXPECT_NEAR(actual.top, expected.top, 1);
        EXPECT_NEAR(actual.left + actual.width, expected.left + expected.width, 1);
        EXPECT_NEAR(actual.top + actual.height, expected.top + expected.height, 1);
    }

    FakeHost host;
    std::unique_ptr<TMessageBalloon> balloon;
};

TEST_F(MessageBalloon, OpensWithItsTipOnHerMouthCutToItsShape) {
    ASSERT_FALSE(balloon->Visible());
    balloon->SetTexts(L"会議の時間です", L"[12.07 15:00]");
    balloon->ChoosePlacement(true);
    ASSERT_TRUE(balloon->Visible());
    // Her centre in the upper-left quarter: right of and below the mouth,
    // the top-left corner on the mouth box's bottom-right corner.
    EXPECT_EQ(WindowPosition(balloon->Handle()), (Point{100 + 174, 0 + 151}));
    ExpectShapeFor(BalloonPlacement::RightBelow, Point{100, 0});
    EXPECT_EQ(TextOf(balloon->MessageArea()), L"会議の時間です");
    EXPECT_EQ(TextOf(balloon->TimeLabel()), L"[12.07 15:00]");
    EXPECT_EQ(TextOf(balloon->Button1()), L"閉じる");
    EXPECT_TRUE(balloon->Timer1().Running());
    EXPECT_EQ(balloon->Timer1().Interval(), 30000u);
    EXPECT_TRUE(balloon->Timer2().Running());
    EXPECT_EQ(balloon->Timer2().Interval(), 250u);
    EXPECT_EQ(host.soundStops, 0);
}

TEST_F(MessageBalloon, TheCloseButtonHidesStopsTheSoundOnceAndHandsHerTheFocus) {
    balloon->ChoosePlacement(true);
    ASSERT_TRUE(balloon->Visible());
    Send(balloon->Button1(), BM_CLICK, 0);
    EXPECT_FALSE(balloon->Visible());
    EXPECT_EQ(host.soundStops, 1);
    EXPECT_FALSE(balloon->Timer1().Running());
    EXPECT_FALSE(balloon->Timer2().Running());
    EXPECT_EQ(host.focusReturns, 1);
    EXPECT_EQ(host.minimizes, 0);
}

// Minimized, she is parked off the screen: the balloon opens and stays where
// she will be restored.
TEST_F(MessageBalloon, PlacedBesideHerRestoredWindowWhileMinimized) {
    ::ShowWindow(host.stage, SW_MINIMIZE);
    ASSERT_TRUE(::IsIconic(host.stage));
    balloon->ChoosePlacement(true);
    ExpectShapeFor(BalloonPlacement::RightBelow, Point{100, 0});
    Send(balloon->Handle(), WM_TIMER, balloon->Timer2().Id());
    ExpectShapeFor(BalloonPlacement::RightBelow, Point{100, 0});
}

TEST_F(MessageBalloon, EnterOnTheFocusedBalloonClosesIt) {
    balloon->ChoosePlacement(true);
    ::SetFocus(balloon->Handle());
    HWND focus = ::GetFocus();
    ASSERT_TRUE(focus == balloon->Handle() || ::IsChild(balloon->Handle(), focus));
    ::PostMessageW(focus, WM_KEYDOWN, VK_RETURN, 1);
    ::PostMessageW(focus, WM_KEYUP, VK_RETURN, 0xC0000001);
    EXPECT_TRUE(driver::PumpUntil([&] { return !balloon->Visible(); }, 2000));
    EXPECT_EQ(host.soundStops, 1);
}

TEST_F(MessageBalloon, ClosingByItselfMinimizesAgainOnlyWhatShowingRestored) {
    host.minimized = true;
    balloon->ChoosePlacement(true);
    EXPECT_EQ(host.restores, 1);
    Send(balloon->Handle(), WM_TIMER, balloon->Timer1().Id());
    EXPECT_FALSE(balloon->Visible());
    EXPECT_EQ(host.minimizes, 1);
    EXPECT_EQ(host.soundStops, 1);

    // Shown while restored: the timer leaves the program as it is.
    host.minimized = false;
    balloon->ChoosePlacement(true);
    Send(balloon->Handle(), WM_TIMER, balloon->Timer1().Id());
    EXPECT_EQ(host.restores, 1);
    EXPECT_EQ(host.minimizes, 1);

    // Closed by hand after a restore: a later automatic close forgets it.
    host.minimized = true;
    balloon->ChoosePlacement(true);
    EXPECT_EQ(host.restores, 2);
    Send(balloon->Button1(), BM_CLICK, 0);
    balloon->ChoosePlacement(true);
    Send(balloon->Handle(), WM_TIMER, balloon->Timer1().Id());
    EXPECT_FALSE(balloon->Visible());
    EXPECT_EQ(host.minimizes, 1);
}

TEST_F(MessageBalloon, FollowsHerAcrossTheMiddleOfTheScreen) {
    balloon->ChoosePlacement(true);
    ExpectShapeFor(BalloonPlacement::RightBelow, Point{100, 0});
    // Her centre now right of the middle line: the balloon turns to the left.
    MoveStage(900, 0);
    Send(balloon->Handle(), WM_TIMER, balloon->Timer2().Id());
    EXPECT_TRUE(balloon->Visible());
    ExpectShapeFor(BalloonPlacement::LeftBelow, Point{900, 0});
    // Into the second quarter of the height: it opens above the mouth.
    MoveStage(900, 100);
    Send(balloon->Handle(), WM_TIMER, balloon->Timer2().Id());
    ExpectShapeFor(BalloonPlacement::LeftAbove, Point{900, 100});
    EXPECT_EQ(host.soundStops, 0);
}

// Her scale changes while it shows (she went to a monitor of another DPI):
// it takes the new size and points at her new mouth at once.
TEST_F(MessageBalloon, AShownBalloonTakesHerNewScaleAtOnce) {
    balloon->ChoosePlacement(true);
    ASSERT_EQ(host.showings, 1);
    const DisplayScale twice(192);
    balloon->SetScale(twice);
    RECT client{};
    ::GetClientRect(balloon->Handle(), &client);
    EXPECT_EQ(client.right, 480);
    EXPECT_EQ(client.bottom, 320);
    const BalloonShape shape = ComputeBalloonShape(BalloonPlacement::RightBelow, kMouth,
                                                   Point{100, 0}, ScaledBalloonLayout(twice));
    EXPECT_EQ(WindowPosition(balloon->Handle()), shape.tail.windowPosition);
    EXPECT_TRUE(balloon->Visible());
    EXPECT_EQ(host.showings, 1) << "still the same showing";
}

TEST_F(MessageBalloon, ShowingHidingAndFollowingLeakNoGdiObjects) {
    // Warm up once so lazily created objects don't count.
    balloon->ChoosePlacement(true);
    balloon->Hide();
    const DWORD before = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 200; ++i) {
        balloon->ChoosePlacement(true);
        MoveStage(i % 2 ? 100 : 900, 0);
        Send(balloon->Handle(), WM_TIMER, balloon->Timer2().Id());
        balloon->Hide();
    }
    const DWORD after = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    EXPECT_LE(after, before + 2) << "GDI objects before " << before << ", after " << after;
    EXPECT_EQ(host.soundStops, 201);
}

}  // namespace
}  // namespace velmira
