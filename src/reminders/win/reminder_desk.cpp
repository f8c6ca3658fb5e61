#include "reminders/win/reminder_desk.h"

#include <utility>

#include "reminders/win/kinenbi_dialog.h"
#include "reminders/win/yotei_dialog.h"

namespace velmira {

TReminderDesk::TReminderDesk(ReminderSlots& slots, Host host)
    : slots_(slots),
      host_(std::move(host)),
      queue_(slots),
      MainTimer(main_timer::kLayoutMs, [this] { MainTimerTimer(); }) {}

// The balloon goes first: its last hide still reaches this desk's host.
TReminderDesk::~TReminderDesk() { balloon_.reset(); }

void TReminderDesk::Attach(HWND stage) {
    stage_ = stage;
    MainTimer.SetOwner(stage);
}

bool TReminderDesk::CreateBalloon() {
    BalloonHost& host = *this;
    balloon_ = std::make_unique<TMessageBalloon>(host);
    if (!balloon_->Create(scale_)) return false;
    balloon_->FollowBand(balloonTopmost_);
    return true;
}

void TReminderDesk::SetScale(const DisplayScale& scale) {
    scale_ = scale;
    if (balloon_) balloon_->SetScale(scale);
}

void TReminderDesk::ApplyTimer() {
    // A new interval restarts a running count; the same one or enabling a
    // running timer changes nothing, which the queue's pacing relies on.
    const MainTimerModel& t = queue_.Timer();
    MainTimer.SetInterval(t.interval);
    MainTimer.SetEnabled(t.enabled);
}

void TReminderDesk::CheckReminders(bool dateChanged, bool minuteChanged, const LocalTime& time) {
    queue_.CheckReminders(dateChanged, minuteChanged, time, BalloonVisible());
    ApplyTimer();
}

void TReminderDesk::MainTimerTimer() {
    const std::optional<QueuedReminder> entry =
        queue_.MainTimerTimer(BalloonVisible(), dialogOpen_ || fullScreenHold_);
    ApplyTimer();
    if (entry) ShowReminder(entry->kind, entry->slot);
}

void TReminderDesk::ShowReminder(int32_t kind, int32_t slot) {
    const ReminderDisplay shown = ReminderToShow(slots_, QueuedReminder{kind, slot});
    // Her voice starts as the balloon comes up.
    host_.playSound(shown.sound);
    if (!balloon_) return;
    balloon_->SetTexts(shown.message, shown.timeLabel);
    balloon_->ChoosePlacement(true);
}

void TReminderDesk::HoldForFullScreen(bool hold) {
    if (hold == fullScreenHold_) return;
    fullScreenHold_ = hold;
    if (!balloon_) return;
    if (hold) {
        balloonSetAside_ = balloon_->Visible();
        balloon_->SetAside();
    } else if (balloonSetAside_) {
        // The same words again, where she stands now.
        balloonSetAside_ = false;
        balloon_->ChoosePlacement(true);
    }
}

template <typename Dialog, typename Slots>
bool TReminderDesk::EditInDialog(Slots& slots) {
    Dialog dialog(stage_, host_.resources, slots, host_.playSound);
    const DialogHold hold = HoldForDialog();
    if (!dialog.ShowModal()) return false;
    slots = dialog.Slots();
    return true;
}

bool TReminderDesk::EditAnniversaries() { return EditInDialog<TKinenbi>(slots_.anniversaries); }

bool TReminderDesk::EditSchedules() { return EditInDialog<TYotei>(slots_.schedules); }

void TReminderDesk::HideBalloon() {
    if (balloon_) balloon_->Hide();
}

void TReminderDesk::FollowBand(bool balloonTopmost) {
    balloonTopmost_ = balloonTopmost;
    if (balloon_) balloon_->FollowBand(balloonTopmost);
}

void TReminderDesk::RestoreApplication() {
    if (stage_ && ::IsIconic(stage_)) ::ShowWindow(stage_, SW_RESTORE);
}

void TReminderDesk::MinimizeApplication() {
    if (stage_) ::ShowWindow(stage_, SW_MINIMIZE);
}

}  // namespace velmira
