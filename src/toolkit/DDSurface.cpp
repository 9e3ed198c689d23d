#include "toolkit/DDSurface.h"

#include "foundation/Debug.h"
#include "toolkit/core/PixelBlend.h"

Size SurfaceSize(IDirectDrawSurface4* surface)
{
    if (!surface) return {};
    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof(desc);
    if (FAILED(surface->GetSurfaceDesc(&desc))) return {};
    return {static_cast<int32_t>(desc.dwWidth), static_cast<int32_t>(desc.dwHeight)};
}

SurfaceDC::SurfaceDC(IDirectDrawSurface4* s) : surface(s)
{
    if (!surface) return;
    HRESULT hr = surface->GetDC(&dc);
    if (hr == DDERR_SURFACELOST && SUCCEEDED(surface->Restore())) hr = surface->GetDC(&dc);
    if (FAILED(hr)) {
        Fail("GetDC", hr);
        dc = nullptr;
    }
}

SurfaceDC::~SurfaceDC()
{
    if (dc) surface->ReleaseDC(dc);
}

namespace {

Rect ClipToSurface(IDirectDrawSurface4* surface, const Rect& area)
{
    const Size size = SurfaceSize(surface);
    return area.Intersected(Rect({0, 0}, size));
}

}  // namespace

HRESULT FillSurfaceRect(IDirectDrawSurface4* surface, const Rect& area, uint32_t colorRef)
{
    if (!surface) return DDERR_INVALIDPARAMS;
    const Rect clipped = ClipToSurface(surface, area);
    if (clipped.IsEmpty()) return DD_OK;
    DDBLTFX fx{};
    fx.dwSize = sizeof(fx);
    fx.dwFillColor = PackColorRef(SurfacePixelMode(surface), colorRef);
    RECT r = ToRECT(clipped);
    HRESULT hr = surface->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
    if (hr == DDERR_SURFACELOST && SUCCEEDED(surface->Restore()))
        hr = surface->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
    return FAILED(hr) ? Fail("Blt colour fill", hr) : hr;
}

HRESULT BlendSurfaceRect(IDirectDrawSurface4* surface, const Rect& area, uint32_t colorRef, int alpha)
{
    if (alpha >= 255) return FillSurfaceRect(surface, area, colorRef);
    if (!surface) return DDERR_INVALIDPARAMS;
    const Rect clipped = ClipToSurface(surface, area);
    if (clipped.IsEmpty() || alpha <= 0) return DD_OK;
    const SurfaceLock lock(surface, clipped, DDLOCK_WAIT, OnLost::Restore);
    if (!lock.IsLocked()) return Fail("Lock to blend", lock.Result());
    const PixelView& view = lock.View();
    if (!view.IsValid()) return DDERR_INVALIDPIXELFORMAT;
    const uint32_t colour = PackColorRef(view.mode, colorRef);
    for (int32_t y = 0; y < view.height; ++y) BlendRow(view.mode, view.Row(y), view.width, colour, alpha);
    return DD_OK;
}

HRESULT FrameSurfaceRect(IDirectDrawSurface4* surface, const Rect& area, uint32_t colorRef)
{
    if (area.IsEmpty()) return DD_OK;
    const Rect sides[] = {
        {area.left, area.top, area.right, area.top + 1},
        {area.left, area.bottom - 1, area.right, area.bottom},
        {area.left, area.top + 1, area.left + 1, area.bottom - 1},
        {area.right - 1, area.top + 1, area.right, area.bottom - 1},
    };
    for (const Rect& side : sides) {
        const HRESULT hr = FillSurfaceRect(surface, side, colorRef);
        if (FAILED(hr)) return hr;
    }
    return DD_OK;
}

bool ReadSurfacePixel(IDirectDrawSurface4* surface, int x, int y, uint32_t& pixel)
{
    if (!Rect({0, 0}, SurfaceSize(surface)).Contains(x, y)) return false;
    const SurfaceLock lock(surface, Rect(x, y, x + 1, y + 1), DDLOCK_WAIT | DDLOCK_READONLY, OnLost::Restore);
    if (!lock.IsLocked() || !lock.View().IsValid()) return false;
    pixel = lock.View().PixelAt(0, 0);
    return true;
}

HRESULT CreateOffscreenSurface(IDirectDraw4* dd, Size size, SurfaceMemory memory, IDirectDrawSurface4** out)
{
    if (!dd || !out || size.cx <= 0 || size.cy <= 0) return DDERR_INVALIDPARAMS;
    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof(desc);
    desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    desc.dwWidth = static_cast<DWORD>(size.cx);
    desc.dwHeight = static_cast<DWORD>(size.cy);
    desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN |
                          (memory == SurfaceMemory::System ? DDSCAPS_SYSTEMMEMORY : DDSCAPS_VIDEOMEMORY);
    HRESULT hr = dd->CreateSurface(&desc, out, nullptr);
    if (FAILED(hr) && memory == SurfaceMemory::Video) {
        // Video memory may be short: system memory draws the same, only slower.
        desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
        hr = dd->CreateSurface(&desc, out, nullptr);
    }
    return FAILED(hr) ? Fail("CreateSurface off-screen", hr) : hr;
}
