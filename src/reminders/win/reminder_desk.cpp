#include "reminders/win/reminder_desk.h"

namespace velmira {

TReminderDesk::TReminderDesk(StageSettings& settings, ReminderStage& stage)
    : MainTimer(kMainTimerId, main_timer::kLayoutMs),
      settings_(settings),
      stage_(stage),
      queue_(settings) {}

void TReminderDesk::ApplyTimer() {
    // A new interval restarts a running count; the same one or enabling a
    // running timer changes nothing, which the queue's pacing relies on.
    const MainTimerModel& t = queue_.Timer();
    MainTimer.SetInterval(t.interval);
    MainTimer.SetEnabled(t.enabled);
}

void TReminderDesk::CheckReminders(bool dateChanged, bool minuteChanged, const LocalTime& time) {
    queue_.CheckReminders(dateChanged, minuteChanged, time, stage_.BalloonVisible());
    ApplyTimer();
}

void TReminderDesk::MainTimerTimer(bool dialogOpen) {
    const std::optional<QueuedReminder> entry =
        queue_.MainTimerTimer(stage_.BalloonVisible(), dialogOpen);
    ApplyTimer();
    if (entry) ShowReminder(entry->kind, entry->slot);
}

void TReminderDesk::ShowReminder(int32_t kind, int32_t slot) {
    const ReminderDisplay shown = ReminderToShow(settings_, QueuedReminder{kind, slot});
    // Her voice starts as the balloon comes up.
    stage_.PlaySoundByName(shown.sound);
    stage_.ShowInBalloon(shown.message, shown.timeLabel);
}

}  // namespace velmira
