#pragma once
// The reminders on the main stage: the clock's CheckReminders feeds the
// queue, MainTimer paces it, and ShowReminder fills the speech balloon beside
// her mouth and starts her voice. The rules live in ReminderQueue; this part
// runs the timer and owns the balloon. User-interface thread.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "base/display_scale.h"
#include "base/types.h"
#include "base/win/timer.h"
#include "reminders/reminder_queue.h"
#include "reminders/win/message_balloon.h"

namespace velmira {

class TReminderDesk : private BalloonHost {
public:
    // What the desk takes from the stage she stands on.
    struct Host {
        std::function<bool(const std::wstring& name)> playSound;
        std::function<void()> stopSound;
        std::function<Rect()> mouthArea;  // in her client coordinates
        std::function<bool()> minimized;
        HINSTANCE resources = nullptr;  // the settings dialogs' pictures
        // The balloon came up: her window takes its band again.
        std::function<void()> balloonShown;
        // A closed balloon hands her the focus.
        std::function<void()> returnFocus;
    };

    // `slots` must outlive the desk; the queue reads them and moves lastYotei.
    TReminderDesk(ReminderSlots& slots, Host host);
    ~TReminderDesk() override;

    // Her window: MainTimer runs for it and the balloon stands beside it.
    void Attach(HWND stage);
    // Makes the hidden balloon, at her scale and in her band. Not owned by
    // her window: under Wine a window with an owned popup no longer takes the
    // stay-on-top style.
    bool CreateBalloon();
    // Her scale, from the stage at start and at each change: the balloon
    // speaks at it.
    void SetScale(const DisplayScale& scale);

    void CheckReminders(bool dateChanged, bool minuteChanged, const LocalTime& time);
    // MainTimer's tick; nothing is taken while a settings dialog is open
    // or a full-screen program holds the queue.
    void MainTimerTimer();

    // The settings dialogs over her window ("記念日設定", "予定設定"): they
    // edit copies of the slots and hand them back on "設定", to be matched
    // from the next minute on; queued reminders wait meanwhile. True when the
    // slots were edited.
    bool EditAnniversaries();
    bool EditSchedules();

    // Queued reminders wait while a settings dialog is open, however it ends:
    // hold the answer for as long as the dialog shows.
    class DialogHold {
    public:
        explicit DialogHold(bool& open) : open_(open) { open_ = true; }
        ~DialogHold() { open_ = false; }
        DialogHold(const DialogHold&) = delete;
        DialogHold& operator=(const DialogHold&) = delete;

    private:
        bool& open_;
    };
    DialogHold HoldForDialog() { return DialogHold(dialogOpen_); }
    bool DialogOpen() const { return dialogOpen_; }
    // While a program in full screen covers her monitor the queue waits too,
    // and a shown balloon steps aside until it ends; the queue goes on when
    // neither holds it.
    void HoldForFullScreen(bool hold);
    bool FullScreenHold() const { return fullScreenHold_; }
    // Shows the entry at once, with the slot as it is now.
    void ShowReminder(int32_t kind, int32_t slot);

    // Her menu opens: a shown balloon closes.
    void HideBalloon();
    // The balloon follows her band, also while hidden.
    void FollowBand(bool balloonTopmost);
    // The lastYotei to store (see ReminderQueue::LastYoteiToStore).
    int32_t LastYoteiToStore() const { return queue_.LastYoteiToStore(); }

    // For tests: what they may read.
    const ReminderQueue& Queue() const { return queue_; }
    const TTimer& Timer() const { return MainTimer; }
    const TMessageBalloon* Balloon() const { return balloon_.get(); }

private:
    void ApplyTimer();
    template <typename Dialog, typename Slots>
    bool EditInDialog(Slots& slots);
    bool BalloonVisible() const { return balloon_ && balloon_->Visible(); }

    // What the balloon reads of her.
    HWND StageWindow() override { return stage_; }
    Rect MouthArea() override { return host_.mouthArea(); }
    bool AppMinimized() override { return host_.minimized(); }
    void RestoreApplication() override;
    void MinimizeApplication() override;
    void StopSound() override { host_.stopSound(); }
    void BalloonShown() override {
        if (host_.balloonShown) host_.balloonShown();
    }
    void ReturnFocus() override {
        if (host_.returnFocus) host_.returnFocus();
    }

    ReminderSlots& slots_;
    Host host_;
    HWND stage_ = nullptr;
    bool dialogOpen_ = false;
    bool fullScreenHold_ = false;
    DisplayScale scale_;
    bool balloonTopmost_ = false;
    bool balloonSetAside_ = false;  // hidden for a full-screen program, shown again after it
    ReminderQueue queue_;
    TTimer MainTimer;
    std::unique_ptr<TMessageBalloon> balloon_;
};

}  // namespace velmira
