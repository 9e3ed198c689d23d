#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "table/flows/FlowFixture.h"
#include "views/CVHTWnd.h"

namespace {

using DecisionKind = SceneRules::DecisionKind;

// A dealt round, the table synchronised: the floor holds four gwang (0, 8, 28 and the rain gwang
// 44) and four pi.
class TurnFlows : public FlowFixture {
protected:
    void SetUp() override
    {
        FlowFixture::SetUp();
        DealFourGwangRound();
    }
    TurnResult Turn(int32_t key, std::vector<int32_t> captured)
    {
        return {.userKey = static_cast<uint32_t>(key), .captured = std::move(captured), .points = {0, 0}};
    }
    std::vector<int> Cues() const
    {
        std::vector<int> cues;
        for (const auto& v : stage.voices) cues.push_back(v.first);
        return cues;
    }
};

}  // namespace

TEST_F(TurnFlows, TurnResultAnnouncesTheCombinationAndLeavesItsCardsOpaque)
{
    flows.play.OnTurnResult(Turn(kOwnKey, {0, 8}));
    EXPECT_TRUE(Cues().empty()) << "two gwang say nothing";
    ASSERT_EQ(records.RoundUser(0).gwangPile.size(), 2u);

    flows.play.OnTurnResult(Turn(kOwnKey, {28, 44, 60, -1}));
    const std::vector<int32_t>& gwang = records.RoundUser(0).gwangPile;
    EXPECT_EQ(gwang.size(), 4u) << "ids outside 0..49 dropped, the two gwang taken";
    EXPECT_EQ(Cues(), std::vector<int>{10006}) << "2 to 4 gwang says four, not three";
    EXPECT_EQ(stage.CallsOf("ShowActionPopup"), std::vector<std::string>{"ShowActionPopup 1 0"});
    EXPECT_EQ(records.RoundUser(0).announced[7], 4) << "the gwang count kept for the next turn";
    for (int32_t slot : gwang) EXPECT_EQ(Card(slot).GetAlpha(), 255) << "flashed gwang " << slot << " stays opaque";
}

TEST_F(TurnFlows, TurnResultActsOnlyWhileSynchronisedAndForASeatedKey)
{
    const struct { const char* name; bool active; int32_t key; } cases[] = {
        {"after the round", false, kOwnKey},
        {"unseated key", true, 999},
        {"key -1", true, -1},
    };
    for (const auto& c : cases) {
        records.tableState.active = c.active;
        records.tableState.handPointerShown = true;
        flows.play.OnTurnResult(Turn(c.key, {0, 8, 28}));
        EXPECT_TRUE(records.RoundUser(0).gwangPile.empty() && records.RoundUser(1).gwangPile.empty()) << c.name;
        EXPECT_TRUE(stage.voices.empty()) << c.name;
        EXPECT_TRUE(records.tableState.handPointerShown) << c.name << ": the hand pointer flag stays";
    }
}

TEST_F(TurnFlows, SweepPiTransfersAndKungJJakValue)
{
    flows.play.OnTurnResult(Turn(200, {2, 3}));
    ASSERT_EQ(records.RoundUser(1).piPile.size(), 2u);
    records.gameInfo.missionMode = 5;
    TurnResult sweep = Turn(kOwnKey, {10, 11});
    sweep.turnKind = 6;
    sweep.kjValue = 4;
    sweep.points = {3, 1};
    sweep.piTransfers = {{200, 2}, {999, 3}, {200, 77}};
    stage.Forget();
    flows.play.OnTurnResult(sweep);
    EXPECT_EQ(records.RoundUser(0).piPile.size(), 3u) << "one pi from the seated opponent, the others dropped";
    EXPECT_EQ(records.RoundUser(1).piPile.size(), 1u);
    EXPECT_EQ(Cues(), std::vector<int>{10016}) << "the sweep's voice";
    EXPECT_EQ(stage.effects.front(), (std::pair{4, 0})) << "the sweep's effect on the own seat";
    EXPECT_EQ(records.RoundUser(0).missionValue, 4);
    EXPECT_EQ((std::pair{records.RoundUser(0).points, records.RoundUser(1).points}), (std::pair{3, 1}));
}

TEST_F(TurnFlows, MonthChoicePromptKindAndTimer)
{
    const struct { const char* name; int32_t key; int32_t kind; std::vector<int32_t> cards; bool ownSeated, autoPlay, robot;
                   int prompt; bool timed; } cases[] = {
        {"own choice", kOwnKey, 0, {32}, true, false, false, 3, true},
        {"own choice with auto-play on is timed too", kOwnKey, 0, {32}, true, true, false, 3, true},
        {"own choice of no card is still timed", kOwnKey, 0, {}, true, false, false, 3, true},
        {"own choice of a bonus card", kOwnKey, 0, {48}, true, false, false, 3, true},
        {"own seat held by the robot", kOwnKey, 0, {32}, true, false, true, 3, false},
        {"the opponent's choice", 200, 0, {32}, true, false, false, 2, false},
        {"an observer sees kind 3, untimed", 200, 0, {32}, false, false, false, 3, false},
        {"a notice of one card", 200, 7, {32}, true, false, false, 1, false},
    };
    for (const auto& c : cases) {
        records.GetPlayer(0).userKey = c.ownSeated ? kOwnKey : 300;
        records.GetPlayer(0).seatState = c.robot ? -2 : 0;
        records.controls.autoPlay = c.autoPlay;
        records.timers.countdownLimit = 3;
        stage.Forget();
        stage.phaseTimer = DecisionKind::None;
        flows.decisions.OnMonthChoicePrompt({static_cast<uint32_t>(c.key), c.kind, c.cards});
        EXPECT_EQ(stage.notifyKind, c.prompt) << c.name;
        EXPECT_EQ(stage.phaseTimer == DecisionKind::MonthChoice, c.timed) << c.name;
        if (c.kind == 0) {
            EXPECT_EQ(records.timers.countdownLimit, 10) << c.name;
        }
    }
}

// Scores change during a round: only the score, counter and bak panels follow. The full refresh
// would show the robot's seated face again and restart its popup timer at every card.
TEST_F(TurnFlows, ScoreChangesRefreshOnlyTheScorePanels)
{
    records.GetPlayer(1).userKey = records.GetPlayer(1).seatState = -2;
    const struct { const char* name; std::function<void()> handle; std::vector<int> seats; } cases[] = {
        {"score refresh", [&] { flows.play.OnScoreRefresh({.points = {3, 4}}); }, {0, 1}},
        {"turn result", [&] { flows.play.OnTurnResult(Turn(kOwnKey, {})); }, {0, 1}},
        {"ppeok", [&] { flows.play.OnPpeok({.userKey = -2, .count = 1}); }, {1}},
        {"shake", [&] { flows.play.OnShakeDeclared({.userKey = kOwnKey, .shakeBombCount = 1}); }, {0}},
    };
    for (const auto& c : cases) {
        stage.Forget();
        c.handle();
        EXPECT_EQ(stage.seatScoreRefreshes, c.seats) << c.name;
        EXPECT_TRUE(stage.seatPanelRefreshes.empty()) << c.name << ": the full refresh of seat " << stage.seatPanelRefreshes.front();
    }
}

namespace {

// A round restored from a snapshot, the own seat holding the given piles, the floor open to take.
class RestoredTurnFlows : public FlowFixture {
protected:
    void Restore(std::vector<int32_t> gwang, std::vector<int32_t> animal, std::vector<int32_t> ribbon)
    {
        NewRound();
        GameDataSync body{.targetKey = kOwnKey};
        GameDataTable& t = body.table;
        t.turnKey = kOwnKey, t.playState = 3;
        t.players[0].gwangPile = std::move(gwang), t.players[0].animalPile = std::move(animal);
        t.players[0].ribbonPile = std::move(ribbon);
        t.players[0].hand = t.players[1].hand = std::vector<int32_t>(5, 50);
        t.floor = {2, 3, 44, 37};
        flows.snapshot.OnGameDataSync(body);
        stage.Forget();
    }
    std::vector<int> Cues() const
    {
        std::vector<int> cues;
        for (const auto& v : stage.voices) cues.push_back(v.first);
        return cues;
    }
};

}  // namespace

// What a seat already held when the table was restored is not announced again on its first turn;
// what the turn adds still is.
TEST_F(RestoredTurnFlows, RestoredPilesAreNotAnnouncedAgain)
{
    const struct { const char* name; std::vector<int32_t> gwang, animal, ribbon, captured; std::vector<int> cues; } cases[] = {
        {"three gwang held", {0, 8, 28}, {}, {}, {2}, {}},
        {"godori held", {}, {4, 12, 29}, {}, {2}, {}},
        {"three hongdan held", {}, {}, {1, 5, 9}, {2}, {}},
        {"a fourth gwang taken", {0, 8, 28}, {}, {}, {44}, {10006}},
    };
    for (const auto& c : cases) {
        Restore(c.gwang, c.animal, c.ribbon);
        ASSERT_TRUE(records.tableState.active) << c.name;
        flows.play.OnTurnResult({.userKey = kOwnKey, .captured = c.captured, .points = {0, 0}});
        EXPECT_EQ(Cues(), c.cues) << c.name;
        EXPECT_EQ(stage.CallsOf("ShowActionPopup").size(), c.cues.size()) << c.name;
    }
}
