// Which slots come due and when the balloon gets them: matching against the
// clock with the catch-up behind lastYotei, the queue and MainTimer's pace
// (played on a timer that restarts the way the real one does), and what the
// balloon is given.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "reminders/reminder_queue.h"
#include "reminders/slot_edit.h"
#include "reminders/time_code.h"
#include "local_time_of.h"

namespace velmira {
namespace {

constexpr bool kHidden = false;  // the balloon is not shown

LocalTime At(int month, int day, int hour, int minute) {
    return LocalTimeOf(2024, month, day, hour, minute);
}

void SetAnniversary(ReminderSlots& s, int slot, int month, int day) {
    s.anniversaries[static_cast<size_t>(slot)].KiTuki = static_cast<uint16_t>(0x100 | month);
    s.anniversaries[static_cast<size_t>(slot)].KiHi = static_cast<int8_t>(day);
}

void SetSchedule(ReminderSlots& s, int slot, int month, int day, int hour, int minute) {
    s.schedules[static_cast<size_t>(slot)].Yotei = ScheduleWord(month, day, hour, minute, true);
}

std::vector<std::pair<int32_t, int32_t>> Queued(const ReminderQueue& q) {
    std::vector<std::pair<int32_t, int32_t>> out;
    for (int i = 0; i < q.QueueCount(); ++i) out.emplace_back(q.Entry(i).kind, q.Entry(i).slot);
    return out;
}

using Entries = std::vector<std::pair<int32_t, int32_t>>;

// A window timer: a different interval restarts a running countdown; the
// same interval, or enabling a running timer, changes nothing.
struct WindowTimer {
    bool enabled = false;
    uint32_t interval = main_timer::kLayoutMs;
    uint64_t due = 0;
    void Apply(const MainTimerModel& m, uint64_t now) {
        if (m.interval != interval) {
            interval = m.interval;
            if (enabled) due = now + interval;
        }
        if (m.enabled != enabled) {
            enabled = m.enabled;
            if (enabled) due = now + interval;
        }
    }
};

TEST(TimeCode, PacksMonthDayHourMinuteAndReadsThemBack) {
    EXPECT_EQ(TimeCode(3, 3, 18, 30), 0x0303121E);
    EXPECT_EQ(TimeCode(At(12, 31, 23, 59)), 0x0C1F173B);
    // Codes of one year order like the moments.
    EXPECT_LT(TimeCode(1, 31, 23, 59), TimeCode(2, 1, 0, 0));
    EXPECT_LT(TimeCode(6, 15, 7, 59), TimeCode(6, 15, 8, 0));

    const int32_t word = ScheduleWord(12, 0, 7, 5, true);
    EXPECT_LT(word, 0) << "in use means negative";
    EXPECT_TRUE(ScheduleInUse(word));
    EXPECT_FALSE(ScheduleInUse(ScheduleWord(12, 0, 7, 5, false)));
    EXPECT_EQ(static_cast<uint32_t>(word), 0x8C000705u);
    const TimeCodeFields f = FieldsOf(word);
    EXPECT_EQ(f.month, 12);
    EXPECT_EQ(f.day, 0);
    EXPECT_EQ(f.hour, 7);
    EXPECT_EQ(f.minute, 5);
    EXPECT_EQ(FieldsOf(static_cast<int32_t>(0xFFFFFFFFu)).month, 0x7F) << "bit 31 is no month";
}

TEST(Anniversaries, EveryMonthOnTheFifteenth) {
    ReminderSlots s;
    SetAnniversary(s, 1, 0, 15);
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
            ReminderQueue q(s);
            q.CheckReminders(true, false, At(month, day, 0, 0), kHidden);
            const Entries expected = day == 15 ? Entries{{0, 1}} : Entries{};
            EXPECT_EQ(Queued(q), expected) << month << "/" << day;
        }
    }
    // Only a change of day announces it.
    ReminderQueue q(s);
    q.CheckReminders(false, true, At(4, 15, 0, 0), kHidden);
    EXPECT_EQ(q.QueueCount(), 0);
    // Without the use flag, never.
    s.anniversaries[1].KiTuki = 0;
    q.CheckReminders(true, true, At(4, 15, 0, 0), kHidden);
    EXPECT_EQ(q.QueueCount(), 0);
}

TEST(Anniversaries, ADayTheMonthLacksIsNeverAnnounced) {
    ReminderSlots s;
    SetAnniversary(s, 0, 0, 31);  // the 31st of every month
    SetAnniversary(s, 2, 2, 30);  // 30 February
    ReminderQueue q(s);
    for (int day = 1; day <= 30; ++day) q.CheckReminders(true, true, At(4, day, 0, 0), kHidden);
    for (int day = 1; day <= 29; ++day) q.CheckReminders(true, true, At(2, day, 0, 0), kHidden);
    EXPECT_EQ(q.QueueCount(), 0);
    q.CheckReminders(true, true, At(5, 31, 0, 0), kHidden);
    EXPECT_EQ(Queued(q), (Entries{{0, 0}}));
}

TEST(Queue, MidnightQueuesAnniversariesBeforeTheScheduleAndShowsAtTheLongTick) {
    ReminderSlots s;
    SetAnniversary(s, 2, 7, 1);
    SetSchedule(s, 0, 0, 0, 0, 0);  // every day at 00:00
    SetAnniversary(s, 0, 0, 1);
    s.lastYotei = TimeCode(6, 30, 23, 0);
    ReminderQueue q(s);
    WindowTimer timer;

    q.CheckReminders(true, true, At(7, 1, 0, 0), kHidden);
    EXPECT_EQ(Queued(q), (Entries{{0, 0}, {0, 2}, {1, 0}}));
    EXPECT_EQ(s.lastYotei, TimeCode(7, 1, 0, 0));
    timer.Apply(q.Timer(), 0);
    ASSERT_TRUE(timer.enabled);
    EXPECT_EQ(timer.due, 5000u) << "the second queueing moved the 200 ms wait to 5000 ms";

    // Play the timer: the balloon stays up 7 s after each show.
    std::vector<std::pair<uint64_t, QueuedReminder>> shows;
    uint64_t balloonUntil = 0;
    for (uint64_t now = 0; now <= 40000; now += 100) {
        if (!timer.enabled || now < timer.due) continue;
        timer.due = now + timer.interval;
        const std::optional<QueuedReminder> r = q.MainTimerTimer(now < balloonUntil, false);
        timer.Apply(q.Timer(), now);
        if (r) {
            shows.emplace_back(now, *r);
            balloonUntil = now + 7000;
        }
    }
    ASSERT_EQ(shows.size(), 3u);
    EXPECT_EQ(shows[0].first, 5000u);
    EXPECT_EQ(shows[0].second.slot, 0);
    EXPECT_EQ(shows[1].first, 15000u) << "the first tick after the balloon closed at 12 s";
    EXPECT_EQ(shows[1].second.kind, QueuedReminder::Anniversary);
    EXPECT_EQ(shows[1].second.slot, 2);
    EXPECT_EQ(shows[2].first, 25000u);
    EXPECT_EQ(shows[2].second.kind, QueuedReminder::Schedule);
    EXPECT_FALSE(timer.enabled) << "stops when the last entry is taken";
}

TEST(Queue, OneEntryOfAnIdleSystemWaits200MsElse5000) {
    ReminderSlots s;
    ReminderQueue q(s);
    EXPECT_FALSE(q.Timer().enabled);
    ASSERT_TRUE(q.EnqueueReminder(1, 2, kHidden));
    EXPECT_TRUE(q.Timer().enabled);
    EXPECT_EQ(q.Timer().interval, main_timer::kFirstMs);

    ReminderQueue shown(s);
    ASSERT_TRUE(shown.EnqueueReminder(1, 2, true));
    EXPECT_EQ(shown.Timer().interval, main_timer::kNextMs) << "a balloon is up";
}

TEST(Queue, TheTickWaitsForBalloonDialogAndBusyQueue) {
    ReminderSlots s;
    ReminderQueue q(s);
    ASSERT_TRUE(q.EnqueueReminder(0, 1, kHidden));
    EXPECT_FALSE(q.MainTimerTimer(true, false));
    EXPECT_FALSE(q.MainTimerTimer(false, true));
    q.queueBusy = true;
    EXPECT_FALSE(q.MainTimerTimer(false, false));
    q.queueBusy = false;
    EXPECT_EQ(q.QueueCount(), 1);
    EXPECT_TRUE(q.Timer().enabled) << "held back, it asks again";
    EXPECT_EQ(q.Timer().interval, main_timer::kNextMs);

    const std::optional<QueuedReminder> r = q.MainTimerTimer(false, false);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->kind, 0);
    EXPECT_EQ(r->slot, 1);
    EXPECT_EQ(q.QueueCount(), 0);
    EXPECT_FALSE(q.Timer().enabled);
}

TEST(Queue, TheSeventeenthIsRefusedAndRemovalKeepsOrder) {
    ReminderSlots s;
    ReminderQueue q(s);
    for (int i = 0; i < kQueueCapacity; ++i) {
        ASSERT_TRUE(q.EnqueueReminder(i % 2, i % 3, kHidden)) << i;
    }
    EXPECT_FALSE(q.EnqueueReminder(1, 0, kHidden));
    EXPECT_EQ(q.QueueCount(), kQueueCapacity);
    EXPECT_EQ(q.Entry(15).kind, 1);
    EXPECT_EQ(q.Entry(15).slot, 0);

    q.RemoveQueued(16);
    q.RemoveQueued(-1);
    EXPECT_EQ(q.QueueCount(), kQueueCapacity);
    q.RemoveQueued(1);
    EXPECT_EQ(q.QueueCount(), 15);
    EXPECT_EQ(q.Entry(0).slot, 0);
    EXPECT_EQ(q.Entry(1).slot, 2) << "entry 2 moved up";
    EXPECT_EQ(q.Entry(14).slot, 0) << "the newest moved up too";
    for (int i = 0; i < 15; ++i) q.RemoveQueued(0);
    EXPECT_EQ(q.QueueCount(), 0);
    EXPECT_FALSE(q.Timer().enabled);
}

TEST(Schedules, FreshSettingsCatchUpTheMorningAtStart) {
    ReminderSlots s;
    SetSchedule(s, 1, 0, 0, 7, 0);
    ReminderQueue q(s);
    q.CheckReminders(true, true, At(5, 20, 9, 0), kHidden);
    EXPECT_EQ(Queued(q), (Entries{{1, 1}}));
    EXPECT_EQ(s.lastYotei, TimeCode(5, 20, 9, 0));
    // Caught up once only.
    q.CheckReminders(false, true, At(5, 20, 9, 1), kHidden);
    EXPECT_EQ(q.QueueCount(), 1);
}

TEST(Schedules, NothingUpToLastYoteiIsCaughtUp) {
    ReminderSlots s;
    SetSchedule(s, 0, 0, 0, 7, 0);
    s.lastYotei = TimeCode(5, 20, 7, 0);
    ReminderQueue q(s);
    q.CheckReminders(true, true, At(5, 20, 9, 0), kHidden);
    EXPECT_EQ(q.QueueCount(), 0);
    EXPECT_EQ(s.lastYotei, TimeCode(5, 20, 7, 0)) << "no slot due, lastYotei stays";
    // The exact minute comes due whatever lastYotei says.
    q.CheckReminders(true, true, At(5, 21, 7, 0), kHidden);
    EXPECT_EQ(q.QueueCount(), 1);
}

TEST(Schedules, InJanuaryDecembersLastYoteiHoldsOffCatchUpUntilAnExactMatch) {
    ReminderSlots s;
    SetSchedule(s, 0, 0, 0, 7, 0);   // every day 07:00
    SetSchedule(s, 1, 1, 1, 8, 30);  // 1 January 08:30
    SetSchedule(s, 2, 1, 2, 8, 30);  // 2 January 08:30
    s.lastYotei = TimeCode(12, 31, 23, 0);
    ReminderQueue q(s);
    for (int minute = 0; minute < 60; ++minute) {
        q.CheckReminders(minute == 0, true, At(1, 1, 9, minute), kHidden);
    }
    EXPECT_EQ(q.QueueCount(), 0) << "every January code lies below December's";
    EXPECT_EQ(s.lastYotei, TimeCode(12, 31, 23, 0));

    q.CheckReminders(true, true, At(1, 2, 7, 0), kHidden);
    EXPECT_EQ(Queued(q), (Entries{{1, 0}}));
    EXPECT_EQ(s.lastYotei, TimeCode(1, 2, 7, 0));

    // From here on catch-up works again; 1 January's slot stays missed.
    q.CheckReminders(false, true, At(1, 2, 9, 0), kHidden);
    EXPECT_EQ(Queued(q), (Entries{{1, 0}, {1, 2}}));
    EXPECT_EQ(s.lastYotei, TimeCode(1, 2, 9, 0));
}

TEST(Schedules, ARefusalStopsTheLoopAndLeavesLastYoteiForTheNextMinute) {
    ReminderSlots s;
    SetSchedule(s, 0, 0, 0, 12, 0);
    SetSchedule(s, 1, 0, 0, 12, 0);
    SetSchedule(s, 2, 0, 0, 12, 0);
    s.lastYotei = TimeCode(3, 1, 11, 0);
    ReminderQueue q(s);
    for (int i = 0; i < kQueueCapacity - 1; ++i) ASSERT_TRUE(q.EnqueueReminder(0, 0, kHidden));

    q.CheckReminders(false, true, At(3, 1, 12, 0), kHidden);
    EXPECT_EQ(q.QueueCount(), kQueueCapacity);
    EXPECT_EQ(q.Entry(15).kind, 1);
    EXPECT_EQ(q.Entry(15).slot, 0);
    EXPECT_EQ(s.lastYotei, TimeCode(3, 1, 11, 0));

    // Room for three again: all three are caught up, slot 0 a second time.
    for (int i = 0; i < 3; ++i) q.RemoveQueued(0);
    q.CheckReminders(false, true, At(3, 1, 12, 1), kHidden);
    EXPECT_EQ(q.QueueCount(), kQueueCapacity);
    EXPECT_EQ(q.Entry(13).slot, 0);
    EXPECT_EQ(q.Entry(14).slot, 1);
    EXPECT_EQ(q.Entry(15).slot, 2);
    EXPECT_EQ(s.lastYotei, TimeCode(3, 1, 12, 1));
}

// Closed while the first of three shows: what is stored brings the two
// waiting ones back at the next start; the run's own lastYotei stays.
TEST(Schedules, WaitingSchedulesComeBackAfterARestart) {
    ReminderSlots s;
    for (int slot = 0; slot < 3; ++slot) SetSchedule(s, slot, 0, 0, 7, 5 * (slot + 1));
    ReminderQueue q(s);
    EXPECT_EQ(0, q.LastYoteiToStore()) << "nothing waits";
    q.CheckReminders(false, true, At(12, 8, 9, 0), kHidden);
    q.MainTimerTimer(kHidden, false);  // 7:05 shows
    ReminderSlots next = s;
    next.lastYotei = q.LastYoteiToStore();
    EXPECT_EQ(s.lastYotei, TimeCode(12, 8, 9, 0));
    ReminderQueue restarted(next);
    restarted.CheckReminders(false, true, At(12, 8, 9, 5), kHidden);
    EXPECT_EQ(Queued(restarted), (Entries{{1, 1}, {1, 2}}));
}

TEST(Schedules, ImpossibleWordsNeverComeDue) {
    ReminderSlots s;
    s.schedules[0].Yotei = ScheduleWord(0, 0, 7, 75, true);  // between 07:59 and 08:00
    s.schedules[1].Yotei = ScheduleWord(4, 31, 7, 0, true);  // 31 April
    s.schedules[2].Yotei = ScheduleWord(13, 1, 0, 0, true);
    ReminderQueue q(s);
    q.CheckReminders(true, true, At(4, 30, 23, 59), kHidden);
    q.CheckReminders(true, true, At(5, 1, 9, 0), kHidden);
    q.CheckReminders(true, true, At(12, 31, 23, 59), kHidden);
    s.schedules[1].Yotei = ScheduleWord(0, 0, 24, 0, true);  // after 23:59
    s.schedules[2].Yotei = ScheduleWord(0, 32, 0, 0, true);
    q.CheckReminders(true, true, At(12, 31, 23, 59), kHidden);
    EXPECT_EQ(q.QueueCount(), 0);
    EXPECT_EQ(s.lastYotei, 0);

    SetAnniversary(s, 0, 13, 1);
    SetAnniversary(s, 1, 0, 0);
    SetAnniversary(s, 2, 0, -1);
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) q.MatchAnniversaries(month, day, kHidden);
    }
    EXPECT_EQ(q.QueueCount(), 0);
    // 29 February is possible: leap years have it.
    s.schedules[0].Yotei = ScheduleWord(2, 29, 8, 0, true);
    q.CheckReminders(true, true, At(2, 29, 8, 0), kHidden);
    EXPECT_EQ(q.QueueCount(), 1);
}

TEST(Display, ShowsTheSlotAsItIsWhenTheEntryComesUp) {
    ReminderSlots s;
    SetSchedule(s, 1, 0, 0, 7, 5);
    s.schedules[1].message = L"朝ごはん";
    s.schedules[1].sound = L"Snd_Old";
    ReminderQueue q(s);
    q.CheckReminders(true, true, At(6, 1, 7, 5), kHidden);

    // Edited in the dialog while the entry waits, use flag and all.
    s.schedules[1].message = L"お昼";
    s.schedules[1].sound = L"bell.wav";
    s.schedules[1].Yotei = ScheduleWord(6, 2, 12, 30, false);
    const std::optional<QueuedReminder> r = q.MainTimerTimer(false, false);
    ASSERT_TRUE(r);
    const ReminderDisplay d = ReminderToShow(s, *r);
    EXPECT_EQ(d.message, L"お昼");
    EXPECT_EQ(d.sound, L"bell.wav");
    EXPECT_EQ(d.timeLabel, L"[06.02  12:30]");
}

// A hand-edited month word reads the same in the matching, the label and the
// dialog: bit 8 in use, bits 0..7 the month.
TEST(AnniversaryWord, OneReadingEverywhere) {
    for (uint16_t word : {0x0203, 0x0183, 0x0103}) {
        ReminderSlots s;
        s.anniversaries[0] = {L"", L"", word, 5};
        ReminderQueue q(s);
        q.MatchAnniversaries(3, 5, kHidden);
        const KinenbiEditBuffer b = KinenbiEditBuffer::From(s.anniversaries);
        EXPECT_EQ(word == 0x0103, q.QueueCount() == 1) << word;
        EXPECT_EQ(word == 0x0183 ? L"[131.05]" : L"[03.05]", ReminderToShow(s, {0, 0}).timeLabel);
        EXPECT_EQ(word != 0x0203, b.editInUse[0]) << word;
        EXPECT_EQ(word & 0xFF, b.editMonths[0]) << word;
    }
}

TEST(Display, DefaultTextsAndTheLabelFormats) {
    ReminderSlots s;
    SetAnniversary(s, 0, 12, 24);
    SetAnniversary(s, 1, 0, 5);
    s.anniversaries[2].KiTuki = 13;  // not in use: shown as stored all the same
    s.anniversaries[2].KiHi = 0;
    s.schedules[0].Yotei = ScheduleWord(0, 0, 7, 5, true);
    s.schedules[1].Yotei = ScheduleWord(3, 3, 18, 30, true);
    s.schedules[2].Yotei = ScheduleWord(13, 40, 24, 75, true);
    const std::wstring longText(300, L'あ');
    s.schedules[2].message = longText;

    auto show = [&](int32_t kind, int32_t slot) { return ReminderToShow(s, {kind, slot}); };
    EXPECT_EQ(show(0, 0).timeLabel, L"[12.24]");
    EXPECT_EQ(show(0, 1).timeLabel, L"[**.05]");
    EXPECT_EQ(show(0, 2).timeLabel, L"[13.00]");
    EXPECT_EQ(show(1, 0).timeLabel, L"[**.**  07:05]");
    EXPECT_EQ(show(1, 1).timeLabel, L"[03.03  18:30]");
    EXPECT_EQ(show(1, 2).timeLabel, L"[13.40  24:75]");
    EXPECT_EQ(show(7, 1).timeLabel, L"[03.03  18:30]") << "any other kind is a schedule";

    EXPECT_EQ(show(0, 0).message, L"記念日です。");
    EXPECT_EQ(show(1, 0).message, L"予定の時間になりました。");
    EXPECT_EQ(show(1, 0).sound, L"");
    EXPECT_EQ(show(1, 2).message, longText) << "the balloon cuts, not the queue";

    s.schedules[0].Yotei = ScheduleWord(0, 0, 0, 0, true);
    EXPECT_EQ(show(1, 0).timeLabel, L"[**.**  00:00]");
}

}  // namespace
}  // namespace velmira
