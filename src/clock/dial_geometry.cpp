#include "clock/dial_geometry.h"

#include <cstdint>

// The 32-bit build must do its double arithmetic in SSE2 registers, exactly as
// the 64-bit build does; x87 double arithmetic would round differently and
// move single pixels of the hands. long double stays the x87 80-bit format in
// both builds, which is the extended precision the rotation relies on.
#if defined(__i386__) && !defined(__SSE2_MATH__)
#error "build the 32-bit program with -msse2 -mfpmath=sse"
#endif

namespace velmira {

namespace {

// pi rounded to single precision, slightly larger than pi. The tables are
// built from it on purpose: the dial's pixels are defined by these entries.
constexpr float kPiSingle = 3.14159265358979323846f;
constexpr long double kOneOver180 = 1.0L / 180.0L;

// pi/2 split so that n * kHalfPiHigh is exact for the small n used here and
// the reduction below loses nothing (Cody and Waite).
constexpr long double kHalfPiHigh = 1.5707963267341256141662597656250L;  // 33 bits
constexpr long double kHalfPiLow = 6.07710050650619260147514421e-11L;    // pi/2 - high

// Sine and cosine of |y| <= pi/4 by their Taylor series in Horner form. Only
// +, * and / on long double: every build computes the same bits, whatever
// the C library's sin() does.
void SinCosSmall(long double y, long double& s, long double& c) {
    const long double y2 = y * y;
    long double sinSum = 1.0L;
    long double cosSum = 1.0L;
    // Terms down to y^27 / 27!, far below the last bit of a long double.
    for (int k = 13; k >= 1; --k) {
        const long double n = 2.0L * k;
        sinSum = 1.0L - y2 / (n * (n + 1.0L)) * sinSum;
        cosSum = 1.0L - y2 / ((n - 1.0L) * n) * cosSum;
    }
    s = y * sinSum;
    c = cosSum;
}

// sin and cos of a radian value in [0, 2*pi + a little), rounded to double.
void SinCos(double x, double& sinOut, double& cosOut) {
    const long double xl = x;
    long double q = xl / (kHalfPiHigh + kHalfPiLow) + 0.5L;
    const int n = static_cast<int>(q);  // x >= 0: truncation rounds to nearest
    const long double y = (xl - n * kHalfPiHigh) - n * kHalfPiLow;
    long double s = 0.0L;
    long double c = 0.0L;
    SinCosSmall(y, s, c);
    switch (n & 3) {
        case 0:
            sinOut = static_cast<double>(s);
            cosOut = static_cast<double>(c);
            break;
        case 1:
            sinOut = static_cast<double>(c);
            cosOut = static_cast<double>(-s);
            break;
        case 2:
            sinOut = static_cast<double>(-s);
            cosOut = static_cast<double>(-c);
            break;
        default:
            sinOut = static_cast<double>(-c);
            cosOut = static_cast<double>(s);
            break;
    }
}

int32_t TruncateSum(int32_t base, double offset) {
    // The sum is formed in extended precision so that 64 - 20.0000005 stays
    // below 44 and is cut to 43.
    const long double sum = static_cast<long double>(base) + static_cast<long double>(offset);
    return static_cast<int32_t>(sum);
}

// The tip and the tail end are points `bevel` long.
void BuildShape(HandShape& shape, int32_t length, int32_t halfWidth, int32_t tail, int32_t bevel) {
    shape = HandShape{};
    shape[0] = {0, length};
    shape[1] = {-halfWidth, length - bevel};
    shape[2] = {-halfWidth, -(tail - bevel)};
    shape[3] = {0, -tail};
    shape[4] = {halfWidth, -(tail - bevel)};
    shape[5] = {halfWidth, length - bevel};
}

}  // namespace

void BuildTrigTables(TrigTable& sinTable, TrigTable& cosTable) {
    for (int i = 0; i < kDialPositions; ++i) {
        const int degrees = ((i + 30) % 60) * 6;
        const long double radians =
            static_cast<long double>(degrees) * static_cast<long double>(kPiSingle) * kOneOver180;
        SinCos(static_cast<double>(radians), sinTable[i], cosTable[i]);
    }
    // The quarter positions are exact so that the hands stand straight there.
    sinTable[0] = 0.0;
    cosTable[0] = -1.0;
    sinTable[15] = -1.0;
    cosTable[15] = 0.0;
    sinTable[30] = 0.0;
    cosTable[30] = 1.0;
    sinTable[45] = 1.0;
    cosTable[45] = 0.0;
}

int DialIndex(int position) {
    const int i = position % kDialPositions;
    return i < 0 ? i + kDialPositions : i;
}

int HourHandPosition(int hour, int minute) { return minute / 12 + (hour % 12) * 5; }

int MinuteHandPosition(int minute) { return minute % 60; }

Point DialPivot(const Rect& handArea, const Rect& dialBox) {
    Point pivot;
    pivot.x = handArea.width / 2 + handArea.left - dialBox.left;
    pivot.y = handArea.top + handArea.height / 2 - dialBox.top;
    return pivot;
}

DialStrokes ScaledDialStrokes(const DisplayScale& scale) {
    const DialStrokes base;
    DialStrokes s;
    s.hourShadow = scale.Px(base.hourShadow);
    s.minuteShadow = scale.Px(base.minuteShadow);
    s.secondShadow = scale.Px(base.secondShadow);
    s.lineWidth = scale.Px(base.lineWidth);
    s.pivotDisc = scale.Px(base.pivotDisc);
    s.shadowDiscNear = scale.Px(base.shadowDiscNear);
    s.shadowDiscFar = scale.Px(base.shadowDiscFar);
    return s;
}

void DialGeometry::SetUpDialGeometry(const Rect& handArea, const Rect& dialBox,
                                     const DisplayScale& scale) {
    BuildTrigTables(sinTable, cosTable);

    // The pivot where the boxes lie at the scale.
    minutePivot = DialPivot(scale.Px(handArea), scale.Px(dialBox));
    secondPivot = minutePivot;
    hourPivot = minutePivot;

    // The hands' lengths as the 96-DPI dial cuts them, then times the scale:
    // the scaled hands are the same hands, never cut short twice.
    const int32_t halfWidth = handArea.width / 2;
    const auto minute = static_cast<int32_t>(static_cast<double>(halfWidth) * 0.8);
    minuteHandLength = scale.Px(minute);
    hourHandLength = scale.Px(static_cast<int32_t>(static_cast<double>(minute) * 0.75));
    secondHandLength = scale.Px(static_cast<int32_t>(static_cast<double>(minute) * 0.9));
    minuteHandTail = scale.Px(kHandTail);
    hourHandTail = minuteHandTail;
    secondHandTail = minuteHandTail;
    minuteHandLastPoint = kHandLastPoint;
    hourHandLastPoint = kHandLastPoint;

    // Long pointed hexagons: the minute hand 8 pixels wide, the hour hand 12.
    const int32_t bevel = scale.Px(4);
    BuildShape(minuteHandShape, minuteHandLength, scale.Px(4), minuteHandTail, bevel);
    BuildShape(hourHandShape, hourHandLength, scale.Px(6), hourHandTail, bevel);
    strokes = ScaledDialStrokes(scale);
}

void DialGeometry::RotatePoint(Point& point, int position, Point pivot) const {
    const int i = DialIndex(position);
    const long double c = cosTable[i];
    const long double s = sinTable[i];
    const long double x = point.x;
    const long double y = point.y;
    const double dx = static_cast<double>(x * c - y * s);
    const double dy = static_cast<double>(x * s + y * c);
    point.x = TruncateSum(pivot.x, dx);
    point.y = TruncateSum(pivot.y, dy);
}

Point DialGeometry::PointOnRadius(int position, int32_t distance, Point pivot) const {
    const int i = DialIndex(position);
    const long double d = distance;
    const double dx = static_cast<double>(0.0L - d * static_cast<long double>(sinTable[i]));
    const double dy = static_cast<double>(d * static_cast<long double>(cosTable[i]));
    return {TruncateSum(pivot.x, dx), TruncateSum(pivot.y, dy)};
}

int DialGeometry::HourHandPolygon(int position, HandShape& polygon) const {
    for (int k = 0; k <= hourHandLastPoint; ++k) {
        polygon[k] = hourHandShape[k];
        RotatePoint(polygon[k], position, hourPivot);
    }
    return hourHandLastPoint + 1;
}

int DialGeometry::MinuteHandPolygon(int position, HandShape& polygon) const {
    for (int k = 0; k <= minuteHandLastPoint; ++k) {
        polygon[k] = minuteHandShape[k];
        RotatePoint(polygon[k], position, minutePivot);
    }
    return minuteHandLastPoint + 1;
}

}  // namespace velmira
