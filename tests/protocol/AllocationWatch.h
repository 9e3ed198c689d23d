#pragma once

#include <atomic>
#include <cstddef>

// The largest single allocation made through operator new while `watching` is set, so a test can
// show that a huge count from outside allocates nothing.
extern std::atomic<bool> watching;
extern std::atomic<size_t> largestAllocation;
