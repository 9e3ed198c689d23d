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

namespace {

void Put16(std::vector<uint8_t>& b, int v) { b.insert(b.end(), {uint8_t(v), uint8_t(v >> 8)}); }
void Put32(std::vector<uint8_t>& b, int32_t v) { Put16(b, v & 0xFFFF), Put16(b, (v >> 16) & 0xFFFF); }

// A one-frame pack of 6 x 3 written by hand: line 0 has two touching runs (skip 0 after a run),
// line 1 none, line 2 a run at its start with skip 0 and one at its end.
std::vector<uint8_t> HandWrittenPack()
{
    std::vector<uint8_t> lines;
    auto run = [&](int skip, int count, uint8_t seed) {
        Put16(lines, skip), Put16(lines, count);
        for (int k = 0; k < 3 * count; ++k) lines.push_back(uint8_t(seed + 37 * k));
    };
    Put16(lines, 2), run(1, 2, 10), run(0, 3, 90);
    Put16(lines, 0);
    Put16(lines, 2), run(0, 1, 200), run(4, 1, 7);
    std::vector<uint8_t> b = {'P', 'S', 'P', 0x1A, 1, 0, 0, 0, 'H', 'E', 'A', 'D', 4, 0, 0, 0, 1, 0, 0, 0, 'F', 'R', 'A', 'M'};
    Put32(b, int32_t(16 + lines.size()));
    for (int32_t v : {6, 3, 2, -1}) Put32(b, v);
    b.insert(b.end(), lines.begin(), lines.end());
    return b;
}

}  // namespace

// The loader encodes a frame straight from the file's runs: the same sprite, runs and pixels, as
// encoding the decoded frame, touching runs joined.
TEST(LLESprite, AFileFrameEncodesAsItsDecodedFrame)
{
    const auto bytes = HandWrittenPack();
    const auto index = IndexSpriteFile(bytes.data(), bytes.size(), SpriteFileKind::Pack);
    const auto decoded = ReadSpriteFile(bytes.data(), bytes.size(), SpriteFileKind::Pack);
    ASSERT_TRUE(index && decoded && index->size() == 1 && (*index)[0].opaque == 7);
    for (PixelMode mode : {PixelMode::Rgb565, PixelMode::Rgb555, PixelMode::Rgb32}) {
        KK_LLESprite fromFile, fromFrame;
        ASSERT_TRUE(fromFile.EncodeFileFrame(bytes.data(), (*index)[0], mode) && fromFrame.EncodeFrame(decoded->frames[0], mode));
        EXPECT_TRUE(fromFile.Decode() == fromFrame.Decode() && fromFile.GetHotSpot() == Point(2, -1)) << int(mode);
        for (int32_t y = 0; y < 3; ++y) {
            ASSERT_EQ(fromFile.LineEnd(y) - fromFile.LineBegin(y), fromFrame.LineEnd(y) - fromFrame.LineBegin(y)) << y;
            for (auto *a = fromFile.LineBegin(y), *b = fromFrame.LineBegin(y); a != fromFile.LineEnd(y); ++a, ++b)
                EXPECT_TRUE(a->skip == b->skip && a->count == b->count && a->first == b->first) << int(mode) << " line " << y;
        }
        EXPECT_EQ(fromFile.LineEnd(0) - fromFile.LineBegin(0), 1) << "touching runs are one";
    }
}
