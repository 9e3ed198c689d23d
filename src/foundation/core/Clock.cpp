#include "foundation/core/Clock.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <ctime>
#include <mutex>
#include <thread>

namespace {

std::atomic<bool> virtualMode{false};
std::atomic<uint64_t> virtualMs{0};  // total virtual milliseconds since UseVirtual
uint32_t virtualStartMs = 0;
Clock::LocalTime virtualStart;
std::mutex startLock;

std::atomic<bool> paced{false};
std::mutex paceLock;
std::chrono::steady_clock::time_point paceRealStart;
uint64_t paceVirtualStart = 0;

constexpr int64_t kVirtualFrequency = 1000000;  // virtual counter in microseconds

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[(month - 1 + 12) % 12];
}

// The virtual start time moved forward by ms, calendar carried.
Clock::LocalTime AddMs(Clock::LocalTime t, uint64_t ms)
{
    uint64_t total = static_cast<uint64_t>(t.millisecond) + ms;
    t.millisecond = static_cast<int>(total % 1000);
    total = total / 1000 + static_cast<uint64_t>(t.second);
    t.second = static_cast<int>(total % 60);
    total = total / 60 + static_cast<uint64_t>(t.minute);
    t.minute = static_cast<int>(total % 60);
    total = total / 60 + static_cast<uint64_t>(t.hour);
    t.hour = static_cast<int>(total % 24);
    uint64_t days = total / 24;
    t.weekday = static_cast<int>((static_cast<uint64_t>(t.weekday) + days) % 7);
    while (days > 0) {
        const int left = DaysInMonth(t.year, t.month) - t.day;
        if (days <= static_cast<uint64_t>(left)) {
            t.day += static_cast<int>(days);
            break;
        }
        days -= static_cast<uint64_t>(left) + 1;
        t.day = 1;
        if (++t.month > 12) {
            t.month = 1;
            ++t.year;
        }
    }
    return t;
}

}  // namespace

namespace Clock {

uint32_t NowMs()
{
    if (virtualMode.load()) return virtualStartMs + static_cast<uint32_t>(virtualMs.load());
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

int64_t PerfCounter()
{
    if (virtualMode.load()) return static_cast<int64_t>(virtualMs.load()) * 1000;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
}

int64_t PerfFrequency()
{
    return virtualMode.load() ? kVirtualFrequency : 1000000000;
}

LocalTime Now()
{
    if (virtualMode.load()) {
        std::lock_guard<std::mutex> hold(startLock);
        return AddMs(virtualStart, virtualMs.load());
    }
    const auto now = std::chrono::system_clock::now();
    const std::time_t secs = std::chrono::system_clock::to_time_t(now);
    std::tm tm{};
#if defined(_WIN32)
    localtime_s(&tm, &secs);
#else
    localtime_r(&secs, &tm);
#endif
    LocalTime t;
    t.year = tm.tm_year + 1900;
    t.month = tm.tm_mon + 1;
    t.day = tm.tm_mday;
    t.hour = tm.tm_hour;
    t.minute = tm.tm_min;
    t.second = tm.tm_sec;
    t.weekday = tm.tm_wday;
    t.millisecond = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
    return t;
}

void Sleep(uint32_t ms)
{
    if (virtualMode.load()) {
        Advance(ms);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void UseVirtual(uint32_t startMs, const LocalTime& start)
{
    std::lock_guard<std::mutex> hold(startLock);
    virtualStartMs = startMs;
    virtualStart = start;
    virtualMs.store(0);
    virtualMode.store(true);
    std::lock_guard<std::mutex> holdPace(paceLock);
    paceRealStart = std::chrono::steady_clock::now();
    paceVirtualStart = 0;
}

void UseReal()
{
    virtualMode.store(false);
}

bool IsVirtual()
{
    return virtualMode.load();
}

void Advance(uint32_t ms)
{
    const uint64_t now = virtualMs.fetch_add(ms) + ms;
    if (!paced.load()) return;
    std::chrono::steady_clock::time_point due;
    {
        std::lock_guard<std::mutex> hold(paceLock);
        const auto real = std::chrono::steady_clock::now();
        due = paceRealStart + std::chrono::milliseconds(now - std::min(now, paceVirtualStart));
        if (now < paceVirtualStart || real > due + std::chrono::milliseconds(kPaceSlackMs)) {
            paceRealStart = real;
            paceVirtualStart = now;
            return;
        }
    }
    std::this_thread::sleep_until(due);
}

void SetPaced(bool on)
{
    std::lock_guard<std::mutex> hold(paceLock);
    paceRealStart = std::chrono::steady_clock::now();
    paceVirtualStart = virtualMs.load();
    paced.store(on);
}

bool IsPaced()
{
    return paced.load();
}

uint64_t VirtualElapsedMs()
{
    return virtualMs.load();
}

}  // namespace Clock
