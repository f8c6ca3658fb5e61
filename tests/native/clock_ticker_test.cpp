// The clock thread's rules fed with sequences of local times.
#include "clock/clock_ticker.h"
#include "local_time_of.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmira {
namespace {

LocalTime At(int day, int hour, int minute, int second, int month = 12) {
    return LocalTimeOf(2026, month, day, hour, minute, second);
}

// Records each hand-over with the values it carries.
class RecordingSink : public TickSink {
public:
    bool SyncSecond(int second) override {
        calls.push_back("second " + std::to_string(second));
        return !failSecond;
    }
    bool SyncMinute(int hour, int minute) override {
        calls.push_back("minute " + std::to_string(hour) + ":" + std::to_string(minute));
        return true;
    }
    bool SyncReminders(bool dateChanged, bool minuteChanged, const LocalTime& time) override {
        calls.push_back(std::string("reminders ") + (dateChanged ? "T" : "F") +
                        (minuteChanged ? "T" : "F") + " " + std::to_string(time.hour) + ":" +
                        std::to_string(time.minute));
        return true;
    }
    bool UpdateTitle(int toggle) override {
        calls.push_back("title " + std::to_string(toggle));
        return true;
    }
    std::vector<std::string> Take() { return std::exchange(calls, {}); }

    std::vector<std::string> calls;
    bool failSecond = false;
};

using Calls = std::vector<std::string>;

class ClockTickerTest : public ::testing::Test {
protected:
    ClockTicker ticker;
    RecordingSink sink;
    void Start(const LocalTime& t) {
        ASSERT_TRUE(ticker.Start(t, sink));
        sink.Take();
    }
};

TEST_F(ClockTickerTest, StartDrawsTheMinuteAndChecksRemindersTwice) {
    ASSERT_TRUE(ticker.Start(At(7, 10, 45, 20), sink));
    EXPECT_EQ(sink.Take(), (Calls{"minute 10:45", "reminders TF 10:45", "reminders FT 10:45"}));
}

TEST_F(ClockTickerTest, FirstPollDeliversTheSecondWithoutFurtherChecks) {
    Start(At(7, 10, 45, 20));
    EXPECT_EQ(ticker.Poll(At(7, 10, 45, 20), sink), ClockTicker::PollResult::Handled);
    EXPECT_EQ(sink.Take(), (Calls{"second 20"}));
}

TEST_F(ClockTickerTest, RepeatedSecondDeliversNothing) {
    Start(At(7, 10, 45, 20));
    ticker.Poll(At(7, 10, 45, 20), sink);
    sink.Take();
    EXPECT_EQ(ticker.Poll(At(7, 10, 45, 20), sink), ClockTicker::PollResult::SameSecond);
    EXPECT_TRUE(sink.Take().empty());
}

TEST_F(ClockTickerTest, SecondFiftyNineRedrawsTheComingMinute) {
    struct Case {
        int hour, minute, day;
        const char* expected;
    } cases[] = {
        {10, 45, 7, "minute 10:46"}, {10, 59, 7, "minute 11:0"}, {23, 59, 7, "minute 0:0"}};
    for (const Case& c : cases) {
        ClockTicker t;
        RecordingSink s;
        ASSERT_TRUE(t.Start(At(c.day, c.hour, c.minute, 50), s));
        t.Poll(At(c.day, c.hour, c.minute, 58), s);
        s.Take();
        t.Poll(At(c.day, c.hour, c.minute, 59), s);
        EXPECT_EQ(s.Take(), (Calls{"second 59", c.expected})) << c.hour << ":" << c.minute;
    }
}

TEST_F(ClockTickerTest, NewMinuteAfterSecondFiftyNineChecksRemindersButDoesNotRedraw) {
    Start(At(7, 10, 45, 58));
    ticker.Poll(At(7, 10, 45, 58), sink);
    ticker.Poll(At(7, 10, 45, 59), sink);
    sink.Take();
    ticker.Poll(At(7, 10, 46, 0), sink);
    EXPECT_EQ(sink.Take(), (Calls{"second 0", "reminders FT 10:46"}));
}

TEST_F(ClockTickerTest, MidnightChecksRemindersOnceWithBothFlags) {
    Start(At(7, 23, 59, 58));
    ticker.Poll(At(7, 23, 59, 58), sink);
    ticker.Poll(At(7, 23, 59, 59), sink);
    sink.Take();
    ticker.Poll(At(8, 0, 0, 0), sink);
    EXPECT_EQ(sink.Take(), (Calls{"second 0", "reminders TT 0:0"}));
}

TEST_F(ClockTickerTest, MissedSecondFiftyNineRedrawsWithTheTrueMinute) {
    Start(At(7, 10, 45, 57));
    ticker.Poll(At(7, 10, 45, 58), sink);
    sink.Take();
    ticker.Poll(At(7, 10, 46, 0), sink);
    EXPECT_EQ(sink.Take(), (Calls{"second 0", "minute 10:46", "reminders FT 10:46"}));
}

TEST_F(ClockTickerTest, ClockSetForwardByHoursRedrawsAndChecks) {
    Start(At(7, 10, 45, 20));
    ticker.Poll(At(7, 10, 45, 20), sink);
    sink.Take();
    ticker.Poll(At(7, 13, 45, 21), sink);
    EXPECT_EQ(sink.Take(), (Calls{"second 21", "title 0", "minute 13:45"}));
}

TEST_F(ClockTickerTest, ClockSetBackAcrossDaysIsADateChange) {
    Start(At(7, 10, 45, 20));
    ticker.Poll(At(7, 10, 45, 20), sink);
    sink.Take();
    ticker.Poll(At(5, 10, 45, 22), sink);
    EXPECT_EQ(sink.Take(), (Calls{"second 22", "reminders TF 10:45"}));
}

// A change is reported once: the seconds after it check no reminders until
// the day or the minute changes again.
TEST_F(ClockTickerTest, EachChangeChecksRemindersOnlyOnce) {
    Start(At(7, 10, 45, 57));
    ticker.Poll(At(7, 10, 45, 58), sink);
    ticker.Poll(At(7, 10, 46, 0), sink);
    EXPECT_EQ(sink.Take().back(), "reminders FT 10:46");
    ticker.Poll(At(7, 10, 46, 2), sink);
    ticker.Poll(At(7, 10, 46, 3), sink);
    EXPECT_EQ(sink.Take(), (Calls{"second 2", "second 3"})) << "after a new minute";

    ticker.Poll(At(5, 10, 46, 4), sink);  // the date set back, same minute
    EXPECT_EQ(sink.Take(), (Calls{"second 4", "reminders TF 10:46"}));
    ticker.Poll(At(5, 10, 46, 5), sink);
    EXPECT_EQ(sink.Take(), (Calls{"second 5"})) << "after a new day";
}

TEST_F(ClockTickerTest, SecondsAfterMidnightCheckNoFurtherReminders) {
    Start(At(7, 23, 59, 58));
    ticker.Poll(At(7, 23, 59, 59), sink);
    ticker.Poll(At(8, 0, 0, 0), sink);
    EXPECT_EQ(sink.Take().back(), "reminders TT 0:0");
    ticker.Poll(At(8, 0, 0, 2), sink);
    EXPECT_EQ(sink.Take(), (Calls{"second 2"}));
    // The next minute is a change of minute only.
    ticker.Poll(At(8, 0, 1, 3), sink);
    EXPECT_EQ(sink.Take(), (Calls{"second 3", "minute 0:1", "reminders FT 0:1"}));
}

TEST_F(ClockTickerTest, SameDayOfAnotherMonthIsNoDateChange) {
    Start(At(7, 10, 45, 20, 12));
    ticker.Poll(At(7, 10, 45, 20, 12), sink);
    sink.Take();
    ticker.Poll(At(7, 10, 45, 22, 3), sink);
    EXPECT_EQ(sink.Take(), (Calls{"second 22"}));
}

TEST_F(ClockTickerTest, TitleAlternatesAtSecondsEndingInOne) {
    Start(At(7, 10, 45, 0));
    std::vector<std::string> titles;
    for (int s = 0; s < 60; ++s) {
        ticker.Poll(At(7, 10, 45, s), sink);
        for (const std::string& call : sink.Take())
            if (call.rfind("title", 0) == 0) titles.push_back(std::to_string(s) + " " + call);
    }
    EXPECT_EQ(titles, (Calls{"1 title 0", "11 title 1", "21 title 0", "31 title 1", "41 title 0",
                             "51 title 1"}));
}

TEST_F(ClockTickerTest, FailedHandOverStopsTheClock) {
    Start(At(7, 10, 45, 20));
    sink.failSecond = true;
    EXPECT_EQ(ticker.Poll(At(7, 10, 45, 21), sink), ClockTicker::PollResult::Stopped);
    EXPECT_EQ(sink.Take(), (Calls{"second 21"}));
}

TEST(TitleToggle, CyclesBetweenDateAndTime) {
    EXPECT_EQ(NextTitleToggle(0), 1);
    EXPECT_EQ(NextTitleToggle(1), 0);
    EXPECT_EQ(NextTitleToggle(5), 0);
}

TEST(NextSecond, WaitsUntilTheBoundary) {
    LocalTime t;
    t.milliseconds = 0;
    EXPECT_EQ(MillisecondsToNextSecond(t), 1000u);
    t.milliseconds = 499;
    EXPECT_EQ(MillisecondsToNextSecond(t), 501u);
    t.milliseconds = 999;
    EXPECT_EQ(MillisecondsToNextSecond(t), 1u);
    t.milliseconds = 5000;  // a broken reading still waits a little, never forever
    EXPECT_EQ(MillisecondsToNextSecond(t), 1u);
}

}  // namespace
}  // namespace velmira

namespace velmira {
namespace {

LocalTime AtMs(int ms) {
    LocalTime t;
    t.milliseconds = static_cast<uint16_t>(ms);
    return t;
}

TEST(PauseAfterPoll, AHandledSecondPausesAtLeastHalfASecondThenWaitsForTheNext) {
    using R = ClockTicker::PollResult;
    EXPECT_EQ(PauseAfterPoll(R::Handled, AtMs(3)), 997u);  // on to the next second
    EXPECT_EQ(PauseAfterPoll(R::Handled, AtMs(499)), 501u);
    EXPECT_EQ(PauseAfterPoll(R::Handled, AtMs(700)), 500u);  // a slow hand-over keeps the pause
    EXPECT_EQ(PauseAfterPoll(R::SameSecond, AtMs(700)), 300u);
    EXPECT_EQ(PauseAfterPoll(R::SameSecond, AtMs(999)), 1u);
}

}  // namespace
}  // namespace velmira
