#include "clock/win/dial_view.h"

#include <stdexcept>

#include "base/win/resources.h"
#include "base/win/scaled_pictures.h"
#include "base/win/utf8.h"

namespace velmira {

namespace {

constexpr int kDialRegionId = 2;

UniqueImageList RequireStrip(HINSTANCE resources, const wchar_t* name, int width, int height,
                             const DisplayScale& scale) {
    RequireResource(resources, name, MAKEINTRESOURCEW(2));  // RT_BITMAP
    UniqueImageList strip = LoadScaledGlyphStrip(resources, name, width, height, scale);
    if (!strip)
        throw std::runtime_error(ToUtf8(std::wstring(L"画像「") + name + L"」を読めません。"));
    return strip;
}

}  // namespace

void TDialView::SetUpDial(HINSTANCE resources, const Rect& box, const Rect& handArea,
                          const HandColours& colours, const DisplayScale& scale) {
    // The painter lets go of the old picture before anything is replaced.
    dialPainter.Detach();
    const bool rescaled = scale != scale_;
    scale_ = scale;
    box_ = scale.Px(box);
    geometry.SetUpDialGeometry(handArea, box, scale);

    for (const wchar_t* name : {L"Mojiban", L"MojibanMask", L"MojibanDigi", L"MojibanDigiMask"})
        RequireResource(resources, name, MAKEINTRESOURCEW(2));
    RequireResource(resources, MAKEINTRESOURCEW(kDialRegionId), MAKEINTRESOURCEW(10));
    ImageList1 = LoadDialFaces(resources, box_.width, box_.height, scale);
    if (!ImageList1) throw std::runtime_error(ToUtf8(L"文字盤の画像を読めません。"));
    // Strips a test put in place stay, unless the scale changed under them.
    if (!DigiNumber || rescaled) DigiNumber = RequireStrip(resources, L"DigiNumber", 24, 48, scale);
    if (!DigiNumSmall || rescaled)
        DigiNumSmall = RequireStrip(resources, L"DigiNumSmall", 16, 32, scale);
    if (!AmPm || rescaled) AmPm = RequireStrip(resources, L"AmPm", 64, 16, scale);
    dialBitmap = CreateDialBitmap(box_.width, box_.height);
    if (!dialBitmap) throw std::runtime_error(ToUtf8(L"文字盤の絵を作れません。"));

    // The digits are centred on the hands' pivot.
    layout.SetUpDigitalLayout(geometry.secondPivot, ImageListCellSize(DigiNumber.get()),
                              ImageListCellSize(DigiNumSmall.get()), ImageListCellSize(AmPm.get()));

    dialPainter.Attach(
        dialBitmap.get(), geometry, layout,
        DialArtwork{ImageList1.get(), DigiNumber.get(), DigiNumSmall.get(), AmPm.get()}, colours);
}

void TDialView::LoadDialRegion(HINSTANCE resources) {
    // The mask's circle (black inside) where no outline was made for the scale.
    UniqueRgn region = OutlineAtScale(resources, kDialRegionId, scale_, [&] {
        const UniqueBitmap mask = LoadScaledMask(resources, L"MojibanMask", scale_);
        return RegionOfPicture(mask.get(), RGB(255, 255, 255));
    });
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
