// Where the about box puts its picture.
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

}  // namespace
}  // namespace velmira
