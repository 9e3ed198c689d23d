#include "table/core/TableLayout.h"

#include <array>

namespace {

constexpr std::array<Point, kFloorSlotCount> kFloorSlots = {{
    {274, 160}, {350, 320}, {231, 234}, {386, 239}, {261, 321}, {358, 163},
    {187, 157}, {446, 319}, {170, 320}, {467, 157}, {142, 237}, {476, 232},
}};
constexpr int32_t kTargetScoreShift = 20;

struct HandRows {
    std::array<int32_t, 5> x;
    int32_t firstRowY;
    int32_t secondRowY;
};
constexpr std::array<HandRows, kScreenSlotCount> kHands = {{
    {{405, 448, 491, 534, 577}, 391, 455},
    {{435, 462, 489, 516, 543}, 41, 79},
}};

constexpr std::array<Point, kScreenSlotCount> kCountdown = {{{320, 361}, {320, 104}}};

// By screen slot, then category: gwang, animal, ribbon, pi.
constexpr PileArea kPileAreas[kScreenSlotCount][kPileCategoryCount] = {
    {{{19, 460}, 88}, {{117, 401}, 132}, {{117, 459}, 132}, {{259, 459}, 136}},
    {{{19, 27}, 88}, {{117, 27}, 132}, {{117, 84}, 132}, {{259, 84}, 160}},
};

bool IsScreenSlot(int32_t screenSlot)
{
    return screenSlot >= 0 && screenSlot < kScreenSlotCount;
}

}  // namespace

std::optional<Point> FloorSlotPosition(int32_t floorSlot, int32_t roomKind)
{
    if (floorSlot < 0 || floorSlot >= kFloorSlotCount) return std::nullopt;
    const Point p = kFloorSlots[static_cast<size_t>(floorSlot)];
    return IsTargetScoreRoom(roomKind) ? p + Point{kTargetScoreShift, 0} : p;
}

std::optional<Point> HandPosition(int32_t screenSlot, int32_t index)
{
    if (!IsScreenSlot(screenSlot) || index < 0 || index >= kHandPositionCount) return std::nullopt;
    const HandRows& rows = kHands[static_cast<size_t>(screenSlot)];
    return Point{rows.x[static_cast<size_t>(index % 5)], index < 5 ? rows.firstRowY : rows.secondRowY};
}

std::optional<Point> CountdownPosition(int32_t screenSlot)
{
    if (!IsScreenSlot(screenSlot)) return std::nullopt;
    return kCountdown[static_cast<size_t>(screenSlot)];
}

std::optional<PileArea> GetPileArea(int32_t screenSlot, int32_t category)
{
    if (!IsScreenSlot(screenSlot) || category < 0 || category >= kPileCategoryCount) return std::nullopt;
    return kPileAreas[screenSlot][category];
}

int32_t FloorSlotSpacing(int32_t count, int32_t width)
{
    // 64-bit: a huge count must not overflow the fit test.
    const int64_t n = count;
    if (n < 2 || kFanStep * (n + 1) <= width) return kFanStep;
    return static_cast<int32_t>((int64_t{width} - kNormalCardSize.cx) / (n - 1));
}

Point GoCountAnimationPoint(Point landing, int32_t count)
{
    return landing + Point{FloorSlotSpacing(count, kFloorFanWidth) * count - 53, -49};
}
