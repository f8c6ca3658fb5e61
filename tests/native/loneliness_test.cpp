// Her moods without waiting: the smile rolls, the lonely cycle with its
// sounds, faces and intervals, and the user's attention at every step.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "character/loneliness.h"

namespace velmira {
namespace {

using namespace samishii;

// A random source that answers from a script and counts its calls.
struct Script {
    std::vector<uint32_t> answers;
    size_t calls = 0;
    RandomSource Source() {
        return [this](uint32_t bound) {
            EXPECT_EQ(bound, 3u);
            return answers[calls++ % answers.size()];
        };
    }
};

void ExpectTimer(const LonelinessMachine& m, bool enabled, uint32_t interval, int32_t tag) {
    EXPECT_EQ(m.Timer().enabled, enabled);
    if (enabled) {
        EXPECT_EQ(m.Timer().interval, interval);
    }
    EXPECT_EQ(m.Timer().Tag, tag);
}

std::wstring Sound(const wchar_t* s) { return s ? s : L"(none)"; }

LonelinessMachine Smiling(Script& script) {
    LonelinessMachine m(script.Source());
    m.TryRandomSmile();
    m.TryRandomSmile();
    EXPECT_TRUE(m.TryRandomSmile());
    return m;
}

TEST(Loneliness, EveryThirdCallRollsAndOneRollInThreeSmiles) {
    Script script{{0, 2, 1}};
    LonelinessMachine m(script.Source());
    for (int roll = 0; roll < 3; ++roll) {
        EXPECT_FALSE(m.TryRandomSmile());
        EXPECT_FALSE(m.TryRandomSmile());
        EXPECT_EQ(script.calls, static_cast<size_t>(roll)) << "no roll before the third call";
        const bool smiled = m.TryRandomSmile();
        EXPECT_EQ(m.smileCounter, 0);
        EXPECT_EQ(smiled, roll == 2) << "only a 1 smiles, roll " << roll;
    }
    EXPECT_EQ(m.Face(), 1);
    ExpectTimer(m, true, kSmileMs, kSmiling);
}

TEST(Loneliness, TheWholeCycleWithItsSoundsFacesAndIntervals) {
    Script script{{1}};
    LonelinessMachine m = Smiling(script);
    struct Step {
        const wchar_t* sound;
        int face;
        uint32_t interval;
        int32_t tag;
    } steps[] = {
        {L"(none)", 0, 600000, kWaiting},  // the smile goes, the wait starts
        {L"Snd_Matsu1", 2, kLonelyStepMs, kLonely1},
        {L"Snd_Matsu2", 3, kLonelyStepMs, kLonely2},
        {L"(none)", 0, 600000, kWaiting},  // and round again
        {L"Snd_Matsu1", 2, kLonelyStepMs, kLonely1},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(Sound(m.SamishiiTimerTimer(600, false)), step.sound);
        EXPECT_EQ(m.Face(), step.face);
        ExpectTimer(m, true, step.interval, step.tag);
    }
}

TEST(Loneliness, WithoutAWaitTheSmileEndsAndTheTimerStaysOff) {
    Script script{{1}};
    LonelinessMachine m = Smiling(script);
    EXPECT_EQ(m.SamishiiTimerTimer(0, true), nullptr) << "not even 泣く wakes a wait of 0";
    EXPECT_EQ(m.Face(), 0);
    EXPECT_FALSE(m.Timer().enabled);
    // Smiles still come.
    m.TryRandomSmile();
    m.TryRandomSmile();
    EXPECT_TRUE(m.TryRandomSmile());
}

TEST(Loneliness, NakuTestShortensEveryIntervalTheTickSetsButNotTheSmile) {
    Script script{{1}};
    LonelinessMachine m = Smiling(script);
    ExpectTimer(m, true, kSmileMs, kSmiling);
    for (int32_t tag : {kWaiting, kLonely1, kLonely2, kWaiting}) {
        m.SamishiiTimerTimer(3600, true);
        ExpectTimer(m, true, kNakuTestMs, tag);
    }
}

TEST(Loneliness, AttentionAtAnyStepStopsTheCycleAndRemovesTheFace) {
    for (int ticks = 0; ticks < 4; ++ticks) {
        SCOPED_TRACE(ticks);
        Script script{{1}};
        LonelinessMachine m = Smiling(script);
        for (int i = 0; i < ticks; ++i) m.SamishiiTimerTimer(3600, false);
        m.ResetLoneliness();
        EXPECT_EQ(m.Face(), 0);
        EXPECT_FALSE(m.Timer().enabled);
        // The next start comes from a smile, whatever step was left behind.
        m.TryRandomSmile();
        m.TryRandomSmile();
        ASSERT_TRUE(m.TryRandomSmile());
        ExpectTimer(m, true, kSmileMs, kSmiling);
    }
}

TEST(Loneliness, SetFaceIgnoresNumbersAboveThree) {
    Script script{{1}};
    LonelinessMachine m = Smiling(script);
    EXPECT_FALSE(m.SetFace(5));
    EXPECT_FALSE(m.SetFace(4));
    EXPECT_EQ(m.Face(), 1) << "the shown face stays";
    EXPECT_TRUE(m.SetFace(2)) << "a new face is drawn at once";
    EXPECT_TRUE(m.SetFace(2)) << "and the same face again";
    EXPECT_TRUE(m.SetFace(-1));
    EXPECT_EQ(m.Face(), 0);
    EXPECT_FALSE(m.SetFace(0)) << "no face to remove";
}

TEST(Loneliness, StoredWaitsOutsideTheTimersRange) {
    EXPECT_EQ(LonelyWaitMs(3600), 3600000u);
    EXPECT_EQ(LonelyWaitMs(0), 0u);
    EXPECT_EQ(LonelyWaitMs(-5), 0u) << "a negative wait is none";
    EXPECT_EQ(LonelyWaitMs(4294968), kLongestWaitMs) << "no wrap past 2^32 ms";
    EXPECT_EQ(LonelyWaitMs(INT32_MAX), kLongestWaitMs);
}

TEST(Loneliness, ASeededSourceSmilesAboutOneRollInThree) {
    LonelinessMachine m(SeededRandomSource(20261208));
    int smiles = 0;
    for (int call = 0; call < 9000; ++call) {
        if (m.TryRandomSmile()) ++smiles;
        m.ResetLoneliness();
    }
    EXPECT_GT(smiles, 900);
    EXPECT_LT(smiles, 1100);
}

}  // namespace
}  // namespace velmira
