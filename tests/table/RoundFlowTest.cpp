#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "support/RoomTestSupport.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVNotifyWnd.h"

namespace {

using DecisionKind = SceneRules::DecisionKind;

// The own user (key 100) on the bottom side in seat 0, user 200 on top in seat 1, a round under
// way, on the virtual clock.
class RoundFlow : public RoomFixture {
protected:
    void SetUp() override
    {
        Clock::UseVirtual(0, Clock::Now());
        ASSERT_TRUE(OpenRoom());
        ASSERT_TRUE(Scene().loadErrors.empty()) << Scene().loadErrors.front().name;
        Seat();
        S().room.roomState = static_cast<int32_t>(RoomState::Playing);
        S().GetPlayer(0).screenSlot = 0;
        S().GetPlayer(1).screenSlot = 1;
    }
    CMirelleVWS& S() { return Scene(); }
    // The kind of the prompt shown, -1 when it is closed.
    int NotifyKind()
    {
        const CVNotifyWnd* notify = S().roomWidgets.notify;
        return notify->IsVisible() ? notify->GetKind() : -1;
    }
};

}  // namespace

TEST_F(RoundFlow, GoOrStopResultCountsOnlyAGo)
{
    const struct { const char* name; bool robotRoom; int32_t goFlag, goCount, expectedGoCount; } cases[] = {
        {"a go counts", false, 1, 2, 2},
        {"a stop keeps the count", false, 0, 2, 1},
        {"a stop in a robot room keeps the count", true, 0, 2, 1},
        {"a go in a robot room counts", true, 1, 3, 3},
    };
    for (const auto& c : cases) {
        S().GetPlayer(1).seatState = c.robotRoom ? -1 : 0;
        host.sent.clear();
        CHTUser& own = S().RoundUser(0);
        own.goCount = 1, own.points = 7, own.pointsWithGo = -1;
        S().OnGoOrStopResult(GoOrStopResult{kOwnKey, 0, c.goCount, c.goFlag, 0});
        EXPECT_EQ((std::pair{own.goCount, own.pointsWithGo}), (std::pair{c.expectedGoCount, c.goFlag ? 7 + c.goCount : -1}))
            << c.name << ": go count, points with go";
        EXPECT_TRUE(host.sent.empty()) << c.name;
    }
}

TEST_F(RoundFlow, RoomOptionsStakeLevelAndBet)
{
    const struct { const char* name; int32_t roomKind, betKind; int64_t amount; int32_t level; } cases[] = {
        {"room 41 bet 2 reads its table", 41, 2, 999999999, 1},
        {"an ordinary room never reads the table", 0, 2, 99999, 0},
    };
    for (const auto& c : cases) {
        S().room.roomKind = c.roomKind;
        S().stakeLevel = -1;
        S().OnRoomOptionNotice(RoomOptionNotice{0, 1, c.amount, c.betKind});
        EXPECT_EQ((std::tuple{S().stakeLevel, S().room.option.betAmount, S().room.option.betKind, NotifyKind()}),
                  (std::tuple{c.level, c.amount, c.betKind, 16})) << c.name << ": level, bet amount, bet kind, prompt";
    }
    S().stakeLevel = -1;
    S().OnRoomOptionNotice(RoomOptionNotice{0, 0, 5, 1});
    EXPECT_EQ(NotifyKind(), 17);
    EXPECT_EQ(S().stakeLevel, -1) << "options cleared keep the level";
}

TEST_F(RoundFlow, TurnStartResetsTheTurnAndSetsItsSeconds)
{
    S().room.option.turnTime = 1;  // 8 s a turn
    S().GetPlayer(1).turnTimeoutCount = 2;
    S().gameInfo.turnPutCount = 3;
    S().gameInfo.lastFloorSlot = 4;
    S().tableState.handPointerShown = true;
    S().tableWidgets.handPointer->Show(true);
    const int32_t turn = S().gameInfo.turnNumber;

    S().OnTurnStart(TurnStart{200, 0});
    const CGameInfo& g = S().gameInfo;
    EXPECT_EQ((std::tuple{g.turnKey, g.turnNumber, g.turnPutCount, g.lastFloorSlot}), (std::tuple{200, turn + 1, 0, -1}))
        << "turn key, number, put count, last floor slot";
    EXPECT_FALSE(S().tableState.handPointerShown || S().tableWidgets.handPointer->IsVisible() || S().timers.outlineBlink);
    EXPECT_EQ(S().timers.countdownStart, 5) << "8 s less two time-outs' 6, held at 5";
    EXPECT_EQ(S().timers.phaseTimerKind, DecisionKind::None) << "the other's turn runs no decision";

    S().OnTurnStart(TurnStart{kOwnKey, 1});
    EXPECT_EQ((std::tuple{S().timers.phaseTimerKind, S().timers.countdownStart, S().timers.countdown, S().timers.outlineBlink,
                          S().RoundUser(0).deckFlips}),
              (std::tuple{DecisionKind::PlayCard, 8, 7, true, 1})) << "decision, countdown start and value, blink, pending passes";

    const int32_t before = S().gameInfo.turnNumber;
    S().OnTurnStart(TurnStart{999, 0});
    EXPECT_EQ(S().gameInfo.turnNumber, before) << "a key not seated starts no turn";
}

TEST_F(RoundFlow, GoOrStopPromptOfTheOwnUser)
{
    // Stake 1000, 7 points with a captured card: 7000 at stake.
    S().room.option.stake = 1000;
    S().RoundUser(0).piPile = {0};
    const struct { const char* name; int32_t roomKind; int64_t ownMoney, otherMoney; int32_t targetIndex; int kind; } cases[] = {
        {"rich opponent", 0, 100000, 100000, 0, 19},
        {"poor opponent caps the amount", 0, 100000, 3000, 0, 26},
        {"room 7, own money caps it", 7, 2000, 100000, 0, 28},
        {"target-score room with an option out of range", 40, 100000, 100000, 9, 19},
    };
    for (const auto& c : cases) {
        S().room.roomKind = c.roomKind;
        S().room.option.targetIndex = c.targetIndex;
        S().GetPlayer(0).gameMoney = c.ownMoney;
        S().GetPlayer(1).gameMoney = c.otherMoney;
        S().gameInfo.lastPointsKey = kOwnKey;
        S().OnGoOrStopPrompt(GoOrStopPrompt{kOwnKey, 7, 0});
        EXPECT_EQ((std::tuple{NotifyKind(), S().timers.phaseTimerKind, S().RoundUser(0).points}),
                  (std::tuple{c.kind, DecisionKind::GoOrStop, 7})) << c.name << ": prompt, decision, points";
    }
    S().OnGoOrStopPrompt(GoOrStopPrompt{200, 7, 0});
    EXPECT_EQ(NotifyKind(), 10) << "the other's prompt";
}
