#pragma once
// Draws the dial: once a minute the picture of hour and minute into the
// off-screen dial bitmap, once a second that picture and the second hand (or
// the seconds digits) onto the window. The geometry comes ready-made from
// DialGeometry and DigitalLayout; nothing here evaluates a sine.
// Call everything on the user-interface thread.

#include <windows.h>
// commctrl.h needs the types of windows.h
#include <commctrl.h>

#include <cstdint>

#include <optional>

#include "base/display_scale.h"
#include "base/types.h"
#include "base/win/handles.h"
#include "clock/dial_geometry.h"
#include "clock/digital_layout.h"

namespace velmira {

constexpr COLORREF kShadowColour = 0xC0C0C0;  // ANDed onto the picture: darkens what lies under it
constexpr int kAnalogFace = 0;
constexpr int kDigitalFace = 1;

// The pictures the dial is drawn from; the painter does not own them.
struct DialArtwork {
    HIMAGELIST faces = nullptr;        // ImageList1: analog face, digital face
    HIMAGELIST digits = nullptr;       // DigiNumber, 13 glyphs
    HIMAGELIST smallDigits = nullptr;  // DigiNumSmall, 13 glyphs
    HIMAGELIST ampm = nullptr;         // AmPm: AM, PM
};

// A 32-bit top-down DIB section; bits receives its pixels (0x00RRGGBB).
UniqueBitmap CreateDialBitmap(int width, int height, uint32_t** bits = nullptr);

// The two dial faces with their masks from the module's bitmap resources
// Mojiban, MojibanMask, MojibanDigi and MojibanDigiMask, each width x height
// (already at the scale they are drawn for).
UniqueImageList LoadDialFaces(HINSTANCE instance, int width, int height,
                              const DisplayScale& scale = DisplayScale());

// Cell size of an image list.
GlyphCellSize ImageListCellSize(HIMAGELIST list);

class DialPainter {
public:
    DialPainter() = default;
    ~DialPainter();
    DialPainter(const DialPainter&) = delete;
    DialPainter& operator=(const DialPainter&) = delete;

    // dialBitmap stays selected in the painter's own memory DC until the
    // painter goes or is attached again, so it must outlive the painter.
    // geometry and layout are read at every drawing and must outlive it too.
    bool Attach(HBITMAP dialBitmap, const DialGeometry& geometry, const DigitalLayout& layout,
                const DialArtwork& artwork, const HandColours& colours);
    void Detach();
    HDC DialDc() const { return dialDc_.get(); }

    // The picture of one minute: the background picture (drawn at bgLeft,
    // bgTop on the dial), the face, then the hands or the digits. An hour of
    // -1 leaves the face alone. Nothing reaches the screen here.
    void RedrawClock(HBITMAP background, int bgLeft, int bgTop, bool analog, bool twelveHour,
                     int hour, int minute);

    // One hand into the dial bitmap: its shadow ANDed on, then the filled and
    // outlined hand.
    void DrawHand(const Point* points, int lastPoint, bool hourHand);

    // Shows the dial bitmap with the second drawn over it on surface at box
    // (device coordinates), clipped to clip (also device coordinates).
    void DrawSecondHand(HDC surface, POINT box, HRGN clip, bool analog, int second);

    // The second hand or the seconds digits on a surface whose origin is the
    // dial's top-left corner.
    void PaintSeconds(HDC boxDc, bool analog, int second);

private:
    const DialGeometry* geometry_ = nullptr;
    const DigitalLayout* layout_ = nullptr;
    DialArtwork artwork_;
    SIZE size_{};
    UniqueMemDc dialDc_;
    std::optional<SelectInDc> dialSelected_;  // the dial bitmap, in dialDc_ until Detach
    // The frame of one second: the minute picture with the second over it.
    UniqueBitmap frameBitmap_;
    UniqueMemDc frameDc_;
    std::optional<SelectInDc> frameSelected_;
    // Built once: the second hand is drawn every second.
    UniquePen shadowPen_;
    UniqueBrush shadowBrush_;
    UniquePen secondPen_;
    UniqueBrush secondBrush_;
    UniquePen edgePen_;
    UniqueBrush fillBrush_;
};

}  // namespace velmira
