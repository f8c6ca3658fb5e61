#include "base/win/timer.h"

#include <algorithm>
#include <vector>

namespace velmira {

namespace {

// The timers of this thread that have an owner; WM_TIMER carries only the
// window and the id. Window timers belong to the thread of their window.
std::vector<TTimer*>& OwnedTimers() {
    thread_local std::vector<TTimer*> timers;
    return timers;
}

// Ids are never handed out twice in a run, so no two timers on one window
// meet. They start clear of the small ids a window's own code may pick.
UINT_PTR NextTimerId() {
    thread_local UINT_PTR next = 0x7100;
    return next++;
}

}  // namespace

TimerCalls& TimerCalls::System() {
    struct Win32 : TimerCalls {
        void Set(HWND owner, UINT_PTR id, UINT interval) override {
            ::SetTimer(owner, id, interval, nullptr);
        }
        void Kill(HWND owner, UINT_PTR id) override { ::KillTimer(owner, id); }
    };
    static Win32 calls;
    return calls;
}

TTimer::TTimer(UINT interval, Handler onTimer, TimerCalls& calls)
    : calls_(calls), id_(NextTimerId()), interval_(interval), onTimer_(std::move(onTimer)) {}

TTimer::~TTimer() { SetOwner(nullptr); }

void TTimer::SetOwner(HWND owner) {
    if (owner == owner_) return;
    Stop();
    auto& timers = OwnedTimers();
    if (owner_) timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
    owner_ = owner;
    if (owner_) timers.push_back(this);
    Update();
}

void TTimer::SetInterval(UINT interval) {
    if (interval == interval_) return;
    interval_ = interval;
    if (running_ && interval_ > 0)
        calls_.Set(owner_, id_, interval_);  // SetTimer on a running id starts its count over
    else
        Update();
}

bool TTimer::DispatchTimer(HWND owner, UINT_PTR id) {
    for (TTimer* timer : OwnedTimers()) {
        if (timer->owner_ != owner || timer->id_ != id) continue;
        // A copy: the handler may replace itself or end the timer.
        const Handler handler = timer->onTimer_;
        if (handler) handler();
        return true;
    }
    return false;
}

void TTimer::Update() {
    const bool wanted = owner_ && enabled_ && interval_ > 0;
    if (wanted && !running_) {
        calls_.Set(owner_, id_, interval_);
        running_ = true;
    } else if (!wanted) {
        Stop();
    }
}

void TTimer::Stop() {
    if (!running_) return;
    calls_.Kill(owner_, id_);
    running_ = false;
}

}  // namespace velmira
