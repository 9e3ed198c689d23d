#pragma once

// The module's exported helper class and values, kept for hosts that probe the library.
class CMirelle {
public:
    CMirelle();
    CMirelle& operator=(const CMirelle& other);
};

extern "C" {
extern int nMirelle;
int fnMirelle();
}
