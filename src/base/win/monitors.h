#pragma once
// The desktop's monitors: their rectangles and work areas, and the one
// lookup of the monitor a window stands on.

#include <windows.h>

#include <vector>

#include "base/types.h"

namespace velmira {

// A Win32 rectangle as left, top, width and height.
inline Rect ToRect(const RECT& r) {
    return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// Every monitor's work area (without the taskbar) in screen coordinates.
std::vector<Rect> MonitorWorkAreas();

// The monitor nearest `rect` (the primary one for a rectangle at the origin);
// the primary screen's size for both when no monitor answers.
MonitorAreas MonitorNearest(const RECT& rect);
// The monitor the window stands on; for a minimized window the one it will
// be restored to, not where it is parked.
MonitorAreas MonitorOfWindow(HWND hwnd);

// The primary monitor's work area: the screen without the taskbar.
Rect PrimaryWorkArea();

}  // namespace velmira
