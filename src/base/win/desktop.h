#pragma once
// What the desktop looks like now: its monitors, the work area, the folder
// of the running program.

#include <windows.h>

#include <string>
#include <vector>

#include "base/types.h"

namespace velmira {

// A Win32 rectangle as left, top, width and height.
inline Rect ToRect(const RECT& r) {
    return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// Every monitor's work area (without the taskbar) in screen coordinates.
std::vector<Rect> MonitorWorkAreas();

// A monitor's rectangle and its work area (without the taskbar).
struct MonitorAreas {
    Rect bounds;
    Rect workArea;
};
// The monitor nearest `rect` (the primary one for a rectangle at the origin);
// the primary screen's size for both when no monitor answers.
MonitorAreas MonitorNearest(const RECT& rect);

// The primary monitor's work area: the screen without the taskbar.
Rect PrimaryWorkArea();

// The window's rectangle in screen coordinates; for a minimized window the
// one it will be restored to, not its parking place. False when the window
// cannot tell.
bool RestoredWindowRect(HWND hwnd, RECT& rect);

// The folder of the executable, ending in a backslash; empty when unknown.
std::wstring ExecutableFolder();

// Sizes the window so that its client area is width x height.
void SetClientSize(HWND hwnd, int width, int height);

// The top-level windows of this thread that `owner` owns and whose class is
// `className` (compared without regard to case).
std::vector<HWND> OwnedWindowsOfClass(HWND owner, const wchar_t* className);

// A child window's place in its parent's client area.
RECT PlaceInParent(HWND child);

}  // namespace velmira
