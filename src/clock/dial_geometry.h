#pragma once
// Geometry of the analog dial: the sine and cosine tables of the 60 dial
// positions, the hands' pivot, lengths and outlines, and the rotation of a
// hand onto a position. Portable: no Windows headers, nothing is drawn here.
//
// Dial coordinates start at the top-left corner of the dial box, y downward.
// Positions 0..59 run clockwise from twelve o'clock.

#include <array>
#include <cstdint>

#include "base/display_scale.h"
#include "base/types.h"

namespace velmira {

constexpr int kDialPositions = 60;
constexpr int kHandShapeCapacity = 32;
constexpr int32_t kHandTail = 12;
constexpr int32_t kHandLastPoint = 5;

using HandShape = std::array<Point, kHandShapeCapacity>;
using TrigTable = std::array<double, kDialPositions>;

// sinTable[i] and cosTable[i] hold sin and cos of the angle ((i + 30) mod 60) * 6
// degrees, so that (-sin, cos) points from the pivot toward position i.
// The radian value is deliberately formed with pi in single precision: the
// entries are a little off the exact values, and the pixels depend on that.
// The four quarter positions are set exactly afterwards.
void BuildTrigTables(TrigTable& sinTable, TrigTable& cosTable);

// Reduces any position (also a negative one) into 0..59.
int DialIndex(int position);

// Hour hand: one position every 12 minutes (3:00 -> 15, 3:59 -> 19).
int HourHandPosition(int hour, int minute);
int MinuteHandPosition(int minute);

// The strokes around the hands, in pixels at the dial's scale: how far each
// shadow falls, the second hand's line, its pivot disc and the disc's shadow.
struct DialStrokes {
    int32_t hourShadow = 1;
    int32_t minuteShadow = 2;
    int32_t secondShadow = 2;
    int32_t lineWidth = 1;
    int32_t pivotDisc = 4;  // the disc's half size
    // The disc's shadow runs from the pivot - shadowDiscNear to + shadowDiscFar.
    int32_t shadowDiscNear = 3;
    int32_t shadowDiscFar = 5;
};
DialStrokes ScaledDialStrokes(const DisplayScale& scale);

// Everything the analog dial needs, built at start-up from the two boxes of
// the skin (in 96-DPI pixels) and the display scale, and again when the
// scale changes.
struct DialGeometry {
    HandShape minuteHandShape{};
    HandShape hourHandShape{};
    int32_t minuteHandLength = 0;
    int32_t hourHandLength = 0;
    int32_t secondHandLength = 0;
    int32_t minuteHandTail = 0;
    int32_t hourHandTail = 0;
    int32_t secondHandTail = 0;
    int32_t minuteHandLastPoint = 0;
    int32_t hourHandLastPoint = 0;
    TrigTable sinTable{};
    TrigTable cosTable{};
    Point minutePivot;
    Point hourPivot;
    Point secondPivot;
    DialStrokes strokes;

    // handArea: the invisible box whose centre is the pivot and whose half
    // width sets the hand lengths; dialBox: the dial on the window. Both in
    // the same (window) coordinates at 96 DPI. The pivot is where the boxes
    // lie at the scale; the hands' lengths, widths, tails and strokes are
    // the 96-DPI ones times the scale.
    void SetUpDialGeometry(const Rect& handArea, const Rect& dialBox,
                           const DisplayScale& scale = DisplayScale());

    // Replaces point (relative to the pivot, the hand pointing along +y) by its
    // place in dial coordinates with the hand turned to the position.
    void RotatePoint(Point& point, int position, Point pivot) const;
    // The point at the given distance from the pivot toward the position;
    // a negative distance lies behind the pivot.
    Point PointOnRadius(int position, int32_t distance, Point pivot) const;

    // The hour or minute hand turned to a position: points 0..lastPoint of the
    // shape rotated about the hand's pivot. Returns the number of points.
    int HourHandPolygon(int position, HandShape& polygon) const;
    int MinuteHandPolygon(int position, HandShape& polygon) const;
};

// Pivot of the hands in dial coordinates: the centre of handArea relative to
// the dial box (integer halves cut toward zero).
Point DialPivot(const Rect& handArea, const Rect& dialBox);

}  // namespace velmira
