#pragma once

#include <gtest/gtest.h>

#include <ddraw.h>

#include "foundation/ComRef.h"
#include "graphics/resources/SurfaceLock.h"
#include "graphics/sprite/core/SpriteTestData.h"

// A DirectDraw object in normal cooperative mode and off-screen system-memory surfaces of the
// display's format, the way the display's back buffer has it.
struct TestDisplay {
    ComRef<IDirectDraw4> dd;
    ComRef<IDirectDrawSurface4> backBuffer;
    PixelMode mode = PixelMode::None;
    HRESULT hr = E_FAIL;

    TestDisplay()
    {
        ComRef<IDirectDraw> first;
        if (FAILED(hr = DirectDrawCreate(nullptr, first.Put(), nullptr))) return;
        if (FAILED(hr = first->QueryInterface(IID_IDirectDraw4, reinterpret_cast<void**>(dd.Put())))) return;
        if (FAILED(hr = dd->SetCooperativeLevel(nullptr, DDSCL_NORMAL))) return;
        backBuffer = MakeSurface(64, 48);
        mode = SurfacePixelMode(backBuffer.Get());
        hr = backBuffer ? DD_OK : E_FAIL;
    }
    ComRef<IDirectDrawSurface4> MakeSurface(int32_t w, int32_t h) const
    {
        DDSURFACEDESC2 desc{};
        desc.dwSize = sizeof desc;
        desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
        desc.dwWidth = DWORD(w), desc.dwHeight = DWORD(h);
        desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
        ComRef<IDirectDrawSurface4> s;
        if (FAILED(dd->CreateSurface(&desc, s.Put(), nullptr))) return {};
        return s;
    }
    uint32_t Key() const { return ColorKeyOf(mode); }
};

// One pixel of a surface as 8-bit channels.
inline Rgb ReadPixel(IDirectDrawSurface4* surface, int32_t x, int32_t y)
{
    SurfaceLock lock(surface);
    return lock.View().IsValid() ? UnpackRgb(lock.View().mode, lock.View().PixelAt(x, y)) : Rgb{1, 2, 3};
}

inline void FillSurface(IDirectDrawSurface4* surface, uint32_t value)
{
    SurfaceLock lock(surface);
    for (int32_t y = 0; y < lock.View().height; ++y)
        for (int32_t x = 0; x < lock.View().width; ++x) lock.View().SetPixel(x, y, value);
}
