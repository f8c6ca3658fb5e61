// Times opening the two settings dialogs with a long stored message in every
// slot, visiting each tab and pressing "設定", and checks that the unedited
// messages come back byte for byte. The user-interface thread stands still
// while a dialog opens, so the dial and the reminders wait this long.
// Usage: slot_dialog_bench.exe [characters]   (default 1 MiB of text)
#include <windows.h>
// commctrl.h needs the types of windows.h
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/win/common_controls.h"
#include "reminders/win/kinenbi_dialog.h"
#include "reminders/win/yotei_dialog.h"

using namespace velmira;

namespace {

constexpr double kTargetMs = 500.0;

double Now() {
    LARGE_INTEGER freq, t;
    ::QueryPerformanceFrequency(&freq);
    ::QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(freq.QuadPart);
}

// Japanese text in lines of 40 characters, or one paragraph without a break.
std::wstring LongMessage(size_t characters, bool lineBreaks, wchar_t first) {
    std::wstring text;
    text.reserve(characters);
    while (text.size() < characters) {
        text += static_cast<wchar_t>(first + text.size() % 40);
        if (lineBreaks && text.size() % 42 == 40) text += L"\r\n";
    }
    text.resize(characters);
    return text;
}

// Once the dialog runs its loop: every tab the way a click visits it, then "設定".
double g_shownAt = 0;
void CALLBACK VisitTabsAndConfirm(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    g_shownAt = Now();
    HWND dialog = ::GetActiveWindow();
    HWND tab = ::GetDlgItem(dialog, TSlotDialog::kTabControl1);
    for (int t = 1; t <= kScheduleSlots; ++t) {
        NMHDR notice{tab, static_cast<UINT_PTR>(TSlotDialog::kTabControl1),
                     static_cast<UINT>(TCN_SELCHANGING)};
        ::SendMessageW(dialog, WM_NOTIFY, notice.idFrom, reinterpret_cast<LPARAM>(&notice));
        ::SendMessageW(tab, TCM_SETCURSEL, static_cast<WPARAM>(t % kScheduleSlots), 0);
        notice.code = static_cast<UINT>(TCN_SELCHANGE);
        ::SendMessageW(dialog, WM_NOTIFY, notice.idFrom, reinterpret_cast<LPARAM>(&notice));
    }
    ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

template <typename Dialog, typename Slots>
bool Measure(const char* what, Slots slots) {
    Dialog dialog(nullptr, ::GetModuleHandleW(nullptr), slots, nullptr);
    ::SetTimer(nullptr, 0, 1, &VisitTabsAndConfirm);
    const double start = Now();
    const bool confirmed = dialog.ShowModal();
    const double end = Now();
    const double openMs = g_shownAt - start;
    bool same = confirmed;
    const Slots out = dialog.Slots();
    for (int i = 0; i < kScheduleSlots; ++i) same = same && out[i].message == slots[i].message;
    std::printf("%-40s open %8.1f ms, tabs and 設定 %8.1f ms (target <= %.0f ms) %s%s\n", what,
                openMs, end - g_shownAt, kTargetMs, openMs <= kTargetMs ? "ok" : "SLOW",
                same ? "" : ", MESSAGES CHANGED");
    return same && openMs <= kTargetMs;
}

}  // namespace

int main(int argc, char** argv) {
    const size_t characters = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : size_t{1} << 20;
    std::printf("%zu characters in every slot's message\n", characters);
    InitCommonControlClasses();  // as the program does at start
    bool ok = true;
    for (bool lineBreaks : {false, true}) {
        TYotei::SlotArray schedules;
        TKinenbi::SlotArray anniversaries;
        for (int i = 0; i < kScheduleSlots; ++i) {
            schedules[i].message = LongMessage(characters, lineBreaks, L'あ' + i);
            anniversaries[i].message = LongMessage(characters, lineBreaks, L'ア' + i);
        }
        ok = Measure<TYotei>(lineBreaks ? "予定設定, lines of 40" : "予定設定, one paragraph",
                             schedules) &&
             ok;
        ok = Measure<TKinenbi>(lineBreaks ? "記念日設定, lines of 40" : "記念日設定, one paragraph",
                               anniversaries) &&
             ok;
    }
    return ok ? 0 : 1;
}
