#pragma once
// TCharBMP: the skin carrier. Never shown; it brings the character picture,
// the boxes and the hand colours from the program's resources.

#include <windows.h>

#include "character/skin_layout.h"

namespace velmira {

class TCharBMP {
public:
    // Loads the picture (bitmap "CharBMP") and the layout (RCDATA "SKIN").
    explicit TCharBMP(HINSTANCE module);
    ~TCharBMP();
    TCharBMP(const TCharBMP&) = delete;
    TCharBMP& operator=(const TCharBMP&) = delete;

    bool Valid() const { return valid_; }
    const SkinLayout& Layout() const { return layout_; }
    // Gives the picture away; the carrier keeps none afterwards.
    HBITMAP TakePicture();

private:
    HBITMAP picture_ = nullptr;
    SkinLayout layout_;
    bool valid_ = false;
};

// The bytes of an RCDATA resource of this module, or empty when it is missing.
struct ResourceBytes {
    const unsigned char* data = nullptr;
    size_t size = 0;
};
ResourceBytes FindResourceBytes(HINSTANCE module, const wchar_t* name, const wchar_t* type);

}  // namespace velmira
