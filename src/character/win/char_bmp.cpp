#include "character/win/char_bmp.h"

#include <string>

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

TCharBMP::TCharBMP(HINSTANCE module) {
    picture_ = static_cast<HBITMAP>(
        ::LoadImageW(module, L"CharBMP", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    const ResourceBytes skin = FindResourceBytes(module, L"SKIN", MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (skin.data) {
        const std::string text(reinterpret_cast<const char*>(skin.data), skin.size);
        valid_ = ParseSkinLayout(text, layout_);
    }
}

TCharBMP::~TCharBMP() {
    if (picture_) ::DeleteObject(picture_);
}

HBITMAP TCharBMP::TakePicture() {
    HBITMAP p = picture_;
    picture_ = nullptr;
    return p;
}

}  // namespace velmira
