#pragma once
// Drawing a bitmap unscaled into a box of a window.

#include <windows.h>

namespace velmira {

// Copies the bitmap's top-left width x height pixels to (left, top) of `dc`.
void DrawBitmapAt(HDC dc, HBITMAP bitmap, int left, int top, int width, int height);

}  // namespace velmira
