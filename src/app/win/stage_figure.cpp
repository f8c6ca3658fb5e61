#include "app/win/stage_figure.h"

#include <utility>

#include "base/her_size.h"

namespace velmira {

TStageFigure::TStageFigure(HINSTANCE resources, RandomSource random, TFaces::PlaySound playSound)
    : faces(resources, std::move(random), std::move(playSound)), resources_(resources) {}

void TStageFigure::SetScale(const DisplayScale& scale) {
    skin.ApplySkin(resources_, scale);
    faces.SetScale(scale);
    const SkinLayout& base = skin.BaseLayout();
    dial.SetUpDial(resources_, base.MojibanBox, base.MojibanHandArea, skin.hands, scale);
}

void TStageFigure::SetSize(const DisplayScale& monitor, int32_t sizePct, const Rect& workArea) {
    for (auto size = kHerSizes.rbegin(); size != kHerSizes.rend(); ++size) {
        if (*size > sizePct && *size != kHerSizes.front()) continue;
        SetScale(HerScale(monitor, *size));
        if (skin.WindowWidth() <= workArea.width && skin.WindowHeight() <= workArea.height) return;
    }
}

void TStageFigure::CutShape(HWND window, const std::vector<RECT>& extras) {
    dial.LoadDialRegion(resources_);
    skin.ApplyShape(window, resources_, dial.DialRegion(), extras);
}

void TStageFigure::RedrawClock(const DialMode& mode, int hour, int minute) {
    dial.RedrawClock(skin.Image1.Bitmap.get(), mode, hour, minute);
    if (!faces.FaceShown()) faces.TryRandomSmile();
}

void TStageFigure::RedrawLastMinute(const DialMode& mode) {
    dial.RedrawClock(skin.Image1.Bitmap.get(), mode, dial.LastHour(), dial.LastMinute());
}

bool TStageFigure::Paint(HDC dc, const RECT& update, const DialMode& mode) {
    skin.PaintPicture(dc);
    RECT overlap;
    const RECT box = skin.MojibanBox.BoundsRect();
    const bool dialPainted = ::IntersectRect(&overlap, &box, &update) != FALSE;
    if (dialPainted) MojibanBoxPaint(dc, mode);
    const RECT face = skin.FaceFrame.BoundsRect();
    if (skin.FaceFrame.Visible && ::IntersectRect(&overlap, &face, &update))
        faces.FaceFramePaint(dc);
    return dialPainted;
}

}  // namespace velmira
