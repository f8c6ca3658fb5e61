// The reminder checks of the main stage.
#include "app/win/main_stage.h"

namespace velmira {

void TMainStage::CheckReminders(bool dateChanged, bool minuteChanged, const LocalTime& time) {
    (void)dateChanged;
    (void)minuteChanged;
    (void)time;
}

void TMainStage::MainTimerTimer() { MainTimer.SetEnabled(false); }

}  // namespace velmira
