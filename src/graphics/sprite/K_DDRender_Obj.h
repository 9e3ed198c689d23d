#pragma once

#include <ddraw.h>

#include "foundation/Win32.h"
#include "graphics/sprite/core/K_Dib.h"

// A per-draw object around a DirectDraw surface: Lock gives an image on the locked surface
// memory, GetDC a device context; the destructor gives back whichever is held.
class K_DDRender_Obj {
public:
    explicit K_DDRender_Obj(IDirectDrawSurface4* target);
    K_DDRender_Obj(const K_DDRender_Obj&) = delete;
    K_DDRender_Obj& operator=(const K_DDRender_Obj&) = delete;
    ~K_DDRender_Obj();

    // Null when the lock fails or the surface is neither 16 nor 32 bits per pixel; a second call
    // gives the same image. A lost surface is restored once and the lock retried.
    K_Dib_Draw* Lock();
    void Unlock();
    // Unlocks first (a surface cannot be locked and hold a DC at once); null on failure.
    HDC GetDC();
    void ReleaseDC();

    HRESULT GetLastResult() const { return lastResult; }

private:
    IDirectDrawSurface4* surface;  // not owned
    K_Dib_Draw image;
    bool locked = false;
    HDC dc = nullptr;
    HRESULT lastResult = DD_OK;
};
