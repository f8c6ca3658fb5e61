#pragma once
// The skin: where the picture and the boxes sit and the hand colours. The
// program holds none of these itself; they come with the artwork.

#include <string>

#include "base/display_scale.h"
#include "base/types.h"

namespace velmira {

struct SkinLayout {
    Point Image;  // top left of the character picture in the window
    Rect FaceFrame;
    Rect MouthArea;
    Rect MojibanBox;
    Rect MojibanHandArea;
    HandColours hands;  // the entries SecHandColor, HandFillColor, HandEdgeColor
};

// Reads the skin text: one "Name numbers..." line per entry, '#' comments.
// Every entry must be present exactly once with its count of numbers, sizes
// must not be negative; anything else fails and leaves `out` untouched.
bool ParseSkinLayout(const std::string& text, SkinLayout& out);

// The skin's places and boxes at a display scale; the colours stay.
SkinLayout ScaledSkinLayout(const SkinLayout& layout, const DisplayScale& scale);

}  // namespace velmira
