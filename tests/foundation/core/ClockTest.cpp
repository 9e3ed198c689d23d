#include <gtest/gtest.h>

#include <vector>

#include "foundation/core/CTimeMgr.h"
#include "foundation/core/Clock.h"

namespace {
struct VirtualClock {
    VirtualClock(uint32_t startMs, const Clock::LocalTime& t) { Clock::UseVirtual(startMs, t); }
    ~VirtualClock() { Clock::UseReal(); }
};
}  // namespace

TEST(Clock, VirtualTimeStandsStillUntilAdvancedAndWraps)
{
    VirtualClock clock(1000, {2026, 12, 31, 23, 59, 59, 500, 4});
    EXPECT_EQ(Clock::NowMs(), 1000u);
    const int64_t c0 = Clock::PerfCounter();
    Clock::Sleep(250);
    EXPECT_EQ(Clock::NowMs(), 1250u) << "a wait advances the virtual clock";
    EXPECT_EQ(Clock::PerfCounter() - c0, Clock::PerfFrequency() / 4);
    Clock::Advance(250);
    const Clock::LocalTime t = Clock::Now();
    EXPECT_EQ(std::vector<int>({t.year, t.month, t.day, t.hour, t.minute, t.second, t.millisecond, t.weekday}),
              std::vector<int>({2027, 1, 1, 0, 0, 0, 0, 5})) << "the calendar carries into the next year";

    Clock::UseVirtual(0xFFFFFFF0u, {2026, 2, 28, 12, 0, 0, 0, 6});  // milliseconds wrap like the tick count
    Clock::Advance(0x20);
    EXPECT_EQ(Clock::NowMs(), 0x10u);
    Clock::Advance(36u * 3600 * 1000);
    EXPECT_EQ(std::pair(Clock::Now().month, Clock::Now().day), std::pair(3, 2)) << "2026 is no leap year";
}

TEST(Clock, RealTimeMovesForward)
{
    const uint32_t t0 = Clock::NowMs();
    const int64_t c0 = Clock::PerfCounter();
    Clock::Sleep(20);
    EXPECT_GE(Clock::NowMs() - t0, 15u);
    EXPECT_GT(Clock::PerfCounter(), c0);
    EXPECT_GE(Clock::Now().year, 2024);
}

TEST(Clock, TimeBaseCountsOnTheModuleClock)
{
    Clock::UseVirtual(1000, {});
    CTimeMgr t;
    t.Start();
    Clock::Advance(250);
    EXPECT_EQ(t.ElapsedMs(), 250u);

    CTimeMgr noCounter;
    noCounter.hasCounter = 0;
    Clock::UseVirtual(0xFFFFFF00u, {});
    noCounter.Start();
    Clock::Advance(0x200);
    EXPECT_EQ(noCounter.ElapsedMs(), 0x200u) << "wraps with the millisecond clock";
    Clock::UseReal();
}

TEST(Clock, VirtualClockStartsAtTheSameTimeWheneverItRuns)
{
    Clock::UseVirtual();
    const Clock::LocalTime first = Clock::Now();
    Clock::UseReal();
    Clock::Sleep(5);
    Clock::UseVirtual();
    const Clock::LocalTime second = Clock::Now();
    EXPECT_EQ(std::vector<int>({first.year, first.month, first.day, first.hour, first.minute, first.second}),
              std::vector<int>({second.year, second.month, second.day, second.hour, second.minute, second.second}));
    EXPECT_EQ(Clock::NowMs(), 0u);
    // A room test advancing half an hour of play still sees no hour strike (the hourly animation).
    for (int step = 0; step < 30 * 60; ++step) {
        Clock::Advance(1000);
        const Clock::LocalTime t = Clock::Now();
        ASSERT_FALSE(t.minute == 0 && t.second == 0) << "the hour struck after " << step + 1 << " s";
    }
    Clock::UseReal();
}
