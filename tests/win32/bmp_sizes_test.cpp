// DecodeBmp's size checks where size_t has 32 bits: this runs in the i686
// build, where a huge header once wrapped to a small size and passed.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "bmp_image.h"

namespace velmira {
namespace {

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

std::vector<uint8_t> Header(uint32_t infoSize, uint32_t width, uint32_t height, uint16_t bits) {
    std::vector<uint8_t> b(14 + 40 + 1024, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 10, 14 + 40);
    Put32(b, 14, infoSize);
    Put32(b, 18, width);
    Put32(b, 22, height);
    b[26] = 1;
    b[28] = static_cast<uint8_t>(bits);
    return b;
}

TEST(BmpSizes, HugeHeadersAreRefusedNotWrapped) {
    RgbImage out;
    // 65536 x 65536 at 32 bits: 2^34 bytes of rows, 0 in 32 bits.
    EXPECT_FALSE(DecodeBmp(Header(40, 65536, 65536, 32), out));
    // An info header so long that the palette's place wraps to the start of the file.
    EXPECT_FALSE(DecodeBmp(Header(0xFFFFFFF8u, 2, 2, 8), out));
}

}  // namespace
}  // namespace velmira
