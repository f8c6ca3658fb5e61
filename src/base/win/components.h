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

// A window timer: SetTimer while enabled, KillTimer when disabled.
class TTimer {
public:
    TTimer(UINT_PTR id, UINT interval) : id_(id), interval_(interval) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    UINT_PTR Id() const { return id_; }
    bool Enabled() const { return enabled_; }
    UINT Interval() const { return interval_; }

    void SetEnabled(bool enabled) {
        enabled_ = enabled;
        Update();
    }
    // Like the form timer: a new interval restarts the count.
    void SetInterval(UINT interval) {
        interval_ = interval;
        Update();
    }

private:
    void Update() {
        if (!owner_) return;
        if (enabled_ && interval_ > 0)
            ::SetTimer(owner_, id_, interval_, nullptr);
        else
            ::KillTimer(owner_, id_);
    }
    HWND owner_ = nullptr;
    UINT_PTR id_;
    UINT interval_;
    bool enabled_ = false;

public:
    int Tag = 0;
};

}  // namespace velmira
