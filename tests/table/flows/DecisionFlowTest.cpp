#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "table/flows/FlowFixture.h"

namespace {

using Decisions = FlowFixture;
using DecisionKind = SceneRules::DecisionKind;

}  // namespace

TEST_F(Decisions, GoOrStopResultCountsOnlyAGo)
{
    const struct { const char* name; bool robotRoom; int32_t goFlag, goCount, expectedGoCount; const char* popup; } cases[] = {
        {"a go counts", false, 1, 2, 2, "ShowActionPopup 8 2"},
        {"a stop keeps the count", false, 0, 2, 1, "ShowActionPopup 9 0"},
        {"a stop in a robot room keeps the count", true, 0, 2, 1, "ShowActionPopup 9 0"},
        {"a go in a robot room counts", true, 1, 3, 3, "ShowActionPopup 8 3"},
    };
    for (const auto& c : cases) {
        records.GetPlayer(1).seatState = c.robotRoom ? -1 : 0;
        stage.Forget();
        CHTUser& own = records.RoundUser(0);
        own.goCount = 1, own.points = 7, own.pointsWithGo = -1;
        flows.decisions.OnGoOrStopResult(GoOrStopResult{kOwnKey, 0, c.goCount, c.goFlag, 0});
        EXPECT_EQ((std::pair{own.goCount, own.pointsWithGo}), (std::pair{c.expectedGoCount, c.goFlag ? 7 + c.goCount : -1}))
            << c.name << ": go count, points with go";
        EXPECT_EQ(stage.CallsOf("ShowActionPopup"), std::vector<std::string>{c.popup}) << c.name;
        EXPECT_FALSE(stage.hostAsked) << c.name << ": nothing sent";
    }
}

TEST_F(Decisions, RoomOptionsStakeLevelAndBet)
{
    const struct { const char* name; int32_t roomKind, betKind; int64_t amount; int32_t level; } cases[] = {
        {"room 41 bet 2 reads its table", 41, 2, 999999999, 1},
        {"an ordinary room never reads the table", 0, 2, 99999, 0},
    };
    for (const auto& c : cases) {
        records.room.roomKind = c.roomKind;
        records.stakeLevel = -1;
        flows.decisions.OnRoomOptionNotice(RoomOptionNotice{0, 1, c.amount, c.betKind});
        EXPECT_EQ((std::tuple{records.stakeLevel, records.room.option.betAmount, records.room.option.betKind, stage.notifyKind}),
                  (std::tuple{c.level, c.amount, c.betKind, 16})) << c.name << ": level, bet amount, bet kind, prompt";
    }
    records.stakeLevel = -1;
    flows.decisions.OnRoomOptionNotice(RoomOptionNotice{0, 0, 5, 1});
    EXPECT_EQ(stage.notifyKind, 17);
    EXPECT_EQ(records.stakeLevel, -1) << "options cleared keep the level";
}

TEST_F(Decisions, GoOrStopPromptOfTheOwnUser)
{
    // Stake 1000, 7 points with a captured card: 7000 at stake.
    records.room.option.stake = 1000;
    records.RoundUser(0).piPile = {0};
    const struct { const char* name; int32_t roomKind; int64_t ownMoney, otherMoney; int32_t targetIndex; int kind; } cases[] = {
        {"rich opponent", 0, 100000, 100000, 0, 19},
        {"room 7, own money caps it", 7, 2000, 100000, 0, 28},
        {"target-score room with an option out of range", 40, 100000, 100000, 9, 19},
    };
    for (const auto& c : cases) {
        records.room.roomKind = c.roomKind, records.room.option.targetIndex = c.targetIndex;
        records.GetPlayer(0).gameMoney = c.ownMoney, records.GetPlayer(1).gameMoney = c.otherMoney;
        records.gameInfo.lastPointsKey = kOwnKey;
        flows.decisions.OnGoOrStopPrompt(GoOrStopPrompt{kOwnKey, 7, 0});
        EXPECT_EQ((std::tuple{stage.notifyKind, stage.phaseTimer, records.RoundUser(0).points}),
                  (std::tuple{c.kind, DecisionKind::GoOrStop, 7})) << c.name << ": prompt, decision, points";
    }
    flows.decisions.OnGoOrStopPrompt(GoOrStopPrompt{200, 7, 0});
    EXPECT_EQ(stage.notifyKind, 10) << "the other's prompt";
}

// A go's voice by its count: a robot's sixth and later goes say "5go", a person's the sixth's and
// seventh's own cues.
TEST_F(Decisions, GoVoicesByCountAndPlayer)
{
    const struct { bool robot; int32_t goCount; int cue; } cases[] = {
        {false, 1, 10000}, {false, 5, 10004}, {false, 6, 10021}, {false, 7, 10022}, {false, 9, 10022},
        {true, 3, 10002},  {true, 6, 10004},  {true, 8, 10004},
    };
    for (const auto& c : cases) {
        records.GetPlayer(1).seatState = c.robot ? -2 : 0;
        stage.Forget();
        flows.decisions.OnGoOrStopResult(GoOrStopResult{200, 0, c.goCount, 1, 0});
        ASSERT_EQ(stage.voices.size(), 1u) << "go " << c.goCount;
        EXPECT_EQ(stage.voices[0], (std::pair{c.cue, 1})) << (c.robot ? "robot" : "person") << ", go " << c.goCount;
    }
}
