#pragma once

#include <cstdint>

#include <ddraw.h>

#include "foundation/Win32.h"
#include "foundation/core/Geometry.h"
#include "graphics/resources/SurfaceLock.h"

// Small tools for drawing on DirectDraw surfaces: the back buffer and the widgets' own surfaces.
// Surfaces are locked with SurfaceLock and their format read with SurfacePixelMode.

inline RECT ToRECT(const Rect& r)
{
    return RECT{r.left, r.top, r.right, r.bottom};
}

// The size of a surface; empty when it cannot be asked.
Size SurfaceSize(IDirectDrawSurface4* surface);

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
