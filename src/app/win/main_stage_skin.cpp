// The skin of the main stage: picture, boxes, colours and the window's shape.
#include <vector>

#include "app/win/main_stage.h"
#include "character/placement.h"
#include "character/win/char_bmp.h"

namespace velmira {

namespace {

constexpr Point kDefaultPosition{40, 64};

BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT rc, LPARAM data) {
    auto* monitors = reinterpret_cast<std::vector<Rect>*>(data);
    monitors->push_back(Rect{rc->left, rc->top, rc->right - rc->left, rc->bottom - rc->top});
    return TRUE;
}

std::vector<Rect> MonitorRects() {
    std::vector<Rect> monitors;
    ::EnumDisplayMonitors(nullptr, nullptr, &CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

void CopyBox(TPaintBox& box, const Rect& r) { box.SetBounds(r.left, r.top, r.width, r.height); }

// Sizes the window so that its client area is width x height.
void SetClientSize(HWND hwnd, int width, int height) {
    RECT rc{0, 0, width, height};
    ::AdjustWindowRectEx(&rc, static_cast<DWORD>(::GetWindowLongPtrW(hwnd, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE)));
    ::SetWindowPos(hwnd, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void TMainStage::ApplySkin() {
    TCharBMP skin(::GetModuleHandleW(nullptr));
    Image1.Assign(skin.TakePicture());
    if (!skin.Valid()) return;  // a broken skin leaves the layout places
    const SkinLayout& layout = skin.Layout();
    imageLeft = layout.Image.x;
    imageTop = layout.Image.y;
    CopyBox(FaceFrame, layout.FaceFrame);
    CopyBox(MouthArea, layout.MouthArea);
    CopyBox(MojibanBox, layout.MojibanBox);
    CopyBox(MojibanHandArea, layout.MojibanHandArea);
    secHandColor = layout.SecHandColor;
    handFillColor = layout.HandFillColor;
    handEdgeColor = layout.HandEdgeColor;
}

HRGN TMainStage::LoadRegionResource(int id) const {
    const ResourceBytes block =
        FindResourceBytes(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));
    if (!block.data || block.size < sizeof(RGNDATAHEADER)) return nullptr;
    RGNDATAHEADER header;
    memcpy(&header, block.data, sizeof(header));
    // Trust the header only as far as the resource really reaches.
    const unsigned long long wanted =
        static_cast<unsigned long long>(header.dwSize) + static_cast<unsigned long long>(header.nCount) * sizeof(RECT);
    if (header.dwSize < sizeof(RGNDATAHEADER) || wanted > block.size) return nullptr;
    return ::ExtCreateRegion(nullptr, static_cast<DWORD>(wanted),
                             reinterpret_cast<const RGNDATA*>(block.data));
}

void TMainStage::FormShow() {
    HWND hwnd = Handle();
    const int width = Image1.PictureWidth + imageLeft;
    const int height = Image1.PictureHeight + imageTop;
    if (Tag == 0) {
        // A stored position on no monitor would lose her for good: open at the default.
        RECT wa{};  // the primary monitor without the taskbar; stays empty when unreadable
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &wa, 0);
        const Point at = FirstShowPosition(
            Point{FormLeft, FormTop}, width, height, MonitorRects(), kDefaultPosition,
            Rect{wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top});
        ::SetWindowPos(hwnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    background_black_ = true;
    Tag = 1;

    SetClientSize(hwnd, width, height);
    Image1.Left = imageLeft;
    Image1.Top = imageTop;

    UniqueRgn character(LoadRegionResource(1));
    if (character) ::OffsetRgn(character.get(), imageLeft, imageTop);
    UniqueRgn dial(LoadRegionResource(2));
    if (dial) ::OffsetRgn(dial.get(), MojibanBox.Left, MojibanBox.Top);
    // The dial region stays with the stage (it clips the second hand); the
    // one it replaces goes here.
    dialRegion = std::move(dial);

    if (character) {
        if (dialRegion) ::CombineRgn(character.get(), dialRegion.get(), character.get(), RGN_OR);
        RECT box;
        ::GetRgnBox(character.get(), &box);
        // From here on the region belongs to the window.
        if (::SetWindowRgn(hwnd, character.get(), FALSE)) (void)character.release();
        SetClientSize(hwnd, box.right, box.bottom);
    }

    if (clocker && !clocker->Resumed()) clocker->Resume();
}

}  // namespace velmira
