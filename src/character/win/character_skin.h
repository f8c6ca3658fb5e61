#pragma once
// Her skin on the main stage: the character picture, the boxes the skin
// places (face, mouth, dial, hand area), the hand colours, and the window's
// shape cut from her outline and the dial's. Runs on the user-interface thread.

#include <windows.h>

#include <vector>

#include "base/display_scale.h"
#include "base/types.h"
#include "base/win/components.h"
#include "base/win/handles.h"
#include "character/skin_layout.h"

namespace velmira {

class TCharacterSkin {
public:
    TCharacterSkin();

    // Takes the picture, the boxes and the colours from the skin carrier,
    // drawn and placed for the display scale; called again when her scale
    // changes. Throws std::runtime_error when the module has no skin: she
    // would be a blank window.
    void ApplySkin(HINSTANCE resources, const DisplayScale& scale = DisplayScale());
    const DisplayScale& Scale() const { return scale_; }
    // The skin as drawn at 96 DPI: the parts placed by it (the dial) take
    // these boxes with the scale and derive their own.
    const SkinLayout& BaseLayout() const { return base_; }

    // The window size her picture asks for.
    int WindowWidth() const { return Image1.PictureWidth + imageLeft; }
    int WindowHeight() const { return Image1.PictureHeight + imageTop; }

    // Sizes the window to her picture and cuts it to her outline, the dial
    // region (client coordinates, not taken over) and any extra rectangles
    // (the debug controls while they show). The window owns the region it gets.
    void ApplyShape(HWND window, HINSTANCE resources, HRGN dialRegion,
                    const std::vector<RECT>& extras);

    // Her outline and the dial's as the last ApplyShape cut them: the
    // rectangles of the region, in client pixels.
    const std::vector<Rect>& Outline() const { return outline_; }

    // Her picture at its place.
    void PaintPicture(HDC dc) const;
    // Under her picture: her key green until her first show has cut her
    // outline, black after.
    void EraseBackground(HWND window, HDC dc, bool shown) const;

    // Components, at the layout's places until the skin replaces them.
    TImage Image1;
    TPaintBox MojibanBox;
    TPaintBox MouthArea;
    TPaintBox FaceFrame;
    TPaintBox MojibanHandArea;
    int32_t imageLeft = 0;
    int32_t imageTop = 0;
    HandColours hands;

private:
    DisplayScale scale_;
    SkinLayout base_;
    UniqueBrush green_;
    std::vector<Rect> outline_;
};

}  // namespace velmira
