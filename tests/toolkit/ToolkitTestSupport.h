#pragma once

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "foundation/Debug.h"
#include "foundation/GWnd.h"
#include "graphics/resources/XResEntryMgr.h"
#include "toolkit/DDSurface.h"
#include "toolkit/GDDScreen.h"
#include "toolkit/GVWnd.h"

// Channels equal within the loss of a 565 pixel.
inline bool NearColor(Rgb a, Rgb b, int tolerance = 8)
{
    auto within = [tolerance](int x, int y) { return std::abs(x - y) <= tolerance; };
    return within(a.r, b.r) && within(a.g, b.g) && within(a.b, b.b);
}

// The depth the runner started the X server with.
inline int RequestedDepth()
{
    const char* d = std::getenv("MIRELLE_DEPTH");
    return d ? std::atoi(d) : 24;
}

// A mouse message to a widget with the left button held, as the scene passes it on.
inline int Send(GVWnd& w, UINT msg, Point p)
{
    if (msg == WM_MOUSEMOVE) return w.OnMouseMove(MK_LBUTTON, p);
    return msg == WM_LBUTTONDOWN ? w.OnLButtonDown(MK_LBUTTON, p) : w.OnLButtonUp(0, p);
}

// A visible 800 x 600 window with a windowed display on it, as the game window has.
class ScreenFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        const HWND h = window.Create("MirelleToolkitTestWnd", "toolkit", WS_POPUP | WS_VISIBLE, 0, 0, 0, 800, 600,
                                     nullptr);
        ASSERT_NE(h, nullptr);
        const HRESULT hr = screen.Create(h, {800, 600}, ScreenMode::Windowed);
        if (FAILED(hr)) GTEST_SKIP() << "no DirectDraw display, hr " << Hex(static_cast<unsigned long>(hr));
        // As the main window does: the image and text widgets draw through the manager's entries.
        ASSERT_EQ(XResEntryMgr::Instance().Bind(screen.GetDirectDraw(), Back(), screen.GetColorKey()), DD_OK);
    }
    void TearDown() override
    {
        XResEntryMgr::Instance().Unbind();
        screen.Release();
        window.Destroy();
    }

    IDirectDrawSurface4* Back() const { return screen.GetBackBuffer(); }
    PixelMode Mode() const { return screen.GetPixelMode(); }

    // The back buffer's pixel at (x, y) as 8-bit channels.
    Rgb PixelAt(int x, int y) const
    {
        uint32_t p = 0xCDCDCDCD;
        if (!ReadSurfacePixel(Back(), x, y, p)) return {1, 2, 3};
        return UnpackRgb(Mode(), p);
    }
    // Whether the pixel is near the colour; says which it is otherwise.
    ::testing::AssertionResult PixelIs(Point at, Rgb colour) const
    {
        const Rgb c = PixelAt(at.x, at.y);
        if (NearColor(c, colour)) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "pixel at " << at.x << "," << at.y << " is (" << int{c.r} << ","
                                             << int{c.g} << "," << int{c.b} << ")";
    }
    // Pixels of the area near the colour.
    int CountNear(const Rect& area, Rgb colour) const
    {
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) n += NearColor(PixelAt(x, y), colour, 40) ? 1 : 0;
        return n;
    }
    void Clear() { ASSERT_EQ(FillSurfaceRect(Back(), kAll, 0x000000), DD_OK); }

    static constexpr Rect kAll{0, 0, 800, 600};
    static constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255};
    GWnd window;
    GDDScreen screen;
};
