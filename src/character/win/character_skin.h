#pragma once
// Her skin on the main stage: the character picture, the boxes the skin
// places (face, mouth, dial, hand area), the hand colours, and the window's
// shape cut from her outline and the dial's. Runs on the user-interface thread.

#include <windows.h>

#include <vector>

#include "base/display_scale.h"
#include "base/types.h"
#include "base/win/components.h"

namespace velmira {

class TCharacterSkin {
public:
    TCharacterSkin();

    // Takes the picture, the boxes and the colours from the skin carrier,
    // drawn and placed for the display scale; called again when her monitor's
    // scale changes. Throws std::runtime_error when the module has no skin:
    // she would be a blank window.
    void ApplySkin(HINSTANCE resources, const DisplayScale& scale = DisplayScale());
    const DisplayScale& Scale() const { return scale_; }

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

    // Components, at the layout's places until the skin replaces them.
    TImage Image1;
    TPaintBox MojibanBox;
    TPaintBox MouthArea;
    TPaintBox FaceFrame;
    TPaintBox MojibanHandArea;
    int32_t imageLeft = 0;
    int32_t imageTop = 0;
    Colour secHandColor = 0;
    Colour handFillColor = 0;
    Colour handEdgeColor = 0;

private:
    DisplayScale scale_;
    std::vector<Rect> outline_;
};

// A paint box as a plain rectangle.
inline Rect BoxRect(const TPaintBox& box) { return Rect{box.Left, box.Top, box.Width, box.Height}; }

}  // namespace velmira
