#include "base/win/form_window.h"

#include <exception>

#include "base/win/error_box.h"
#include "base/win/timer.h"

namespace velmira {

FormWindow::~FormWindow() {
    if (hwnd_) {
        // Detach first: no message may reach a half-destroyed object.
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        ::DestroyWindow(hwnd_);
    }
}

bool FormWindow::CreateForm(const wchar_t* className, DWORD exStyle, DWORD style,
                            const wchar_t* caption, int x, int y, int width, int height, HWND owner,
                            HBRUSH background, HICON icon) {
    if (!EnsureWindowClass({className, &FormWindow::WindowProc, CS_DBLCLKS, background, icon,
                            ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512))}))  // IDC_ARROW
        return false;
    return ::CreateWindowExW(exStyle, className, caption, style, x, y, width, height, owner,
                             nullptr, ::GetModuleHandleW(nullptr), this) != nullptr;
}

bool EnsureWindowClass(const WindowClass& cls) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (::GetClassInfoExW(instance, cls.name, &wc)) return true;
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof(wc);
    wc.style = cls.style;
    wc.lpfnWndProc = cls.proc;
    wc.hInstance = instance;
    wc.hCursor = cls.cursor;
    wc.hbrBackground = cls.background;
    wc.hIcon = cls.icon;
    wc.hIconSm = cls.icon;
    wc.lpszClassName = cls.name;
    return ::RegisterClassExW(&wc) != 0;
}

LRESULT FormWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return Default(msg, wParam, lParam);
}

LRESULT CALLBACK FormWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    FormWindow* self = nullptr;
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        self = static_cast<FormWindow*>(cs->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<FormWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    LRESULT result = 0;
    try {
        // Each part's timer goes to its own handler; the window routes no ids.
        if (msg == WM_TIMER && TTimer::DispatchTimer(hwnd, wParam)) return 0;
        result = self->HandleMessage(msg, wParam, lParam);
    } catch (const std::exception& error) {
        // An error in a handler must not unwind through Windows' own frames:
        // say what went wrong and let the loop run on. A sender on another
        // thread or in another program is let go first, never kept waiting
        // for the box.
        if (::InSendMessage()) ::ReplyMessage(0);
        ShowErrorBox(hwnd, error);
        result = ::DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

}  // namespace velmira
