#include "base/win/desktop.h"

#include "base/win/dpi.h"

namespace velmira {

namespace {

BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfoW(monitor, &info))
        reinterpret_cast<std::vector<Rect>*>(data)->push_back(ToRect(info.rcWork));
    return TRUE;
}

}  // namespace

std::vector<Rect> MonitorWorkAreas() {
    std::vector<Rect> areas;
    ::EnumDisplayMonitors(nullptr, nullptr, &CollectWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

MonitorAreas MonitorNearest(const RECT& rect) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfoW(::MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info))
        return MonitorAreas{ToRect(info.rcMonitor), ToRect(info.rcWork)};
    const Rect screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    return MonitorAreas{screen, screen};
}

Rect PrimaryWorkArea() {
    RECT rc{};
    if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rc, 0))
        rc = RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    return ToRect(rc);
}

bool RestoredWindowRect(HWND hwnd, RECT& rect) {
    if (!hwnd) return false;
    if (!::IsIconic(hwnd)) return ::GetWindowRect(hwnd, &rect) != FALSE;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!::GetWindowPlacement(hwnd, &placement)) return false;
    rect = placement.rcNormalPosition;
    // A window of the taskbar keeps its restore place in work-area coordinates.
    if (::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) return true;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (::GetMonitorInfoW(::MonitorFromRect(&rect, MONITOR_DEFAULTTOPRIMARY), &monitor))
        ::OffsetRect(&rect, monitor.rcWork.left - monitor.rcMonitor.left,
                     monitor.rcWork.top - monitor.rcMonitor.top);
    return true;
}

std::wstring ExecutableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return std::wstring();
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

void SetClientSize(HWND hwnd, int width, int height) {
    RECT rc{0, 0, width, height};
    // The frame as the window's own monitor draws it.
    AdjustWindowRectForDpi(rc, static_cast<DWORD>(::GetWindowLongPtrW(hwnd, GWL_STYLE)),
                           static_cast<DWORD>(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE)),
                           WindowScale(hwnd));
    ::SetWindowPos(hwnd, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

struct OwnedSearch {
    HWND owner;
    const wchar_t* className;
    std::vector<HWND> found;
};

// A named callback, not a lambda: it must be stdcall on i686.
BOOL CALLBACK CollectOwned(HWND hwnd, LPARAM data) {
    auto* search = reinterpret_cast<OwnedSearch*>(data);
    wchar_t name[64] = {};
    if (::GetWindow(hwnd, GW_OWNER) == search->owner && ::GetClassNameW(hwnd, name, 64) &&
        ::lstrcmpiW(name, search->className) == 0)
        search->found.push_back(hwnd);
    return TRUE;
}

}  // namespace

std::vector<HWND> OwnedWindowsOfClass(HWND owner, const wchar_t* className) {
    OwnedSearch search{owner, className, {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), &CollectOwned, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

RECT PlaceInParent(HWND child) {
    RECT r{};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace velmira
