#pragma once

#include <exception>
#include <string>

#include "foundation/Win32.h"
#include "foundation/core/Text.h"

// One line of debug output (the module writes no log file).
void DebugLine(const char* fmt, ...) MIRELLE_PRINTF(1, 2);

// Reports a failed call once, with what was being done and the result in hex; returns hr.
HRESULT Fail(const char* what, HRESULT hr);

// "0x8876017C" for tests and debug lines.
std::string Hex(unsigned long value);

// Runs `body` and answers `failure` when it throws: nothing thrown crosses an export or a COM-style method.
template <class R, class F>
R GuardBoundary(const char* where, R failure, F&& body) noexcept
{
    try {
        return body();
    } catch (const std::exception& e) {
        DebugLine("%s: %s", where, e.what());
    } catch (...) {
        DebugLine("%s: unknown exception", where);
    }
    return failure;
}

template <class F>
void GuardBoundaryVoid(const char* where, F&& body) noexcept
{
    try {
        body();
    } catch (const std::exception& e) {
        DebugLine("%s: %s", where, e.what());
    } catch (...) {
        DebugLine("%s: unknown exception", where);
    }
}
