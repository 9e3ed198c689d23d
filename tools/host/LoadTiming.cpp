#include "LoadTiming.h"

#include <cstdint>
#include <cstdio>

namespace {

constexpr UINT kReadyPost = WM_USER + 6;
constexpr double kGiveUpMs = 15000;

double NowMs()
{
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// User and kernel time of the whole process: the loader's work, less noisy than the wall clock on a busy machine.
double ProcessCpuMs()
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
    auto ms = [](FILETIME t) { return static_cast<double>((uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime) / 1e4; };
    return ms(kernel) + ms(user);
}

struct LoadTimes {
    double init = -1, ready = -1, sounds = -1, cpu = -1;
};

// Runs the host's messages until the ready post and the sounds have both come, or the time is up.
void WaitForRoom(IClientInterface* client, int(__stdcall* soundsLoaded)(IClientInterface*), double start,
                 LoadTimes& times)
{
    MSG msg;
    while (times.ready < 0 || (soundsLoaded && times.sounds < 0)) {
        const double now = NowMs();
        if (now - start > kGiveUpMs) return;
        if (soundsLoaded && times.sounds < 0 && soundsLoaded(client)) {
            times.sounds = now - start;
            times.cpu = ProcessCpuMs();
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == kReadyPost && msg.wParam == 1 && times.ready < 0) times.ready = NowMs() - start;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

void PumpPending()
{
    MSG msg;
    for (int i = 0; i < 50; ++i) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(2);
    }
}

}  // namespace

int TimeLoads(StandInHost& host, const LoadTimingModule& module, const std::wstring& gameDir,
              const std::wstring& portalDir, int loads)
{
    const auto soundsLoaded = reinterpret_cast<int(__stdcall*)(IClientInterface*)>(
        reinterpret_cast<void (*)()>(GetProcAddress(module.dll, "MirelleSoundsLoaded")));
    int rc = 0;
    for (int load = 1; load <= loads; ++load) {
        IClientInterface* client = nullptr;
        if (module.create(&host, &client) != 0 || !client) {
            std::fprintf(stderr, "load %d: CreateGameWnd failed\n", load);
            return 3;
        }
        LoadTimes times;
        const double cpuStart = ProcessCpuMs();
        const double start = NowMs();
        const HWND gameWnd = module.init(client, module.hostWnd, gameDir.c_str(), portalDir.c_str(), 1, 0);
        times.init = NowMs() - start;
        if (gameWnd) WaitForRoom(client, soundsLoaded, start, times);
        if (times.cpu >= 0) times.cpu -= cpuStart;
        std::printf("load %d init %.1f ready %.1f sounds %.1f cpu %.1f\n", load, times.init, times.ready, times.sounds,
                    times.cpu);
        std::fflush(stdout);
        if (!gameWnd || times.ready < 0 || (soundsLoaded && times.sounds < 0)) rc = 1;
        module.destroy(client);
        PumpPending();
    }
    return rc;
}
