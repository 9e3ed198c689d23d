#include "graphics/sprite/K_DDRender_Obj.h"

#include "foundation/Debug.h"

K_DDRender_Obj::K_DDRender_Obj(IDirectDrawSurface4* target) : surface(target) {}

K_DDRender_Obj::~K_DDRender_Obj()
{
    ReleaseDC();
    Unlock();
}

K_Dib_Draw* K_DDRender_Obj::Lock()
{
    if (locked) return &image;
    if (!surface) return nullptr;
    ReleaseDC();
    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof(desc);
    lastResult = surface->Lock(nullptr, &desc, DDLOCK_WAIT | DDLOCK_SURFACEMEMORYPTR, nullptr);
    if (lastResult == DDERR_SURFACELOST && SUCCEEDED(surface->Restore()))
        lastResult = surface->Lock(nullptr, &desc, DDLOCK_WAIT | DDLOCK_SURFACEMEMORYPTR, nullptr);
    if (FAILED(lastResult)) {
        Fail("K_DDRender_Obj::Lock", lastResult);
        return nullptr;
    }
    locked = true;
    const auto bits = static_cast<int32_t>(desc.ddpfPixelFormat.dwRGBBitCount);
    if (!image.Attach(desc.lpSurface, static_cast<int32_t>(desc.dwWidth), static_cast<int32_t>(desc.dwHeight),
                      static_cast<int32_t>(desc.lPitch), bits)) {
        DebugLine("K_DDRender_Obj::Lock: %d bits per pixel cannot be drawn", static_cast<int>(bits));
        Unlock();
        return nullptr;
    }
    return &image;
}

void K_DDRender_Obj::Unlock()
{
    if (!locked) return;
    image.Detach();
    surface->Unlock(nullptr);
    locked = false;
}

HDC K_DDRender_Obj::GetDC()
{
    if (dc) return dc;
    if (!surface) return nullptr;
    Unlock();
    lastResult = surface->GetDC(&dc);
    if (FAILED(lastResult)) {
        Fail("K_DDRender_Obj::GetDC", lastResult);
        dc = nullptr;
    }
    return dc;
}

void K_DDRender_Obj::ReleaseDC()
{
    if (!dc) return;
    surface->ReleaseDC(dc);
    dc = nullptr;
}
