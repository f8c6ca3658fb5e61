#include "clock/clock_ticker.h"

namespace velmira {

bool ClockTicker::Start(const LocalTime& now, TickSink& sink) {
    lastSecond_ = kUnset;
    lastHour_ = now.hour;
    lastMinute_ = now.minute;
    if (!sink.SyncMinute(lastHour_, lastMinute_)) return false;
    // The reminders see the start as a change of date, then of minute.
    if (!sink.SyncReminders(true, false, now)) return false;
    reminderDay_ = now.day;
    reminderMinute_ = now.minute;
    if (!sink.SyncReminders(false, true, now)) return false;
    titleToggle_ = 0;
    return true;
}

ClockTicker::PollResult ClockTicker::Poll(const LocalTime& now, TickSink& sink) {
    if (now.second == lastSecond_) return PollResult::SameSecond;

    lastSecond_ = now.second;
    if (!sink.SyncSecond(lastSecond_)) return PollResult::Stopped;

    if (lastSecond_ % 10 == 1) {
        if (!sink.UpdateTitle(titleToggle_)) return PollResult::Stopped;
        titleToggle_ = NextTitleToggle(titleToggle_);
    }

    if (lastSecond_ == 59 || now.minute != lastMinute_ || now.hour != lastHour_) {
        lastHour_ = now.hour;
        lastMinute_ = now.minute;
        // At second 59 the dial already shows the coming minute, so the
        // minute hand lands on time when the minute begins.
        if (lastSecond_ == 59) {
            lastMinute_ = static_cast<uint16_t>(lastMinute_ + 1);
            if (lastMinute_ == 60) {
                lastMinute_ = 0;
                lastHour_ = static_cast<uint16_t>((lastHour_ + 1) % 24);
            }
        }
        if (!sink.SyncMinute(lastHour_, lastMinute_)) return PollResult::Stopped;
    }

    // Reminders follow the real clock, never the early dial.
    const bool dateChanged = now.day != reminderDay_;
    const bool minuteChanged = now.minute != reminderMinute_;
    if (dateChanged || minuteChanged) {
        if (!sink.SyncReminders(dateChanged, minuteChanged, now)) return PollResult::Stopped;
        if (dateChanged) reminderDay_ = now.day;
        if (minuteChanged) reminderMinute_ = now.minute;
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
