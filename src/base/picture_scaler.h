#pragma once
// Pictures and masks resized for a display scale. Shrinking averages each
// target pixel's exact footprint in the source, so nothing is skipped or
// doubled and thin lines keep their weight; growing is bilinear. Portable:
// the Win32 loaders hand it pixels.

#include <cstdint>
#include <optional>
#include <vector>

#include "base/types.h"

namespace velmira {

// 0x00RRGGBB pixels, rows from the top.
struct PixelPicture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

// One byte a pixel, non-zero inside; rows from the top.
struct PixelMask {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> inside;
};

// The part `from` (in source pixels, inside the picture) scaled to width x
// height. Without a key each pixel is the average of its footprint (the
// weighted pair of neighbours when growing). With a key, pixels of that
// colour are background: a target pixel is the key when less than half its
// footprint is drawn, otherwise the average of only its drawn pixels, so the
// key never bleeds into an edge and no drawn pixel ever becomes the key.
PixelPicture ScalePicture(const PixelPicture& source, const Rect& from, int width, int height,
                          std::optional<uint32_t> key = std::nullopt);

// The whole picture scaled.
PixelPicture ScalePicture(const PixelPicture& source, int width, int height,
                          std::optional<uint32_t> key = std::nullopt);

// A target pixel is inside when at least half its footprint (or its
// weighted neighbours, growing) is inside.
PixelMask ScaleMask(const PixelMask& source, int width, int height);

}  // namespace velmira
