#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "PairedBench.h"
#include "graphics/resources/core/Blit.h"

// A full-screen opaque blit against memcpy of the same bytes, the limit it can reach: both
// outputs are checked to equal the source before the two are timed side by side.
namespace {

void BlitVsMemcpy(benchmark::State& state, PixelMode mode)
{
    const int32_t w = 800, h = 600, pitch = w * BytesPerPixel(mode);
    std::vector<uint8_t> src(size_t(pitch) * h), ours(src.size(), 0), copy(src.size(), 0);
    for (size_t i = 0; i < src.size(); ++i) src[i] = uint8_t(i * 131 + i / 977);
    const PixelView s{src.data(), w, h, pitch, mode}, d{ours.data(), w, h, pitch, mode};
    Blit(d, {0, 0}, s, s.Bounds(), d.Bounds());
    std::memcpy(copy.data(), src.data(), src.size());
    if (ours != src || copy != src) return void(paired::FailCheck(state, "an output differs from the source"));
    paired::Time(state, [&] { Blit(d, {0, 0}, s, s.Bounds(), d.Bounds()); },
                 [&] { std::memcpy(copy.data(), src.data(), src.size()); });
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(src.size()));
}

}  // namespace

BENCHMARK_CAPTURE(BlitVsMemcpy, opaque_rgb565, PixelMode::Rgb565);
BENCHMARK_CAPTURE(BlitVsMemcpy, opaque_rgb32, PixelMode::Rgb32);

int main(int argc, char** argv)
{
    return paired::Main(argc, argv);
}
