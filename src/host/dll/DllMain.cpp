#include "host/dll/Mirelle.h"

#include "foundation/Debug.h"
#include "foundation/TextWin32.h"
#include "foundation/WindowTimer.h"
#include "foundation/core/Clock.h"
#include "host/CMirelleWnd.h"
#include "scene/CMirelleVWS.h"
#include "sound/StartedSounds.h"

namespace {

std::string DirectoryText(const wchar_t* dir)
{
    std::string s = dir ? WideToAnsi(dir) : std::string();
    if (!s.empty() && s.back() != '\\') s += '\\';
    return s;
}

}  // namespace

extern "C" {

int nMirelle = 0;

int fnMirelle()
{
    return 42;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/)
{
    if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
    return TRUE;
}

// Creates the main window object around the host's interface; 0, or -1 when it cannot be created.
int __stdcall CreateGameWnd(IHostInterface* host, IClientInterface** out)
{
    return GuardBoundary("CreateGameWnd", -1, [&] {
        if (!out) return -1;
        *out = nullptr;
        auto* wnd = new (std::nothrow) CMirelleWnd(host);
        if (!wnd) return -1;
        *out = wnd;
        return 0;
    });
}

// Creates the game window inside the host's window and starts the room; the window or 0.
HWND __stdcall InitGameWnd(IClientInterface* client, HWND hostWnd, const wchar_t* gameDir,
                                                 const wchar_t* portalDir, int async, int fullScreen)
{
    return GuardBoundary("InitGameWnd", HWND{}, [&]() -> HWND {
        CMirelleWnd* wnd = CMirelleWnd::FromClient(client);
        if (!wnd || !hostWnd) return nullptr;
        return wnd->Open(hostWnd, DirectoryText(gameDir), DirectoryText(portalDir), async != 0, fullScreen != 0);
    });
}

// Destroys the game window and the object; -1 when the object is not one of the module's.
int __stdcall DestroyGameWnd(IClientInterface* client)
{
    return GuardBoundary("DestroyGameWnd", -1, [&] {
        CMirelleWnd* wnd = CMirelleWnd::FromClient(client);
        if (!wnd) return -1;
        wnd->RequestDestroy();
        return 0;
    });
}

// The module's test interface, for the stand-in host and the tests; a portal never calls it.
// The module's clock: virtual time, advanced with the timers firing.
void __stdcall MirelleUseVirtualClock(int on)
{
    if (on) Clock::UseVirtual();
    else Clock::UseReal();
}

// Virtual time at the real clock's pace, waits inside handlers included, for a person watching.
void __stdcall MirellePaceClock(int on)
{
    Clock::SetPaced(on != 0);
}

// The virtual milliseconds since the virtual clock began (wrapping after 49 days).
unsigned __stdcall MirelleClockMs()
{
    return static_cast<unsigned>(Clock::VirtualElapsedMs());
}

// For the stand-in host's load timing: 1 once the room's sounds are loaded, else 0.
int __stdcall MirelleSoundsLoaded(IClientInterface* client)
{
    return GuardBoundary("MirelleSoundsLoaded", 0, [&] {
        const CMirelleWnd* wnd = CMirelleWnd::FromClient(client);
        return wnd && wnd->GetScene() && wnd->GetScene()->AreSoundsLoaded() ? 1 : 0;
    });
}

void __stdcall MirelleAdvanceClock(unsigned ms)
{
    GuardBoundaryVoid("MirelleAdvanceClock", [&] { WindowTimer::AdvanceAndFire(ms); });
}

// For the stand-in host's trace: `watcher` (kind 0 an effect sound, 1 a voice; its id or cue; the
// voice's seat, -1 for none) is called as each starts; null stops the calls.
void __stdcall MirelleWatchSounds(void(__stdcall* watcher)(int kind, int id, int seat))
{
    SetStartedSoundWatcher(watcher);
}

}  // extern "C"

CMirelle::CMirelle() = default;

CMirelle& CMirelle::operator=(const CMirelle&) = default;
