#include <gtest/gtest.h>

#include <vector>

#include "FillFields.h"
#include "protocol/FieldVisitors.h"
#include "protocol/Records.h"

namespace {

PITable Seats(int32_t key0, int32_t key1)
{
    PITable t;
    t.players[0].userKey = key0;
    t.players[1].userKey = key1;
    return t;
}

}  // namespace

TEST(Records, PlayerInfoStartsWithoutScreenSlotAndClearKeepsIt)
{
    PlayerInfo fresh;
    EXPECT_EQ(fresh.screenSlot, -1);
    EXPECT_EQ(fresh.userKey, -1);

    PlayerInfo p;
    FillFields(p);
    p.screenSlot = 1;
    RCUser& asUser = p;
    asUser.Clear();  // virtual: clears the seat fields too
    EXPECT_EQ(p.screenSlot, 1);
    EXPECT_EQ(p.userKey, -1);
    EXPECT_EQ(p.seatState, 0);
    EXPECT_EQ(p.turnTimeoutCount, 0);
    EXPECT_TRUE(p.nickname.empty());
    PlayerInfo cleared;
    cleared.screenSlot = 1;
    EXPECT_EQ(p, cleared);
}

TEST(Records, RoomClearGivesTheDocumentedDefaults)
{
    RCRoomData room;
    FillFields(room);
    room.seats.players[0].screenSlot = 1;
    room.Clear();
    EXPECT_EQ(room.roomId, -1);
    EXPECT_EQ(room.roomKind, 0);
    EXPECT_EQ(room.option.stake, 1000);
    EXPECT_EQ(room.option.minMoney, 10000);
    EXPECT_EQ(room.option.ruleFlags, (std::array<int32_t, 9>{1, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(room.option.stakeMoney, 1000);
    EXPECT_EQ(room.option.betAmount, 0);
    EXPECT_TRUE(room.text1.empty() && room.text4.empty());
    EXPECT_FALSE(room.text5.empty()) << "the fifth text survives Clear";
    EXPECT_EQ(room.seats.players[0].userKey, -1);
    EXPECT_EQ(room.seats.players[0].screenSlot, 1);
    EXPECT_EQ(RCRoomData().option, Option());
}

TEST(Records, FindByKey)
{
    const struct {
        const char* name;
        PITable seats;
        int32_t key;
        int seat;
    } cases[] = {
        {"first seat", Seats(10, 20), 10, 0},
        {"second seat", Seats(10, 20), 20, 1},
        {"nobody", Seats(10, 20), 30, -1},
        {"an empty seat has key -1", Seats(10, -1), -1, 1},
        {"robot key", Seats(-5, 20), -5, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.seats.FindByKey(c.key), c.seat) << c.name;
        EXPECT_EQ(c.seats.ContainsKey(c.key), c.seat >= 0) << c.name;
    }
}

TEST(Records, RotateAndAssignScreenSlots)
{
    PITable t = Seats(10, 20);
    EXPECT_FALSE(t.RotatePlayers(10)) << "the first seat's key changes nothing";
    EXPECT_FALSE(t.RotatePlayers(30));
    EXPECT_EQ(t.players[0].userKey, 10);
    EXPECT_TRUE(t.RotatePlayers(20));
    EXPECT_EQ(t.players[0].userKey, 20);
    EXPECT_EQ(t.players[1].userKey, 10);

    const struct {
        int32_t key;
        int slot0;
        int slot1;
    } cases[] = {{20, 0, 1}, {10, 1, 0}, {99, 0, 1}};
    for (const auto& c : cases) {
        t.AssignScreenSlots(c.key);
        EXPECT_EQ(t.players[0].screenSlot, c.slot0) << c.key;
        EXPECT_EQ(t.players[1].screenSlot, c.slot1) << c.key;
    }
}

TEST(Records, CopyFromCopiesItsOwnPart)
{
    PlayerInfo source;
    FillFields(source, 100);
    source.screenSlot = 0;

    PlayerInfo whole;
    whole.CopyFrom(source);
    EXPECT_EQ(whole, source);

    PlayerInfo userOnly;
    userOnly.seatState = -3;
    userOnly.RCUser::CopyFrom(source);
    EXPECT_EQ(userOnly.nickname, source.nickname);
    EXPECT_EQ(userOnly.gameMoney, source.gameMoney);
    EXPECT_EQ(userOnly.seatState, -3) << "the user part's copy leaves the seat fields";
    EXPECT_EQ(static_cast<const RCUser&>(userOnly), static_cast<const RCUser&>(source));

    RCRoomData room;
    FillFields(room, 7);
    RCRoomData copy;
    copy.CopyFrom(room);
    EXPECT_EQ(copy, room);
    room.seats.players[1].userId = "other";
    EXPECT_NE(copy, room);
}

TEST(Records, WinInfoWireOrder)
{
    WinInfo w;
    w.winnerSeat = 1;
    w.secondValue = 2;
    w.goPoints = 3;
    w.categoryPoints = {4, 5, 6, 7, 8, 9, 10, 11};
    w.goExponent = 12;
    w.shakeCount = 13;
    w.missionMultiplier = 14;
    w.meongttaExponent = 15;
    std::vector<uint8_t> bytes;
    ByteWriter out(bytes);
    WriteFields(out, w);
    ASSERT_EQ(bytes.size(), 15u * 4);
    for (uint32_t i = 0; i < 15; ++i) EXPECT_EQ(LoadLE32(&bytes[i * 4]), i + 1) << "value " << i;
}

TEST(Records, ScreenSlotIsNotOnTheWire)
{
    PlayerInfo p;
    FillFields(p);
    p.screenSlot = 1;
    std::vector<uint8_t> bytes;
    ByteWriter out(bytes);
    WriteFields(out, p);
    PlayerInfo back;
    ByteReader in(bytes.data(), bytes.size());
    ASSERT_TRUE(ReadFields(in, back));
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(back.screenSlot, -1);
    back.screenSlot = 1;
    EXPECT_EQ(back, p);
}
