#pragma once
// The 32-bit minute stamp that orders the moments of one calendar year, and
// the schedule word built on it. Portable: no Windows headers.

#include <cstdint>

#include "base/types.h"

namespace velmira {

// Bit 31 of a schedule word: the slot is in use (so an in-use word is negative).
constexpr uint32_t kScheduleInUse = 0x80000000u;

// month × 2^24 + day × 2^16 + hour × 2^8 + minute. Each field is cut to its
// bits (month 7, the others 8) so no value can reach the in-use bit.
int32_t TimeCode(int month, int day, int hour, int minute);
int32_t TimeCode(const LocalTime& time);

// The fields as stored: month bits 24..30, day 16..23, hour 8..15, minute 0..7.
struct TimeCodeFields {
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};
TimeCodeFields FieldsOf(int32_t code);

bool ScheduleInUse(int32_t word);
// A schedule word: month or day 0 stand for every month, every day.
int32_t ScheduleWord(int month, int day, int hour, int minute, bool inUse);

// Whether a schedule word names a moment some year has. A hand-edited
// registry can hold month 13, minute 75 or 31 April; the catch-up test would
// otherwise take such a code for a moment that lies between two real ones.
bool ScheduleWordPossible(int32_t word);

}  // namespace velmira
