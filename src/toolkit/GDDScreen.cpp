#include "toolkit/GDDScreen.h"

#include <utility>

#include "foundation/Debug.h"
#include "toolkit/DDSurface.h"

GDDScreen::~GDDScreen()
{
    Release();
}

HRESULT GDDScreen::Create(HWND wnd, Size wanted, ScreenMode m)
{
    Release();
    window = wnd;
    size = wanted;
    mode = m;
    if (!window || size.cx <= 0 || size.cy <= 0) return Keep(DDERR_INVALIDPARAMS);

    ComRef<IDirectDraw> dd1;
    HRESULT hr = DirectDrawCreate(nullptr, dd1.Put(), nullptr);
    if (FAILED(hr)) return Keep(Fail("DirectDrawCreate", hr));
    hr = dd1->QueryInterface(IID_IDirectDraw4, reinterpret_cast<void**>(dd.Put()));
    if (FAILED(hr)) return Keep(Fail("QueryInterface IDirectDraw4", hr));

    if (mode == ScreenMode::FullScreen) {
        hr = dd->SetCooperativeLevel(window, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN | DDSCL_ALLOWREBOOT);
        if (FAILED(hr)) return Keep(Fail("SetCooperativeLevel full screen", hr));
        hr = dd->SetDisplayMode(static_cast<DWORD>(size.cx), static_cast<DWORD>(size.cy), 16, 0, 0);
        if (FAILED(hr)) return Keep(Fail("SetDisplayMode 16-bit", hr));
    } else {
        hr = dd->SetCooperativeLevel(window, DDSCL_NORMAL);
        if (FAILED(hr)) return Keep(Fail("SetCooperativeLevel windowed", hr));
    }
    hr = CreateSurfaces();
    if (FAILED(hr)) Release();
    return Keep(hr);
}

HRESULT GDDScreen::CreateSurfaces()
{
    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof(desc);
    desc.dwFlags = DDSD_CAPS;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    HRESULT hr = dd->CreateSurface(&desc, primary.Put(), nullptr);
    if (FAILED(hr)) return Fail("CreateSurface primary", hr);

    if (mode == ScreenMode::Windowed) {
        hr = dd->CreateClipper(0, clipper.Put(), nullptr);
        if (FAILED(hr)) return Fail("CreateClipper", hr);
        hr = clipper->SetHWnd(0, window);
        if (FAILED(hr)) return Fail("SetHWnd", hr);
        hr = primary->SetClipper(clipper.Get());
        if (FAILED(hr)) return Fail("SetClipper", hr);
    }

    // The back buffer has the primary's format, so presenting is a plain copy.
    hr = CreateOffscreenSurface(dd.Get(), size, SurfaceMemory::Video, back.Put());
    if (FAILED(hr)) return hr;
    pixelMode = SurfacePixelMode(back.Get());
    if (pixelMode == PixelMode::None) return Fail("back buffer format", DDERR_INVALIDPIXELFORMAT);
    DDCOLORKEY key{GetColorKey(), GetColorKey()};
    back->SetColorKey(DDCKEY_SRCBLT, &key);
    return DD_OK;
}

void GDDScreen::Release()
{
    back.Reset();
    if (primary) primary->SetClipper(nullptr);
    clipper.Reset();
    primary.Reset();
    if (dd && mode == ScreenMode::FullScreen) {
        dd->RestoreDisplayMode();
        dd->SetCooperativeLevel(window, DDSCL_NORMAL);
    }
    dd.Reset();
    pixelMode = PixelMode::None;
}

int GDDScreen::GetDepth() const
{
    switch (pixelMode) {
    case PixelMode::Rgb555: return 15;
    case PixelMode::Rgb565: return 16;
    case PixelMode::Rgb32: return 32;
    default: return 0;
    }
}

HRESULT GDDScreen::TestCooperativeLevel()
{
    if (!dd) return Keep(DDERR_NOTINITIALIZED);
    return Keep(dd->TestCooperativeLevel());
}

int GDDScreen::Present(int left, int top, int right, int bottom)
{
    if (!primary || !back) {
        Keep(DDERR_NOTINITIALIZED);
        return 0;
    }
    const Rect area = Rect(left, top, right, bottom).Intersected(Rect({0, 0}, size));
    if (area.IsEmpty()) return 1;
    const RECT source = ToRECT(area);
    RECT destination = source;
    if (mode == ScreenMode::Windowed) {
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        OffsetRect(&destination, origin.x, origin.y);
    }
    HRESULT hr = BltToScreen(destination, source);
    if (hr == DDERR_SURFACELOST) {
        hr = RestoreSurfaces();
        if (SUCCEEDED(hr)) hr = BltToScreen(destination, source);
    }
    Keep(hr);
    if (FAILED(hr)) {
        Fail("Present", hr);
        return 0;
    }
    return 1;
}

HRESULT GDDScreen::BltToScreen(const RECT& destination, const RECT& source)
{
    RECT d = destination;
    RECT s = source;
    return primary->Blt(&d, back.Get(), &s, DDBLT_WAIT, nullptr);
}

HRESULT GDDScreen::RestoreSurfaces()
{
    HRESULT hr = primary->Restore();
    if (SUCCEEDED(hr)) hr = back->Restore();
    if (FAILED(hr)) return Fail("Restore", hr);
    restored = true;
    return hr;
}

bool GDDScreen::TakeRestored()
{
    return std::exchange(restored, false);
}
