// The dial drawn on real GDI: the minute picture in the dial bitmap and the
// second hand on a window-like surface, checked pixel by pixel.
#include <windows.h>
// commctrl.h needs the types of windows.h
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "clock/dial_geometry.h"
#include "clock/digital_layout.h"
#include "base/win/resources.h"
#include "clock/win/dial_painter.h"

namespace velmira {
namespace {

constexpr int kDial = 128;
// Face colours with low bits set, so that an AND with 0xC0C0C0 shows.
constexpr COLORREF kAnalogFaceColour = RGB(0xF8, 0x74, 0x2C);
constexpr COLORREF kDigitalFaceColour = RGB(0xE9, 0xEB, 0xED);
constexpr COLORREF kBackgroundColour = RGB(0, 255, 0);
constexpr COLORREF kSentinel = RGB(1, 2, 3);
constexpr HandColours kColours{0xB8960C, 0xFF00FF, 0x400080};

COLORREF And(COLORREF a, COLORREF b) { return a & b; }

// Glyph i of a synthetic strip fills its cell (less a one-pixel border) with
// a colour that names it.
COLORREF GlyphColour(int index) { return RGB(16 * index, 0x40, 0x80); }
COLORREF SmallGlyphColour(int index) { return RGB(0x80, 16 * index, 0x40); }

// A 32-bit top-down DIB and its pixels, read as COLORREF.
struct Surface {
    UniqueBitmap bitmap;
    uint32_t* bits = nullptr;
    int width = 0;
    int height = 0;
    UniqueMemDc dc;
    HGDIOBJ old = nullptr;

    Surface(int w, int h, COLORREF fill) : width(w), height(h) {
        bitmap = CreateDialBitmap(w, h, &bits);
        dc.reset(::CreateCompatibleDC(nullptr));
        old = ::SelectObject(dc.get(), bitmap.get());
        Fill(fill);
    }
    ~Surface() { ::SelectObject(dc.get(), old); }
    void Fill(COLORREF c) {
        UniqueBrush brush(::CreateSolidBrush(c));
        RECT rc{0, 0, width, height};
        ::FillRect(dc.get(), &rc, brush.get());
    }
};

COLORREF Pixel(const uint32_t* bits, int width, int x, int y) {
    ::GdiFlush();
    const uint32_t p = bits[y * width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

HBITMAP SolidBitmap24(int w, int h, const std::function<COLORREF(int, int)>& colourAt) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bmp = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* row = static_cast<uint8_t*>(bits);
    const int stride = (w * 3 + 3) & ~3;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const COLORREF c = colourAt(x, y);
            uint8_t* p = row + y * stride + x * 3;
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    return bmp;
}

bool InsideDial(int x, int y) {
    const double dx = x + 0.5 - kDial / 2;
    const double dy = y + 0.5 - kDial / 2;
    return dx * dx + dy * dy < (kDial / 2) * (kDial / 2);
}

// A 1-bit mask: set bits (white) are transparent, as image lists want.
HBITMAP DialMask() {
    const int stride = ((kDial + 15) / 16) * 2;
    std::vector<uint8_t> bits(stride * kDial, 0);
    for (int y = 0; y < kDial; ++y)
        for (int x = 0; x < kDial; ++x)
            if (!InsideDial(x, y)) bits[y * stride + x / 8] |= 0x80 >> (x % 8);
    return ::CreateBitmap(kDial, kDial, 1, 1, bits.data());
}

HIMAGELIST SyntheticFaces() {
    HIMAGELIST list = ::ImageList_Create(kDial, kDial, ILC_COLOR24 | ILC_MASK, 2, 0);
    for (COLORREF c : {kAnalogFaceColour, kDigitalFaceColour}) {
        UniqueBitmap face(SolidBitmap24(
            kDial, kDial, [c](int x, int y) { return InsideDial(x, y) ? c : RGB(0, 0, 0); }));
        UniqueBitmap mask(DialMask());
        ::ImageList_Add(list, face.get(), mask.get());
    }
    return list;
}

HIMAGELIST SyntheticStrip(int cellW, int cellH, int count,
                          const std::function<COLORREF(int glyph, int x, int y)>& colourAt) {
    HIMAGELIST list = ::ImageList_Create(cellW, cellH, ILC_COLOR24 | ILC_MASK, count, 0);
    UniqueBitmap strip(SolidBitmap24(
        cellW * count, cellH, [&](int x, int y) { return colourAt(x / cellW, x % cellW, y); }));
    ::ImageList_AddMasked(list, strip.get(), RGB(255, 255, 255));
    return list;
}

class DialDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        geometry.SetUpDialGeometry(Rect{14, 266, 100, 100}, Rect{0, 252, kDial, kDial});
        layout.SetUpDigitalLayout(geometry.secondPivot, {24, 48}, {16, 32}, {64, 16});
        faces.reset(SyntheticFaces());
        digits.reset(SyntheticStrip(24, 48, 13, [](int g, int x, int y) {
            const bool border = x == 0 || y == 0 || x == 23 || y == 47;
            return border ? RGB(255, 255, 255) : GlyphColour(g);
        }));
        smallDigits.reset(SyntheticStrip(16, 32, 13, [](int g, int x, int y) {
            const bool border = x == 0 || y == 0 || x == 15 || y == 31;
            return border ? RGB(255, 255, 255) : SmallGlyphColour(g);
        }));
        // AM dark at the left of its cell, PM at the right.
        ampm.reset(SyntheticStrip(64, 16, 2, [](int g, int x, int y) {
            const bool ink =
                y >= 2 && y <= 13 && (g == 0 ? (x >= 4 && x <= 26) : (x >= 37 && x <= 58));
            return ink ? RGB(0, 0, 0) : RGB(255, 255, 255);
        }));
        background.reset(SolidBitmap24(246, 441, [](int, int) { return kBackgroundColour; }));
        dial = CreateDialBitmap(kDial, kDial, &dialBits);
        ASSERT_TRUE(dial);
        ASSERT_TRUE(painter.Attach(
            dial.get(), geometry, layout,
            DialArtwork{faces.get(), digits.get(), smallDigits.get(), ampm.get()}, kColours));
    }

    COLORREF DialPixel(int x, int y) const { return Pixel(dialBits, kDial, x, y); }
    void Redraw(bool analog, bool twelveHour, int hour, int minute) {
        painter.RedrawClock(background.get(), 0, -252, analog, twelveHour, hour, minute);
    }

    DialGeometry geometry;
    DigitalLayout layout;
    UniqueImageList faces, digits, smallDigits, ampm;
    UniqueBitmap background;
    UniqueBitmap dial;
    uint32_t* dialBits = nullptr;
    DialPainter painter;  // declared after dial: lets go of it first
};

// ------------------------------------------------------------ minute picture

TEST_F(DialDrawing, FaceAloneCoversTheBackgroundInsideTheDial) {
    Redraw(true, false, -1, -1);
    EXPECT_EQ(DialPixel(0, 0), kBackgroundColour);
    EXPECT_EQ(DialPixel(127, 127), kBackgroundColour);
    int hand = 0;
    for (int y = 0; y < kDial; ++y)
        for (int x = 0; x < kDial; ++x) {
            const COLORREF c = DialPixel(x, y);
            if (InsideDial(x, y)) {
                EXPECT_EQ(c, kAnalogFaceColour) << x << "," << y;
            }
            if (c == kColours.handFillColor || c == kColours.handEdgeColor) ++hand;
        }
    EXPECT_EQ(hand, 0) << "no hands for hour -1";
}

TEST_F(DialDrawing, HandsAreFilledAndOutlinedInsideTheirPolygons) {
    Redraw(true, false, 3, 0);  // hour hand at 15, minute hand at 0
    // Inside the minute hand (64,24)..(60,72) and at its tip vertex.
    EXPECT_EQ(DialPixel(64, 40), kColours.handFillColor);
    EXPECT_EQ(DialPixel(62, 60), kColours.handFillColor);
    EXPECT_EQ(DialPixel(64, 24), kColours.handEdgeColor);
    EXPECT_EQ(DialPixel(60, 40), kColours.handEdgeColor);
    // Inside the hour hand pointing at three, clear of the minute hand.
    EXPECT_EQ(DialPixel(85, 64), kColours.handFillColor);
    EXPECT_EQ(DialPixel(94, 64), kColours.handEdgeColor);
    // Well away from both hands the face is untouched.
    EXPECT_EQ(DialPixel(40, 100), kAnalogFaceColour);
}

TEST_F(DialDrawing, ShadowsDarkenWhatLiesUnderThemByAnd) {
    Redraw(true, false, 3, 0);
    const COLORREF darkened = And(kAnalogFaceColour, kShadowColour);
    ASSERT_NE(darkened, kAnalogFaceColour);
    // The minute hand's shadow is moved 2 pixels right and down: its right
    // strip lies on the face beside the hand.
    EXPECT_EQ(DialPixel(69, 40), darkened);
    EXPECT_EQ(DialPixel(71, 40), kAnalogFaceColour);
    // The hour hand's shadow is moved by 1: it shows along the lower slant
    // of the tip.
    EXPECT_EQ(DialPixel(94, 66), darkened);
    EXPECT_EQ(DialPixel(92, 68), darkened);
    EXPECT_EQ(DialPixel(95, 66), kAnalogFaceColour);
    // The minute hand's shadow lies over the hour hand and darkens its fill.
    EXPECT_EQ(DialPixel(69, 64), And(kColours.handFillColor, kShadowColour));
}

TEST_F(DialDrawing, HandPositionFollowsHourAndMinute) {
    Redraw(true, false, 12, 30);  // hour hand at 2, minute hand at 30
    EXPECT_EQ(DialPixel(64, 95), kColours.handFillColor);
    EXPECT_EQ(DialPixel(64, 28), kAnalogFaceColour);
    Redraw(true, false, 0, 0);  // both at twelve: nothing remains of 12:30
    EXPECT_EQ(DialPixel(64, 95), kAnalogFaceColour);
    EXPECT_EQ(DialPixel(64, 28), kColours.handFillColor);
}

// ------------------------------------------------------------ digital picture

TEST_F(DialDrawing, DigitalHourBelowTenLeavesTheTensPlaceEmpty) {
    Redraw(false, false, 9, 30);
    for (int y = 24; y < 72; ++y)
        for (int x = 10; x < 34; ++x)
            ASSERT_EQ(DialPixel(x, y), InsideDial(x, y) ? kDigitalFaceColour : kBackgroundColour)
                << x << "," << y;
    EXPECT_EQ(DialPixel(34 + 12, 48), GlyphColour(9));
    EXPECT_EQ(DialPixel(60, 48), GlyphColour(kGlyphColon));
    EXPECT_EQ(DialPixel(70 + 12, 48), GlyphColour(3));
    EXPECT_EQ(DialPixel(94 + 12, 48), GlyphColour(0));
    // No AM/PM mark in the 24-hour form.
    EXPECT_EQ(DialPixel(20, 96), kDigitalFaceColour);

    Redraw(false, false, 10, 45);
    EXPECT_EQ(DialPixel(10 + 12, 48), GlyphColour(1));
    EXPECT_EQ(DialPixel(34 + 12, 48), GlyphColour(0));
}

TEST_F(DialDrawing, TwelveHourFormPutsAmAndPmAtTheirPlaces) {
    const int markTop = 88;
    auto inkAt = [&](int x) { return DialPixel(10 + x, markTop + 8) == RGB(0, 0, 0); };

    Redraw(false, true, 0, 5);  // 0:05 AM
    EXPECT_TRUE(inkAt(10));
    EXPECT_FALSE(inkAt(45));
    EXPECT_EQ(DialPixel(34 + 12, 48), GlyphColour(0));

    Redraw(false, true, 12, 0);  // 0:00 PM
    EXPECT_FALSE(inkAt(10));
    EXPECT_TRUE(inkAt(45));
    EXPECT_EQ(DialPixel(34 + 12, 48), GlyphColour(0));
    EXPECT_EQ(DialPixel(22, 48), kDigitalFaceColour);

    Redraw(false, true, 13, 7);  // 1:07 PM
    EXPECT_TRUE(inkAt(45));
    EXPECT_EQ(DialPixel(34 + 12, 48), GlyphColour(1));
    EXPECT_EQ(DialPixel(94 + 12, 48), GlyphColour(7));
}

// ------------------------------------------------------------ second hand

class SecondHand : public DialDrawing {
protected:
    static constexpr POINT kBox{20, 30};
    // A clip circle smaller than the hand's reach, so that clipping shows.
    void Draw(bool analog, int second, int clipRadius) {
        region.reset(::CreateEllipticRgn(kBox.x + 64 - clipRadius, kBox.y + 64 - clipRadius,
                                         kBox.x + 64 + clipRadius, kBox.y + 64 + clipRadius));
        painter.DrawSecondHand(screen.dc.get(), kBox, region.get(), analog, second);
    }
    COLORREF ScreenPixel(int x, int y) const { return Pixel(screen.bits, screen.width, x, y); }

    Surface screen{200, 220, kSentinel};
    UniqueRgn region;
};

TEST_F(SecondHand, NothingIsDrawnOutsideTheClipRegion) {
    Redraw(true, false, 3, 0);
    for (int second : {0, 15, 25, 35, 59}) {
        screen.Fill(kSentinel);
        Draw(true, second, 30);
        int inside = 0;
        for (int y = 0; y < screen.height; ++y)
            for (int x = 0; x < screen.width; ++x) {
                const COLORREF c = ScreenPixel(x, y);
                if (::PtInRegion(region.get(), x, y)) {
                    inside += c == kColours.secHandColor;
                } else {
                    ASSERT_EQ(c, kSentinel) << "second " << second << " at " << x << "," << y;
                }
            }
        EXPECT_GT(inside, 20) << "second " << second;
    }
}

TEST_F(SecondHand, LineShadowAndDiscAtTheirPlaces) {
    Redraw(true, false, -1, -1);
    Draw(true, 15, 64);  // tip (100,64), tail (52,64)
    const int x0 = kBox.x;
    const int y0 = kBox.y;
    EXPECT_EQ(ScreenPixel(x0 + 90, y0 + 64), kColours.secHandColor);
    EXPECT_EQ(ScreenPixel(x0 + 53, y0 + 64), kColours.secHandColor);
    EXPECT_EQ(ScreenPixel(x0 + 64, y0 + 64), kColours.secHandColor);  // the disc
    EXPECT_EQ(ScreenPixel(x0 + 90, y0 + 66), And(kAnalogFaceColour, kShadowColour));
    EXPECT_EQ(ScreenPixel(x0 + 90, y0 + 68), kAnalogFaceColour);
    EXPECT_EQ(ScreenPixel(x0 + 30, y0 + 64), kAnalogFaceColour);
    // The dial picture itself never gets the second hand.
    EXPECT_EQ(DialPixel(90, 64), kAnalogFaceColour);
}

TEST_F(SecondHand, CopiesTheMinutePictureUnderTheHand) {
    Redraw(true, false, 3, 0);
    Draw(true, 40, 64);
    for (int y = 0; y < kDial; y += 7)
        for (int x = 0; x < kDial; x += 7) {
            if (!::PtInRegion(region.get(), kBox.x + x, kBox.y + y) ||
                (x > 20 && x < 84 && y > 40 && y < 100))
                continue;
            EXPECT_EQ(ScreenPixel(kBox.x + x, kBox.y + y), DialPixel(x, y)) << x << "," << y;
        }
}

TEST_F(SecondHand, DigitalSecondsAreTwoSmallDigits) {
    Redraw(false, false, 10, 46);
    Draw(false, 7, 64);
    EXPECT_EQ(ScreenPixel(kBox.x + 86 + 8, kBox.y + 72 + 16), SmallGlyphColour(0));
    EXPECT_EQ(ScreenPixel(kBox.x + 102 + 8, kBox.y + 72 + 16), SmallGlyphColour(7));
    EXPECT_EQ(ScreenPixel(kBox.x + 64, kBox.y + 64), DialPixel(64, 64)) << "no second hand";
    Draw(false, 59, 64);
    EXPECT_EQ(ScreenPixel(kBox.x + 86 + 8, kBox.y + 72 + 16), SmallGlyphColour(5));
    EXPECT_EQ(ScreenPixel(kBox.x + 102 + 8, kBox.y + 72 + 16), SmallGlyphColour(9));
}

// ------------------------------------------------------------ shipped artwork

TEST(DialArtworkResources, LoadWithTheirCellSizes) {
    HINSTANCE self = ::GetModuleHandleW(nullptr);
    UniqueImageList faces = LoadDialFaces(self, kDial, kDial);
    UniqueImageList digits = LoadGlyphStrip(self, L"DigiNumber", 24, 48);
    UniqueImageList small = LoadGlyphStrip(self, L"DigiNumSmall", 16, 32);
    UniqueImageList ampm = LoadGlyphStrip(self, L"AmPm", 64, 16);
    ASSERT_NE(faces.get(), nullptr);
    ASSERT_NE(digits.get(), nullptr);
    ASSERT_NE(small.get(), nullptr);
    ASSERT_NE(ampm.get(), nullptr);
    EXPECT_EQ(::ImageList_GetImageCount(faces.get()), 2);
    EXPECT_EQ(::ImageList_GetImageCount(digits.get()), 13);
    EXPECT_EQ(::ImageList_GetImageCount(small.get()), 13);
    EXPECT_EQ(::ImageList_GetImageCount(ampm.get()), 2);
    const GlyphCellSize big = ImageListCellSize(digits.get());
    EXPECT_EQ(big.width, 24);
    EXPECT_EQ(big.height, 48);
}

TEST(DialArtworkResources, ShippedAmAndPmStandAtDifferentPlaces) {
    HINSTANCE self = ::GetModuleHandleW(nullptr);
    UniqueImageList ampm = LoadGlyphStrip(self, L"AmPm", 64, 16);
    ASSERT_NE(ampm.get(), nullptr);
    int inkLeft[2] = {0, 0};
    int inkRight[2] = {0, 0};
    for (int image = 0; image < 2; ++image) {
        Surface s(64, 16, RGB(255, 255, 255));
        ::ImageList_Draw(ampm.get(), image, s.dc.get(), 0, 0, ILD_TRANSPARENT);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 64; ++x)
                if (Pixel(s.bits, 64, x, y) != RGB(255, 255, 255))
                    ++(x < 32 ? inkLeft : inkRight)[image];
    }
    EXPECT_GT(inkLeft[0], 20);
    EXPECT_EQ(inkRight[0], 0);
    EXPECT_EQ(inkLeft[1], 0);
    EXPECT_GT(inkRight[1], 20);
}

}  // namespace
}  // namespace velmira
