#pragma once

#include <cstdint>

#include <ddraw.h>

#include "foundation/ComRef.h"
#include "foundation/Win32.h"
#include "foundation/core/Geometry.h"
#include "graphics/resources/core/PixelFormat.h"

enum class ScreenMode { Windowed, FullScreen };

// The DirectDraw display of the game window: a primary surface (clipped to the window when windowed)
// and a back buffer of the window's size on which the scene draws; Present copies a part of it.
class GDDScreen {
public:
    GDDScreen() = default;
    virtual ~GDDScreen();
    GDDScreen(const GDDScreen&) = delete;
    GDDScreen& operator=(const GDDScreen&) = delete;

    // Opens the display for the window. Full screen asks for 16-bit colour; windowed takes the
    // desktop's format. Answers the DirectDraw result, also kept as the last result.
    HRESULT Create(HWND window, Size size, ScreenMode mode);
    void Release();

    IDirectDraw4* GetDirectDraw() const { return dd.Get(); }
    IDirectDrawSurface4* GetBackBuffer() const { return back.Get(); }
    IDirectDrawSurface4* GetPrimary() const { return primary.Get(); }
    HWND GetWindow() const { return window; }
    Size GetSize() const { return size; }
    ScreenMode GetMode() const { return mode; }
    PixelMode GetPixelMode() const { return pixelMode; }
    // The colour key of the back buffer's format: 0x7C1F, 0xF81F or 0xFF00FF.
    uint32_t GetColorKey() const { return ColorKeyOf(pixelMode); }
    // Bits per pixel of the back buffer (15 for 555), 0 before Create.
    int GetDepth() const;
    HRESULT GetLastResult() const { return lastResult; }
    HRESULT TestCooperativeLevel();

    // Copies that area of the back buffer (back-buffer coordinates) to the screen; a lost surface
    // is restored and the copy tried once more. 1 on success, 0 on failure.
    int Present(int left, int top, int right, int bottom);

    // True once after the surfaces were restored: the back buffer's picture is gone and the
    // scene has to draw everything again.
    bool TakeRestored();

protected:
    // The copy itself and the restore, apart so a test can stand in for a surface the machine cannot lose.
    virtual HRESULT BltToScreen(const RECT& destination, const RECT& source);
    virtual HRESULT RestoreSurfaces();

private:
    HRESULT CreateSurfaces();
    HRESULT Keep(HRESULT hr) { return lastResult = hr; }

    HWND window = nullptr;
    Size size;
    ScreenMode mode = ScreenMode::Windowed;
    PixelMode pixelMode = PixelMode::None;
    ComRef<IDirectDraw4> dd;
    ComRef<IDirectDrawSurface4> primary;
    ComRef<IDirectDrawSurface4> back;
    ComRef<IDirectDrawClipper> clipper;
    HRESULT lastResult = DD_OK;
    bool restored = false;
};
