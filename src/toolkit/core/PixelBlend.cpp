#include "toolkit/core/PixelBlend.h"

#include <cstring>

namespace {

// The colour's share of each channel is the same for every pixel: c * alpha + 127 is added once.
struct Share {
    uint32_t r, g, b;
    uint32_t keep;  // 255 - alpha
};

inline uint8_t Mix(uint32_t x, uint32_t share, uint32_t keep)
{
    const uint32_t u = x * keep + share;
    return static_cast<uint8_t>((u + 1 + (u >> 8)) >> 8);
}

template <class P>
void FillPixels(uint8_t* row, int count, uint32_t colour)
{
    const auto p = static_cast<P>(colour);
    for (int i = 0; i < count; ++i) std::memcpy(row + i * sizeof(P), &p, sizeof(P));
}

template <PixelMode M, class P>
void BlendPixels(uint8_t* row, int count, const Share& s)
{
    for (int i = 0; i < count; ++i) {
        P p;
        std::memcpy(&p, row + i * sizeof(P), sizeof(P));
        const Rgb a = UnpackRgb(M, p);
        p = static_cast<P>(PackRgb(M, Mix(a.r, s.r, s.keep), Mix(a.g, s.g, s.keep), Mix(a.b, s.b, s.keep)));
        std::memcpy(row + i * sizeof(P), &p, sizeof(P));
    }
}

}  // namespace

void BlendRow(PixelMode m, uint8_t* row, int count, uint32_t colour, int alpha)
{
    if (alpha <= 0 || BytesPerPixel(m) == 0) return;
    if (alpha >= 255) {
        if (m == PixelMode::Rgb32) FillPixels<uint32_t>(row, count, colour);
        else FillPixels<uint16_t>(row, count, colour);
        return;
    }
    const auto level = static_cast<uint32_t>(alpha);
    const Rgb c = UnpackRgb(m, colour);
    const Share s{c.r * level + 127, c.g * level + 127, c.b * level + 127, 255 - level};
    switch (m) {
    case PixelMode::Rgb565: return BlendPixels<PixelMode::Rgb565, uint16_t>(row, count, s);
    case PixelMode::Rgb555: return BlendPixels<PixelMode::Rgb555, uint16_t>(row, count, s);
    case PixelMode::Rgb32: return BlendPixels<PixelMode::Rgb32, uint32_t>(row, count, s);
    default: return;
    }
}
