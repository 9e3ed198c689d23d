#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

// A comparison of our code with a baseline doing the same work: the caller checks first that both
// produce the same output (or within a tolerance it states), then both sides run alternately in
// one loop, each timed on its own, so the ratio ours/theirs comes from the same run and the same
// machine load. A failed check skips the pair and makes the program exit 1.
namespace paired {

inline bool& AnyCheckFailed()
{
    static bool failed = false;
    return failed;
}

// Skips the benchmark with `what` and marks the run failed; returns false for `return` chains.
inline bool FailCheck(benchmark::State& state, const std::string& what)
{
    AnyCheckFailed() = true;
    state.SkipWithError(what.c_str());
    return false;
}

// Counters: ours and theirs in microseconds per iteration, and ours/theirs.
template <class Ours, class Theirs>
void Time(benchmark::State& state, Ours&& ours, Theirs&& theirs)
{
    using Clock = std::chrono::steady_clock;
    Clock::duration oursTime{}, theirsTime{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        ours();
        benchmark::ClobberMemory();
        const auto t1 = Clock::now();
        theirs();
        benchmark::ClobberMemory();
        oursTime += t1 - t0;
        theirsTime += Clock::now() - t1;
    }
    const double n = static_cast<double>(state.iterations());
    const double oursUs = std::chrono::duration<double, std::micro>(oursTime).count() / n;
    const double theirsUs = std::chrono::duration<double, std::micro>(theirsTime).count() / n;
    state.counters["ours_us"] = oursUs;
    state.counters["theirs_us"] = theirsUs;
    state.counters["ratio"] = theirsUs > 0 ? oursUs / theirsUs : 0;
}

// The benchmark main: 1 when any comparison's output check failed.
inline int Main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return AnyCheckFailed() ? 1 : 0;
}

}  // namespace paired
