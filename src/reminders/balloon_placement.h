#pragma once
// Where the speech balloon opens beside her mouth, and its shape as plain
// values: the Win32 shell only turns them into regions and a window move.
// Portable: no Windows headers.

#include <array>
#include <cstdint>

#include "base/display_scale.h"
#include "base/types.h"

namespace velmira {

// Bit 0: the balloon lies left of her mouth; bit 1: above it. The values are
// the ones the balloon keeps in its `placement` field.
enum class BalloonPlacement : int32_t {
    RightBelow = 0,
    LeftBelow = 1,
    RightAbove = 2,
    LeftAbove = 3,
};

inline bool IsLeft(BalloonPlacement p) { return (static_cast<int32_t>(p) & 1) != 0; }
inline bool IsAbove(BalloonPlacement p) { return (static_cast<int32_t>(p) & 2) != 0; }
// The same side, the other vertical opening.
inline BalloonPlacement OtherVertical(BalloonPlacement p) {
    return static_cast<BalloonPlacement>(static_cast<int32_t>(p) ^ 2);
}

constexpr int32_t kBalloonTailBaseWidth = 48;
constexpr int32_t kBalloonCornerSize = 8;  // the round-rect's corner ellipse, both ways

// The balloon window's stored layout, in its client pixels; as it stands,
// the one at 96 DPI.
struct BalloonLayout {
    int32_t clientWidth = 240;
    int32_t clientHeight = 160;
    Rect areaBounds{0, 30, 240, 100};  // the body
    Rect tailPos{35, 48, 169, 65};     // its edges give the tail's base
    int32_t tailBaseWidth = kBalloonTailBaseWidth;
    int32_t cornerSize = kBalloonCornerSize;
};

// The layout at a display scale: every length of the 96-DPI one scaled on
// its own, so at 96 DPI it is BalloonLayout{} itself.
BalloonLayout ScaledBalloonLayout(const DisplayScale& scale);

// Her window as the balloon sees it: screen position and client size.
struct StageFrame {
    Point position;
    int32_t clientWidth = 0;
    int32_t clientHeight = 0;
};

// The halves and quarters rule alone. Her centre's place on the monitor,
// measured from the monitor's own left and top: in its right half (the exact
// middle included) the balloon opens to the left. Vertically the monitor is
// folded in two: a centre in the first or third quarter opens it below the
// mouth, in the second or fourth above. Divisions truncate toward zero.
BalloonPlacement QuarterPlacement(const StageFrame& stage, const Rect& monitor);

// The quarters' choice, unless the balloon placed so would stick out of the
// work area while the other vertical opening would fit in it whole; then the
// other one. An empty work area (it could not be read) keeps the quarters'
// choice. `mouthArea` is in her client coordinates, and like `layout` at the
// scale she is drawn at.
BalloonPlacement ChoosePlacement(const StageFrame& stage, const MonitorAreas& monitor,
                                 const Rect& mouthArea, const BalloonLayout& layout = {});

// The tail (tip first, then the two base corners) in balloon client
// coordinates, and the balloon window's screen position that puts the tip on
// the corner of her mouth box facing the balloon. Never clamped to a screen.
struct BalloonTail {
    std::array<Point, 3> points;
    Point windowPosition;
};

BalloonTail ComputeTail(BalloonPlacement placement, const Rect& mouthArea, Point stagePosition,
                        const BalloonLayout& layout = {});

// Everything the shell needs for the window's shape and place:
// CreateRoundRectRgn(body.left, body.top, body.left + body.width,
// body.top + body.height, cornerSize, cornerSize) joined with
// CreatePolygonRgn(tail.points) (WINDING), the window moved to
// tail.windowPosition.
struct BalloonShape {
    Rect body;
    int32_t cornerSize = kBalloonCornerSize;
    BalloonTail tail;
};

BalloonShape ComputeBalloonShape(BalloonPlacement placement, const Rect& mouthArea,
                                 Point stagePosition, const BalloonLayout& layout = {});

// The shape with its window moved, where the body would leave `workArea`,
// just far enough for the body (her words, the time and the button) to lie
// inside it; a body larger than the work area keeps its top-left corner
// there. The words come before the tail: moved, the tail may no longer reach
// her mouth. An empty work area (it could not be read) moves nothing.
BalloonShape KeepBodyInside(BalloonShape shape, const Rect& workArea);

// The smallest screen rectangle holding the visible balloon (body and tail),
// right and bottom edges exclusive as for regions.
Rect BalloonScreenBounds(const BalloonShape& shape);

// What the 250 ms follow tick does. Only a move of hers since the shape was
// last built costs a rebuild; otherwise the balloon is brought to the front
// while she is the active window, so she never covers it.
enum class FollowAction { None, BringToFront, Rebuild };

FollowAction FollowTick(Point stageAtLastBuild, Point stageNow, bool stageIsActive);

}  // namespace velmira
