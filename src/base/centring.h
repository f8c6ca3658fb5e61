#pragma once
// Where a dialog stands: centred on its owner and kept on the work area.

#include "base/types.h"

namespace velmira {

// Top-left corner of a window of the given size centred on `owner`, then moved
// into `workArea` as far as it fits there, so no part of the dialog is lost
// off the screen when the character stands near an edge.
Point CentredOnOwner(const Rect& owner, int32_t width, int32_t height, const Rect& workArea);

}  // namespace velmira
