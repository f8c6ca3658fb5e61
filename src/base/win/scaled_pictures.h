#pragma once
// The program's pictures drawn for a display scale. At 96 DPI each is the
// resource itself, pixel for pixel; at other scales it is made from the
// artwork for that scale, never a stretched 96-DPI picture.

#include <windows.h>

#include "base/display_scale.h"
#include "base/win/handles.h"

namespace velmira {

// What a picture's colours mean when it is scaled: a key colour marks the
// background and must stay a hard edge, never blended into the drawing.
enum class PictureKey { None, White, Green };

// The bitmap resource `name` at the scale, Px(width) x Px(height) of the
// 96-DPI picture, as a DIB section; empty when it is missing.
UniqueBitmap LoadScaledBitmap(HINSTANCE module, const wchar_t* name, const DisplayScale& scale,
                              PictureKey key = PictureKey::None);

// A 1-bit mask resource (black = inside) at the scale, monochrome.
UniqueBitmap LoadScaledMask(HINSTANCE module, const wchar_t* name, const DisplayScale& scale);

// A strip of equal cells (cellWidth x cellHeight at 96 DPI), pure white
// transparent, each cell at the scale; empty when the resource is missing.
UniqueImageList LoadScaledGlyphStrip(HINSTANCE module, const wchar_t* name, int cellWidth,
                                     int cellHeight, const DisplayScale& scale);

// The region of every pixel of the picture that is not the key colour, in
// the picture's coordinates; empty when the picture cannot be read.
UniqueRgn RegionOfPicture(HBITMAP picture, COLORREF key);

}  // namespace velmira
