#include <gtest/gtest.h>

#include "scene/core/VipRules.h"

using namespace VipRules;

namespace {

// Seat 1 is the other player, seat 0 the given one.
TableView Table(std::vector<int32_t> theirs, std::vector<int32_t> mine = {}, std::vector<int32_t> hand = {},
                std::vector<int32_t> floor = {})
{
    TableView t;
    t.captured = {std::move(mine), std::move(theirs)};
    t.hand = std::move(hand);
    t.floor = std::move(floor);
    return t;
}

}  // namespace

TEST(VipRules, CombinationFlags)
{
    // Godori 4, 12, 29; gwang 0, 8, 28, 40, 44; hongdan 1, 5, 9; chungdan 21, 33, 37; chodan 13, 17, 25.
    const struct {
        const char* name;
        TableView table;
        uint32_t flags;
    } cases[] = {
        {"two godori, third reachable", Table({4, 12}), kGodoriFlag},
        {"third godori captured by the given seat", Table({4, 12}, {29}), 0},
        {"three godori held already: not two", Table({4, 12, 29}), 0},
        {"third godori blocked: hand and floor hold its month", Table({4, 12}, {}, {28, 30}, {31, 29}), 0},
        {"hand holds the month but not all four", Table({4, 12}, {}, {30}, {31}), kGodoriFlag},
        {"three gwang", Table({0, 8, 28}), 0x200},
        {"two gwang", Table({0, 8}), 0x100},
        {"hongdan two of three", Table({1, 5}), kHongdanFlag},
        {"chungdan and chodan", Table({21, 33, 13, 17}), kChungdanFlag | kChodanFlag},
        {"one card of each: nothing", Table({1, 21, 13, 4}), 0},
    };
    for (const auto& c : cases) EXPECT_EQ(CombinationFlags(c.table, 1, 0), c.flags) << c.name;
    EXPECT_EQ(CombinationFlags(Table({4, 12}), 1, 1), 0u) << "the same seat twice";
    EXPECT_EQ(CombinationFlags(Table({4, 12}), 2, 0), 0u) << "a seat out of range";
}

TEST(VipRules, ReachabilityWithTheMonthState)
{
    TableView t = Table({4, 12}, {}, {30}, {31});
    EXPECT_TRUE(IsReachable(29, t));
    t.monthState[7] = 2;
    EXPECT_FALSE(IsReachable(29, t)) << "month state 2 with two held";
    t.hand = {};
    EXPECT_TRUE(IsReachable(29, t)) << "nothing of the month in hand";
}

TEST(VipRules, IconClips)
{
    const struct { uint32_t flags; std::array<int32_t, kIconCount> clips; } cases[] = {
        {0x300, {1, kNoClip, kNoClip}}, {0x800 | 0x100, {3, kNoClip, kNoClip}}, {0x10, {kNoClip, 4, kNoClip}},
        {1, {kNoClip, kNoClip, 5}}, {2, {kNoClip, kNoClip, 6}}, {3, {kNoClip, kNoClip, 8}},
        {4, {kNoClip, kNoClip, 7}}, {5, {kNoClip, kNoClip, 10}}, {6, {kNoClip, kNoClip, 9}},
        {7, {kNoClip, kNoClip, 11}}, {0, {kNoClip, kNoClip, kNoClip}},
    };
    for (const auto& c : cases) EXPECT_EQ(IconClips(c.flags), c.clips) << std::hex << c.flags;
}

TEST(VipRules, HoldMonthsAndSlots)
{
    // The other player holds godori 4 and 12: the missing one is 29 (month 7).
    const TableView t = Table({4, 12}, {}, {30});
    const std::vector<int32_t> months = HoldMonths(t, 1, 0);
    EXPECT_EQ(months, (std::vector<int32_t>{7}));
    const std::vector<int32_t> hand = {0, 30, 44, 1, 2, 3, 5, 6, 7, 31, 8};
    const std::vector<bool> slots = HoldSlots(hand, months);
    ASSERT_EQ(slots.size(), 10u) << "an eleventh card has no slot";
    EXPECT_EQ(slots, (std::vector<bool>{false, true, false, false, false, false, false, false, false, true}));
    EXPECT_TRUE(HoldSlots({}, months).empty());
}

TEST(VipRules, AlertMachine)
{
    AlertMachine m;
    const uint32_t t0 = 0xFFFFF000u;  // the tick wraps during the alert
    m.SetAlert(t0, 30, 5, 1'000'000);
    EXPECT_EQ(m.GetGamesTarget(), 0) << "the minutes win";
    EXPECT_FALSE(m.OnRoundEnd(t0 + 29 * 60000u, 0));
    auto show = m.OnRoundEnd(t0 + 30 * 60000u, 0);
    ASSERT_TRUE(show);
    EXPECT_EQ(show->clip, 0);
    uint32_t now = t0 + 30 * 60000u;
    EXPECT_EQ(m.Step(now + 5000, false), AlertMachine::StepAction::None);
    EXPECT_EQ(m.Step(now + 5001, false), AlertMachine::StepAction::Clear);
    now += 5001;
    EXPECT_FALSE(m.OnRoundEnd(now + 29 * 60000u, 0));
    ASSERT_TRUE(m.OnRoundEnd(now + 30 * 60000u, 0)) << "a time alert comes round again a period later";

    AlertMachine g;
    g.SetAlert(100, 0, 5, 0);
    for (int i = 1; i < 5; ++i) EXPECT_FALSE(g.OnRoundEnd(100 + i, 0)) << "round end " << i;
    show = g.OnRoundEnd(200, 0);
    ASSERT_TRUE(show);
    EXPECT_EQ(show->clip, 2);
    EXPECT_EQ(show->first, "5판");
    EXPECT_EQ(g.Step(700, true), AlertMachine::StepAction::None);
    EXPECT_EQ(g.Step(701, true), AlertMachine::StepAction::ShowTexts);
    EXPECT_EQ(g.Step(5201, false), AlertMachine::StepAction::Clear);
    for (int i = 0; i < 10; ++i) EXPECT_FALSE(g.OnRoundEnd(6000 + i, 0)) << "no games alert without a new one";

    AlertMachine money;
    money.SetAlert(0, 0, 0, 150'000'000);
    EXPECT_FALSE(money.OnRoundEnd(10, 100'000'000));
    show = money.OnRoundEnd(20, 60'000'000);
    ASSERT_TRUE(show);
    EXPECT_EQ(show->first, "1억냥");
    EXPECT_EQ(money.Step(20, false), AlertMachine::StepAction::None) << "a start tick of any value counts";
}

TEST(VipRules, CentringPastTheWidth)
{
    EXPECT_EQ(CenteredTextLeft(100, 50), 31);
    EXPECT_EQ(CenteredTextLeft(200, 7), 3) << "-1 / 2 rounds toward zero";
    EXPECT_EQ(CenteredTextLeft(200, 9), 2);
}
