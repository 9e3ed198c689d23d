#include "foundation/WindowTimer.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "foundation/core/Clock.h"

namespace {

struct VirtualTimer {
    HWND hwnd;
    UINT_PTR id;
    uint32_t period;
    uint64_t due;  // virtual milliseconds since the start of the virtual clock
};

std::mutex lock;
std::vector<VirtualTimer> timers;  // in start order, so timers due together post in that order

uint64_t VirtualNow()
{
    return Clock::VirtualElapsedMs();
}

void PumpThreadMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace

namespace WindowTimer {

bool Start(HWND hwnd, UINT_PTR id, uint32_t ms)
{
    if (!Clock::IsVirtual()) return SetTimer(hwnd, id, ms, nullptr) != 0;
    std::lock_guard<std::mutex> hold(lock);
    const uint64_t now = VirtualNow();
    const uint32_t period = std::max<uint32_t>(ms, 1);
    for (auto& t : timers) {
        if (t.hwnd == hwnd && t.id == id) {
            t.period = period;
            t.due = now + period;
            return true;
        }
    }
    timers.push_back({hwnd, id, period, now + period});
    return true;
}

void Stop(HWND hwnd, UINT_PTR id)
{
    if (!Clock::IsVirtual()) {
        KillTimer(hwnd, id);
        return;
    }
    std::lock_guard<std::mutex> hold(lock);
    std::erase_if(timers, [&](const VirtualTimer& t) { return t.hwnd == hwnd && t.id == id; });
}

void StopAll(HWND hwnd)
{
    std::lock_guard<std::mutex> hold(lock);
    std::erase_if(timers, [&](const VirtualTimer& t) { return t.hwnd == hwnd; });
}

int PostDueTimers()
{
    if (!Clock::IsVirtual()) return 0;
    std::vector<VirtualTimer> due;
    {
        std::lock_guard<std::mutex> hold(lock);
        const uint64_t now = VirtualNow();
        for (auto& t : timers) {
            if (t.due > now) continue;
            due.push_back(t);
            // Like a Win32 timer: one WM_TIMER however late, the next one on the timer's own
            // grid, so a clock that jumped neither delays every later tick nor brings a burst.
            t.due += (now - t.due) / t.period * t.period + t.period;
        }
    }
    for (const auto& t : due) PostMessageA(t.hwnd, WM_TIMER, t.id, 0);
    return static_cast<int>(due.size());
}

int64_t MsUntilNextDue()
{
    std::lock_guard<std::mutex> hold(lock);
    if (timers.empty()) return -1;
    const uint64_t now = VirtualNow();
    uint64_t next = UINT64_MAX;
    for (const auto& t : timers) next = std::min(next, t.due);
    return next <= now ? 0 : static_cast<int64_t>(next - now);
}

void AdvanceAndFire(uint32_t ms)
{
    if (!Clock::IsVirtual()) return;
    uint32_t left = ms;
    for (;;) {
        PostDueTimers();
        PumpThreadMessages();
        const int64_t next = MsUntilNextDue();
        if (left == 0) break;
        const uint32_t step = next < 0 ? left : static_cast<uint32_t>(std::min<int64_t>(std::max<int64_t>(next, 1), left));
        Clock::Advance(step);
        left -= step;
    }
}

size_t VirtualCount()
{
    std::lock_guard<std::mutex> hold(lock);
    return timers.size();
}

}  // namespace WindowTimer
