#pragma once
// The dial as the main stage shows it: the geometry and digital layout for
// the box the skin placed, the artwork, the off-screen minute picture, the
// painter, and the dial's outline that clips the second hand. Runs on the
// user-interface thread; the clock's hand-overs arrive here through the stage.

#include <windows.h>

#include "base/display_scale.h"
#include "base/types.h"
#include "base/win/handles.h"
#include "clock/dial_geometry.h"
#include "clock/digital_layout.h"
#include "clock/win/dial_painter.h"

namespace velmira {

// How the dial is shown: the two switches of the popup menu.
struct DialMode {
    bool analog = true;       // AnaDigi
    bool twelveHour = false;  // DigiAMPM
};

class TDialView {
public:
    TDialView() = default;
    TDialView(const TDialView&) = delete;
    TDialView& operator=(const TDialView&) = delete;

    // Tables, pivots, hand shapes, digit places, the artwork and the picture
    // for a dial at `box` (client coordinates) with its hands pivoting on the
    // centre of `handArea`, both as the skin gives them at 96 DPI; the dial
    // stands at the boxes times the scale and everything is drawn for it.
    // Called again when the scale changes. Throws std::runtime_error when
    // artwork is missing.
    void SetUpDial(HINSTANCE resources, const Rect& box, const Rect& handArea,
                   const HandColours& colours, const DisplayScale& scale = DisplayScale());

    // The dial's outline at the box, in client coordinates; clips the second hand.
    void LoadDialRegion(HINSTANCE resources);
    HRGN DialRegion() const { return dialRegion.get(); }

    // The picture of one minute over `background` (the window's picture, whose
    // top-left corner lies at the client origin). Hour -1 draws the bare face.
    void RedrawClock(HBITMAP background, const DialMode& mode, int hour, int minute);
    // The minute picture with the second over it, onto the window; the
    // second is remembered for repaints.
    void DrawSecondHand(HWND window, const DialMode& mode, int second);
    // A repaint: the minute picture with the last second handed over (none
    // before the first).
    void PaintSecondHand(HDC windowDc, const DialMode& mode);

    const Rect& Box() const { return box_; }
    // What the clock last handed over; -1 before its first hand-over.
    int LastHour() const { return lastHour_; }
    int LastMinute() const { return lastMinute_; }
    int LastSecond() const { return lastSecond_; }

    // The parts, under the names the stage has always used for them.
    DialGeometry geometry;
    DigitalLayout layout;
    UniqueBitmap dialBitmap;  // 32 bits a pixel, the size of the box
    UniqueImageList ImageList1;
    UniqueImageList AmPm;
    UniqueImageList DigiNumber;
    UniqueImageList DigiNumSmall;
    UniqueRgn dialRegion;
    DialPainter dialPainter;  // after dialBitmap: lets go of it before the bitmap goes

private:
    Rect box_{};
    DisplayScale scale_;
    int lastHour_ = -1;
    int lastMinute_ = -1;
    int lastSecond_ = -1;
};

}  // namespace velmira
