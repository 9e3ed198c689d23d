#include <gtest/gtest.h>

#include <cmath>

#include "graphics/sprite/core/FXMan.h"
#include "graphics/sprite/core/K_Dib.h"
#include "graphics/sprite/core/LLESprite.h"
#include "graphics/sprite/core/SpriteTestData.h"

namespace {

constexpr PixelMode kModes[] = {PixelMode::Rgb565, PixelMode::Rgb555, PixelMode::Rgb32};
constexpr uint32_t kBackground = 0x00336699;  // COLORREF

// 9 x 6 with holes at the corners and inside, hot spot (3, 2); red and green run from below
// the background's to above it.
QZFrame TestFrame()
{
    QZFrame f = spritetest::MakeFrame(9, 6, 3, 2, {{0, 0}, {8, 0}, {0, 5}, {8, 5}, {4, 2}, {5, 2}, {2, 4}});
    for (uint32_t& p : f.pixels)
        if (p) p = 0xFF000000 | (p & 0xFF) * 0x1E0000 | ((p >> 8) & 0xFF) * 0x3200 | (255 - (p & 0xFF) * 20);
    return f;
}

// Where source pixel (sx, sy) lands, by the definition of the hot spot and mirroring.
Point Dest(const QZFrame& f, int sx, int sy, int x, int y, uint32_t fx)
{
    const int dx = (fx & kFxMirrorX) ? x + f.hotX - 1 - sx : x - f.hotX + sx;
    const int dy = (fx & kFxMirrorY) ? y + f.hotY - 1 - sy : y - f.hotY + sy;
    return {dx, dy};
}

std::vector<uint32_t> Pixels(const K_Dib_Draw& dib)
{
    std::vector<uint32_t> v;
    for (int32_t y = 0; y < dib.GetHeight(); ++y)
        for (int32_t x = 0; x < dib.GetWidth(); ++x) v.push_back(dib.GetPixel(x, y));
    return v;
}

// Draws the test frame and compares every target pixel with the per-pixel model: `blend` gives
// the expected pixel from the source and target pixels.
template <class Blend>
void CheckDraw(PixelMode mode, const char* name, Rect clip, int x, int y, uint32_t fx, int level, Blend blend)
{
    CreateFXMan(mode);
    const QZFrame f = TestFrame();
    KK_LLESprite s;
    ASSERT_EQ(s.EncodeFrame(f, mode), 1);
    K_Dib_Draw img;
    ASSERT_EQ(img.Create(20, 12, BytesPerPixel(mode) * 8), 1);
    ASSERT_EQ(img.Fill(kBackground), 1);
    auto expected = Pixels(img);
    img.SetClipRect(clip);
    ASSERT_EQ(img.DrawSprite(s, x, y, fx, level), 1) << name;
    for (int sy = 0; sy < f.height; ++sy)
        for (int sx = 0; sx < f.width; ++sx) {
            const uint32_t argb = f.pixels[static_cast<size_t>(sy * f.width + sx)];
            const Point d = Dest(f, sx, sy, x, y, fx);
            if (!QZFrame::IsOpaque(argb) || !img.GetClipRect().Contains(d)) continue;
            const uint32_t src = PackRgb(mode, static_cast<uint8_t>(argb >> 16), static_cast<uint8_t>(argb >> 8), static_cast<uint8_t>(argb));
            uint32_t& e = expected[static_cast<size_t>(d.y * 20 + d.x)];
            e = blend(src, e);
        }
    const auto got = Pixels(img);
    for (size_t i = 0; i < got.size(); ++i)
        ASSERT_EQ(got[i], expected[i]) << name << " mode " << static_cast<int>(mode) << " level " << level << " at "
                                       << i % 20 << "," << i / 20;
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
        const int sc = static_cast<int>(s >> shift) & m, dc = static_cast<int>(d >> shift) & m;
        out |= static_cast<uint32_t>(dc + static_cast<int>(std::floor((sc - dc) * level / 256.0))) << shift;
    }
    return out;
}

const struct {
    const char* name;
    Rect clip;
    int x, y;
    uint32_t fx;
    int level = 255;
} kPlacements[] = {
    {"inside", {0, 0, 20, 12}, 8, 5, 0},
    {"over the left edge", {0, 0, 20, 12}, 1, 5, 0},
    {"over the right edge", {0, 0, 20, 12}, 17, 5, 0},
    {"over the top edge", {0, 0, 20, 12}, 8, 0, 0},
    {"over the bottom edge", {0, 0, 20, 12}, 8, 10, 0},
    {"over the top-left corner", {0, 0, 20, 12}, 0, 0, 0},
    {"over the bottom-right corner", {0, 0, 20, 12}, 19, 11, 0},
    {"clipped inside the image on all sides", {6, 4, 10, 6}, 8, 5, 0},
    {"clip larger than the image is clamped", {-50, -50, 500, 500}, 2, 1, 0},
    {"outside to the left", {0, 0, 20, 12}, -7, 5, 0},
    {"outside below", {0, 0, 20, 12}, 8, 14, 0},
    {"far outside", {0, 0, 20, 12}, 2000000000, -2000000000, 0},
    {"mirrored across", {0, 0, 20, 12}, 8, 5, kFxMirrorX},
    {"mirrored over the left edge", {0, 0, 20, 12}, 3, 5, kFxMirrorX},
    {"mirrored over the right edge", {0, 0, 20, 12}, 19, 5, kFxMirrorX},
    {"mirrored upside down", {0, 0, 20, 12}, 8, 1, kFxMirrorY},
    {"mirrored both ways in a clip", {5, 3, 12, 9}, 8, 5, kFxMirrorX | kFxMirrorY},
    {"no alpha flag ignores the level", {0, 0, 20, 12}, 8, 5, 0, 0},
};

}  // namespace

TEST(Draw, SpritesLandClippedAndMirroredInEveryMode)
{
    for (PixelMode mode : kModes)
        for (const auto& p : kPlacements)
            CheckDraw(mode, p.name, p.clip, p.x, p.y, p.fx, p.level, [](uint32_t s, uint32_t) { return s; });
    CreateFXMan(PixelMode::None);
}

TEST(Draw, AlphaLevelsBlendWithTheTarget)
{
    for (PixelMode mode : kModes)
        for (int level : {0, 1, 64, 77, 128, 200, 254, 255}) {
            auto blend = [mode, level](uint32_t s, uint32_t d) { return LevelBlend(mode, s, d, level); };
            CheckDraw(mode, "alpha inside", {0, 0, 20, 12}, 8, 5, kFxAlpha, level, blend);
            CheckDraw(mode, "alpha mirrored over the edge", {0, 0, 20, 12}, 2, 3, kFxAlpha | kFxMirrorX, level, blend);
        }
    CreateFXMan(PixelMode::None);
}

TEST(Draw, ColourAndTintChangeTheSourcePixels)
{
    for (PixelMode mode : kModes) {
        CreateFXMan(mode);
        KK_LLESprite s;
        ASSERT_EQ(s.EncodeFrame(spritetest::SolidFrame(2, 1, 0xC08040), mode), 1);
        K_Dib_Draw img;
        img.Create(4, 1, BytesPerPixel(mode) * 8);
        img.Fill(0);
        ASSERT_EQ(img.DrawSprite(s, 0, 0, kFxColor, 255, 0x0000FF), 1);  // COLORREF red
        EXPECT_EQ(img.GetPixel(0, 0), PackRgb(mode, 255, 0, 0));
        ASSERT_EQ(img.DrawSprite(s, 2, 0, kFxTint, 255, 0x808080), 1);  // half grey halves each channel
        const Rgb t = UnpackRgb(mode, img.GetPixel(2, 0));
        EXPECT_NEAR(t.r, 0x60, 9) << static_cast<int>(mode);
        EXPECT_NEAR(t.g, 0x40, 9);
        EXPECT_NEAR(t.b, 0x20, 9);
    }
    CreateFXMan(PixelMode::None);
}

TEST(Draw, MismatchedModesDrawNothing)
{
    CreateFXMan(PixelMode::Rgb565);
    KK_LLESprite s32;
    ASSERT_EQ(s32.EncodeFrame(spritetest::SolidFrame(2, 2, 0xFFFFFF), PixelMode::Rgb32), 1);
    K_Dib_Draw img16, img32;
    img16.Create(4, 4, 16);
    img32.Create(4, 4, 32);
    EXPECT_EQ(img16.DrawSprite(s32, 1, 1), 0) << "a 32-bit sprite on a 565 manager";
    EXPECT_EQ(img32.Fill(0xFFFFFF), 0) << "a 32-bit image on a 565 manager";
    EXPECT_EQ(img32.GetPixel(0, 0), 0u);
    CreateFXMan(PixelMode::None);
    EXPECT_EQ(img16.Fill(0xFFFFFF), 0) << "no manager";
    EXPECT_EQ(GetFXPixelMode(), 0);
}

TEST(Draw, FrameRectOutlinesInsideTheClip)
{
    CreateFXMan(PixelMode::Rgb32);
    K_Dib_Draw img;
    img.Create(8, 6, 32);
    img.SetClipRect({0, 0, 6, 6});
    ASSERT_EQ(img.FrameRect({1, 1, 8, 5}, 0xFFFFFF), 1);
    const char* const want[] = {
        "........",
        ".#####..",  // the right edge (x = 7) and the top edge past x = 5 lie outside the clip
        ".#......",
        ".#......",
        ".#####..",
        "........",
    };
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(img.GetPixel(x, y) != 0, want[y][x] == '#') << x << "," << y;
    CreateFXMan(PixelMode::None);
}

TEST(Draw, ImagesRefuseBadSizes)
{
    K_Dib dib;
    EXPECT_EQ(dib.Create(0, 5, 32), 0);
    EXPECT_EQ(dib.Create(5, 0, 32), 0);
    EXPECT_EQ(dib.Create(5, 5, 24), 0);
    ASSERT_EQ(dib.Create(3, -2, 16), 1) << "a negative height is a top-down image";
    EXPECT_EQ(dib.GetHeight(), 2);
    EXPECT_EQ(dib.GetPitch(), 8) << "rows are 4-byte aligned";
    EXPECT_EQ(dib.GetBitmapInfo().height, -2);
}
