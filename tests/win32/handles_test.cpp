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

HWND MakeWindow() {
    static const wchar_t kClass[] = L"VelmiraHandlesTest";
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &RecordingProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    ::RegisterClassExW(&wc);  // fails harmlessly when already registered
    HWND hwnd = ::CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  wc.hInstance, nullptr);
    if (hwnd) ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0x1234);
    return hwnd;
}

TEST(UniqueWindow, DestroysOnceWithTheUserDataCleared) {
    HWND hwnd = MakeWindow();
    ASSERT_NE(hwnd, nullptr);
    userDataAtDestroy = -1;
    {
        UniqueWindow owner(hwnd);
        EXPECT_TRUE(owner);
    }
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(userDataAtDestroy, 0) << "the procedure no longer finds its object";
}

TEST(UniqueWindow, MoveAndReleaseHandOwnershipOn) {
    HWND hwnd = MakeWindow();
    ASSERT_NE(hwnd, nullptr);
    UniqueWindow first(hwnd);
    UniqueWindow second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(second.get(), hwnd);
    first.reset();
    EXPECT_TRUE(::IsWindow(hwnd)) << "the moved-from owner destroys nothing";

    HWND released = second.release();
    EXPECT_EQ(released, hwnd);
    second.reset();
    EXPECT_TRUE(::IsWindow(hwnd)) << "released: no longer owned";
    EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWLP_USERDATA), 0x1234);

    UniqueWindow again(released);
    again = UniqueWindow();
    EXPECT_FALSE(::IsWindow(hwnd)) << "assigning over an owner destroys its window";
}

}  // namespace
}  // namespace velmira
