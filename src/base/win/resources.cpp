#include "base/win/resources.h"

#include <cstring>
#include <stdexcept>

#include "base/win/utf8.h"

namespace velmira {

ResourceBytes FindResourceBytes(HINSTANCE module, const wchar_t* name, const wchar_t* type) {
    HRSRC info = ::FindResourceW(module, name, type);
    if (!info) return {};
    HGLOBAL loaded = ::LoadResource(module, info);
    if (!loaded) return {};
    const void* data = ::LockResource(loaded);
    if (!data) return {};
    return {static_cast<const unsigned char*>(data), ::SizeofResource(module, info)};
}

UniqueBitmap LoadBitmapResource(HINSTANCE module, const wchar_t* name) {
    return UniqueBitmap(
        static_cast<HBITMAP>(::LoadImageW(module, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

UniqueImageList GlyphStripOf(HBITMAP strip, int cellWidth, int cellHeight) {
    BITMAP bm{};
    if (!strip || cellWidth <= 0 || cellHeight <= 0 || !::GetObjectW(strip, sizeof(bm), &bm))
        return UniqueImageList();
    const int cells = (bm.bmWidth / cellWidth) * (bm.bmHeight / cellHeight);
    UniqueImageList list(::ImageList_Create(cellWidth, cellHeight, ILC_COLOR24 | ILC_MASK,
                                            cells > 0 ? cells : 1, 0));
    if (list && ::ImageList_AddMasked(list.get(), strip, RGB(255, 255, 255)) < 0) list.reset();
    return list;
}

UniqueImageList LoadGlyphStrip(HINSTANCE module, const wchar_t* name, int cellWidth,
                               int cellHeight) {
    UniqueBitmap strip = LoadBitmapResource(module, name);
    return GlyphStripOf(strip.get(), cellWidth, cellHeight);
}

UniqueRgn LoadRegionResource(HINSTANCE module, int id) {
    const ResourceBytes block =
        FindResourceBytes(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!block.data || block.size < sizeof(RGNDATAHEADER)) return UniqueRgn();
    RGNDATAHEADER header;
    std::memcpy(&header, block.data, sizeof(header));
    // Trust the header only as far as the resource really reaches.
    const unsigned long long wanted = static_cast<unsigned long long>(header.dwSize) +
                                      static_cast<unsigned long long>(header.nCount) * sizeof(RECT);
    if (header.dwSize < sizeof(RGNDATAHEADER) || wanted > block.size) return UniqueRgn();
    return UniqueRgn(::ExtCreateRegion(nullptr, static_cast<DWORD>(wanted),
                                       reinterpret_cast<const RGNDATA*>(block.data)));
}

bool HasBitmapResource(HINSTANCE module, const wchar_t* name) {
    return ::FindResourceW(module, name, MAKEINTRESOURCEW(2)) != nullptr;  // RT_BITMAP
}

void RequireResource(HINSTANCE module, const wchar_t* name, const wchar_t* type) {
    if (::FindResourceW(module, name, type)) return;
    const std::wstring shown =
        IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name)) : name;
    throw std::runtime_error(ToUtf8(L"プログラムのリソース「" + shown + L"」が見つかりません。"));
}

}  // namespace velmira
