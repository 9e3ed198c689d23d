#include <gtest/gtest.h>

#include "foundation/Debug.h"
#include "graphics/resources/DisplayFixture.h"
#include "graphics/sprite/K_DDRender_Obj.h"
#include "graphics/sprite/core/FXMan.h"

namespace {

// An off-screen surface in the display's format and the effect manager of its pixel mode.
class DDRenderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (FAILED(display.hr)) GTEST_SKIP() << "no DirectDraw, hr " << Hex(display.hr);
        if (display.mode == PixelMode::None) GTEST_SKIP() << "display surfaces are neither 16 nor 32 bits";
        ASSERT_TRUE(surface = display.MakeSurface(64, 32));
        CreateFXMan(display.mode);
    }
    void TearDown() override
    {
        CreateFXMan(PixelMode::None);
        EXPECT_EQ(surface ? surface.Reset() : 0u, 0u) << "the render objects released every reference";
    }
    Rgb Pixel(int x, int y) { return ReadPixel(surface.Get(), x, y); }

    TestDisplay display;
    ComRef<IDirectDrawSurface4> surface;
};

}  // namespace

TEST_F(DDRenderTest, LockGivesAnImageOnTheSurfaceAndTheDestructorUnlocks)
{
    {
        K_DDRender_Obj render(surface.Get());
        K_Dib_Draw* image = render.Lock();
        ASSERT_NE(image, nullptr) << Hex(static_cast<unsigned long>(render.GetLastResult()));
        EXPECT_EQ(render.Lock(), image) << "a second lock gives the same image";
        EXPECT_TRUE(image->GetWidth() == 64 && image->GetHeight() == 32 && image->GetBitCount() == BytesPerPixel(display.mode) * 8);
        ASSERT_EQ(image->Fill(0x000000), 1);
        KK_LLESprite sprite;
        QZFrame frame{4, 2, 1, 1, std::vector<uint32_t>(8, 0xFFFF0000)};
        frame.pixels[0] = 0;
        ASSERT_EQ(sprite.EncodeFrame(frame, display.mode), 1);
        ASSERT_EQ(image->DrawSprite(sprite, 63, 31), 1);  // clipped at the bottom-right corner
    }
    const struct { const char* name; int x, y; Rgb want; } pixels[] = {
        {"the transparent pixel left the fill", 62, 30, {}}, {"sprite", 63, 30, {255, 0, 0}}, {"sprite", 63, 31, {255, 0, 0}}};
    for (const auto& p : pixels) EXPECT_EQ(Pixel(p.x, p.y), p.want) << p.name << " at " << p.x << "," << p.y;
    K_DDRender_Obj none(nullptr);
    EXPECT_FALSE(none.Lock()) << "no surface gives no image";
}
