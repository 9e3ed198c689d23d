#include <gtest/gtest.h>

#include "foundation/core/Clock.h"
#include "graphics/sprite/core/Scroll.h"

TEST(ScrollMove, SpeedGivesTheDuration)
{
    const struct { const char* name; int32_t start, end, unit; uint32_t time, want; } cases[] = {
        {"178 px at 178 px per 4000 ms", 0, 178, 178, 4000, 4000},
        {"278 px at 178 px per 4000 ms", 0, 278, 178, 4000, 6247},
        {"unit 0 takes the time itself", 0, 500, 0, 1234, 1234},
        {"backwards takes as long as forwards", 100, 0, 10, 50, 500},
        {"no distance, no time", 7, 7, 10, 50, 0},
    };
    for (const auto& c : cases) {
        tagScroll_Move m;
        m.start = c.start, m.end = c.end, m.elapsed = 99;
        m.SetSpeed(c.unit, c.time);
        EXPECT_TRUE(m.duration == c.want && m.elapsed == 0u) << c.name << ": " << m.duration;
    }
}

TEST(ScrollMove, MovesLinearlyAndStopsOrLoopsAtTheEnd)
{
    Clock::UseVirtual(1000, {});
    tagScroll_Move m;
    m.end = 100, m.duration = 1000;
    m.Start();
    const struct { uint32_t advance; int32_t current; int ended; } steps[] = {{0, 0, 0}, {333, 33, 0}, {1, 33, 0}, {500, 83, 0}, {166, 100, 1}};
    for (const auto& s : steps) {
        Clock::Advance(s.advance);
        EXPECT_EQ(m.Update(Clock::NowMs(), false), s.ended) << "after " << s.advance;
        EXPECT_EQ(m.current, s.current) << "after " << s.advance;
    }
    EXPECT_FALSE(m.running);
    m.Start();
    EXPECT_EQ(m.current, 0) << "a motion at its end starts over";
    Clock::Advance(1000);
    EXPECT_EQ(m.Update(Clock::NowMs(), true), 1);
    EXPECT_TRUE(m.running && m.current == 0) << "a looping motion goes on from its start";
    m.start = 10, m.end = 60, m.duration = 0;
    m.Start();
    EXPECT_TRUE(m.Update(Clock::NowMs(), false) == 1 && m.current == 60) << "no duration is at its end";

    KK_LLESprite_Scroll s;  // a 278 px line through a strip from x = 96 to 274
    s.SetScroll(278, 178, 4000, 278);
    s.Start();
    const Rect strip{96, 5, 274, 17};
    EXPECT_EQ(s.GetDrawPos(strip), Point(274, 5)) << "enters at the right";
    Clock::Advance(3000);
    s.Update(Clock::NowMs(), false);
    EXPECT_EQ(s.GetDrawPos(strip), Point(274 - 133, 5));
    Clock::Advance(4000);
    EXPECT_TRUE(s.Update(Clock::NowMs(), false) == 1 && !s.IsPastEnd()) << "at the end, not beyond";
    s.move.current = 279;
    EXPECT_TRUE(s.IsPastEnd());
    Clock::UseReal();
}
