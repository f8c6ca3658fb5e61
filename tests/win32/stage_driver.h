#pragma once
// Drives a main stage the way Windows and the clock thread do: its window's
// messages and the clock's hand-overs. What it holds is read through
// MainStageView.

#include <windows.h>

#include "app/win/main_stage.h"
#include "main_stage_view.h"

namespace velmira {
namespace drive {

// The application object the program's entry point would make.
inline TApplication& TestApplication() {
    static TApplication application;
    return application;
}

// Where a test stage keeps its settings: a key of the tests' own.
constexpr wchar_t kStageTestKey[] = L"SOFTWARE\\Quorvane\\VelmiraStageTests";
// And its Run value, never the real Run key's.
constexpr wchar_t kRunTestKey[] = L"SOFTWARE\\Quorvane\\VelmiraStageTestsRun";

// The machine's inputs, with the settings under kStageTestKey as they stand.
inline StageEnvironment StoredEnvironment() {
    StageEnvironment environment = StageEnvironment::System();
    environment.settings.keyPath = kStageTestKey;
    environment.signIn.keyPath = kRunTestKey;
    return environment;
}

// The same with the keys emptied first: the stage starts from the defaults,
// whatever an earlier test stored.
inline StageEnvironment Environment() {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kStageTestKey);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kRunTestKey);
    return StoredEnvironment();
}

// Stores every value a load reads up to ThreadPrio (the first one missing
// would end it), with this ThreadPrio, under kStageTestKey.
inline void StoreThroughThreadPrio(DWORD threadPrio) {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kStageTestKey);
    const struct {
        const wchar_t* name;
        DWORD value;
    } values[] = {
        {L"AnaDigi", 1},   {L"StayOnTop", 0},  {L"FormLeft", 40},          {L"FormTop", 64},
        {L"lastYotei", 0}, {L"samiLim", 3600}, {L"ThreadPrio", threadPrio}};
    for (const auto& v : values)
        ::RegSetKeyValueW(HKEY_CURRENT_USER, kStageTestKey, v.name, REG_DWORD, &v.value,
                          sizeof(v.value));
}

inline MainStageView View(const TMainStage& s) { return MainStageView(s); }

// A menu item or a debug control's click.
inline void Command(TMainStage& s, UINT id) { ::SendMessageW(s.Handle(), WM_COMMAND, id, 0); }

// The popup menu is about to show (the hidden items follow the held keys).
inline void MenuOpens(TMainStage& s) {
    ::SendMessageW(s.Handle(), WM_INITMENUPOPUP,
                   reinterpret_cast<WPARAM>(View(s).PopupMenu1().Handle()), 0);
}

// The clock thread's minute hand-over.
inline void ClockRedraw(TMainStage& s, int hour, int minute) {
    static_cast<ClockTarget&>(s).RedrawClock(hour, minute);
}

// Paints the window now, the dial included.
inline void Repaint(TMainStage& s) {
    ::InvalidateRect(s.Handle(), nullptr, FALSE);
    ::UpdateWindow(s.Handle());
}

}  // namespace drive
}  // namespace velmira
