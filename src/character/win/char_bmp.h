#pragma once
// TCharBMP: the skin carrier. Never shown; it brings the character picture,
// the boxes and the hand colours from the program's resources.

#include <windows.h>

#include <utility>

#include "base/display_scale.h"
#include "base/win/handles.h"
#include "character/skin_layout.h"

namespace velmira {

class TCharBMP {
public:
    // Loads the picture (bitmap "CharBMP") drawn for the display scale and
    // the layout (RCDATA "SKIN") as written, in 96-DPI pixels.
    explicit TCharBMP(HINSTANCE module, const DisplayScale& scale = DisplayScale());
    TCharBMP(const TCharBMP&) = delete;
    TCharBMP& operator=(const TCharBMP&) = delete;

    bool Valid() const { return valid_; }
    const SkinLayout& Layout() const { return layout_; }
    // Gives the picture away; the carrier keeps none afterwards.
    UniqueBitmap TakePicture() { return std::move(picture_); }

private:
    UniqueBitmap picture_;
    SkinLayout layout_;
    bool valid_ = false;
};

}  // namespace velmira
