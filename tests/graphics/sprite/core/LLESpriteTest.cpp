#include <gtest/gtest.h>

#include "graphics/sprite/core/K_Dib.h"
#include "graphics/sprite/core/LLESprite.h"
#include "graphics/sprite/core/QZSprite_RSCManager.h"
#include "graphics/sprite/core/SpriteTestData.h"

namespace {

constexpr PixelMode kModes[] = {PixelMode::Rgb565, PixelMode::Rgb555, PixelMode::Rgb32};

// A 7 x 4 image in `mode` with key pixels at both ends of a line, inside a line and a whole line.
// 32-bit pixels carry an opaque alpha byte, which neither the colour nor the key includes.
void MakeDib(K_Dib& dib, PixelMode mode, std::vector<uint32_t>& expected)
{
    dib.Create(7, 4, BytesPerPixel(mode) * 8);
    const uint32_t key = ColorKeyOf(mode);
    expected.clear();
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 7; ++x) {
            const bool hole = y == 2 || x == 0 || x == 6 || (y == 1 && x == 3);
            const uint32_t p = hole ? key : PackRgb(mode, static_cast<uint8_t>(40 * x), static_cast<uint8_t>(60 * y), 200);
            expected.push_back(p);
            if (BytesPerPixel(mode) == 4) dib.Row<uint32_t>(y)[x] = p | 0xFF000000;
            else dib.Row<uint16_t>(y)[x] = static_cast<uint16_t>(p);
        }
}

}  // namespace

TEST(LLESprite, EncodesAndDecodesEveryModeWithKeyPixelsTransparent)
{
    for (PixelMode mode : kModes) {
        std::vector<uint32_t> expected;
        K_Dib dib;
        MakeDib(dib, mode, expected);
        KK_LLESprite s;
        ASSERT_EQ(s.EncodeDib(dib.GetBitmapInfo(), dib.GetBits(), mode), 1) << static_cast<int>(mode);
        EXPECT_TRUE(s.GetSize() == Size(7, 4) && s.Decode() == expected) << static_cast<int>(mode);
        // Key pixels are stored as no pixel at all: 28 - 4 (columns 0, 6) * 3 lines - 7 - 1.
        size_t opaque = 0;
        for (int32_t y = 0; y < 4; ++y)
            for (auto* r = s.LineBegin(y); r != s.LineEnd(y); ++r) opaque += r->count;
        EXPECT_EQ(opaque, 28u - 6u - 7u - 1u) << static_cast<int>(mode);
        EXPECT_EQ(s.LineBegin(2), s.LineEnd(2)) << "a line of key pixels has no run";

        KDibInfo bottomUp = dib.GetBitmapInfo();
        bottomUp.height = -bottomUp.height;  // the same memory read from the last row up
        ASSERT_EQ(s.EncodeDib(bottomUp, dib.GetBits(), mode), 1);
        const auto decoded = s.Decode();
        for (size_t i = 0; i < decoded.size(); ++i)
            ASSERT_EQ(decoded[i], expected[(3 - i / 7) * 7 + i % 7]) << "bottom-up, pixel " << i;
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
