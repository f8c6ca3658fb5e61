#include "clock/clock_ticker.h"

namespace velmira {

bool ClockTicker::Start(const LocalTime& now, TickSink& sink) {
    lastSecond = kUnset;
    localTime = now;
    lastHour = now.hour;
    lastMinute = now.minute;
    if (!sink.SyncMinute()) return false;

    dateChanged = true;
    minuteChanged = false;
    if (!sink.SyncReminders()) return false;
    reminderDay_ = localTime.day;
    reminderMinute_ = localTime.minute;

    dateChanged = false;
    minuteChanged = true;
    if (!sink.SyncReminders()) return false;

    titleToggle_ = 0;
    return true;
}

ClockTicker::PollResult ClockTicker::Poll(const LocalTime& now, TickSink& sink) {
    localTime = now;
    if (localTime.second == lastSecond) return PollResult::SameSecond;

    lastSecond = localTime.second;
    if (!sink.SyncSecond()) return PollResult::Stopped;

    if (lastSecond % 10 == 1) {
        if (!sink.UpdateTitle(titleToggle_)) return PollResult::Stopped;
        titleToggle_ = NextTitleToggle(titleToggle_);
    }

    if (lastSecond == 59 || localTime.minute != lastMinute || localTime.hour != lastHour) {
        lastHour = localTime.hour;
        lastMinute = localTime.minute;
        // At second 59 the dial already shows the coming minute, so the
        // minute hand lands on time when the minute begins.
        if (lastSecond == 59) {
            lastMinute = static_cast<uint16_t>(lastMinute + 1);
            if (lastMinute == 60) {
                lastMinute = 0;
                lastHour = static_cast<uint16_t>((lastHour + 1) % 24);
            }
        }
        if (!sink.SyncMinute()) return PollResult::Stopped;
    }

    // Reminders follow the real clock, never the early dial.
    dateChanged = localTime.day != reminderDay_;
    minuteChanged = localTime.minute != reminderMinute_;
    if (dateChanged || minuteChanged) {
        if (!sink.SyncReminders()) return PollResult::Stopped;
        if (dateChanged) reminderDay_ = localTime.day;
        if (minuteChanged) reminderMinute_ = localTime.minute;
    }
    return PollResult::Handled;
}

int NextTitleToggle(int toggle) {
    const int next = toggle + 1;
    return next > 1 ? 0 : next;
}

uint32_t MillisecondsToNextSecond(const LocalTime& now) {
    const uint32_t ms = now.milliseconds >= 1000 ? 999 : now.milliseconds;
    return 1000 - ms;
}

uint32_t PauseAfterPoll(ClockTicker::PollResult result, const LocalTime& now) {
    const uint32_t toNextSecond = MillisecondsToNextSecond(now);
    if (result != ClockTicker::PollResult::Handled) return toNextSecond;
    // A second that took long to hand over still pauses the full 500 ms.
    return toNextSecond > kPauseAfterSecondMs ? toNextSecond : kPauseAfterSecondMs;
}

}  // namespace velmira
