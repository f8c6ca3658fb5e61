#include "clock/win/dial_painter.h"

#include <algorithm>

#include "base/win/resources.h"
#include "base/win/scaled_pictures.h"

namespace velmira {

namespace {

// Restores the ROP2 mode of a DC at the end of a scope.
class Rop2Scope {
public:
    Rop2Scope(HDC dc, int mode) : dc_(dc), old_(::SetROP2(dc, mode)) {}
    ~Rop2Scope() { ::SetROP2(dc_, old_); }
    Rop2Scope(const Rop2Scope&) = delete;
    Rop2Scope& operator=(const Rop2Scope&) = delete;

private:
    HDC dc_;
    int old_;
};

void DrawGlyph(HIMAGELIST list, const GlyphPlacement& g, HDC dc) {
    ::ImageList_Draw(list, g.index, dc, g.left, g.top, ILD_TRANSPARENT);
}

}  // namespace

UniqueBitmap CreateDialBitmap(int width, int height, uint32_t** bits) {
    return CreateTopDownDib(width, height, bits);  // row 0 is the dial's top
}

UniqueImageList LoadDialFaces(HINSTANCE instance, int width, int height,
                              const DisplayScale& scale) {
    UniqueImageList list(::ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 2, 0));
    if (!list) return list;
    const wchar_t* const names[2][2] = {{L"Mojiban", L"MojibanMask"},
                                        {L"MojibanDigi", L"MojibanDigiMask"}};
    for (const auto& pair : names) {
        // The same two work bitmaps serve both faces; the list keeps copies.
        UniqueBitmap face = LoadScaledBitmap(instance, pair[0], scale);
        UniqueBitmap mask = LoadScaledMask(instance, pair[1], scale);
        if (!face || !mask || ::ImageList_Add(list.get(), face.get(), mask.get()) < 0)
            return UniqueImageList();
    }
    return list;
}

GlyphCellSize ImageListCellSize(HIMAGELIST list) {
    int width = 0;
    int height = 0;
    if (list) ::ImageList_GetIconSize(list, &width, &height);
    return {width, height};
}

bool DialPainter::Attach(HBITMAP dialBitmap, const DialGeometry& geometry,
                         const DigitalLayout& layout, const DialArtwork& artwork,
                         const HandColours& colours) {
    Detach();
    BITMAP bm{};
    if (!dialBitmap || !::GetObjectW(dialBitmap, sizeof(bm), &bm)) return false;
    dialDc_.reset(::CreateCompatibleDC(nullptr));
    if (!dialDc_) return false;
    dialSelected_.emplace(dialDc_.get(), dialBitmap);
    size_ = {bm.bmWidth, bm.bmHeight};
    frameBitmap_ = CreateDialBitmap(bm.bmWidth, bm.bmHeight);
    frameDc_.reset(::CreateCompatibleDC(nullptr));
    if (!frameBitmap_ || !frameDc_) return false;
    frameSelected_.emplace(frameDc_.get(), frameBitmap_.get());
    geometry_ = &geometry;
    layout_ = &layout;
    artwork_ = artwork;
    const int line = geometry.strokes.lineWidth;
    shadowPen_.reset(::CreatePen(PS_SOLID, line, kShadowColour));
    shadowBrush_.reset(::CreateSolidBrush(kShadowColour));
    secondPen_.reset(::CreatePen(PS_SOLID, line, colours.secHandColor));
    secondBrush_.reset(::CreateSolidBrush(colours.secHandColor));
    edgePen_.reset(::CreatePen(PS_SOLID, line, colours.handEdgeColor));
    fillBrush_.reset(::CreateSolidBrush(colours.handFillColor));
    return true;
}

void DialPainter::Detach() {
    // Each bitmap leaves its DC before the DC goes.
    dialSelected_.reset();
    dialDc_.reset();
    frameSelected_.reset();
    frameDc_.reset();
    frameBitmap_.reset();
    geometry_ = nullptr;
    layout_ = nullptr;
}

DialPainter::~DialPainter() { Detach(); }

void DialPainter::RedrawClock(HBITMAP background, int bgLeft, int bgTop, bool analog,
                              bool twelveHour, int hour, int minute) {
    if (!dialDc_) return;
    HDC dc = dialDc_.get();
    if (background) {
        BITMAP bm{};
        ::GetObjectW(background, sizeof(bm), &bm);
        // Only the part of the picture that lies on the dial.
        const int left = std::max(bgLeft, 0);
        const int top = std::max(bgTop, 0);
        const int right = std::min<int>(bgLeft + bm.bmWidth, size_.cx);
        const int bottom = std::min<int>(bgTop + bm.bmHeight, size_.cy);
        if (right > left && bottom > top) {
            UniqueMemDc source(::CreateCompatibleDC(dc));
            SelectInDc select(source.get(), background);
            ::BitBlt(dc, left, top, right - left, bottom - top, source.get(), left - bgLeft,
                     top - bgTop, SRCCOPY);
        }
    }
    ::ImageList_Draw(artwork_.faces, analog ? kAnalogFace : kDigitalFace, dc, 0, 0,
                     ILD_TRANSPARENT);
    if (hour == -1) return;

    if (analog) {
        HandShape polygon{};
        geometry_->HourHandPolygon(HourHandPosition(hour, minute), polygon);
        DrawHand(polygon.data(), geometry_->hourHandLastPoint, true);
        // The minute hand and its shadow lie over the hour hand.
        geometry_->MinuteHandPolygon(MinuteHandPosition(minute), polygon);
        DrawHand(polygon.data(), geometry_->minuteHandLastPoint, false);
        return;
    }
    const DigitalMinuteFace face = PlaceDigitalMinute(*layout_, hour, minute, twelveHour);
    if (face.showAmPm) DrawGlyph(artwork_.ampm, face.ampm, dc);
    for (int i = 0; i < face.digits.count; ++i)
        DrawGlyph(artwork_.digits, face.digits.glyphs[i], dc);
}

void DialPainter::DrawHand(const Point* points, int lastPoint, bool hourHand) {
    if (!dialDc_ || !geometry_ || lastPoint < 0 || lastPoint >= kHandShapeCapacity) return;
    HDC dc = dialDc_.get();
    const int count = lastPoint + 1;
    const int d = hourHand ? geometry_->strokes.hourShadow : geometry_->strokes.minuteShadow;
    POINT hand[kHandShapeCapacity];
    POINT shadow[kHandShapeCapacity];
    for (int k = 0; k < count; ++k) {
        hand[k] = {points[k].x, points[k].y};
        shadow[k] = {points[k].x + d, points[k].y + d};
    }
    {
        Rop2Scope mask(dc, R2_MASKPEN);
        SelectInDc pen(dc, ::GetStockObject(NULL_PEN));
        SelectInDc brush(dc, shadowBrush_.get());
        ::Polygon(dc, shadow, count);
    }
    Rop2Scope copy(dc, R2_COPYPEN);
    SelectInDc pen(dc, edgePen_.get());
    SelectInDc brush(dc, fillBrush_.get());
    ::Polygon(dc, hand, count);
}

void DialPainter::DrawSecondHand(HDC surface, POINT box, HRGN clip, bool analog, int second) {
    if (!dialDc_ || !frameDc_) return;
    // The second is laid over a copy of the minute picture off screen, so the
    // window gets a single clipped copy: drawing glyphs straight onto a
    // window costs several times as much, and nothing flickers.
    ::BitBlt(frameDc_.get(), 0, 0, size_.cx, size_.cy, dialDc_.get(), 0, 0, SRCCOPY);
    // Before the clock's first second there is none to draw.
    if (second >= 0 && second < 60) PaintSeconds(frameDc_.get(), analog, second);
    ::SelectClipRgn(surface, clip);
    ::BitBlt(surface, box.x, box.y, size_.cx, size_.cy, frameDc_.get(), 0, 0, SRCCOPY);
    ::SelectClipRgn(surface, nullptr);
}

void DialPainter::PaintSeconds(HDC boxDc, bool analog, int second) {
    if (!geometry_) return;
    if (!analog) {
        for (const GlyphPlacement& g : PlaceSecondsDigits(*layout_, second))
            DrawGlyph(artwork_.smallDigits, g, boxDc);
        return;
    }
    const DialGeometry& g = *geometry_;
    const Point tip = g.PointOnRadius(second, g.secondHandLength, g.secondPivot);
    const Point tail = g.PointOnRadius(second, -g.secondHandTail, g.secondPivot);
    const int cx = g.secondPivot.x;
    const int cy = g.secondPivot.y;
    const DialStrokes& s = g.strokes;
    {
        Rop2Scope mask(boxDc, R2_MASKPEN);
        SelectInDc pen(boxDc, shadowPen_.get());
        SelectInDc brush(boxDc, shadowBrush_.get());
        const int d = s.secondShadow;
        ::MoveToEx(boxDc, tip.x + d, tip.y + d, nullptr);
        ::LineTo(boxDc, tail.x + d, tail.y + d);
        ::Ellipse(boxDc, cx - s.shadowDiscNear, cy - s.shadowDiscNear, cx + s.shadowDiscFar,
                  cy + s.shadowDiscFar);
    }
    Rop2Scope copy(boxDc, R2_COPYPEN);
    SelectInDc pen(boxDc, secondPen_.get());
    SelectInDc brush(boxDc, secondBrush_.get());
    ::MoveToEx(boxDc, tip.x, tip.y, nullptr);
    ::LineTo(boxDc, tail.x, tail.y);
    // A filled disc over the pivot, 8 pixels across at 96 DPI.
    ::Ellipse(boxDc, cx - s.pivotDisc, cy - s.pivotDisc, cx + s.pivotDisc, cy + s.pivotDisc);
}

}  // namespace velmira
