#include "dialog_driver.h"

#include <commctrl.h>

#include <atomic>
#include <thread>

namespace velmira::driver {

namespace {

struct Search {
    const wchar_t* caption;
    HWND found = nullptr;
};

BOOL CALLBACK MatchDialog(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD process = 0;
    ::GetWindowThreadProcessId(hwnd, &process);
    wchar_t className[16] = {};
    ::GetClassNameW(hwnd, className, 16);
    if (process != ::GetCurrentProcessId() || ::lstrcmpW(className, L"#32770") != 0 ||
        !::IsWindowVisible(hwnd) || TextOf(hwnd) != search->caption)
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

}  // namespace

HWND WaitForDialog(const wchar_t* caption, DWORD timeoutMs) {
    Search search{caption};
    WaitUntil(
        [&] {
            ::EnumWindows(&MatchDialog, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    return WaitUntil(
        [&] {
            MSG msg;
            while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
            return done();
        },
        timeoutMs);
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    for (;;) {
        if (done()) return true;
        if (::GetTickCount64() >= end) return false;
        ::Sleep(20);
    }
}

Outcome RunDialog(const wchar_t* caption, const std::function<INT_PTR()>& show,
                  const std::function<void(HWND)>& drive) {
    const DWORD uiThread = ::GetCurrentThreadId();
    std::atomic<bool> found{false};
    std::thread driver([&] {
        HWND dialog = WaitForDialog(caption);
        if (!dialog) {
            // Nothing came up: end the modal loop of this thread some other way.
            ::PostThreadMessageW(uiThread, WM_QUIT, 0, 0);
            return;
        }
        found = true;
        drive(dialog);
    });
    Outcome outcome;
    outcome.result = show();
    driver.join();
    outcome.seen = found;
    // A quit meant for the lost dialog must not end the next test's loop.
    MSG msg;
    ::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    return outcome;
}

HWND Control(HWND dialog, int id) { return ::GetDlgItem(dialog, id); }

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(::GetWindowTextW(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

std::wstring ControlText(HWND dialog, int id) { return TextOf(Control(dialog, id)); }

RECT PlaceOf(HWND dialog, HWND control) {
    RECT r{};
    ::GetWindowRect(control, &r);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HWND FocusOf(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &info);
    return info.hwndFocus;
}

void PressKey(HWND dialog, WORD key) {
    HWND focus = FocusOf(dialog);
    HWND target = focus ? focus : dialog;
    ::PostMessageW(target, WM_KEYDOWN, key, 1);
    ::PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

void Click(HWND dialog, int id) { ::PostMessageW(Control(dialog, id), BM_CLICK, 0, 0); }

void ClickTab(HWND dialog, int tabId, int index) {
    // Sent, not posted: the tab control asks and tells its dialog inside the
    // button-down, so the switch (or its veto) is over when this returns.
    HWND tab = Control(dialog, tabId);
    RECT item{};
    ::SendMessageW(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    ::SendMessageW(tab, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(tab, WM_LBUTTONUP, 0, at);
}

}  // namespace velmira::driver
