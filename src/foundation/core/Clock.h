#pragma once

#include <cstdint>

// The one clock of the module. Every time the module reads comes from here, so tests and the
// stand-in host can switch to a virtual clock on which waits advance time instead of sleeping.
namespace Clock {

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0, weekday = 0;
};

// Milliseconds since an arbitrary start, wrapping like timeGetTime.
uint32_t NowMs();
// A high-resolution counter and its ticks per second.
int64_t PerfCounter();
int64_t PerfFrequency();
LocalTime Now();

// Waits `ms` milliseconds: sleeps on the real clock, advances the virtual one.
void Sleep(uint32_t ms);

// Where the virtual clock starts unless told otherwise: a fixed Monday morning, away from the
// hour, so a test's result never depends on when it runs.
inline constexpr LocalTime kVirtualStart{2026, 3, 2, 10, 20, 0, 0, 1};

// Virtual mode: time stands still until advanced. The local time starts at `start`.
void UseVirtual(uint32_t startMs = 0, const LocalTime& start = kVirtualStart);
void UseReal();
bool IsVirtual();
void Advance(uint32_t ms);
// Paced virtual mode, for a person watching a replay: each advance also waits until as much real
// time has passed since pacing began as virtual time has, so waits inside handlers (card moves,
// the deal, effects) take their real length while the virtual clock reads as it would unpaced.
// Time lost to slow work is not made up: more than kPaceSlackMs behind, the pace starts again.
void SetPaced(bool on);
bool IsPaced();
inline constexpr uint32_t kPaceSlackMs = 100;
// Virtual milliseconds since UseVirtual, without wrapping.
uint64_t VirtualElapsedMs();

}  // namespace Clock
