#include <gtest/gtest.h>

#include <vector>

#include "views/core/ScoreDetail.h"
#include "views/core/TargetScoreRules.h"

using namespace TargetScoreRules;

TEST(TargetScoreRules, BetAndTargetByRoom)
{
    const struct { const char* name; int kind, bet; int64_t custom; std::optional<int64_t> out; } cases[] = {
        {"41, index 1", 41, 1, 0, 300'000},
        {"43, index 0 without a custom bet takes entry 1", 43, 0, 0, 10'000'000},
        {"43, index 0 with a custom bet", 43, 0, 5'000, 5'000},
        {"40, index 4 with a negative custom bet", 40, 4, -7, 1'000'000},
        {"42, index 3", 42, 3, 99, 10'000'000},
        {"an ordinary room", 39, 1, 0, {}},
        {"index 5", 41, 5, 0, {}},
        {"index -1", 41, -1, 0, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(BetOf(c.kind, c.bet, c.custom), c.out) << c.name;
    EXPECT_EQ(TargetOf(2), 100);
    EXPECT_EQ(TargetOf(0), 7);
    EXPECT_FALSE(TargetOf(3));
    EXPECT_FALSE(TargetOf(-1));
}

TEST(TargetScoreRules, GaugeFillsBottomRowsOfTheTarget)
{
    const struct { int score, target, fill; } cases[] = {
        {0, 100, 0}, {50, 100, 24}, {100, 100, 49}, {150, 100, 49}, {-5, 100, 0}, {25, 50, 24}, {3, 0, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(GaugeFill(c.score, c.target), c.fill) << c.score << "/" << c.target;
}

TEST(TargetScoreRules, CountUpRisesInSixStepsEachSlotOnItsOwn)
{
    CountUp a, b;
    a.Start(10, 40, kCountSteps);
    b.Start(0, 7, kCountSteps);
    std::vector<int> shownA, shownB;
    while (a.Advance()) shownA.push_back(a.shown);
    while (b.Advance()) shownB.push_back(b.shown);
    EXPECT_EQ(shownA, (std::vector<int>{15, 20, 25, 30, 35, 40}));
    EXPECT_EQ(shownB, (std::vector<int>{1, 2, 3, 4, 5, 7}));
    CountUp down;
    down.Start(40, 0, kCountSteps);
    std::vector<int> shownDown;
    while (down.Advance()) shownDown.push_back(down.shown);
    EXPECT_EQ(shownDown, (std::vector<int>{34, 28, 22, 16, 10, 0}));
}

TEST(TargetScoreRules, ChallengesByMoneyRuleAndCap)
{
    const struct { const char* name; ChallengeInput in; std::array<bool, 3> on; } cases[] = {
        {"both rich enough for all", {100, 1'000, 2'000'000, false, false, true}, {true, true, false}},
        {"third when the opponent has more", {1'000, 20'000, 30'000, false, false, true}, {true, true, true}},
        {"B 600,000,000 both 1,300,000,000: first only", {600'000'000, 1'300'000'000, 1'300'000'000, false, false, true},
         {true, false, false}},
        {"B 600,000,000 both 1,100,000,000: none", {600'000'000, 1'100'000'000, 1'100'000'000, false, false, true},
         {false, false, false}},
        {"forfeit enables none", {100, 1'000'000, 2'000'000, false, true, true}, {}},
        {"an unseated viewer none", {100, 1'000'000, 2'000'000, false, false, false}, {}},
        {"other rule: the opponent's money decides", {5'000, 20'000, 12'000, true, false, true}, {true, false, true}},
        {"other rule: own money under the floor", {100, 9'000, 1'000'000, true, false, true}, {false, false, false}},
        {"own money over the cap: no third", {1, 1'600'000'000, 1'700'000'000, false, false, true}, {true, true, false}},
    };
    for (const auto& c : cases) EXPECT_EQ(Challenges(c.in), c.on) << c.name;
}

TEST(TargetScoreRules, ViewedSeatChecksTheWinnerOnlyWhenWonOrLost)
{
    const struct { const char* name; uint32_t kind; int winner, own; std::optional<Viewed> out; } cases[] = {
        {"own seat won", 0, 1, 1, Viewed{1, true}},
        {"own seat lost", 0, 0, 1, Viewed{1, false}},
        {"watcher, seat 0 won", 0, 0, -1, Viewed{0, true}},
        {"watcher, seat 1 won", 0, 1, -1, Viewed{0, false}},
        {"draw with winner -1", kDrawResult, -1, 0, Viewed{0, false}},
        {"won with winner 7", 0, 7, 0, {}},
        {"forfeit with winner -1", 3, -1, 0, {}},
    };
    for (const auto& c : cases) {
        const auto v = ViewedSeat(c.kind, c.winner, c.own);
        ASSERT_EQ(v.has_value(), c.out.has_value()) << c.name;
        if (!v) continue;
        EXPECT_EQ(v->seat, c.out->seat) << c.name;
        EXPECT_EQ(v->won, c.out->won) << c.name;
    }
}

TEST(TargetScoreRules, DrawTextPointsAndChamgiItem)
{
    EXPECT_EQ(NextRoundText(2), "다음판 4배");
    EXPECT_EQ(NextRoundText(40), "다음판 1073741824배");
    EXPECT_EQ(NextRoundText(0), "");
    EXPECT_EQ(AddPoints(80, 40, 100), 100);
    EXPECT_EQ(AddPoints(10, 20, 50), 30);
    EXPECT_EQ(AddPoints(10, -50, 50), 0);
    EXPECT_EQ(AddPoints(2'000'000'000, 2'000'000'000, 100), 100);

    ScoreDetail::Input in;
    in.win.categoryPoints[0] = 3;
    in.win.meongttaExponent = 1;
    in.chamgiExponent = 2;
    const ScoreDetail::Breakdown b = ScoreDetail::Build(in);
    EXPECT_EQ(b.multiplierText, "멍따2배/참기4배");
    EXPECT_EQ(b.multiplier, 8);
}
