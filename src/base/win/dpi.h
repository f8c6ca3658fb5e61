#pragma once
// The DPI a window is drawn at. Windows 10 gives each monitor its own;
// older systems have one for the whole desktop.

#include <windows.h>

#include "base/display_scale.h"

namespace velmira {

// The system's DPI: the scale of windows that do not know their monitor.
DisplayScale SystemScale();

// The scale of the monitor the window stands on (the system's on Windows
// before 10, or for a null window).
DisplayScale WindowScale(HWND hwnd);

// The window rectangle around a client rectangle, for frames drawn at the
// given scale (the system's frames before Windows 10).
bool AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, const DisplayScale& scale);

// Keeps Windows (10, 1703 on) from re-laying out a per-monitor dialog itself
// when its DPI changes; nothing on systems without it.
void KeepDialogDpiLayout(HWND dialog);

}  // namespace velmira
