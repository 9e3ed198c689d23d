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

// Counters: ours and theirs in microseconds per iteration, and ours/theirs. With a limit (a plain
// copy of the same bytes to the same place, say), it runs third in each iteration under the same
// cache and machine load and adds limit_us.
template <class Ours, class Theirs, class Limit>
void Time(benchmark::State& state, Ours&& ours, Theirs&& theirs, Limit&& limit, bool withLimit = true)
{
    using Clock = std::chrono::steady_clock;
    Clock::duration oursTime{}, theirsTime{}, limitTime{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        ours();
        benchmark::ClobberMemory();
        const auto t1 = Clock::now();
        theirs();
        benchmark::ClobberMemory();
        const auto t2 = Clock::now();
        limit();
        benchmark::ClobberMemory();
        oursTime += t1 - t0;
        theirsTime += t2 - t1;
        limitTime += Clock::now() - t2;
    }
    const double n = static_cast<double>(state.iterations());
    const double oursUs = std::chrono::duration<double, std::micro>(oursTime).count() / n;
    const double theirsUs = std::chrono::duration<double, std::micro>(theirsTime).count() / n;
    state.counters["ours_us"] = oursUs;
    state.counters["theirs_us"] = theirsUs;
    state.counters["ratio"] = theirsUs > 0 ? oursUs / theirsUs : 0;
    if (withLimit) state.counters["limit_us"] = std::chrono::duration<double, std::micro>(limitTime).count() / n;
}

template <class Ours, class Theirs>
void Time(benchmark::State& state, Ours&& ours, Theirs&& theirs)
{
    Time(state, ours, theirs, [] {}, false);
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
