#pragma once
// The window position the settings keep: where the top-left corner is now.

#include <windows.h>

namespace velmira {

// The window's top-left corner in screen coordinates. A minimized window
// gives the place it will be restored to, not its parking place off the
// screen. False when the window cannot tell.
bool WindowScreenPosition(HWND hwnd, POINT& at);

}  // namespace velmira
