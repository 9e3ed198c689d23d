#include <gtest/gtest.h>

#include <vector>

#include "scene/core/OptionRules.h"
#include "table/core/CardMotion.h"

using Path = std::vector<Point>;

TEST(MovePath, EveryCardSpeedReachesItsEndsWithoutOverflow)
{
    for (int speed = -3; speed <= 3; ++speed) {
        const int32_t n = SceneRules::MoveStepsForSpeed(speed);
        const Point from{2000000000, -2000000000}, to{-2000000000, 3};
        const Path p = BuildMovePath(from, to, n);
        ASSERT_EQ(p.size(), static_cast<size_t>(n) + 1) << "speed " << speed;
        EXPECT_TRUE(p.front() == from && p.back() == to) << "speed " << speed << ": the ends of a huge move";
    }
    EXPECT_EQ(BuildMovePath({}, {1, 1}, SceneRules::MoveStepsForSpeed(-3)).size(), 10u) << "speed -3: nine steps";
}

TEST(FrameWait, SlowWaitSkipsOneFrameAtPositiveSpeed)
{
    using Steps = std::vector<FrameWaitStep>;
    const struct { const char* name; int32_t frames, speed; uint32_t now; std::vector<uint32_t> took; Steps want; }
        cases[] = {
        {"a slow wait lets the next frame through, then waits again", 5, 1, 1000, {6, 20, 6, 6},
         {{true, 1000, 1006}, {true, 1006, 1026}, {false, 1026, 1026}, {true, 1026, 1032}, {true, 1032, 1038}}},
        {"no catch-up at speed 0", 3, 0, 1000, {6, 20},
         {{true, 1000, 1006}, {true, 1006, 1026}, {true, 1026, 1032}}},
        {"twice the delay is not late", 3, 3, 0, {12, 13}, {{true, 0, 12}, {true, 12, 25}, {false, 25, 25}}},
        {"a skip always re-arms", 4, 2, 0, {20, 20, 20}, {{true, 0, 20}, {false, 20, 20}, {true, 20, 40}, {false, 40, 40}}},
        {"across the clock's wrap", 2, 1, 0xFFFFFFF0u, {30}, {{true, 0xFFFFFFF0u, 14}, {false, 14, 14}}},
    };
    for (const auto& c : cases) EXPECT_EQ(ScheduleFrameWaits(c.frames, c.speed, c.now, c.took), c.want) << c.name;
}
