// How fast the Ogg decoder turns a track into PCM: phrases and Ogg effects are decoded whole
// when they are first played or loaded.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "SoundFixtures.h"
#include "sound/core/OggDecoder.h"

namespace {

void OggDecoderRead(benchmark::State& state)
{
    constexpr uint32_t kBytes = 10 * 44100 * 4;  // ten seconds of stereo
    const auto track = fixture::EncodeOgg(2, 44100, kBytes / 4);
    std::vector<uint8_t> out(kBytes);
    for (auto _ : state) {
        OggDecoder d;
        if (!d.Open(std::make_unique<MemorySource>(track))) state.SkipWithError("open");
        benchmark::DoNotOptimize(d.Read(out.data(), kBytes));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kBytes);
}
BENCHMARK(OggDecoderRead)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
