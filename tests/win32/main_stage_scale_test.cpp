// Her window when her monitor's scale changes: drawn and cut anew for the
// new DPI where Windows suggests, and back to the very same pixels at 96.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/win/main_stage.h"
#include "base/win/handles.h"
#include "stage_driver.h"

namespace velmira {
namespace {

void SendDpiChanged(HWND window, int dpi, POINT at) {
    RECT suggested{at.x, at.y, at.x + 100, at.y + 100};
    ::SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
}

SIZE ClientSize(HWND window) {
    RECT rc{};
    ::GetClientRect(window, &rc);
    return SIZE{rc.right, rc.bottom};
}

UniqueRgn WindowShape(HWND window) {
    UniqueRgn shape(::CreateRectRgn(0, 0, 0, 0));
    ::GetWindowRgn(window, shape.get());
    return shape;
}

TEST(MainStageScale, AMonitorAtTwiceTheScaleDrawsHerTwiceAsLargeAndBackAgain) {
    TMainStage stage{drive::TestApplication(), drive::Environment()};
    MainStageView view{stage};
    ASSERT_TRUE(stage.Create());
    ::ShowWindow(stage.Handle(), SW_SHOWNOACTIVATE);
    drive::ClockRedraw(stage, 10, 8);
    const UniqueRgn before = WindowShape(stage.Handle());
    const SIZE size = ClientSize(stage.Handle());
    ASSERT_EQ(size.cx, 293);
    ASSERT_EQ(size.cy, 441);

    SendDpiChanged(stage.Handle(), 192, POINT{120, 30});
    EXPECT_EQ(ClientSize(stage.Handle()).cx, 586);
    EXPECT_EQ(ClientSize(stage.Handle()).cy, 882);
    RECT window{};
    ::GetWindowRect(stage.Handle(), &window);
    EXPECT_EQ(window.left, 120);
    EXPECT_EQ(window.top, 30);
    // The minute picture is drawn again at the new size, with the last time.
    EXPECT_EQ(view.Dial().LastHour(), 10);
    BITMAP bm{};
    ::GetObjectW(view.Dial().dialBitmap.get(), sizeof(bm), &bm);
    EXPECT_EQ(bm.bmWidth, 256);
    // Her outline is cut from the larger picture: it fills the larger window.
    const UniqueRgn large = WindowShape(stage.Handle());
    RECT box{};
    ::GetRgnBox(large.get(), &box);
    EXPECT_EQ(box.right, 586);
    EXPECT_EQ(box.bottom, 882);

    SendDpiChanged(stage.Handle(), 96, POINT{120, 30});
    EXPECT_EQ(ClientSize(stage.Handle()).cx, 293);
    EXPECT_TRUE(::EqualRgn(before.get(), WindowShape(stage.Handle()).get()));
    ::DestroyWindow(stage.Handle());
}

BOOL CALLBACK CountWindow(HWND, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

int WindowsOfThisThread() {
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Another program may send her any DPI: one no monitor has changes nothing
// and opens nothing. A shown balloon takes a real change at once.
TEST(MainStageScale, AStrangeDpiChangesNothingAndAShownBalloonFollowsARealOne) {
    TMainStage stage{drive::TestApplication(), drive::Environment()};
    MainStageView view{stage};
    ASSERT_TRUE(stage.Create());
    ::ShowWindow(stage.Handle(), SW_SHOWNOACTIVATE);
    ::SendMessageW(stage.Handle(), WM_COMMAND, TDebugControls::kMessageTestId, 0);
    const TMessageBalloon& balloon = *view.Reminders().Balloon();
    ASSERT_TRUE(balloon.Visible());
    RECT before{};
    ::GetWindowRect(stage.Handle(), &before);
    const int windows = WindowsOfThisThread();
    for (int dpi : {1, 47, 961, 65535}) {
        SendDpiChanged(stage.Handle(), dpi, POINT{500, 500});
        RECT now{};
        ::GetWindowRect(stage.Handle(), &now);
        EXPECT_TRUE(::EqualRect(&now, &before)) << dpi;
        EXPECT_EQ(WindowsOfThisThread(), windows) << dpi;
    }
    EXPECT_EQ(ClientSize(balloon.Handle()).cx, 240);

    SendDpiChanged(stage.Handle(), 192, POINT{0, 0});
    EXPECT_EQ(ClientSize(balloon.Handle()).cx, 480);
    EXPECT_EQ(ClientSize(balloon.Handle()).cy, 320);
    EXPECT_TRUE(balloon.Visible());
    ::DestroyWindow(stage.Handle());
}

}  // namespace
}  // namespace velmira
