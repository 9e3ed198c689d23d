#include <gtest/gtest.h>

#include <utility>

#include "FillFields.h"
#include "protocol/Records.h"

TEST(Records, ClearGivesTheDocumentedDefaultsAndKeepsTheScreenSlot)
{
    PlayerInfo p;
    EXPECT_EQ(p.screenSlot, -1) << "a new player has no screen slot";
    FillFields(p);
    p.screenSlot = 1;
    static_cast<RCUser&>(p).Clear();  // virtual: clears the seat fields too
    PlayerInfo cleared;
    cleared.screenSlot = 1;
    EXPECT_EQ(p, cleared);

    RCRoomData room;
    FillFields(room);
    room.seats.players[0].screenSlot = 1;
    RCRoomData fresh;
    fresh.text5 = room.text5;  // the room keeps its fifth text
    fresh.seats.players[0].screenSlot = 1;
    room.Clear();
    EXPECT_EQ(room, fresh);
    EXPECT_TRUE(room.roomId == -1 && room.seats.players[1].userKey == -1) << "no room, an empty seat";
}

TEST(Records, SeatsFindRotateAndPlaceOnScreenByKey)
{
    // The seat found, the first seat's screen slot after AssignScreenSlots, whether RotatePlayers moved the key.
    const struct { const char* name; int32_t key0, key1, key; int seat, slot0; bool rotated; } cases[] = {
        {"first seat", 10, 20, 10, 0, 0, false},
        {"second seat", 10, 20, 20, 1, 1, true},
        {"nobody", 10, 20, 30, -1, 0, false},
        {"an empty seat matches no key, -1 included", 10, -1, -1, -1, 0, false},
        {"two empty seats", -1, -1, -1, -1, 0, false},
        {"robot key", -5, 20, -5, 0, 0, false},
    };
    for (const auto& c : cases) {
        PITable t;
        t.players[0].userKey = c.key0;
        t.players[1].userKey = c.key1;
        EXPECT_EQ(t.FindByKey(c.key), c.seat) << c.name;
        EXPECT_EQ(t.ContainsKey(c.key), c.seat >= 0) << c.name;
        t.AssignScreenSlots(c.key);
        EXPECT_EQ(std::pair(t.players[0].screenSlot, t.players[1].screenSlot), std::pair(c.slot0, 1 - c.slot0)) << c.name;
        EXPECT_EQ(t.RotatePlayers(c.key), c.rotated) << c.name;
        EXPECT_EQ(std::pair(t.players[0].userKey, t.players[1].userKey),
                  c.rotated ? std::pair(c.key, c.key0) : std::pair(c.key0, c.key1)) << c.name << ": the keys after rotating";
    }
}
