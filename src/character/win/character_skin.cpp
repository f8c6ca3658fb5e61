#include "character/win/character_skin.h"

#include <stdexcept>

#include "base/win/bitmap_drawing.h"
#include "base/win/monitors.h"
#include "base/win/window_places.h"
#include "base/win/handles.h"
#include "base/win/resources.h"
#include "base/win/scaled_pictures.h"
#include "base/win/utf8.h"
#include "character/win/char_bmp.h"

namespace velmira {

namespace {

constexpr int kCharacterRegionId = 1;

void CopyBox(TPaintBox& box, const Rect& r) { box.SetBounds(r.left, r.top, r.width, r.height); }

std::vector<Rect> RegionRects(HRGN region) {
    const DWORD size = ::GetRegionData(region, 0, nullptr);
    if (size < sizeof(RGNDATAHEADER)) return {};
    std::vector<DWORD> buffer((size + sizeof(DWORD) - 1) / sizeof(DWORD));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (::GetRegionData(region, size, data) != size) return {};
    const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
    std::vector<Rect> out;
    for (DWORD i = 0; i < data->rdh.nCount; ++i) out.push_back(ToRect(rects[i]));
    return out;
}

}  // namespace

TCharacterSkin::TCharacterSkin() : green_(::CreateSolidBrush(RGB(0, 255, 0))) {
    // Layout places, replaced by the skin where it carries a box of the same name.
    Image1.SetBounds(0, 0, 640, 480);
    MojibanBox.SetBounds(128, 288, 128, 128);
    MouthArea.SetBounds(85, 50, 26, 26);
    MouthArea.Enabled = false;
    FaceFrame.SetBounds(60, 12, 64, 64);
    FaceFrame.Enabled = false;
    MojibanHandArea.SetBounds(142, 302, 101, 100);
    MojibanHandArea.Visible = false;
}

void TCharacterSkin::ApplySkin(HINSTANCE resources, const DisplayScale& scale) {
    RequireResource(resources, L"CharBMP", MAKEINTRESOURCEW(2));  // RT_BITMAP
    RequireResource(resources, L"SKIN", MAKEINTRESOURCEW(10));    // RT_RCDATA
    RequireResource(resources, MAKEINTRESOURCEW(kCharacterRegionId), MAKEINTRESOURCEW(10));
    TCharBMP skin(resources, scale);
    scale_ = scale;
    Image1.Assign(skin.TakePicture());
    if (!skin.Valid() || !Image1.Bitmap)
        throw std::runtime_error(ToUtf8(L"キャラクターの絵を読めません。"));
    base_ = skin.Layout();
    const SkinLayout layout = ScaledSkinLayout(base_, scale);
    imageLeft = layout.Image.x;
    imageTop = layout.Image.y;
    CopyBox(FaceFrame, layout.FaceFrame);
    CopyBox(MouthArea, layout.MouthArea);
    CopyBox(MojibanBox, layout.MojibanBox);
    CopyBox(MojibanHandArea, layout.MojibanHandArea);
    hands = layout.hands;
}

void TCharacterSkin::ApplyShape(HWND window, HINSTANCE resources, HRGN dialRegion,
                                const std::vector<RECT>& extras) {
    SetClientSize(window, WindowWidth(), WindowHeight());
    Image1.Left = imageLeft;
    Image1.Top = imageTop;

    UniqueRgn shape = OutlineAtScale(resources, kCharacterRegionId, scale_, [this] {
        return RegionOfPicture(Image1.Bitmap.get(), RGB(0, 255, 0));
    });
    // Uncut, all of her window is hers.
    outline_ = {Rect{0, 0, WindowWidth(), WindowHeight()}};
    if (!shape) return;
    ::OffsetRgn(shape.get(), imageLeft, imageTop);
    if (dialRegion) ::CombineRgn(shape.get(), dialRegion, shape.get(), RGN_OR);
    outline_ = RegionRects(shape.get());
    RECT box;
    ::GetRgnBox(shape.get(), &box);
    // The window keeps the size of her outline and the dial; the extras are
    // added inside it.
    for (const RECT& r : extras) {
        UniqueRgn extra(::CreateRectRgnIndirect(&r));
        if (extra) ::CombineRgn(shape.get(), shape.get(), extra.get(), RGN_OR);
    }
    // From here on the region belongs to the window.
    if (::SetWindowRgn(window, shape.get(), TRUE)) (void)shape.release();
    SetClientSize(window, box.right, box.bottom);
}

void TCharacterSkin::PaintPicture(HDC dc) const {
    DrawBitmapAt(dc, Image1.Bitmap.get(), Image1.Left, Image1.Top, Image1.PictureWidth,
                 Image1.PictureHeight);
}

void TCharacterSkin::EraseBackground(HWND window, HDC dc, bool shown) const {
    RECT rc;
    ::GetClientRect(window, &rc);
    ::FillRect(dc, &rc, shown ? static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)) : green_.get());
}

}  // namespace velmira
