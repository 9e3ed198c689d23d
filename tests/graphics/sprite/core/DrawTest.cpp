#include <gtest/gtest.h>

#include <string>

#include "graphics/sprite/core/FXMan.h"
#include "graphics/sprite/core/K_Dib.h"
#include "graphics/sprite/core/LLESprite.h"
#include "graphics/sprite/core/SpriteTestData.h"

namespace {

constexpr PixelMode kModes[] = {PixelMode::Rgb565, PixelMode::Rgb555, PixelMode::Rgb32};

// 9 x 6 with holes at the corners and inside, hot spot (3, 2); red and green run from below
// the background's (0x336699) to above it.
QZFrame TestFrame()
{
    QZFrame f = spritetest::MakeFrame(9, 6, 3, 2, {{0, 0}, {8, 0}, {0, 5}, {8, 5}, {4, 2}, {5, 2}, {2, 4}});
    for (uint32_t& p : f.pixels)
        if (p) p = 0xFF000000 | (p & 0xFF) * 0x1E0000 | ((p >> 8) & 0xFF) * 0x3200 | (255 - (p & 0xFF) * 20);
    return f;
}

// The level's blend, exact to the bit: each channel, in the mode's own precision, moves from
// the target toward the source by (source - target) x level / 256, rounded down.
uint32_t LevelBlend(PixelMode mode, uint32_t s, uint32_t d, int level)
{
    if (level >= 255) return s;
    const int bits[3] = {5, mode == PixelMode::Rgb565 ? 6 : 5, 5};
    uint32_t out = 0;
    for (int i = 0, shift = 0; i < 3; shift += mode == PixelMode::Rgb32 ? 8 : bits[i], ++i) {
        const int m = mode == PixelMode::Rgb32 ? 0xFF : (1 << bits[i]) - 1;
        const int sc = int(s >> shift) & m, dc = int(d >> shift) & m;
        out |= uint32_t(dc + (((sc - dc) * level) >> 8)) << shift;  // the shift rounds down, below zero too
    }
    return out;
}

struct Placement { std::string name; Rect clip; int x, y; uint32_t fx; int level = 255; };

// Draws the test frame on a 20 x 12 image and compares every pixel with the model: source
// pixel (sx, sy) lands at the position less the hot spot plus (sx, sy), mirrored where asked.
std::string CheckDraw(PixelMode mode, const Placement& p)
{
    CreateFXMan(mode);
    const QZFrame f = TestFrame();
    KK_LLESprite s;
    K_Dib_Draw img;
    if (s.EncodeFrame(f, mode) != 1 || img.Create(20, 12, BytesPerPixel(mode) * 8) != 1 || img.Fill(0x00336699) != 1) return "set-up";
    std::vector<uint32_t> expected;
    for (int32_t i = 0; i < 20 * 12; ++i) expected.push_back(img.GetPixel(i % 20, i / 20));
    img.SetClipRect(p.clip);
    if (img.DrawSprite(s, p.x, p.y, p.fx, p.level) != 1) return "DrawSprite failed";
    for (int sy = 0; sy < f.height; ++sy)
        for (int sx = 0; sx < f.width; ++sx) {
            const uint32_t argb = f.pixels[size_t(sy * f.width + sx)];
            const Point d{p.fx & kFxMirrorX ? p.x + f.hotX - 1 - sx : p.x - f.hotX + sx,
                          p.fx & kFxMirrorY ? p.y + f.hotY - 1 - sy : p.y - f.hotY + sy};
            if (!QZFrame::IsOpaque(argb) || !img.GetClipRect().Contains(d)) continue;
            uint32_t& e = expected[size_t(d.y * 20 + d.x)];
            const uint32_t src = PackRgb(mode, uint8_t(argb >> 16), uint8_t(argb >> 8), uint8_t(argb));
            e = p.fx & kFxAlpha ? LevelBlend(mode, src, e, p.level) : src;
        }
    for (int32_t i = 0; i < 20 * 12; ++i)
        if (img.GetPixel(i % 20, i / 20) != expected[size_t(i)])
            return "at " + std::to_string(i % 20) + "," + std::to_string(i / 20) + ": " +
                   std::to_string(img.GetPixel(i % 20, i / 20)) + ", want " + std::to_string(expected[size_t(i)]);
    return {};
}

}  // namespace

TEST(Draw, SpritesLandClippedMirroredAndBlendedInEveryMode)
{
    const Rect all{0, 0, 20, 12};
    std::vector<Placement> placements = {
        {"inside", all, 8, 5, 0},
        {"over the left edge", all, 1, 5, 0},
        {"over the right edge", all, 17, 5, 0},
        {"over the top edge", all, 8, 0, 0},
        {"over the bottom edge", all, 8, 10, 0},
        {"over the top-left corner", all, 0, 0, 0},
        {"over the bottom-right corner", all, 19, 11, 0},
        {"clipped inside the image on all sides", {6, 4, 10, 6}, 8, 5, 0},
        {"clip larger than the image is clamped", {-50, -50, 500, 500}, 2, 1, 0},
        {"outside to the left", all, -7, 5, 0},
        {"outside below", all, 8, 14, 0},
        {"far outside", all, 2000000000, -2000000000, 0},
        {"mirrored across", all, 8, 5, kFxMirrorX},
        {"mirrored over the left edge", all, 3, 5, kFxMirrorX},
        {"mirrored over the right edge", all, 19, 5, kFxMirrorX},
        {"mirrored upside down", all, 8, 1, kFxMirrorY},
        {"mirrored both ways in a clip", {5, 3, 12, 9}, 8, 5, kFxMirrorX | kFxMirrorY},
        {"no alpha flag ignores the level", all, 8, 5, 0, 0},
    };
    for (int level : {0, 1, 64, 77, 128, 200, 254, 255}) {
        placements.push_back({"alpha " + std::to_string(level) + " inside", all, 8, 5, kFxAlpha, level});
        placements.push_back({"alpha " + std::to_string(level) + " mirrored over the edge", all, 2, 3, kFxAlpha | kFxMirrorX, level});
    }
    for (PixelMode mode : kModes)
        for (const auto& p : placements) EXPECT_EQ(CheckDraw(mode, p), "") << p.name << ", mode " << int(mode);
    CreateFXMan(PixelMode::None);
}

TEST(Draw, MismatchedModesDrawNothing)
{
    CreateFXMan(PixelMode::Rgb565);
    KK_LLESprite s32;
    ASSERT_EQ(s32.EncodeFrame(spritetest::SolidFrame(2, 2, 0xFFFFFF), PixelMode::Rgb32), 1);
    K_Dib_Draw img16, img32;
    ASSERT_TRUE(img16.Create(4, 4, 16) && img32.Create(4, 4, 32));
    EXPECT_EQ(img16.DrawSprite(s32, 1, 1), 0) << "a 32-bit sprite on a 565 manager";
    EXPECT_TRUE(img32.Fill(0xFFFFFF) == 0 && img32.GetPixel(0, 0) == 0u) << "a 32-bit image on a 565 manager";
    CreateFXMan(PixelMode::None);
    EXPECT_EQ(img16.Fill(0xFFFFFF), 0) << "no manager";
}
