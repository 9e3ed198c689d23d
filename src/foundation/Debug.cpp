#include "foundation/Debug.h"

#include <cstdarg>

void DebugLine(const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    std::string line = "Mirelle: " + FormatTextV(fmt, args) + "\n";
    va_end(args);
    OutputDebugStringA(line.c_str());
}

HRESULT Fail(const char* what, HRESULT hr)
{
    DebugLine("%s failed, hr 0x%08lX", what, static_cast<unsigned long>(hr));
    return hr;
}

std::string Hex(unsigned long value)
{
    return FormatText("0x%08lX", value);
}
