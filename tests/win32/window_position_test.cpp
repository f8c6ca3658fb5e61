// The position saved at close: where the window is, even when minimized.

#include <gtest/gtest.h>

#include <windows.h>

#include "settings/win/window_position.h"

namespace velmira {
namespace {

class PlainWindow {
public:
    PlainWindow(int x, int y) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VelmiraPositionTest";
        ::RegisterClassW(&wc);
        hwnd_ = ::CreateWindowExW(WS_EX_APPWINDOW, wc.lpszClassName, L"position",
                                  WS_POPUP | WS_MINIMIZEBOX, x, y, 120, 90, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    }
    ~PlainWindow() { ::DestroyWindow(hwnd_); }
    HWND get() const { return hwnd_; }

private:
    HWND hwnd_;
};

TEST(WindowScreenPosition, ShownMovedAndMinimized) {
    PlainWindow window(210, 130);
    ASSERT_NE(nullptr, window.get());
    ::ShowWindow(window.get(), SW_SHOWNOACTIVATE);
    POINT at{};
    ASSERT_TRUE(WindowScreenPosition(window.get(), at));
    EXPECT_EQ(210, at.x);
    EXPECT_EQ(130, at.y);

    ::SetWindowPos(window.get(), nullptr, -300, 700, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(WindowScreenPosition(window.get(), at));
    EXPECT_EQ(-300, at.x);
    EXPECT_EQ(700, at.y);

    ::ShowWindow(window.get(), SW_MINIMIZE);
    ASSERT_TRUE(::IsIconic(window.get()));
    ASSERT_TRUE(WindowScreenPosition(window.get(), at));
    EXPECT_EQ(-300, at.x) << "the place it will be restored to, not the parking place";
    EXPECT_EQ(700, at.y);

    POINT untouched{1, 2};
    EXPECT_FALSE(WindowScreenPosition(nullptr, untouched));
    EXPECT_EQ(1, untouched.x);
}

}  // namespace
}  // namespace velmira
