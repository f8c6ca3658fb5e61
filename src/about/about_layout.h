#pragma once
// Where the about box puts its picture.

#include "base/types.h"

namespace velmira {

// The picture box of the about box as designed: its centre is where any
// picture sits, whatever its size.
constexpr Rect kImagePaintDesigned{18, 13, 32, 32};

// A box of the picture's size with the same centre as `designed` (integer
// halves, remainder dropped). 40 x 40 in the designed box gives 14, 9, 40, 40.
Rect CentredPictureBox(const Rect& designed, int32_t pictureWidth, int32_t pictureHeight);

}  // namespace velmira
