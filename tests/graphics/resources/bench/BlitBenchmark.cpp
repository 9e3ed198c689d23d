#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "graphics/resources/core/Blit.h"

// Full-screen blits of each kind against memcpy of the same bytes.
namespace {

constexpr int32_t kWidth = 800;
constexpr int32_t kHeight = 600;

enum class Kind { Memcpy, Opaque, KeyedAlpha };

void BM_Blit(benchmark::State& state, PixelMode mode, Kind kind)
{
    const size_t bytes = static_cast<size_t>(kWidth) * kHeight * BytesPerPixel(mode);
    std::vector<uint8_t> src(bytes, 0x5A), dst(bytes, 0x5A);
    const PixelView s{src.data(), kWidth, kHeight, kWidth * BytesPerPixel(mode), mode};
    const PixelView d{dst.data(), kWidth, kHeight, kWidth * BytesPerPixel(mode), mode};
    const BlitOptions options = kind == Kind::KeyedAlpha
                                    ? BlitOptions{static_cast<uint32_t>(BlitFlag::ColorKey), 128, ColorKeyOf(mode)}
                                    : BlitOptions{};
    for (auto _ : state) {
        if (kind == Kind::Memcpy) std::memcpy(dst.data(), src.data(), bytes);
        else Blit(d, {0, 0}, s, s.Bounds(), d.Bounds(), options);
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}

}  // namespace

BENCHMARK_CAPTURE(BM_Blit, opaque_rgb565, PixelMode::Rgb565, Kind::Opaque);
BENCHMARK_CAPTURE(BM_Blit, memcpy_rgb565, PixelMode::Rgb565, Kind::Memcpy);
BENCHMARK_CAPTURE(BM_Blit, opaque_rgb32, PixelMode::Rgb32, Kind::Opaque);
BENCHMARK_CAPTURE(BM_Blit, memcpy_rgb32, PixelMode::Rgb32, Kind::Memcpy);
BENCHMARK_CAPTURE(BM_Blit, keyed_alpha_rgb565, PixelMode::Rgb565, Kind::KeyedAlpha);
BENCHMARK_CAPTURE(BM_Blit, keyed_alpha_rgb32, PixelMode::Rgb32, Kind::KeyedAlpha);

BENCHMARK_MAIN();
