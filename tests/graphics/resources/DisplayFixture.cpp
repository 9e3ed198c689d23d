#include "DisplayFixture.h"

TestDisplay::TestDisplay()
{
    ComRef<IDirectDraw> first;
    hr = DirectDrawCreate(nullptr, first.Put(), nullptr);
    if (FAILED(hr)) return;
    hr = first->QueryInterface(IID_IDirectDraw4, reinterpret_cast<void**>(dd.Put()));
    if (FAILED(hr)) return;
    hr = dd->SetCooperativeLevel(nullptr, DDSCL_NORMAL);
    if (FAILED(hr)) return;
    backBuffer = MakeSurface(64, 48);
    if (!backBuffer) {
        hr = E_FAIL;
        return;
    }
    DDPIXELFORMAT f{};
    f.dwSize = sizeof f;
    hr = backBuffer->GetPixelFormat(&f);
    mode = PixelModeOf(f);
}

ComRef<IDirectDrawSurface4> TestDisplay::MakeSurface(int32_t w, int32_t h) const
{
    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    desc.dwWidth = static_cast<DWORD>(w);
    desc.dwHeight = static_cast<DWORD>(h);
    desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
    ComRef<IDirectDrawSurface4> s;
    if (FAILED(dd->CreateSurface(&desc, s.Put(), nullptr))) return {};
    return s;
}

Rgb ReadPixel(IDirectDrawSurface4* surface, int32_t x, int32_t y)
{
    SurfaceLock lock(surface);
    if (!lock.View().IsValid()) return {1, 2, 3};
    return UnpackRgb(lock.View().mode, lock.View().PixelAt(x, y));
}

void FillSurface(IDirectDrawSurface4* surface, uint32_t value)
{
    SurfaceLock lock(surface);
    const PixelView& v = lock.View();
    for (int32_t y = 0; y < v.height; ++y)
        for (int32_t x = 0; x < v.width; ++x) v.SetPixel(x, y, value);
}
