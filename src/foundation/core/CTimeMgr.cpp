#include "foundation/core/CTimeMgr.h"

#include "foundation/core/Clock.h"

void CTimeMgr::Init()
{
    frequency = Clock::PerfFrequency();
    hasCounter = frequency > 0 ? 1 : 0;
}

void CTimeMgr::Start()
{
    // The clock may have switched between real and virtual since the time base was made.
    if (hasCounter) frequency = Clock::PerfFrequency();
    if (hasCounter) startCounter = Clock::PerfCounter();
    else startTick = Clock::NowMs();
}

uint32_t CTimeMgr::ElapsedMs() const
{
    if (!hasCounter) return Clock::NowMs() - startTick;  // wraps with the millisecond clock
    return static_cast<uint32_t>(static_cast<double>(Clock::PerfCounter() - startCounter) / static_cast<double>(frequency) * 1000.0);
}
