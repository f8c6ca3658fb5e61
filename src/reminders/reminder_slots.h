#pragma once
// The reminder slots the user fills in the two settings dialogs, and the
// entries of the queue that announces them. Portable: no Windows headers.

#include <array>
#include <cstdint>
#include <string>

namespace velmira {

// One anniversary slot: KiTuki is the packed month word, KiHi the day.
struct AnniversaryEntry {
    std::wstring message;
    std::wstring sound;
    uint16_t KiTuki = 0;
    int8_t KiHi = 1;
};

// One schedule slot: Yotei is a time code whose month or day may be 0
// (every month, every day), bit 31 set while the slot is in use.
struct ScheduleEntry {
    std::wstring message;
    std::wstring sound;
    int32_t Yotei = 0;
};

// The one reading of an anniversary's month word, for the matching, the
// balloon's label and the dialog alike: bit 8 is in use, bits 0..7 the month
// (0 = every month); a hand-edited word's other bits count for nothing.
constexpr uint16_t kAnniversaryInUse = 0x100;
constexpr bool AnniversaryInUse(uint16_t word) { return (word & kAnniversaryInUse) != 0; }
constexpr int AnniversaryMonth(uint16_t word) { return word & 0xFF; }

// How many slots of each kind the user has.
constexpr int kAnniversarySlots = 3;
constexpr int kScheduleSlots = 3;

// Everything the reminders read and move: the three anniversaries, the three
// schedules, and the minute of the last announced schedule, which the
// catch-up of missed schedules starts from.
struct ReminderSlots {
    std::array<AnniversaryEntry, kAnniversarySlots> anniversaries{};
    std::array<ScheduleEntry, kScheduleSlots> schedules{};
    int32_t lastYotei = 0;  // time code of the last announced schedule minute
};

// An entry of the reminder queue: which kind of slot, and which slot; a
// schedule also keeps the time code of the minute it came due for.
struct QueuedReminder {
    enum Kind : int32_t { Anniversary = 0, Schedule = 1 };
    int32_t kind = Anniversary;
    int32_t slot = 0;
    int32_t dueCode = 0;
};

}  // namespace velmira
