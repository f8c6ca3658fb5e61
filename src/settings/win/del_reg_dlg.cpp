#include "settings/win/del_reg_dlg.h"

#include <cstdint>
#include <vector>

namespace velmira {

namespace {

struct ControlLayout {
    int id;
    uint16_t classAtom;  // 0x0080 button, 0x0082 static
    DWORD style;
    const wchar_t* caption;
    int left, top, width, height;
};

constexpr uint16_t kButtonAtom = 0x0080;
constexpr uint16_t kStaticAtom = 0x0082;

const ControlLayout kControls[] = {
    // OK comes first so that it holds the focus when the dialog opens.
    {IDOK, kButtonAtom, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, L"OK", 145, 52, 88, 21},
    {IDCANCEL, kButtonAtom, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, L"キャンセル", 238, 52, 88, 21},
    {TDelRegDlg::kLabelId, kStaticAtom, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
     L"本アプリのレジストリを削除し、設定内容を初期化します。", 80, 12, 369, 37},
};

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;

// An in-memory dialog template. Sizes in it are dialog units, which depend on
// the font, so the controls are placed in pixels once the dialog exists.
class TemplateWriter {
public:
    void Word(uint16_t w) { words_.push_back(w); }
    void Dword(uint32_t d) {
        Word(static_cast<uint16_t>(d & 0xFFFF));
        Word(static_cast<uint16_t>(d >> 16));
    }
    void Text(const wchar_t* s) {
        for (; *s; ++s) Word(static_cast<uint16_t>(*s));
        Word(0);
    }
    void AlignDword() {
        if (words_.size() % 2) Word(0);
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    std::vector<uint16_t> words_;  // vector storage is aligned well beyond a DWORD
};

}  // namespace

bool TDelRegDlg::Execute(HWND owner) {
    TDelRegDlg dialog(owner);
    return dialog.ShowModal() == IDOK;
}

INT_PTR TDelRegDlg::ShowModal() {
    TemplateWriter t;
    t.Dword(kDialogStyle);
    t.Dword(kDialogExStyle);
    t.Word(static_cast<uint16_t>(sizeof(kControls) / sizeof(kControls[0])));
    t.Word(0);  // x, y, cx, cy: set in pixels later
    t.Word(0);
    t.Word(0);
    t.Word(0);
    t.Word(0);  // no menu
    t.Word(0);  // the standard dialog class
    t.Text(L"?");
    for (const ControlLayout& c : kControls) {
        t.AlignDword();
        t.Dword(c.style);
        t.Dword(0);  // extended style
        t.Word(0);   // x, y, cx, cy
        t.Word(0);
        t.Word(0);
        t.Word(0);
        t.Word(static_cast<uint16_t>(c.id));
        t.Word(0xFFFF);
        t.Word(c.classAtom);
        t.Text(c.caption);
        t.Word(0);  // no creation data
    }
    return ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), t.Get(), owner_, &TDelRegDlg::DialogProc,
                                     reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK TDelRegDlg::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TDelRegDlg* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<TDelRegDlg*>(lParam);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<TDelRegDlg*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    return self ? self->HandleMessage(msg, wParam, lParam) : FALSE;
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
    font_.reset(::CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                              L"ＭＳ Ｐゴシック"));
    for (const ControlLayout& c : kControls) {
        HWND control = ::GetDlgItem(hwnd_, c.id);
        ::MoveWindow(control, c.left, c.top, c.width, c.height, FALSE);
        if (font_) ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    }
    if (font_) ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);

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
