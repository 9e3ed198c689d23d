#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <utility>
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

namespace {
using Ms = std::chrono::milliseconds;

// Real milliseconds a run of virtual advances took, and the virtual clock's reading after it.
std::pair<int64_t, uint32_t> TimeAdvances(bool paced, const std::vector<uint32_t>& steps, Ms workBefore)
{
    Clock::UseVirtual(0, {});
    Clock::SetPaced(paced);
    std::this_thread::sleep_for(workBefore);
    const auto start = std::chrono::steady_clock::now();
    for (const uint32_t ms : steps) Clock::Advance(ms);
    const auto took = std::chrono::duration_cast<Ms>(std::chrono::steady_clock::now() - start).count();
    const uint32_t reading = Clock::NowMs();
    Clock::SetPaced(false);
    Clock::UseReal();
    return {took, reading};
}
}  // namespace

TEST(Clock, PacedAdvancesTakeTheirRealTimeAndReadTheSame)
{
    const std::vector<uint32_t> frames(12, 10);  // a 120 ms card move, a frame at a time
    const struct {
        const char* name;
        bool paced;
        std::vector<uint32_t> steps;
        Ms workBefore;
        int64_t atLeast, below;
    } cases[] = {
        {"unpaced advances do not wait", false, frames, Ms(0), 0, 60},
        {"paced frames take their length", true, frames, Ms(0), 105, 400},
        {"one long paced step waits whole", true, {150}, Ms(0), 140, 400},
        {"time lost before is not made up by rushing", true, frames, Ms(300), 105, 500},
        {"a short lag is caught up", true, {20, 100}, Ms(50), 60, 400},
    };
    for (const auto& c : cases) {
        uint32_t total = 0;
        for (const uint32_t ms : c.steps) total += ms;
        const auto [took, reading] = TimeAdvances(c.paced, c.steps, c.workBefore);
        EXPECT_GE(took, c.atLeast) << c.name;
        EXPECT_LT(took, c.below) << c.name;
        EXPECT_EQ(reading, total) << c.name << ": pacing leaves the virtual clock's reading alone";
    }
}
