#pragma once
// The user's settings as plain fields named after their registry values.
// The settings session owns them for the run; the stage and its parts read them.

#include <cstdint>

#include "reminders/reminder_slots.h"

namespace velmira {

struct StageSettings {
    bool AnaDigi = true;     // true: analog hands; false: digital numerals
    bool StayOnTop = false;  // the stage and the balloon above other windows
    int32_t FormLeft = 40;   // window position applied at the first show
    int32_t FormTop = 64;
    int32_t samiLim = 3600;  // seconds unattended before loneliness; 0 = never
    int32_t ThreadPrio = 0;  // clock thread priority index (clock/thread_priority.h), 0 idle
    bool DigiAMPM = false;   // 12-hour form in the digital display
    // Living beside her all day; each is read on its own, so an older key
    // leaves these at their defaults.
    bool ClickThrough = false;  // clicks and the pointer pass through her
    int32_t Opacity = 100;      // percent: 100, 80, 60 or 40
    int32_t SizePct = 100;      // her size, percent of her drawn size
    bool ShowInTaskbar = true;  // a taskbar button and a place in Alt+Tab
    bool Mute = false;          // she plays no sound
    ReminderSlots reminders;    // the slots and lastYotei
};

}  // namespace velmira
