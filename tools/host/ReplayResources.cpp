// The resource steps: {"resources": NAME} records the process's private bytes and its GDI and
// USER objects under NAME; with "since": EARLIER it also fails when any grew from that record by
// more than "max_bytes" (bytes) or "max_objects" (objects). {"processor_time": NAME} records the
// process's processor time and the real time; with "since": EARLIER it prints the share of one
// core used since then and fails above "max_percent".
#include "Replay.h"

#include <psapi.h>
#include <winternl.h>

#include <cstdio>
#include <map>
#include <string>

#include "protocol_json/ProtocolJson.h"

namespace {

struct ResourceUse {
    int64_t privateBytes = 0;
    int64_t gdiObjects = 0;
    int64_t userObjects = 0;
    const char* gdiSource = "GetGuiResources";
    const char* userSource = "GetGuiResources";
};

std::map<std::string, ResourceUse> recorded;

struct ProcessorMark {
    int64_t cpu100ns = 0;     // kernel and user time of every thread of the process
    int64_t window100ns = 0;  // of the window thread: the host's and the module's window code
    int64_t wall100ns = 0;
};

std::map<std::string, ProcessorMark> marks;

int64_t Ticks(const FILETIME& t)
{
    return static_cast<int64_t>((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
}

ProcessorMark MarkNow()
{
    FILETIME created{}, exited{}, kernel{}, user{}, threadKernel{}, threadUser{}, now{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetThreadTimes(GetCurrentThread(), &created, &exited, &threadKernel, &threadUser);
    GetSystemTimeAsFileTime(&now);
    return {Ticks(kernel) + Ticks(user), Ticks(threadKernel) + Ticks(threadUser), Ticks(now)};
}

// Wine answers GetGuiResources with 0. Its GDI handle table is the one the process environment
// block points at, as on Windows: one 16-byte entry per handle, a type of 0 when free.
int64_t CountGdiHandles()
{
#ifdef _WIN64
    constexpr size_t kTableOffset = 0xF8;
#else
    constexpr size_t kTableOffset = 0x94;
#endif
    using QueryProcess = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION info{};
    if (!query || query(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof info, nullptr) != 0) return -1;
    const auto* peb = reinterpret_cast<const uint8_t*>(info.PebBaseAddress);
    const auto* table = *reinterpret_cast<const uint8_t* const*>(peb + kTableOffset);
    if (!table) return -1;
    constexpr size_t kEntries = 0x10000, kEntrySize = 16, kTypeOffset = 12;
    int64_t n = 0;
    for (size_t i = 0; i < kEntries; ++i)
        if (*reinterpret_cast<const uint16_t*>(table + i * kEntrySize + kTypeOffset) != 0) ++n;
    return n;
}

BOOL CALLBACK CountWindow(HWND wnd, LPARAM count)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid != GetCurrentProcessId()) return TRUE;
    ++*reinterpret_cast<int64_t*>(count);
    EnumChildWindows(wnd, CountWindow, count);
    return TRUE;
}

// Without GetGuiResources the windows stand for the USER objects: the module's widgets and boxes
// are windows, and a leaked one shows.
int64_t CountWindows()
{
    int64_t n = 0;
    EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&n));
    HWND message = nullptr;
    while ((message = FindWindowExA(HWND_MESSAGE, message, nullptr, nullptr)) != nullptr) CountWindow(message, reinterpret_cast<LPARAM>(&n));
    return n;
}

ResourceUse MeasureResources()
{
    ResourceUse use;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
        // Wine leaves PrivateUsage 0; the commit charge is the same figure on Windows.
        use.privateBytes = static_cast<int64_t>(memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage);
    use.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    use.userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    if (use.gdiObjects == 0) {
        use.gdiObjects = CountGdiHandles();
        use.gdiSource = "the GDI handle table";
    }
    if (use.userObjects == 0) {
        use.userObjects = CountWindows();
        use.userSource = "windows";
    }
    return use;
}

Json ToJson(const ResourceUse& use)
{
    return {{"privateBytes", use.privateBytes}, {"gdiObjects", use.gdiObjects}, {"userObjects", use.userObjects}};
}

}  // namespace

bool Replay::Resources(const ScriptStep& step)
{
    const Json& j = step.json;
    const Json& name = *FindMember(j, "resources");
    if (!name.is_string()) return Fail(step, "resources takes the name of the record");
    Pump();
    const ResourceUse now = MeasureResources();
    recorded[name.get<std::string>()] = now;
    Json traced = ToJson(now);
    traced["call"] = "Resources";
    traced["name"] = name;
    host.Trace(traced);
    std::printf("resources %s: %.1f KiB private, %lld GDI objects (%s), %lld USER objects (%s)\n",
                name.get<std::string>().c_str(), now.privateBytes / 1024.0, static_cast<long long>(now.gdiObjects),
                now.gdiSource, static_cast<long long>(now.userObjects), now.userSource);
    const Json* since = FindMember(j, "since");
    if (!since) return true;
    const auto earlier = since->is_string() ? recorded.find(since->get<std::string>()) : recorded.end();
    if (earlier == recorded.end()) return Fail(step, "no resources were recorded as " + DumpJson(*since));
    const int64_t maxBytes = IntegerOf(j.value("max_bytes", Json(0))).value_or(0);
    const int64_t maxObjects = IntegerOf(j.value("max_objects", Json(0))).value_or(0);
    const ResourceUse& e = earlier->second;
    const struct { const char* what; int64_t grew, limit; } checks[] = {
        {"private bytes", now.privateBytes - e.privateBytes, maxBytes},
        {"GDI objects", now.gdiObjects - e.gdiObjects, maxObjects},
        {"USER objects", now.userObjects - e.userObjects, maxObjects},
    };
    for (const auto& c : checks)
        if (c.grew > c.limit)
            return Fail(step, std::string(c.what) + " grew by " + std::to_string(c.grew) + " since " +
                                  since->get<std::string>() + ", more than " + std::to_string(c.limit) + " (" +
                                  DumpJson(ToJson(e)) + " then, " + DumpJson(ToJson(now)) + " now)");
    return true;
}

bool Replay::ProcessorTime(const ScriptStep& step)
{
    const Json& j = step.json;
    const Json& name = *FindMember(j, "processor_time");
    if (!name.is_string()) return Fail(step, "processor_time takes the name of the mark");
    const ProcessorMark now = MarkNow();
    marks[name.get<std::string>()] = now;
    const Json* since = FindMember(j, "since");
    if (!since) return true;
    const auto earlier = since->is_string() ? marks.find(since->get<std::string>()) : marks.end();
    if (earlier == marks.end()) return Fail(step, "no processor time was marked as " + DumpJson(*since));
    const double wallMs = (now.wall100ns - earlier->second.wall100ns) / 1e4;
    const double cpuMs = (now.cpu100ns - earlier->second.cpu100ns) / 1e4;
    const double windowMs = (now.window100ns - earlier->second.window100ns) / 1e4;
    const double percent = wallMs > 0 ? 100.0 * cpuMs / wallMs : 0.0;
    host.Trace({{"call", "ProcessorTime"}, {"name", name}, {"cpuMs", cpuMs}, {"windowThreadMs", windowMs}, {"wallMs", wallMs}});
    std::printf("processor time %s: %.0f ms in %.0f ms, %.2f %% of one core (the window thread %.0f ms)%s\n",
                name.get<std::string>().c_str(), cpuMs, wallMs, percent, windowMs,
                module.advanceClock ? " (on the virtual clock)" : "");
    const Json* max = FindMember(j, "max_percent");
    if (max && max->is_number() && percent > max->get<double>())
        return Fail(step, name.get<std::string>() + " took " + std::to_string(percent) + " % of one core, more than " +
                              DumpJson(*max) + " %");
    return true;
}
