#pragma once
// Which anniversaries and schedules come due, and the small queue that lets
// MainTimer announce them one at a time. Fed explicit events (the clock's
// day or minute change, the timer's tick) with what the stage knows of the
// balloon and the dialogs; it answers with the entry to show and how to set
// the timer. Portable: no Windows headers.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "base/types.h"
#include "reminders/reminder_slots.h"

namespace velmira {

namespace main_timer {
constexpr uint32_t kLayoutMs = 2000;  // the stored layout's interval, never run
constexpr uint32_t kFirstMs = 200;    // the first entry of an idle system
constexpr uint32_t kNextMs = 5000;    // every other wait
}  // namespace main_timer

constexpr int kQueueCapacity = 16;

// MainTimer as the queue sets it. The stage copies it onto the real timer,
// where a different interval restarts a running countdown and the same
// interval, or enabling a running timer, changes nothing.
struct MainTimerModel {
    bool enabled = false;
    uint32_t interval = main_timer::kLayoutMs;
};

class ReminderQueue {
public:
    // Reads the slots and reads and moves lastYotei in `slots`, which must
    // outlive the queue.
    explicit ReminderQueue(ReminderSlots& slots);

    // The clock's hand-over: anniversaries on a change of day, then
    // schedules on a change of minute.
    void CheckReminders(bool dateChanged, bool minuteChanged, const LocalTime& time,
                        bool balloonVisible);
    void MatchAnniversaries(int month, int day, bool balloonVisible);
    void MatchSchedules(int month, int day, int hour, int minute, bool balloonVisible);

    // False when the queue is full (or the slot is not one of the three).
    // `dueCode` is the time code a schedule came due for.
    bool EnqueueReminder(int32_t kind, int32_t slot, bool balloonVisible, int32_t dueCode = 0);
    // Out-of-range indices are ignored.
    void RemoveQueued(int index);

    // MainTimer's tick: the oldest entry to show, or nothing while the queue
    // is busy, a balloon is up or a settings dialog is open.
    std::optional<QueuedReminder> MainTimerTimer(bool balloonVisible, bool dialogOpen);

    // The lastYotei to store at exit: just below the earliest schedule still
    // waiting, so the next start's catch-up brings the waiting ones back in
    // their order; the one in force when no schedule waits.
    int32_t LastYoteiToStore() const;

    int32_t QueueCount() const { return queueCount_; }
    // Entry `index` of 0 .. QueueCount() - 1, 0 the oldest.
    QueuedReminder Entry(int index) const { return entries_[static_cast<size_t>(index)]; }
    const MainTimerModel& Timer() const { return timer_; }

    bool queueBusy = false;  // set while the queue changes; the tick takes nothing then

private:
    ReminderSlots& slots_;
    std::array<QueuedReminder, kQueueCapacity> entries_{};
    int32_t queueCount_ = 0;
    MainTimerModel timer_;
};

// What the balloon shows for one entry, read from the slots as they are now.
struct ReminderDisplay {
    std::wstring message;    // the slot's text, or the default one
    std::wstring sound;      // for PlaySoundByName; "" plays nothing
    std::wstring timeLabel;  // the slot's own setting, e.g. "[**.**  07:05]"
};

constexpr wchar_t kDefaultAnniversaryText[] = L"記念日です。";
constexpr wchar_t kDefaultScheduleText[] = L"予定の時間になりました。";

// Any kind other than an anniversary reads a schedule slot. A slot outside
// the three gives an empty display.
ReminderDisplay ReminderToShow(const ReminderSlots& slots, const QueuedReminder& entry);

}  // namespace velmira
