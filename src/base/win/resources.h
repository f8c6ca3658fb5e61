#pragma once
// Reading the program's own resources: raw bytes, window regions, and a clear
// error when a picture the program cannot do without is missing.

#include <windows.h>

#include <cstddef>
#include <string>

#include "base/win/handles.h"

namespace velmira {

// The bytes of a resource of this module, or empty when it is missing.
struct ResourceBytes {
    const unsigned char* data = nullptr;
    size_t size = 0;
};
ResourceBytes FindResourceBytes(HINSTANCE module, const wchar_t* name, const wchar_t* type);

// A region from an RCDATA resource holding an RGNDATA block (header and
// rectangles); empty when it is missing or its header claims more than it holds.
UniqueRgn LoadRegionResource(HINSTANCE module, int id);

// A bitmap resource of the module as a DIB section; empty when it is missing.
UniqueBitmap LoadBitmapResource(HINSTANCE module, const wchar_t* name);

// A strip of equal cells from a bitmap, pure white transparent; empty when
// there is no bitmap.
UniqueImageList GlyphStripOf(HBITMAP strip, int cellWidth, int cellHeight);

// The same from one bitmap resource; empty when the resource is missing.
UniqueImageList LoadGlyphStrip(HINSTANCE module, const wchar_t* name, int cellWidth,
                               int cellHeight);

// Whether the module has a bitmap resource of this name.
bool HasBitmapResource(HINSTANCE module, const wchar_t* name);

// Throws std::runtime_error naming the resource when the module lacks it:
// without its artwork the program would only show a blank window.
void RequireResource(HINSTANCE module, const wchar_t* name, const wchar_t* type);

}  // namespace velmira
