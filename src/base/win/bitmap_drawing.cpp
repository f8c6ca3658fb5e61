#include "base/win/bitmap_drawing.h"

#include "base/win/handles.h"

namespace velmira {

void DrawBitmapAt(HDC dc, HBITMAP bitmap, int left, int top, int width, int height) {
    if (!dc || !bitmap) return;
    UniqueMemDc memory(::CreateCompatibleDC(dc));
    if (!memory) return;
    SelectInDc select(memory.get(), bitmap);
    ::BitBlt(dc, left, top, width, height, memory.get(), 0, 0, SRCCOPY);
}

}  // namespace velmira
