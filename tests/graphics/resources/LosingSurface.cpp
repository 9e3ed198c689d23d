#include "LosingSurface.h"

#include <cstdint>
#include <cstring>

namespace {

// The slot of a virtual method: g++ stores one more than its byte offset in the table.
template <class F>
size_t SlotOf(F method)
{
    ptrdiff_t raw = 0;
    std::memcpy(&raw, &method, sizeof raw);
    return static_cast<size_t>(raw - 1) / sizeof(void*);
}

void*const*& TableOf(IDirectDrawSurface4* s) { return *reinterpret_cast<void* const**>(s); }

using LockFn = HRESULT(STDMETHODCALLTYPE*)(IDirectDrawSurface4*, RECT*, DDSURFACEDESC2*, DWORD, HANDLE);

}  // namespace

LosingSurface::LosingSurface(ComRef<IDirectDrawSurface4> s) : surface(std::move(s))
{
    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof desc;
    if (SUCCEEDED(surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr))) {
        for (DWORD y = 0; y < desc.dwHeight; ++y)
            std::memset(static_cast<uint8_t*>(desc.lpSurface) + y * desc.lPitch, 0, desc.dwWidth * (desc.ddpfPixelFormat.dwRGBBitCount / 8));
        surface->Unlock(nullptr);
    }
    original = TableOf(surface.Get());
    table.assign(original, original + SlotOf(&IDirectDrawSurface4::ChangeUniquenessValue) + 1);
    table[SlotOf(&IDirectDrawSurface4::Lock)] = reinterpret_cast<void*>(&LosingSurface::Lock);
    table[SlotOf(&IDirectDrawSurface4::Restore)] = reinterpret_cast<void*>(&LosingSurface::Restore);
    TableOf(surface.Get()) = table.data();
    lost = true;
    restores = 0;
}

LosingSurface::~LosingSurface() { TableOf(surface.Get()) = original; }

HRESULT STDMETHODCALLTYPE LosingSurface::Lock(IDirectDrawSurface4* self, RECT* r, DDSURFACEDESC2* d, DWORD f, HANDLE e)
{
    if (lost) return DDERR_SURFACELOST;
    return reinterpret_cast<LockFn>(original[SlotOf(&IDirectDrawSurface4::Lock)])(self, r, d, f, e);
}

HRESULT STDMETHODCALLTYPE LosingSurface::Restore(IDirectDrawSurface4*)
{
    ++restores;
    lost = false;
    return DD_OK;
}
