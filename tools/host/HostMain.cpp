// The stand-in host: loads the module as the portal's launcher does and reports what it finds.
#include <cstdio>
#include <initializer_list>

#include <windows.h>

namespace {

FARPROC Find(HMODULE module, const char* name)
{
    const FARPROC p = GetProcAddress(module, name);
    std::printf("  %-24s %s\n", name, p ? "found" : "missing");
    return p;
}

}  // namespace

int main(int argc, char** argv)
{
    const char* path = argc > 1 ? argv[1] : "Mirelle.dll";
    const HMODULE module = LoadLibraryA(path);
    if (!module) {
        std::printf("cannot load %s, error %lu\n", path, GetLastError());
        return 1;
    }
    std::printf("loaded %s, ANSI code page %u\n", path, GetACP());
    const auto fn = reinterpret_cast<int (*)()>(reinterpret_cast<void (*)()>(Find(module, "fnMirelle")));
    const auto* n = reinterpret_cast<const int*>(Find(module, "nMirelle"));
    Find(module, "_ZN8CMirelleC1Ev");
    Find(module, "_ZN8CMirelleaSERKS_");
    for (const char* name : {"CreateGameWnd", "InitGameWnd", "DestroyGameWnd"}) Find(module, name);
    if (fn) std::printf("fnMirelle() = %d\n", fn());
    if (n) std::printf("nMirelle = %d\n", *n);
    FreeLibrary(module);
    return 0;
}
