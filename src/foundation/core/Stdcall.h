#pragma once

// The calling convention of the COM-style interfaces at the host boundary.
#if defined(_WIN32)
#define MIRELLE_STDCALL __stdcall
#else
#define MIRELLE_STDCALL
#endif
