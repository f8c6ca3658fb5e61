#pragma once
// Where the about box puts its picture and itself.

#include "base/types.h"

namespace velmira {

// The picture box of the about box as designed: its centre is where any
// picture sits, whatever its size.
constexpr Rect kImagePaintDesigned{18, 13, 32, 32};

// A box of the picture's size with the same centre as `designed` (integer
// halves, remainder dropped). 40 x 40 in the designed box gives 14, 9, 40, 40.
Rect CentredPictureBox(const Rect& designed, int32_t pictureWidth, int32_t pictureHeight);

// Top-left corner of a window of the given size centred on `owner`, then moved
// into `workArea` as far as it fits there, so no part of the dialog is lost
// off the screen when the character stands near an edge.
Point CentredOnOwner(const Rect& owner, int32_t width, int32_t height, const Rect& workArea);

}  // namespace velmira
