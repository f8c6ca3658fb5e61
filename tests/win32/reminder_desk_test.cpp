// The reminder queue on a real timer: what comes due is shown through the
// stage with its sound and label, paced by MainTimer, held back while a
// balloon is up or a settings dialog is open.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "reminders/time_code.h"
#include "reminders/win/reminder_desk.h"
#include "local_time_of.h"

namespace velmira {
namespace {

struct FakeStage : ReminderStage {
    bool BalloonVisible() override { return balloonUp; }
    bool PlaySoundByName(const std::wstring& name) override {
        sounds.push_back(name);
        return true;
    }
    void ShowInBalloon(const std::wstring& message, const std::wstring& timeLabel) override {
        shown.push_back(message + L" " + timeLabel);
        balloonUp = true;
    }
    bool balloonUp = false;
    std::vector<std::wstring> sounds;
    std::vector<std::wstring> shown;
};

LocalTime At(int month, int day, int hour, int minute) {
    return LocalTimeOf(2026, month, day, hour, minute);
}

TEST(ReminderDesk, MissedSchedulesComeOneAfterAnotherWithTheirSounds) {
    HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    StageSettings settings;
    settings.schedules[0].Yotei = ScheduleWord(0, 0, 7, 5, true);  // every day at 7:05
    settings.schedules[0].sound = L"Snd_Jikan1";
    settings.schedules[2].Yotei = ScheduleWord(0, 0, 8, 30, true);
    settings.schedules[2].message = L"会議";
    FakeStage stage;
    TReminderDesk desk(settings, stage);
    desk.Attach(owner);

    // The start at 9:00 catches up the morning.
    desk.CheckReminders(true, true, At(12, 8, 9, 0));
    ASSERT_EQ(desk.Queue().QueueCount(), 2);
    EXPECT_TRUE(desk.MainTimer.Running());
    EXPECT_EQ(desk.MainTimer.Interval(), 5000u) << "two waiting: the long pace";

    desk.MainTimerTimer(false);
    ASSERT_EQ(stage.shown.size(), 1u);
    EXPECT_EQ(stage.shown[0], L"予定の時間になりました。 [**.**  07:05]");
    EXPECT_EQ(stage.sounds, (std::vector<std::wstring>{L"Snd_Jikan1"}));
    EXPECT_TRUE(desk.MainTimer.Running()) << "one still waits";

    desk.MainTimerTimer(false);
    EXPECT_EQ(stage.shown.size(), 1u) << "never two balloons at once";
    stage.balloonUp = false;
    desk.MainTimerTimer(true);
    EXPECT_EQ(stage.shown.size(), 1u) << "nor while a settings dialog is open";
    desk.MainTimerTimer(false);
    ASSERT_EQ(stage.shown.size(), 2u);
    EXPECT_EQ(stage.shown[1], L"会議 [**.**  08:30]");
    EXPECT_EQ(stage.sounds.back(), L"") << "a slot without a sound plays nothing";
    EXPECT_FALSE(desk.MainTimer.Running()) << "the queue is empty";
    DestroyWindow(owner);
}

}  // namespace
}  // namespace velmira
