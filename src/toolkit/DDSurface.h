#pragma once

#include <cstdint>

#include <ddraw.h>

#include "foundation/Win32.h"
#include "foundation/core/Geometry.h"
#include "graphics/resources/core/PixelFormat.h"

// Small tools for drawing on DirectDraw surfaces: the back buffer and the widgets' own surfaces.

inline RECT ToRECT(const Rect& r)
{
    return RECT{r.left, r.top, r.right, r.bottom};
}

// The pixel mode of a surface from its pixel format; None when it is none of 555, 565 and 32-bit.
PixelMode PixelModeOf(IDirectDrawSurface4* surface);

// The size of a surface; empty when it cannot be asked.
Size SurfaceSize(IDirectDrawSurface4* surface);

// Locks a part of a surface (the whole surface for an empty rectangle) and unlocks it on scope exit.
class SurfaceAreaLock {
public:
    SurfaceAreaLock(IDirectDrawSurface4* surface, const Rect& area = {});
    ~SurfaceAreaLock();
    SurfaceAreaLock(const SurfaceAreaLock&) = delete;
    SurfaceAreaLock& operator=(const SurfaceAreaLock&) = delete;

    bool IsLocked() const { return bits != nullptr; }
    HRESULT GetResult() const { return result; }
    // The first byte of the locked area's top row.
    uint8_t* Bits() const { return bits; }
    int Pitch() const { return pitch; }

private:
    IDirectDrawSurface4* surface;
    RECT rect{};
    bool whole = true;
    uint8_t* bits = nullptr;
    int pitch = 0;
    HRESULT result = DD_OK;
};

// A GDI device context on a surface, released on scope exit.
class SurfaceDC {
public:
    explicit SurfaceDC(IDirectDrawSurface4* surface);
    ~SurfaceDC();
    SurfaceDC(const SurfaceDC&) = delete;
    SurfaceDC& operator=(const SurfaceDC&) = delete;

    HDC Get() const { return dc; }
    explicit operator bool() const { return dc != nullptr; }

private:
    IDirectDrawSurface4* surface;
    HDC dc = nullptr;
};

// Fills a rectangle (clipped to the surface) with a COLORREF; DD_OK for an empty rectangle.
HRESULT FillSurfaceRect(IDirectDrawSurface4* surface, const Rect& area, uint32_t colorRef);

// Blends a COLORREF over a rectangle with alpha 0 (nothing) .. 255 (opaque).
HRESULT BlendSurfaceRect(IDirectDrawSurface4* surface, const Rect& area, uint32_t colorRef, int alpha);

// Draws the outline of a rectangle one pixel wide.
HRESULT FrameSurfaceRect(IDirectDrawSurface4* surface, const Rect& area, uint32_t colorRef);

// One pixel in the surface's own format; false when it cannot be read.
bool ReadSurfacePixel(IDirectDrawSurface4* surface, int x, int y, uint32_t& pixel);

// A plain off-screen surface in the display's format (system memory when asked).
enum class SurfaceMemory { Video, System };
HRESULT CreateOffscreenSurface(IDirectDraw4* dd, Size size, SurfaceMemory memory, IDirectDrawSurface4** out);
