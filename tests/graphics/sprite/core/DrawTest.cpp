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

// Lines of runs of every length from 1 to 160 pixels, one or two transparent pixels apart, in
// colours that differ from the background in every channel both ways; hot spot (5, 3).
QZFrame RunsFrame()
{
    constexpr int32_t w = 300, h = 40;
    QZFrame f{w, h, 5, 3, std::vector<uint32_t>(size_t(w) * h)};
    int length = 1;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = y % 3, left = length; x < w; ++x) {
            f.pixels[size_t(y * w + x)] = 0xFF000000u | uint32_t((x * 7) & 255) << 16 | uint32_t((y * 37 + x) & 255) << 8 | uint32_t((x ^ y) & 255);
            if (--left > 0) continue;
            x += 1 + (x + y) % 2;  // the gap
            length = length % 160 + 1;
            left = length;
        }
    return f;
}

// Draws a frame (the test frame unless given) on an image and compares every pixel with the
// model: source pixel (sx, sy) lands at the position less the hot spot plus (sx, sy), mirrored
// where asked.
std::string CheckDraw(PixelMode mode, const Placement& p, const QZFrame& f = TestFrame(), Size size = {20, 12})
{
    CreateFXMan(mode);
    const int32_t iw = size.cx, ih = size.cy;
    KK_LLESprite s;
    K_Dib_Draw img;
    if (s.EncodeFrame(f, mode) != 1 || img.Create(iw, ih, BytesPerPixel(mode) * 8) != 1 || img.Fill(0x00336699) != 1) return "set-up";
    std::vector<uint32_t> expected;
    for (int32_t i = 0; i < iw * ih; ++i) expected.push_back(img.GetPixel(i % iw, i / iw));
    img.SetClipRect(p.clip);
    if (img.DrawSprite(s, p.x, p.y, p.fx, p.level) != 1) return "DrawSprite failed";
    for (int sy = 0; sy < f.height; ++sy)
        for (int sx = 0; sx < f.width; ++sx) {
            const uint32_t argb = f.pixels[size_t(sy * f.width + sx)];
            const Point d{p.fx & kFxMirrorX ? p.x + f.hotX - 1 - sx : p.x - f.hotX + sx,
                          p.fx & kFxMirrorY ? p.y + f.hotY - 1 - sy : p.y - f.hotY + sy};
            if (!QZFrame::IsOpaque(argb) || !img.GetClipRect().Contains(d)) continue;
            uint32_t& e = expected[size_t(d.y * iw + d.x)];
            const uint32_t src = PackRgb(mode, uint8_t(argb >> 16), uint8_t(argb >> 8), uint8_t(argb));
            e = p.fx & kFxAlpha ? LevelBlend(mode, src, e, p.level) : src;
        }
    for (int32_t i = 0; i < iw * ih; ++i)
        if (img.GetPixel(i % iw, i / iw) != expected[size_t(i)])
            return "at " + std::to_string(i % iw) + "," + std::to_string(i / iw) + ": " +
                   std::to_string(img.GetPixel(i % iw, i / iw)) + ", want " + std::to_string(expected[size_t(i)]);
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

TEST(Draw, RunsOfEveryLengthCopyAndBlendLikeTheModel)
{
    const QZFrame f = RunsFrame();
    const Size size{320, 50};
    const Rect all{0, 0, 320, 50};
    std::vector<Placement> placements = {
        {"whole lines", all, 10, 4, 0},
        {"cut on the left", all, -20, 4, 0},
        {"cut on the right", all, 40, 4, 0},
        {"cut by a clip inside", {33, 2, 251, 20}, 10, 4, 0},
        {"mirrored", all, 310, 4, kFxMirrorX},
        {"upside down, whole lines", all, 10, 45, kFxMirrorY},
    };
    for (int level : {1, 77, 127, 128, 129, 200, 254}) {
        placements.push_back({"alpha " + std::to_string(level) + ", whole lines", all, 10, 4, kFxAlpha, level});
        placements.push_back({"alpha " + std::to_string(level) + ", cut", {7, 0, 300, 50}, 10, 4, kFxAlpha, level});
        placements.push_back({"alpha " + std::to_string(level) + ", mirrored", all, 310, 4, kFxAlpha | kFxMirrorX, level});
    }
    for (PixelMode mode : kModes)
        for (const auto& p : placements) EXPECT_EQ(CheckDraw(mode, p, f, size), "") << p.name << ", mode " << int(mode);
    CreateFXMan(PixelMode::None);
}

// The unused top byte of 32-bit targets: drawn forward it is blended toward the sprite's 0 like
// the colour bytes, mirrored it is cleared. Level 128 takes its own path and must do the same.
TEST(Draw, TopByteOfThirtyTwoBitTargetsFollowsTheBlend)
{
    CreateFXMan(PixelMode::Rgb32);
    KK_LLESprite s;
    ASSERT_EQ(s.EncodeFrame(spritetest::SolidFrame(6, 1, 0x102030), PixelMode::Rgb32), 1);
    const struct { const char* name; uint32_t fx; int level; uint32_t top; } cases[] = {
        {"forward at 128", kFxAlpha, 128, 0xC8 * 128 / 256},
        {"forward at 129", kFxAlpha, 129, 0xC8 * 127 / 256},
        {"forward at 77", kFxAlpha, 77, 0xC8 * 179 / 256},
        {"mirrored at 128", kFxAlpha | kFxMirrorX, 128, 0},
        {"mirrored at 77", kFxAlpha | kFxMirrorX, 77, 0},
        {"copied", 0, 255, 0},
    };
    for (const auto& c : cases) {
        K_Dib_Draw img;
        ASSERT_EQ(img.Create(8, 1, 32), 1);
        for (int x = 0; x < 8; ++x) img.Row<uint32_t>(0)[x] = 0xC8336699;
        ASSERT_EQ(img.DrawSprite(s, c.fx & kFxMirrorX ? 7 : 1, 0, c.fx, c.level), 1);
        for (int x = 1; x < 7; ++x) EXPECT_EQ(img.GetPixel(x, 0) >> 24, c.top) << c.name << " at " << x;
        EXPECT_EQ(img.GetPixel(0, 0), 0xC8336699u) << c.name << ": left of the sprite";
    }
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
