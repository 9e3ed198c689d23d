#include <gtest/gtest.h>

#include "table/core/SeatNoticeRules.h"

using namespace SeatNoticeRules;

TEST(SeatNoticeRules, RobotSeatOfSeatsCleared)
{
    using A = RobotSeatAction;
    const struct { const char* name; int32_t code; bool join; int32_t state, key; A action; } cases[] = {
        {"join with a robot code", -2, true, 0, -1, A::Seat},
        {"join with -1 seats nobody", -1, true, 0, -1, A::None},
        {"join with 0 seats nobody (not user key 0)", 0, true, 0, -1, A::None},
        {"leave of the robot", -2, false, -2, -2, A::Clear},
        {"leave, another user holds the seat", -2, false, -2, 202, A::ResetState},
        {"leave of another robot", -3, false, -2, -2, A::None},
        {"leave with 0 leaves a normal seat", 0, false, 0, 0, A::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlanRobotSeat(c.code, c.join, c.state, c.key), c.action) << c.name;
}
