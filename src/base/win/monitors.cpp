#include "base/win/monitors.h"

#include "base/win/window_places.h"

namespace velmira {

namespace {

BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT rc, LPARAM data) {
    auto* monitors = reinterpret_cast<std::vector<Rect>*>(data);
    monitors->push_back(ToRect(*rc));
    return TRUE;
}

}  // namespace

std::vector<Rect> MonitorRects() {
    std::vector<Rect> monitors;
    ::EnumDisplayMonitors(nullptr, nullptr, &CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
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
