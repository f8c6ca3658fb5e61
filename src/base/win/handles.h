#pragma once
// Move-only owners for Win32 handles. release() hands the handle over to
// whoever takes ownership from then on (SetWindowRgn owns the region it gets).

#include <windows.h>
// commctrl.h needs the types of windows.h
#include <commctrl.h>

#include <utility>

namespace velmira {

template <typename H, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H h) : h_(h) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& o) noexcept : h_(o.release()) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept {
        if (this != &o) reset(o.release());
        return *this;
    }

    H get() const { return h_; }
    explicit operator bool() const { return h_ != Traits::Invalid(); }
    H release() { return std::exchange(h_, Traits::Invalid()); }
    void reset(H h = Traits::Invalid()) {
        if (h_ != Traits::Invalid() && h_ != h) Traits::Close(h_);
        h_ = h;
    }

private:
    H h_ = Traits::Invalid();
};

template <typename H>
struct GdiTraits {
    static H Invalid() { return nullptr; }
    static void Close(H h) { ::DeleteObject(h); }
};
struct KernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
// CreateFileW answers INVALID_HANDLE_VALUE, not null, when it fails.
struct FileHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct RegKeyTraits {
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY h) { ::RegCloseKey(h); }
};
struct MemoryDcTraits {
    static HDC Invalid() { return nullptr; }
    static void Close(HDC h) { ::DeleteDC(h); }
};
struct IconTraits {
    static HICON Invalid() { return nullptr; }
    static void Close(HICON h) { ::DestroyIcon(h); }
};
struct MenuTraits {
    static HMENU Invalid() { return nullptr; }
    static void Close(HMENU h) { ::DestroyMenu(h); }
};
// Destroy on the thread that created the window. The user data is cleared
// first, so no message sent during the destruction reaches the object that
// the window procedure finds there.
struct WindowTraits {
    static HWND Invalid() { return nullptr; }
    static void Close(HWND h) {
        ::SetWindowLongPtrW(h, GWLP_USERDATA, 0);
        ::DestroyWindow(h);
    }
};

struct ImageListTraits {
    static HIMAGELIST Invalid() { return nullptr; }
    static void Close(HIMAGELIST h) { ::ImageList_Destroy(h); }
};

struct HookTraits {
    static HHOOK Invalid() { return nullptr; }
    static void Close(HHOOK h) { ::UnhookWindowsHookEx(h); }
};
struct WinEventHookTraits {
    static HWINEVENTHOOK Invalid() { return nullptr; }
    static void Close(HWINEVENTHOOK h) { ::UnhookWinEvent(h); }
};

using UniqueRgn = UniqueHandle<HRGN, GdiTraits<HRGN>>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiTraits<HBITMAP>>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiTraits<HBRUSH>>;
using UniquePen = UniqueHandle<HPEN, GdiTraits<HPEN>>;
using UniqueFont = UniqueHandle<HFONT, GdiTraits<HFONT>>;
using UniqueHandleK = UniqueHandle<HANDLE, KernelHandleTraits>;
using UniqueFile = UniqueHandle<HANDLE, FileHandleTraits>;
using UniqueKey = UniqueHandle<HKEY, RegKeyTraits>;
using UniqueMemDc = UniqueHandle<HDC, MemoryDcTraits>;
using UniqueMenu = UniqueHandle<HMENU, MenuTraits>;
using UniqueIcon = UniqueHandle<HICON, IconTraits>;
using UniqueImageList = UniqueHandle<HIMAGELIST, ImageListTraits>;
using UniqueWindow = UniqueHandle<HWND, WindowTraits>;
using UniqueHook = UniqueHandle<HHOOK, HookTraits>;
using UniqueWinEventHook = UniqueHandle<HWINEVENTHOOK, WinEventHookTraits>;

// A window DC from GetDC, given back with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
    ~WindowDc() {
        if (dc_) ::ReleaseDC(hwnd_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// Selects an object into a DC for one scope and puts the old one back.
class SelectInDc {
public:
    SelectInDc(HDC dc, HGDIOBJ obj) : dc_(dc), old_(::SelectObject(dc, obj)) {}
    ~SelectInDc() { ::SelectObject(dc_, old_); }
    SelectInDc(const SelectInDc&) = delete;
    SelectInDc& operator=(const SelectInDc&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace velmira
