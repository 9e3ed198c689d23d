#pragma once

#include <cstdint>

#include "graphics/resources/core/PixelFormat.h"

// Blends colour c over pixel p of the format with alpha 0 (p stays) .. 255 (c replaces it).
constexpr uint32_t BlendPixel(PixelMode m, uint32_t p, uint32_t c, int alpha)
{
    if (alpha <= 0) return p;
    if (alpha >= 255) return c;
    const Rgb a = UnpackRgb(m, p);
    const Rgb b = UnpackRgb(m, c);
    auto mix = [alpha](uint8_t x, uint8_t y) {
        return static_cast<uint8_t>((x * (255 - alpha) + y * alpha + 127) / 255);
    };
    return PackRgb(m, mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b));
}

// Blends one colour over a row of pixels of the format.
void BlendRow(PixelMode m, uint8_t* row, int count, uint32_t colour, int alpha);
