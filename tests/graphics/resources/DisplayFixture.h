#pragma once

#include <gtest/gtest.h>

#include <ddraw.h>

#include "foundation/ComRef.h"
#include "graphics/sprite/core/SpriteTestData.h"
#include "graphics/resources/SurfaceLock.h"

// A DirectDraw object in normal cooperative mode and off-screen system-memory surfaces of the
// display's format, the way the display's back buffer has it.
struct TestDisplay {
    ComRef<IDirectDraw4> dd;
    ComRef<IDirectDrawSurface4> backBuffer;
    PixelMode mode = PixelMode::None;
    HRESULT hr = E_FAIL;

    TestDisplay();
    ComRef<IDirectDrawSurface4> MakeSurface(int32_t w, int32_t h) const;
    uint32_t Key() const { return ColorKeyOf(mode); }
};

// Reads one pixel of a surface as 8-bit channels.
Rgb ReadPixel(IDirectDrawSurface4* surface, int32_t x, int32_t y);
void FillSurface(IDirectDrawSurface4* surface, uint32_t value);
