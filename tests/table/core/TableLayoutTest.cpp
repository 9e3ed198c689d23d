#include <gtest/gtest.h>

#include <climits>
#include <optional>

#include "table/core/TableLayout.h"

TEST(TableLayout, FloorSlotsShiftOnlyInTargetScoreRooms)
{
    const struct { const char* name; int32_t slot; int32_t roomKind; std::optional<Point> want; } cases[] = {
        {"first slot, plain room", 0, 1, Point{274, 160}},
        {"first slot, room kind 41", 0, 41, Point{294, 160}},
        {"last slot, room kind 40", 11, 40, Point{496, 232}},
        {"last slot, room kind 43", 11, 43, Point{496, 232}},
        {"room kind 39 is not shifted", 6, 39, Point{187, 157}},
        {"room kind 44 is not shifted", 6, 44, Point{187, 157}},
        {"slot 12 does not exist", 12, 1, std::nullopt},
        {"slot -1 does not exist", -1, 41, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(FloorSlotPosition(c.slot, c.roomKind), c.want) << c.name;
}

TEST(TableLayout, HandAndCountdownPositionsByScreenSlot)
{
    const struct { const char* name; int32_t screenSlot; int32_t index; std::optional<Point> want; } hands[] = {
        {"own first card", 0, 0, Point{405, 391}},
        {"own fifth card ends row one", 0, 4, Point{577, 391}},
        {"own sixth card starts row two", 0, 5, Point{405, 455}},
        {"opposite last card", 1, 9, Point{543, 79}},
        {"an eleventh card has no place", 0, 10, std::nullopt},
        {"negative index", 1, -1, std::nullopt},
        {"no screen slot", -1, 0, std::nullopt},
    };
    for (const auto& c : hands) EXPECT_EQ(HandPosition(c.screenSlot, c.index), c.want) << c.name;

    EXPECT_EQ(CountdownPosition(0), Point(320, 361));
    EXPECT_EQ(CountdownPosition(1), Point(320, 104));
    EXPECT_EQ(CountdownPosition(-1), std::nullopt);
    EXPECT_EQ(CountdownPosition(2), std::nullopt);
}

TEST(FloorSlotSpacing, EighteenWhileTheFanFitsThenSqueezed)
{
    const struct { const char* name; int32_t count; int32_t width; int32_t want; } cases[] = {
        {"no card", 0, 80, 18},          {"floor, 1 card", 1, 80, 18},  {"floor, 3 cards", 3, 80, 18},
        {"floor, 4 cards", 4, 80, 14},   {"floor, 5 cards", 5, 80, 11}, {"floor, 6 cards", 6, 80, 8},
        {"floor, 7 cards", 7, 80, 7},    {"floor, 8 cards", 8, 80, 6},  {"3 gwang fit exactly", 3, 88, 18},
        {"4 gwang squeeze", 4, 88, 17},  {"negative count", -5, 80, 18},
        {"a huge count neither overflows nor goes negative", INT32_MAX, 80, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(FloorSlotSpacing(c.count, c.width), c.want) << c.name;

    // The rule: a fan never leaves its area once it holds two cards.
    for (int32_t width : {80, 88, 132, 136, 160})
        for (int32_t n = 2; n <= 30; ++n)
            EXPECT_LE(FloorSlotSpacing(n, width) * (n - 1) + kNormalCardSize.cx, width) << n << " cards in " << width;
}
