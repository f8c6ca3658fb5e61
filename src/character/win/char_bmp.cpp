#include "character/win/char_bmp.h"

#include <string>

#include "base/win/resources.h"
#include "base/win/scaled_pictures.h"

namespace velmira {

TCharBMP::TCharBMP(HINSTANCE module, const DisplayScale& scale) {
    picture_ = LoadScaledBitmap(module, L"CharBMP", scale, PictureKey::Green);
    const ResourceBytes skin =
        FindResourceBytes(module, L"SKIN", MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (skin.data) {
        const std::string text(reinterpret_cast<const char*>(skin.data), skin.size);
        valid_ = ParseSkinLayout(text, layout_);
    }
}

}  // namespace velmira
