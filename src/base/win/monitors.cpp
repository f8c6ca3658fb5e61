#include "base/win/monitors.h"

#include "base/win/window_places.h"

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

MonitorAreas MonitorOfWindow(HWND hwnd) {
    RECT place{};
    if (!RestoredWindowRect(hwnd, place)) place = RECT{};
    return MonitorNearest(place);
}

Rect PrimaryWorkArea() {
    RECT rc{};
    if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rc, 0))
        rc = RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    return ToRect(rc);
}

}  // namespace velmira
