#include "about/win/about_box.h"

#include "about/about_layout.h"

#include "base/win/dialog_template.h"
#include "base/win/resources.h"

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

    // The picture keeps the designed box's centre, whatever its size.
    aboutBitmap = LoadBitmapResource(resources_, pictureName_);
    BITMAP bm{};
    if (aboutBitmap && ::GetObjectW(aboutBitmap.get(), sizeof(bm), &bm)) {
        const Rect box = CentredPictureBox(kImagePaintDesigned, bm.bmWidth, bm.bmHeight);
        ImagePaint.SetBounds(box.left, box.top, box.width, box.height);
    } else {
        ImagePaint.SetBounds(kImagePaintDesigned.left, kImagePaintDesigned.top,
                             kImagePaintDesigned.width, kImagePaintDesigned.height);
    }

    // Client area 229 x 75 in pixels, whatever the screen's font size,
    // centred on the main window.
    SetClientSize(kClientWidth, kClientHeight);
    CenterOnOwner();
    return true;  // the focus goes to OK, the first control
}

void TAboutBox::Paint(HDC dc) {
    if (!aboutBitmap) return;
    UniqueMemDc memory(::CreateCompatibleDC(dc));
    if (!memory) return;
    SelectInDc select(memory.get(), aboutBitmap.get());
    ::BitBlt(dc, ImagePaint.Left, ImagePaint.Top, ImagePaint.Width, ImagePaint.Height, memory.get(),
             0, 0, SRCCOPY);
}

}  // namespace velmira
