#include "reminders/time_code.h"

namespace velmira {

int32_t TimeCode(int month, int day, int hour, int minute) {
    const uint32_t code =
        (static_cast<uint32_t>(month) & 0x7Fu) << 24 | (static_cast<uint32_t>(day) & 0xFFu) << 16 |
        (static_cast<uint32_t>(hour) & 0xFFu) << 8 | (static_cast<uint32_t>(minute) & 0xFFu);
    return static_cast<int32_t>(code);
}

int32_t TimeCode(const LocalTime& time) {
    return TimeCode(time.month, time.day, time.hour, time.minute);
}

TimeCodeFields FieldsOf(int32_t code) {
    const uint32_t c = static_cast<uint32_t>(code);
    TimeCodeFields f;
    f.month = static_cast<int>((c >> 24) & 0x7Fu);
    f.day = static_cast<int>((c >> 16) & 0xFFu);
    f.hour = static_cast<int>((c >> 8) & 0xFFu);
    f.minute = static_cast<int>(c & 0xFFu);
    return f;
}

bool ScheduleInUse(int32_t word) { return word < 0; }

int32_t ScheduleWord(int month, int day, int hour, int minute, bool inUse) {
    uint32_t word = static_cast<uint32_t>(TimeCode(month, day, hour, minute));
    if (inUse) word |= kScheduleInUse;
    return static_cast<int32_t>(word);
}

bool ScheduleWordPossible(int32_t word) {
    // The longest each month ever is; 29 February exists in leap years.
    static constexpr int kLongest[13] = {31, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const TimeCodeFields f = FieldsOf(word);
    if (f.month > 12 || f.hour > 23 || f.minute > 59) return false;
    return f.day <= kLongest[f.month];
}

}  // namespace velmira
