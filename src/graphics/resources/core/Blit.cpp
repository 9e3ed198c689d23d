#include "graphics/resources/core/Blit.h"

#include <cstring>

namespace {

// Where the destination rectangle maps into the source, after all the clipping.
struct Span {
    Rect dst;           // destination pixels to write
    int32_t srcX0 = 0;  // source column of dst.left (the rightmost one when mirrored)
    int32_t srcY0 = 0;  // source row of dst.top
};

// Clips one axis. [s0, s1) is the source range, `at` where s0 lands; mirrored, s1 - 1 lands there.
bool ClipAxis(int32_t s0, int32_t s1, int32_t srcLimit, int32_t at, int32_t c0, int32_t c1, bool mirror,
              int32_t& d0, int32_t& d1, int32_t& first)
{
    const int32_t from = std::max(s0, 0);
    const int32_t to = std::min(s1, srcLimit);
    if (from >= to) return false;
    // Destination start of the clipped source range.
    const int32_t start = mirror ? at + (s1 - to) : at + (from - s0);
    d0 = std::max(start, c0);
    d1 = std::min(start + (to - from), c1);
    if (d0 >= d1) return false;
    first = mirror ? to - 1 - (d0 - start) : from + (d0 - start);
    return true;
}

bool ComputeSpan(const PixelView& dst, Point at, const PixelView& src, const Rect& srcRect, const Rect& clip,
                 uint32_t flags, Span& span)
{
    const Rect limit = clip.Intersected(dst.Bounds());
    if (limit.IsEmpty() || srcRect.IsEmpty()) return false;
    int32_t l = 0, r = 0, t = 0, b = 0;
    if (!ClipAxis(srcRect.left, srcRect.right, src.width, at.x, limit.left, limit.right,
                  HasFlag(flags, BlitFlag::MirrorX), l, r, span.srcX0))
        return false;
    if (!ClipAxis(srcRect.top, srcRect.bottom, src.height, at.y, limit.top, limit.bottom,
                  HasFlag(flags, BlitFlag::MirrorY), t, b, span.srcY0))
        return false;
    span.dst = {l, t, r, b};
    return true;
}

// Blends in 32 steps on 16-bit pixels spread so that each channel has room to multiply.
// `Half` holds 16 in each channel's field, to round instead of truncating.
template <uint32_t Spread, uint32_t Half>
inline uint16_t Blend16(uint32_t s, uint32_t d, uint32_t a5)
{
    s = (s | (s << 16)) & Spread;
    d = (d | (d << 16)) & Spread;
    const uint32_t m = ((s * a5 + d * (32 - a5) + Half) >> 5) & Spread;
    return static_cast<uint16_t>(m | (m >> 16));
}

inline uint32_t Blend32(uint32_t s, uint32_t d, uint32_t a)  // a in 0..256
{
    const uint32_t rb = (((s & 0xFF00FF) * a + (d & 0xFF00FF) * (256 - a)) >> 8) & 0xFF00FF;
    const uint32_t g = (((s & 0x00FF00) * a + (d & 0x00FF00) * (256 - a)) >> 8) & 0x00FF00;
    return (d & 0xFF000000) | rb | g;
}

template <class P>
struct Pixels;

template <>
struct Pixels<uint16_t> {
    static bool IsKey(uint16_t p, uint32_t key) { return p == key; }
};
template <>
struct Pixels<uint32_t> {
    static bool IsKey(uint32_t p, uint32_t key) { return (p & 0xFFFFFF) == (key & 0xFFFFFF); }
};

template <class P>
P BlendPixel(PixelMode mode, P s, P d, uint32_t alpha)
{
    if constexpr (sizeof(P) == 4) {
        (void)mode;
        return Blend32(s, d, alpha + (alpha >> 7));
    } else {
        const uint32_t a5 = (alpha + 4) >> 3;
        return mode == PixelMode::Rgb565 ? Blend16<0x07E0F81F, 0x02008010>(s, d, a5)
                                         : Blend16<0x03E07C1F, 0x02004010>(s, d, a5);
    }
}

template <class P>
void BlitRows(const PixelView& dst, const PixelView& src, const Span& span, const BlitOptions& o)
{
    const bool mirrorX = HasFlag(o.flags, BlitFlag::MirrorX);
    const bool mirrorY = HasFlag(o.flags, BlitFlag::MirrorY);
    const bool keyed = HasFlag(o.flags, BlitFlag::ColorKey);
    const int32_t width = span.dst.Width();
    const ptrdiff_t step = mirrorX ? -1 : 1;
    const size_t rowBytes = static_cast<size_t>(width) * sizeof(P);
    // Whole rows of packed surfaces in the same order are one block: one copy.
    if (!mirrorX && !mirrorY && !keyed && o.alpha == 255 && rowBytes == static_cast<size_t>(dst.pitch) &&
        dst.pitch == src.pitch) {
        std::memmove(dst.Row(span.dst.top), src.Row(span.srcY0), rowBytes * static_cast<size_t>(span.dst.Height()));
        return;
    }
    for (int32_t y = span.dst.top; y < span.dst.bottom; ++y) {
        const int32_t sy = mirrorY ? span.srcY0 - (y - span.dst.top) : span.srcY0 + (y - span.dst.top);
        const P* s = reinterpret_cast<const P*>(src.Row(sy)) + span.srcX0;
        P* d = reinterpret_cast<P*>(dst.Row(y)) + span.dst.left;
        if (!mirrorX && !keyed && o.alpha == 255) {
            std::memmove(d, s, rowBytes);
            continue;
        }
        for (int32_t x = 0; x < width; ++x, s += step, ++d) {
            const P p = *s;
            if (keyed && Pixels<P>::IsKey(p, o.colorKey)) continue;
            *d = o.alpha == 255 ? p : BlendPixel<P>(dst.mode, p, *d, o.alpha);
        }
    }
}

}  // namespace

uint32_t PixelView::PixelAt(int32_t x, int32_t y) const
{
    const uint8_t* row = Row(y);
    if (mode == PixelMode::Rgb32) return reinterpret_cast<const uint32_t*>(row)[x];
    return reinterpret_cast<const uint16_t*>(row)[x];
}

void PixelView::SetPixel(int32_t x, int32_t y, uint32_t value) const
{
    uint8_t* row = Row(y);
    if (mode == PixelMode::Rgb32) {
        reinterpret_cast<uint32_t*>(row)[x] = value;
    } else {
        reinterpret_cast<uint16_t*>(row)[x] = static_cast<uint16_t>(value);
    }
}

Rect Blit(const PixelView& dst, Point at, const PixelView& src, const Rect& srcRect, const Rect& clip,
          const BlitOptions& options)
{
    if (!dst.IsValid() || !src.IsValid() || dst.mode != src.mode || options.alpha == 0) return {};
    Span span;
    if (!ComputeSpan(dst, at, src, srcRect, clip, options.flags, span)) return {};
    if (dst.mode == PixelMode::Rgb32) {
        BlitRows<uint32_t>(dst, src, span, options);
    } else {
        BlitRows<uint16_t>(dst, src, span, options);
    }
    return span.dst;
}

void StoreImage(const Image& image, const PixelView& dst, uint32_t colorKey)
{
    if (!dst.IsValid()) return;
    const int32_t w = std::min(image.width, dst.width);
    const int32_t h = std::min(image.height, dst.height);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            const uint32_t p = image.At(x, y);
            const uint32_t v = AlphaOf(p) < 128
                                   ? colorKey
                                   : PackRgb(dst.mode, static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8),
                                             static_cast<uint8_t>(p));
            dst.SetPixel(x, y, v);
        }
    }
}

bool IsOpaquePixel(const PixelView& view, int32_t x, int32_t y, uint32_t colorKey)
{
    if (!view.IsValid() || !view.Bounds().Contains(x, y)) return false;
    const uint32_t p = view.PixelAt(x, y);
    return view.mode == PixelMode::Rgb32 ? (p & 0xFFFFFF) != (colorKey & 0xFFFFFF) : p != colorKey;
}
