#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "toolkit/core/PixelBlend.h"

TEST(PixelBlend, MixesChannelsByAlpha)
{
    const struct { const char* name; PixelMode mode; Rgb under, over; int alpha; Rgb expected; } cases[] = {
        {"alpha 0 keeps the pixel", PixelMode::Rgb32, {10, 20, 30}, {200, 200, 200}, 0, {10, 20, 30}},
        {"alpha 255 replaces it", PixelMode::Rgb32, {10, 20, 30}, {200, 100, 50}, 255, {200, 100, 50}},
        {"below 0 counts as 0", PixelMode::Rgb32, {10, 20, 30}, {200, 100, 50}, -4, {10, 20, 30}},
        {"half way in 32-bit", PixelMode::Rgb32, {0, 0, 0}, {255, 255, 255}, 128, {128, 128, 128}},
        {"half way in 565", PixelMode::Rgb565, {0, 0, 0}, {255, 255, 255}, 128, {132, 130, 132}},
        {"half way in 555", PixelMode::Rgb555, {255, 0, 0}, {0, 0, 255}, 128, {123, 0, 132}},
        // Exact results 36.57, 20.57, 43.52 and 22.55, 47.65, 62.55: rounded, not cut.
        {"alpha 77 rounds", PixelMode::Rgb32, {10, 10, 10}, {98, 45, 121}, 77, {37, 21, 44}},
        {"alpha 200 rounds", PixelMode::Rgb32, {10, 10, 10}, {26, 58, 77}, 200, {23, 48, 63}},
        {"rounding carries into the next 565 step", PixelMode::Rgb565, {10, 20, 30}, {200, 100, 50}, 77, {66, 44, 33}},
    };
    for (const auto& c : cases) {
        const uint32_t p = PackRgb(c.mode, c.under.r, c.under.g, c.under.b);
        const uint32_t q = PackRgb(c.mode, c.over.r, c.over.g, c.over.b);
        const Rgb got = UnpackRgb(c.mode, BlendPixel(c.mode, p, q, c.alpha));
        EXPECT_EQ(got, c.expected) << c.name << ": got " << int(got.r) << "," << int(got.g) << "," << int(got.b);
    }
}

namespace {

// The blend as first written, with a division per channel; the fast forms must match it.
uint8_t DividingBlend(uint32_t x, uint32_t y, int alpha)
{
    return static_cast<uint8_t>((x * (255 - alpha) + y * alpha + 127) / 255);
}

uint32_t DividingBlendPixel(PixelMode m, uint32_t p, uint32_t c, int alpha)
{
    if (alpha <= 0) return p;
    if (alpha >= 255) return c;
    const Rgb a = UnpackRgb(m, p);
    const Rgb b = UnpackRgb(m, c);
    return PackRgb(m, DividingBlend(a.r, b.r, alpha), DividingBlend(a.g, b.g, alpha), DividingBlend(a.b, b.b, alpha));
}

}  // namespace

TEST(PixelBlend, ChannelMatchesDivisionForEveryInput)
{
    int wrong = 0;
    for (uint32_t alpha = 0; alpha < 256; ++alpha)
        for (uint32_t x = 0; x < 256; ++x)
            for (uint32_t y = 0; y < 256; ++y) {
                const uint8_t want = DividingBlend(x, y, static_cast<int>(alpha));
                const uint8_t got = BlendChannel(x, y, alpha);
                if (got != want && wrong++ < 5)
                    ADD_FAILURE() << "x " << x << " y " << y << " alpha " << alpha << ": got " << int(got) << ", expected "
                                  << int(want);
            }
    EXPECT_EQ(wrong, 0);
}

TEST(PixelBlend, RowMatchesDividingBlendOfEachPixel)
{
    const std::vector<int> kLevels = {1, 2, 77, 127, 128, 200, 254};
    const struct { const char* name; PixelMode mode; uint32_t colour; std::vector<int> alphas; } cases[] = {
        {"565 over every pixel", PixelMode::Rgb565, 0xF81F, kLevels},
        {"555 over every pixel", PixelMode::Rgb555, 0x1234, kLevels},
        {"32-bit", PixelMode::Rgb32, 0x336699, kLevels},
        {"32-bit colour with a top byte, opaque", PixelMode::Rgb32, 0xFF102030, {255, 300}},
        {"565 opaque and beyond", PixelMode::Rgb565, 0x07E0, {255, 256, 1000}},
        {"nothing at 0 or below", PixelMode::Rgb555, 0x7FFF, {0, -1, -255}},
    };
    for (const auto& c : cases) {
        const std::vector<int>& alphas = c.alphas;
        const int bytes = BytesPerPixel(c.mode);
        // Every 16-bit pixel; for 32 bits a spread with the top byte set on some.
        const int count = 65536;
        std::vector<uint32_t> under(count);
        for (int i = 0; i < count; ++i)
            under[size_t(i)] = bytes == 2 ? uint32_t(i) : uint32_t(i) * 2654435761u;
        std::vector<uint8_t> row(size_t(count) * size_t(bytes));
        for (const int alpha : alphas) {
            for (int i = 0; i < count; ++i) std::memcpy(&row[size_t(i) * size_t(bytes)], &under[size_t(i)], size_t(bytes));
            BlendRow(c.mode, row.data(), count, c.colour, alpha);
            for (int i = 0; i < count; ++i) {
                uint32_t got = 0;
                std::memcpy(&got, &row[size_t(i) * size_t(bytes)], size_t(bytes));
                uint32_t want = DividingBlendPixel(c.mode, under[size_t(i)], c.colour, alpha);
                if (bytes == 2) want &= 0xFFFF;
                if (got != want) {
                    ADD_FAILURE() << c.name << ": alpha " << alpha << " pixel " << std::hex << under[size_t(i)] << " got "
                                  << got << ", expected " << want;
                    break;
                }
            }
        }
    }
}
