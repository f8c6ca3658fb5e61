#pragma once
// Her figure on the stage: her picture and outline (TCharacterSkin), her
// faces (TFaces) and the dial (TDialView), all drawn at her scale. The stage
// hands it the scale and the clock's minutes; it draws, paints and cuts her
// window's shape. User-interface thread only.

#include <windows.h>

#include <vector>

#include "base/display_scale.h"
#include "base/inputs.h"
#include "character/win/character_skin.h"
#include "character/win/faces.h"
#include "clock/win/dial_view.h"

namespace velmira {

class TStageFigure {
public:
    TStageFigure(HINSTANCE resources, RandomSource random, TFaces::PlaySound playSound);

    // Draws every part for her scale, the skin first: it places the dial,
    // which takes its 96-DPI boxes with the scale. Throws std::runtime_error
    // when artwork is missing.
    void SetScale(const DisplayScale& scale);
    const DisplayScale& Scale() const { return skin.Scale(); }
    // Her size on a monitor: the share she was given (percent), or the
    // largest smaller one whose window fits the work area.
    void SetSize(const DisplayScale& monitor, int32_t sizePct, const Rect& workArea);
    // Her window, which the faces are painted on. Throws when a face is missing.
    void Attach(HWND window) { faces.Attach(window, skin.FaceFrame); }

    // Cuts her window to her outline and the dial's, with `extras` (the debug
    // controls while they show) inside it.
    void CutShape(HWND window, const std::vector<RECT>& extras);
    // The minute picture; each new one is her chance to smile while she
    // shows no face.
    void RedrawClock(const DialMode& mode, int hour, int minute);
    // The minute picture again with what the clock last handed over, drawn
    // anew (at a new scale); no smile.
    void RedrawLastMinute(const DialMode& mode);
    // Paints what `update` covers: her picture, the dial, a face. True when
    // the dial was painted.
    bool Paint(HDC dc, const RECT& update, const DialMode& mode);
    void MojibanBoxPaint(HDC dc, const DialMode& mode) { dial.PaintSecondHand(dc, mode); }

    TCharacterSkin skin;
    TFaces faces;
    TDialView dial;

private:
    HINSTANCE resources_;
};

}  // namespace velmira
