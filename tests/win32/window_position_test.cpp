// The position saved at close: where the window is, even when minimized, or
// the stored one while she stands where only fitting her on the screen put her.

#include <gtest/gtest.h>

#include <windows.h>

#include "settings/win/settings_session.h"
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

TEST(SettingsSession, AFittedStartStoresThePositionAsItWasStored) {
    SettingsLocation location;
    location.keyPath = L"SOFTWARE\\VelmiraTests\\Position";
    TSettingsSession session(location, nullptr);
    session.Start(nullptr);
    // Her default, 40,64, fitted to the top of a screen she is taller than.
    session.PlacedAtStart(Point{40, 0}, Point{40, 64});
    PlainWindow window(40, 0);
    for (const int top : {0, 1}) {  // where the fitting put her; dragged a pixel
        ::SetWindowPos(window.get(), nullptr, 40, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ASSERT_TRUE(session.SaveSettings(window.get()));
        DWORD stored = 0, size = sizeof(stored);
        ::RegGetValueW(HKEY_CURRENT_USER, location.keyPath.c_str(), L"FormTop", RRF_RT_REG_DWORD,
                       nullptr, &stored, &size);
        EXPECT_EQ(stored, top == 0 ? 64u : 1u);
    }
    ::RegDeleteTreeW(HKEY_CURRENT_USER, location.keyPath.c_str());
}

}  // namespace
}  // namespace velmira
