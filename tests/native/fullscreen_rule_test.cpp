// When she keeps out of the way of a full-screen program: the foreground
// window against the monitor she stands on, and what Windows says.
#include "presence/fullscreen_rule.h"

#include <gtest/gtest.h>

namespace velmira {
namespace {

TEST(FullScreenRule, QuietOnlyForAnotherProgramOverHerWholeMonitor) {
    const Rect hers{1920, 0, 1280, 1024};  // the right one of two monitors
    const auto other = [](Rect r) { return ForegroundWindow{true, r, false, false}; };
    const Rect small{100, 100, 300, 200};
    const struct {
        const char* name;
        ForegroundWindow foreground;
        UserNotice notice;
        bool quiet;
    } table[] = {
        {"exact cover", other(hers), UserNotice::kAccepts, true},
        {"larger than the monitor", other({1900, -30, 1320, 1070}), UserNotice::kAccepts, true},
        {"one pixel short at the right", other({1920, 0, 1279, 1024}), UserNotice::kAccepts, false},
        {"one pixel short at the top", other({1920, 1, 1280, 1023}), UserNotice::kAccepts, false},
        {"on the other monitor", other({0, 0, 1920, 1080}), UserNotice::kAccepts, false},
        {"far off the screen", other({2147483000, 0, 2000, 2000}), UserNotice::kAccepts, false},
        {"hers", {true, hers, true, false}, UserNotice::kBusy, false},
        {"the desktop", {true, {0, 0, 3200, 1080}, false, true}, UserNotice::kAccepts, false},
        {"no foreground window", {}, UserNotice::kAccepts, false},
        {"busy", other(small), UserNotice::kBusy, true},
        {"Direct3D in full screen", {}, UserNotice::kFullScreenD3d, true},
        {"presentation", other(small), UserNotice::kPresentation, true},
    };
    for (const auto& row : table)
        EXPECT_EQ(QuietForFullScreen(row.foreground, hers, row.notice), row.quiet) << row.name;
}

}  // namespace
}  // namespace velmira
