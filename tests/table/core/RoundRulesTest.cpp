#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <tuple>

#include "table/core/RoundRules.h"

using namespace RoundRules;

namespace {

// An ordinary room, both seated, stake 100, total 3: 300 at stake, both players rich.
GoStopInputs Ordinary()
{
    return {.ownSeated = true, .pointValue = 1, .stake = 100, .total = 3, .promptedMoney = 1000000, .otherMoney = 1000000};
}

}  // namespace

TEST(GoStopPrompt, AmountKindAndFlag)
{
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    using In = GoStopInputs;
    const struct { const char* name; void (*change)(In&); int kind; int32_t flag; int64_t amount; } cases[] = {
        {"point value 1: stake x total", [](In&) {}, 19, 0, 300},
        {"point value 3 triples it", [](In& in) { in.pointValue = 3; }, 19, 0, 900},
        {"not seated: nothing at stake, 0 is not the opponent's money", [](In& in) { in.ownSeated = false; }, 19, 0, 0},
        {"ordinary room capped by the opponent", [](In& in) { in.otherMoney = 250; }, 26, 1, 250},
        {"the opponent's money exactly the amount is capped", [](In& in) { in.otherMoney = 300; }, 26, 1, 300},
        {"a robot seated: the cap but no flag", [](In& in) { in.otherMoney = 250, in.robotSeated = true; }, 19, 0, 250},
        {"room 5 capped by own money", [](In& in) { in.roomKind = 5, in.promptedMoney = 120; }, 28, 0, 120},
        {"room 10, the opponent as poor: capped by the opponent",
         [](In& in) { in.roomKind = 10, in.promptedMoney = in.otherMoney = 120; }, 26, 1, 120},
        {"room 11 knows no own-money cap", [](In& in) { in.roomKind = 11, in.promptedMoney = 120; }, 19, 0, 300},
        {"room 5 with a robot: no own-money cap",
         [](In& in) { in.roomKind = 5, in.promptedMoney = 120, in.robotSeated = true; }, 19, 0, 300},
        {"target-score room, target reached", [](In& in) { in.roomKind = 40, in.targetIndex = 0, in.seatScore = 4; }, 19, 1, 0},
        {"target-score room short of 50 points", [](In& in) { in.roomKind = 43, in.targetIndex = 1, in.seatScore = 46; }, 19, 0, 0},
        {"target option outside 0..2 has no target", [](In& in) { in.roomKind = 41, in.targetIndex = 3; }, 19, 1, 0},
        {"target-score room with a robot", [](In& in) { in.roomKind = 42, in.robotSeated = true; }, 19, 0, 0},
        {"huge values saturate", [](In& in) { in.pointValue = in.stake = in.total = INT32_MAX, in.otherMoney = kMax; },
         26, 1, kMax},
        {"a negative total is a negative amount", [](In& in) { in.total = -2; }, 19, 0, -200},
    };
    for (const auto& c : cases) {
        GoStopInputs in = Ordinary();
        c.change(in);
        const GoStopPrompt p = ChooseGoStopPrompt(in);
        EXPECT_EQ((std::tuple{p.kind, p.flag, p.amount}), (std::tuple{c.kind, c.flag, c.amount})) << c.name;
    }
    for (int32_t kind : {0, 5, 8, 10, 20, 40}) {
        for (int64_t other : {0, 1, 299, 5000}) {
            GoStopInputs in = Ordinary();
            in.roomKind = kind, in.otherMoney = other, in.promptedMoney = 150;
            EXPECT_LE(ComputeGoStopAmount(in).amount, other) << "never above the opponent's money: room " << kind;
        }
    }
}

TEST(StakeLevel, ThresholdsAndTargetScoreTable)
{
    const struct { const char* name; int32_t roomKind, betKind; int64_t amount; int level; } cases[] = {
        {"99999", 0, 0, 99999, 0},           {"100000", 0, 0, 100000, 1},       {"2999999", 0, 4, 2999999, 1},
        {"3000000", 0, 4, 3000000, 2},       {"30000000", 0, 0, 30000000, 3},   {"99999999", 0, 0, 99999999, 3},
        {"100000000", 0, 0, 100000000, 4},   {"negative", 0, 0, -5, 0},
        {"room 41 bet 2 reads 500000", 41, 2, 999999999, 1},
        {"room 42 bet 0 takes the amount", 42, 0, 50, 0},
        {"room 42 bet 4 takes the amount", 42, 4, 3000000, 2},
        {"room 0 bet 2 has no table: the amount", 0, 2, 99999, 0},
        {"room 44 bet 2 has no table: the amount", 44, 2, 30000000, 3},
        {"room 43 bet 3 reads 300000000", 43, 3, 0, 4},
        {"room 42 bet 3 reads 10000000", 42, 3, 0, 2},
        {"room 40 bet 1 reads 1000000", 40, 1, 0, 1},
        {"room 42 bet 4 takes an amount past 32 bits", 42, 4, 4294967296LL, 4},
    };
    for (const auto& c : cases) EXPECT_EQ(StakeLevel(c.roomKind, c.betKind, c.amount), c.level) << c.name;
}

TEST(OpponentTurnSeconds, ReductionCappedAndFloored)
{
    const struct { int seconds; int32_t timeouts; int expected; } cases[] = {
        {10, 0, 10}, {10, 1, 7}, {10, 2, 5},  {8, 1, 5},  {8, 2, 5},
        {10, 50, 5}, {10, INT32_MAX, 5}, {10, -4, 10}, {5, 0, 5}, {1, 0, 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OpponentTurnSeconds(c.seconds, c.timeouts), c.expected) << c.seconds << " s, " << c.timeouts << " time-outs";
}

TEST(RoundNumber, OnlyIndexesZeroTo98)
{
    EXPECT_EQ(RoundNumberText(0), "1");
    EXPECT_EQ(RoundNumberText(98), "99");
    for (int32_t index : {-1, 99, INT32_MIN, INT32_MAX}) EXPECT_FALSE(RoundNumberText(index).has_value()) << index;
}

TEST(BetPrompt, OnlyTheSeatedResponderDecides)
{
    const struct { const char* name; bool fromOwn, seated; int32_t kind; int notifyKind; bool decides; } cases[] = {
        {"responder, kind 1", false, true, 1, 22, true},
        {"responder, kind 3", false, true, 3, 24, true},
        {"responder, kind 0 has no question", false, true, 0, 0, false},
        {"responder, kind 4 has no question", false, true, 4, 0, false},
        {"the bettor sees the notice", true, true, 2, 15, false},
        {"an observer sees the notice", false, false, 2, 15, false},
    };
    for (const auto& c : cases) {
        const BetPromptPlan p = PlanBetPrompt(c.fromOwn, c.seated, c.kind);
        EXPECT_EQ((std::pair{p.notifyKind, p.startDecision}), (std::pair{c.notifyKind, c.decides})) << c.name;
    }
}

// Rooms 5..10 show their round animations to a seated user without a robot; the hint only on turn 1.
TEST(EventPlayRoom, KindsFiveToTenWithTheUserSeatedAndNoRobot)
{
    const struct { const char* name; int32_t kind; bool robot, seated; int32_t turn; bool room, hint; } cases[] = {
        {"kind 5, first turn", 5, false, true, 1, true, true},
        {"kind 10, first turn", 10, false, true, 1, true, true},
        {"kind 7, second turn", 7, false, true, 2, true, false},
        {"kind 7, before any turn", 7, false, true, 0, true, false},
        {"kind 4", 4, false, true, 1, false, false},
        {"kind 11", 11, false, true, 1, false, false},
        {"a robot seated", 5, true, true, 1, false, false},
        {"a watcher", 5, false, false, 1, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsEventPlayRoom(c.kind, c.robot, c.seated), c.room) << c.name;
        EXPECT_EQ(ShowsFirstTurnHint(c.kind, c.robot, c.seated, c.turn), c.hint) << c.name;
    }
}
