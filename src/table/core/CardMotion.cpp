#include "table/core/CardMotion.h"

#include <algorithm>

namespace {

constexpr int32_t kTableWidth = 800;
constexpr int32_t kTableHeight = 520;

// Keeps a rectangle inside the table area, its right and bottom edges on the border at most.
Rect KeepOnTable(Point topLeft, Size size)
{
    const int32_t x = std::clamp(topLeft.x, int32_t{0}, std::max(int32_t{0}, kTableWidth - size.cx));
    const int32_t y = std::clamp(topLeft.y, int32_t{0}, std::max(int32_t{0}, kTableHeight - size.cy));
    return Rect({x, y}, size);
}

int32_t Interpolate(int32_t from, int32_t to, int64_t i, int64_t steps)
{
    // 64 bits: far-off coordinates times the step count must not overflow.
    return static_cast<int32_t>(((steps - i) * from + i * to) / steps);
}

}  // namespace

std::vector<Point> BuildMovePath(Point start, Point target, int32_t steps)
{
    const int64_t n = std::max(int32_t{1}, steps);
    std::vector<Point> path;
    path.reserve(static_cast<size_t>(n + 1));
    for (int64_t i = 0; i <= n; ++i)
        path.push_back({Interpolate(start.x, target.x, i, n), Interpolate(start.y, target.y, i, n)});
    return path;
}

Rect LiftCardRect(Point cardTopLeft, LiftSide side)
{
    const Point by{side == LiftSide::Own ? -10 : 5, -15};
    return KeepOnTable(cardTopLeft + by, kLiftedCardSize);
}

Rect NudgeCardRect(const Rect& card)
{
    return KeepOnTable(card.TopLeft() + Point{-10, -15}, card.GetSize());
}

std::vector<int32_t> TrailTransparencies(int32_t steps)
{
    const uint32_t n = static_cast<uint32_t>(std::max(int32_t{1}, steps));
    const int32_t grow = static_cast<int32_t>(43u / n);
    std::vector<int32_t> out;
    int32_t t = grow + 7;
    for (uint32_t i = 0; i <= n; ++i, t += grow) out.push_back(t);
    return out;
}

CardMovePlan PlanCardMove(Point start, Size size, Point target, int32_t steps, Zoom zoom, HandPointer pointer)
{
    const bool zoomed = zoom == Zoom::Yes;
    const std::vector<Point> path = BuildMovePath(start, target, steps);
    const int32_t n = static_cast<int32_t>(path.size()) - 1;
    const Size shrink{(size.cx - kCardSize.cx) / n, (size.cy - kCardSize.cy) / n};
    const std::vector<int32_t> trail = TrailTransparencies(n);

    CardMovePlan plan;
    plan.liftShowMs = zoomed ? kLiftShowMs : 0;
    Size now = size;
    for (size_t i = 0; i < path.size(); ++i) {
        CardMoveFrame f;
        f.card = path[i];
        if (zoomed) {
            now = {std::max(kCardSize.cx, now.cx - shrink.cx), std::max(kCardSize.cy, now.cy - shrink.cy)};
            f.trailTransparency = trail[i];
        }
        f.cardSize = now;
        if (pointer == HandPointer::Shown) {
            f.handPointer = path[i] + kHandPointerOffset;
            f.waitMs += kHandPointerExtraMs;
        }
        plan.frames.push_back(f);
    }
    plan.final = Rect(target, kCardSize);
    return plan;
}

Size ShrinkTowards(Size size, Size least, int32_t parts)
{
    const int32_t n = std::max(int32_t{1}, parts);
    const auto step = [n](int32_t now, int32_t floor) { return std::max(floor, now - (now - floor) / n); };
    return {step(size.cx, least.cx), step(size.cy, least.cy)};
}

Point TwoCardFanPoint(Point floorSlot, int32_t card)
{
    return floorSlot + Point{-30 + 40 * card, -40};
}

Point TwoCardDropPoint(Point floorSlot, int32_t card)
{
    return floorSlot + Point{18 * card, 0};
}

bool FrameWaitPacer::NextFrameWaits()
{
    if (!skipNext) return true;
    skipNext = false;
    return false;
}

void FrameWaitPacer::Waited(uint32_t startMs, uint32_t endMs)
{
    // Unsigned difference: right across the clock's wrap.
    skipNext = catchUp && endMs - startMs > static_cast<uint32_t>(2 * kStepDelayMs);
}

std::vector<FrameWaitStep> ScheduleFrameWaits(int32_t frameCount, int32_t cardSpeed, uint32_t nowMs,
                                              const std::vector<uint32_t>& waitTookMs)
{
    FrameWaitPacer pacer(cardSpeed);
    std::vector<FrameWaitStep> steps;
    for (int32_t i = 0; i < frameCount; ++i) {
        FrameWaitStep s{pacer.NextFrameWaits(), nowMs, nowMs};
        if (s.waited) {
            const size_t k = static_cast<size_t>(i);
            s.endMs = nowMs + (k < waitTookMs.size() ? waitTookMs[k] : static_cast<uint32_t>(kStepDelayMs));
            pacer.Waited(s.startMs, s.endMs);
            nowMs = s.endMs;
        }
        steps.push_back(s);
    }
    return steps;
}
