#pragma once
// Small stand-ins for the form components the main stage is built from:
// paint boxes are areas of the window (not windows), pictures own bitmaps,
// timers are window timers with an interval and an enabled state.

#include <windows.h>

#include <utility>

#include "base/win/handles.h"

namespace velmira {

// An area of a window that its owner paints.
struct TPaintBox {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Visible = true;
    bool Enabled = true;

    RECT BoundsRect() const { return RECT{Left, Top, Left + Width, Top + Height}; }
    void SetBounds(int left, int top, int width, int height) {
        Left = left;
        Top = top;
        Width = width;
        Height = height;
    }
};

// A picture component: a bitmap shown unscaled at the component's top left.
struct TImage : TPaintBox {
    UniqueBitmap Bitmap;
    int PictureWidth = 0;
    int PictureHeight = 0;

    // Takes ownership of a bitmap and reads its size.
    void Assign(UniqueBitmap bitmap) {
        Bitmap = std::move(bitmap);
        BITMAP bm{};
        if (Bitmap && ::GetObjectW(Bitmap.get(), sizeof(bm), &bm)) {
            PictureWidth = bm.bmWidth;
            PictureHeight = bm.bmHeight;
        } else {
            PictureWidth = PictureHeight = 0;
        }
    }
};

// The two calls a window timer makes. Tests record them instead of waiting
// for WM_TIMER.
class TimerCalls {
public:
    virtual ~TimerCalls() = default;
    virtual void Set(HWND owner, UINT_PTR id, UINT interval) = 0;
    virtual void Kill(HWND owner, UINT_PTR id) = 0;

    // SetTimer and KillTimer.
    static TimerCalls& System() {
        struct Win32 : TimerCalls {
            void Set(HWND owner, UINT_PTR id, UINT interval) override {
                ::SetTimer(owner, id, interval, nullptr);
            }
            void Kill(HWND owner, UINT_PTR id) override { ::KillTimer(owner, id); }
        };
        static Win32 calls;
        return calls;
    }
};

// A window timer: it runs while it has an owner, is enabled and has an
// interval above 0. A new interval restarts a running timer's count; setting
// the same interval, or enabling a running timer, leaves the count alone.
class TTimer {
public:
    TTimer(UINT_PTR id, UINT interval, TimerCalls& calls = TimerCalls::System())
        : calls_(calls), id_(id), interval_(interval) {}
    ~TTimer() { Stop(); }
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    void SetOwner(HWND owner) {
        if (owner == owner_) return;
        Stop();
        owner_ = owner;
        Update();
    }
    UINT_PTR Id() const { return id_; }
    bool Enabled() const { return enabled_; }
    UINT Interval() const { return interval_; }
    bool Running() const { return running_; }

    void SetEnabled(bool enabled) {
        enabled_ = enabled;
        Update();
    }
    void SetInterval(UINT interval) {
        if (interval == interval_) return;
        interval_ = interval;
        if (running_ && interval_ > 0)
            calls_.Set(owner_, id_, interval_);  // SetTimer on a running id starts its count over
        else
            Update();
    }

private:
    void Update() {
        const bool wanted = owner_ && enabled_ && interval_ > 0;
        if (wanted && !running_) {
            calls_.Set(owner_, id_, interval_);
            running_ = true;
        } else if (!wanted) {
            Stop();
        }
    }
    void Stop() {
        if (!running_) return;
        calls_.Kill(owner_, id_);
        running_ = false;
    }

    TimerCalls& calls_;
    HWND owner_ = nullptr;
    UINT_PTR id_;
    UINT interval_;
    bool enabled_ = false;
    bool running_ = false;

public:
    int Tag = 0;
};

}  // namespace velmira
