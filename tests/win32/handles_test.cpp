// The window owner: one DestroyWindow, after the user data is cleared.
#include <gtest/gtest.h>

#include <windows.h>

#include <utility>

#include "base/win/handles.h"

namespace velmira {
namespace {

LONG_PTR userDataAtDestroy = -1;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) userDataAtDestroy = ::GetWindowLongPtrW(hwnd, GWLP_USERDATA);
    return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

TEST(UniqueWindow, DestroysOnceWithTheUserDataClearedAndMovesOwnership) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &RecordingProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VelmiraHandlesTest";
    ::RegisterClassExW(&wc);
    HWND hwnd = ::CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  wc.hInstance, nullptr);
    ASSERT_NE(hwnd, nullptr);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0x1234);

    UniqueWindow first(hwnd);
    UniqueWindow second(std::move(first));
    first.reset();
    EXPECT_TRUE(::IsWindow(hwnd)) << "the moved-from owner destroys nothing";
    UniqueWindow third(second.release());
    second.reset();
    EXPECT_TRUE(::IsWindow(hwnd)) << "released: no longer owned";

    third = UniqueWindow();
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(userDataAtDestroy, 0) << "the procedure no longer finds its object";
}

}  // namespace
}  // namespace velmira
