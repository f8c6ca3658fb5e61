#pragma once
// TTimer: the form component's window timer, with an interval, an enabled
// state and a handler.

#include <windows.h>

#include <functional>
#include <utility>

namespace velmira {

// The two calls a window timer makes. Tests record them instead of waiting
// for WM_TIMER.
class TimerCalls {
public:
    virtual ~TimerCalls() = default;
    virtual void Set(HWND owner, UINT_PTR id, UINT interval) = 0;
    virtual void Kill(HWND owner, UINT_PTR id) = 0;

    // SetTimer and KillTimer.
    static TimerCalls& System();
};

// A window timer: it runs while it has an owner, is enabled and has an
// interval above 0. A new interval restarts a running timer's count; setting
// the same interval, or enabling a running timer, leaves the count alone.
// Each timer takes an id of its own, so several parts can keep timers on one
// window; the window's WM_TIMER reaches the timer's handler through
// DispatchTimer, which every form calls before its own handlers.
class TTimer {
public:
    using Handler = std::function<void()>;

    explicit TTimer(UINT interval, Handler onTimer = nullptr,
                    TimerCalls& calls = TimerCalls::System());
    ~TTimer();
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    void SetOwner(HWND owner);
    void SetOnTimer(Handler onTimer) { onTimer_ = std::move(onTimer); }
    UINT_PTR Id() const { return id_; }
    bool Enabled() const { return enabled_; }
    UINT Interval() const { return interval_; }
    bool Running() const { return running_; }

    void SetEnabled(bool enabled) {
        enabled_ = enabled;
        Update();
    }
    void SetInterval(UINT interval);

    // Runs the handler of the timer `id` of `owner`; false when no timer of
    // this thread has that id on that window.
    static bool DispatchTimer(HWND owner, UINT_PTR id);

private:
    void Update();
    void Stop();

    TimerCalls& calls_;
    HWND owner_ = nullptr;
    UINT_PTR id_;
    UINT interval_;
    Handler onTimer_;
    bool enabled_ = false;
    bool running_ = false;

public:
    int Tag = 0;
};

}  // namespace velmira
