#include "reminders/reminder_queue.h"

#include <cstdio>

#include "reminders/time_code.h"

namespace velmira {

namespace {

// A slot of the entry's kind; any kind other than an anniversary is a schedule.
bool ValidSlot(int32_t kind, int32_t slot) {
    const int count = kind == QueuedReminder::Anniversary ? kAnniversarySlots : kScheduleSlots;
    return slot >= 0 && slot < count;
}

// "%.2d": at least two digits, zero-padded.
std::wstring TwoDigits(int value) {
    wchar_t text[16];
    std::swprintf(text, sizeof text / sizeof text[0], L"%.2d", value);
    return text;
}

}  // namespace

ReminderQueue::ReminderQueue(ReminderSlots& slots) : slots_(slots) {}

void ReminderQueue::CheckReminders(bool dateChanged, bool minuteChanged, const LocalTime& time,
                                   bool balloonVisible) {
    // Anniversaries first, so at midnight they stand before the schedules.
    if (dateChanged) MatchAnniversaries(time.month, time.day, balloonVisible);
    if (minuteChanged) MatchSchedules(time.month, time.day, time.hour, time.minute, balloonVisible);
}

void ReminderQueue::MatchAnniversaries(int month, int day, bool balloonVisible) {
    for (int i = 0; i < kAnniversarySlots; ++i) {
        const AnniversaryEntry& e = slots_.anniversaries[static_cast<size_t>(i)];
        if (!AnniversaryInUse(e.KiTuki)) continue;
        const int m = AnniversaryMonth(e.KiTuki);
        if (m != 0 && m != month) continue;
        if (e.KiHi != day) continue;
        // A full queue drops the anniversary for the day; nothing retries it.
        EnqueueReminder(QueuedReminder::Anniversary, i, balloonVisible);
    }
}

void ReminderQueue::MatchSchedules(int month, int day, int hour, int minute, bool balloonVisible) {
    const int32_t now = TimeCode(month, day, hour, minute);
    bool ok = false;
    for (int i = 0; i < kScheduleSlots; ++i) {
        const int32_t w = slots_.schedules[static_cast<size_t>(i)].Yotei;
        if (!ScheduleInUse(w) || !ScheduleWordPossible(w)) continue;
        // Every month and every day take the current month and day.
        const TimeCodeFields f = FieldsOf(w);
        const int32_t c =
            TimeCode(f.month ? f.month : month, f.day ? f.day : day, f.hour, f.minute);
        // Beside the exact minute, whatever fell between the last announcement
        // and now: minutes the program did not see, or a refused queueing.
        const bool due = c == now || (slots_.lastYotei < c && c < now);
        if (!due) continue;
        ok = EnqueueReminder(QueuedReminder::Schedule, i, balloonVisible, c);
        // A refusal keeps lastYotei behind, so the next minute catches up.
        if (!ok) break;
    }
    if (ok) slots_.lastYotei = now;
}

bool ReminderQueue::EnqueueReminder(int32_t kind, int32_t slot, bool balloonVisible,
                                    int32_t dueCode) {
    if (queueCount_ >= kQueueCapacity || !ValidSlot(kind, slot)) return false;
    // Only the first entry of an idle system is quick; a second one while it
    // waits restarts the countdown at the longer interval.
    timer_.interval =
        queueCount_ == 0 && !balloonVisible ? main_timer::kFirstMs : main_timer::kNextMs;
    queueBusy = true;
    entries_[static_cast<size_t>(queueCount_)] = QueuedReminder{kind, slot, dueCode};
    ++queueCount_;
    queueBusy = false;
    timer_.enabled = true;
    return true;
}

int32_t ReminderQueue::LastYoteiToStore() const {
    int32_t stored = slots_.lastYotei;
    for (int i = 0; i < queueCount_; ++i) {
        const QueuedReminder& e = entries_[static_cast<size_t>(i)];
        if (e.kind == QueuedReminder::Schedule && e.dueCode > 0 && e.dueCode - 1 < stored)
            stored = e.dueCode - 1;
    }
    return stored;
}

void ReminderQueue::RemoveQueued(int index) {
    if (index < 0 || index >= queueCount_) return;
    queueBusy = true;
    for (int i = index; i + 1 < queueCount_; ++i) {
        entries_[static_cast<size_t>(i)] = entries_[static_cast<size_t>(i + 1)];
    }
    --queueCount_;
    queueBusy = false;
    if (queueCount_ == 0) timer_.enabled = false;
}

std::optional<QueuedReminder> ReminderQueue::MainTimerTimer(bool balloonVisible, bool dialogOpen) {
    timer_.interval = main_timer::kNextMs;
    // Held back, the timer keeps running and asks again at the next tick.
    if (queueBusy || balloonVisible || dialogOpen) return std::nullopt;
    std::optional<QueuedReminder> shown;
    if (queueCount_ > 0) {
        shown = entries_[0];
        RemoveQueued(0);
    }
    if (queueCount_ == 0) timer_.enabled = false;
    return shown;
}

ReminderDisplay ReminderToShow(const ReminderSlots& slots, const QueuedReminder& entry) {
    ReminderDisplay d;
    if (!ValidSlot(entry.kind, entry.slot)) return d;
    const size_t slot = static_cast<size_t>(entry.slot);
    std::wstring label = L"[";
    if (entry.kind == QueuedReminder::Anniversary) {
        const AnniversaryEntry& e = slots.anniversaries[slot];
        d.message = e.message.empty() ? kDefaultAnniversaryText : e.message;
        d.sound = e.sound;
        const int month = AnniversaryMonth(e.KiTuki);
        label += month > 0 ? TwoDigits(month) + L"." : L"**.";
        label += TwoDigits(e.KiHi);
    } else {
        const ScheduleEntry& e = slots.schedules[slot];
        const TimeCodeFields f = FieldsOf(e.Yotei);
        d.message = e.message.empty() ? kDefaultScheduleText : e.message;
        d.sound = e.sound;
        label += f.month > 0 ? TwoDigits(f.month) + L"." : L"**.";
        label += f.day > 0 ? TwoDigits(f.day) + L"  " : L"**  ";
        label += TwoDigits(f.hour) + L":" + TwoDigits(f.minute);
    }
    d.timeLabel = label + L"]";
    return d;
}

}  // namespace velmira
