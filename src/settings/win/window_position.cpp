#include "settings/win/window_position.h"

namespace velmira {

bool WindowScreenPosition(HWND hwnd, POINT& at) {
    if (!hwnd) return false;
    if (::IsIconic(hwnd)) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof(placement);
        if (!::GetWindowPlacement(hwnd, &placement)) return false;
        at = POINT{placement.rcNormalPosition.left, placement.rcNormalPosition.top};
        // The restore place is kept in work-area coordinates.
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        if (::GetMonitorInfoW(
                ::MonitorFromRect(&placement.rcNormalPosition, MONITOR_DEFAULTTOPRIMARY),
                &monitor)) {
            at.x += monitor.rcWork.left - monitor.rcMonitor.left;
            at.y += monitor.rcWork.top - monitor.rcMonitor.top;
        }
        return true;
    }
    RECT bounds;
    if (!::GetWindowRect(hwnd, &bounds)) return false;
    at = POINT{bounds.left, bounds.top};
    return true;
}

}  // namespace velmira
