#include "base/win/scaled_pictures.h"

#include <commctrl.h>

#include <vector>

#include "base/win/resources.h"
#include "base/region_block.h"

namespace velmira {

namespace {

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP bm{};
    if (!bitmap || !::GetObjectW(bitmap, sizeof(bm), &bm)) return SIZE{0, 0};
    return SIZE{bm.bmWidth, bm.bmHeight};
}

// A 32-bit top-down DIB section of the size; its pixels in bits.
UniqueBitmap CreateTopDownDib(int width, int height, uint32_t** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    UniqueBitmap dib(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    *bits = dib ? static_cast<uint32_t*>(pixels) : nullptr;
    return dib;
}

// Nearest-pixel resampling keeps key colours hard until the picture's own
// renderings for the scale take over.
UniqueBitmap Resample(HBITMAP source, int width, int height) {
    const SIZE from = BitmapSize(source);
    uint32_t* bits = nullptr;
    UniqueBitmap out = CreateTopDownDib(width, height, &bits);
    if (!out || from.cx <= 0) return UniqueBitmap();
    UniqueMemDc src(::CreateCompatibleDC(nullptr));
    UniqueMemDc dst(::CreateCompatibleDC(nullptr));
    SelectInDc a(src.get(), source);
    SelectInDc b(dst.get(), out.get());
    ::SetStretchBltMode(dst.get(), COLORONCOLOR);
    ::StretchBlt(dst.get(), 0, 0, width, height, src.get(), 0, 0, from.cx, from.cy, SRCCOPY);
    return out;
}

}  // namespace

UniqueBitmap LoadScaledBitmap(HINSTANCE module, const wchar_t* name, const DisplayScale& scale,
                              PictureKey) {
    UniqueBitmap base = LoadBitmapResource(module, name);
    if (!base || scale.IsOne()) return base;
    const SIZE size = BitmapSize(base.get());
    return Resample(base.get(), scale.Px(size.cx), scale.Px(size.cy));
}

UniqueBitmap LoadScaledMask(HINSTANCE module, const wchar_t* name, const DisplayScale& scale) {
    UniqueBitmap base(
        static_cast<HBITMAP>(::LoadImageW(module, name, IMAGE_BITMAP, 0, 0, LR_MONOCHROME)));
    if (!base || scale.IsOne()) return base;
    const SIZE size = BitmapSize(base.get());
    const int width = scale.Px(size.cx);
    const int height = scale.Px(size.cy);
    UniqueBitmap out(::CreateBitmap(width, height, 1, 1, nullptr));
    UniqueMemDc src(::CreateCompatibleDC(nullptr));
    UniqueMemDc dst(::CreateCompatibleDC(nullptr));
    if (!out || !src || !dst) return UniqueBitmap();
    SelectInDc a(src.get(), base.get());
    SelectInDc b(dst.get(), out.get());
    ::SetStretchBltMode(dst.get(), COLORONCOLOR);
    ::StretchBlt(dst.get(), 0, 0, width, height, src.get(), 0, 0, size.cx, size.cy, SRCCOPY);
    return out;
}

UniqueImageList LoadScaledGlyphStrip(HINSTANCE module, const wchar_t* name, int cellWidth,
                                     int cellHeight, const DisplayScale& scale) {
    if (scale.IsOne()) return LoadGlyphStrip(module, name, cellWidth, cellHeight);
    UniqueBitmap strip = LoadScaledBitmap(module, name, scale, PictureKey::White);
    if (!strip) return UniqueImageList();
    UniqueImageList list(::ImageList_Create(scale.Px(cellWidth), scale.Px(cellHeight),
                                            ILC_COLOR24 | ILC_MASK, 13, 0));
    if (list && ::ImageList_AddMasked(list.get(), strip.get(), RGB(255, 255, 255)) < 0)
        list.reset();
    return list;
}

UniqueRgn RegionOfPicture(HBITMAP picture, COLORREF key) {
    const SIZE size = BitmapSize(picture);
    if (size.cx <= 0 || size.cy <= 0) return UniqueRgn();
    // The pixels as 32-bit top-down rows, whatever the picture's own format.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> pixels(static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy));
    HDC screen = ::GetDC(nullptr);
    const int rows = ::GetDIBits(screen, picture, 0, static_cast<UINT>(size.cy), pixels.data(),
                                 &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (rows != size.cy) return UniqueRgn();
    const uint32_t keyPixel = (GetRValue(key) << 16) | (GetGValue(key) << 8) | GetBValue(key);
    std::vector<uint8_t> mask(pixels.size());
    for (size_t i = 0; i < pixels.size(); ++i) mask[i] = (pixels[i] & 0xFFFFFF) != keyPixel;
    const std::vector<uint8_t> block = BuildRegionBlock(mask, size.cx, size.cy);
    return UniqueRgn(::ExtCreateRegion(nullptr, static_cast<DWORD>(block.size()),
                                       reinterpret_cast<const RGNDATA*>(block.data())));
}

}  // namespace velmira
