// Decoding speed of the Ogg read path, and the CPU time one second of streamed music costs
// through the music ring.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "SoundFixtures.h"
#include "sound/core/MusicRing.h"
#include "sound/core/OggDecoder.h"

namespace {

constexpr int kSeconds = 10;

const std::vector<uint8_t>& Track()
{
    static const auto ogg = fixture::EncodeOgg(2, 44100, 44100 * kSeconds);
    return ogg;
}

void OggDecoderRead(benchmark::State& state)
{
    std::vector<uint8_t> out(44100 * 4 * kSeconds + 4096);
    for (auto _ : state) {
        state.PauseTiming();
        OggDecoder d;
        if (!d.Open(std::make_unique<MemorySource>(Track()))) state.SkipWithError("open");
        state.ResumeTiming();
        benchmark::DoNotOptimize(d.Read(out.data(), static_cast<uint32_t>(out.size())));
        state.PauseTiming();
        d.Close();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * 44100 * 4 * kSeconds);
}
BENCHMARK(OggDecoderRead)->Unit(benchmark::kMillisecond);

// The whole track streamed as the frame tick does: 50 ms of play, then a refill.
void MusicRingStreaming(benchmark::State& state)
{
    OggDecoder d;
    if (!d.Open(std::make_unique<MemorySource>(Track()))) state.SkipWithError("open");
    const uint32_t ringBytes = 4 * d.Format().avgBytesPerSec;
    const uint32_t tickBytes = d.Format().avgBytesPerSec / 20;
    std::vector<uint8_t> ring(ringBytes);
    for (auto _ : state) {
        MusicRing r;
        r.Start(ringBytes, d.Format(), d.TotalBytes());
        if (!d.Rewind()) state.SkipWithError("rewind");
        uint32_t cursor = 0;
        while (r.NotePlayCursor(cursor, false) == MusicRing::Progress::Playing) {
            const uint32_t n = r.WritableBytes();
            const uint32_t at = r.WritePos();
            const uint32_t first = std::min(n, ringBytes - at);
            if (n) r.Fill(d, ring.data() + at, first, ring.data(), n - first, false);
            cursor = (cursor + tickBytes) % ringBytes;
        }
        benchmark::ClobberMemory();
    }
    // CPU time per second of music: the time of one iteration divided by kSeconds.
    state.counters["music_s"] = benchmark::Counter(static_cast<double>(state.iterations() * kSeconds), benchmark::Counter::kIsRate);
}
BENCHMARK(MusicRingStreaming)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
