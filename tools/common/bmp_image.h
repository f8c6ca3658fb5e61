#pragma once
// Just enough of the BMP format for the artwork tools: uncompressed 1-, 8-,
// 24- and 32-bit pictures in, 24-bit and 1-bit pictures out.

#include <cstdint>
#include <string>
#include <vector>

namespace velmira {

struct RgbPixel {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool operator==(const RgbPixel& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const RgbPixel& o) const { return !(*this == o); }
};

// Pixels row by row from the top, whatever order the file stored them in.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<RgbPixel> pixels;

    const RgbPixel& At(int x, int y) const {
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
};

// False for anything that is not an uncompressed BMP of a supported depth.
bool DecodeBmp(const std::vector<uint8_t>& bytes, RgbImage& out);

// Bottom-up, rows padded to 4 bytes, 40-byte info header, no colour space data.
std::vector<uint8_t> EncodeBmp24(const RgbImage& image);

// ink[i] != 0 paints pixel i black (palette index 0), else white (index 1).
std::vector<uint8_t> EncodeBmp1(const std::vector<uint8_t>& ink, int width, int height);

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& out);
bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace velmira
