#pragma once

#include <ddraw.h>

#include <vector>

#include "foundation/ComRef.h"

// Wine never loses a surface. This makes one real surface lost: its memory is wiped and Lock
// fails with DDERR_SURFACELOST until Restore. The object gets a copy of its method table in
// which Lock and Restore are ours; the original goes back with this object.
class LosingSurface {
public:
    explicit LosingSurface(ComRef<IDirectDrawSurface4> s);
    ~LosingSurface();
    LosingSurface(const LosingSurface&) = delete;
    LosingSurface& operator=(const LosingSurface&) = delete;

    static inline int restores = 0;

private:
    static HRESULT STDMETHODCALLTYPE Lock(IDirectDrawSurface4* self, RECT* r, DDSURFACEDESC2* d, DWORD f, HANDLE e);
    static HRESULT STDMETHODCALLTYPE Restore(IDirectDrawSurface4* self);

    static inline bool lost = false;
    static inline void* const* original = nullptr;
    ComRef<IDirectDrawSurface4> surface;
    std::vector<void*> table;
};
