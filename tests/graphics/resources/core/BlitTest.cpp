#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/resources/core/Blit.h"

namespace {

constexpr PixelMode kModes[] = {PixelMode::Rgb555, PixelMode::Rgb565, PixelMode::Rgb32};

// A buffer of one pixel mode, poisoned; `padding` bytes after each row show pitch mistakes.
struct Buffer {
    std::vector<uint8_t> bytes;
    PixelView view;
    Buffer(PixelMode mode, int32_t w, int32_t h, int32_t padding = 12)
        : bytes(size_t(w * BytesPerPixel(mode) + padding) * size_t(h) + 12, 0xCD),
          view{bytes.data(), w, h, w * BytesPerPixel(mode) + padding, mode} {}
    Buffer(const Buffer& o) : bytes(o.bytes), view(o.view) { view.bits = bytes.data(); }
};

uint32_t Mask(PixelMode m) { return m == PixelMode::Rgb32 ? 0xFFFFFFFF : 0xFFFF; }
bool IsKey(PixelMode m, uint32_t p) { return m == PixelMode::Rgb32 ? (p & 0xFFFFFF) == ColorKeyOf(m) : p == ColorKeyOf(m); }

// Source pixels that differ everywhere and never equal the key by accident.
void FillPattern(const PixelView& v, int seed = 0)
{
    for (int32_t y = 0; y < v.height; ++y)
        for (int32_t x = 0; x < v.width; ++x) {
            const uint32_t p = PackRgb(v.mode, uint8_t(x * 17 + 3 + seed), uint8_t(y * 29 + 5 + seed), uint8_t((x + y) * 11));
            v.SetPixel(x, y, IsKey(v.mode, p) ? p ^ 1 : p);
        }
}

// The blend, exact to the bit: 32-bit widens alpha to 0..256 and truncates, keeping the
// destination's top byte; 16-bit rounds each channel in 32 steps of alpha.
uint32_t Blended(PixelMode mode, uint32_t s, uint32_t d, uint32_t alpha)
{
    const int bits[3] = {5, mode == PixelMode::Rgb555 ? 5 : 6, 5};
    uint32_t out = mode == PixelMode::Rgb32 ? d & 0xFF000000 : 0;
    for (int i = 0, shift = 0; i < 3; shift += mode == PixelMode::Rgb32 ? 8 : bits[i], ++i) {
        const uint32_t m = mode == PixelMode::Rgb32 ? 0xFF : (1u << bits[i]) - 1;
        const uint32_t sc = (s >> shift) & m, dc = (d >> shift) & m;
        const uint32_t a = mode == PixelMode::Rgb32 ? alpha + alpha / 128 : (alpha + 4) / 8;
        out |= (mode == PixelMode::Rgb32 ? (sc * a + dc * (256 - a)) / 256 : (sc * a + dc * (32 - a) + 16) / 32) << shift;
    }
    return out;
}

struct Case {
    const char* name;
    Point at;
    Rect srcRect, clip;
    uint32_t flags;
    uint8_t alpha;
    bool packed = false;  // rows without padding, both as wide as the span: the one-block copy
};

// The rule: a destination pixel inside the clip and the destination shows source pixel
// (srcRect.left + dx, srcRect.top + dy), mirrored where asked, when that lies in srcRect and
// the source; every other destination pixel is untouched.
std::string CheckBlit(PixelMode mode, const Case& c)
{
    Buffer src(mode, 16, 12, c.packed ? 0 : 12), dst(mode, c.packed ? 16 : 20, 15, c.packed ? 0 : 12);
    const uint32_t key = ColorKeyOf(mode);
    FillPattern(src.view);
    FillPattern(dst.view, 101);
    // Key pixels on a diagonal; in 32 bits every other one has an opaque alpha byte, which the
    // key ignores.
    for (int32_t i = 0; i < 12; ++i) src.view.SetPixel(i, i, mode == PixelMode::Rgb32 && i % 2 ? key | 0xFF000000 : key);
    const Buffer before = dst;
    const Rect touched = Blit(dst.view, c.at, src.view, c.srcRect, c.clip, {c.flags, c.alpha, key});

    Rect expectTouched;
    const Rect limit = c.clip.Intersected(dst.view.Bounds());
    for (int32_t y = 0; y < dst.view.height; ++y) {
        for (int32_t x = 0; x < dst.view.width; ++x) {
            const int32_t dx = x - c.at.x, dy = y - c.at.y;
            const uint32_t old = before.view.PixelAt(x, y);
            uint32_t want = old;
            const bool inside = limit.Contains(x, y) && dx >= 0 && dx < c.srcRect.Width() && dy >= 0 &&
                                dy < c.srcRect.Height();
            const int32_t sx = HasFlag(c.flags, BlitFlag::MirrorX) ? c.srcRect.right - 1 - dx : c.srcRect.left + dx;
            const int32_t sy = HasFlag(c.flags, BlitFlag::MirrorY) ? c.srcRect.bottom - 1 - dy : c.srcRect.top + dy;
            if (inside && src.view.Bounds().Contains(sx, sy)) {
                expectTouched = expectTouched.United({x, y, x + 1, y + 1});
                const uint32_t s = src.view.PixelAt(sx, sy);
                if (!(HasFlag(c.flags, BlitFlag::ColorKey) && IsKey(mode, s)))
                    want = c.alpha == 255 ? s : Blended(mode, s, old, c.alpha);
            }
            if (const uint32_t got = dst.view.PixelAt(x, y); (got & Mask(mode)) != (want & Mask(mode)))
                return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") is " + std::to_string(got) + ", want " +
                       std::to_string(want);
        }
    }
    for (int32_t y = 0; y < dst.view.height; ++y)
        for (int32_t i = dst.view.width * BytesPerPixel(mode); i < dst.view.pitch; ++i)
            if (dst.view.Row(y)[i] != 0xCD) return "padding written in row " + std::to_string(y);
    if (c.alpha != 0 && touched != expectTouched) return "touched rectangle differs";
    return {};
}

const Rect kAll{-1000, -1000, 1000, 1000};
const uint32_t kKey = uint32_t(BlitFlag::ColorKey), kMx = uint32_t(BlitFlag::MirrorX), kMy = uint32_t(BlitFlag::MirrorY);

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
    {"alpha 77, keyed", {2, 1}, {0, 0, 16, 12}, kAll, kKey, 77},
    {"alpha 200", {2, 1}, {0, 0, 16, 12}, kAll, 0, 200},
    {"alpha low, keyed, mirrored, clipped", {-4, 6}, {0, 0, 16, 12}, kAll, kKey | kMx, 40},
    {"alpha zero draws nothing", {2, 1}, {0, 0, 16, 12}, kAll, 0, 0},
    {"packed rows, 2 rows down, clipped at the bottom", {0, 6}, {0, 2, 16, 12}, kAll, 0, 255, true},
};

}  // namespace

TEST(Blit, DrawsTheClippedSourceAndNothingElse)
{
    for (PixelMode mode : kModes)
        for (const Case& c : kCases) EXPECT_EQ(CheckBlit(mode, c), "") << c.name << " at mode " << int(mode);
}

TEST(StoreImage, TransparentPixelsBecomeTheKeyWhichHitTestsIgnore)
{
    Image image = *Image::Create(3, 2, Argb(0xFF, 255, 0, 0));
    image.At(1, 0) = 0x00FFFFFF;
    for (PixelMode mode : kModes) {
        Buffer b(mode, 2, 2);  // smaller than the image: only what fits is written
        const uint32_t key = ColorKeyOf(mode);
        StoreImage(image, b.view, key);
        EXPECT_TRUE((b.view.PixelAt(0, 0) & Mask(mode)) == PackRgb(mode, 255, 0, 0) && (b.view.PixelAt(1, 0) & Mask(mode)) == key)
            << int(mode);
        EXPECT_EQ(b.view.Row(0)[2 * BytesPerPixel(mode)], 0xCD) << "wrote past the view";
        if (mode == PixelMode::Rgb32) b.view.SetPixel(1, 1, key | 0xFF000000);
        // The key with an opaque alpha byte is still the key.
        const struct { int32_t x, y; bool opaque; } cases[] = {
            {0, 0, true}, {1, 0, false}, {-1, 0, false}, {0, -1, false}, {2, 0, false}, {0, 2, false}, {1, 1, mode != PixelMode::Rgb32}};
        for (const auto& c : cases)
            EXPECT_EQ(IsOpaquePixel(b.view, c.x, c.y, key), c.opaque) << int(mode) << " at " << c.x << ", " << c.y;
    }
}
