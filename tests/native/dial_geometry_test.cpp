#include "clock/dial_geometry.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <vector>

namespace velmira {
namespace {

// The shipped skin: hand area at (14, 266), 100 x 100; dial box at (0, 252).
const Rect kSkinHandArea{14, 266, 100, 100};
const Rect kSkinDialBox{0, 252, 128, 128};

DialGeometry SkinGeometry() {
    DialGeometry g;
    g.SetUpDialGeometry(kSkinHandArea, kSkinDialBox);
    return g;
}

uint64_t Bits(double d) {
    uint64_t b = 0;
    std::memcpy(&b, &d, sizeof b);
    return b;
}

// ---------------------------------------------------------------- tables

TEST(DialTables, ExtendedPrecisionIsRealInThisBuild) {
    // The rotation and the tables are formed in the x87 80-bit format; a
    // build or start-up that cut long double to 53 bits would move pixels.
    static_assert(LDBL_MANT_DIG == 64, "long double must be the 80-bit extended format");
    volatile long double one = 1.0L;
    volatile long double three = 3.0L;
    const long double third = one / three;
    EXPECT_NE(third, static_cast<long double>(1.0 / 3.0));
}

TEST(DialTables, SinglePrecisionPiLeavesThirtyDegreeEntriesOffHalf) {
    TrigTable s{}, c{};
    BuildTrigTables(s, c);
    // 210 degrees and 30 degrees: slightly off -0.5 and 0.5.
    EXPECT_DOUBLE_EQ(s[5], -0.5000000883287371);
    EXPECT_DOUBLE_EQ(s[35], 0.5000000126183913);
    EXPECT_NE(s[5], -0.5);
    EXPECT_NE(s[35], 0.5);
    // Exact bits, not just within four ulps.
    EXPECT_EQ(Bits(s[5]), Bits(-0.5000000883287371));
    EXPECT_EQ(Bits(s[35]), Bits(0.5000000126183913));
}

TEST(DialTables, QuarterPositionsAreExact) {
    TrigTable s{}, c{};
    BuildTrigTables(s, c);
    EXPECT_EQ(s[0], 0.0);
    EXPECT_EQ(c[0], -1.0);
    EXPECT_EQ(s[15], -1.0);
    EXPECT_EQ(c[15], 0.0);
    EXPECT_EQ(s[30], 0.0);
    EXPECT_EQ(c[30], 1.0);
    EXPECT_EQ(s[45], 1.0);
    EXPECT_EQ(c[45], 0.0);
}

TEST(DialTables, OtherEntriesAreSineAndCosineOfTheSinglePiRadian) {
    TrigTable s{}, c{};
    BuildTrigTables(s, c);
    const float piSingle = 3.14159265358979323846f;
    for (int i = 0; i < kDialPositions; ++i) {
        if (i % 15 == 0) continue;
        const int degrees = ((i + 30) % 60) * 6;
        const long double radians =
            static_cast<long double>(degrees) * static_cast<long double>(piSingle) / 180.0L;
        const double r = static_cast<double>(radians);
        // The C library's sine, correctly rounded here, is an independent check
        // of the table's own evaluation.
        EXPECT_EQ(Bits(s[i]), Bits(std::sin(r))) << "sinTable[" << i << "]";
        EXPECT_EQ(Bits(c[i]), Bits(std::cos(r))) << "cosTable[" << i << "]";
        // Off the exact value by the single-precision pi, never by more.
        const double exactDegrees = degrees * 3.14159265358979323846 / 180.0;
        EXPECT_NEAR(s[i], std::sin(exactDegrees), 2e-7) << i;
        EXPECT_NEAR(c[i], std::cos(exactDegrees), 2e-7) << i;
    }
    // Position i + 30 is the opposite direction, up to the pi error.
    for (int i = 1; i < 30; ++i) {
        if (i == 15) continue;
        EXPECT_NEAR(s[i], -s[i + 30], 3e-7) << i;
    }
}

// ---------------------------------------------------------------- set-up

TEST(DialSetUp, ShippedSkinGivesPivotLengthsAndShapes) {
    const DialGeometry g = SkinGeometry();
    EXPECT_EQ(g.minutePivot, (Point{64, 64}));
    EXPECT_EQ(g.hourPivot, g.minutePivot);
    EXPECT_EQ(g.secondPivot, g.minutePivot);
    EXPECT_EQ(g.minuteHandLength, 40);
    EXPECT_EQ(g.hourHandLength, 30);
    EXPECT_EQ(g.secondHandLength, 36);
    EXPECT_EQ(g.minuteHandTail, 12);
    EXPECT_EQ(g.hourHandTail, 12);
    EXPECT_EQ(g.secondHandTail, 12);
    EXPECT_EQ(g.minuteHandLastPoint, 5);
    EXPECT_EQ(g.hourHandLastPoint, 5);

    const std::vector<Point> minute{{0, 40}, {-4, 36}, {-4, -8}, {0, -12}, {4, -8}, {4, 36}};
    const std::vector<Point> hour{{0, 30}, {-6, 26}, {-6, -8}, {0, -12}, {6, -8}, {6, 26}};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(g.minuteHandShape[k], minute[k]) << k;
        EXPECT_EQ(g.hourHandShape[k], hour[k]) << k;
    }
    // The unused rest of the 32 points stays at the origin.
    for (int k = 6; k < kHandShapeCapacity; ++k) {
        EXPECT_EQ(g.minuteHandShape[k], (Point{})) << k;
        EXPECT_EQ(g.hourHandShape[k], (Point{})) << k;
    }
}

TEST(DialSetUp, UnskinnedFormLayoutGivesTheSamePivot) {
    // Hand area 142, 302, 101 x 100 on the dial box at 128, 288: the odd width
    // is halved toward zero.
    DialGeometry g;
    g.SetUpDialGeometry(Rect{142, 302, 101, 100}, Rect{128, 288, 128, 128});
    EXPECT_EQ(g.minutePivot, (Point{64, 64}));
    EXPECT_EQ(g.minuteHandLength, 40);
}

TEST(DialSetUp, LengthsAreCutTowardZero) {
    DialGeometry g;
    // Half width 37: 29.6 -> 29; 29 * 0.75 = 21.75 -> 21; 29 * 0.9 = 26.1 -> 26.
    g.SetUpDialGeometry(Rect{10, 20, 75, 60}, Rect{0, 0, 128, 128});
    EXPECT_EQ(g.minutePivot, (Point{47, 50}));
    EXPECT_EQ(g.minuteHandLength, 29);
    EXPECT_EQ(g.hourHandLength, 21);
    EXPECT_EQ(g.secondHandLength, 26);
    EXPECT_EQ(g.minuteHandShape[0], (Point{0, 29}));
    EXPECT_EQ(g.minuteHandShape[1], (Point{-4, 25}));
    EXPECT_EQ(g.hourHandShape[5], (Point{6, 17}));
}

// ---------------------------------------------------------------- hand table

struct HandRow {
    int position;
    Point minute[6];
    Point hour[6];
    Point secondTip;
    Point secondTail;
};

// The hands of the shipped skin at eight positions, as they must appear on
// screen pixel for pixel.
const HandRow kHandTable[] = {
    {0,
     {{64, 24}, {68, 28}, {68, 72}, {64, 76}, {60, 72}, {60, 28}},
     {{64, 34}, {70, 38}, {70, 72}, {64, 76}, {58, 72}, {58, 38}},
     {64, 28},
     {64, 76}},
    {5,
     {{84, 29}, {85, 34}, {63, 72}, {57, 74}, {56, 68}, {78, 30}},
     {{79, 38}, {82, 44}, {65, 73}, {57, 74}, {54, 67}, {71, 38}},
     {82, 32},
     {57, 74}},
    {15,
     {{104, 64}, {100, 68}, {56, 68}, {52, 64}, {56, 60}, {100, 60}},
     {{94, 64}, {90, 70}, {56, 70}, {52, 64}, {56, 58}, {90, 58}},
     {100, 64},
     {52, 64}},
    {25,
     {{83, 98}, {78, 97}, {56, 59}, {58, 53}, {63, 55}, {85, 93}},
     {{78, 89}, {71, 89}, {54, 60}, {58, 53}, {65, 54}, {82, 83}},
     {81, 95},
     {58, 53}},
    {30,
     {{64, 104}, {60, 100}, {60, 56}, {64, 52}, {68, 56}, {68, 100}},
     {{64, 94}, {58, 90}, {58, 56}, {64, 52}, {70, 56}, {70, 90}},
     {64, 100},
     {64, 52}},
    {35,
     {{43, 98}, {42, 93}, {64, 55}, {70, 53}, {71, 59}, {49, 97}},
     {{48, 89}, {45, 83}, {62, 54}, {70, 53}, {73, 60}, {56, 89}},
     {45, 95},
     {70, 53}},
    {45,
     {{24, 64}, {28, 60}, {72, 60}, {76, 64}, {72, 68}, {28, 68}},
     {{34, 64}, {38, 58}, {72, 58}, {76, 64}, {72, 70}, {38, 70}},
     {28, 64},
     {76, 64}},
    {55,
     {{44, 29}, {49, 30}, {71, 68}, {69, 74}, {64, 72}, {42, 34}},
     {{49, 38}, {56, 38}, {73, 67}, {69, 74}, {62, 73}, {45, 44}},
     {46, 32},
     {69, 74}},
};

class HandTable : public ::testing::TestWithParam<HandRow> {};

TEST_P(HandTable, MinuteHandPolygon) {
    const HandRow& row = GetParam();
    const DialGeometry g = SkinGeometry();
    HandShape polygon{};
    ASSERT_EQ(g.MinuteHandPolygon(row.position, polygon), 6);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(polygon[k], row.minute[k]) << "point " << k;
}

TEST_P(HandTable, HourHandPolygon) {
    const HandRow& row = GetParam();
    const DialGeometry g = SkinGeometry();
    HandShape polygon{};
    ASSERT_EQ(g.HourHandPolygon(row.position, polygon), 6);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(polygon[k], row.hour[k]) << "point " << k;
}

TEST_P(HandTable, SecondHandTipAndTail) {
    const HandRow& row = GetParam();
    const DialGeometry g = SkinGeometry();
    EXPECT_EQ(g.PointOnRadius(row.position, g.secondHandLength, g.secondPivot), row.secondTip);
    EXPECT_EQ(g.PointOnRadius(row.position, -g.secondHandTail, g.secondPivot), row.secondTail);
}

TEST_P(HandTable, RotatePointTurnsEachShapePoint) {
    // The polygons are nothing but RotatePoint applied to each shape point.
    const HandRow& row = GetParam();
    const DialGeometry g = SkinGeometry();
    for (int k = 0; k < 6; ++k) {
        Point p = g.minuteHandShape[k];
        g.RotatePoint(p, row.position, g.minutePivot);
        EXPECT_EQ(p, row.minute[k]) << "point " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedSkin, HandTable, ::testing::ValuesIn(kHandTable),
                         [](const ::testing::TestParamInfo<HandRow>& info) {
                             return "Position" + std::to_string(info.param.position);
                         });

TEST(HandGeometry, TwentyFiveAndThirtyFiveAreNotMirrorImages) {
    // 64 + 19.9999944 is cut to 83, 64 - 20.0000005 to 43: the left tip lies
    // 21 pixels from the pivot, the right one 19.
    const DialGeometry g = SkinGeometry();
    HandShape at25{}, at35{};
    g.MinuteHandPolygon(25, at25);
    g.MinuteHandPolygon(35, at35);
    EXPECT_EQ(at25[0].x - 64, 19);
    EXPECT_EQ(64 - at35[0].x, 21);
    EXPECT_EQ(at25[0].y, at35[0].y);
    const Point tip25 = g.PointOnRadius(25, g.secondHandLength, g.secondPivot);
    const Point tip35 = g.PointOnRadius(35, g.secondHandLength, g.secondPivot);
    EXPECT_EQ(tip25.x - 64, 17);
    EXPECT_EQ(64 - tip35.x, 19);
}

TEST(HandGeometry, PositionsAreTakenModuloSixty) {
    const DialGeometry g = SkinGeometry();
    HandShape base{}, wrapped{}, negative{};
    g.MinuteHandPolygon(5, base);
    g.MinuteHandPolygon(65, wrapped);
    g.MinuteHandPolygon(-55, negative);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(wrapped[k], base[k]) << k;
        EXPECT_EQ(negative[k], base[k]) << k;
    }
    EXPECT_EQ(g.PointOnRadius(119, 36, g.secondPivot), g.PointOnRadius(59, 36, g.secondPivot));
    EXPECT_EQ(DialIndex(-1), 59);
    EXPECT_EQ(DialIndex(60), 0);
}

TEST(HandGeometry, PointOnRadiusFollowsTheSamePivot) {
    DialGeometry g = SkinGeometry();
    const Point shifted{10, 20};
    EXPECT_EQ(g.PointOnRadius(15, 36, shifted), (Point{46, 20}));
    EXPECT_EQ(g.PointOnRadius(0, -12, shifted), (Point{10, 32}));
    EXPECT_EQ(g.PointOnRadius(30, 0, shifted), shifted);
}

// ---------------------------------------------------------------- time to position

TEST(HandPositions, HourHandMovesEveryTwelveMinutes) {
    EXPECT_EQ(HourHandPosition(0, 0), 0);
    EXPECT_EQ(HourHandPosition(3, 0), 15);
    EXPECT_EQ(HourHandPosition(3, 11), 15);
    EXPECT_EQ(HourHandPosition(3, 12), 16);
    EXPECT_EQ(HourHandPosition(3, 59), 19);
    EXPECT_EQ(HourHandPosition(12, 30), 2);
    EXPECT_EQ(HourHandPosition(15, 59), 19);
    EXPECT_EQ(HourHandPosition(23, 59), 59);
}

TEST(HandPositions, SecondFiftyNineAdvancesToTheNextHour) {
    // At 15:59:59 the dial is drawn for 16:00 already.
    EXPECT_EQ(HourHandPosition(16, 0), 20);
    EXPECT_EQ(MinuteHandPosition(0), 0);
    EXPECT_EQ(HourHandPosition(0, 0), HourHandPosition(12, 0));
}

TEST(HandPositions, MinuteHandIsTheMinute) {
    EXPECT_EQ(MinuteHandPosition(0), 0);
    EXPECT_EQ(MinuteHandPosition(30), 30);
    EXPECT_EQ(MinuteHandPosition(59), 59);
}

// ---------------------------------------------------------------- display scale

class ScaledDial : public ::testing::TestWithParam<int> {};

// The skin's boxes with a scale give the same hands with every length and
// width times the scale, within the one pixel the rounding may take.
TEST_P(ScaledDial, HandsGrowWithTheScale) {
    const DisplayScale scale(GetParam());
    const Rect handArea{14, 266, 100, 100};
    const Rect dialBox{0, 252, 128, 128};
    DialGeometry base;
    base.SetUpDialGeometry(handArea, dialBox);
    DialGeometry scaled;
    scaled.SetUpDialGeometry(handArea, dialBox, scale);

    EXPECT_NEAR(scaled.minuteHandLength, scale.Px(base.minuteHandLength), 1);
    EXPECT_NEAR(scaled.hourHandLength, scale.Px(base.hourHandLength), 1);
    EXPECT_NEAR(scaled.secondHandLength, scale.Px(base.secondHandLength), 1);
    EXPECT_EQ(scaled.secondHandTail, scale.Px(base.secondHandTail));
    EXPECT_NEAR(scaled.minutePivot.x, scale.Px(base.minutePivot.x), 1);
    for (int k = 0; k <= kHandLastPoint; ++k) {
        EXPECT_NEAR(scaled.minuteHandShape[k].x, scale.Px(base.minuteHandShape[k].x), 1) << k;
        EXPECT_NEAR(scaled.hourHandShape[k].y, scale.Px(base.hourHandShape[k].y), 1) << k;
    }
    EXPECT_EQ(scaled.strokes.pivotDisc, scale.Px(base.strokes.pivotDisc));
    EXPECT_EQ(scaled.strokes.minuteShadow, scale.Px(base.strokes.minuteShadow));
}

INSTANTIATE_TEST_SUITE_P(Dpi, ScaledDial, ::testing::Values(48, 72, 96, 120, 144, 192));

}  // namespace
}  // namespace velmira
