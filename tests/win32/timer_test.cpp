// The window timer's promise, checked through the SetTimer and KillTimer
// calls it makes: a new interval restarts the count, nothing else does.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/win/form_window.h"
#include "base/win/timer.h"

namespace velmira {
namespace {

const HWND kFirst = reinterpret_cast<HWND>(0x1000);
const HWND kSecond = reinterpret_cast<HWND>(0x2000);

// Each call as "set <owner> <interval>" or "kill <owner>"; owners 1 and 2.
struct RecordingCalls : TimerCalls {
    void Set(HWND owner, UINT_PTR id, UINT interval) override {
        ids.push_back(id);
        calls.push_back("set " + Name(owner) + " " + std::to_string(interval));
    }
    void Kill(HWND owner, UINT_PTR id) override {
        ids.push_back(id);
        calls.push_back("kill " + Name(owner));
    }
    static std::string Name(HWND owner) { return owner == kFirst ? "1" : "2"; }
    std::vector<std::string> Take() { return std::exchange(calls, {}); }
    std::vector<std::string> calls;
    std::vector<UINT_PTR> ids;
};

using Calls = std::vector<std::string>;

TEST(TTimer, EnablingAndIntervalsCallOnlyWhenTheCountMustChange) {
    RecordingCalls calls;
    TTimer timer(2000, nullptr, calls);
    timer.SetOwner(kFirst);
    EXPECT_EQ(calls.Take(), Calls{}) << "not enabled yet";
    timer.SetEnabled(true);
    EXPECT_EQ(calls.Take(), (Calls{"set 1 2000"}));
    timer.SetEnabled(true);
    timer.SetInterval(2000);
    EXPECT_EQ(calls.Take(), Calls{}) << "a running timer keeps its count";
    timer.SetInterval(500);
    EXPECT_EQ(calls.Take(), (Calls{"set 1 500"})) << "a new interval starts the count over";
    timer.SetEnabled(false);
    timer.SetEnabled(false);
    EXPECT_EQ(calls.Take(), (Calls{"kill 1"}));
    timer.SetInterval(900);
    EXPECT_EQ(calls.Take(), Calls{}) << "a disabled timer only keeps the interval";
    timer.SetEnabled(true);
    EXPECT_EQ(calls.Take(), (Calls{"set 1 900"}));
    timer.SetInterval(0);
    timer.SetEnabled(true);
    EXPECT_EQ(calls.Take(), (Calls{"kill 1"})) << "no timer runs with interval 0";
    EXPECT_FALSE(timer.Running());
    timer.SetInterval(300);
    EXPECT_EQ(calls.Take(), (Calls{"set 1 300"}));
    for (UINT_PTR id : calls.ids) EXPECT_EQ(id, timer.Id()) << "always the timer's own id";
}

TEST(TTimer, RunsOnlyWithAnOwnerAndIsKilledWhenItGoes) {
    RecordingCalls calls;
    {
        TTimer timer(1000, nullptr, calls);
        timer.SetEnabled(true);
        EXPECT_EQ(calls.Take(), Calls{}) << "nothing to set without a window";
        timer.SetOwner(kFirst);
        timer.SetOwner(kFirst);
        EXPECT_EQ(calls.Take(), (Calls{"set 1 1000"}));
        timer.SetOwner(kSecond);
        EXPECT_EQ(calls.Take(), (Calls{"kill 1", "set 2 1000"}));
    }
    EXPECT_EQ(calls.Take(), (Calls{"kill 2"}));
    {
        TTimer stopped(1000, nullptr, calls);
        stopped.SetOwner(kFirst);
    }
    EXPECT_EQ(calls.Take(), Calls{});
}

// The default calls reach the window: KillTimer succeeds only on a timer that runs.
TEST(TTimer, SetsAndKillsARealWindowTimer) {
    HWND window = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    TTimer timer(60000);
    timer.SetOwner(window);
    timer.SetEnabled(true);
    EXPECT_TRUE(::KillTimer(window, timer.Id())) << "the timer was set";
    timer.SetEnabled(false);
    timer.SetEnabled(true);
    timer.SetEnabled(false);
    EXPECT_FALSE(::KillTimer(window, timer.Id())) << "the timer was killed";
    ::DestroyWindow(window);
}

// Two parts keep timers on one form; each tick reaches its own handler, and
// a tick of a timer that has gone reaches none.
TEST(TTimer, TwoPartsTimersOnOneWindowReachTheirOwnHandlers) {
    struct Form : FormWindow {
        bool Make() {
            return CreateForm(L"VelmiraTimerTestForm", 0, WS_POPUP, L"", 0, 0, 10, 10, nullptr);
        }
        LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
            if (msg == WM_TIMER) ++unrouted;
            return FormWindow::HandleMessage(msg, wParam, lParam);
        }
        int unrouted = 0;
    } form;
    ASSERT_TRUE(form.Make());
    std::string ticks;
    TTimer first(1000, [&] { ticks += "1"; });
    auto second = std::make_unique<TTimer>(1000, [&] { ticks += "2"; });
    first.SetOwner(form.Handle());
    second->SetOwner(form.Handle());
    ASSERT_NE(first.Id(), second->Id());
    ::SendMessageW(form.Handle(), WM_TIMER, second->Id(), 0);
    ::SendMessageW(form.Handle(), WM_TIMER, first.Id(), 0);
    const UINT_PTR gone = second->Id();
    second.reset();
    ::SendMessageW(form.Handle(), WM_TIMER, gone, 0);
    EXPECT_EQ(ticks, "21");
    EXPECT_EQ(form.unrouted, 1) << "only the gone timer's tick reached the form itself";
}

}  // namespace
}  // namespace velmira
