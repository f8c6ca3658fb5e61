// Where the speech balloon opens beside her mouth, and its shape.
#include <gtest/gtest.h>

#include "reminders/balloon_placement.h"

namespace velmira {
namespace {

using P = BalloonPlacement;

// Her client size and the shipped skin's mouth box.
constexpr int32_t kW = 293, kH = 441;
constexpr Rect kMouth{157, 138, 17, 13};
// 1280 x 1024 with a 40 px taskbar at the bottom.
const MonitorAreas kPrimary{{0, 0, 1280, 1024}, {0, 0, 1280, 984}};

StageFrame At(int32_t left, int32_t top) { return StageFrame{{left, top}, kW, kH}; }

P Choose(int32_t left, int32_t top, const MonitorAreas& m = kPrimary) {
    return ChoosePlacement(At(left, top), m, kMouth);
}

TEST(BalloonPlacement, EachQuarterOfTheMonitor) {
    // Her centre is (left + 146, top + 220); quarter lines at 256, 512, 768.
    EXPECT_EQ(Choose(100, 0), P::RightBelow);    // first quarter
    EXPECT_EQ(Choose(100, 200), P::RightAbove);  // second
    EXPECT_EQ(Choose(100, 400), P::RightBelow);  // third: below, as in the first
    EXPECT_EQ(Choose(100, 600), P::RightAbove);  // fourth
    EXPECT_EQ(Choose(900, 0), P::LeftBelow);
    EXPECT_EQ(Choose(900, 200), P::LeftAbove);
    EXPECT_EQ(Choose(900, 400), P::LeftBelow);
    EXPECT_EQ(Choose(900, 600), P::LeftAbove);
}

TEST(BalloonPlacement, QuarterLinesBelongToTheQuarterBelowThem) {
    const Rect screen{0, 0, 1280, 1024};
    const struct {
        int32_t centreY;
        P expected;
    } cases[] = {{255, P::RightBelow}, {256, P::RightAbove}, {512, P::RightAbove},
                 {513, P::RightBelow}, {767, P::RightBelow}, {768, P::RightAbove}};
    for (const auto& c : cases)
        EXPECT_EQ(QuarterPlacement(At(100, c.centreY - 220), screen), c.expected) << c.centreY;
    // An odd height: q = 255 and the fold is at 2q = 510, not at 511.
    const Rect odd{0, 0, 1280, 1023};
    EXPECT_EQ(QuarterPlacement(At(100, 255 - 220), odd), P::RightAbove);
    EXPECT_EQ(QuarterPlacement(At(100, 510 - 220), odd), P::RightAbove);
    EXPECT_EQ(QuarterPlacement(At(100, 511 - 220), odd), P::RightBelow);
}

TEST(BalloonPlacement, ExactlyHalfTheWidthOpensToTheLeft) {
    // 293 / 2 truncates to 146: left 494 puts the centre on x = 640.
    EXPECT_EQ(Choose(494, 0), P::LeftBelow);
    EXPECT_EQ(Choose(493, 0), P::RightBelow);
    EXPECT_EQ(QuarterPlacement(StageFrame{{500, 0}, 280, 441}, {0, 0, 1280, 1024}), P::LeftBelow);
}

TEST(BalloonTail, EveryPlacementPutsTheTipOnTheFacingMouthCorner) {
    const Point stage{300, 200};
    const struct {
        P placement;
        std::array<Point, 3> points;
        Point window;
    } cases[] = {
        // Mouth box on the screen: 457..474 across, 338..351 down, balloon right and below.
        {P::RightBelow, {{{0, 0}, {35, 48}, {83, 48}}}, {474, 351}},
        {P::LeftBelow, {{{240, 0}, {204, 48}, {156, 48}}}, {217, 351}},
        {P::RightAbove, {{{0, 160}, {35, 113}, {83, 113}}}, {474, 178}},
        {P::LeftAbove, {{{240, 160}, {204, 113}, {156, 113}}}, {217, 178}},
    };
    for (const auto& c : cases) {
        const BalloonShape shape = ComputeBalloonShape(c.placement, kMouth, stage);
        const int n = static_cast<int>(c.placement);
        EXPECT_EQ(shape.tail.points[0], c.points[0]) << n;
        EXPECT_EQ(shape.tail.points[1], c.points[1]) << n;
        EXPECT_EQ(shape.tail.points[2], c.points[2]) << n;
        EXPECT_EQ(shape.tail.windowPosition, c.window) << n;
        EXPECT_EQ(shape.body.left, 0);
        EXPECT_EQ(shape.body.top, 30);
        EXPECT_EQ(shape.body.width, 240);
        EXPECT_EQ(shape.body.height, 100);
        EXPECT_EQ(shape.cornerSize, 8);
    }
}

TEST(BalloonTail, TheTwoWorkedExamples) {
    // Placement 0: the top-left corner at her left + 174, top + 151.
    // Placement 3: the bottom-right corner at her left + 157, top + 138.
    for (const Point stage : {Point{0, 0}, Point{612, 40}, Point{-1500, -90}}) {
        const BalloonTail rb = ComputeTail(P::RightBelow, kMouth, stage);
        EXPECT_EQ(rb.windowPosition, (Point{stage.x + 174, stage.y + 151}));
        const BalloonTail la = ComputeTail(P::LeftAbove, kMouth, stage);
        EXPECT_EQ((Point{la.windowPosition.x + 240, la.windowPosition.y + 160}),
                  (Point{stage.x + 157, stage.y + 138}));
    }
}

TEST(BalloonTail, ALayoutOfItsOwnMovesTheBaseAndTip) {
    BalloonLayout layout;
    layout.clientWidth = 300;
    layout.clientHeight = 200;
    layout.tailPos = Rect{20, 60, 250, 90};
    const BalloonTail t = ComputeTail(P::LeftAbove, Rect{10, 20, 5, 6}, {1000, 500}, layout);
    EXPECT_EQ(t.points[0], (Point{300, 200}));
    EXPECT_EQ(t.points[1], (Point{270, 150}));
    EXPECT_EQ(t.points[2], (Point{222, 150}));
    EXPECT_EQ(t.windowPosition, (Point{1010 - 300, 520 - 200}));
}

TEST(BalloonShape, ScreenBoundsHoldBodyAndTailOnly) {
    // Below: the tip's row 0 to the body's bottom at 130; the window's last 30 rows are empty.
    const Rect below = BalloonScreenBounds(ComputeBalloonShape(P::RightBelow, kMouth, {100, 0}));
    EXPECT_EQ((Point{below.left, below.top}), (Point{274, 151}));
    EXPECT_EQ((Point{below.width, below.height}), (Point{240, 130}));
    const Rect above = BalloonScreenBounds(ComputeBalloonShape(P::LeftAbove, kMouth, {100, 0}));
    EXPECT_EQ((Point{above.left, above.top}), (Point{17, 8}));
    EXPECT_EQ((Point{above.width, above.height}), (Point{240, 130}));
}

TEST(BalloonPlacement, ASecondMonitorToTheLeftUsesItsOwnQuarterLines) {
    // 1920 x 1080 left of the primary and 200 px higher: halves at x = -960, quarter q = 270.
    const MonitorAreas left{{-1920, -200, 1920, 1080}, {-1920, -200, 1920, 1040}};
    // Centre (-554, 120): right half, second quarter of that monitor. The
    // primary's lines would have said right and below.
    EXPECT_EQ(Choose(-700, -100, left), P::LeftAbove);
    EXPECT_EQ(QuarterPlacement(At(-700, -100), kPrimary.bounds), P::RightBelow);
    const BalloonTail t = ComputeTail(P::LeftAbove, kMouth, {-700, -100});
    EXPECT_EQ(t.windowPosition, (Point{-783, -122}));
    // Its middle, x = -960, opens to the left; one pixel less to the right.
    EXPECT_EQ(Choose(-1106, -100, left), P::LeftAbove);
    EXPECT_EQ(Choose(-1107, -100, left), P::RightAbove);
    // Its first quarter line at y = -200 + 270 = 70.
    EXPECT_EQ(Choose(-700, -151, left), P::LeftBelow);
    EXPECT_EQ(Choose(-700, -150, left), P::LeftAbove);
}

TEST(BalloonReadable, FlipsDownWhenAboveWouldLeaveTheTopAndBelowFits) {
    // 1024 x 768: the second quarter starts at y = 192.
    const MonitorAreas small{{0, 0, 1024, 768}, {0, 0, 1024, 728}};
    // Centre y 212: above; its body's top would be at her top + 8 = 0: it fits.
    EXPECT_EQ(Choose(100, -8, small), P::RightAbove);
    // One pixel higher the body leaves the work area: below instead, tip on
    // the mouth's bottom-right corner.
    EXPECT_EQ(Choose(100, -9, small), P::RightBelow);
    EXPECT_EQ(ComputeTail(P::RightBelow, kMouth, {100, -9}).windowPosition, (Point{274, 142}));
    EXPECT_EQ(Choose(800, -9, small), P::LeftBelow);
    // The quarters alone keep saying above.
    EXPECT_EQ(QuarterPlacement(At(100, -9), small.bounds), P::RightAbove);
}

TEST(BalloonReadable, FlipsUpWhenBelowWouldLeaveTheBottomAndAboveFits) {
    // A docked bar leaves the work area 700 px high.
    const MonitorAreas docked{{0, 0, 1280, 1024}, {0, 0, 1280, 700}};
    // Centre y 639, third quarter: below, ending at her top + 281 = 700: fits.
    EXPECT_EQ(Choose(100, 419, docked), P::RightBelow);
    EXPECT_EQ(Choose(100, 420, docked), P::RightAbove);
    EXPECT_EQ(Choose(900, 420, docked), P::LeftAbove);
}

TEST(BalloonReadable, NoFlipWhenTheOtherWouldBeCutOffToo) {
    // Hanging off the left edge: the balloon is cut off whichever way it opens.
    EXPECT_EQ(Choose(-300, 100), P::RightAbove);
    EXPECT_EQ(Choose(-300, 400), P::RightBelow);
    // Cut off at a side and at the top: going below would still be cut off at the side.
    const MonitorAreas small{{0, 0, 1024, 768}, {0, 0, 1024, 728}};
    EXPECT_EQ(Choose(-175, -9, small), P::RightAbove);
    EXPECT_EQ(Choose(-174, -9, small), P::RightBelow);
    const MonitorAreas narrow{{0, 0, 1024, 768}, {0, 0, 514, 728}};
    EXPECT_EQ(Choose(100, -9, narrow), P::RightBelow);
    EXPECT_EQ(Choose(101, -9, narrow), P::RightAbove);
    // A work area too short for either: below pokes out at 261, above at -12.
    const MonitorAreas shortArea{{0, 0, 1280, 1024}, {0, 0, 1280, 250}};
    EXPECT_EQ(Choose(100, -20, shortArea), P::RightBelow);
    // An unreadable work area leaves the quarters' choice.
    const MonitorAreas unknown{{0, 0, 1024, 768}, {}};
    EXPECT_EQ(Choose(100, -9, unknown), P::RightAbove);
}

TEST(BalloonReadable, ASecondMonitorFlipsWithinItsOwnWorkArea) {
    const MonitorAreas left{{-1024, -100, 1024, 768}, {-1024, -100, 1024, 768}};
    // Centre (-254, 100): right half, second quarter: above, whose top would
    // be at -112, above the monitor's -100. Below fits: tip on the mouth's
    // bottom-left corner (-243, 31).
    EXPECT_EQ(QuarterPlacement(At(-400, -120), left.bounds), P::LeftAbove);
    EXPECT_EQ(Choose(-400, -120, left), P::LeftBelow);
    EXPECT_EQ(ComputeTail(P::LeftBelow, kMouth, {-400, -120}).windowPosition, (Point{-483, 31}));
    EXPECT_EQ(Choose(-400, -108, left), P::LeftAbove);
}

bool Within(const Rect& r, const Rect& a) {
    return r.left >= a.left && r.top >= a.top && r.left + r.width <= a.left + a.width &&
           r.top + r.height <= a.top + a.height;
}

TEST(BalloonReadable, TheBodyStaysOnTheWorkAreaAtHerScreenEdgesAtEveryScale) {
    const MonitorAreas left{{-1920, -200, 1920, 1080}, {-1920, -200, 1920, 1040}};
    for (const int dpi : {96, 144, 192, 288, 480}) {
        const DisplayScale scale(dpi);
        const BalloonLayout layout = ScaledBalloonLayout(scale);
        const Rect mouth = scale.Px(kMouth);
        const int32_t w = scale.Px(kW), h = scale.Px(kH);
        for (const MonitorAreas& m : {kPrimary, left}) {
            const Rect& a = m.workArea;
            // Half off each edge and corner, and just inside them.
            for (const int32_t x :
                 {a.left - w / 2, a.left, a.left + a.width - w, a.left + a.width - w / 2})
                for (const int32_t y :
                     {a.top - h / 2, a.top, a.top + a.height - h, a.top + a.height - h / 2}) {
                    const P p = ChoosePlacement(StageFrame{{x, y}, w, h}, m, mouth, layout);
                    const BalloonShape free = ComputeBalloonShape(p, mouth, {x, y}, layout);
                    const BalloonShape kept = KeepBodyInside(free, a);
                    const Point at = kept.tail.windowPosition;
                    const Rect& b = kept.body;
                    EXPECT_TRUE(Within({at.x + b.left, at.y + b.top, b.width, b.height}, a))
                        << dpi << " DPI " << x << "," << y;
                    // A balloon already whole on the work area keeps its tip on her mouth.
                    if (Within(BalloonScreenBounds(free), a)) {
                        EXPECT_EQ(at, free.tail.windowPosition) << dpi;
                    }
                }
        }
    }
    // At 192 DPI, her at (-250, -400): 38 px down, its first line shows; its tail gives way.
    const DisplayScale twice(192);
    const BalloonShape high = ComputeBalloonShape(P::RightBelow, twice.Px(kMouth), {-250, -400},
                                                  ScaledBalloonLayout(twice));
    EXPECT_EQ(high.tail.windowPosition, (Point{98, -98}));
    EXPECT_EQ(KeepBodyInside(high, kPrimary.workArea).tail.windowPosition, (Point{98, -60}));
    // Larger than the work area: the words start at its top-left corner. Unreadable: unmoved.
    EXPECT_EQ(KeepBodyInside(high, {10, 20, 200, 90}).tail.windowPosition, (Point{10, -40}));
    EXPECT_EQ(KeepBodyInside(high, {}).tail.windowPosition, (Point{98, -98}));
}

TEST(BalloonFollow, OnlyAMoveRebuilds) {
    EXPECT_EQ(FollowTick({40, 64}, {40, 64}, false), FollowAction::None);
    EXPECT_EQ(FollowTick({40, 64}, {40, 64}, true), FollowAction::BringToFront);
    EXPECT_EQ(FollowTick({40, 64}, {41, 64}, false), FollowAction::Rebuild);
    EXPECT_EQ(FollowTick({40, 64}, {40, 63}, true), FollowAction::Rebuild);
}

TEST(BalloonLayout, EachLengthScalesOnItsOwnAndAt96DpiStaysAsItIs) {
    const struct {
        int dpi;
        int32_t width, height;
        Rect body, tailPos;
        int32_t baseWidth, corner;
        int32_t leftBaseEnd;  // where the tail's base ends when it opens to the left
    } cases[] = {
        {96, 240, 160, {0, 30, 240, 100}, {35, 48, 169, 65}, 48, 8, 156},
        {120, 300, 200, {0, 38, 300, 125}, {44, 60, 211, 81}, 60, 10, 195},
        {144, 360, 240, {0, 45, 360, 150}, {53, 72, 254, 98}, 72, 12, 235},
        {192, 480, 320, {0, 60, 480, 200}, {70, 96, 338, 130}, 96, 16, 312},
    };
    const auto same = [](const Rect& a, const Rect& b) {
        return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
    };
    for (const auto& c : cases) {
        const BalloonLayout l = ScaledBalloonLayout(DisplayScale(c.dpi));
        EXPECT_EQ((Point{l.clientWidth, l.clientHeight}), (Point{c.width, c.height})) << c.dpi;
        EXPECT_TRUE(same(l.areaBounds, c.body)) << c.dpi;
        EXPECT_TRUE(same(l.tailPos, c.tailPos)) << c.dpi;
        EXPECT_EQ((Point{l.tailBaseWidth, l.cornerSize}), (Point{c.baseWidth, c.corner})) << c.dpi;
        const BalloonShape shape = ComputeBalloonShape(P::LeftBelow, kMouth, {0, 0}, l);
        EXPECT_EQ(shape.tail.points[2].x, c.leftBaseEnd) << c.dpi;
        EXPECT_EQ(shape.cornerSize, c.corner) << c.dpi;
    }
    const BalloonLayout plain;
    const BalloonLayout one = ScaledBalloonLayout(DisplayScale(96));
    EXPECT_TRUE(same(one.areaBounds, plain.areaBounds) && same(one.tailPos, plain.tailPos) &&
                one.tailBaseWidth == plain.tailBaseWidth && one.cornerSize == plain.cornerSize);
}

}  // namespace
}  // namespace velmira
