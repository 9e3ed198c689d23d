#include <gtest/gtest.h>

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
