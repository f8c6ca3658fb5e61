// Her pictures at 100, 125, 150 and 200 %: sizes from the 96-DPI ones, the
// green key kept pure, the dial mask still a circle, and at 200 % her own
// outline rather than a doubled 96-DPI one.
#include "base/win/scaled_pictures.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace velmira {
namespace {

HINSTANCE Module() { return GetModuleHandleW(nullptr); }

SIZE SizeOf(HBITMAP bitmap) {
    BITMAP bm{};
    GetObjectW(bitmap, sizeof(bm), &bm);
    return SIZE{bm.bmWidth, bm.bmHeight};
}

// 0x00RRGGBB, rows from the top.
std::vector<uint32_t> PixelsOf(HBITMAP bitmap) {
    const SIZE size = SizeOf(bitmap);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<uint32_t> pixels(static_cast<size_t>(size.cx * size.cy));
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, size.cy, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    for (uint32_t& p : pixels) p &= 0xFFFFFF;
    return pixels;
}

class ScaledPicturesTest : public ::testing::TestWithParam<int> {};

TEST_P(ScaledPicturesTest, SizesFollowTheNinetySixDpiOnes) {
    const DisplayScale scale(GetParam());
    struct Picture {
        const wchar_t* name;
        int width;
        int height;
    };
    for (const Picture& p :
         {Picture{L"CharBMP", 246, 441}, Picture{L"Face1", 96, 96}, Picture{L"Mojiban", 128, 128},
          Picture{L"AboutImage", 40, 40}, Picture{L"PlayButton", 60, 20}}) {
        UniqueBitmap bitmap = LoadScaledBitmap(Module(), p.name, scale, PictureKey::None);
        ASSERT_TRUE(bitmap) << p.name;
        const SIZE size = SizeOf(bitmap.get());
        EXPECT_EQ(size.cx, scale.Px(p.width)) << p.name;
        EXPECT_EQ(size.cy, scale.Px(p.height)) << p.name;
    }
    UniqueBitmap mask = LoadScaledMask(Module(), L"MojibanMask", scale);
    ASSERT_TRUE(mask);
    EXPECT_EQ(SizeOf(mask.get()).cx, scale.Px(128));
    UniqueImageList digits = LoadScaledGlyphStrip(Module(), L"DigiNumber", 24, 48, scale);
    ASSERT_TRUE(digits);
    int width = 0, height = 0;
    ImageList_GetIconSize(digits.get(), &width, &height);
    EXPECT_EQ(width, scale.Px(24));
    EXPECT_EQ(height, scale.Px(48));
    EXPECT_EQ(ImageList_GetImageCount(digits.get()), 13);
}

INSTANTIATE_TEST_SUITE_P(Dpi, ScaledPicturesTest, ::testing::Values(96, 120, 144, 192));

TEST(ScaledPictures, GreenKeyStaysPureAtOneAndAHalf) {
    UniqueBitmap her = LoadScaledBitmap(Module(), L"CharBMP", DisplayScale(144), PictureKey::Green);
    ASSERT_TRUE(her);
    // Her drawing has no pixel greener than its red or blue; a blend with the
    // key would be far greener.
    int keyed = 0;
    for (uint32_t p : PixelsOf(her.get())) {
        if (p == 0x00FF00) {
            ++keyed;
            continue;
        }
        const int r = p >> 16, g = (p >> 8) & 0xFF, b = p & 0xFF;
        ASSERT_LT(g - (r > b ? r : b), 32) << std::hex << p;
    }
    EXPECT_GT(keyed, 0);
}

TEST(ScaledPictures, DialMaskAtOneAndAHalfIsACircle) {
    UniqueBitmap mask = LoadScaledMask(Module(), L"MojibanMask", DisplayScale(144));
    ASSERT_TRUE(mask);
    const std::vector<uint32_t> pixels = PixelsOf(mask.get());
    for (int y = 0; y < 192; ++y) {
        for (int x = 0; x < 192; ++x) {
            const double d = std::hypot(x + 0.5 - 96, y + 0.5 - 96);
            const bool inside = pixels[static_cast<size_t>(y * 192 + x)] == 0;  // black
            if (d < 95.0 || d > 97.0) {
                ASSERT_EQ(inside, d < 95.0) << x << "," << y;
            }
        }
    }
}

TEST(ScaledPictures, HerOutlineAtTwiceIsDrawnNotDoubled) {
    UniqueBitmap her = LoadScaledBitmap(Module(), L"CharBMP", DisplayScale(192), PictureKey::Green);
    ASSERT_TRUE(her);
    UniqueRgn outline = RegionOfPicture(her.get(), RGB(0, 255, 0));
    ASSERT_TRUE(outline);
    const DWORD bytes = GetRegionData(outline.get(), 0, nullptr);
    std::vector<char> block(bytes);
    auto* data = reinterpret_cast<RGNDATA*>(block.data());
    ASSERT_EQ(GetRegionData(outline.get(), bytes, data), bytes);
    EXPECT_EQ(data->rdh.rcBound.right - data->rdh.rcBound.left, 492);
    EXPECT_EQ(data->rdh.rcBound.bottom - data->rdh.rcBound.top, 882);
    // A doubled 96-DPI outline has only even edges.
    const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
    int oddEdges = 0;
    for (DWORD i = 0; i < data->rdh.nCount; ++i)
        oddEdges += (rects[i].left | rects[i].top | rects[i].right | rects[i].bottom) & 1;
    EXPECT_GT(oddEdges, 0);
}

}  // namespace
}  // namespace velmira
