// The reminder queue on a real timer: what comes due is shown through the
// stage with its sound and label, paced by MainTimer, held back while a
// balloon is up, a settings dialog is open or a full-screen program covers her.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "reminders/time_code.h"
#include "reminders/win/reminder_desk.h"
#include "local_time_of.h"

namespace velmira {
namespace {

std::wstring Text(HWND control) {
    wchar_t text[256] = {};
    GetWindowTextW(control, text, 256);
    return text;
}

LocalTime At(int month, int day, int hour, int minute) {
    return LocalTimeOf(2026, month, day, hour, minute);
}

TEST(ReminderDesk, MissedSchedulesComeOneAfterAnotherWithTheirSounds) {
    HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 293, 441, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    ReminderSlots slots;
    slots.schedules[0].Yotei = ScheduleWord(0, 0, 7, 5, true);  // every day at 7:05
    slots.schedules[0].sound = L"Snd_Jikan1";
    slots.schedules[2].Yotei = ScheduleWord(0, 0, 8, 30, true);
    slots.schedules[2].message = L"会議";
    std::vector<std::wstring> sounds;
    int stops = 0;
    TReminderDesk desk(slots, TReminderDesk::Host{[&](const std::wstring& name) {
                                                      sounds.push_back(name);
                                                      return true;
                                                  },
                                                  [&] { ++stops; },
                                                  [] {
                                                      return Rect{157, 138, 17, 13};
                                                  },
                                                  [] { return false; }, nullptr, nullptr, nullptr});
    desk.Attach(owner);
    ASSERT_TRUE(desk.CreateBalloon());
    const TMessageBalloon& balloon = *desk.Balloon();

    // The start at 9:00 catches up the morning.
    desk.CheckReminders(true, true, At(12, 8, 9, 0));
    ASSERT_EQ(desk.Queue().QueueCount(), 2);
    EXPECT_TRUE(desk.Timer().Running());
    EXPECT_EQ(desk.Timer().Interval(), 5000u) << "two waiting: the long pace";

    desk.MainTimerTimer();
    ASSERT_TRUE(balloon.Visible());
    EXPECT_EQ(Text(balloon.MessageArea()), L"予定の時間になりました。");
    EXPECT_EQ(Text(balloon.TimeLabel()), L"[**.**  07:05]");
    EXPECT_EQ(sounds, (std::vector<std::wstring>{L"Snd_Jikan1"}));
    EXPECT_TRUE(desk.Timer().Running()) << "one still waits";

    desk.MainTimerTimer();
    EXPECT_EQ(sounds.size(), 1u) << "never two balloons at once";
    desk.HideBalloon();
    EXPECT_EQ(stops, 1) << "the hide stops her voice";
    {
        const TReminderDesk::DialogHold hold = desk.HoldForDialog();
        desk.MainTimerTimer();
        EXPECT_EQ(sounds.size(), 1u) << "nor while a settings dialog is open";
        desk.HoldForFullScreen(true);
    }
    desk.MainTimerTimer();
    EXPECT_EQ(sounds.size(), 1u) << "nor while a full-screen program covers her";
    desk.HoldForFullScreen(false);
    desk.MainTimerTimer();
    ASSERT_EQ(sounds.size(), 2u);
    EXPECT_EQ(Text(balloon.MessageArea()), L"会議");
    EXPECT_EQ(Text(balloon.TimeLabel()), L"[**.**  08:30]");
    EXPECT_EQ(sounds.back(), L"") << "a slot without a sound plays nothing";
    EXPECT_FALSE(desk.Timer().Running()) << "the queue is empty";
    desk.HoldForFullScreen(true);
    EXPECT_FALSE(balloon.Visible()) << "set aside while a full-screen program covers her";
    EXPECT_EQ(stops, 2) << "her voice stops with it";
    desk.HoldForFullScreen(false);
    EXPECT_TRUE(balloon.Visible()) << "and back after it, with the same words";
    EXPECT_EQ(Text(balloon.MessageArea()), L"会議");
    DestroyWindow(owner);
}

}  // namespace
}  // namespace velmira
