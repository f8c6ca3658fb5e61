#include "about/win/about_box.h"

#include "about/about_layout.h"
#include "base/centring.h"

#include "base/win/dialog_template.h"

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

Rect ScreenRect(const RECT& r) { return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top}; }

}  // namespace

INT_PTR TAboutBox::ShowModal() {
    return RunModal(DialogTemplate(kDialogStyle, kDialogExStyle, L"バージョン情報", kControls,
                                   sizeof(kControls) / sizeof(kControls[0])));
}

INT_PTR TAboutBox::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_INITDIALOG:
            FormCreate();
            return TRUE;  // the focus goes to OK, the first control
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(hwnd_, &ps);
            ImagePaintPaint(dc);
            ::EndPaint(hwnd_, &ps);
            return TRUE;
        }
        case WM_CTLCOLORSTATIC:
            // The labels are transparent: the dialog's face shows through.
            ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<INT_PTR>(::GetStockObject(NULL_BRUSH));
        case WM_COMMAND:
            // Enter reaches OK; Esc and the close box arrive as IDCANCEL.
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                ::EndDialog(hwnd_, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        default:
            (void)lParam;
            return FALSE;
    }
}

void TAboutBox::FormCreate() {
    font_ = CreateFormFont();
    PlaceControls(hwnd_, kControls, sizeof(kControls) / sizeof(kControls[0]), font_.get());

    ::SetDlgItemTextW(hwnd_, kNameLabelId, L"Velmira時計");
    ::SetDlgItemTextW(hwnd_, kVersLabelId, L"Ver. 1.00");

    // The picture keeps the designed box's centre, whatever its size.
    aboutBitmap.reset(static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr), pictureName_,
                                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
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
    RECT frame{0, 0, kClientWidth, kClientHeight};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT ownerRect{};
    if (!owner_ || !::GetWindowRect(owner_, &ownerRect)) {
        ownerRect = RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    }
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    RECT work = ownerRect;
    if (::GetMonitorInfoW(::MonitorFromRect(&ownerRect, MONITOR_DEFAULTTONEAREST), &monitor))
        work = monitor.rcWork;
    const Point at = CentredOnOwner(ScreenRect(ownerRect), width, height, ScreenRect(work));
    ::SetWindowPos(hwnd_, nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TAboutBox::ImagePaintPaint(HDC dc) {
    if (!aboutBitmap) return;
    UniqueMemDc memory(::CreateCompatibleDC(dc));
    if (!memory) return;
    SelectInDc select(memory.get(), aboutBitmap.get());
    ::BitBlt(dc, ImagePaint.Left, ImagePaint.Top, ImagePaint.Width, ImagePaint.Height, memory.get(),
             0, 0, SRCCOPY);
}

}  // namespace velmira
