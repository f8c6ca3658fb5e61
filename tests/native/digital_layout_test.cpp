#include "clock/digital_layout.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

namespace velmira {
namespace {

// The shipped strips: large digits 24 x 48, small 16 x 32, AM/PM 64 x 16,
// centred on the pivot (64, 64).
DigitalLayout ShippedLayout() {
    DigitalLayout layout;
    layout.SetUpDigitalLayout(Point{64, 64}, GlyphCellSize{24, 48}, GlyphCellSize{16, 32},
                              GlyphCellSize{64, 16});
    return layout;
}

std::vector<int> Indices(const HourMinuteGlyphs& g) {
    std::vector<int> out;
    for (int i = 0; i < g.count; ++i) out.push_back(g.glyphs[i].index);
    return out;
}

TEST(DigitalLayoutSetUp, ShippedStripsGiveTheFieldValues) {
    const DigitalLayout l = ShippedLayout();
    EXPECT_EQ(l.digitWidth, 24);
    EXPECT_EQ(l.digitHalfWidth, 12);
    EXPECT_EQ(l.smallDigitWidth, 16);
    EXPECT_EQ(l.digitLeft, 10);
    EXPECT_EQ(l.digitTop, 24);
    EXPECT_EQ(l.secondsLeft, 86);
    EXPECT_EQ(l.secondsTop, 72);
    EXPECT_EQ(l.ampmLeft, 10);
    EXPECT_EQ(l.ampmTop, 88);
}

TEST(DigitalLayoutSetUp, FieldsFollowThePivotAndOddSizes) {
    // Odd sizes show the halving toward zero: digit 25 wide -> half 12,
    // quarter 6; heights 49 + 31 = 80 -> 40.
    DigitalLayout l;
    l.SetUpDigitalLayout(Point{70, 50}, GlyphCellSize{25, 49}, GlyphCellSize{15, 31},
                         GlyphCellSize{60, 14});
    EXPECT_EQ(l.digitWidth, 25);
    EXPECT_EQ(l.digitHalfWidth, 12);
    EXPECT_EQ(l.smallDigitWidth, 15);
    EXPECT_EQ(l.digitLeft, 70 - 50 - 6);
    EXPECT_EQ(l.digitTop, 50 - 40);
    EXPECT_EQ(l.secondsLeft, 14 + 100 + 12 - 30);
    EXPECT_EQ(l.secondsTop, 10 + 49);
    EXPECT_EQ(l.ampmLeft, 14);
    EXPECT_EQ(l.ampmTop, 59 + 31 - 14);
}

TEST(DigitalLayoutSetUp, FieldsAreDeclaredInTheirStoredOrder) {
    // The main stage keeps these fields in this order: positions first, then
    // the three widths.
    EXPECT_LT(offsetof(DigitalLayout, digitLeft), offsetof(DigitalLayout, digitTop));
    EXPECT_LT(offsetof(DigitalLayout, digitTop), offsetof(DigitalLayout, secondsLeft));
    EXPECT_LT(offsetof(DigitalLayout, secondsLeft), offsetof(DigitalLayout, secondsTop));
    EXPECT_LT(offsetof(DigitalLayout, secondsTop), offsetof(DigitalLayout, ampmLeft));
    EXPECT_LT(offsetof(DigitalLayout, ampmLeft), offsetof(DigitalLayout, ampmTop));
    EXPECT_LT(offsetof(DigitalLayout, ampmTop), offsetof(DigitalLayout, digitWidth));
    EXPECT_LT(offsetof(DigitalLayout, digitWidth), offsetof(DigitalLayout, digitHalfWidth));
    EXPECT_LT(offsetof(DigitalLayout, digitHalfWidth), offsetof(DigitalLayout, smallDigitWidth));
}

TEST(HourMinuteDigits, TwoDigitHourFillsAllFivePlaces) {
    const DigitalLayout l = ShippedLayout();
    const HourMinuteGlyphs g = PlaceHourMinuteDigits(l, l.digitLeft, l.digitTop, 23, 59);
    ASSERT_EQ(g.count, 5);
    EXPECT_EQ(g.glyphs[0], (GlyphPlacement{2, 10, 24}));
    EXPECT_EQ(g.glyphs[1], (GlyphPlacement{3, 34, 24}));
    EXPECT_EQ(g.glyphs[2], (GlyphPlacement{kGlyphColon, 58, 24}));
    EXPECT_EQ(g.glyphs[3], (GlyphPlacement{5, 70, 24}));
    EXPECT_EQ(g.glyphs[4], (GlyphPlacement{9, 94, 24}));
}

TEST(HourMinuteDigits, HoursBelowTenLeaveTheTensPlaceEmpty) {
    const DigitalLayout l = ShippedLayout();
    for (int hour : {0, 9}) {
        const HourMinuteGlyphs g = PlaceHourMinuteDigits(l, l.digitLeft, l.digitTop, hour, 30);
        ASSERT_EQ(g.count, 4) << hour;
        EXPECT_EQ(g.glyphs[0], (GlyphPlacement{hour, 34, 24}));
        for (int i = 0; i < g.count; ++i)
            EXPECT_NE(g.glyphs[i].left, 10) << "nothing at the tens place";
    }
    const HourMinuteGlyphs ten = PlaceHourMinuteDigits(l, l.digitLeft, l.digitTop, 10, 0);
    ASSERT_EQ(ten.count, 5);
    EXPECT_EQ(ten.glyphs[0], (GlyphPlacement{1, 10, 24}));
}

TEST(HourMinuteDigits, StartFollowsTheGivenCorner) {
    const DigitalLayout l = ShippedLayout();
    const HourMinuteGlyphs g = PlaceHourMinuteDigits(l, 0, 5, 12, 34);
    ASSERT_EQ(g.count, 5);
    EXPECT_EQ(g.glyphs[0], (GlyphPlacement{1, 0, 5}));
    EXPECT_EQ(g.glyphs[2], (GlyphPlacement{kGlyphColon, 48, 5}));
    EXPECT_EQ(g.glyphs[4], (GlyphPlacement{4, 84, 5}));
}

TEST(DigitalMinute, TwentyFourHourFormHasNoMark) {
    const DigitalLayout l = ShippedLayout();
    const DigitalMinuteFace at0005 = PlaceDigitalMinute(l, 0, 5, false);
    EXPECT_FALSE(at0005.showAmPm);
    EXPECT_EQ(Indices(at0005.digits), (std::vector<int>{0, kGlyphColon, 0, 5}));
    const DigitalMinuteFace at0930 = PlaceDigitalMinute(l, 9, 30, false);
    EXPECT_EQ(Indices(at0930.digits), (std::vector<int>{9, kGlyphColon, 3, 0}));
    const DigitalMinuteFace at2359 = PlaceDigitalMinute(l, 23, 59, false);
    EXPECT_EQ(Indices(at2359.digits), (std::vector<int>{2, 3, kGlyphColon, 5, 9}));
    const DigitalMinuteFace at1046 = PlaceDigitalMinute(l, 10, 46, false);
    EXPECT_EQ(Indices(at1046.digits), (std::vector<int>{1, 0, kGlyphColon, 4, 6}));
}

TEST(DigitalMinute, TwelveHourFormShowsZeroForNoonAndMidnight) {
    const DigitalLayout l = ShippedLayout();
    struct Case {
        int hour, minute;
        std::vector<int> digits;
        int mark;
    };
    const Case cases[] = {
        {0, 5, {0, kGlyphColon, 0, 5}, kAmImage},
        {11, 59, {1, 1, kGlyphColon, 5, 9}, kAmImage},
        {12, 0, {0, kGlyphColon, 0, 0}, kPmImage},
        {13, 7, {1, kGlyphColon, 0, 7}, kPmImage},
        {23, 59, {1, 1, kGlyphColon, 5, 9}, kPmImage},
    };
    for (const Case& c : cases) {
        const DigitalMinuteFace f = PlaceDigitalMinute(l, c.hour, c.minute, true);
        EXPECT_TRUE(f.showAmPm) << c.hour;
        EXPECT_EQ(f.ampm, (GlyphPlacement{c.mark, 10, 88})) << c.hour;
        EXPECT_EQ(Indices(f.digits), c.digits) << c.hour << ":" << c.minute;
    }
}

TEST(DigitalMinute, OutOfRangeValuesWrap) {
    const DigitalLayout l = ShippedLayout();
    EXPECT_EQ(Indices(PlaceDigitalMinute(l, 24, 60, false).digits),
              (std::vector<int>{0, kGlyphColon, 0, 0}));
    EXPECT_EQ(Indices(PlaceDigitalMinute(l, 37, 5, true).digits),
              (std::vector<int>{1, kGlyphColon, 0, 5}));
}

TEST(SecondsDigits, AlwaysTwoDigitsBelowTheMinutes) {
    const DigitalLayout l = ShippedLayout();
    const auto at7 = PlaceSecondsDigits(l, 7);
    EXPECT_EQ(at7[0], (GlyphPlacement{0, 86, 72}));
    EXPECT_EQ(at7[1], (GlyphPlacement{7, 102, 72}));
    const auto at59 = PlaceSecondsDigits(l, 59);
    EXPECT_EQ(at59[0], (GlyphPlacement{5, 86, 72}));
    EXPECT_EQ(at59[1], (GlyphPlacement{9, 102, 72}));
    const auto at60 = PlaceSecondsDigits(l, 60);
    EXPECT_EQ(at60[0].index, 0);
    EXPECT_EQ(at60[1].index, 0);
    // The seconds end where the minute units end.
    EXPECT_EQ(at59[1].left + l.smallDigitWidth, 94 + l.digitWidth);
}

}  // namespace
}  // namespace velmira
