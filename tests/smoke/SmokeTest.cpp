// The platform the module runs on, checked under Wine: the module loads, DirectDraw gives the
// surface format of the display depth, DirectSound opens. The Korean code page is checked by the
// foundation's text tests.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include <ddraw.h>
#include <dsound.h>

#include "foundation/ComRef.h"
#include "foundation/Debug.h"

namespace {

int DisplayDepth()
{
    const char* d = std::getenv("MIRELLE_DEPTH");
    return d ? std::atoi(d) : 24;
}

struct Library {
    HMODULE module = LoadLibraryA("Mirelle.dll");
    ~Library()
    {
        if (module) FreeLibrary(module);
    }
};

}  // namespace

TEST(Smoke, ModuleLoadsAndItsExportsWork)
{
    Library lib;
    ASSERT_NE(lib.module, nullptr) << "LoadLibrary failed, error " << GetLastError();

    using FnMirelle = int (*)();
    const auto fn = reinterpret_cast<FnMirelle>(reinterpret_cast<void (*)()>(GetProcAddress(lib.module, "fnMirelle")));
    ASSERT_NE(fn, nullptr);
    EXPECT_EQ(fn(), 42);

    const auto* n = reinterpret_cast<const int*>(GetProcAddress(lib.module, "nMirelle"));
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(*n, 0);

    using Ctor = void(__attribute__((thiscall)) *)(void*);
    using Assign = void*(__attribute__((thiscall)) *)(void*, const void*);
    const auto ctor = reinterpret_cast<Ctor>(reinterpret_cast<void (*)()>(GetProcAddress(lib.module, "_ZN8CMirelleC1Ev")));
    const auto assign =
        reinterpret_cast<Assign>(reinterpret_cast<void (*)()>(GetProcAddress(lib.module, "_ZN8CMirelleaSERKS_")));
    ASSERT_NE(ctor, nullptr);
    ASSERT_NE(assign, nullptr);
    alignas(8) unsigned char a[8] = {}, b[8] = {};
    ctor(a);
    ctor(b);
    EXPECT_EQ(assign(a, b), a) << "assignment returns its own object";
}

TEST(Smoke, OffscreenSurfaceHasTheDisplayFormat)
{
    ComRef<IDirectDraw> dd1;
    HRESULT hr = DirectDrawCreate(nullptr, dd1.Put(), nullptr);
    ASSERT_EQ(hr, DD_OK) << "DirectDrawCreate " << Hex(hr);
    ComRef<IDirectDraw4> dd;
    hr = dd1->QueryInterface(IID_IDirectDraw4, reinterpret_cast<void**>(dd.Put()));
    ASSERT_EQ(hr, DD_OK) << "IDirectDraw4 " << Hex(hr);
    hr = dd->SetCooperativeLevel(nullptr, DDSCL_NORMAL);
    ASSERT_EQ(hr, DD_OK) << "SetCooperativeLevel " << Hex(hr);

    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
    desc.dwWidth = 64;
    desc.dwHeight = 32;
    ComRef<IDirectDrawSurface4> surface;
    hr = dd->CreateSurface(&desc, surface.Put(), nullptr);
    ASSERT_EQ(hr, DD_OK) << "CreateSurface " << Hex(hr);

    DDSURFACEDESC2 locked{};
    locked.dwSize = sizeof locked;
    hr = surface->Lock(nullptr, &locked, DDLOCK_WAIT, nullptr);
    ASSERT_EQ(hr, DD_OK) << "Lock " << Hex(hr);
    const DDPIXELFORMAT pf = locked.ddpfPixelFormat;
    if (DisplayDepth() == 16) {
        EXPECT_EQ(pf.dwRGBBitCount, 16u);
        EXPECT_EQ(pf.dwRBitMask, 0xF800u);
        EXPECT_EQ(pf.dwGBitMask, 0x07E0u);
        EXPECT_EQ(pf.dwBBitMask, 0x001Fu);
    } else {
        EXPECT_EQ(pf.dwRGBBitCount, 32u);
        EXPECT_EQ(pf.dwRBitMask, 0xFF0000u);
    }
    EXPECT_GE(locked.lPitch, static_cast<LONG>(64 * pf.dwRGBBitCount / 8));
    std::memset(locked.lpSurface, 0xAB, static_cast<size_t>(locked.lPitch) * 32);
    EXPECT_EQ(surface->Unlock(nullptr), DD_OK);

    EXPECT_EQ(surface.Reset(), 0u);
    dd.Reset();  // each interface version counts its own references
    EXPECT_EQ(dd1.Reset(), 0u);
}

// The sound tests skip without a device; here a device that fails to open for another reason fails.
TEST(Smoke, DirectSoundOpens)
{
    ComRef<IDirectSound> ds;
    const HRESULT hr = DirectSoundCreate(nullptr, ds.Put(), nullptr);
    if (hr == DSERR_NODRIVER) GTEST_SKIP() << "no sound device, hr " << Hex(hr);
    ASSERT_EQ(hr, DS_OK) << "DirectSoundCreate " << Hex(hr);
    EXPECT_EQ(ds->SetCooperativeLevel(GetDesktopWindow(), DSSCL_PRIORITY), DS_OK);
    EXPECT_EQ(ds.Reset(), 0u);
}
