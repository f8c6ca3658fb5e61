#include "base/win/modal_dialog.h"

#include <algorithm>
#include <exception>

#include "base/centring.h"
#include "base/win/monitors.h"
#include "base/win/window_places.h"
#include "base/win/dpi.h"
#include "base/win/error_box.h"

namespace velmira {

namespace {

// The innermost modal dialog of this thread, for the key filter.
thread_local ModalDialog* tl_keyDialog = nullptr;

}  // namespace

INT_PTR ModalDialog::RunModal(const DialogTemplate& dialogTemplate) {
    template_ = &dialogTemplate;
    shown_ = false;
    // It opens on her monitor; without an owner, at the system's scale.
    if (!scaleGiven_) scale_ = WindowScale(owner_);
    // The dialog manager's loop offers each message to the thread's message
    // filter before it handles it itself: the one place to see Ctrl+Tab.
    ModalDialog* const outer = tl_keyDialog;
    tl_keyDialog = this;
    INT_PTR result = 0;
    {
        UniqueHook filter(::SetWindowsHookExW(WH_MSGFILTER, &ModalDialog::KeyFilter, nullptr,
                                              ::GetCurrentThreadId()));
        result =
            ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), dialogTemplate.Get(), owner_,
                                      &ModalDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    }
    tl_keyDialog = outer;
    template_ = nullptr;
    hwnd_ = nullptr;
    return result;
}

INT_PTR CALLBACK ModalDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    ModalDialog* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<ModalDialog*>(lParam);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<ModalDialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;
    try {
        return self->HandleMessage(msg, wParam, lParam);
    } catch (const std::exception& error) {
        // Never unwind through the dialog manager: say so and keep the dialog.
        ShowErrorBox(hwnd, error);
        return FALSE;
    }
}

INT_PTR ModalDialog::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_INITDIALOG: {
            // The dialog lays itself out again from its 96-DPI layout when its
            // DPI changes: the system must not scale it a second time.
            KeepDialogDpiLayout(hwnd_);
            font_ = CreateFormFont(scale_);
            const std::vector<DialogControl>& controls = template_->Controls();
            PlaceControls(hwnd_, controls.data(), controls.size(), font_.get(), scale_);
            return OnInitDialog() ? TRUE : FALSE;
        }
        case WM_DPICHANGED:
            ApplyScale(DisplayScale(LOWORD(wParam)), reinterpret_cast<const RECT*>(lParam));
            return TRUE;
        case WM_SHOWWINDOW:
            if (wParam && !shown_) {
                shown_ = true;
                OnFirstShow();
            }
            return FALSE;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(hwnd_, &ps);
            Paint(dc);
            ::EndPaint(hwnd_, &ps);
            return TRUE;
        }
        case WM_CTLCOLORSTATIC:
            if (!IsTransparent(reinterpret_cast<HWND>(lParam))) return FALSE;
            ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<INT_PTR>(::GetStockObject(NULL_BRUSH));
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (id == IDOK) {
                if (OnOK()) ::EndDialog(hwnd_, IDOK);
                return TRUE;
            }
            if (id == IDCANCEL) {
                OnCancel();
                ::EndDialog(hwnd_, IDCANCEL);
                return TRUE;
            }
            return OnCommand(id, HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
        }
        case WM_NOTIFY:
            // A dialog procedure answers through DWLP_MSGRESULT, not its return.
            ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT,
                                OnNotify(*reinterpret_cast<const NMHDR*>(lParam)));
            return TRUE;
        default:
            return FALSE;
    }
}

LRESULT CALLBACK ModalDialog::KeyFilter(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    ModalDialog* dialog = tl_keyDialog;
    if (code == MSGF_DIALOGBOX && msg && dialog && dialog->hwnd_ &&
        (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) &&
        (msg->hwnd == dialog->hwnd_ || ::IsChild(dialog->hwnd_, msg->hwnd))) {
        try {
            if (dialog->OnDialogKey(*msg)) return TRUE;
        } catch (const std::exception& error) {
            ShowErrorBox(dialog->hwnd_, error);
            return TRUE;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

bool ModalDialog::OnDialogKey(const MSG&) { return false; }

bool ModalDialog::OnCommand(int, int, HWND) { return false; }

LRESULT ModalDialog::OnNotify(const NMHDR&) { return 0; }

void ModalDialog::Paint(HDC) {}

bool ModalDialog::IsTransparent(HWND control) const {
    if (allStaticsTransparent_) {
        // Only real statics: read-only edits and check boxes ask the same way,
        // and a hollow brush would leave stale text behind in them.
        wchar_t className[16] = {};
        ::GetClassNameW(control, className, 16);
        return ::lstrcmpiW(className, L"Static") == 0;
    }
    return std::find(transparentIds_.begin(), transparentIds_.end(), ::GetDlgCtrlID(control)) !=
           transparentIds_.end();
}

void ModalDialog::ApplyScale(const DisplayScale& scale, const RECT* suggested) {
    scale_ = scale;
    // The old font stays alive until every control has the new one.
    UniqueFont font = CreateFormFont(scale_);
    const std::vector<DialogControl>& controls = template_->Controls();
    PlaceControls(hwnd_, controls.data(), controls.size(), font.get(), scale_);
    font_ = std::move(font);
    if (clientSize_.cx > 0) SetClientSize(clientSize_.cx, clientSize_.cy);
    OnScaleChanged();
    // The size is the dialog's own; the place is the one Windows suggests.
    if (suggested)
        ::SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void ModalDialog::SetClientSize(int width, int height) {
    clientSize_ = SIZE{width, height};
    velmira::SetClientSize(hwnd_, Px(width), Px(height));
}

void ModalDialog::CenterOnOwner() {
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    HWND owner = ::GetWindow(hwnd_, GW_OWNER);
    const bool ownerShown = owner && ::IsWindowVisible(owner) && !::IsIconic(owner);
    RECT ownerRect{};  // at the origin, on the primary monitor, when there is no owner
    if (owner) ::GetWindowRect(owner, &ownerRect);
    const Rect work = MonitorNearest(ownerRect).workArea;
    const Point at = CentredOnOwner(ownerShown ? ToRect(ownerRect) : work,
                                    window.right - window.left, window.bottom - window.top, work);
    ::SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ModalDialog::CenterOnScreen() {
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    // Kept on the work area: one larger than it opens at its top-left
    // corner, so its buttons can be reached.
    const Rect screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    const Point at = CentredOnOwner(screen, window.right - window.left, window.bottom - window.top,
                                    PrimaryWorkArea());
    ::SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace velmira
