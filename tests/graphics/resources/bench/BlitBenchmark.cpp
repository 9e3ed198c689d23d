#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "graphics/resources/core/Blit.h"

namespace {

constexpr int32_t kWidth = 800;
constexpr int32_t kHeight = 600;

struct Frame {
    std::vector<uint8_t> bytes;
    PixelView view;
    explicit Frame(PixelMode mode)
        : bytes(static_cast<size_t>(kWidth) * kHeight * BytesPerPixel(mode), 0x5A),
          view{bytes.data(), kWidth, kHeight, kWidth * BytesPerPixel(mode), mode}
    {
    }
};

void BM_OpaqueCopy(benchmark::State& state, PixelMode mode)
{
    Frame src(mode), dst(mode);
    for (auto _ : state) {
        Blit(dst.view, {0, 0}, src.view, src.view.Bounds(), dst.view.Bounds());
        benchmark::DoNotOptimize(dst.bytes.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(src.bytes.size()));
}

void BM_Memcpy(benchmark::State& state, PixelMode mode)
{
    Frame src(mode), dst(mode);
    for (auto _ : state) {
        std::memcpy(dst.bytes.data(), src.bytes.data(), src.bytes.size());
        benchmark::DoNotOptimize(dst.bytes.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(src.bytes.size()));
}

void BM_KeyedAlphaCopy(benchmark::State& state, PixelMode mode)
{
    Frame src(mode), dst(mode);
    const BlitOptions options{static_cast<uint32_t>(BlitFlag::ColorKey), 128, ColorKeyOf(mode)};
    for (auto _ : state) {
        Blit(dst.view, {0, 0}, src.view, src.view.Bounds(), dst.view.Bounds(), options);
        benchmark::DoNotOptimize(dst.bytes.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(src.bytes.size()));
}

}  // namespace

BENCHMARK_CAPTURE(BM_OpaqueCopy, rgb565, PixelMode::Rgb565);
BENCHMARK_CAPTURE(BM_Memcpy, rgb565, PixelMode::Rgb565);
BENCHMARK_CAPTURE(BM_OpaqueCopy, rgb32, PixelMode::Rgb32);
BENCHMARK_CAPTURE(BM_Memcpy, rgb32, PixelMode::Rgb32);
BENCHMARK_CAPTURE(BM_KeyedAlphaCopy, rgb565, PixelMode::Rgb565);
BENCHMARK_CAPTURE(BM_KeyedAlphaCopy, rgb32, PixelMode::Rgb32);

BENCHMARK_MAIN();
