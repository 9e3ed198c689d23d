#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "graphics/resources/core/Blit.h"

namespace {

constexpr uint32_t kPoison = 0xCDCDCDCD;

// A buffer of one pixel mode with a row pitch wider than the pixels, so pitch mistakes show.
struct Buffer {
    std::vector<uint8_t> bytes;
    PixelView view;

    Buffer(PixelMode mode, int32_t w, int32_t h)
    {
        const int32_t pitch = w * BytesPerPixel(mode) + 12;
        bytes.assign(static_cast<size_t>(pitch) * h + 12, 0xCD);
        view = {bytes.data(), w, h, pitch, mode};
    }
    Buffer(const Buffer& o) : bytes(o.bytes), view(o.view) { view.bits = bytes.data(); }
};

uint32_t Mask(PixelMode m) { return m == PixelMode::Rgb32 ? 0xFFFFFFFF : 0xFFFF; }

// Source pixels that differ everywhere and never equal the key by accident.
void FillPattern(const PixelView& v, uint32_t key)
{
    for (int32_t y = 0; y < v.height; ++y)
        for (int32_t x = 0; x < v.width; ++x) {
            uint32_t p = PackRgb(v.mode, static_cast<uint8_t>(x * 17 + 3), static_cast<uint8_t>(y * 29 + 5),
                                 static_cast<uint8_t>((x + y) * 11));
            if (p == key) p ^= 1;
            v.SetPixel(x, y, p);
        }
}

struct Case {
    const char* name;
    Point at;
    Rect srcRect;
    Rect clip;
    uint32_t flags;
    uint8_t alpha;
};

// The rule: a destination pixel inside the clip and the destination shows source pixel
// (srcRect.left + dx, srcRect.top + dy), mirrored where asked, when that lies in srcRect and
// the source; every other destination pixel is untouched.
std::string CheckBlit(PixelMode mode, const Case& c)
{
    Buffer src(mode, 16, 12), dst(mode, 20, 15);
    const uint32_t key = ColorKeyOf(mode);
    FillPattern(src.view, key);
    // Key pixels on a diagonal.
    for (int32_t i = 0; i < 12; ++i) src.view.SetPixel(i, i, key);
    const Buffer before = dst;
    const Rect touched = Blit(dst.view, c.at, src.view, c.srcRect, c.clip, {c.flags, c.alpha, key});

    Rect expectTouched;
    const Rect limit = c.clip.Intersected(dst.view.Bounds());
    for (int32_t y = 0; y < dst.view.height; ++y) {
        for (int32_t x = 0; x < dst.view.width; ++x) {
            const int32_t dx = x - c.at.x, dy = y - c.at.y;
            const uint32_t old = before.view.PixelAt(x, y);
            const uint32_t got = dst.view.PixelAt(x, y);
            uint32_t want = old;
            const bool inside = limit.Contains(x, y) && dx >= 0 && dx < c.srcRect.Width() && dy >= 0 &&
                                dy < c.srcRect.Height();
            const int32_t sx = HasFlag(c.flags, BlitFlag::MirrorX) ? c.srcRect.right - 1 - dx : c.srcRect.left + dx;
            const int32_t sy = HasFlag(c.flags, BlitFlag::MirrorY) ? c.srcRect.bottom - 1 - dy : c.srcRect.top + dy;
            if (inside && src.view.Bounds().Contains(sx, sy)) {
                expectTouched = expectTouched.United({x, y, x + 1, y + 1});
                const uint32_t s = src.view.PixelAt(sx, sy);
                if (!(HasFlag(c.flags, BlitFlag::ColorKey) && s == key)) want = s;
                if (want != old && c.alpha != 255) {
                    const Rgb a = UnpackRgb(mode, s), b = UnpackRgb(mode, old), g = UnpackRgb(mode, got);
                    const int tolerance = mode == PixelMode::Rgb32 ? 2 : 16;
                    auto mix = [&](int sc, int dc) { return (sc * c.alpha + dc * (255 - c.alpha)) / 255; };
                    if (std::abs(g.r - mix(a.r, b.r)) > tolerance || std::abs(g.g - mix(a.g, b.g)) > tolerance ||
                        std::abs(g.b - mix(a.b, b.b)) > tolerance)
                        return "blend at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
                    continue;
                }
            }
            if ((got & Mask(mode)) != (want & Mask(mode)))
                return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") is " + std::to_string(got) +
                       ", want " + std::to_string(want);
        }
    }
    // Nothing past the pixels of each row (the pitch padding) is written.
    for (int32_t y = 0; y < dst.view.height; ++y)
        for (int32_t i = dst.view.width * BytesPerPixel(mode); i < dst.view.pitch; ++i)
            if (dst.view.Row(y)[i] != 0xCD) return "padding written in row " + std::to_string(y);
    if (c.alpha != 0 && touched != expectTouched) return "touched rectangle differs";
    return {};
}

const Rect kAll{-1000, -1000, 1000, 1000};
const uint32_t kKey = static_cast<uint32_t>(BlitFlag::ColorKey);
const uint32_t kMx = static_cast<uint32_t>(BlitFlag::MirrorX);
const uint32_t kMy = static_cast<uint32_t>(BlitFlag::MirrorY);

const Case kCases[] = {
    {"whole source inside", {2, 1}, {0, 0, 16, 12}, kAll, 0, 255},
    {"part of the source", {5, 4}, {3, 2, 9, 7}, kAll, 0, 255},
    {"past the left edge", {-5, 2}, {0, 0, 16, 12}, kAll, 0, 255},
    {"past the top edge", {3, -7}, {0, 0, 16, 12}, kAll, 0, 255},
    {"past the right edge", {12, 2}, {0, 0, 16, 12}, kAll, 0, 255},
    {"past the bottom edge", {1, 9}, {0, 0, 16, 12}, kAll, 0, 255},
    {"past every edge", {-3, -2}, {0, 0, 16, 12}, {0, 0, 12, 9}, 0, 255},
    {"clip rectangle inside", {0, 0}, {0, 0, 16, 12}, {3, 4, 9, 8}, 0, 255},
    {"entirely outside", {25, 0}, {0, 0, 16, 12}, kAll, 0, 255},
    {"clip misses", {0, 0}, {0, 0, 16, 12}, {17, 13, 19, 14}, 0, 255},
    {"source rectangle beyond the source", {4, 4}, {-3, -2, 20, 14}, kAll, 0, 255},
    {"empty source rectangle", {4, 4}, {5, 5, 5, 9}, kAll, 0, 255},
    {"colour key", {2, 1}, {0, 0, 16, 12}, kAll, kKey, 255},
    {"mirrored", {2, 1}, {0, 0, 16, 12}, kAll, kMx, 255},
    {"mirrored past the left edge", {-6, 0}, {2, 1, 14, 10}, kAll, kMx, 255},
    {"mirrored past the right edge", {14, 0}, {2, 1, 14, 10}, kAll, kMx | kKey, 255},
    {"mirrored source beyond the source", {0, 0}, {-4, 0, 10, 12}, {1, 0, 20, 15}, kMx, 255},
    {"upside down, keyed", {3, 5}, {0, 0, 16, 12}, kAll, kMy | kKey, 255},
    {"both mirrors clipped", {-2, -3}, {1, 1, 15, 11}, {0, 0, 9, 6}, kMx | kMy, 255},
    {"alpha half", {2, 1}, {0, 0, 16, 12}, kAll, 0, 128},
    {"alpha low, keyed, mirrored, clipped", {-4, 6}, {0, 0, 16, 12}, kAll, kKey | kMx, 40},
    {"alpha zero draws nothing", {2, 1}, {0, 0, 16, 12}, kAll, 0, 0},
};

}  // namespace

TEST(Blit, DrawsTheClippedSourceAndNothingElse)
{
    for (PixelMode mode : {PixelMode::Rgb555, PixelMode::Rgb565, PixelMode::Rgb32})
        for (const Case& c : kCases) {
            const std::string error = CheckBlit(mode, c);
            EXPECT_TRUE(error.empty()) << c.name << " at mode " << static_cast<int>(mode) << ": " << error;
        }
}

TEST(Blit, RefusesMixedModesAndBadViews)
{
    Buffer a(PixelMode::Rgb565, 4, 4), b(PixelMode::Rgb32, 4, 4);
    EXPECT_TRUE(Blit(a.view, {0, 0}, b.view, {0, 0, 4, 4}, kAll).IsEmpty());
    PixelView narrow = a.view;
    narrow.pitch = 2;  // shorter than a row
    EXPECT_TRUE(Blit(narrow, {0, 0}, a.view, {0, 0, 4, 4}, kAll).IsEmpty());
    EXPECT_TRUE(Blit(a.view, {0, 0}, PixelView{}, {0, 0, 4, 4}, kAll).IsEmpty());
}

TEST(StoreImage, TransparentPixelsBecomeTheKey)
{
    Image image = *Image::Create(3, 2, Argb(0xFF, 255, 0, 0));
    image.At(1, 0) = 0x00FFFFFF;
    image.At(2, 1) = Argb(0x7F, 1, 2, 3);
    for (PixelMode mode : {PixelMode::Rgb555, PixelMode::Rgb565, PixelMode::Rgb32}) {
        Buffer b(mode, 2, 2);  // smaller than the image: only what fits is written
        const uint32_t key = ColorKeyOf(mode);
        StoreImage(image, b.view, key);
        EXPECT_EQ(b.view.PixelAt(0, 0) & Mask(mode), PackRgb(mode, 255, 0, 0)) << static_cast<int>(mode);
        EXPECT_EQ(b.view.PixelAt(1, 0) & Mask(mode), key) << static_cast<int>(mode);
        EXPECT_TRUE(IsOpaquePixel(b.view, 0, 0, key));
        EXPECT_FALSE(IsOpaquePixel(b.view, 1, 0, key));
        EXPECT_EQ(b.view.Row(0)[2 * BytesPerPixel(mode)], 0xCD) << "wrote past the view";
    }
}

TEST(IsOpaquePixel, OutsideTheViewIsTransparent)
{
    Buffer b(PixelMode::Rgb565, 3, 3);
    for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 3; ++x) b.view.SetPixel(x, y, 0x1234);
    const struct {
        int32_t x, y;
        bool opaque;
    } cases[] = {{0, 0, true}, {2, 2, true}, {-1, 0, false}, {0, -1, false}, {3, 0, false}, {0, 3, false}};
    for (const auto& c : cases) EXPECT_EQ(IsOpaquePixel(b.view, c.x, c.y, 0xF81F), c.opaque) << c.x << ", " << c.y;
}

TEST(Blit, PackedFullWidthRowsCopyWithRowOffsets)
{
    // Rows without padding take the one-block path; the source starts 2 rows down, the
    // destination 3 rows down and is clipped at its bottom.
    for (PixelMode mode : {PixelMode::Rgb565, PixelMode::Rgb32}) {
        const int32_t w = 8, h = 6, bpp = BytesPerPixel(mode);
        std::vector<uint8_t> srcBytes(static_cast<size_t>(w * h * bpp)), dstBytes(srcBytes.size(), 0xCD);
        const PixelView src{srcBytes.data(), w, h, w * bpp, mode}, dst{dstBytes.data(), w, h, w * bpp, mode};
        FillPattern(src, 0);
        EXPECT_EQ(Blit(dst, {0, 3}, src, {0, 2, w, h}, kAll), Rect(0, 3, w, h)) << static_cast<int>(mode);
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) {
                const uint32_t want = y < 3 ? (kPoison & Mask(mode)) : src.PixelAt(x, y - 1);
                ASSERT_EQ(dst.PixelAt(x, y), want) << "mode " << static_cast<int>(mode) << " at " << x << ", " << y;
            }
    }
}
