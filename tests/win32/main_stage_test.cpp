// The main stage's start-up on a real window and registry: defaults, the
// clock thread's priority, the application's title and minimize hooks.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/win/application.h"
#include "app/win/main_stage.h"

namespace velmira {
namespace {

constexpr wchar_t kKey[] = L"SOFTWARE\\Quorvane\\ClockmoteOrvelle1";

void ClearSettings() { ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }

void StoreDword(const wchar_t* name, DWORD value) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                &key, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
    ::RegCloseKey(key);
}

// Everything up to ThreadPrio, so a load reaches it.
void StoreThroughThreadPrio(DWORD threadPrio) {
    ClearSettings();
    StoreDword(L"AnaDigi", 1);
    StoreDword(L"StayOnTop", 0);
    StoreDword(L"FormLeft", 40);
    StoreDword(L"FormTop", 64);
    StoreDword(L"lastYotei", 0);
    StoreDword(L"samiLim", 3600);
    StoreDword(L"ThreadPrio", threadPrio);
}

TEST(MainStageStart, FirstStartRunsOnTheDefaults) {
    ClearSettings();
    TMainStage stage;
    ASSERT_TRUE(stage.Create());
    EXPECT_TRUE(stage.Settings().AnaDigi);
    EXPECT_FALSE(stage.Settings().StayOnTop);
    EXPECT_EQ(stage.Settings().FormLeft, 40);
    EXPECT_EQ(stage.Settings().FormTop, 64);
    EXPECT_EQ(stage.Settings().samiLim, 3600);
    EXPECT_EQ(stage.Settings().ThreadPrio, 0);
    EXPECT_FALSE(stage.Settings().DigiAMPM);
    EXPECT_FALSE(stage.Session().settingsDeleted);
    for (int i = 0; i < kSlotCount; ++i) {
        EXPECT_TRUE(stage.Settings().reminders.anniversaries[i].message.empty());
        EXPECT_EQ(stage.Settings().reminders.anniversaries[i].KiHi, 1);
        EXPECT_EQ(stage.Settings().reminders.anniversaries[i].KiTuki, 0);
        EXPECT_EQ(stage.Settings().reminders.schedules[i].Yotei, 0);
    }
    EXPECT_EQ(stage.Tag, 0);
    ASSERT_NE(stage.Clocker(), nullptr);
    EXPECT_FALSE(stage.Clocker()->Resumed());
    EXPECT_EQ(stage.Clocker()->Priority(), THREAD_PRIORITY_IDLE);
    ASSERT_FALSE(stage.exeDir.empty());
    EXPECT_EQ(stage.exeDir.back(), L'\\');
    DestroyWindow(stage.Handle());
}

TEST(MainStageStart, StoredPriorityIsAppliedToTheClockThread) {
    StoreThroughThreadPrio(5);
    {
        TMainStage stage;
        ASSERT_TRUE(stage.Create());
        EXPECT_EQ(stage.Settings().ThreadPrio, 5);
        EXPECT_EQ(stage.Clocker()->Priority(), THREAD_PRIORITY_HIGHEST);
        DestroyWindow(stage.Handle());
    }
    // An index outside the menu's 0..5 runs the clock at idle.
    StoreThroughThreadPrio(9);
    {
        TMainStage stage;
        ASSERT_TRUE(stage.Create());
        EXPECT_EQ(stage.Settings().ThreadPrio, 9);
        EXPECT_EQ(stage.Clocker()->Priority(), THREAD_PRIORITY_IDLE);
        DestroyWindow(stage.Handle());
    }
    ClearSettings();
}

TEST(MainStageStart, TheMainFormCarriesTheApplicationTitle) {
    ClearSettings();
    TMainStage stage;
    ASSERT_TRUE(stage.Create());
    Application.SetTitle(L"Velmira時計");
    Application.SetMainForm(stage.Handle());
    wchar_t text[64] = {};
    GetWindowTextW(stage.Handle(), text, 64);
    EXPECT_STREQ(text, L"Velmira時計");
    // The clock's hand-over sets later titles the same way.
    stage.SetApplicationTitle(L"「12月7日」");
    GetWindowTextW(stage.Handle(), text, 64);
    EXPECT_STREQ(text, L"「12月7日」");
    Application.SetMainForm(nullptr);
    DestroyWindow(stage.Handle());
}

TEST(MainStageStart, MinimizeAndRestoreRaiseTheApplicationHooks) {
    ClearSettings();
    TMainStage stage;
    ASSERT_TRUE(stage.Create());
    ShowWindow(stage.Handle(), SW_SHOWNOACTIVATE);
    EXPECT_FALSE(stage.appMinimized);
    ShowWindow(stage.Handle(), SW_MINIMIZE);
    EXPECT_TRUE(stage.appMinimized);
    EXPECT_TRUE(Application.Minimized());
    ShowWindow(stage.Handle(), SW_RESTORE);
    EXPECT_FALSE(stage.appMinimized);
    EXPECT_FALSE(Application.Minimized());
    DestroyWindow(stage.Handle());
}

TEST(MainStageStart, ScreenSaverDropsTheClockToIdleOnlyForItsOwnCommand) {
    StoreThroughThreadPrio(4);
    TMainStage stage;
    ASSERT_TRUE(stage.Create());
    ASSERT_EQ(stage.Clocker()->Priority(), THREAD_PRIORITY_ABOVE_NORMAL);
    bool handled = false;
    MSG other{stage.Handle(), WM_COMMAND, SC_SCREENSAVE, 0, 0, {0, 0}};
    stage.AppMessage(other, handled);
    EXPECT_FALSE(stage.priorityRestorePending);
    EXPECT_EQ(stage.Clocker()->Priority(), THREAD_PRIORITY_ABOVE_NORMAL);
    MSG saver{stage.Handle(), WM_SYSCOMMAND, SC_SCREENSAVE, 0, 0, {0, 0}};
    stage.AppMessage(saver, handled);
    EXPECT_FALSE(handled);
    EXPECT_TRUE(stage.priorityRestorePending);
    EXPECT_EQ(stage.Clocker()->Priority(), THREAD_PRIORITY_IDLE);
    DestroyWindow(stage.Handle());
    ClearSettings();
}

}  // namespace
}  // namespace velmira
