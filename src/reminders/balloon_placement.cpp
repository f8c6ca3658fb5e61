#include "reminders/balloon_placement.h"

#include <algorithm>

namespace velmira {

namespace {

// Screen edges in 64 bits: positions come from the window manager and a
// sum near the int32 limits must not overflow.
struct Edges {
    int64_t left, top, right, bottom;
};

Edges VisibleEdges(const BalloonShape& shape) {
    Edges e{shape.body.left, shape.body.top, int64_t{shape.body.left} + shape.body.width,
            int64_t{shape.body.top} + shape.body.height};
    for (const Point& p : shape.tail.points) {
        e.left = std::min<int64_t>(e.left, p.x);
        e.top = std::min<int64_t>(e.top, p.y);
        e.right = std::max<int64_t>(e.right, p.x);
        e.bottom = std::max<int64_t>(e.bottom, p.y);
    }
    const Point at = shape.tail.windowPosition;
    return Edges{e.left + at.x, e.top + at.y, e.right + at.x, e.bottom + at.y};
}

bool FitsIn(const BalloonShape& shape, const Rect& area) {
    const Edges e = VisibleEdges(shape);
    return e.left >= area.left && e.top >= area.top && e.right <= int64_t{area.left} + area.width &&
           e.bottom <= int64_t{area.top} + area.height;
}

Edges BodyEdges(const BalloonShape& shape) {
    const Point at = shape.tail.windowPosition;
    const int64_t left = int64_t{at.x} + shape.body.left;
    const int64_t top = int64_t{at.y} + shape.body.top;
    return Edges{left, top, left + shape.body.width, top + shape.body.height};
}

// How far [low, high) moves to lie in [start, start + length); its low edge
// wins when it is too long.
int64_t ShiftInto(int64_t low, int64_t high, int64_t start, int64_t length) {
    int64_t shift = 0;
    if (high > start + length) shift = start + length - high;
    if (low + shift < start) shift = start - low;
    return shift;
}

}  // namespace

BalloonLayout ScaledBalloonLayout(const DisplayScale& scale) {
    const BalloonLayout base;
    BalloonLayout layout;
    layout.clientWidth = scale.Px(base.clientWidth);
    layout.clientHeight = scale.Px(base.clientHeight);
    layout.areaBounds = scale.Px(base.areaBounds);
    layout.tailPos = scale.Px(base.tailPos);
    layout.tailBaseWidth = scale.Px(base.tailBaseWidth);
    layout.cornerSize = scale.Px(base.cornerSize);
    return layout;
}

BalloonPlacement QuarterPlacement(const StageFrame& stage, const Rect& monitor) {
    const int64_t cx = int64_t{stage.position.x} + stage.clientWidth / 2 - monitor.left;
    const int64_t cy = int64_t{stage.position.y} + stage.clientHeight / 2 - monitor.top;
    const int64_t q = monitor.height / 4;
    int32_t placement = cx >= monitor.width / 2 ? 1 : 0;
    // Fold the lower half onto the upper one; q, not H / 2, so an odd height
    // folds where the quarter lines are.
    const int64_t y = cy > 2 * q ? cy - 2 * q : cy;
    if (y >= q) placement += 2;
    return static_cast<BalloonPlacement>(placement);
}

BalloonPlacement ChoosePlacement(const StageFrame& stage, const MonitorAreas& monitor,
                                 const Rect& mouthArea, const BalloonLayout& layout) {
    const BalloonPlacement chosen = QuarterPlacement(stage, monitor.bounds);
    if (FitsIn(ComputeBalloonShape(chosen, mouthArea, stage.position, layout), monitor.workArea))
        return chosen;
    const BalloonPlacement other = OtherVertical(chosen);
    // Flip only when it helps: cut off either way (an empty work area holds
    // nothing), the quarters' choice stays.
    if (FitsIn(ComputeBalloonShape(other, mouthArea, stage.position, layout), monitor.workArea))
        return other;
    return chosen;
}

BalloonTail ComputeTail(BalloonPlacement placement, const Rect& mouthArea, Point stagePosition,
                        const BalloonLayout& layout) {
    const Rect& tp = layout.tailPos;
    const bool left = IsLeft(placement);
    const bool above = IsAbove(placement);
    // The tip sits in the balloon's corner nearest her mouth; the base runs
    // along the tail box's edge on that side, 48 pixels (at 96 DPI) toward
    // the middle.
    const int32_t baseX = left ? tp.left + tp.width : tp.left;
    const int32_t baseY = above ? tp.top + tp.height : tp.top;
    const int32_t baseEnd = left ? baseX - layout.tailBaseWidth : baseX + layout.tailBaseWidth;
    const Point tip{left ? layout.clientWidth : 0, above ? layout.clientHeight : 0};
    // The mouth's corner facing the balloon: right edge when the balloon is
    // on the right, bottom edge when it opens below.
    const int64_t anchorX =
        left ? int64_t{mouthArea.left} : int64_t{mouthArea.left} + mouthArea.width;
    const int64_t anchorY =
        above ? int64_t{mouthArea.top} : int64_t{mouthArea.top} + mouthArea.height;

    BalloonTail tail;
    tail.points = {tip, Point{baseX, baseY}, Point{baseEnd, baseY}};
    tail.windowPosition = Point{static_cast<int32_t>(anchorX + stagePosition.x - tip.x),
                                static_cast<int32_t>(anchorY + stagePosition.y - tip.y)};
    return tail;
}

BalloonShape ComputeBalloonShape(BalloonPlacement placement, const Rect& mouthArea,
                                 Point stagePosition, const BalloonLayout& layout) {
    BalloonShape shape;
    shape.body = layout.areaBounds;
    shape.cornerSize = layout.cornerSize;
    shape.tail = ComputeTail(placement, mouthArea, stagePosition, layout);
    return shape;
}

BalloonShape KeepBodyInside(BalloonShape shape, const Rect& workArea) {
    if (workArea.width <= 0 || workArea.height <= 0) return shape;
    const Edges e = BodyEdges(shape);
    Point& at = shape.tail.windowPosition;
    at.x = static_cast<int32_t>(at.x + ShiftInto(e.left, e.right, workArea.left, workArea.width));
    at.y = static_cast<int32_t>(at.y + ShiftInto(e.top, e.bottom, workArea.top, workArea.height));
    return shape;
}

Rect BalloonScreenBounds(const BalloonShape& shape) {
    const Edges e = VisibleEdges(shape);
    return Rect{static_cast<int32_t>(e.left), static_cast<int32_t>(e.top),
                static_cast<int32_t>(e.right - e.left), static_cast<int32_t>(e.bottom - e.top)};
}

FollowAction FollowTick(Point stageAtLastBuild, Point stageNow, bool stageIsActive) {
    if (stageNow != stageAtLastBuild) return FollowAction::Rebuild;
    return stageIsActive ? FollowAction::BringToFront : FollowAction::None;
}

}  // namespace velmira
