#pragma once
// The reminders on the main stage: the clock's CheckReminders feeds the
// queue, MainTimer paces it, and ShowReminder hands one entry to the balloon
// with its sound. The rules live in ReminderQueue; this part runs the timer
// and talks to the balloon through a narrow interface. User-interface thread.

#include <windows.h>

#include <string>

#include "base/types.h"
#include "base/win/components.h"
#include "reminders/reminder_queue.h"
#include "settings/stage_settings.h"

namespace velmira {

// What the desk needs of the stage to show a reminder.
class ReminderStage {
public:
    virtual ~ReminderStage() = default;
    virtual bool BalloonVisible() = 0;
    virtual bool PlaySoundByName(const std::wstring& name) = 0;
    // Fills the balloon, gives it the stay-on-top style of the stage, places
    // it beside her mouth and shows it.
    virtual void ShowInBalloon(const std::wstring& message, const std::wstring& timeLabel) = 0;
};

class TReminderDesk {
public:
    static constexpr UINT_PTR kMainTimerId = 1;

    TReminderDesk(StageSettings& settings, ReminderStage& stage);
    // The window MainTimer runs for.
    void Attach(HWND window) { MainTimer.SetOwner(window); }

    void CheckReminders(bool dateChanged, bool minuteChanged, const LocalTime& time);
    void MainTimerTimer(bool dialogOpen);
    // Shows the entry at once, with the slot as it is now.
    void ShowReminder(int32_t kind, int32_t slot);

    ReminderQueue& Queue() { return queue_; }
    TTimer MainTimer;

private:
    void ApplyTimer();

    StageSettings& settings_;
    ReminderStage& stage_;
    ReminderQueue queue_;
};

}  // namespace velmira
