#include <gtest/gtest.h>

#include <array>
#include <string>

#include "FillFields.h"
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

TEST(Records, ClearGivesTheDocumentedDefaultsAndKeepsTheScreenSlot)
{
    EXPECT_EQ(PlayerInfo().screenSlot, -1) << "a new player has no screen slot";
    PlayerInfo p;
    FillFields(p);
    p.screenSlot = 1;
    static_cast<RCUser&>(p).Clear();  // virtual: clears the seat fields too
    PlayerInfo cleared;
    cleared.screenSlot = 1;
    EXPECT_EQ(p, cleared);

    RCRoomData room;
    FillFields(room);
    const std::string text5 = room.text5;
    room.seats.players[0].screenSlot = 1;
    room.Clear();
    RCRoomData fresh;
    fresh.text5 = text5;  // the room keeps its fifth text
    fresh.seats.players[0].screenSlot = 1;
    EXPECT_EQ(room, fresh);
    EXPECT_EQ(room.roomId, -1);
    EXPECT_EQ(room.option.stake, 1000);
    EXPECT_EQ(room.option.minMoney, 10000);
    EXPECT_EQ(room.option.ruleFlags, (std::array<int32_t, 9>{1, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(room.option.stakeMoney, 1000);
    EXPECT_EQ(room.seats.players[0].userKey, -1);
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
