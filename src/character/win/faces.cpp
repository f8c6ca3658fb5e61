#include "character/win/faces.h"

#include <utility>

#include "base/win/bitmap_drawing.h"
#include "base/win/resources.h"
#include "base/win/scaled_pictures.h"

namespace velmira {

TFaces::TFaces(HINSTANCE resources, RandomSource random, PlaySound playSound)
    : SamishiiTimer(1000),
      resources_(resources),
      playSound_(std::move(playSound)),
      machine_(std::move(random)) {}

void TFaces::Attach(HWND window, TPaintBox& faceFrame) {
    // A face missing from the program is an error at start, not a blank later.
    for (const wchar_t* face : kFaceNames) RequireResource(resources_, face, RT_BITMAP);
    window_ = window;
    faceFrame_ = &faceFrame;
    faceFrame_->Visible = false;  // until a face shows
    SamishiiTimer.SetOwner(window);
}

void TFaces::SetScale(const DisplayScale& scale) {
    if (scale == scale_) return;
    scale_ = scale;
    if (faceBitmap) ShowFace();
}

void TFaces::SetFace(int n) {
    if (machine_.SetFace(n)) ShowFace();
}

void TFaces::ShowFace() {
    if (!faceFrame_) return;
    const RECT box = faceFrame_->BoundsRect();
    const int face = machine_.Face();
    if (face <= 0) {
        // Her own face shows through again.
        faceFrame_->Visible = false;
        faceBitmap.reset();
        if (window_) ::InvalidateRect(window_, &box, FALSE);
        return;
    }
    faceBitmap = LoadScaledBitmap(resources_, kFaceNames[face - 1], scale_, PictureKey::Green);
    if (faceFrame_->Visible && window_) {
        WindowDc dc(window_);
        if (dc.get()) FaceFramePaint(dc.get());
    } else {
        faceFrame_->Visible = true;
        if (window_) ::InvalidateRect(window_, &box, FALSE);
    }
}

void TFaces::FaceFramePaint(HDC dc) {
    if (!faceFrame_) return;
    DrawBitmapAt(dc, faceBitmap.get(), faceFrame_->Left, faceFrame_->Top, faceFrame_->Width,
                 faceFrame_->Height);
}

void TFaces::ApplyTimer() {
    // Every change of the machine's timer stops it first: its count starts over.
    const LonelinessTimer& t = machine_.Timer();
    SamishiiTimer.SetEnabled(false);
    SamishiiTimer.Tag = t.Tag;
    SamishiiTimer.SetInterval(t.interval);
    SamishiiTimer.SetEnabled(t.enabled);
}

bool TFaces::TryRandomSmile() {
    if (!machine_.TryRandomSmile()) return false;
    ShowFace();
    ApplyTimer();
    return true;
}

void TFaces::SamishiiTimerTimer(int32_t samiLim, bool nakuTest) {
    const int before = machine_.Face();
    const wchar_t* sound = machine_.SamishiiTimerTimer(samiLim, nakuTest);
    // The call first, then the face, as she says it.
    if (sound && silent_)
        heldCall_ = sound;
    else if (sound && playSound_)
        playSound_(sound);
    // A lonely face is drawn even over the same one; no face to remove, nothing.
    if (machine_.Face() != 0 || before != 0) ShowFace();
    ApplyTimer();
}

void TFaces::StopLonelinessTimer() {
    machine_.StopLonelinessTimer();
    SamishiiTimer.SetEnabled(false);
}

void TFaces::ResetLoneliness() {
    const bool shown = machine_.Face() != 0;
    machine_.ResetLoneliness();
    SamishiiTimer.SetEnabled(false);
    if (shown) ShowFace();
}

void TFaces::SetSilent(bool silent) {
    silent_ = silent;
    if (silent_ || !heldCall_) return;
    const wchar_t* call = heldCall_;
    heldCall_ = nullptr;
    if (playSound_) playSound_(call);
}

}  // namespace velmira
