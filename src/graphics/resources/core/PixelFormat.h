#pragma once

#include <cstdint>

// The pixel formats of the display's surfaces. The values are the pixel modes the drawing
// layers report: 16 for 565, 17 for 555, 32 for 32-bit.
enum class PixelMode : int { None = 0, Rgb565 = 16, Rgb555 = 17, Rgb32 = 32 };

constexpr int BytesPerPixel(PixelMode m)
{
    return m == PixelMode::Rgb32 ? 4 : m == PixelMode::None ? 0 : 2;
}

// The colour key (transparent pixel) of each format: magenta.
constexpr uint32_t ColorKeyOf(PixelMode m)
{
    switch (m) {
    case PixelMode::Rgb565: return 0xF81F;
    case PixelMode::Rgb555: return 0x7C1F;
    case PixelMode::Rgb32: return 0xFF00FF;
    default: return 0;
    }
}

// 8-bit channels to a pixel of the format.
constexpr uint32_t PackRgb(PixelMode m, uint8_t r, uint8_t g, uint8_t b)
{
    switch (m) {
    case PixelMode::Rgb565: return static_cast<uint32_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
    case PixelMode::Rgb555: return static_cast<uint32_t>(((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
    case PixelMode::Rgb32: return (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
    default: return 0;
    }
}

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    constexpr bool operator==(const Rgb&) const = default;
};

// A pixel of the format to 8-bit channels (low bits replicated, so white stays 255).
constexpr Rgb UnpackRgb(PixelMode m, uint32_t p)
{
    auto widen5 = [](uint32_t v) { return static_cast<uint8_t>((v << 3) | (v >> 2)); };
    auto widen6 = [](uint32_t v) { return static_cast<uint8_t>((v << 2) | (v >> 4)); };
    switch (m) {
    case PixelMode::Rgb565: return {widen5((p >> 11) & 31), widen6((p >> 5) & 63), widen5(p & 31)};
    case PixelMode::Rgb555: return {widen5((p >> 10) & 31), widen5((p >> 5) & 31), widen5(p & 31)};
    case PixelMode::Rgb32:
        return {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p)};
    default: return {};
    }
}

// A COLORREF (0x00BBGGRR) to a pixel of the format.
constexpr uint32_t PackColorRef(PixelMode m, uint32_t colorRef)
{
    return PackRgb(m, static_cast<uint8_t>(colorRef), static_cast<uint8_t>(colorRef >> 8),
                   static_cast<uint8_t>(colorRef >> 16));
}
