#pragma once
// Small stand-ins for the form components the main stage is built from:
// paint boxes are areas of the window (not windows), pictures own bitmaps.
// Timers are in timer.h.

#include <windows.h>

#include <utility>

#include "base/types.h"
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
    Rect Bounds() const { return Rect{Left, Top, Width, Height}; }
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

}  // namespace velmira
