#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "table/core/RoundRules.h"
#include "table/core/TurnRules.h"

using namespace TurnRules;

TEST(RuleBoundaries, CheckedSeatTakesOnlySeatsZeroAndOne)
{
    for (const int32_t seat : {0, 1}) EXPECT_EQ(RoundRules::CheckedSeat(seat), seat) << seat;
    for (const int32_t seat : {-1, 2, 3, 99, INT32_MIN, INT32_MAX}) EXPECT_EQ(RoundRules::CheckedSeat(seat), -1) << seat;
}

// A notice lists months: one shows that month's four cards (kind 1), two or more the first card of
// each month (kind 0).
TEST(RuleBoundaries, MonthNoticeKindByTheCountOfMonths)
{
    const struct { const char* name; std::vector<int32_t> listed; MonthChoicePlan expected; } cases[] = {
        {"one month", {13}, {1, {12, 13, 14, 15}, false}},
        {"exactly two months", {13, 40}, {0, {12, 40}, false}},
        {"three months", {13, 40, 2}, {0, {12, 40, 0}, false}},
    };
    for (const auto& c : cases) {
        const MonthChoicePlan plan = PlanMonthChoice({7, false, true, c.listed});
        EXPECT_EQ(plan, c.expected) << c.name << ": kind " << plan.promptKind << ", " << plan.cards.size() << " cards";
    }
}
