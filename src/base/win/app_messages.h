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

// Sent by the shell to her window: a click on her notification-area icon or
// its menu (TNotifyIcon::EventFor reads which).
constexpr UINT WM_APP_NOTIFY_ICON = WM_APP + 3;

// Sent by a second start of the program to the running copy's window: she
// shows again, with click-through off.
constexpr UINT WM_APP_SECOND_START = WM_APP + 4;

}  // namespace velmira
