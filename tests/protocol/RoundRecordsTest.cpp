#include <gtest/gtest.h>

#include "protocol/RoundRecords.h"

TEST(RoundRecords, SeatResetGivesDefaults)
{
    CHTUser u;
    u.hand = {1, 2}, u.piPile = {3}, u.missionValue = 4, u.multiplier = 8, u.seat = 1, u.announced[7] = 3;
    u.roundValue = 99;
    u.Reset();
    EXPECT_EQ(u, CHTUser());
}

TEST(RoundRecords, GameInfoResetKeepsTheUserListsAndTheOnceValues)
{
    CGameInfo kept;  // a fresh record with what Reset leaves alone
    kept.blackList = {5}, kept.voiceMuted = {6}, kept.ownerKey = 8, kept.missionMode = 3, kept.missionMusic = 1;
    kept.drawExponent = 2;
    CGameInfo g = kept;
    g.kickReservations = {7}, g.deck = {1, 2, 3}, g.turnKey = 9, g.monthCaptured[4] = 2, g.cMissionOwners[0] = 1;
    g.dMissionFactors = {3, 3}, g.users[1].goCount = 3, g.pointValue = 5, g.lastFloorSlot = 4, g.playedMonth = 2;
    g.Reset();
    EXPECT_EQ(g, kept);
}

TEST(RoundRecords, FloorClearEmptiesTheSlotsAndKeepsTheirPositions)
{
    COpenInfo floor;
    for (int i = 0; i < COpenInfo::kSlotCount; ++i) floor.GetSlot(i).position = {i * 10, 5};
    EXPECT_EQ(floor.FindEmptySlot(), 0);
    floor.GetSlot(0).count = 2;
    floor.GetSlot(1).count = 1;
    EXPECT_EQ(floor.FindEmptySlot(), 2);
    for (int i = 0; i < COpenInfo::kSlotCount; ++i) floor.GetSlot(i).count = 1;
    EXPECT_EQ(floor.FindEmptySlot(), -1);
    floor.cards = {3, 4};
    floor.Clear();
    EXPECT_EQ(floor.FindEmptySlot(), 0);
    EXPECT_TRUE(floor.cards.empty());
    EXPECT_EQ(floor.GetSlot(11).position, (Point{110, 5}));
}
