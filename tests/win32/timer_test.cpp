// The window timer's promise, checked through the SetTimer and KillTimer
// calls it makes: a new interval restarts the count, nothing else does.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "base/win/components.h"

namespace velmira {
namespace {

class RecordingCalls : public TimerCalls {
public:
    void Set(HWND owner, UINT_PTR id, UINT interval) override {
        calls.push_back("set " + Name(owner) + " " + std::to_string(id) + " " +
                        std::to_string(interval));
    }
    void Kill(HWND owner, UINT_PTR id) override {
        calls.push_back("kill " + Name(owner) + " " + std::to_string(id));
    }
    std::vector<std::string> Take() { return std::exchange(calls, {}); }

    HWND first = reinterpret_cast<HWND>(0x1000);
    HWND second = reinterpret_cast<HWND>(0x2000);
    std::vector<std::string> calls;

private:
    std::string Name(HWND owner) const {
        return owner == first ? "first" : owner == second ? "second" : "other";
    }
};

using Calls = std::vector<std::string>;

class TTimerTest : public ::testing::Test {
protected:
    RecordingCalls calls;
    // Started: owned, enabled, counting 2000 ms.
    void Start(TTimer& timer) {
        timer.SetOwner(calls.first);
        timer.SetEnabled(true);
        ASSERT_EQ(calls.Take(), (Calls{"set first 7 2000"}));
    }
};

TEST_F(TTimerTest, EnablingAndDisablingStartAndKillOnce) {
    TTimer timer(7, 2000, calls);
    timer.SetOwner(calls.first);
    EXPECT_TRUE(calls.Take().empty()) << "not enabled yet";
    timer.SetEnabled(true);
    EXPECT_EQ(calls.Take(), (Calls{"set first 7 2000"}));
    EXPECT_TRUE(timer.Running());
    timer.SetEnabled(true);
    EXPECT_TRUE(calls.Take().empty()) << "enabling a running timer keeps its count";
    timer.SetEnabled(false);
    EXPECT_EQ(calls.Take(), (Calls{"kill first 7"}));
    EXPECT_FALSE(timer.Running());
    timer.SetEnabled(false);
    EXPECT_TRUE(calls.Take().empty()) << "a stopped timer is not killed again";
    timer.SetEnabled(true);
    EXPECT_EQ(calls.Take(), (Calls{"set first 7 2000"}));
}

TEST_F(TTimerTest, ANewIntervalRestartsOnlyARunningTimer) {
    TTimer timer(7, 2000, calls);
    Start(timer);
    timer.SetInterval(2000);
    EXPECT_TRUE(calls.Take().empty()) << "the same interval keeps the count";
    timer.SetInterval(500);
    EXPECT_EQ(calls.Take(), (Calls{"set first 7 500"}));
    EXPECT_EQ(timer.Interval(), 500u);

    timer.SetEnabled(false);
    calls.Take();
    timer.SetInterval(900);
    EXPECT_TRUE(calls.Take().empty()) << "a disabled timer only keeps the interval";
    timer.SetEnabled(true);
    EXPECT_EQ(calls.Take(), (Calls{"set first 7 900"}));
}

TEST_F(TTimerTest, IntervalZeroStopsAndANewIntervalStartsAgain) {
    TTimer timer(7, 2000, calls);
    Start(timer);
    timer.SetInterval(0);
    EXPECT_EQ(calls.Take(), (Calls{"kill first 7"}));
    EXPECT_FALSE(timer.Running());
    EXPECT_TRUE(timer.Enabled());
    timer.SetEnabled(true);
    EXPECT_TRUE(calls.Take().empty()) << "no timer runs with interval 0";
    timer.SetInterval(300);
    EXPECT_EQ(calls.Take(), (Calls{"set first 7 300"}));
}

TEST_F(TTimerTest, NoOwnerNoTimerAndTheOwnerCanChange) {
    TTimer timer(7, 2000, calls);
    timer.SetEnabled(true);
    timer.SetInterval(1000);
    EXPECT_TRUE(calls.Take().empty()) << "nothing to set without a window";
    EXPECT_FALSE(timer.Running());
    timer.SetOwner(calls.first);
    EXPECT_EQ(calls.Take(), (Calls{"set first 7 1000"}));
    timer.SetOwner(calls.first);
    EXPECT_TRUE(calls.Take().empty());
    timer.SetOwner(calls.second);
    EXPECT_EQ(calls.Take(), (Calls{"kill first 7", "set second 7 1000"}));
    timer.SetOwner(nullptr);
    EXPECT_EQ(calls.Take(), (Calls{"kill second 7"}));
}

TEST_F(TTimerTest, ARunningTimerIsKilledWhenItGoes) {
    {
        TTimer timer(7, 2000, calls);
        Start(timer);
    }
    EXPECT_EQ(calls.Take(), (Calls{"kill first 7"}));
    {
        TTimer stopped(8, 2000, calls);
        stopped.SetOwner(calls.first);
    }
    EXPECT_TRUE(calls.Take().empty());
}

// The default calls reach the window: KillTimer succeeds only on a timer that runs.
TEST(TTimerSystem, SetsAndKillsARealWindowTimer) {
    HWND window = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    {
        TTimer timer(41, 60000);
        timer.SetOwner(window);
        timer.SetEnabled(true);
        EXPECT_TRUE(::KillTimer(window, 41)) << "the timer was set";
        timer.SetEnabled(false);  // kills it again (already gone): harmless
        timer.SetEnabled(true);
        timer.SetEnabled(false);
        EXPECT_FALSE(::KillTimer(window, 41)) << "the timer was killed";
    }
    ::DestroyWindow(window);
}

}  // namespace
}  // namespace velmira
