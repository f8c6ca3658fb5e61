#pragma once
// The clock thread's rules, without the thread: given readings of the local
// clock, decide which updates the user-interface thread receives and when.

#include <cstdint>

#include "base/types.h"

namespace velmira {

// What the ticker asks for, with the values each update carries. The shell
// runs each call as a blocking hand-over to the user-interface thread; a call
// that returns false (the hand-over could not run, or the routine failed)
// ends the clock for this run.
class TickSink {
public:
    virtual ~TickSink() = default;
    virtual bool SyncSecond(int second) = 0;            // DrawSecondHand
    virtual bool SyncMinute(int hour, int minute) = 0;  // RedrawClock
    virtual bool SyncReminders(bool dateChanged, bool minuteChanged,
                               const LocalTime& time) = 0;  // CheckReminders
    virtual bool UpdateTitle(int toggle) = 0;               // 0: the date, 1: the time
};

class ClockTicker {
public:
    static constexpr uint16_t kUnset = 0xFFFF;

    // The start sequence: the dial shows the current hour and minute, and the
    // reminders see the start as a change of date and then of minute.
    bool Start(const LocalTime& now, TickSink& sink);

    enum class PollResult { SameSecond, Handled, Stopped };
    // One pass of the polling loop with a fresh reading of the clock.
    // Handled means a new second was delivered; the thread then pauses.
    PollResult Poll(const LocalTime& now, TickSink& sink);

    int titleToggle() const { return titleToggle_; }

private:
    // What the dial was last told: the minute runs one second early.
    uint16_t lastHour_ = kUnset;
    uint16_t lastMinute_ = kUnset;
    uint16_t lastSecond_ = kUnset;
    uint16_t reminderDay_ = 0;
    uint16_t reminderMinute_ = 0;
    int titleToggle_ = 0;
};

// The toggle after a title update: 0 -> 1 -> 0; any other value starts over at 0.
int NextTitleToggle(int toggle);

// Milliseconds from this reading to the start of the next second, at least 1.
uint32_t MillisecondsToNextSecond(const LocalTime& now);

// How long the clock thread sleeps after a poll, given a fresh reading: after
// a handled second at least kPauseAfterSecondMs and on to the next second;
// while the second is unchanged, until the next second is due.
constexpr uint32_t kPauseAfterSecondMs = 500;
uint32_t PauseAfterPoll(ClockTicker::PollResult result, const LocalTime& now);

}  // namespace velmira
