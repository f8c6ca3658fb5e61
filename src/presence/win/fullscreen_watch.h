#pragma once
// TFullScreenWatch: tells the stage when a program in full screen (a video, a
// game, a slide show) covers the monitor she stands on, and when it is over.
// Woken by foreground changes and by the moves of the foreground window only
// (out-of-context WinEvent hooks, the second one re-made at each foreground
// change for that window's thread), with a check every 2 s for what events
// miss. User-interface thread only.

#include <windows.h>

#include <functional>
#include <utility>

#include "base/win/handles.h"
#include "base/win/timer.h"
#include "presence/fullscreen_rule.h"

namespace velmira {

class TFullScreenWatch {
public:
    static constexpr UINT kCheckMs = 2000;
    using Changed = std::function<void(bool quiet)>;

    // How the watch reads the screen; tests hand in their own.
    struct Sources {
        std::function<UserNotice()> notice = SystemNotice;
        std::function<bool(HWND)> hers = OfThisProcess;
        static UserNotice SystemNotice();
        static bool OfThisProcess(HWND window);
    };

    TFullScreenWatch() = default;
    explicit TFullScreenWatch(Sources sources) : sources_(std::move(sources)) {}
    ~TFullScreenWatch();
    TFullScreenWatch(const TFullScreenWatch&) = delete;
    TFullScreenWatch& operator=(const TFullScreenWatch&) = delete;

    // Watches for her window `stage` (its monitor, and which windows are
    // hers); `changed` runs on each change, also when she starts quiet.
    void Start(HWND stage, Changed changed);
    // Looks again now; the events and the timer call it.
    void Check();
    bool Quiet() const { return quiet_; }

private:
    static void CALLBACK OnWinEvent(HWINEVENTHOOK hook, DWORD event, HWND hwnd, LONG idObject,
                                    LONG idChild, DWORD thread, DWORD time);
    void FollowForeground(HWND foreground);

    Sources sources_;
    HWND stage_ = nullptr;
    Changed changed_;
    HWND foreground_ = nullptr;
    bool quiet_ = false;
    UniqueWinEventHook foregroundHook_;
    UniqueWinEventHook windowHook_;     // moves of the foreground window's thread
    UniqueWinEventHook destroyedHook_;  // its windows hidden or gone
    TTimer checkTimer_{kCheckMs, [this] { Check(); }};
};

}  // namespace velmira
