// Where a dialog stands: centred on its owner, kept on the work area.
#include "base/centring.h"

#include <gtest/gtest.h>

namespace velmira {
namespace {

TEST(DialogCentring, CentredOnTheOwner) {
    const Rect screen{0, 0, 1280, 1024};
    // A 293 x 441 character at 40, 64 and a 235 x 104 dialog.
    const Point at = CentredOnOwner(Rect{40, 64, 293, 441}, 235, 104, screen);
    EXPECT_EQ(at.x, 40 + (293 - 235) / 2);
    EXPECT_EQ(at.y, 64 + (441 - 104) / 2);
    // A dialog wider than its owner hangs over both sides equally.
    const Point wide = CentredOnOwner(Rect{500, 500, 100, 100}, 301, 51, screen);
    EXPECT_EQ(wide.x, 500 + (100 - 301) / 2);
    EXPECT_EQ(wide.y, 524);  // 500 + 49 / 2
}

TEST(DialogCentring, StaysOnTheWorkAreaNearItsEdges) {
    const Rect work{0, 0, 1280, 994};
    const Point left = CentredOnOwner(Rect{-250, 100, 293, 441}, 235, 104, work);
    EXPECT_EQ(left.x, 0);
    const Point right = CentredOnOwner(Rect{1200, 900, 293, 441}, 235, 104, work);
    EXPECT_EQ(right.x, 1280 - 235);
    EXPECT_EQ(right.y, 994 - 104);
    const Point above = CentredOnOwner(Rect{100, -400, 293, 441}, 235, 104, work);
    EXPECT_EQ(above.y, 0);
    // A work area that does not start at 0 (a taskbar at the left or a second monitor).
    const Point shifted =
        CentredOnOwner(Rect{1300, 10, 100, 100}, 200, 100, Rect{1280, 30, 1024, 738});
    EXPECT_EQ(shifted.x, 1280);
    EXPECT_EQ(shifted.y, 30);
    // Too large for the work area: its top-left corner stays visible.
    const Point huge = CentredOnOwner(Rect{0, 0, 100, 100}, 2000, 2000, work);
    EXPECT_EQ(huge.x, 0);
    EXPECT_EQ(huge.y, 0);
}

}  // namespace
}  // namespace velmira
