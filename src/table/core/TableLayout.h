#pragma once

#include <cstdint>
#include <optional>

#include "foundation/core/Geometry.h"
#include "protocol/RoomCodes.h"

// Fixed places of the card table: floor slots, hands, the countdown and the captured piles.
// Screen slot 0 is the own side at the bottom, 1 the opposite side at the top.

constexpr int32_t kFloorSlotCount = 12;
constexpr int32_t kScreenSlotCount = 2;
constexpr int32_t kHandPositionCount = 10;
constexpr int32_t kPileCategoryCount = 4;

// Where the robot's avatar faces show.
constexpr Point kRobotAvatarPoint{650, 30};

// Floor and pile cards are normal size.
constexpr Size kNormalCardSize{36, 55};
constexpr Size kSmallCardSize{25, 36};
constexpr Size kBigCardSize{40, 61};

constexpr int32_t kFloorFanWidth = 80;
constexpr int32_t kFanStep = 18;

// Top-left of the first card of floor slot 0..11; target-score rooms sit 20 pixels further right.
std::optional<Point> FloorSlotPosition(int32_t floorSlot, int32_t roomKind);

// Hand cards 0..9 of a screen slot, two rows of five.
std::optional<Point> HandPosition(int32_t screenSlot, int32_t index);

// Where the countdown shows for the turn user's screen slot.
std::optional<Point> CountdownPosition(int32_t screenSlot);

// A captured pile's first card and the room its fan may take, the last card's width included.
struct PileArea {
    Point origin;
    int32_t width = 0;
    bool operator==(const PileArea&) const = default;
};
std::optional<PileArea> GetPileArea(int32_t screenSlot, int32_t category);

// Distance between fanned cards: 18 while `count` cards fit in `width`, else squeezed so the
// last card ends at the edge.
int32_t FloorSlotSpacing(int32_t count, int32_t width);

// Where the go-count animation plays over a card that landed at `landing` on a floor slot now
// holding `count` cards.
Point GoCountAnimationPoint(Point landing, int32_t count);
