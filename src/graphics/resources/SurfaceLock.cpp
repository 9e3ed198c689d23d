#include "graphics/resources/SurfaceLock.h"

PixelMode PixelModeOf(const DDPIXELFORMAT& f)
{
    if (!(f.dwFlags & DDPF_RGB)) return PixelMode::None;
    if (f.dwRGBBitCount == 32) return PixelMode::Rgb32;
    if (f.dwRGBBitCount == 16) {
        if (f.dwGBitMask == 0x07E0) return PixelMode::Rgb565;
        if (f.dwGBitMask == 0x03E0) return PixelMode::Rgb555;
    }
    return PixelMode::None;
}

PixelMode SurfacePixelMode(IDirectDrawSurface4* surface)
{
    if (!surface) return PixelMode::None;
    DDPIXELFORMAT f{};
    f.dwSize = sizeof f;
    return SUCCEEDED(surface->GetPixelFormat(&f)) ? PixelModeOf(f) : PixelMode::None;
}

DDPIXELFORMAT PixelFormatOf(PixelMode mode)
{
    DDPIXELFORMAT f{};
    f.dwSize = sizeof f;
    f.dwFlags = DDPF_RGB;
    switch (mode) {
    case PixelMode::Rgb565:
        f.dwRGBBitCount = 16, f.dwRBitMask = 0xF800, f.dwGBitMask = 0x07E0, f.dwBBitMask = 0x001F;
        break;
    case PixelMode::Rgb555:
        f.dwRGBBitCount = 16, f.dwRBitMask = 0x7C00, f.dwGBitMask = 0x03E0, f.dwBBitMask = 0x001F;
        break;
    default:
        f.dwRGBBitCount = 32, f.dwRBitMask = 0xFF0000, f.dwGBitMask = 0x00FF00, f.dwBBitMask = 0x0000FF;
        break;
    }
    return f;
}

SurfaceLock::SurfaceLock(IDirectDrawSurface4* s, const Rect& area, DWORD flags, OnLost onLost) :
    surface(s), rect{area.left, area.top, area.right, area.bottom}, whole(area.IsEmpty()), hr(DDERR_INVALIDPARAMS)
{
    if (!surface) return;
    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof desc;
    hr = surface->Lock(whole ? nullptr : &rect, &desc, flags, nullptr);
    if (hr == DDERR_SURFACELOST && onLost == OnLost::Restore && SUCCEEDED(surface->Restore()))
        hr = surface->Lock(whole ? nullptr : &rect, &desc, flags, nullptr);
    if (FAILED(hr)) return;
    const int32_t width = whole ? static_cast<int32_t>(desc.dwWidth) : area.Width();
    const int32_t height = whole ? static_cast<int32_t>(desc.dwHeight) : area.Height();
    view = {static_cast<uint8_t*>(desc.lpSurface), width, height, static_cast<int32_t>(desc.lPitch),
            PixelModeOf(desc.ddpfPixelFormat)};
}

SurfaceLock::~SurfaceLock()
{
    if (SUCCEEDED(hr)) surface->Unlock(whole ? nullptr : &rect);
}
