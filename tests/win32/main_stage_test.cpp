// The main stage's start-up on a real window and registry: defaults, the
// clock thread's priority, the application's title and minimized state.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/win/main_stage.h"
#include "stage_driver.h"

namespace velmira {
namespace {

constexpr const wchar_t* kKey = drive::kStageTestKey;

void ClearSettings() { ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }

using drive::StoreThroughThreadPrio;

TEST(MainStageStart, FirstStartRunsOnTheDefaults) {
    ClearSettings();
    TMainStage stage{drive::TestApplication(), drive::StoredEnvironment()};
    MainStageView view{stage};
    ASSERT_TRUE(stage.Create());
    EXPECT_TRUE(view.Settings().AnaDigi);
    EXPECT_FALSE(view.Settings().StayOnTop);
    EXPECT_EQ(view.Settings().FormLeft, 40);
    EXPECT_EQ(view.Settings().FormTop, 64);
    EXPECT_EQ(view.Settings().samiLim, 3600);
    EXPECT_EQ(view.Settings().ThreadPrio, 0);
    EXPECT_FALSE(view.Settings().DigiAMPM);
    EXPECT_FALSE(view.Session().settingsDeleted);
    for (int i = 0; i < kScheduleSlots; ++i) {
        EXPECT_TRUE(view.Settings().reminders.anniversaries[i].message.empty());
        EXPECT_EQ(view.Settings().reminders.anniversaries[i].KiHi, 1);
        EXPECT_EQ(view.Settings().reminders.anniversaries[i].KiTuki, 0);
        EXPECT_EQ(view.Settings().reminders.schedules[i].Yotei, 0);
    }
    EXPECT_EQ(view.Tag(), 0);
    ASSERT_NE(view.Clocker(), nullptr);
    EXPECT_FALSE(view.Clocker()->Resumed());
    EXPECT_EQ(view.Clocker()->Priority(), THREAD_PRIORITY_IDLE);
    ASSERT_FALSE(view.ExeDir().empty());
    EXPECT_EQ(view.ExeDir().back(), L'\\');
    DestroyWindow(stage.Handle());
}

TEST(MainStageStart, StoredPriorityIsAppliedToTheClockThread) {
    StoreThroughThreadPrio(5);
    {
        TMainStage stage{drive::TestApplication(), drive::StoredEnvironment()};
        MainStageView view{stage};
        ASSERT_TRUE(stage.Create());
        EXPECT_EQ(view.Settings().ThreadPrio, 5);
        EXPECT_EQ(view.Clocker()->Priority(), THREAD_PRIORITY_HIGHEST);
        DestroyWindow(stage.Handle());
    }
    // An index outside the menu's 0..5 runs the clock at idle.
    StoreThroughThreadPrio(9);
    {
        TMainStage stage{drive::TestApplication(), drive::StoredEnvironment()};
        MainStageView view{stage};
        ASSERT_TRUE(stage.Create());
        EXPECT_EQ(view.Settings().ThreadPrio, 9);
        EXPECT_EQ(view.Clocker()->Priority(), THREAD_PRIORITY_IDLE);
        DestroyWindow(stage.Handle());
    }
    ClearSettings();
}

TEST(MainStageStart, TheMainFormCarriesTheApplicationTitle) {
    ClearSettings();
    TMainStage stage{drive::TestApplication(), drive::StoredEnvironment()};
    MainStageView view{stage};
    ASSERT_TRUE(stage.Create());
    TApplication& application = drive::TestApplication();
    application.SetTitle(L"Velmira時計");
    application.SetMainForm(stage.Handle());
    wchar_t text[64] = {};
    GetWindowTextW(stage.Handle(), text, 64);
    EXPECT_STREQ(text, L"Velmira時計");
    // The clock's hand-over sets later titles the same way.
    static_cast<ClockTarget&>(stage).SetApplicationTitle(L"「12月7日」");
    GetWindowTextW(stage.Handle(), text, 64);
    EXPECT_STREQ(text, L"「12月7日」");
    application.SetMainForm(nullptr);
    DestroyWindow(stage.Handle());
}

TEST(MainStageStart, TheApplicationKnowsWhenSheIsMinimized) {
    ClearSettings();
    TMainStage stage{drive::TestApplication(), drive::StoredEnvironment()};
    MainStageView view{stage};
    ASSERT_TRUE(stage.Create());
    ShowWindow(stage.Handle(), SW_SHOWNOACTIVATE);
    EXPECT_FALSE(drive::TestApplication().Minimized());
    ShowWindow(stage.Handle(), SW_MINIMIZE);
    EXPECT_TRUE(drive::TestApplication().Minimized());
    ShowWindow(stage.Handle(), SW_RESTORE);
    EXPECT_FALSE(drive::TestApplication().Minimized());
    DestroyWindow(stage.Handle());
}

}  // namespace
}  // namespace velmira
