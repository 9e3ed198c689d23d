#include <gtest/gtest.h>

#include "graphics/sprite/core/K_Dib.h"
#include "graphics/sprite/core/LLESprite.h"
#include "graphics/sprite/core/QZSprite_RSCManager.h"
#include "graphics/sprite/core/SpriteTestData.h"

// A 7 x 4 image with key pixels at both ends of a line, inside a line and a whole line; 32-bit
// pixels carry an opaque alpha byte, which neither the colour nor the key includes.
TEST(LLESprite, EncodesAndDecodesEveryModeWithKeyPixelsTransparent)
{
    for (PixelMode mode : {PixelMode::Rgb565, PixelMode::Rgb555, PixelMode::Rgb32}) {
        K_Dib dib;
        dib.Create(7, 4, BytesPerPixel(mode) * 8);
        std::vector<uint32_t> expected;
        for (int32_t y = 0; y < 4; ++y)
            for (int32_t x = 0; x < 7; ++x) {
                const bool hole = y == 2 || x == 0 || x == 6 || (y == 1 && x == 3);
                expected.push_back(hole ? ColorKeyOf(mode) : PackRgb(mode, uint8_t(40 * x), uint8_t(60 * y), 200));
                if (BytesPerPixel(mode) == 4) dib.Row<uint32_t>(y)[x] = expected.back() | 0xFF000000;
                else dib.Row<uint16_t>(y)[x] = uint16_t(expected.back());
            }
        KK_LLESprite s;
        ASSERT_EQ(s.EncodeDib(dib.GetBitmapInfo(), dib.GetBits(), mode), 1) << int(mode);
        EXPECT_TRUE(s.GetSize() == Size(7, 4) && s.Decode() == expected) << int(mode);
        // Key pixels are stored as no pixel at all: 28 - 4 (columns 0, 6) * 3 lines - 7 - 1.
        size_t opaque = 0;
        for (int32_t y = 0; y < 4; ++y)
            for (auto* r = s.LineBegin(y); r != s.LineEnd(y); ++r) opaque += r->count;
        EXPECT_EQ(opaque, 28u - 6u - 7u - 1u) << int(mode);
        EXPECT_EQ(s.LineBegin(2), s.LineEnd(2)) << "a line of key pixels has no run";
    }
}

TEST(LLESprite, AFileKeepsOneSpriteOfEachModeInPlace)
{
    QZSpriteData data;
    data.frames.push_back(spritetest::SolidFrame(2, 2, 0xFF0000));
    const QZSpriteFile file(data);
    const KK_LLESprite* s565 = file.GetSprite(0, PixelMode::Rgb565);
    const KK_LLESprite* s32 = file.GetSprite(0, PixelMode::Rgb32);
    ASSERT_TRUE(s565 && s32);
    EXPECT_EQ(file.GetSprite(0, PixelMode::Rgb565), s565) << "asking for another mode moved nothing";
    EXPECT_TRUE(s565->GetPixelMode() == PixelMode::Rgb565 && s32->Decode()[0] == 0xFF0000u);
    EXPECT_TRUE(!file.GetSprite(0, PixelMode::None) && !file.GetSprite(1, PixelMode::Rgb32));
}
