#pragma once
// Base of every window class: registers the class once, keeps `this` in the
// window (stored at WM_NCCREATE) and routes messages to HandleMessage; the
// window's timers (TTimer) go to their own handlers first.

#include <windows.h>

namespace velmira {

// Registers a window class of the program once; later calls find it. False
// when Windows refuses.
struct WindowClass {
    const wchar_t* name;
    WNDPROC proc;
    UINT style = 0;
    HBRUSH background = nullptr;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
};
bool EnsureWindowClass(const WindowClass& cls);

class FormWindow {
public:
    FormWindow() = default;
    virtual ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    HWND Handle() const { return hwnd_; }

protected:
    // Creates the window; className is registered on first use.
    bool CreateForm(const wchar_t* className, DWORD exStyle, DWORD style, const wchar_t* caption,
                    int x, int y, int width, int height, HWND owner, HBRUSH background = nullptr,
                    HICON icon = nullptr);
    virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam) {
        return ::DefWindowProcW(hwnd_, msg, wParam, lParam);
    }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

}  // namespace velmira
