#pragma once

#include <ddraw.h>

#include "foundation/Win32.h"
#include "graphics/resources/core/Blit.h"

// The pixel mode of a DirectDraw pixel format; None for formats the blitters do not draw.
PixelMode PixelModeOf(const DDPIXELFORMAT& format);

// The DirectDraw pixel format of a mode, for creating surfaces of it.
DDPIXELFORMAT PixelFormatOf(PixelMode mode);

// Locks a whole surface for the blitters and unlocks it on scope exit.
class SurfaceLock {
public:
    explicit SurfaceLock(IDirectDrawSurface4* surface, DWORD flags = DDLOCK_WAIT);
    ~SurfaceLock();
    SurfaceLock(const SurfaceLock&) = delete;
    SurfaceLock& operator=(const SurfaceLock&) = delete;

    HRESULT Result() const { return hr; }
    bool IsLocked() const { return SUCCEEDED(hr); }
    // Invalid when the lock failed or the surface has a format the blitters do not draw.
    const PixelView& View() const { return view; }

private:
    IDirectDrawSurface4* surface;
    HRESULT hr;
    PixelView view;
};
