#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "graphics/resources/core/Blit.h"

// Full-screen blits of each kind against memcpy of the same bytes.
namespace {

enum class Kind { Memcpy, Opaque, KeyedAlpha };

void BM_Blit(benchmark::State& state, PixelMode mode, Kind kind)
{
    const int32_t w = 800, h = 600, pitch = w * BytesPerPixel(mode);
    std::vector<uint8_t> src(size_t(pitch) * h, 0x5A), dst(src);
    const PixelView s{src.data(), w, h, pitch, mode}, d{dst.data(), w, h, pitch, mode};
    const BlitOptions keyedAlpha{static_cast<uint32_t>(BlitFlag::ColorKey), 128, ColorKeyOf(mode)};
    for (auto _ : state) {
        if (kind == Kind::Memcpy) std::memcpy(dst.data(), src.data(), src.size());
        else Blit(d, {0, 0}, s, s.Bounds(), d.Bounds(), kind == Kind::KeyedAlpha ? keyedAlpha : BlitOptions{});
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(src.size()));
}

}  // namespace

BENCHMARK_CAPTURE(BM_Blit, opaque_rgb565, PixelMode::Rgb565, Kind::Opaque);
BENCHMARK_CAPTURE(BM_Blit, memcpy_rgb565, PixelMode::Rgb565, Kind::Memcpy);
BENCHMARK_CAPTURE(BM_Blit, opaque_rgb32, PixelMode::Rgb32, Kind::Opaque);
BENCHMARK_CAPTURE(BM_Blit, memcpy_rgb32, PixelMode::Rgb32, Kind::Memcpy);
BENCHMARK_CAPTURE(BM_Blit, keyed_alpha_rgb565, PixelMode::Rgb565, Kind::KeyedAlpha);
BENCHMARK_CAPTURE(BM_Blit, keyed_alpha_rgb32, PixelMode::Rgb32, Kind::KeyedAlpha);

BENCHMARK_MAIN();
