#pragma once
// Application-defined window messages, all in one place.

#include <windows.h>

namespace velmira {

// Sent by the clock thread to the hand-over window; wParam is a HandoverKind,
// lParam points at data owned by the waiting sender.
constexpr UINT WM_APP_HANDOVER = WM_APP + 1;

// Posted by her window to itself: put her in her band again once a show that
// came while she must stay out of sight is over.
constexpr UINT WM_APP_REAPPLY_BAND = WM_APP + 2;

}  // namespace velmira
