#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "graphics/sprite/core/FXMan.h"
#include "graphics/sprite/core/K_Dib.h"
#include "graphics/sprite/core/LLESprite.h"

// A full-screen sprite drawn our way and blitted by SDL2 from the same pixels, each on its best
// path: colour keys against SDL's run-length surfaces, alpha at 128, which SDL special-cases, and
// at levels it does not. Each pair checks the two outputs before timing them side by side
// (PairedBench.h): colour keys and 32-bit alpha byte for byte; 16-bit alpha within one step of
// each channel, since SDL blends 16-bit pixels with the alpha cut to its top five bits while we
// blend at eight.

#include "PairedBench.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;
constexpr int kColorKey = -1;  // the level that stands for a colour-keyed draw

struct Setup {
    PixelMode mode;
    int bpp = BytesPerPixel(mode);  // bytes per pixel
    K_Dib source;
    K_Dib_Draw target;
    KK_LLESprite sprite;
    std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> sdlSource{nullptr, SDL_FreeSurface}, sdlTarget{nullptr, SDL_FreeSurface};

    // With holes, about one pixel in eight is the colour key, in short runs.
    Setup(PixelMode m, bool holes) : mode(m)
    {
        const Uint32 format = m == PixelMode::Rgb32    ? SDL_PIXELFORMAT_XRGB8888
                              : m == PixelMode::Rgb565 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_XRGB1555;
        source.Create(kWidth, kHeight, bpp * 8);
        target.Create(kWidth, kHeight, bpp * 8);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                uint32_t p = PackRgb(m, uint8_t(x), uint8_t(y), uint8_t(x ^ y));
                p = holes && (x / 5 + y / 3) % 8 == 0 ? ColorKeyOf(m) : p == ColorKeyOf(m) ? p ^ 1 : p;
                std::memcpy(source.Row<uint8_t>(y) + x * bpp, &p, size_t(bpp));  // little-endian
            }
        sprite.EncodeDib(source.GetBitmapInfo(), source.GetBits(), m);
        sdlSource.reset(SDL_CreateRGBSurfaceWithFormatFrom(source.GetBits(), kWidth, kHeight, bpp * 8, source.GetPitch(), format));
        sdlTarget.reset(SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, bpp * 8, format));
        CreateFXMan(m);
        target.Fill(0x00336699);
        for (int y = 0; y < kHeight; ++y) std::memcpy(SdlPixel(0, y), target.Row<uint8_t>(y), size_t(kWidth * bpp));
    }
    ~Setup() { CreateFXMan(PixelMode::None); }
    uint8_t* SdlPixel(int x, int y) const { return static_cast<uint8_t*>(sdlTarget->pixels) + ptrdiff_t(y) * sdlTarget->pitch + x * bpp; }
    void DrawOurs(int level) { target.DrawSprite(sprite, 0, 0, level == kColorKey ? 0u : uint32_t(kFxAlpha), level == kColorKey ? 255 : level); }
    // A pixel's channels in its own steps: 5 or 6 bits in 16-bit modes, 8 in 32-bit.
    struct Steps { int r, g, b; };
    Steps Channels(uint32_t p) const
    {
        if (mode == PixelMode::Rgb565) return {int((p >> 11) & 31), int((p >> 5) & 63), int(p & 31)};
        if (mode == PixelMode::Rgb555) return {int((p >> 10) & 31), int((p >> 5) & 31), int(p & 31)};
        return {int((p >> 16) & 255), int((p >> 8) & 255), int(p & 255)};
    }
    // The largest difference of the red/blue and of the green channel between the two targets in
    // the pixels' own steps; -1, -1 when every byte is the same.
    std::pair<int, int> Difference() const
    {
        int redBlue = -1, green = -1;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                uint32_t ours = 0, sdl = 0;
                std::memcpy(&ours, target.Row<uint8_t>(y) + x * bpp, size_t(bpp));
                std::memcpy(&sdl, SdlPixel(x, y), size_t(bpp));
                if (ours == sdl) continue;
                const Steps a = Channels(ours), b = Channels(sdl);
                redBlue = std::max({redBlue, std::abs(a.r - b.r), std::abs(a.b - b.b)});
                green = std::max(green, std::abs(a.g - b.g));
            }
        return {redBlue, green};
    }
};

void Draw(benchmark::State& state, PixelMode mode, int level)
{
    Setup s(mode, level == kColorKey);
    SDL_Surface* source = s.sdlSource.get();
    if (level == kColorKey) SDL_SetColorKey(source, SDL_TRUE, ColorKeyOf(mode)), SDL_SetSurfaceRLE(source, 1);
    else SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_BLEND), SDL_SetSurfaceAlphaMod(source, Uint8(level));
    // One draw of each on the same background; SDL's first blit also encodes the runs.
    s.DrawOurs(level);
    if (SDL_BlitSurface(source, nullptr, s.sdlTarget.get(), nullptr) != 0) return void(paired::FailCheck(state, "SDL blit failed"));
    if (level == kColorKey && !(source->flags & SDL_RLEACCEL))
        return void(paired::FailCheck(state, "SDL did not run-length encode the source"));
    const auto [redBlue, green] = s.Difference();
    const bool exact = level == kColorKey || mode == PixelMode::Rgb32;
    if (exact ? redBlue != -1 || green != -1 : redBlue > 1 || green > 1)
        return void(paired::FailCheck(state, "outputs differ by " + std::to_string(redBlue) + " red/blue and " +
                                                 std::to_string(green) + " green steps"));
    state.counters["max_diff_steps"] = std::max({0, redBlue, green});
    paired::Time(state, [&] { s.DrawOurs(level); },
                 [&] { SDL_BlitSurface(source, nullptr, s.sdlTarget.get(), nullptr); });
    state.SetBytesProcessed(int64_t(state.iterations()) * kWidth * kHeight * s.bpp);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::pair<const char*, PixelMode> modes[] = {
        {"rgb565", PixelMode::Rgb565}, {"rgb555", PixelMode::Rgb555}, {"rgb32", PixelMode::Rgb32}};
    for (const auto& [modeName, mode] : modes)
        for (int level : {kColorKey, 77, 128, 200})
            if (level != kColorKey || mode != PixelMode::Rgb555) {  // 555 keys take the 565 path with other masks
                const std::string name = std::string(level == kColorKey ? "OursVsSdl/ColorKey/" : "OursVsSdl/Alpha/") +
                                         modeName + (level == kColorKey ? "" : "_" + std::to_string(level));
                benchmark::RegisterBenchmark(name.c_str(), Draw, mode, level);
            }
    return paired::Main(argc, argv);
}
