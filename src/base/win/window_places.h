#pragma once
// Where a window stands and how large it is: its restored rectangle, its
// client size, a child's place, and the windows it owns.

#include <windows.h>

#include <vector>

namespace velmira {

// The window's rectangle in screen coordinates; for a minimized window the
// one it will be restored to, not its parking place. False when the window
// cannot tell.
bool RestoredWindowRect(HWND hwnd, RECT& rect);

// Sizes the window so that its client area is width x height.
void SetClientSize(HWND hwnd, int width, int height);

// The top-level windows of this thread that `owner` owns and whose class is
// `className` (compared without regard to case).
std::vector<HWND> OwnedWindowsOfClass(HWND owner, const wchar_t* className);

// A child window's place in its parent's client area.
RECT PlaceInParent(HWND child);

}  // namespace velmira
