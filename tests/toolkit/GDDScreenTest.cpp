#include <gtest/gtest.h>

#include "ToolkitTestSupport.h"
#include "toolkit/GDDScreen.h"

TEST_F(ScreenFixture, BackBufferFollowsTheDisplayDepth)
{
    const bool d16 = RequestedDepth() == 16;
    EXPECT_EQ(screen.GetPixelMode(), d16 ? PixelMode::Rgb565 : PixelMode::Rgb32);
    EXPECT_EQ(screen.GetDepth(), d16 ? 16 : 32);
    EXPECT_EQ(screen.GetColorKey(), d16 ? 0xF81Fu : 0xFF00FFu);
    EXPECT_EQ(SurfaceSize(Back()), Size(800, 600));
    EXPECT_EQ(screen.TestCooperativeLevel(), DD_OK);
}

TEST_F(ScreenFixture, PresentCopiesTheBackBufferToTheWindow)
{
    ASSERT_EQ(FillSurfaceRect(Back(), kAll, 0x00FF00), DD_OK);
    // What reached the window, read back through GDI once Wine has mapped it.
    COLORREF seen = 0xCDCDCDCD;
    auto green = [&] { return NearColor({GetRValue(seen), GetGValue(seen), GetBValue(seen)}, kGreen); };
    for (int attempt = 0; attempt < 20 && !green(); ++attempt) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        EXPECT_EQ(screen.Present(0, 0, 800, 600), 1);
        EXPECT_EQ(screen.GetLastResult(), DD_OK);
        const HDC dc = GetDC(window.GetHwnd());
        seen = GetPixel(dc, 400, 300);
        ReleaseDC(window.GetHwnd(), dc);
        if (!green()) Sleep(50);
    }
    EXPECT_TRUE(green()) << Hex(seen);
    EXPECT_EQ(screen.Present(790, 590, 900, 700), 1) << "an area beyond the buffer is clipped";
    EXPECT_EQ(screen.Present(900, 900, 1000, 1000), 1) << "nothing to copy";
}

namespace {

// Wine never loses a surface: this display reports the first `losses` copies as lost.
class LosingScreen : public GDDScreen {
public:
    int losses = 0, copies = 0, restores = 0;

protected:
    HRESULT BltToScreen(const RECT& d, const RECT& s) override
    {
        ++copies;
        return losses-- > 0 ? DDERR_SURFACELOST : GDDScreen::BltToScreen(d, s);
    }
    HRESULT RestoreSurfaces() override
    {
        ++restores;
        return GDDScreen::RestoreSurfaces();
    }
};

}  // namespace

TEST_F(ScreenFixture, PresentRestoresALostSurfaceAndRetriesOnce)
{
    const struct { const char* name; int losses, answer, copies, restores; HRESULT last; bool restored; } cases[] = {
        {"not lost", 0, 1, 1, 0, DD_OK, false},
        {"lost once: restored and copied again", 1, 1, 2, 1, DD_OK, true},
        {"lost again after the restore: one retry only", 5, 0, 2, 1, DDERR_SURFACELOST, true},
    };
    for (const auto& c : cases) {
        LosingScreen s;
        ASSERT_EQ(s.Create(window.GetHwnd(), {800, 600}, ScreenMode::Windowed), DD_OK) << c.name;
        s.losses = c.losses;
        EXPECT_TRUE(s.Present(0, 0, 800, 600) == c.answer && s.GetLastResult() == c.last)
            << c.name << ": last result " << Hex(static_cast<unsigned long>(s.GetLastResult()));
        EXPECT_TRUE(s.copies == c.copies && s.restores == c.restores)
            << c.name << ": copies " << s.copies << ", restores " << s.restores;
        EXPECT_TRUE(s.TakeRestored() == c.restored && !s.TakeRestored()) << c.name << ": the scene learns it once";
    }
}
