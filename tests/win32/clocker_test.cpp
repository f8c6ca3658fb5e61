// The clock thread on real Win32 threads and messages: what reaches the
// user-interface thread, and how it stops.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
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
    LocalTime time{};  // what the reminders were handed
};

class RecordingTarget : public ClockTarget {
public:
    void DrawSecondHand(int second) override {
        calls.push_back({"second", second, 0, ::GetCurrentThreadId()});
    }
    void RedrawClock(int hour, int minute) override {
        calls.push_back({"minute", hour, minute, ::GetCurrentThreadId()});
    }
    void CheckReminders(bool dateChanged, bool minuteChanged, const LocalTime& time) override {
        calls.push_back({"reminders", dateChanged, minuteChanged, ::GetCurrentThreadId(), time});
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

// The real clock moved to another day and time: it starts at `start` and
// runs at the real pace. Counts its readings, from whichever thread.
class ShiftedClock {
public:
    explicit ShiftedClock(uint32_t startMsOfDay, uint16_t day)
        : startMs_(startMsOfDay), day_(day), origin_(::GetTickCount64()) {}
    LocalClock Clock() {
        return [this] {
            ++reads;
            const uint64_t ms = startMs_ + (::GetTickCount64() - origin_);
            LocalTime t;
            t.year = 2031;
            t.month = 3;
            t.day = static_cast<uint16_t>(day_ + ms / 86400000);
            t.hour = static_cast<uint16_t>(ms / 3600000 % 24);
            t.minute = static_cast<uint16_t>(ms / 60000 % 60);
            t.second = static_cast<uint16_t>(ms / 1000 % 60);
            t.milliseconds = static_cast<uint16_t>(ms % 1000);
            return t;
        };
    }
    std::atomic<int> reads{0};

private:
    const uint64_t startMs_;
    const uint16_t day_;
    const ULONGLONG origin_;
};

constexpr uint32_t kHalfASecondBeforeMidnightMinusOne = (23 * 3600 + 59 * 60 + 58) * 1000 + 500;

class RecordingObserver : public HandoverObserver {
public:
    void SecondHandedOver(const LocalTime& now) override {
        readings.push_back(now);
        threads.push_back(::GetCurrentThreadId());
    }
    std::vector<LocalTime> readings;
    std::vector<DWORD> threads;
};

TEST(TClocker, EveryReadingComesFromTheGivenClockAndEachSecondReachesTheObserver) {
    // 23:59:58.5 on 7 March: midnight comes 1.5 s after the start.
    ShiftedClock shifted(kHalfASecondBeforeMidnightMinusOne, 7);
    RecordingTarget target;
    RecordingObserver observer;
    TClocker clocker(target, shifted.Clock(), &observer);
    clocker.Resume();
    PumpFor(3000);
    ASSERT_TRUE(clocker.Shutdown(1000));

    ASSERT_GE(target.calls.size(), 4u);
    EXPECT_EQ(target.calls[0].what, "minute");
    EXPECT_EQ(target.calls[0].a, 23);
    EXPECT_EQ(target.calls[0].b, 59);
    // Second 59 shows the coming minute; midnight is a new day for the reminders.
    bool midnightDial = false, newDay = false;
    int seconds = 0;
    for (const Call& c : target.calls) {
        if (c.what == "minute" && c.a == 0 && c.b == 0) midnightDial = true;
        if (c.what == "reminders" && c.a == 1 && c.b == 1 && c.time.day == 8 && c.time.hour == 0)
            newDay = true;
        if (c.what == "second") ++seconds;
    }
    EXPECT_TRUE(midnightDial);
    EXPECT_TRUE(newDay);
    // 00:00:01 titles the new date, formatted from the same clock.
    ASSERT_FALSE(target.titles.empty());
    EXPECT_EQ(target.titles.front(), L"「3月8日」");

    // One observation per second hand-over, on this thread, read from the given clock.
    ASSERT_GE(seconds, 2);
    EXPECT_EQ(static_cast<int>(observer.readings.size()), seconds);
    for (size_t i = 0; i < observer.readings.size(); ++i) {
        EXPECT_EQ(observer.readings[i].year, 2031);
        EXPECT_EQ(observer.threads[i], ::GetCurrentThreadId());
    }
}

int HandoverWindows() {
    int n = 0;
    for (HWND w = nullptr;
         (w = ::FindWindowExW(HWND_MESSAGE, w, L"VelmiraClockHandover", nullptr)) != nullptr;)
        ++n;
    return n;
}

TEST(TClocker, ASetUpStepThatFailsLeavesNoThreadAndNothingBehind) {
    struct Case {
        const char* name;
        ClockerFaults faults;
        int windowsWhileAlive;
    } cases[] = {
        {"hand-over window", {true, false, false, false}, 0},
        {"stop event", {false, true, false, false}, 1},
        {"thread", {false, false, true, false}, 1},
    };
    const int before = HandoverWindows();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShiftedClock shifted(0, 1);
        RecordingTarget target;
        {
            TClocker clocker(target, shifted.Clock(), nullptr, c.faults);
            EXPECT_FALSE(clocker.Valid());
            EXPECT_EQ(HandoverWindows(), before + c.windowsWhileAlive);
            clocker.Resume();
            EXPECT_FALSE(clocker.Resumed());
            EXPECT_EQ(clocker.Priority(), THREAD_PRIORITY_ERROR_RETURN);
            PumpFor(300);
            const ULONGLONG start = ::GetTickCount64();
            EXPECT_TRUE(clocker.Shutdown(1000));
            EXPECT_LT(::GetTickCount64() - start, 100u);
        }
        EXPECT_EQ(shifted.reads, 0) << "no thread read the clock";
        EXPECT_TRUE(target.calls.empty());
        EXPECT_EQ(HandoverWindows(), before) << "the hand-over window went with the clocker";
    }
}

TEST(TClocker, ThePauseNeverSpinsWhenItsWaitFails) {
    ShiftedClock shifted(10 * 3600 * 1000, 1);
    RecordingTarget target;
    ClockerFaults faults;
    faults.pauseWait = true;
    TClocker clocker(target, shifted.Clock(), nullptr, faults);
    ASSERT_TRUE(clocker.Valid());
    clocker.Resume();
    PumpFor(2500);
    // The pause sleeps instead of waking on a stop request: up to a second.
    EXPECT_TRUE(clocker.Shutdown(2000));
    int seconds = 0;
    for (const Call& c : target.calls) seconds += c.what == "second";
    EXPECT_GE(seconds, 2) << "the clock still runs";
    // A few readings a second; a spinning loop reads thousands.
    EXPECT_LE(shifted.reads, 40);
}

TEST(TClocker, ADestroyedClockerThatNeverRanEndsItsThread) {
    RecordingTarget target;
    ShiftedClock shifted(0, 1);
    const int before = HandoverWindows();
    {
        TClocker clocker(target, shifted.Clock());
        ASSERT_TRUE(clocker.Valid());
        EXPECT_EQ(HandoverWindows(), before + 1);
    }
    PumpFor(200);
    EXPECT_EQ(shifted.reads, 0);
    EXPECT_TRUE(target.calls.empty());
    EXPECT_EQ(HandoverWindows(), before);
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
