// The clock thread on real Win32 threads and messages: what reaches the
// user-interface thread, and how it stops.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "clock/win/clocker.h"

namespace velmira {
namespace {

struct Call {
    std::string what;
    int a = 0;
    int b = 0;
    DWORD thread = 0;
};

class RecordingTarget : public ClockTarget {
public:
    void DrawSecondHand(int second) override {
        calls.push_back({"second", second, 0, ::GetCurrentThreadId()});
    }
    void RedrawClock(int hour, int minute) override {
        calls.push_back({"minute", hour, minute, ::GetCurrentThreadId()});
    }
    void CheckReminders(bool dateChanged, bool minuteChanged, const LocalTime&) override {
        calls.push_back({"reminders", dateChanged, minuteChanged, ::GetCurrentThreadId()});
    }
    void SetApplicationTitle(const std::wstring& title) override {
        titles.push_back(title);
        calls.push_back({"title", 0, 0, ::GetCurrentThreadId()});
    }
    std::vector<Call> calls;
    std::vector<std::wstring> titles;
};

// Runs this thread's messages (the hand-overs arrive as sent messages) for a while.
void PumpFor(DWORD ms) {
    const ULONGLONG end = ::GetTickCount64() + ms;
    while (::GetTickCount64() < end) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    }
}

TEST(TClocker, NothingRunsBeforeResume) {
    RecordingTarget target;
    TClocker clocker(target);
    ASSERT_TRUE(clocker.Valid());
    PumpFor(300);
    EXPECT_TRUE(target.calls.empty());
    EXPECT_FALSE(clocker.Resumed());
    EXPECT_TRUE(clocker.Shutdown(1000));
}

TEST(TClocker, HandsEveryUpdateToTheCreatingThread) {
    RecordingTarget target;
    TClocker clocker(target);
    clocker.Resume();
    PumpFor(2600);
    ASSERT_TRUE(clocker.Shutdown(1000));

    ASSERT_GE(target.calls.size(), 5u);
    // The start: the dial, then the reminders twice (date, then minute).
    EXPECT_EQ(target.calls[0].what, "minute");
    EXPECT_EQ(target.calls[1].what, "reminders");
    EXPECT_EQ(target.calls[1].a, 1);
    EXPECT_EQ(target.calls[1].b, 0);
    EXPECT_EQ(target.calls[2].what, "reminders");
    EXPECT_EQ(target.calls[2].a, 0);
    EXPECT_EQ(target.calls[2].b, 1);
    // Then every second, each one new, all on this thread.
    std::vector<int> seconds;
    for (const Call& c : target.calls) {
        EXPECT_EQ(c.thread, ::GetCurrentThreadId()) << c.what;
        if (c.what == "second") seconds.push_back(c.a);
    }
    ASSERT_GE(seconds.size(), 2u);
    ASSERT_LE(seconds.size(), 4u);
    for (size_t i = 1; i < seconds.size(); ++i) EXPECT_EQ(seconds[i], (seconds[i - 1] + 1) % 60);
}

TEST(TClocker, PriorityFollowsTheCaller) {
    RecordingTarget target;
    TClocker clocker(target);
    clocker.SetPriority(THREAD_PRIORITY_IDLE);
    EXPECT_EQ(clocker.Priority(), THREAD_PRIORITY_IDLE);
    clocker.SetPriority(THREAD_PRIORITY_HIGHEST);
    EXPECT_EQ(clocker.Priority(), THREAD_PRIORITY_HIGHEST);
    EXPECT_TRUE(clocker.Shutdown(1000));
}

TEST(TClocker, ShutdownDuringAPauseEndsAtOnceAndRefusesLaterHandOvers) {
    RecordingTarget target;
    TClocker clocker(target);
    clocker.Resume();
    PumpFor(1200);
    const size_t before = target.calls.size();
    const ULONGLONG start = ::GetTickCount64();
    EXPECT_TRUE(clocker.Shutdown(1000));
    EXPECT_LT(::GetTickCount64() - start, 300u);
    PumpFor(300);
    EXPECT_EQ(target.calls.size(), before);
}

TEST(TClocker, ShutdownWhileTheThreadWaitsInAHandOverStillEnds) {
    RecordingTarget target;
    TClocker clocker(target);
    clocker.Resume();
    // Let the start sequence run, then stop pumping: the next second's
    // hand-over waits for this thread, which is now in Shutdown.
    PumpFor(300);
    ::Sleep(1200);
    const size_t before = target.calls.size();
    const ULONGLONG start = ::GetTickCount64();
    EXPECT_TRUE(clocker.Shutdown(1000));
    EXPECT_LT(::GetTickCount64() - start, 500u);
    // The waiting hand-over was answered with a refusal, not run.
    EXPECT_EQ(target.calls.size(), before);
}

TEST(TClocker, LocaleDesignatorsAreNeverEmpty) {
    std::wstring morning, afternoon;
    LocaleDesignators(morning, afternoon);
    EXPECT_FALSE(morning.empty());
    EXPECT_FALSE(afternoon.empty());
    EXPECT_NE(morning, afternoon);
}

}  // namespace
}  // namespace velmira
