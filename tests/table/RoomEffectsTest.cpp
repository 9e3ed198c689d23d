#include <gtest/gtest.h>

#include <vector>

#include "support/RoomTestSupport.h"

namespace {

class RoomEffects : public RoomFixture {
protected:
    void SetUp() override
    {
        Clock::UseVirtual();
        ASSERT_TRUE(OpenRoom());
        Seat();
    }
    void TearDown() override { Clock::UseReal(); }
};

}  // namespace

// Message 12 through the room's dispatcher: the seat of the key takes the voice type, the own
// option only for the own user.
TEST_F(RoomEffects, VoiceTypeChangeReachesItsSeatThroughTheDispatcher)
{
    const struct { const char* name; int32_t key; int seat; bool own; } cases[] = {
        {"the other player", 200, 1, false},
        {"an unseated key", 300, -1, false},
        {"the own user", kOwnKey, 0, true},
    };
    for (const auto& c : cases) {
        auto& players = Scene().room.seats.players;
        players[0].voiceType = players[1].voiceType = 1;
        Scene().options.voiceType = 1;
        EXPECT_EQ(Deliver(VoiceTypeChanged{.userKey = c.key, .value = 0, .voiceType = 3}), 0) << c.name;
        for (int s = 0; s < 2; ++s)
            EXPECT_EQ(players[static_cast<size_t>(s)].voiceType, s == c.seat ? 3 : 1) << c.name << ", seat " << s;
        EXPECT_EQ(Scene().options.voiceType, c.own ? 3 : 1) << c.name;
    }
}

// The item panel's use asks the host (request 22) with the own key and the amount, only for a
// seated own user after the round and a positive amount.
TEST_F(RoomEffects, ItemUseAsksTheHostOnlyAfterTheRound)
{
    const struct { const char* name; RoomState state; bool seated; int64_t amount; bool asked; } cases[] = {
        {"after the round", RoomState::RoundOver, true, 3000, true},
        {"while playing", RoomState::Playing, true, 3000, false},
        {"a watcher", RoomState::RoundOver, false, 3000, false},
        {"an amount of 0", RoomState::RoundOver, true, 0, false},
    };
    for (const auto& c : cases) {
        Seat();
        if (!c.seated) Scene().ownUser.userKey = 300;
        Scene().room.roomState = static_cast<int32_t>(c.state);
        host.Forget();
        EXPECT_EQ(Scene().Requests().RequestItemUse(c.amount), c.asked) << c.name;
        const auto asked = host.RequestsWithCode(static_cast<int>(HostRequestCode::UseSafe));
        ASSERT_EQ(asked.size(), c.asked ? 1u : 0u) << c.name;
        if (!c.asked) continue;
        EXPECT_EQ(asked[0].userKey, kOwnKey) << c.name;
        EXPECT_EQ(asked[0].value, 3000) << c.name;
        EXPECT_EQ(asked[0].inOut, 8) << c.name << ": the amount's size";
    }
}
