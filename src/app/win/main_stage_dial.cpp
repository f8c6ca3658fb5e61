// The dial of the main stage: set-up, the minute picture and the second hand.
// The drawing itself is done by dialPainter; these methods hand it the stage's
// settings, boxes and window.
#include "app/win/main_stage.h"

namespace velmira {

namespace {

Rect BoxRect(const TPaintBox& box) { return Rect{box.Left, box.Top, box.Width, box.Height}; }

}  // namespace

void TMainStage::SetUpDial() {
    // Tables, pivots, lengths and hand outlines from the boxes the skin placed.
    SetUpDialGeometry(BoxRect(MojibanHandArea), BoxRect(MojibanBox));

    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    dialBitmap = CreateDialBitmap(MojibanBox.Width, MojibanBox.Height);
    if (ImageList1) ::ImageList_Destroy(ImageList1);
    ImageList1 = LoadDialFaces(instance, MojibanBox.Width, MojibanBox.Height);
    if (!DigiNumber) DigiNumber = LoadGlyphStrip(instance, L"DigiNumber", 24, 48);
    if (!DigiNumSmall) DigiNumSmall = LoadGlyphStrip(instance, L"DigiNumSmall", 16, 32);
    if (!AmPm) AmPm = LoadGlyphStrip(instance, L"AmPm", 64, 16);

    // The digits are centred on the hands' pivot.
    SetUpDigitalLayout(secondPivot, ImageListCellSize(DigiNumber), ImageListCellSize(DigiNumSmall),
                       ImageListCellSize(AmPm));

    dialPainter.Attach(dialBitmap.get(), *this, *this,
                       DialArtwork{ImageList1, DigiNumber, DigiNumSmall, AmPm},
                       DialColours{secHandColor, handFillColor, handEdgeColor});
}

void TMainStage::RedrawClock(int hour, int minute) {
    // The character picture lies under the dial box; the face covers it
    // inside the dial outline.
    dialPainter.RedrawClock(Image1.Bitmap.get(), -MojibanBox.Left, -MojibanBox.Top, AnaDigi,
                            DigiAMPM, hour, minute);
    if (!faceBitmap) TryRandomSmile();
}

void TMainStage::DrawHand(const Point* points, int lastPoint, bool hourHand) {
    dialPainter.DrawHand(points, lastPoint, hourHand);
}

void TMainStage::DrawHourMinuteDigits(int left, int top, int hour, int minute) {
    dialPainter.DrawHourMinuteDigits(left, top, hour, minute);
}

void TMainStage::DrawSecondHand(int second) {
    if (!Handle()) return;
    WindowDc dc(Handle());
    if (dc.get()) DrawSecondHandOn(dc.get(), second);
}

void TMainStage::DrawSecondHandOn(HDC dc, int second) {
    dialPainter.DrawSecondHand(dc, POINT{MojibanBox.Left, MojibanBox.Top}, dialRegion.get(),
                               AnaDigi, second);
}

void TMainStage::PaintSeconds(int second) {
    if (!Handle()) return;
    WindowDc dc(Handle());
    if (!dc.get()) return;
    ::SelectClipRgn(dc.get(), dialRegion.get());
    ::SetViewportOrgEx(dc.get(), MojibanBox.Left, MojibanBox.Top, nullptr);
    dialPainter.PaintSeconds(dc.get(), AnaDigi, second);
}

void TMainStage::MojibanBoxPaint(HDC dc) {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    DrawSecondHandOn(dc, now.wSecond);
    // The first repaint after the screen saver gives the clock its priority back.
    if (priorityRestorePending) {
        ApplyThreadPriority();
        priorityRestorePending = false;
    }
}

namespace {

// A display switch shows at once, without waiting for the clock's next minute.
void RedrawNow(TMainStage& stage) {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    stage.RedrawClock(now.wHour, now.wMinute);
    stage.DrawSecondHand(now.wSecond);
}

}  // namespace

void TMainStage::MIDigiAnaClick() {
    AnaDigi = !AnaDigi;
    SetMenuChecked(kMIDigiAnaId, !AnaDigi);
    RedrawNow(*this);
}

void TMainStage::MIAmPmClick() {
    DigiAMPM = !DigiAMPM;
    SetMenuChecked(kMIAmPmId, DigiAMPM);
    RedrawNow(*this);
}

void TMainStage::DateTimePicker1Change() {
    // Only hour and minute count; the clock's next minute redraw takes over again.
    SYSTEMTIME picked{};
    if (!DateTimePicker1 || DateTime_GetSystemtime(DateTimePicker1, &picked) != GDT_VALID) return;
    RedrawClock(picked.wHour, picked.wMinute);
}

}  // namespace velmira
