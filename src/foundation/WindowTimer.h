#pragma once

#include <cstdint>

#include "foundation/Win32.h"

// Window timers of the module. On the real clock they are Win32 timers. On the virtual clock
// nothing fires by itself: each timer is kept in a table, and PostDueTimers posts WM_TIMER for
// every timer whose time has come, so a replay runs the same way every time.
namespace WindowTimer {

// Starts or restarts timer `id` of `hwnd` with a period of `ms`; false when it could not be set.
bool Start(HWND hwnd, UINT_PTR id, uint32_t ms);
void Stop(HWND hwnd, UINT_PTR id);
// Forgets every virtual timer of a window (it is being destroyed).
void StopAll(HWND hwnd);

// Virtual clock only: posts WM_TIMER for each due timer (once per timer, however late) and
// schedules its next expiry at the first multiple of its period, counted from its start, that
// lies ahead. Returns how many were posted.
int PostDueTimers();
// Virtual clock only: the milliseconds until the next timer is due, or -1 when none runs.
int64_t MsUntilNextDue();
// Advances the virtual clock by `ms` in steps from one due timer to the next, posting each
// timer's WM_TIMER when it falls due and dispatching this thread's waiting messages after each
// step, so timers fire in order and their handlers run in between.
void AdvanceAndFire(uint32_t ms);

// Number of virtual timers running (for tests).
size_t VirtualCount();

}  // namespace WindowTimer
