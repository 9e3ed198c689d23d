#include <gtest/gtest.h>

#include "foundation/ComRef.h"
#include "foundation/Debug.h"
#include "graphics/sprite/K_DDRender_Obj.h"
#include "graphics/sprite/core/FXMan.h"
#include "graphics/sprite/core/SpriteFormats.h"

namespace {

PixelMode ModeOf(const DDPIXELFORMAT& pf)
{
    if (pf.dwRGBBitCount == 32) return PixelMode::Rgb32;
    if (pf.dwRGBBitCount == 16) return pf.dwGBitMask == 0x7E0 ? PixelMode::Rgb565 : PixelMode::Rgb555;
    return PixelMode::None;
}

// An off-screen surface in the display's format, the pixel mode it has and the DirectDraw object.
class DDRenderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ComRef<IDirectDraw> dd1;
        HRESULT hr = DirectDrawCreate(nullptr, dd1.Put(), nullptr);
        if (FAILED(hr)) {
            GTEST_SKIP() << "no DirectDraw, hr " << Hex(static_cast<unsigned long>(hr));
        }
        ASSERT_TRUE(SUCCEEDED(dd1->QueryInterface(IID_IDirectDraw4, reinterpret_cast<void**>(dd.Put()))));
        ASSERT_TRUE(SUCCEEDED(dd->SetCooperativeLevel(nullptr, DDSCL_NORMAL)));
        DDSURFACEDESC2 desc{};
        desc.dwSize = sizeof(desc);
        desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
        desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
        desc.dwWidth = 64;
        desc.dwHeight = 32;
        hr = dd->CreateSurface(&desc, surface.Put(), nullptr);
        ASSERT_TRUE(SUCCEEDED(hr)) << Hex(static_cast<unsigned long>(hr));
        DDPIXELFORMAT pf{};
        pf.dwSize = sizeof(pf);
        ASSERT_TRUE(SUCCEEDED(surface->GetPixelFormat(&pf)));
        mode = ModeOf(pf);
        if (mode == PixelMode::None) {
            GTEST_SKIP() << "display surfaces of " << pf.dwRGBBitCount << " bits";
        }
        CreateFXMan(mode);
    }
    void TearDown() override
    {
        CreateFXMan(PixelMode::None);
        if (surface) {
            EXPECT_EQ(surface.Reset(), 0u) << "the render objects released every reference";
        }
    }

    uint32_t ReadPixel(int x, int y)
    {
        DDSURFACEDESC2 desc{};
        desc.dwSize = sizeof(desc);
        if (FAILED(surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr))) return 0xCDCDCDCD;
        const auto* row = static_cast<const uint8_t*>(desc.lpSurface) + y * desc.lPitch;
        uint32_t p = 0;
        memcpy(&p, row + x * BytesPerPixel(mode), static_cast<size_t>(BytesPerPixel(mode)));
        surface->Unlock(nullptr);
        return p;
    }

    ComRef<IDirectDraw4> dd;
    ComRef<IDirectDrawSurface4> surface;
    PixelMode mode = PixelMode::None;
};

}  // namespace

TEST_F(DDRenderTest, LockGivesAnImageOnTheSurfaceAndTheDestructorUnlocks)
{
    std::printf("display depth %s, pixel mode %d\n", getenv("MIRELLE_DEPTH"), static_cast<int>(mode));
    {
        K_DDRender_Obj render(surface.Get());
        K_Dib_Draw* image = render.Lock();
        ASSERT_NE(image, nullptr) << Hex(static_cast<unsigned long>(render.GetLastResult()));
        EXPECT_EQ(render.Lock(), image) << "a second lock gives the same image";
        EXPECT_EQ(image->GetWidth(), 64);
        EXPECT_EQ(image->GetHeight(), 32);
        EXPECT_EQ(image->GetBitCount(), BytesPerPixel(mode) * 8);
        ASSERT_EQ(image->Fill(0x000000), 1);
        KK_LLESprite sprite;
        QZFrame frame{4, 2, 1, 1, std::vector<uint32_t>(8, 0xFFFF0000)};
        frame.pixels[0] = 0;
        ASSERT_EQ(sprite.EncodeFrame(frame, mode), 1);
        ASSERT_EQ(image->DrawSprite(sprite, 63, 31), 1);  // clipped at the bottom-right corner
        ASSERT_EQ(image->FrameRect({10, 10, 20, 20}, 0x00FF00), 1);
    }
    EXPECT_EQ(ReadPixel(62, 30), 0u) << "the transparent pixel left the fill";
    EXPECT_EQ(ReadPixel(63, 30), PackRgb(mode, 255, 0, 0));
    EXPECT_EQ(ReadPixel(63, 31), PackRgb(mode, 255, 0, 0));
    EXPECT_EQ(ReadPixel(10, 15), PackRgb(mode, 0, 255, 0));
    EXPECT_EQ(ReadPixel(15, 15), 0u);
}

TEST_F(DDRenderTest, ADeviceContextIsReleasedWithTheObject)
{
    {
        K_DDRender_Obj render(surface.Get());
        ASSERT_NE(render.Lock(), nullptr);
        const HDC dc = render.GetDC();
        ASSERT_NE(dc, nullptr) << "GetDC unlocks first";
        EXPECT_EQ(render.GetDC(), dc);
        SetPixel(dc, 2, 3, RGB(0, 0, 255));
    }
    EXPECT_EQ(ReadPixel(2, 3), PackRgb(mode, 0, 0, 255)) << "the surface can be locked again";
}

TEST_F(DDRenderTest, NoSurfaceGivesNoImage)
{
    K_DDRender_Obj render(nullptr);
    EXPECT_EQ(render.Lock(), nullptr);
    EXPECT_EQ(render.GetDC(), nullptr);
}
