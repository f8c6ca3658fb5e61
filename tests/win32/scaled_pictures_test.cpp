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

// Width, height and the pixels as 0x00RRGGBB, rows from the top.
std::vector<uint32_t> PixelsOf(HBITMAP bitmap, SIZE* size) {
    BITMAP bm{};
    GetObjectW(bitmap, sizeof(bm), &bm);
    *size = SIZE{bm.bmWidth, bm.bmHeight};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size->cx, -size->cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<uint32_t> pixels(static_cast<size_t>(size->cx * size->cy));
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, size->cy, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    for (uint32_t& p : pixels) p &= 0xFFFFFF;
    return pixels;
}

class ScaledPicturesTest : public ::testing::TestWithParam<int> {};

TEST_P(ScaledPicturesTest, SizesFollowTheNinetySixDpiOnes) {
    const DisplayScale scale(GetParam());
    struct Picture {
        const wchar_t* name;
        SIZE size;
    };
    for (const Picture& p : {Picture{L"CharBMP", {246, 441}}, Picture{L"Face1", {96, 96}},
                             Picture{L"AboutImage", {40, 40}}, Picture{L"PlayButton", {60, 20}},
                             Picture{L"MojibanMask", {128, 128}}}) {
        UniqueBitmap bitmap = p.size.cx == 128 ? LoadScaledMask(Module(), p.name, scale)
                                               : LoadScaledBitmap(Module(), p.name, scale);
        SIZE size{};
        PixelsOf(bitmap.get(), &size);
        EXPECT_EQ(size.cx * 1000 + size.cy, scale.Px(p.size.cx) * 1000 + scale.Px(p.size.cy))
            << p.name;
    }
    UniqueImageList digits = LoadScaledGlyphStrip(Module(), L"DigiNumber", 24, 48, scale);
    int width = 0, height = 0;
    ImageList_GetIconSize(digits.get(), &width, &height);
    EXPECT_EQ(width * 1000 + height, scale.Px(24) * 1000 + scale.Px(48));
    EXPECT_EQ(ImageList_GetImageCount(digits.get()), 13);
}

INSTANTIATE_TEST_SUITE_P(Dpi, ScaledPicturesTest, ::testing::Values(96, 120, 144, 192));

TEST(ScaledPictures, GreenKeyStaysPureAtOneAndAHalf) {
    UniqueBitmap her = LoadScaledBitmap(Module(), L"CharBMP", DisplayScale(144), PictureKey::Green);
    SIZE size{};
    int keyed = 0;
    // No pixel of her drawing is greener than its red or blue; a blend with
    // the key would be far greener.
    for (uint32_t p : PixelsOf(her.get(), &size)) {
        const int r = p >> 16, g = (p >> 8) & 0xFF, b = p & 0xFF;
        keyed += p == 0x00FF00;
        if (p != 0x00FF00) {
            ASSERT_LT(g - (r > b ? r : b), 32) << std::hex << p;
        }
    }
    EXPECT_GT(keyed, 0);
}

TEST(ScaledPictures, DialMaskAtOneAndAHalfIsACircle) {
    UniqueBitmap mask = LoadScaledMask(Module(), L"MojibanMask", DisplayScale(144));
    SIZE size{};
    const std::vector<uint32_t> pixels = PixelsOf(mask.get(), &size);
    ASSERT_EQ(size.cx, 192);
    for (int i = 0; i < 192 * 192; ++i) {
        const double d = std::hypot(i % 192 + 0.5 - 96, i / 192 + 0.5 - 96);
        if (d < 95.0 || d > 97.0) {
            ASSERT_EQ(pixels[static_cast<size_t>(i)] == 0, d < 95.0) << i % 192 << "," << i / 192;
        }
    }
}

TEST(ScaledPictures, HerOutlineAtTwiceIsDrawnNotDoubled) {
    UniqueBitmap her = LoadScaledBitmap(Module(), L"CharBMP", DisplayScale(192), PictureKey::Green);
    UniqueRgn outline = RegionOfPicture(her.get(), RGB(0, 255, 0));
    ASSERT_TRUE(outline);
    std::vector<char> block(GetRegionData(outline.get(), 0, nullptr));
    auto* data = reinterpret_cast<RGNDATA*>(block.data());
    ASSERT_TRUE(GetRegionData(outline.get(), static_cast<DWORD>(block.size()), data));
    EXPECT_EQ(data->rdh.rcBound.right * 1000 + data->rdh.rcBound.bottom, 492 * 1000 + 882);
    // A doubled 96-DPI outline has only even edges.
    const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
    int oddEdges = 0;
    for (DWORD i = 0; i < data->rdh.nCount; ++i)
        oddEdges += (rects[i].left | rects[i].top | rects[i].right | rects[i].bottom) & 1;
    EXPECT_GT(oddEdges, 0);
}

}  // namespace
}  // namespace velmira
