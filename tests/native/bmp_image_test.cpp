#include "bmp_image.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmira {
namespace {

RgbImage Sample(int width, int height) {
    RgbImage image;
    image.width = width;
    image.height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.pixels.push_back({static_cast<uint8_t>(x * 40), static_cast<uint8_t>(y * 50),
                                    static_cast<uint8_t>(x + y)});
        }
    }
    return image;
}

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

TEST(Bmp24, RowsArePaddedAndStoredBottomUp) {
    const RgbImage image = Sample(3, 2);  // 9 bytes a row, padded to 12
    const auto bytes = EncodeBmp24(image);
    ASSERT_EQ(bytes.size(), 54u + 24u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(U32(bytes, 2), bytes.size());
    EXPECT_EQ(U32(bytes, 10), 54u);
    EXPECT_EQ(U32(bytes, 18), 3u);
    EXPECT_EQ(U32(bytes, 22), 2u);  // positive height: bottom-up
    EXPECT_EQ(bytes[28], 24);
    // the first stored row is the bottom one (y = 1); pixel (0,1) is r 0, g 50, b 1, stored b g r
    EXPECT_EQ(bytes[54], 1);
    EXPECT_EQ(bytes[55], 50);
    EXPECT_EQ(bytes[56], 0);
    EXPECT_EQ(bytes[54 + 9], 0);  // padding
    // second stored row is y = 0; pixel (2,0) is r 80, g 0, b 2
    EXPECT_EQ(bytes[66 + 6], 2);
    EXPECT_EQ(bytes[66 + 8], 80);
}

TEST(Bmp24, DecodeGivesBackTheEncodedPicture) {
    const RgbImage image = Sample(5, 4);
    RgbImage back;
    ASSERT_TRUE(DecodeBmp(EncodeBmp24(image), back));
    EXPECT_EQ(back.width, 5);
    EXPECT_EQ(back.height, 4);
    EXPECT_EQ(back.pixels, image.pixels);
}

TEST(Bmp24, TopDownPicturesAreReadTopFirst) {
    auto bytes = EncodeBmp24(Sample(2, 2));
    // flip the height sign and swap the two rows: same picture stored top-down
    const int32_t negative = -2;
    for (int i = 0; i < 4; ++i)
        bytes[22 + i] = static_cast<uint8_t>((static_cast<uint32_t>(negative) >> (8 * i)) & 0xFF);
    std::vector<uint8_t> rows(bytes.begin() + 54, bytes.end());
    std::copy(rows.begin() + 8, rows.end(), bytes.begin() + 54);
    std::copy(rows.begin(), rows.begin() + 8, bytes.begin() + 62);
    RgbImage back;
    ASSERT_TRUE(DecodeBmp(bytes, back));
    EXPECT_EQ(back.pixels, Sample(2, 2).pixels);
}

TEST(Bmp1, BlackInkWhitePaperAndPaddedRows) {
    // 10 pixels wide: two bytes of bits, padded to four
    std::vector<uint8_t> ink(10 * 2, 0);
    ink[0] = 1;       // (0,0)
    ink[10 + 9] = 1;  // (9,1)
    const auto bytes = EncodeBmp1(ink, 10, 2);
    ASSERT_EQ(bytes.size(), 62u + 8u);
    EXPECT_EQ(bytes[28], 1);
    EXPECT_EQ(U32(bytes, 46), 2u);
    EXPECT_EQ(U32(bytes, 54), 0x000000u);  // index 0 black
    EXPECT_EQ(U32(bytes, 58), 0xFFFFFFu);  // index 1 white
    // bottom row (y = 1) first: all white except x = 9
    EXPECT_EQ(bytes[62], 0xFF);
    EXPECT_EQ(bytes[63], 0x80);  // x 8 white, x 9 black, rest padding
    // top row: x 0 black
    EXPECT_EQ(bytes[66], 0x7F);
    EXPECT_EQ(bytes[67], 0xC0);

    RgbImage back;
    ASSERT_TRUE(DecodeBmp(bytes, back));
    const RgbPixel black{0, 0, 0};
    const RgbPixel white{255, 255, 255};
    EXPECT_EQ(back.At(0, 0), black);
    EXPECT_EQ(back.At(1, 0), white);
    EXPECT_EQ(back.At(9, 1), black);
    EXPECT_EQ(back.At(8, 1), white);
}

TEST(BmpDecode, RejectsWhatItCannotRead) {
    RgbImage out;
    EXPECT_FALSE(DecodeBmp({}, out));
    auto bytes = EncodeBmp24(Sample(2, 2));
    auto notBmp = bytes;
    notBmp[0] = 'X';
    EXPECT_FALSE(DecodeBmp(notBmp, out));
    auto truncated = bytes;
    truncated.resize(truncated.size() - 1);
    EXPECT_FALSE(DecodeBmp(truncated, out));
    auto compressed = bytes;
    compressed[30] = 1;  // BI_RLE8
    EXPECT_FALSE(DecodeBmp(compressed, out));
    auto sixteenBits = bytes;
    sixteenBits[28] = 16;
    EXPECT_FALSE(DecodeBmp(sixteenBits, out));
}

}  // namespace
}  // namespace velmira
