#pragma once
// When she keeps out of the way of a program in full screen (a video, a game,
// a slide show): she is out of sight, her balloon and her calls wait.

#include "base/types.h"

namespace velmira {

// What Windows says of the user's attention (SHQueryUserNotificationState),
// as far as it matters here; kAccepts also when Windows cannot tell.
enum class UserNotice { kAccepts, kBusy, kFullScreenD3d, kPresentation };

// The window that has the foreground, as the rule sees it.
struct ForegroundWindow {
    bool present = false;  // some window has the foreground
    Rect rect;             // its rectangle on the screen
    bool hers = false;     // a window of this program
    bool desktop = false;  // the shell's desktop (Progman, WorkerW)
};

// True while she should be quiet: the foreground window, neither hers nor the
// desktop, covers the whole of `herMonitor`, or Windows says a full-screen
// program or a presentation runs while another program has the foreground.
bool QuietForFullScreen(const ForegroundWindow& foreground, const Rect& herMonitor,
                        UserNotice notice);

}  // namespace velmira
