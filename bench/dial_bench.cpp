// Times the two dial drawings: DrawSecondHand (every second) and RedrawClock
// (every minute), with the shipped artwork. The second hand is drawn onto a
// memory surface and, when a display is there, onto a real window cut to the
// dial like the main stage. Prints milliseconds per call.
#include <windows.h>
// commctrl.h needs the types of windows.h
#include <commctrl.h>

#include <cstdio>
#include <functional>

#include "clock/dial_geometry.h"
#include "clock/digital_layout.h"
#include "base/win/resources.h"
#include "clock/win/dial_painter.h"

using namespace velmira;

namespace {

constexpr int kDial = 128;

double MillisecondsPerCall(int calls, const std::function<void(int)>& body) {
    LARGE_INTEGER freq, start, stop;
    ::QueryPerformanceFrequency(&freq);
    body(0);  // warm-up: first use of the lists and pens
    ::GdiFlush();
    ::QueryPerformanceCounter(&start);
    for (int i = 0; i < calls; ++i) {
        body(i);
        ::GdiFlush();
    }
    ::QueryPerformanceCounter(&stop);
    return 1000.0 * static_cast<double>(stop.QuadPart - start.QuadPart) /
           static_cast<double>(freq.QuadPart) / calls;
}

void Report(const char* what, double ms, double target) {
    std::printf("%-44s %8.4f ms/call  (target <= %.1f ms) %s\n", what, ms, target,
                ms <= target ? "ok" : "SLOW");
}

}  // namespace

int main() {
    HINSTANCE self = ::GetModuleHandleW(nullptr);
    DialGeometry geometry;
    geometry.SetUpDialGeometry(Rect{14, 266, 100, 100}, Rect{0, 252, kDial, kDial});
    UniqueImageList faces = LoadDialFaces(self, kDial, kDial);
    UniqueImageList digits = LoadGlyphStrip(self, L"DigiNumber", 24, 48);
    UniqueImageList smallDigits = LoadGlyphStrip(self, L"DigiNumSmall", 16, 32);
    UniqueImageList ampm = LoadGlyphStrip(self, L"AmPm", 64, 16);
    if (!faces || !digits || !smallDigits || !ampm) {
        std::printf("dial artwork missing from the resources\n");
        return 1;
    }
    DigitalLayout layout;
    layout.SetUpDigitalLayout(geometry.secondPivot, ImageListCellSize(digits.get()),
                              ImageListCellSize(smallDigits.get()), ImageListCellSize(ampm.get()));
    UniqueBitmap background(static_cast<HBITMAP>(
        ::LoadImageW(self, L"CharBmp", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!background) background = CreateDialBitmap(246, 441);

    UniqueBitmap dial = CreateDialBitmap(kDial, kDial);
    DialPainter painter;
    painter.Attach(dial.get(), geometry, layout,
                   DialArtwork{faces.get(), digits.get(), smallDigits.get(), ampm.get()},
                   HandColours{0xB8960C, 0xFF00FF, 0x400080});

    const int minuteCalls = 2000;
    const int secondCalls = 5000;
    Report("RedrawClock, analog",
           MillisecondsPerCall(minuteCalls,
                               [&](int i) {
                                   painter.RedrawClock(background.get(), 0, -252, true, false,
                                                       (i / 60) % 24, i % 60);
                               }),
           3.0);
    Report("RedrawClock, digital 12-hour",
           MillisecondsPerCall(minuteCalls,
                               [&](int i) {
                                   painter.RedrawClock(background.get(), 0, -252, false, true,
                                                       (i / 60) % 24, i % 60);
                               }),
           3.0);
    painter.RedrawClock(background.get(), 0, -252, true, false, 10, 45);

    // A memory surface the size of the main window, clipped like the dial.
    UniqueBitmap surfaceBitmap = CreateDialBitmap(293, 441);
    UniqueMemDc surface(::CreateCompatibleDC(nullptr));
    SelectInDc select(surface.get(), surfaceBitmap.get());
    UniqueRgn clip(::CreateEllipticRgn(0, 252, kDial + 1, 252 + kDial + 1));
    Report("DrawSecondHand, analog, memory surface",
           MillisecondsPerCall(
               secondCalls,
               [&](int i) {
                   painter.DrawSecondHand(surface.get(), POINT{0, 252}, clip.get(), true, i % 60);
               }),
           0.3);
    Report("DrawSecondHand, digital, memory surface",
           MillisecondsPerCall(
               secondCalls,
               [&](int i) {
                   painter.DrawSecondHand(surface.get(), POINT{0, 252}, clip.get(), false, i % 60);
               }),
           0.3);

    // The real thing: a borderless window shaped to the dial.
    HWND window = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"dial bench", WS_POPUP, 0, 0, 293,
                                    441, nullptr, nullptr, self, nullptr);
    if (window) {
        ::SetWindowRgn(window, ::CreateEllipticRgn(0, 252, kDial + 1, 252 + kDial + 1), FALSE);
        ::ShowWindow(window, SW_SHOWNOACTIVATE);
        ::UpdateWindow(window);
        HDC dc = ::GetDC(window);
        Report("DrawSecondHand, analog, window DC",
               MillisecondsPerCall(
                   secondCalls,
                   [&](int i) {
                       painter.DrawSecondHand(dc, POINT{0, 252}, clip.get(), true, i % 60);
                   }),
               0.3);
        Report("DrawSecondHand, digital, window DC",
               MillisecondsPerCall(
                   secondCalls,
                   [&](int i) {
                       painter.DrawSecondHand(dc, POINT{0, 252}, clip.get(), false, i % 60);
                   }),
               0.3);
        ::ReleaseDC(window, dc);
        ::DestroyWindow(window);
    } else {
        std::printf("no window: the window DC figures are missing\n");
    }

    painter.Detach();
    return 0;
}
