#pragma once

#include <string>

#include "StandInHost.h"

// What timing the room's loads needs of the loaded module.
struct LoadTimingModule {
    HMODULE dll = nullptr;
    HWND hostWnd = nullptr;
    CreateGameWndProc create = nullptr;
    InitGameWndProc init = nullptr;
    DestroyGameWndProc destroy = nullptr;
};

// Opens and closes the room `loads` times in this process, each load asynchronous, and prints one
// line per load: milliseconds from the InitGameWnd call to its return, to the ready post
// (WM_USER+6 with 1) and to the sounds being loaded, and the process's CPU milliseconds until then.
// Returns 0 when every load got that far.
int TimeLoads(StandInHost& host, const LoadTimingModule& module, const std::wstring& gameDir,
              const std::wstring& portalDir, int loads);
