#include "base/picture_scaler.h"

#include <cstddef>

namespace velmira {

namespace {

// A source pixel and how much of a target pixel's footprint it covers.
struct Tap {
    int index;
    int64_t weight;
};

// Along one axis, target pixel t covers [t * from, (t + 1) * from) and source
// pixel s covers [s * to, (s + 1) * to), both in units of 1 / (from * to) of
// the whole length: the overlaps are exact integers, so "at least half" is
// exact too, and each target's weights add up to `from`.
std::vector<std::vector<Tap>> AxisTaps(int first, int from, int to) {
    std::vector<std::vector<Tap>> taps(static_cast<size_t>(to));
    for (int t = 0; t < to; ++t) {
        const int64_t begin = static_cast<int64_t>(t) * from;
        const int64_t end = begin + from;
        for (int s = static_cast<int>(begin / to); s < from && static_cast<int64_t>(s) * to < end;
             ++s) {
            const int64_t lo =
                static_cast<int64_t>(s) * to > begin ? static_cast<int64_t>(s) * to : begin;
            const int64_t hi =
                static_cast<int64_t>(s + 1) * to < end ? static_cast<int64_t>(s + 1) * to : end;
            if (hi > lo) taps[static_cast<size_t>(t)].push_back(Tap{first + s, hi - lo});
        }
    }
    return taps;
}

uint32_t Average(int64_t r, int64_t g, int64_t b, int64_t total) {
    const int64_t half = total / 2;
    return static_cast<uint32_t>(((r + half) / total) << 16 | ((g + half) / total) << 8 |
                                 ((b + half) / total));
}

}  // namespace

PixelPicture ScalePicture(const PixelPicture& source, const Rect& from, int width, int height,
                          std::optional<uint32_t> key) {
    PixelPicture out;
    if (width <= 0 || height <= 0 || from.width <= 0 || from.height <= 0 || from.left < 0 ||
        from.top < 0 || from.left + from.width > source.width ||
        from.top + from.height > source.height)
        return out;
    out.width = width;
    out.height = height;
    out.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    const auto columns = AxisTaps(from.left, from.width, width);
    const auto rows = AxisTaps(from.top, from.height, height);
    const int64_t total = static_cast<int64_t>(from.width) * from.height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int64_t r = 0, g = 0, b = 0, drawn = 0;
            for (const Tap& row : rows[static_cast<size_t>(y)]) {
                const uint32_t* line =
                    source.pixels.data() + static_cast<size_t>(row.index) * source.width;
                for (const Tap& column : columns[static_cast<size_t>(x)]) {
                    const uint32_t p = line[column.index] & 0xFFFFFF;
                    if (key && p == *key) continue;
                    const int64_t w = row.weight * column.weight;
                    r += w * (p >> 16);
                    g += w * ((p >> 8) & 0xFF);
                    b += w * (p & 0xFF);
                    drawn += w;
                }
            }
            uint32_t& target = out.pixels[static_cast<size_t>(y) * width + x];
            if (!key) {
                target = Average(r, g, b, total);
            } else if (2 * drawn < total) {
                target = *key;
            } else {
                target = Average(r, g, b, drawn);
                // Rounding could land on the key itself: one step off keeps it drawn.
                if (target == *key) target ^= 1;
            }
        }
    }
    return out;
}

PixelPicture ScalePicture(const PixelPicture& source, int width, int height,
                          std::optional<uint32_t> key) {
    return ScalePicture(source, Rect{0, 0, source.width, source.height}, width, height, key);
}

PixelMask ScaleMask(const PixelMask& source, int width, int height) {
    PixelMask out;
    if (width <= 0 || height <= 0 || source.width <= 0 || source.height <= 0) return out;
    out.width = width;
    out.height = height;
    out.inside.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    const auto columns = AxisTaps(0, source.width, width);
    const auto rows = AxisTaps(0, source.height, height);
    const int64_t total = static_cast<int64_t>(source.width) * source.height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int64_t inside = 0;
            for (const Tap& row : rows[static_cast<size_t>(y)])
                for (const Tap& column : columns[static_cast<size_t>(x)])
                    if (source.inside[static_cast<size_t>(row.index) * source.width + column.index])
                        inside += row.weight * column.weight;
            out.inside[static_cast<size_t>(y) * width + x] = 2 * inside >= total;
        }
    }
    return out;
}

}  // namespace velmira
