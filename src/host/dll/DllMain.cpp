#include "host/dll/Mirelle.h"

#include "foundation/Win32.h"

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

}  // extern "C"

CMirelle::CMirelle() = default;

CMirelle& CMirelle::operator=(const CMirelle&) = default;
