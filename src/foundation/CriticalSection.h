#pragma once

#include "foundation/Win32.h"

class CriticalSection {
public:
    explicit CriticalSection(DWORD spinCount = 0) { InitializeCriticalSectionAndSpinCount(&cs, spinCount); }
    ~CriticalSection() { DeleteCriticalSection(&cs); }
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;

    void Enter() { EnterCriticalSection(&cs); }
    void Leave() { LeaveCriticalSection(&cs); }

private:
    CRITICAL_SECTION cs;
};

class CsLock {
public:
    explicit CsLock(CriticalSection& c) : cs(c) { cs.Enter(); }
    ~CsLock() { cs.Leave(); }
    CsLock(const CsLock&) = delete;
    CsLock& operator=(const CsLock&) = delete;

private:
    CriticalSection& cs;
};
