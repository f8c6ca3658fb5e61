#include "settings/win/del_reg_dlg.h"

#include "base/win/dialog_template.h"

namespace velmira {

namespace {

const DialogControl kControls[] = {
    // OK comes first so that it holds the focus when the dialog opens.
    {IDOK, kButtonAtom, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, L"OK", 145, 52, 88,
     21},
    {IDCANCEL, kButtonAtom, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, L"キャンセル", 238,
     52, 88, 21},
    {TDelRegDlg::kLabelId, kStaticAtom, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
     L"本アプリのレジストリを削除し、設定内容を初期化します。", 80, 12, 369, 37},
};

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;

}  // namespace

bool TDelRegDlg::Execute(HWND owner) {
    TDelRegDlg dialog(owner);
    return dialog.RunModal(DialogTemplate(kDialogStyle, kDialogExStyle, L"?", kControls)) == IDOK;
}

void TDelRegDlg::Layout() {
    const Rect box = Px(Rect{15, 12, 32, 32});
    PaintBox1.SetBounds(box.left, box.top, box.width, box.height);
}

bool TDelRegDlg::OnInitDialog() {
    // The label is transparent: the dialog's face shows through.
    SetTransparentStatics({kLabelId});
    Layout();
    SetClientSize(kClientWidth, kClientHeight);
    // Centred on the screen (it comes before the main window), above other windows.
    CenterOnScreen();
    ::SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return true;  // the focus goes to OK, the first control
}

void TDelRegDlg::OnFirstShow() { ::MessageBeep(MB_ICONQUESTION); }

void TDelRegDlg::OnScaleChanged() { Layout(); }

void TDelRegDlg::Paint(HDC dc) {
    // The system icon drawn at the box's size, not stretched from 32 pixels;
    // a shared icon is never destroyed.
    const int size = PaintBox1.Width;
    HICON icon =
        static_cast<HICON>(::LoadImageW(nullptr, IDI_QUESTION, IMAGE_ICON, size, size, LR_SHARED));
    if (icon)
        ::DrawIconEx(dc, PaintBox1.Left, PaintBox1.Top, icon, size, size, 0, nullptr, DI_NORMAL);
}

}  // namespace velmira
