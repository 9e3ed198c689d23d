#include "FakeDirectDraw.h"

#include <cstdint>
#include <cstring>

void LosingSurface::Lose()
{
    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof desc;
    if (SUCCEEDED(real->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr))) {
        for (DWORD y = 0; y < desc.dwHeight; ++y)
            std::memset(static_cast<uint8_t*>(desc.lpSurface) + y * desc.lPitch, 0, desc.dwWidth * (desc.ddpfPixelFormat.dwRGBBitCount / 8));
        real->Unlock(nullptr);
    }
    lost = true;
}

HRESULT STDMETHODCALLTYPE LosingSurface::QueryInterface(REFIID, void** out)
{
    *out = nullptr;
    return E_NOINTERFACE;
}
ULONG STDMETHODCALLTYPE LosingSurface::AddRef() { return ++refs; }
ULONG STDMETHODCALLTYPE LosingSurface::Release()
{
    const ULONG left = --refs;
    if (left == 0) delete this;
    return left;
}
HRESULT STDMETHODCALLTYPE LosingSurface::Lock(LPRECT rect, LPDDSURFACEDESC2 desc, DWORD flags, HANDLE event)
{
    return lost ? DDERR_SURFACELOST : real->Lock(rect, desc, flags, event);
}
HRESULT STDMETHODCALLTYPE LosingSurface::Restore()
{
    ++restores;
    lost = false;
    return DD_OK;
}
HRESULT STDMETHODCALLTYPE LosingSurface::IsLost() { return lost ? DDERR_SURFACELOST : DD_OK; }

HRESULT STDMETHODCALLTYPE FakeDirectDraw::QueryInterface(REFIID, void** out)
{
    *out = nullptr;
    return E_NOINTERFACE;
}
ULONG STDMETHODCALLTYPE FakeDirectDraw::AddRef() { return ++refs; }
ULONG STDMETHODCALLTYPE FakeDirectDraw::Release()
{
    const ULONG left = --refs;
    if (left == 0) delete this;
    return left;
}
HRESULT STDMETHODCALLTYPE FakeDirectDraw::CreateSurface(LPDDSURFACEDESC2 desc, LPDIRECTDRAWSURFACE4* out, IUnknown* outer)
{
    IDirectDrawSurface4* surface = nullptr;
    const HRESULT hr = real->CreateSurface(desc, &surface, outer);
    if (FAILED(hr)) return hr;
    auto* wrapped = new LosingSurface(surface);
    made.push_back(wrapped);
    *out = wrapped;
    return hr;
}
