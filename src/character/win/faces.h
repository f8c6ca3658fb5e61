#pragma once
// Her faces on the main stage: the face picture over her own face, and the
// timer of her moods (SamishiiTimer). The rules live in LonelinessMachine;
// this part loads and paints the pictures, runs the timer and plays the calls
// through the sound it is handed. Runs on the user-interface thread.

#include <windows.h>

#include <functional>
#include <string>

#include "base/display_scale.h"
#include "base/inputs.h"
#include "base/win/components.h"
#include "base/win/timer.h"
#include "base/win/handles.h"
#include "character/loneliness.h"

namespace velmira {

class TFaces {
public:
    using PlaySound = std::function<bool(const std::wstring& name)>;

    TFaces(HINSTANCE resources, RandomSource random, PlaySound playSound);

    // The window the faces are painted on and the timer runs for, and the
    // box of her face (the skin places it). Throws std::runtime_error when a
    // face picture is missing.
    void Attach(HWND window, TPaintBox& faceFrame);
    // The display scale the pictures are drawn for (the face frame is placed
    // at it by the skin); a face on show is drawn anew.
    void SetScale(const DisplayScale& scale);

    // Shows face n: 0 or less none, 1 to kFaceCount the pictures of
    // kFaceNames; any other n changes nothing.
    void SetFace(int n);
    void FaceFramePaint(HDC dc);
    bool FaceShown() const { return static_cast<bool>(faceBitmap); }

    bool TryRandomSmile();
    void SamishiiTimerTimer(int32_t samiLim, bool nakuTest);
    void StopLonelinessTimer();
    void ResetLoneliness();
    // While a program in full screen covers her monitor her calls wait; the
    // last one comes when it ends. Her moods go on meanwhile.
    void SetSilent(bool silent);
    bool Silent() const { return silent_; }

    const LonelinessMachine& Machine() const { return machine_; }
    // Its handler, SamishiiTimerTimer with the stage's wait and debug check,
    // is set by the stage.
    TTimer SamishiiTimer;
    UniqueBitmap faceBitmap;  // the face shown; none when she shows her own

private:
    // Puts the machine's face and timer on the screen.
    void ShowFace();
    void ApplyTimer();

    HINSTANCE resources_;
    PlaySound playSound_;
    LonelinessMachine machine_;
    HWND window_ = nullptr;
    TPaintBox* faceFrame_ = nullptr;
    DisplayScale scale_;
    bool silent_ = false;
    const wchar_t* heldCall_ = nullptr;
};

}  // namespace velmira
