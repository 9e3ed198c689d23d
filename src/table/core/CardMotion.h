#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "foundation/core/Geometry.h"

// The arithmetic of a card moving across the table. The shell steps its windows through these
// frames and waits between them; nothing here touches a window or a clock.

constexpr Size kCardSize{36, 55};
constexpr Size kLiftedCardSize{56, 86};
constexpr int32_t kStepDelayMs = 6;        // wait between two frames of a move
constexpr int32_t kHandPointerExtraMs = 2;  // a frame waits this much more while the hand pointer shows
constexpr int32_t kLiftShowMs = 250;        // a zoomed card is shown lifted this long before it moves
constexpr Point kHandPointerOffset{7, 15};

// A straight path of `steps` steps: steps + 1 points, the first `start`, the last `target`.
// Point i is ((steps - i) * start + i * target) / steps, truncated toward zero. Fewer than one
// step is one step.
std::vector<Point> BuildMovePath(Point start, Point target, int32_t steps);

// Where a lifted card stands: the lifted size, moved by (-10, -15) on the own side and (+5, -15)
// on the other, kept inside the table area 0..800 x 0..520 (right and bottom edges included).
enum class LiftSide { Own, Other };
Rect LiftCardRect(Point cardTopLeft, LiftSide side);

// The lift of the two-card play: the card keeps its size, moved by (-10, -15), kept inside the table area.
Rect NudgeCardRect(const Rect& card);

enum class Zoom { No, Yes };
enum class HandPointer { Hidden, Shown };

// One frame of a one-card move.
struct CardMoveFrame {
    Point card;                    // the card's position
    Size cardSize;                 // with zoom shrinking toward 36 x 55, else unchanged
    int32_t trailTransparency = 0;  // percent; 0 without zoom (no trail)
    Point handPointer;             // where the hand pointer sprite stands, when shown
    int32_t waitMs = kStepDelayMs;
    bool operator==(const CardMoveFrame&) const = default;
};

struct CardMovePlan {
    int32_t liftShowMs = 0;  // kLiftShowMs with zoom, shown before the first frame
    std::vector<CardMoveFrame> frames;  // steps + 1 frames, the last at the target
    Rect final;                         // the card's rectangle after the move: target, 36 x 55
};

// A card of size `size` at `start` moving to `target` in `steps` steps. With zoom `size` is the
// lifted size; the card shrinks by (size - 36 x 55) / steps a frame and the trail fades in.
CardMovePlan PlanCardMove(Point start, Size size, Point target, int32_t steps, Zoom zoom, HandPointer pointer);

// The trail's transparency of frames 0..steps: 43 / steps + 7 percent, growing by 43 / steps a frame.
std::vector<int32_t> TrailTransparencies(int32_t steps);

// The two-card play's trail transparency at fan-out or drop frame `frame`.
constexpr int32_t TwoCardTrailTransparency(int32_t frame)
{
    return 8 * frame + 15;
}

// One step of a size shrinking toward `least`: by 1/parts of the difference, never below `least`
// (a smaller size jumps to it). Fewer than one part is one.
Size ShrinkTowards(Size size, Size least, int32_t parts);

// The two-card play: the cards fan out above the floor slot lifted, drop onto it side by side and shake.
constexpr int32_t kTwoCardFanSteps = 5;
constexpr int32_t kTwoCardFanFrames = 6;
constexpr int32_t kTwoCardDropFrames = 2;
constexpr int32_t kTwoCardHitWaitMs = 200;
constexpr Point kTwoCardTrailOffset{15, 20};
constexpr int32_t kTwoCardTrailStart = 7;  // percent, before the fan-out
constexpr int32_t kShakeStepMs = 50;
// Sideways offsets of the shake, each from the place before; they add up to nothing.
constexpr std::array<int32_t, 6> kTwoCardShake{-2, 4, -4, 4, -4, 2};
// Card 0 or 1 fans out to the left or right above the slot, and drops onto the slot's fan.
Point TwoCardFanPoint(Point floorSlot, int32_t card);
Point TwoCardDropPoint(Point floorSlot, int32_t card);

// The frame wait with catch-up: every frame waits the step delay, but when a wait took more than
// twice the step delay at a positive card speed, the next frame is drawn at once; a frame drawn
// at once re-arms the wait. Times are milliseconds of the module clock (wrapping is fine).
class FrameWaitPacer {
public:
    explicit FrameWaitPacer(int32_t cardSpeed) : catchUp(cardSpeed > 0) {}

    // Whether the coming frame waits; a frame that does not has been skipped and re-arms the wait.
    [[nodiscard]] bool NextFrameWaits();
    // The wait of the coming frame ran from `startMs` to `endMs`.
    void Waited(uint32_t startMs, uint32_t endMs);

private:
    bool catchUp;
    bool skipNext = false;
};

// One frame of a scheduled loop: whether it waited, and the clock before and after its wait.
struct FrameWaitStep {
    bool waited = false;
    uint32_t startMs = 0;
    uint32_t endMs = 0;
    bool operator==(const FrameWaitStep&) const = default;
};

// The pacer run over `frameCount` frames from `nowMs`: a waiting frame's wait lasts
// waitTookMs[i] (the step delay when the list is shorter), a skipped frame takes no time.
std::vector<FrameWaitStep> ScheduleFrameWaits(int32_t frameCount, int32_t cardSpeed, uint32_t nowMs,
                                              const std::vector<uint32_t>& waitTookMs);
