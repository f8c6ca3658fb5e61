#include "base/centring.h"

namespace velmira {

namespace {

// Moves [start, start + size) into [low, low + room); the low edge wins when
// it cannot fit at all.
int32_t KeepInside(int32_t start, int32_t size, int32_t low, int32_t room) {
    if (start + size > low + room) start = low + room - size;
    if (start < low) start = low;
    return start;
}

}  // namespace

Point CentredOnOwner(const Rect& owner, int32_t width, int32_t height, const Rect& workArea) {
    const int32_t left = owner.left + (owner.width - width) / 2;
    const int32_t top = owner.top + (owner.height - height) / 2;
    return Point{KeepInside(left, width, workArea.left, workArea.width),
                 KeepInside(top, height, workArea.top, workArea.height)};
}

}  // namespace velmira
