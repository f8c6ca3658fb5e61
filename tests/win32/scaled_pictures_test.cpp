// Her picture at 150 %, made from the 200 % one, keeps its green key pure: no
// edge pixel is a blend with the background. (Sizes are checked on her window.)
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

}  // namespace
}  // namespace velmira
