#include "graphics/sprite/core/FXMan.h"

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "graphics/sprite/core/K_Dib.h"
#include "graphics/sprite/core/LLESprite.h"

namespace {

std::unique_ptr<KK_FXMan> g_fxMan;

// Far beyond any image: nothing placed there can show, and sums stay inside 32 bits.
constexpr int32_t kFarAway = 1 << 28;

// Blends at an 8-bit level, written per channel in 16-bit arithmetic so that the compiler can
// run whole spans in vector lanes: every intermediate fits 16 bits.
inline uint16_t Blend565(uint32_t s, uint32_t d, uint32_t a)
{
    const int ia = static_cast<int>(a);
    const int sr = static_cast<int>(s >> 11), dr = static_cast<int>(d >> 11);
    const int sg = static_cast<int>((s >> 5) & 63), dg = static_cast<int>((d >> 5) & 63);
    const int sb = static_cast<int>(s & 31), db = static_cast<int>(d & 31);
    const int r = dr + (((sr - dr) * ia) >> 8);
    const int g = dg + (((sg - dg) * ia) >> 8);
    const int b = db + (((sb - db) * ia) >> 8);
    return static_cast<uint16_t>((r << 11) | (g << 5) | b);
}

inline uint16_t Blend555(uint32_t s, uint32_t d, uint32_t a)
{
    const int ia = static_cast<int>(a);
    const int sr = static_cast<int>((s >> 10) & 31), dr = static_cast<int>((d >> 10) & 31);
    const int sg = static_cast<int>((s >> 5) & 31), dg = static_cast<int>((d >> 5) & 31);
    const int sb = static_cast<int>(s & 31), db = static_cast<int>(d & 31);
    const int r = dr + (((sr - dr) * ia) >> 8);
    const int g = dg + (((sg - dg) * ia) >> 8);
    const int b = db + (((sb - db) * ia) >> 8);
    return static_cast<uint16_t>((r << 10) | (g << 5) | b);
}

// d x (256 - a) + s x a is at most 255 x 256 for 8-bit channels.
inline uint8_t BlendByte(uint8_t s, uint8_t d, uint32_t a)
{
    return static_cast<uint8_t>((static_cast<uint16_t>(d * (256 - a)) + static_cast<uint16_t>(s * a)) >> 8);
}

// BlendByte over n bytes. With SSE2, 16 at a time as d + (s - d) x a / 256 rounded down: the
// high half of 2 (s - d) x 128 a is that quotient, and both factors fit 16 signed bits (a < 256).
inline void BlendBytes(uint8_t* d, const uint8_t* s, size_t n, uint32_t a)
{
    size_t i = 0;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    const __m128i scale = _mm_set1_epi16(static_cast<int16_t>(a << 7));
    for (; i + 16 <= n; i += 16) {
        const __m128i sv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const __m128i dv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
        const __m128i dl = _mm_unpacklo_epi8(dv, zero), dh = _mm_unpackhi_epi8(dv, zero);
        __m128i xl = _mm_sub_epi16(_mm_unpacklo_epi8(sv, zero), dl);
        __m128i xh = _mm_sub_epi16(_mm_unpackhi_epi8(sv, zero), dh);
        xl = _mm_mulhi_epi16(_mm_add_epi16(xl, xl), scale);
        xh = _mm_mulhi_epi16(_mm_add_epi16(xh, xh), scale);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), _mm_packus_epi16(_mm_add_epi16(dl, xl), _mm_add_epi16(dh, xh)));
    }
#endif
    for (; i < n; ++i) d[i] = BlendByte(s[i], d[i], a);
}

inline uint32_t Blend32(uint32_t s, uint32_t d, uint32_t a)
{
    uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8)
        out |= uint32_t{BlendByte(static_cast<uint8_t>(s >> shift), static_cast<uint8_t>(d >> shift), a)} << shift;
    return out;
}

// Copies n bytes, n even. Short runs, as most runs of a sprite are, go inline in whole blocks with
// the last one overlapping the one before, since a call to memcpy costs as much as the copy.
inline void CopyRun(uint8_t* dst, const uint8_t* src, size_t n)
{
    if (n > 256) {
        std::memcpy(dst, src, n);  // long: the library's copy streams whole cache lines
    } else if (n >= 32) {
        for (size_t i = 0; i + 32 < n; i += 32) __builtin_memcpy(dst + i, src + i, 32);
        __builtin_memcpy(dst + n - 32, src + n - 32, 32);
    } else if (n >= 16) {
        __builtin_memcpy(dst, src, 16);
        __builtin_memcpy(dst + n - 16, src + n - 16, 16);
    } else if (n >= 8) {
        __builtin_memcpy(dst, src, 8);
        __builtin_memcpy(dst + n - 8, src + n - 8, 8);
    } else if (n >= 4) {
        __builtin_memcpy(dst, src, 4);
        __builtin_memcpy(dst + n - 4, src + n - 4, 4);
    } else if (n >= 2) {
        __builtin_memcpy(dst, src, 2);
    }
}

// Writes a run of source pixels to a destination span, forward or mirrored (dst[-i]).
template <class P>
struct CopyOp {
    // A copy only writes the target: asking for its lines two rows ahead hides the misses of those
    // writes. Blends read the target where they write it, and run no faster with it.
    static constexpr bool kFetchTargetAhead = true;
    void Span(P* dst, const P* src, int32_t n, bool reversed) const
    {
        if (!reversed) {
            CopyRun(reinterpret_cast<uint8_t*>(dst), reinterpret_cast<const uint8_t*>(src), static_cast<size_t>(n) * sizeof(P));
            return;
        }
        for (int32_t i = 0; i < n; ++i) dst[-i] = src[i];
    }
};

template <class P, class Blend>
struct AlphaOp {
    uint32_t a;
    Blend blend;
    void Span(P* dst, const P* src, int32_t n, bool reversed) const
    {
        if (!reversed && sizeof(P) == 4) {
            // Byte by byte, the unused top byte included (it stays 0 when both are 0).
            BlendBytes(reinterpret_cast<uint8_t*>(dst), reinterpret_cast<const uint8_t*>(src), static_cast<size_t>(n) * 4, a);
            return;
        }
        if (!reversed) {
            for (int32_t i = 0; i < n; ++i) dst[i] = static_cast<P>(blend(src[i], dst[i], a));
            return;
        }
        for (int32_t i = 0; i < n; ++i) dst[-i] = static_cast<P>(blend(src[i], dst[-i], a));
    }
};

// At level 128 the blend leaves each channel at the floor of the mean of source and target:
// (s & d) + (s ^ d) / 2, the low bit of every field cleared before the shift so that nothing
// crosses into the next field. `Keep` holds the bits the blend writes (mirrored 32-bit pixels
// and 555 ones lose the top).
template <class P, uint32_t LowBits, uint32_t Keep, uint32_t KeepMirrored>
struct HalfOp {
    static P Half(uint32_t s, uint32_t d) { return static_cast<P>((s & d) + (((s ^ d) & ~LowBits) >> 1)); }
    void Span(P* dst, const P* src, int32_t n, bool reversed) const
    {
        if (!reversed) {
            for (int32_t i = 0; i < n; ++i) dst[i] = static_cast<P>(Half(src[i], dst[i]) & Keep);
            return;
        }
        for (int32_t i = 0; i < n; ++i) dst[-i] = static_cast<P>(Half(src[i], dst[-i]) & KeepMirrored);
    }
};

// Colour and tint change the source pixel first; alpha (if any) then blends it.
template <class P, class Blend>
struct EffectOp {
    PixelMode mode;
    uint32_t fx;
    uint32_t a;
    uint32_t color;  // in the mode
    Rgb tint;
    Blend blend;

    P Source(P p) const
    {
        if (fx & kFxColor) return static_cast<P>(color);
        if (!(fx & kFxTint)) return p;
        const Rgb c = UnpackRgb(mode, p);
        return static_cast<P>(PackRgb(mode, static_cast<uint8_t>(c.r * tint.r / 255), static_cast<uint8_t>(c.g * tint.g / 255),
                                      static_cast<uint8_t>(c.b * tint.b / 255)));
    }
    void Span(P* dst, const P* src, int32_t n, bool reversed) const
    {
        const int32_t step = reversed ? -1 : 1;
        for (int32_t i = 0; i < n; ++i) {
            P& d = dst[i * step];
            const P s = Source(src[i]);
            d = (fx & kFxAlpha) ? static_cast<P>(blend(s, d, a)) : s;
        }
    }
};

template <class P, class Op>
void DrawRuns(K_Dib& target, const KK_LLESprite& s, const P* pixels, int32_t x, int32_t y, uint32_t fx, const Op& op)
{
    const bool mirrorX = fx & kFxMirrorX;
    const bool mirrorY = fx & kFxMirrorY;
    const int32_t w = s.GetWidth();
    const int32_t h = s.GetHeight();
    const Point hot = s.GetHotSpot();
    const int32_t left = mirrorX ? x + hot.x - w : x - hot.x;
    const int32_t top = mirrorY ? y + hot.y - h : y - hot.y;
    const Rect vis = Rect(left, top, left + w, top + h).Intersected(target.GetClipRect());
    if (vis.IsEmpty()) return;
    // The visible source columns.
    const int32_t srcLeft = mirrorX ? left + w - vis.right : vis.left - left;
    const int32_t srcRight = mirrorX ? left + w - vis.left : vis.right - left;
    const bool wholeLines = !mirrorX && srcLeft == 0 && srcRight == w;
    for (int32_t dy = vis.top; dy < vis.bottom; ++dy) {
        const int32_t sy = mirrorY ? top + h - 1 - dy : dy - top;
        P* row = target.Row<P>(dy);
        if (wholeLines) {
            // Every run lies inside the clip: no column to cut.
            P* d = row + left;
            if constexpr (requires { Op::kFetchTargetAhead; }) {
                if (dy + 2 < vis.bottom) {
                    const auto* ahead = reinterpret_cast<const char*>(target.Row<P>(dy + 2) + left);
                    for (size_t i = 0; i < size_t(w) * sizeof(P); i += 64) __builtin_prefetch(ahead + i, 1);
                }
            }
            for (auto* r = s.LineBegin(sy), *end = s.LineEnd(sy); r != end; ++r) {
                d += r->skip;
                op.Span(d, pixels + r->first, r->count, false);
                d += r->count;
            }
            continue;
        }
        int32_t sx = 0;
        for (auto* r = s.LineBegin(sy), *end = s.LineEnd(sy); r != end && sx < srcRight; ++r) {
            sx += r->skip;
            const int32_t a = std::max(sx, srcLeft);
            const int32_t b = std::min(sx + int32_t{r->count}, srcRight);
            if (a < b) {
                const P* src = pixels + r->first + (a - sx);
                if (mirrorX) op.Span(row + (left + w - 1 - a), src, b - a, true);
                else op.Span(row + (left + a), src, b - a, false);
            }
            sx += r->count;
        }
    }
}

// Flattened: each pixel operation must be inlined into its row loop, whatever the inliner's
// budget says once there are several instantiations.
template <class P, class Blend, class Half>
[[gnu::flatten]] int DrawWith(K_Dib& target, const KK_LLESprite& s, const P* pixels, PixelMode mode, int32_t x, int32_t y,
                              uint32_t fx, int level, uint32_t colorRef)
{
    if (s.IsEmpty() || x < -kFarAway || x > kFarAway || y < -kFarAway || y > kFarAway) return 1;
    const bool alpha = (fx & kFxAlpha) && level < 255;
    if (alpha && level <= 0) return 1;
    const uint32_t a = alpha ? static_cast<uint32_t>(level) : 0;
    if (!(fx & (kFxColor | kFxTint))) {
        if (alpha && a == 128) DrawRuns(target, s, pixels, x, y, fx, Half{});
        else if (alpha) DrawRuns(target, s, pixels, x, y, fx, AlphaOp<P, Blend>{a, Blend{}});
        else DrawRuns(target, s, pixels, x, y, fx, CopyOp<P>{});
        return 1;
    }
    const Rgb tint{static_cast<uint8_t>(colorRef), static_cast<uint8_t>(colorRef >> 8), static_cast<uint8_t>(colorRef >> 16)};
    const uint32_t fxUsed = alpha ? fx : fx & ~uint32_t{kFxAlpha};
    DrawRuns(target, s, pixels, x, y, fx, EffectOp<P, Blend>{mode, fxUsed, a, PackColorRef(mode, colorRef), tint, Blend{}});
    return 1;
}

template <class P>
int Fill(K_Dib& target, const Rect& r, P value)
{
    const Rect vis = r.Intersected(target.GetClipRect());
    for (int32_t y = vis.top; y < vis.bottom; ++y) std::fill_n(target.Row<P>(y) + vis.left, vis.Width(), value);
    return 1;
}

struct Blend565Op {
    uint32_t operator()(uint32_t s, uint32_t d, uint32_t a) const { return Blend565(s, d, a); }
};
struct Blend555Op {
    uint32_t operator()(uint32_t s, uint32_t d, uint32_t a) const { return Blend555(s, d, a); }
};
struct BlendRgb32 {
    uint32_t operator()(uint32_t s, uint32_t d, uint32_t a) const { return Blend32(s, d, a); }
};
using Half565 = HalfOp<uint16_t, 0x0821, 0xFFFF, 0xFFFF>;
using Half555 = HalfOp<uint16_t, 0x0421, 0x7FFF, 0x7FFF>;
using Half32 = HalfOp<uint32_t, 0x01010101, 0xFFFFFFFF, 0x00FFFFFF>;

}  // namespace

bool KK_FXMan::Accepts(const K_Dib& target, const KK_LLESprite* sprite) const
{
    const PixelMode mode = GetPixelMode();
    if (!target.GetBits() || target.GetBitCount() != BytesPerPixel(mode) * 8) return false;
    return !sprite || sprite->IsEmpty() || sprite->GetPixelMode() == mode;
}

KK_FXMan_16::KK_FXMan_16(PixelMode m) : mode(m == PixelMode::Rgb555 ? PixelMode::Rgb555 : PixelMode::Rgb565) {}

int KK_FXMan_16::DrawSprite(K_Dib& target, const KK_LLESprite& sprite, int32_t x, int32_t y, uint32_t fx, int level,
                            uint32_t colorRef) const
{
    if (!Accepts(target, &sprite)) return 0;
    if (mode == PixelMode::Rgb555)
        return DrawWith<uint16_t, Blend555Op, Half555>(target, sprite, sprite.Pixels16(), mode, x, y, fx, level, colorRef);
    return DrawWith<uint16_t, Blend565Op, Half565>(target, sprite, sprite.Pixels16(), mode, x, y, fx, level, colorRef);
}

int KK_FXMan_16::FillRect(K_Dib& target, const Rect& r, uint32_t colorRef) const
{
    if (!Accepts(target, nullptr)) return 0;
    return Fill<uint16_t>(target, r, static_cast<uint16_t>(PackColorRef(mode, colorRef)));
}

int KK_FXMan_32::DrawSprite(K_Dib& target, const KK_LLESprite& sprite, int32_t x, int32_t y, uint32_t fx, int level,
                            uint32_t colorRef) const
{
    if (!Accepts(target, &sprite)) return 0;
    return DrawWith<uint32_t, BlendRgb32, Half32>(target, sprite, sprite.Pixels32(), PixelMode::Rgb32, x, y, fx, level, colorRef);
}

int KK_FXMan_32::FillRect(K_Dib& target, const Rect& r, uint32_t colorRef) const
{
    if (!Accepts(target, nullptr)) return 0;
    return Fill<uint32_t>(target, r, PackColorRef(PixelMode::Rgb32, colorRef));
}

KK_FXMan* CreateFXMan(PixelMode mode)
{
    switch (mode) {
    case PixelMode::Rgb565:
    case PixelMode::Rgb555: g_fxMan = std::make_unique<KK_FXMan_16>(mode); break;
    case PixelMode::Rgb32: g_fxMan = std::make_unique<KK_FXMan_32>(); break;
    default: g_fxMan.reset(); break;
    }
    return g_fxMan.get();
}

KK_FXMan* GetFXMan() { return g_fxMan.get(); }

int GetFXPixelMode() { return g_fxMan ? static_cast<int>(g_fxMan->GetPixelMode()) : 0; }
