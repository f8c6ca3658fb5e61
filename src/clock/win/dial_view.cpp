#include "clock/win/dial_view.h"

#include <stdexcept>

#include "base/win/resources.h"

namespace velmira {

namespace {

constexpr int kDialRegionId = 2;

UniqueImageList RequireStrip(HINSTANCE resources, const wchar_t* name, int width, int height) {
    RequireResource(resources, name, MAKEINTRESOURCEW(2));  // RT_BITMAP
    UniqueImageList strip = LoadGlyphStrip(resources, name, width, height);
    if (!strip)
        throw std::runtime_error(ToUtf8(std::wstring(L"画像「") + name + L"」を読めません。"));
    return strip;
}

}  // namespace

void TDialView::SetUpDial(HINSTANCE resources, const Rect& box, const Rect& handArea,
                          const DialColours& colours) {
    box_ = box;
    geometry.SetUpDialGeometry(handArea, box);

    for (const wchar_t* name : {L"Mojiban", L"MojibanMask", L"MojibanDigi", L"MojibanDigiMask"})
        RequireResource(resources, name, MAKEINTRESOURCEW(2));
    RequireResource(resources, MAKEINTRESOURCEW(kDialRegionId), MAKEINTRESOURCEW(10));
    ImageList1 = LoadDialFaces(resources, box.width, box.height);
    if (!ImageList1) throw std::runtime_error(ToUtf8(L"文字盤の画像を読めません。"));
    if (!DigiNumber) DigiNumber = RequireStrip(resources, L"DigiNumber", 24, 48);
    if (!DigiNumSmall) DigiNumSmall = RequireStrip(resources, L"DigiNumSmall", 16, 32);
    if (!AmPm) AmPm = RequireStrip(resources, L"AmPm", 64, 16);
    dialBitmap = CreateDialBitmap(box.width, box.height);
    if (!dialBitmap) throw std::runtime_error(ToUtf8(L"文字盤の絵を作れません。"));

    // The digits are centred on the hands' pivot.
    layout.SetUpDigitalLayout(geometry.secondPivot, ImageListCellSize(DigiNumber.get()),
                              ImageListCellSize(DigiNumSmall.get()), ImageListCellSize(AmPm.get()));

    dialPainter.Attach(
        dialBitmap.get(), geometry, layout,
        DialArtwork{ImageList1.get(), DigiNumber.get(), DigiNumSmall.get(), AmPm.get()}, colours);
}

void TDialView::LoadDialRegion(HINSTANCE resources) {
    UniqueRgn region = LoadRegionResource(resources, kDialRegionId);
    if (region) ::OffsetRgn(region.get(), box_.left, box_.top);
    dialRegion = std::move(region);
}

void TDialView::RedrawClock(HBITMAP background, const DialMode& mode, int hour, int minute) {
    lastHour_ = hour;
    lastMinute_ = minute;
    // The character picture lies under the dial box; the face covers it
    // inside the dial outline.
    dialPainter.RedrawClock(background, -box_.left, -box_.top, mode.analog, mode.twelveHour, hour,
                            minute);
}

void TDialView::DrawSecondHand(HWND window, const DialMode& mode, int second) {
    lastSecond_ = second;
    if (!window) return;
    WindowDc dc(window);
    if (dc.get()) PaintSecondHand(dc.get(), mode);
}

void TDialView::PaintSecondHand(HDC windowDc, const DialMode& mode) {
    dialPainter.DrawSecondHand(windowDc, POINT{box_.left, box_.top}, dialRegion.get(), mode.analog,
                               lastSecond_);
}

}  // namespace velmira
