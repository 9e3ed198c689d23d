// The stand-in host: does what the portal's launcher does (a top-level window, the module loaded
// and started, IHostInterface answered) and plays replay scripts against the module.
//
// mirelle_host [--async] [--real-clock] [--watch] [--game-dir DIR] [--portal-dir DIR] [--trace FILE]
//              [--out DIR] [--expect-init-failure] [--seconds N] [--watchdog S] [--time-loads N]
//              [--golden DIR] [--update-golden] [script.jsonl]
//
// --golden names the folder of the golden screenshots' references; --update-golden (or the
// environment's MIRELLE_UPDATE_GOLDEN=1) writes each reference that differs instead of failing.
//
// A replay or timed loads run without the module's stored options (OptionKeyGuard.h).
//
// The watchdog (--watchdog S, 60 by default, 0 for none) ends a replay that takes longer than S
// seconds. With --watch or --real-clock the module's waits take real time, so each step gets S
// seconds of its own, plus what it advances or waits for.
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <memory>
#include <mutex>
#include <string>

#include "LoadTiming.h"
#include "OptionKeyGuard.h"
#include "Replay.h"
#include "StandInHost.h"

namespace {

constexpr UINT_PTR kReplayTimer = 1;

struct Options {
    bool async = false;
    bool realClock = false;
    bool watch = false;
    bool expectInitFailure = false;
    std::string gameDir;
    std::string portalDir;
    std::string trace;
    std::string outDir = ".";
    std::string script;
    int seconds = 0;
    int watchdog = 60;
    int timeLoads = 0;
    std::string golden;
    bool updateGolden = false;
};

// The module's last debug lines: OutputDebugString raises this exception, which a vectored
// handler sees before the debugger's default handling, so a failed start can say why.
constexpr DWORD kDebugPrintException = 0x40010006;
constexpr size_t kKeptDebugLines = 8;
std::mutex debugLinesLock;
std::deque<std::string> debugLines;

// What the module's boundary guards write when they catch an exception: "<where>: <what>".
int boundaryReports = 0;
std::string lastBoundaryReport;
// Lines saying a file could not be loaded, and how many of them a code 36 has been named for.
int loadFailureLines = 0;
int loadFailuresNamed = 0;

void NoteBoundaryReport(const std::string& line)
{
    static const char* const guards[] = {"GWnd::WndProc: ", "ReceiveGameMessage: ", "MirelleAdvanceClock: ",
                                         "ResetRoomView: ", "HostCommand: "};
    for (const char* guard : guards)
        if (line.find(guard) != std::string::npos) {
            ++boundaryReports;
            lastBoundaryReport = line;
        }
}

LONG CALLBACK CatchDebugLine(EXCEPTION_POINTERS* info)
{
    const EXCEPTION_RECORD* r = info->ExceptionRecord;
    if (r->ExceptionCode == kDebugPrintException && r->NumberParameters >= 2 && r->ExceptionInformation[1]) {
        std::string line(reinterpret_cast<const char*>(r->ExceptionInformation[1]));
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        const std::lock_guard<std::mutex> hold(debugLinesLock);
        NoteBoundaryReport(line);
        if (line.find("cannot load ") != std::string::npos) ++loadFailureLines;
        debugLines.push_back(std::move(line));
        if (debugLines.size() > kKeptDebugLines) debugLines.pop_front();
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

int ModuleBoundaryReports(std::string* last)
{
    const std::lock_guard<std::mutex> hold(debugLinesLock);
    if (last) *last = AnsiToUtf8(lastBoundaryReport);
    return boundaryReports;
}

namespace {

void PrintDebugLines()
{
    const std::lock_guard<std::mutex> hold(debugLinesLock);
    if (debugLines.empty()) {
        std::fprintf(stderr, "  (the module wrote no debug line)\n");
        return;
    }
    std::fprintf(stderr, "the module's last debug lines:\n");
    for (const std::string& line : debugLines) std::fprintf(stderr, "  %s\n", AnsiToUtf8(line).c_str());
}

StandInHost* theHost = nullptr;
Replay* theReplay = nullptr;
volatile bool watchdogStop = false;
OptionKeyGuard* volatile theKeyGuard = nullptr;
const char* volatile hostPhase = "start-up";
volatile int hungLine = 0;
DWORD mainThread = 0;
// A paced run restarts the watchdog at each step and allows the step its own time.
volatile bool watchdogPerStep = false;
volatile DWORD stepStartTick = 0;
volatile DWORD stepAllowanceMs = 0;

void SetPhase(const char* phase)
{
    hostPhase = phase;
    stepAllowanceMs = 0;
    stepStartTick = GetTickCount();
}

// A replay that hangs says where, instead of running into the test's time limit.
DWORD WINAPI Watchdog(void* param)
{
    const DWORD limit = static_cast<DWORD>(reinterpret_cast<uintptr_t>(param)) * 1000;
    const DWORD start = GetTickCount();
    while (!watchdogStop) {
        const DWORD begun = watchdogPerStep ? stepStartTick : start;
        const DWORD allowed = limit + (watchdogPerStep ? stepAllowanceMs : 0);
        if (GetTickCount() - begun > allowed) {
            std::fprintf(stderr, "replay hung: no end after %lu s%s, in %s, at script line %d\n", allowed / 1000,
                         watchdogPerStep ? " of one step" : "", hostPhase, hungLine);
            if (const HWND box = FindModalBox(mainThread))
                std::fprintf(stderr, "the module's message box is open: \"%s\"\n", BoxText(box).c_str());
            std::fflush(stderr);
            if (theKeyGuard) theKeyGuard->Restore();
            ExitProcess(4);
        }
        Sleep(100);
    }
    return 0;
}

// Each box of the module is traced when it first becomes active, before anyone can answer it.
LRESULT CALLBACK BoxHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && theHost) {
        const HWND wnd = reinterpret_cast<HWND>(wParam);
        char cls[16] = {};
        GetClassNameA(wnd, cls, sizeof cls);
        if (std::string(cls) == "#32770" && !GetPropA(wnd, "StandIn.Traced")) {
            SetPropA(wnd, "StandIn.Traced", reinterpret_cast<HANDLE>(1));
            theHost->NoteBox(wnd);
        }
    }
    if (code == HCBT_DESTROYWND) RemovePropA(reinterpret_cast<HWND>(wParam), "StandIn.Traced");
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK HostWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg >= WM_USER + 1 && msg <= WM_USER + 6 && theHost) {
        theHost->NotePosted(msg, wParam, lParam);
        return 0;
    }
    if (msg == WM_TIMER && wParam == kReplayTimer) {
        // A step blocked in the module's modal box: run the steps after it from inside the box's loop.
        const HWND box = FindModalBox();
        if (theReplay && theReplay->InStep() && (box || theReplay->Soaking())) {
            // A box still open when the steps are done fails the replay, naming the box; after a
            // failure the box is closed, so the handler returns and the failure is told.
            if (box && !theReplay->Failed() && theReplay->Finished() && !theReplay->Soaking()) theReplay->FailWithOpenBox(box);
            if (!theReplay->Failed()) theReplay->RunPending();
            else if (box) PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }
        return 0;
    }
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

std::string ExeDir()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s = path;
    return s.substr(0, s.find_last_of('\\') + 1);
}

std::wstring Wide(const std::string& s)
{
    const int n = MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, w.data(), n);
    w.resize(static_cast<size_t>(n > 0 ? n - 1 : 0));
    return w;
}

std::string WithBackslash(std::string dir)
{
    if (!dir.empty() && dir.back() != '\\' && dir.back() != '/') dir += '\\';
    return dir;
}

bool ParseArgs(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (a == "--async") o.async = true;
        else if (a == "--real-clock") o.realClock = true;
        else if (a == "--watch") o.watch = true;
        else if (a == "--expect-init-failure") o.expectInitFailure = true;
        else if (a == "--game-dir") o.gameDir = value();
        else if (a == "--portal-dir") o.portalDir = value();
        else if (a == "--trace") o.trace = value();
        else if (a == "--out") o.outDir = value();
        else if (a == "--seconds") o.seconds = std::atoi(value().c_str());
        else if (a == "--watchdog") o.watchdog = std::atoi(value().c_str());
        else if (a == "--time-loads") o.timeLoads = std::atoi(value().c_str());
        else if (a == "--golden") o.golden = value();
        else if (a == "--update-golden") o.updateGolden = true;
        else if (!a.empty() && a[0] == '-') return false;
        else o.script = a;
    }
    const char* update = std::getenv("MIRELLE_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") o.updateGolden = true;
    if (o.gameDir.empty()) o.gameDir = ExeDir() + "game\\";
    if (o.portalDir.empty()) o.portalDir = o.gameDir;
    o.gameDir = WithBackslash(o.gameDir);
    o.portalDir = WithBackslash(o.portalDir);
    return true;
}

HWND CreateHostWindow()
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = HostWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "MirelleStandInHost";
    RegisterClassA(&wc);
    RECT rc{0, 0, 800, 600};
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    AdjustWindowRect(&rc, style, FALSE);
    return CreateWindowA("MirelleStandInHost", "Mirelle stand-in host", style | WS_VISIBLE, 0, 0, rc.right - rc.left,
                         rc.bottom - rc.top, nullptr, nullptr, wc.hInstance, nullptr);
}

void __stdcall NoteStartedSound(int kind, int id, int seat)
{
    if (theHost) theHost->NoteStarted(kind, id, seat);
}

template <class T>
T Export(HMODULE dll, const char* name)
{
    return reinterpret_cast<T>(reinterpret_cast<void (*)()>(GetProcAddress(dll, name)));
}

void PumpFor(DWORD ms)
{
    const DWORD until = GetTickCount() + ms;
    MSG msg;
    while (ms == INFINITE || static_cast<int>(until - GetTickCount()) > 0) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

}  // namespace

void NoteStepBegins(unsigned allowanceMs)
{
    hungLine = theReplay ? theReplay->CurrentLine() : 0;
    stepAllowanceMs = allowanceMs;
    stepStartTick = GetTickCount();
}

int main(int argc, char** argv)
{
    Options opt;
    if (!ParseArgs(argc, argv, opt)) {
        std::fprintf(stderr, "usage: mirelle_host [--async] [--real-clock] [--watch] [--game-dir DIR] [--portal-dir DIR] "
                             "[--trace FILE] [--out DIR] [--expect-init-failure] [--seconds N] [--watchdog S] [--time-loads N] "
                             "[--golden DIR] [--update-golden] [script.jsonl]\n");
        return 2;
    }
    mainThread = GetCurrentThreadId();
    watchdogPerStep = opt.watch || opt.realClock;
    SetPhase("start-up");
    if (!opt.script.empty() && opt.watchdog > 0)
        CloseHandle(CreateThread(nullptr, 0, Watchdog, reinterpret_cast<void*>(static_cast<uintptr_t>(opt.watchdog)), 0, nullptr));
    AddVectoredExceptionHandler(1, CatchDebugLine);
    FILE* trace = opt.trace.empty() ? nullptr : std::fopen(opt.trace.c_str(), "w");
    if (!opt.trace.empty() && !trace) {
        std::fprintf(stderr, "cannot write the trace %s\n", opt.trace.c_str());
        return 2;
    }
    StandInHost host(trace);
    host.describeRequest = DescribeRequest;
    theHost = &host;
    const HHOOK boxHook = SetWindowsHookExA(WH_CBT, BoxHook, nullptr, GetCurrentThreadId());

    ModuleHandle module;
    module.hostWnd = CreateHostWindow();
    module.portalDir = opt.portalDir;
    module.dll = LoadLibraryA("Mirelle.dll");
    if (!module.hostWnd || !module.dll) {
        std::fprintf(stderr, "cannot start: window %p, module %p (error %lu)\n", static_cast<void*>(module.hostWnd),
                     static_cast<void*>(module.dll), GetLastError());
        return 3;
    }
    const auto create = Export<CreateGameWndProc>(module.dll, "CreateGameWnd");
    const auto init = Export<InitGameWndProc>(module.dll, "InitGameWnd");
    const auto destroy = Export<DestroyGameWndProc>(module.dll, "DestroyGameWnd");
    const auto useVirtual = Export<void(__stdcall*)(int)>(module.dll, "MirelleUseVirtualClock");
    using SoundWatcher = void(__stdcall*)(int, int, int);
    if (const auto watchSounds = Export<void(__stdcall*)(SoundWatcher)>(module.dll, "MirelleWatchSounds"))
        watchSounds(NoteStartedSound);
    module.advanceClock = Export<void(__stdcall*)(unsigned)>(module.dll, "MirelleAdvanceClock");
    module.clockMs = Export<unsigned(__stdcall*)()>(module.dll, "MirelleClockMs");
    const auto paceClock = Export<void(__stdcall*)(int)>(module.dll, "MirellePaceClock");
    module.destroy = destroy;
    module.soundsLoaded = Export<int(__stdcall*)(IClientInterface*)>(module.dll, "MirelleSoundsLoaded");
    if (!create || !init || !destroy) {
        std::fprintf(stderr, "the module lacks CreateGameWnd, InitGameWnd or DestroyGameWnd\n");
        return 3;
    }
    std::unique_ptr<OptionKeyGuard> keyGuard;
    if (!opt.script.empty() || opt.timeLoads > 0) {
        keyGuard = std::make_unique<OptionKeyGuard>(opt.portalDir);
        theKeyGuard = keyGuard.get();
    }
    if (opt.timeLoads > 0) {
        const LoadTimingModule timed{module.dll, module.hostWnd, create, init, destroy};
        const int timedRc = TimeLoads(host, timed, Wide(opt.gameDir), Wide(opt.portalDir), opt.timeLoads);
        theKeyGuard = nullptr;
        return timedRc;
    }
    const bool virtualClock = !opt.script.empty() && !opt.realClock && useVirtual && module.advanceClock && module.clockMs;
    if (virtualClock) {
        useVirtual(1);
        if (opt.watch && paceClock) paceClock(1);
    } else {
        module.advanceClock = nullptr;
        module.clockMs = nullptr;
    }
    // Each trace line carries the module's clock when it was written: virtual, or real since the start.
    const DWORD realStart = GetTickCount();
    host.clockMs = [&module, realStart]() -> int64_t {
        return module.clockMs ? module.clockMs() : static_cast<int64_t>(GetTickCount() - realStart);
    };
    host.loadFailureSeen = [] {
        const std::lock_guard<std::mutex> hold(debugLinesLock);
        const bool seen = loadFailureLines > loadFailuresNamed;
        loadFailuresNamed = loadFailureLines;
        return seen;
    };

    if (create(&host, &module.client) != 0 || !module.client) {
        std::fprintf(stderr, "CreateGameWnd failed\n");
        return 3;
    }
    const std::wstring gameDir = Wide(opt.gameDir), portalDir = Wide(opt.portalDir);
    module.gameWnd = init(module.client, module.hostWnd, gameDir.c_str(), portalDir.c_str(), opt.async ? 1 : 0, 0);
    if (!module.gameWnd) {
        destroy(module.client);
        if (opt.expectInitFailure) {
            std::printf("InitGameWnd failed, as expected\n");
            return 0;
        }
        std::fprintf(stderr, "InitGameWnd failed (game directory %s)\n", opt.gameDir.c_str());
        PrintDebugLines();
        return 3;
    }
    if (opt.expectInitFailure) {
        std::fprintf(stderr, "InitGameWnd succeeded, failure was expected\n");
        destroy(module.client);
        return 1;
    }

    int rc = 0;
    if (!opt.script.empty()) {
        // Wall time of the steps alone, without Wine's and the module's start-up.
        const DWORD replayStart = GetTickCount();
        Replay replay(host, module, opt.outDir);
        replay.SetRealPace(opt.watch);
        replay.SetGolden(opt.golden, opt.updateGolden);
        theReplay = &replay;
        SetPhase("the replay");
        // On the real clock a slower beat: the host's own timer would otherwise count in the
        // module's processor time.
        SetTimer(module.hostWnd, kReplayTimer, virtualClock ? 10 : 100, nullptr);
        const bool passed = replay.Load(opt.script) && replay.RunPending() && replay.CheckArmedCallMade();
        if (!replay.FinishScreenshots() || !passed) {
            std::fprintf(stderr, "replay failed: %s\n", replay.Error().c_str());
            rc = 1;
        } else {
            std::printf("replay passed: %s in %lu ms", opt.script.c_str(), GetTickCount() - replayStart);
            if (module.clockMs) std::printf(" (the module's clock went %u ms)", module.clockMs());
            std::printf("\n");
        }
        KillTimer(module.hostWnd, kReplayTimer);
        theReplay = nullptr;
    } else {
        PumpFor(opt.seconds > 0 ? static_cast<DWORD>(opt.seconds) * 1000 : INFINITE);
    }
    SetPhase("DestroyGameWnd");
    if (module.destroyed) {
        // Destroyed from inside a handler: the window went once the handler returned.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        if (IsWindow(module.gameWnd)) {
            std::fprintf(stderr, "the game window outlived DestroyGameWnd\n");
            rc = rc ? rc : 1;
        }
    } else if (destroy(module.client) != 0) {
        std::fprintf(stderr, "DestroyGameWnd failed\n");
        rc = rc ? rc : 1;
    }
    DestroyWindow(module.hostWnd);
    watchdogStop = true;
    if (boxHook) UnhookWindowsHookEx(boxHook);
    theHost = nullptr;
    if (trace) std::fclose(trace);
    theKeyGuard = nullptr;
    return rc;
}
