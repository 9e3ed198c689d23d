#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "graphics/sprite/core/FXMan.h"
#include "graphics/sprite/core/K_Dib.h"
#include "graphics/sprite/core/LLESprite.h"

// A full-screen sprite drawn our way and blitted by SDL2 from the same pixels, each on its best
// path: colour keys against SDL's run-length surfaces (encoded, and checked to give the same
// bytes, before timing), alpha at 128, which SDL special-cases, and at levels it does not.

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr uint32_t kBackground = 0x00336699;  // COLORREF

// Pixels of `mode`; with holes, about one pixel in eight is the colour key, in short runs, else none.
std::vector<uint32_t> Picture(PixelMode mode, bool holes)
{
    std::vector<uint32_t> p(static_cast<size_t>(kWidth) * kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const bool key = holes && ((x / 5 + y / 3) % 8 == 0);
            const uint32_t colour = PackRgb(mode, static_cast<uint8_t>(x), static_cast<uint8_t>(y), static_cast<uint8_t>(x ^ y));
            p[static_cast<size_t>(y) * kWidth + x] = key ? ColorKeyOf(mode) : colour == ColorKeyOf(mode) ? colour ^ 1 : colour;
        }
    return p;
}

struct Setup {
    PixelMode mode;
    K_Dib source;
    K_Dib_Draw target;
    KK_LLESprite sprite;
    SDL_Surface* sdlSource = nullptr;
    SDL_Surface* sdlTarget = nullptr;

    Setup(PixelMode m, bool holes) : mode(m)
    {
        const int bits = BytesPerPixel(m) * 8;
        source.Create(kWidth, kHeight, bits);
        target.Create(kWidth, kHeight, bits);
        const auto pixels = Picture(m, holes);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const uint32_t v = pixels[static_cast<size_t>(y) * kWidth + x];
                if (bits == 32) source.Row<uint32_t>(y)[x] = v;
                else source.Row<uint16_t>(y)[x] = static_cast<uint16_t>(v);
            }
        sprite.EncodeDib(source.GetBitmapInfo(), source.GetBits(), m);
        const Uint32 format = m == PixelMode::Rgb32 ? SDL_PIXELFORMAT_XRGB8888
                              : m == PixelMode::Rgb565 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_XRGB1555;
        sdlSource = SDL_CreateRGBSurfaceWithFormatFrom(source.GetBits(), kWidth, kHeight, bits, source.GetPitch(), format);
        sdlTarget = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, bits, format);
        CreateFXMan(m);
        Clear();
    }
    ~Setup()
    {
        SDL_FreeSurface(sdlSource);
        SDL_FreeSurface(sdlTarget);
        CreateFXMan(PixelMode::None);
    }

    // Both targets filled with the same background.
    void Clear()
    {
        target.Fill(kBackground);
        for (int y = 0; y < kHeight; ++y)
            std::memcpy(static_cast<uint8_t*>(sdlTarget->pixels) + static_cast<ptrdiff_t>(y) * sdlTarget->pitch,
                        target.Row<uint8_t>(y), static_cast<size_t>(kWidth) * BytesPerPixel(mode));
    }
    // The largest difference of one channel between the two targets, in 8-bit units.
    int MaxDifference() const
    {
        int most = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                uint32_t sdl = 0;
                std::memcpy(&sdl, static_cast<const uint8_t*>(sdlTarget->pixels) + static_cast<ptrdiff_t>(y) * sdlTarget->pitch +
                                      static_cast<ptrdiff_t>(x) * BytesPerPixel(mode),
                            static_cast<size_t>(BytesPerPixel(mode)));
                const Rgb a = UnpackRgb(mode, target.GetPixel(x, y)), b = UnpackRgb(mode, sdl);
                most = std::max({most, std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
            }
        return most;
    }
};

void Report(benchmark::State& state, PixelMode mode)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kWidth * kHeight * BytesPerPixel(mode));
}

void OursColorKey(benchmark::State& state, PixelMode mode)
{
    Setup s(mode, true);
    for (auto _ : state) {
        s.target.DrawSprite(s.sprite, 0, 0);
        benchmark::DoNotOptimize(s.target.GetBits());
    }
    Report(state, mode);
}

void SdlColorKey(benchmark::State& state, PixelMode mode)
{
    Setup s(mode, true);
    SDL_SetColorKey(s.sdlSource, SDL_TRUE, ColorKeyOf(mode));
    SDL_SetSurfaceRLE(s.sdlSource, 1);
    // The first blit encodes the runs; it must leave the bytes our draw leaves.
    s.target.DrawSprite(s.sprite, 0, 0);
    if (SDL_BlitSurface(s.sdlSource, nullptr, s.sdlTarget, nullptr) != 0 || !(s.sdlSource->flags & SDL_RLEACCEL)) {
        state.SkipWithError("SDL did not run-length encode the source");
        return;
    }
    for (int y = 0; y < kHeight; ++y)
        if (std::memcmp(s.target.Row<uint8_t>(y), static_cast<uint8_t*>(s.sdlTarget->pixels) + static_cast<ptrdiff_t>(y) * s.sdlTarget->pitch,
                        static_cast<size_t>(kWidth) * BytesPerPixel(mode)) != 0) {
            state.SkipWithError("SDL's output differs from ours");
            return;
        }
    for (auto _ : state) {
        SDL_BlitSurface(s.sdlSource, nullptr, s.sdlTarget, nullptr);
        benchmark::DoNotOptimize(s.sdlTarget->pixels);
    }
    Report(state, mode);
}

void OursAlpha(benchmark::State& state, PixelMode mode, int level)
{
    Setup s(mode, false);
    for (auto _ : state) {
        s.target.DrawSprite(s.sprite, 0, 0, kFxAlpha, level);
        benchmark::DoNotOptimize(s.target.GetBits());
    }
    Report(state, mode);
}

// Counts how far SDL's blend lies from ours after one draw on the same background.
void SdlAlpha(benchmark::State& state, PixelMode mode, int level)
{
    Setup s(mode, false);
    SDL_SetSurfaceBlendMode(s.sdlSource, SDL_BLENDMODE_BLEND);
    SDL_SetSurfaceAlphaMod(s.sdlSource, static_cast<Uint8>(level));
    s.target.DrawSprite(s.sprite, 0, 0, kFxAlpha, level);
    SDL_BlitSurface(s.sdlSource, nullptr, s.sdlTarget, nullptr);
    state.counters["max_diff"] = s.MaxDifference();
    for (auto _ : state) {
        SDL_BlitSurface(s.sdlSource, nullptr, s.sdlTarget, nullptr);
        benchmark::DoNotOptimize(s.sdlTarget->pixels);
    }
    Report(state, mode);
}

}  // namespace

BENCHMARK_CAPTURE(OursColorKey, rgb565, PixelMode::Rgb565);
BENCHMARK_CAPTURE(SdlColorKey, rgb565, PixelMode::Rgb565);
BENCHMARK_CAPTURE(OursColorKey, rgb32, PixelMode::Rgb32);
BENCHMARK_CAPTURE(SdlColorKey, rgb32, PixelMode::Rgb32);
BENCHMARK_CAPTURE(OursAlpha, rgb565_77, PixelMode::Rgb565, 77);
BENCHMARK_CAPTURE(SdlAlpha, rgb565_77, PixelMode::Rgb565, 77);
BENCHMARK_CAPTURE(OursAlpha, rgb565_128, PixelMode::Rgb565, 128);
BENCHMARK_CAPTURE(SdlAlpha, rgb565_128, PixelMode::Rgb565, 128);
BENCHMARK_CAPTURE(OursAlpha, rgb565_200, PixelMode::Rgb565, 200);
BENCHMARK_CAPTURE(SdlAlpha, rgb565_200, PixelMode::Rgb565, 200);
BENCHMARK_CAPTURE(OursAlpha, rgb555_77, PixelMode::Rgb555, 77);
BENCHMARK_CAPTURE(SdlAlpha, rgb555_77, PixelMode::Rgb555, 77);
BENCHMARK_CAPTURE(OursAlpha, rgb555_128, PixelMode::Rgb555, 128);
BENCHMARK_CAPTURE(SdlAlpha, rgb555_128, PixelMode::Rgb555, 128);
BENCHMARK_CAPTURE(OursAlpha, rgb555_200, PixelMode::Rgb555, 200);
BENCHMARK_CAPTURE(SdlAlpha, rgb555_200, PixelMode::Rgb555, 200);
BENCHMARK_CAPTURE(OursAlpha, rgb32_77, PixelMode::Rgb32, 77);
BENCHMARK_CAPTURE(SdlAlpha, rgb32_77, PixelMode::Rgb32, 77);
BENCHMARK_CAPTURE(OursAlpha, rgb32_128, PixelMode::Rgb32, 128);
BENCHMARK_CAPTURE(SdlAlpha, rgb32_128, PixelMode::Rgb32, 128);
BENCHMARK_CAPTURE(OursAlpha, rgb32_200, PixelMode::Rgb32, 200);
BENCHMARK_CAPTURE(SdlAlpha, rgb32_200, PixelMode::Rgb32, 200);

BENCHMARK_MAIN();
