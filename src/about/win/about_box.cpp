#include "about/win/about_box.h"

#include "about/about_layout.h"

#include "base/win/bitmap_drawing.h"
#include "base/win/dialog_template.h"
#include "base/win/resources.h"
#include "base/win/scaled_pictures.h"

namespace velmira {

namespace {

const DialogControl kControls[] = {
    // OK comes first so that it holds the focus: Enter and Esc both close.
    {IDOK, kButtonAtom, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, L"OK", 178, 51, 48,
     21},
    {TAboutBox::kNameLabelId, kStaticAtom, WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX,
     L"NameLabel", 61, 13, 160, 12},
    {TAboutBox::kVersLabelId, kStaticAtom, WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX,
     L"VersLabel", 61, 32, 160, 12},
};

// A dialog frame with the system menu and its close box only.
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME;

}  // namespace

INT_PTR TAboutBox::ShowModal() {
    return RunModal(DialogTemplate(kDialogStyle, kDialogExStyle, L"バージョン情報", kControls));
}

bool TAboutBox::OnInitDialog() {
    // The labels are transparent: the dialog's face shows through.
    SetAllStaticsTransparent();
    ::SetDlgItemTextW(hwnd_, kNameLabelId, L"Velmira時計");
    ::SetDlgItemTextW(hwnd_, kVersLabelId, L"Ver. 1.00");
    Layout();
    // Client area 229 x 75 at 96 DPI, whatever the screen's font size,
    // centred on the main window.
    SetClientSize(kClientWidth, kClientHeight);
    CenterOnOwner();
    return true;  // the focus goes to OK, the first control
}

void TAboutBox::OnScaleChanged() { Layout(); }

void TAboutBox::Layout() {
    // The picture keeps the designed box's centre, whatever its size.
    const Rect designed = Px(kImagePaintDesigned);
    aboutBitmap = LoadScaledBitmap(resources_, pictureName_, Scale());
    BITMAP bm{};
    if (aboutBitmap && ::GetObjectW(aboutBitmap.get(), sizeof(bm), &bm)) {
        const Rect box = CentredPictureBox(designed, bm.bmWidth, bm.bmHeight);
        ImagePaint.SetBounds(box.left, box.top, box.width, box.height);
    } else {
        ImagePaint.SetBounds(designed.left, designed.top, designed.width, designed.height);
    }
}

void TAboutBox::Paint(HDC dc) {
    DrawBitmapAt(dc, aboutBitmap.get(), ImagePaint.Left, ImagePaint.Top, ImagePaint.Width,
                 ImagePaint.Height);
}

}  // namespace velmira
