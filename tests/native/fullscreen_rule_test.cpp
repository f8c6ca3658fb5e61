// When she keeps out of the way of a full-screen program: the foreground
// window against the monitor she stands on, and what Windows says.
#include "presence/fullscreen_rule.h"

#include <gtest/gtest.h>

namespace velmira {
namespace {

// She stands on the right one of two monitors.
constexpr Rect kLeft{0, 0, 1920, 1080};
constexpr Rect kHers{1920, 0, 1280, 1024};

struct Case {
    const char* name;
    ForegroundWindow foreground;
    UserNotice notice;
    bool quiet;
};

ForegroundWindow Other(Rect r) { return ForegroundWindow{true, r, false, false}; }

class FullScreenRule : public testing::TestWithParam<Case> {};

TEST_P(FullScreenRule, QuietOnlyForAnotherProgramOverHerWholeMonitor) {
    const Case& c = GetParam();
    EXPECT_EQ(QuietForFullScreen(c.foreground, kHers, c.notice), c.quiet) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FullScreenRule,
    testing::Values(
        Case{"exact cover", Other(kHers), UserNotice::kAccepts, true},
        Case{"larger than the monitor", Other({1900, -30, 1320, 1070}), UserNotice::kAccepts, true},
        Case{"one pixel short at the right", Other({1920, 0, 1279, 1024}), UserNotice::kAccepts,
             false},
        Case{"one pixel short at the top", Other({1920, 1, 1280, 1023}), UserNotice::kAccepts,
             false},
        Case{"full screen on the other monitor", Other(kLeft), UserNotice::kAccepts, false},
        Case{"hers, over her monitor", {true, kHers, true, false}, UserNotice::kBusy, false},
        Case{"the desktop", {true, {0, 0, 3200, 1080}, false, true}, UserNotice::kAccepts, false},
        Case{"no foreground window", ForegroundWindow{}, UserNotice::kAccepts, false},
        Case{"busy", Other({100, 100, 300, 200}), UserNotice::kBusy, true},
        Case{"Direct3D full screen", ForegroundWindow{}, UserNotice::kFullScreenD3d, true},
        Case{"presentation", Other({100, 100, 300, 200}), UserNotice::kPresentation, true},
        Case{"a window far off the screen", Other({2147483000, 0, 2000, 2000}),
             UserNotice::kAccepts, false}));

}  // namespace
}  // namespace velmira
