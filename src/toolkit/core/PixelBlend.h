#pragma once

#include <cstdint>

#include "graphics/resources/core/PixelFormat.h"

// (x * (255 - alpha) + y * alpha) / 255 rounded to nearest, for 8-bit x, y and alpha 0..255.
// u / 255 is (u + 1 + (u >> 8)) >> 8 exactly for u below 65535; the sum here is at most 65152.
constexpr uint8_t BlendChannel(uint32_t x, uint32_t y, uint32_t alpha)
{
    const uint32_t u = x * (255 - alpha) + y * alpha + 127;
    return static_cast<uint8_t>((u + 1 + (u >> 8)) >> 8);
}

// Blends colour c over pixel p of the format with alpha 0 (p stays) .. 255 (c replaces it).
constexpr uint32_t BlendPixel(PixelMode m, uint32_t p, uint32_t c, int alpha)
{
    if (alpha <= 0) return p;
    if (alpha >= 255) return c;
    const Rgb a = UnpackRgb(m, p);
    const Rgb b = UnpackRgb(m, c);
    const auto level = static_cast<uint32_t>(alpha);
    return PackRgb(m, BlendChannel(a.r, b.r, level), BlendChannel(a.g, b.g, level), BlendChannel(a.b, b.b, level));
}

// Blends one colour over a row of pixels of the format; the same result as BlendPixel on each.
void BlendRow(PixelMode m, uint8_t* row, int count, uint32_t colour, int alpha);
