#include "base/win/dpi.h"

#include "base/win/system_function.h"

namespace velmira {

namespace {

// Found at run time: the program still starts on Windows 7 and 8.
template <typename Function>
Function User32Function(const char* name) {
    return SystemFunction<Function>(L"user32.dll", name);
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using DialogDpiBehaviorFn = BOOL(WINAPI*)(HWND, int, int);

}  // namespace

DisplayScale SystemScale() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSX) : kBaseDpi;
    if (screen) ::ReleaseDC(nullptr, screen);
    return DisplayScale(dpi);
}

DisplayScale WindowScale(HWND hwnd) {
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (hwnd && getDpiForWindow) {
        const UINT dpi = getDpiForWindow(hwnd);
        if (dpi > 0) return DisplayScale(static_cast<int>(dpi));
    }
    return SystemScale();
}

bool AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, const DisplayScale& scale) {
    static const auto adjust = User32Function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
    if (adjust) return adjust(&rect, style, FALSE, exStyle, static_cast<UINT>(scale.Dpi())) != 0;
    return ::AdjustWindowRectEx(&rect, style, FALSE, exStyle) != 0;
}

void KeepDialogDpiLayout(HWND dialog) {
    static const auto setBehavior =
        User32Function<DialogDpiBehaviorFn>("SetDialogDpiChangeBehavior");
    constexpr int kDisableAll = 1;  // DDC_DISABLE_ALL
    if (setBehavior) setBehavior(dialog, kDisableAll, kDisableAll);
}

}  // namespace velmira
