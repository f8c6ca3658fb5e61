// A small Win32 helper for the end-to-end tests, run in the same Wine prefix
// as the program:
//   e2e_helper close <class>     posts WM_CLOSE to every top-level window of that class
//   e2e_helper window            shows a small window until it is closed or killed
//                                (Wine sees keys held before a launch only while
//                                some Wine window exists under the pointer)
//   e2e_helper title <class>     prints the window text of the first window of that class (UTF-8)
//   e2e_helper count <class>     prints how many top-level windows of that class exist
//   e2e_helper texts <class>     prints the texts of the child windows of the first visible
//                                window of that class, one per line (UTF-8; CR and LF as \r, \n)
//   e2e_helper fullscreen <rrggbb> [short]  covers the primary monitor with a window of that
//                                  colour, `short` pixels short of its height
//                                (WS_POPUP, class VelmiraE2EFullScreen), brought to the
//                                foreground, until it is closed or the helper is killed
//   e2e_helper client <class>    prints the client area of the first visible window of that
//                                class in screen pixels: left top width height
//   e2e_helper controls <class>  prints each shown control of the first visible window of that
//                                class in its client pixels: left top width height
// It reads windows in real pixels at any display scale, as she draws them.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct CloseData {
    const wchar_t* className;
    int count;
};

BOOL CALLBACK CloseIfClass(HWND hwnd, LPARAM lParam) {
    auto* data = reinterpret_cast<CloseData*>(lParam);
    wchar_t name[256];
    if (::GetClassNameW(hwnd, name, 256) && std::wcscmp(name, data->className) == 0) {
        ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
        ++data->count;
    }
    return TRUE;
}

LRESULT CALLBACK HelperProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_LBUTTONDOWN) {
        // A click that reached it, for the test to read from its title.
        wchar_t title[64];
        std::swprintf(title, 64, L"e2e-helper clicked %d,%d", static_cast<short>(LOWORD(lParam)),
                      static_cast<short>(HIWORD(lParam)));
        ::SetWindowTextW(hwnd, title);
        return 0;
    }
    if (msg == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

// 1280 x 1024 unless a size is given.
int ShowHelperWindow(int width, int height) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = HelperProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
    wc.lpszClassName = L"VelmiraE2EHelper";
    ::RegisterClassW(&wc);
    HWND hwnd = ::CreateWindowExW(0, wc.lpszClassName, L"e2e-helper", WS_POPUP | WS_VISIBLE, 0, 0,
                                  width, height, nullptr, nullptr, wc.hInstance, nullptr);
    if (!hwnd) return 1;
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
    return 0;
}

// `shortBy` pixels short of the screen's height: 0 for a real full-screen window.
int ShowFullScreen(const wchar_t* colour, int shortBy) {
    const unsigned long rgb = std::wcstoul(colour, nullptr, 16);
    WNDCLASSW wc{};
    wc.lpfnWndProc = HelperProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hbrBackground = ::CreateSolidBrush(RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
    wc.lpszClassName = L"VelmiraE2EFullScreen";
    ::RegisterClassW(&wc);
    HWND hwnd = ::CreateWindowExW(
        0, wc.lpszClassName, L"e2e-fullscreen", WS_POPUP, 0, 0, ::GetSystemMetrics(SM_CXSCREEN),
        ::GetSystemMetrics(SM_CYSCREEN) - shortBy, nullptr, nullptr, wc.hInstance, nullptr);
    if (!hwnd) return 1;
    ::ShowWindow(hwnd, SW_SHOW);
    ::SetForegroundWindow(hwnd);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
    return 0;
}

BOOL CALLBACK PrintText(HWND child, LPARAM) {
    wchar_t text[1024] = {};
    ::GetWindowTextW(child, text, 1024);
    std::wstring line;
    for (const wchar_t* c = text; *c; ++c) {
        if (*c == L'\r')
            line += L"\\r";
        else if (*c == L'\n')
            line += L"\\n";
        else
            line += *c;
    }
    char utf8[4096] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, utf8, sizeof(utf8), nullptr, nullptr);
    std::printf("%s\n", utf8);
    return TRUE;
}

BOOL CALLBACK PrintControl(HWND child, LPARAM parent) {
    // Only the window's own controls as shown, not the parts of a combo box.
    if (::GetParent(child) != reinterpret_cast<HWND>(parent) || !::IsWindowVisible(child))
        return TRUE;
    RECT r{};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, reinterpret_cast<HWND>(parent), reinterpret_cast<POINT*>(&r), 2);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    ::SetProcessDPIAware();
    if (argc >= 3 && std::wcscmp(argv[1], L"controls") == 0) {
        for (HWND hwnd = ::FindWindowExW(nullptr, nullptr, argv[2], nullptr); hwnd;
             hwnd = ::FindWindowExW(nullptr, hwnd, argv[2], nullptr)) {
            if (!::IsWindowVisible(hwnd)) continue;
            ::EnumChildWindows(hwnd, &PrintControl, reinterpret_cast<LPARAM>(hwnd));
            return 0;
        }
        return 1;
    }
    if (argc >= 3 && std::wcscmp(argv[1], L"close") == 0) {
        CloseData data{argv[2], 0};
        ::EnumWindows(&CloseIfClass, reinterpret_cast<LPARAM>(&data));
        std::printf("%d\n", data.count);
        return data.count > 0 ? 0 : 1;
    }
    if (argc >= 3 && std::wcscmp(argv[1], L"count") == 0) {
        int count = 0;
        for (HWND hwnd = ::FindWindowExW(nullptr, nullptr, argv[2], nullptr); hwnd;
             hwnd = ::FindWindowExW(nullptr, hwnd, argv[2], nullptr))
            ++count;
        std::printf("%d\n", count);
        return 0;
    }
    if (argc >= 2 && std::wcscmp(argv[1], L"window") == 0)
        return ShowHelperWindow(argc >= 4 ? std::wcstol(argv[2], nullptr, 10) : 1280,
                                argc >= 4 ? std::wcstol(argv[3], nullptr, 10) : 1024);
    if (argc >= 3 && std::wcscmp(argv[1], L"style") == 0) {
        HWND hwnd = ::FindWindowW(argv[2], nullptr);
        if (!hwnd) return 1;
        BYTE alpha = 255;
        DWORD flags = 0;
        COLORREF key = 0;
        ::GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags);
        std::printf("exstyle=0x%08lx alpha=%u visible=%d\n",
                    static_cast<unsigned long>(::GetWindowLongW(hwnd, GWL_EXSTYLE)), alpha,
                    ::IsWindowVisible(hwnd) ? 1 : 0);
        return 0;
    }
    if (argc >= 4 && std::wcscmp(argv[1], L"at") == 0) {
        const POINT pt{std::wcstol(argv[2], nullptr, 10), std::wcstol(argv[3], nullptr, 10)};
        wchar_t name[256] = {};
        if (HWND hwnd = ::WindowFromPoint(pt))
            ::GetClassNameW(::GetAncestor(hwnd, GA_ROOT), name, 256);
        std::printf("%ls\n", name);
        return 0;
    }
    if (argc >= 3 && std::wcscmp(argv[1], L"fullscreen") == 0)
        return ShowFullScreen(argv[2], argc >= 4 ? std::wcstol(argv[3], nullptr, 10) : 0);
    if (argc >= 3 && std::wcscmp(argv[1], L"title") == 0) {
        HWND hwnd = ::FindWindowW(argv[2], nullptr);
        if (!hwnd) return 1;
        wchar_t text[512] = {};
        ::GetWindowTextW(hwnd, text, 512);
        char utf8[2048] = {};
        ::WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof(utf8), nullptr, nullptr);
        std::printf("%s\n", utf8);
        return 0;
    }
    if (argc >= 3 && std::wcscmp(argv[1], L"texts") == 0) {
        for (HWND hwnd = ::FindWindowExW(nullptr, nullptr, argv[2], nullptr); hwnd;
             hwnd = ::FindWindowExW(nullptr, hwnd, argv[2], nullptr)) {
            if (!::IsWindowVisible(hwnd)) continue;
            ::EnumChildWindows(hwnd, &PrintText, 0);
            return 0;
        }
        return 1;
    }
    if (argc >= 3 && std::wcscmp(argv[1], L"client") == 0) {
        for (HWND hwnd = ::FindWindowExW(nullptr, nullptr, argv[2], nullptr); hwnd;
             hwnd = ::FindWindowExW(nullptr, hwnd, argv[2], nullptr)) {
            if (!::IsWindowVisible(hwnd)) continue;
            RECT client{};
            POINT origin{0, 0};
            ::GetClientRect(hwnd, &client);
            ::ClientToScreen(hwnd, &origin);
            std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, client.right - client.left,
                        client.bottom - client.top);
            return 0;
        }
        return 1;
    }
    std::fprintf(
        stderr,
        "usage: e2e_helper close <class> | window [w h] | fullscreen <rrggbb> [short] | title "
        "<class> | "
        "count <class> | texts <class> | client <class> | controls <class> | style <class> | "
        "at <x> <y>\n");
    return 2;
}
