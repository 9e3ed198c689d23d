#include <gtest/gtest.h>

#include "graphics/resources/DisplayFixture.h"
#include "foundation/Debug.h"
#include "graphics/sprite/K_DDRender_Obj.h"
#include "graphics/sprite/core/FXMan.h"
#include "graphics/sprite/core/SpriteFormats.h"

namespace {

// An off-screen surface in the display's format and the effect manager of its pixel mode.
class DDRenderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (FAILED(display.hr)) GTEST_SKIP() << "no DirectDraw, hr " << Hex(display.hr);
        if (display.mode == PixelMode::None) GTEST_SKIP() << "display surfaces are neither 16 nor 32 bits";
        surface = display.MakeSurface(64, 32);
        ASSERT_TRUE(surface);
        mode = display.mode;
        CreateFXMan(mode);
    }
    void TearDown() override
    {
        CreateFXMan(PixelMode::None);
        if (surface) {
            EXPECT_EQ(surface.Reset(), 0u) << "the render objects released every reference";
        }
    }
    Rgb Pixel(int x, int y) { return ReadPixel(surface.Get(), x, y); }

    TestDisplay display;
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
    EXPECT_EQ(Pixel(62, 30), Rgb{}) << "the transparent pixel left the fill";
    EXPECT_EQ(Pixel(63, 30), Rgb(255, 0, 0));
    EXPECT_EQ(Pixel(63, 31), Rgb(255, 0, 0));
    EXPECT_EQ(Pixel(10, 15), Rgb(0, 255, 0));
    EXPECT_EQ(Pixel(15, 15), Rgb{});
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
    EXPECT_EQ(Pixel(2, 3), Rgb(0, 0, 255)) << "the surface can be locked again";
}

TEST_F(DDRenderTest, NoSurfaceGivesNoImage)
{
    K_DDRender_Obj render(nullptr);
    EXPECT_EQ(render.Lock(), nullptr);
    EXPECT_EQ(render.GetDC(), nullptr);
}
