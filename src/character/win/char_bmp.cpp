#include "character/win/char_bmp.h"

#include <string>

#include "base/win/resources.h"

namespace velmira {

TCharBMP::TCharBMP(HINSTANCE module) {
    picture_ = LoadBitmapResource(module, L"CharBMP");
    const ResourceBytes skin =
        FindResourceBytes(module, L"SKIN", MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (skin.data) {
        const std::string text(reinterpret_cast<const char*>(skin.data), skin.size);
        valid_ = ParseSkinLayout(text, layout_);
    }
}

}  // namespace velmira
