#include "settings/win/del_reg_dlg.h"

#include "base/win/dialog_template.h"

namespace velmira {

namespace {

const DialogControl kControls[] = {
    // OK comes first so that it holds the focus when the dialog opens.
    {IDOK, kButtonAtom, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, L"OK", 145, 52, 88, 21},
    {IDCANCEL, kButtonAtom, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, L"キャンセル", 238, 52, 88, 21},
    {TDelRegDlg::kLabelId, kStaticAtom, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
     L"本アプリのレジストリを削除し、設定内容を初期化します。", 80, 12, 369, 37},
};

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;

}  // namespace

bool TDelRegDlg::Execute(HWND owner) {
    TDelRegDlg dialog(owner);
    return dialog.ShowModal() == IDOK;
}

INT_PTR TDelRegDlg::ShowModal() {
    return RunModal(DialogTemplate(kDialogStyle, kDialogExStyle, L"?", kControls,
                                   sizeof(kControls) / sizeof(kControls[0])));
}

INT_PTR TDelRegDlg::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        FormCreate();
        return TRUE;  // the focus goes to OK, the first control
    case WM_SHOWWINDOW:
        if (wParam && !shown_) {
            shown_ = true;
            FormShow();
        }
        return FALSE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(hwnd_, &ps);
        PaintBox1Paint(dc);
        ::EndPaint(hwnd_, &ps);
        return TRUE;
    }
    case WM_CTLCOLORSTATIC:
        // The label is transparent: the dialog's face shows through.
        if (reinterpret_cast<HWND>(lParam) == ::GetDlgItem(hwnd_, kLabelId)) {
            ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<INT_PTR>(::GetStockObject(NULL_BRUSH));
        }
        return FALSE;
    case WM_COMMAND:
        // The close box and Esc arrive as IDCANCEL.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            ::EndDialog(hwnd_, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void TDelRegDlg::FormCreate() {
    PaintBox1.SetBounds(15, 12, 32, 32);
    font_ = CreateFormFont();
    PlaceControls(hwnd_, kControls, sizeof(kControls) / sizeof(kControls[0]), font_.get());

    // Client area 464 x 83, centred on the screen, above other windows.
    RECT frame{0, 0, kClientWidth, kClientHeight};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    ::SetWindowPos(hwnd_, HWND_TOPMOST, left, top, width, height, SWP_NOACTIVATE);
}

void TDelRegDlg::FormShow() {
    ::MessageBeep(MB_ICONQUESTION);
}

void TDelRegDlg::PaintBox1Paint(HDC dc) {
    // A shared system icon: it is never destroyed.
    HICON icon = ::LoadIconW(nullptr, IDI_QUESTION);
    if (icon) ::DrawIcon(dc, PaintBox1.Left, PaintBox1.Top, icon);
}

}  // namespace velmira
