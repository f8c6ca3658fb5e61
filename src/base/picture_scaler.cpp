#include "base/picture_scaler.h"

#include <cstddef>

namespace velmira {

namespace {

// A source pixel and how much of a target pixel's footprint it covers.
struct Tap {
    int index;
    int64_t weight;
};

// One axis: for each target pixel its taps, and what every target's weights add up to.
struct Axis {
    std::vector<std::vector<Tap>> taps;
    int64_t total = 0;
};

// Shrinking, target pixel t covers [t * from, (t + 1) * from) and source
// pixel s covers [s * to, (s + 1) * to), both in units of 1 / (from * to) of
// the whole length: the overlaps are exact integers, so "at least half" is
// exact too. Growing, each target pixel lies between two source centres and
// takes them linearly (in units of 1 / (2 * to) of a source pixel), so an
// enlarged picture is smooth rather than blocky, under the same key rules.
Axis AxisTaps(int first, int from, int to) {
    Axis axis;
    axis.taps.resize(static_cast<size_t>(to));
    if (to > from) {
        axis.total = 2 * static_cast<int64_t>(to);
        for (int t = 0; t < to; ++t) {
            auto& taps = axis.taps[static_cast<size_t>(t)];
            const int64_t centre = (2 * static_cast<int64_t>(t) + 1) * from - to;
            const int64_t i = centre < 0 ? 0 : centre / axis.total;
            const int64_t part = centre < 0 ? 0 : centre % axis.total;
            if (i + 1 >= from || part == 0) {
                taps.push_back(Tap{first + static_cast<int>(i), axis.total});
            } else {
                taps.push_back(Tap{first + static_cast<int>(i), axis.total - part});
                taps.push_back(Tap{first + static_cast<int>(i) + 1, part});
            }
        }
        return axis;
    }
    axis.total = from;
    for (int t = 0; t < to; ++t) {
        const int64_t begin = static_cast<int64_t>(t) * from;
        const int64_t end = begin + from;
        for (int s = static_cast<int>(begin / to); s < from && static_cast<int64_t>(s) * to < end;
             ++s) {
            const int64_t lo =
                static_cast<int64_t>(s) * to > begin ? static_cast<int64_t>(s) * to : begin;
            const int64_t hi =
                static_cast<int64_t>(s + 1) * to < end ? static_cast<int64_t>(s + 1) * to : end;
            if (hi > lo) axis.taps[static_cast<size_t>(t)].push_back(Tap{first + s, hi - lo});
        }
    }
    return axis;
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
    const int64_t total = columns.total * rows.total;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int64_t r = 0, g = 0, b = 0, drawn = 0;
            for (const Tap& row : rows.taps[static_cast<size_t>(y)]) {
                const uint32_t* line =
                    source.pixels.data() + static_cast<size_t>(row.index) * source.width;
                for (const Tap& column : columns.taps[static_cast<size_t>(x)]) {
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
    const int64_t total = columns.total * rows.total;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int64_t inside = 0;
            for (const Tap& row : rows.taps[static_cast<size_t>(y)])
                for (const Tap& column : columns.taps[static_cast<size_t>(x)])
                    if (source.inside[static_cast<size_t>(row.index) * source.width + column.index])
                        inside += row.weight * column.weight;
            out.inside[static_cast<size_t>(y) * width + x] = 2 * inside >= total;
        }
    }
    return out;
}

}  // namespace velmira
