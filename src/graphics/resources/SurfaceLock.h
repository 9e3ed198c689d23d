#pragma once

#include <ddraw.h>

#include "foundation/Win32.h"
#include "foundation/core/Geometry.h"
#include "graphics/resources/core/Blit.h"

// The pixel mode of a DirectDraw pixel format; None for formats the blitters do not draw.
PixelMode PixelModeOf(const DDPIXELFORMAT& format);

// The pixel mode of a surface; None when it cannot be asked or is none of the blitters' formats.
PixelMode SurfacePixelMode(IDirectDrawSurface4* surface);

// The DirectDraw pixel format of a mode, for creating surfaces of it.
DDPIXELFORMAT PixelFormatOf(PixelMode mode);

// What a lock does when the surface's memory is gone: fail with DDERR_SURFACELOST, or restore
// the surface (its picture is lost) and lock it again.
enum class OnLost { Fail, Restore };

// Locks a surface, or only a part of it, for the blitters and unlocks it on scope exit.
class SurfaceLock {
public:
    explicit SurfaceLock(IDirectDrawSurface4* target, DWORD flags = DDLOCK_WAIT) : SurfaceLock(target, Rect{}, flags) {}
    // An empty area locks the whole surface; otherwise View() covers the area alone, its (0, 0)
    // at the area's top-left.
    SurfaceLock(IDirectDrawSurface4* surface, const Rect& area, DWORD flags = DDLOCK_WAIT, OnLost onLost = OnLost::Fail);
    ~SurfaceLock();
    SurfaceLock(const SurfaceLock&) = delete;
    SurfaceLock& operator=(const SurfaceLock&) = delete;

    HRESULT Result() const { return hr; }
    bool IsLocked() const { return SUCCEEDED(hr); }
    // Invalid when the lock failed or the surface has a format the blitters do not draw.
    const PixelView& View() const { return view; }

private:
    IDirectDrawSurface4* surface;
    RECT rect{};
    bool whole;
    HRESULT hr;
    PixelView view;
};
