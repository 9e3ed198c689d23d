#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "table/flows/FlowFixture.h"

namespace {

using Voices = std::vector<std::pair<int, int>>;
using Calls = std::vector<std::string>;

// A dealt round: the floor holds four gwang, four pi; user 200 in seat 1 is a person or the robot.
class MessageEffects : public FlowFixture {
protected:
    void SetUp() override
    {
        FlowFixture::SetUp();
        DealFourGwangRound();
    }
    void MakeSeatOneRobot(bool robot) { records.GetPlayer(1).seatState = robot ? -2 : 0; }
};

}  // namespace

// Message 31 by kind: the effect, the voice (a person's or the robot's), the popup, the robot's
// face and the capture mark; every kind but 0 waits 500 ms.
TEST_F(MessageEffects, CaptureEventEffectsByKind)
{
    const std::string popup = "ShowActionPopup 1 0";
    const struct {
        const char* name;
        uint32_t kind;
        bool robot;
        std::vector<std::pair<int, int>> effects;
        Voices voices;
        Calls calls;  // popups, robot faces and timers in order
        size_t eatMarks;
    } cases[] = {
        {"kind 0 does nothing", 0, false, {}, {}, {}, 0},
        {"kind 1: popup", 1, false, {}, {}, {popup, "ShowRobotAvatar 3"}, 0},
        {"kind 2: bring-puck", 2, false, {}, {{10025, 1}}, {popup, "ShowRobotAvatar 3"}, 1},
        {"kind 2 of the robot: assa", 2, true, {}, {{10017, 1}}, {popup, "ShowRobotAvatar 1"}, 1},
        {"kind 3: effect 3, bring-ja-puck, no popup", 3, false, {{3, 1}}, {{10026, 1}}, {"ShowRobotAvatar 3"}, 1},
        {"kind 3 of the robot: yup", 3, true, {{3, 1}}, {{10020, 1}}, {"ShowRobotAvatar 1"}, 1},
        {"kind 4: jjock", 4, false, {{0, 1}}, {{10015, 1}}, {popup, "ShowRobotAvatar 3"}, 0},
        {"kind 5: ddadak", 5, true, {{1, 1}}, {{10014, 1}}, {popup, "ShowRobotAvatar 1"}, 0},
        {"kind 6 does nothing", 6, false, {}, {}, {}, 0},
        {"kind 7: the popup timer for a person", 7, false, {}, {}, {"StartTimer 3", "ShowRobotAvatar 3"}, 0},
        {"kind 7 of the robot: no timer", 7, true, {}, {}, {"ShowRobotAvatar 1"}, 0},
    };
    for (const auto& c : cases) {
        MakeSeatOneRobot(c.robot);
        stage.Forget();
        stage.effects.clear(), stage.eatMarks.clear();
        const uint64_t before = stage.delayedMs;
        flows.play.OnCaptureEvent({.userKey = 200, .kind = c.kind});
        EXPECT_EQ(stage.effects, c.effects) << c.name;
        EXPECT_EQ(stage.voices, c.voices) << c.name;
        Calls shown = stage.CallsOf("ShowActionPopup");
        for (const auto& call : stage.calls)
            if (call.rfind("ShowRobotAvatar", 0) == 0 || call.rfind("StartTimer", 0) == 0) shown.push_back(call);
        EXPECT_EQ(shown, c.calls) << c.name;
        EXPECT_EQ(stage.eatMarks.size(), c.eatMarks) << c.name;
        if (!stage.eatMarks.empty()) {
            EXPECT_EQ(stage.eatMarks.front().first, 0) << c.name;
        }
        EXPECT_EQ(stage.delayedMs - before, c.kind == 0 ? 0u : 500u) << c.name;
    }
    stage.Forget();
    flows.play.OnCaptureEvent({.userKey = 999, .kind = 4});
    EXPECT_TRUE(stage.voices.empty()) << "an unseated key";
    records.tableState.active = false;
    stage.Forget();
    flows.play.OnCaptureEvent({.userKey = 200, .kind = 4});
    EXPECT_TRUE(stage.voices.empty() && stage.calls.empty()) << "not while the table is out of step";
}

// Message 16 in an active anti-leave room: both ready gives kind 12 and clears the ready values;
// else 14 when the own seat's value is positive, 13 otherwise; the prompt closes after 2 s.
TEST_F(MessageEffects, StakeConfirmPromptKinds)
{
    records.room.roomKind = 9;
    records.room.option.antiLeave = 2;
    const struct { const char* name; bool active; PerSeat<int32_t> values; int ownSeat; int kind; } cases[] = {
        {"both seats ready", true, {1, 3}, 0, 12},
        {"only the own seat", true, {1, 0}, 0, 14},
        {"only the other seat", true, {0, 2}, 0, 13},
        {"own user in seat 1, its value set", true, {0, 2}, 1, 14},
        {"neither", true, {0, 0}, 0, 13},
        {"anti-leave not active", false, {1, 1}, 0, -1},
    };
    for (const auto& c : cases) {
        records.controls.antiLeaveActive = c.active;
        records.GetPlayer(0).userKey = c.ownSeat == 0 ? kOwnKey : 200;
        records.GetPlayer(1).userKey = c.ownSeat == 1 ? kOwnKey : 200;
        records.GetPlayer(0).readyValue = records.GetPlayer(1).readyValue = 5;
        records.room.option.stake = 1;
        stage.Forget();
        const uint64_t before = stage.delayedMs;
        flows.round.OnStakeConfirm({.stake = 300, .values = c.values});
        EXPECT_EQ(stage.CallsOf("ShowNotify "), c.kind < 0 ? Calls{} : Calls{"ShowNotify " + std::to_string(c.kind)}) << c.name;
        EXPECT_EQ(stage.notifyKind, -1) << c.name << ": hidden at the end";
        EXPECT_EQ(stage.delayedMs - before, c.kind < 0 ? 0u : 2000u) << c.name;
        EXPECT_EQ(records.room.option.stake, c.kind < 0 ? 1 : 300) << c.name;
        const int ready = c.kind == 12 ? 0 : 5;
        EXPECT_EQ((std::pair{records.GetPlayer(0).readyValue, records.GetPlayer(1).readyValue}), (std::pair{ready, ready})) << c.name;
    }
}

// Message 32 with the bonus-take flag: a flipped bonus card goes to the seat's pi pile after
// a short wait; a month card stays on the floor.
TEST_F(MessageEffects, DeckFlipTakesTheBonusCardWhileTheTableIsActive)
{
    const struct { const char* name; int32_t key; int32_t bonusTake; int32_t card; int seat; bool taken; } cases[] = {
        {"own user takes the bonus card", kOwnKey, 1, 48, 0, true},
        {"the other takes the second bonus card", 200, 1, 49, 1, true},
        {"a month card is not taken", kOwnKey, 1, 14, 0, false},
    };
    for (const auto& c : cases) {
        const size_t before = records.RoundUser(c.seat).piPile.size();
        flows.play.OnDeckCardsFlipped({.userKey = c.key, .bonusTake = c.bonusTake, .cards = {c.card}, .pendingPassCount = 2});
        EXPECT_EQ(records.RoundUser(c.seat).piPile.size(), before + (c.taken ? 1 : 0)) << c.name;
    }
    EXPECT_EQ(records.RoundUser(0).deckFlips, 2) << "the own seat's pending passes";
    EXPECT_EQ(records.RoundUser(1).deckFlips, 0) << "not the other's";
    records.tableState.active = false;
    const size_t floorBefore = records.floor.cards.size();
    flows.play.OnDeckCardsFlipped({.userKey = kOwnKey, .bonusTake = 1, .cards = {18}});
    EXPECT_EQ(records.floor.cards.size(), floorBefore) << "nothing while the table is out of step";
}

// Message 46: both seats' points, both score panels, the go and bak alert.
TEST_F(MessageEffects, ScoreRefreshSetsBothSeats)
{
    flows.play.OnScoreRefresh({.points = {7, 3}, .septemberFlag = 0});
    EXPECT_EQ((std::pair{records.RoundUser(0).points, records.RoundUser(1).points}), (std::pair{7, 3}));
    EXPECT_EQ(stage.seatScoreRefreshes, (std::vector<int>{0, 1}));
    EXPECT_TRUE(stage.seatPanelRefreshes.empty()) << "only the score panels follow";
    EXPECT_EQ(stage.Count("UpdateGoBakAlert"), 1);
    EXPECT_EQ(stage.Count("StopTurnMarker") + stage.Count("RestartCountdown"), 2);
}
