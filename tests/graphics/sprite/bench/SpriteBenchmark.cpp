#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "graphics/sprite/core/FXMan.h"
#include "graphics/sprite/core/K_Dib.h"
#include "graphics/sprite/core/LLESprite.h"

// A full-screen sprite drawn our way and blitted by SDL2 from the same pixels: colour-keyed,
// and at an alpha level.

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kLevel = 128;

// Pixels of `mode`; with holes, about one pixel in eight is the colour key, in short runs.
std::vector<uint32_t> Picture(PixelMode mode, bool holes)
{
    std::vector<uint32_t> p(static_cast<size_t>(kWidth) * kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const bool key = holes && ((x / 5 + y / 3) % 8 == 0);
            p[static_cast<size_t>(y) * kWidth + x] =
                key ? ColorKeyOf(mode) : PackRgb(mode, static_cast<uint8_t>(x), static_cast<uint8_t>(y), static_cast<uint8_t>(x ^ y));
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
    }
    ~Setup()
    {
        SDL_FreeSurface(sdlSource);
        SDL_FreeSurface(sdlTarget);
        CreateFXMan(PixelMode::None);
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
    for (auto _ : state) {
        SDL_BlitSurface(s.sdlSource, nullptr, s.sdlTarget, nullptr);
        benchmark::DoNotOptimize(s.sdlTarget->pixels);
    }
    Report(state, mode);
}

void OursAlpha(benchmark::State& state, PixelMode mode)
{
    Setup s(mode, false);
    for (auto _ : state) {
        s.target.DrawSprite(s.sprite, 0, 0, kFxAlpha, kLevel);
        benchmark::DoNotOptimize(s.target.GetBits());
    }
    Report(state, mode);
}

void SdlAlpha(benchmark::State& state, PixelMode mode)
{
    Setup s(mode, false);
    SDL_SetSurfaceBlendMode(s.sdlSource, SDL_BLENDMODE_BLEND);
    SDL_SetSurfaceAlphaMod(s.sdlSource, kLevel);
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
BENCHMARK_CAPTURE(OursAlpha, rgb565, PixelMode::Rgb565);
BENCHMARK_CAPTURE(SdlAlpha, rgb565, PixelMode::Rgb565);
BENCHMARK_CAPTURE(OursAlpha, rgb555, PixelMode::Rgb555);
BENCHMARK_CAPTURE(SdlAlpha, rgb555, PixelMode::Rgb555);
BENCHMARK_CAPTURE(OursAlpha, rgb32, PixelMode::Rgb32);
BENCHMARK_CAPTURE(SdlAlpha, rgb32, PixelMode::Rgb32);

BENCHMARK_MAIN();
