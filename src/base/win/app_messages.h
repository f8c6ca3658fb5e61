#pragma once
// Application-defined window messages, all in one place.

#include <windows.h>

namespace velmira {

// Sent by the clock thread to the hand-over window; wParam is a HandoverKind,
// lParam points at data owned by the waiting sender.
constexpr UINT WM_APP_HANDOVER = WM_APP + 1;

}  // namespace velmira
