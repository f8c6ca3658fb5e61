#pragma once
// A local time from its fields, for tests of the clock, titles and reminders.

#include <cstdint>

#include "base/types.h"

namespace velmira {

inline LocalTime LocalTimeOf(int year, int month, int day, int hour, int minute, int second = 0) {
    LocalTime t;
    t.year = static_cast<uint16_t>(year);
    t.month = static_cast<uint16_t>(month);
    t.day = static_cast<uint16_t>(day);
    t.hour = static_cast<uint16_t>(hour);
    t.minute = static_cast<uint16_t>(minute);
    t.second = static_cast<uint16_t>(second);
    return t;
}

}  // namespace velmira
