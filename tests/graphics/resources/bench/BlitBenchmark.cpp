#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "graphics/resources/core/Blit.h"

// A full-screen opaque blit against memcpy of the same bytes.
namespace {

void BM_Blit(benchmark::State& state, PixelMode mode, bool memcpyOnly)
{
    const int32_t w = 800, h = 600, pitch = w * BytesPerPixel(mode);
    std::vector<uint8_t> src(size_t(pitch) * h, 0x5A), dst(src);
    const PixelView s{src.data(), w, h, pitch, mode}, d{dst.data(), w, h, pitch, mode};
    for (auto _ : state) {
        if (memcpyOnly) std::memcpy(dst.data(), src.data(), src.size());
        else Blit(d, {0, 0}, s, s.Bounds(), d.Bounds());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(src.size()));
}

}  // namespace

BENCHMARK_CAPTURE(BM_Blit, opaque_rgb565, PixelMode::Rgb565, false);
BENCHMARK_CAPTURE(BM_Blit, memcpy_rgb565, PixelMode::Rgb565, true);
BENCHMARK_CAPTURE(BM_Blit, opaque_rgb32, PixelMode::Rgb32, false);
BENCHMARK_CAPTURE(BM_Blit, memcpy_rgb32, PixelMode::Rgb32, true);

BENCHMARK_MAIN();
