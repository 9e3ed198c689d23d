#include <gtest/gtest.h>

#include <cstdint>

#include "protocol/RoomCodes.h"

// Each range test at both sides of each of its bounds, and at the kinds of the other ranges.
TEST(RoomKindRanges, HoldExactlyTheirKinds)
{
    const struct { int32_t kind; bool ordinary, event, sevenWin, threeWin, tournament, targetScore; } cases[] = {
        {-1, false, false, false, false, false, false},
        {0, true, false, false, false, false, false},
        {4, true, false, false, false, false, false},
        {5, true, true, false, false, false, false},
        {10, true, true, false, false, false, false},
        {11, true, false, false, false, false, false},
        {12, false, false, false, false, false, false},
        {19, false, false, false, false, false, false},
        {20, false, false, true, false, true, false},
        {26, false, false, true, false, true, false},
        {27, false, false, false, false, false, false},
        {29, false, false, false, false, false, false},
        {30, false, false, false, true, true, false},
        {32, false, false, false, true, true, false},
        {33, false, false, false, false, false, false},
        {39, false, false, false, false, false, false},
        {40, false, false, false, false, false, true},
        {43, false, false, false, false, false, true},
        {44, false, false, false, false, false, false},
        {60, false, false, false, false, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsOrdinaryRoom(c.kind), c.ordinary) << "kind " << c.kind;
        EXPECT_EQ(IsEventRoom(c.kind), c.event) << "kind " << c.kind;
        EXPECT_EQ(IsSevenWinTournamentRoom(c.kind), c.sevenWin) << "kind " << c.kind;
        EXPECT_EQ(IsThreeWinTournamentRoom(c.kind), c.threeWin) << "kind " << c.kind;
        EXPECT_EQ(IsTournamentRoom(c.kind), c.tournament) << "kind " << c.kind;
        EXPECT_EQ(IsTargetScoreRoom(c.kind), c.targetScore) << "kind " << c.kind;
    }
}

TEST(RoomKindRanges, AntiLeaveNeedsKindAndSetting)
{
    const struct { const char* name; int32_t kind, setting; bool expected; } cases[] = {
        {"kind 7 is outside", 7, 1, false},
        {"kind 8, setting 1", 8, 1, true},
        {"kind 10, setting 3", 10, 3, true},
        {"kind 11 is outside", 11, 2, false},
        {"setting 0 is off", 9, 0, false},
        {"setting 4 is unknown", 9, 4, false},
        {"a tournament kind", 20, 2, false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsAntiLeaveRoom(c.kind, c.setting), c.expected) << c.name;
}
