#pragma once
// Puts her window in the band ChooseBand answered. Her window has this one
// owner of its z-order; nothing else moves it between bands.

#include <windows.h>

#include "presence/window_band.h"

namespace velmira {

// `cover` is the full-screen window she steps behind (null when none is seen).
void ApplyStageBand(HWND stage, const WindowBand& band, HWND cover);

}  // namespace velmira
