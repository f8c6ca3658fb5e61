// Her picture at 150 % keeps its green key pure, and at 200 % her outline is
// her own rather than a doubled 96-DPI one. (Sizes are checked on her window.)
#include "base/win/scaled_pictures.h"

#include <gtest/gtest.h>

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
