#pragma once
// The program's pictures drawn for a display scale. At 96 DPI each is the
// resource itself, pixel for pixel; at 192 DPI it is its 200 % drawing, the
// resource `name` + "2X", as drawn; at any other scale that drawing resized
// by base/picture_scaler (the 96-DPI picture only when a picture has no
// 200 % drawing). Never a stretched 96-DPI picture where the artwork has more.

#include <windows.h>

#include <cstdint>
#include <functional>

#include "base/display_scale.h"
#include "base/win/handles.h"

namespace velmira {

// What a picture's colours mean when it is scaled: a key colour marks the
// background and must stay a hard edge, never blended into the drawing.
enum class PictureKey { None, White, Green };

// The bitmap resource `name` at the scale, Px(width) x Px(height) of the
// 96-DPI picture, as a DIB section; empty when it is missing. With a key,
// its colour stays pure background: edges are never blended with it.
UniqueBitmap LoadScaledBitmap(HINSTANCE module, const wchar_t* name, const DisplayScale& scale,
                              PictureKey key = PictureKey::None);

// A 1-bit mask resource (black = inside) at the scale, monochrome; a pixel
// is inside when at least half of what it covers is.
UniqueBitmap LoadScaledMask(HINSTANCE module, const wchar_t* name, const DisplayScale& scale);

// A strip of equal cells (cellWidth x cellHeight at 96 DPI), pure white
// transparent, each cell at the scale and scaled on its own, so no glyph
// takes a pixel of its neighbour; empty when the resource is missing.
UniqueImageList LoadScaledGlyphStrip(HINSTANCE module, const wchar_t* name, int cellWidth,
                                     int cellHeight, const DisplayScale& scale);

// A 32-bit top-down DIB section: row 0 is the top, pixels 0x00RRGGBB in bits.
UniqueBitmap CreateTopDownDib(int width, int height, uint32_t** bits = nullptr);

// The region of every pixel of the picture that is not the key colour, in
// the picture's coordinates; empty when the picture cannot be read.
UniqueRgn RegionOfPicture(HBITMAP picture, COLORREF key);

// An outline at a scale: at 96 DPI the region block `regionId` made with the
// artwork; at any other scale, where no block exists, what `cutFromPicture`
// cuts from the picture drawn for it. It runs only then, so the 96-DPI
// outline reads no picture.
UniqueRgn OutlineAtScale(HINSTANCE module, int regionId, const DisplayScale& scale,
                         const std::function<UniqueRgn()>& cutFromPicture);

}  // namespace velmira
