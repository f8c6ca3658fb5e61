// Where the about box puts its picture and where it stands on the screen.
#include "about/about_layout.h"

#include <gtest/gtest.h>

namespace velmira {
namespace {

void ExpectRect(const Rect& r, int left, int top, int width, int height) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.width, width);
    EXPECT_EQ(r.height, height);
}

TEST(AboutPicture, TheFortyPixelPictureMovesUpAndLeft) {
    ExpectRect(CentredPictureBox(kImagePaintDesigned, 40, 40), 14, 9, 40, 40);
}

TEST(AboutPicture, AnySizeKeepsTheDesignedCentre) {
    ExpectRect(CentredPictureBox(kImagePaintDesigned, 32, 32), 18, 13, 32, 32);
    ExpectRect(CentredPictureBox(kImagePaintDesigned, 96, 96), -14, -19, 96, 96);
    ExpectRect(CentredPictureBox(kImagePaintDesigned, 10, 20), 29, 19, 10, 20);
    // Odd sizes drop the remainder of their half: 34 - 20, 29 - 3.
    ExpectRect(CentredPictureBox(kImagePaintDesigned, 41, 7), 14, 26, 41, 7);
    ExpectRect(CentredPictureBox(kImagePaintDesigned, 0, 0), 34, 29, 0, 0);
}

TEST(AboutPlacement, CentredOnTheOwner) {
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

TEST(AboutPlacement, StaysOnTheWorkAreaNearItsEdges) {
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
