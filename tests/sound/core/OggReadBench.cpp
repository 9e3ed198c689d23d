// Decoding speed of the Ogg read path against a bare ov_read loop, and the CPU time one second
// of streamed music costs through the music ring.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

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

struct Memory {
    const std::vector<uint8_t>* bytes;
    size_t pos = 0;
};

size_t MemRead(void* dst, size_t size, size_t count, void* src)
{
    auto& m = *static_cast<Memory*>(src);
    const size_t n = std::min(size * count, m.bytes->size() - m.pos);
    std::memcpy(dst, m.bytes->data() + m.pos, n);
    m.pos += n;
    return n / size;
}

int MemSeek(void* src, ogg_int64_t offset, int whence)
{
    auto& m = *static_cast<Memory*>(src);
    const int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? static_cast<int64_t>(m.pos) : static_cast<int64_t>(m.bytes->size());
    m.pos = static_cast<size_t>(std::clamp<int64_t>(base + offset, 0, static_cast<int64_t>(m.bytes->size())));
    return 0;
}

auto MemTell(void* src)
{
    return static_cast<decltype(ov_read(nullptr, nullptr, 0, 0, 0, 0, nullptr))>(static_cast<Memory*>(src)->pos);
}

void BareOvRead(benchmark::State& state)
{
    std::vector<uint8_t> out(44100 * 4 * kSeconds + 4096);
    for (auto _ : state) {
        state.PauseTiming();
        Memory m{&Track()};
        OggVorbis_File vf;
        ov_open_callbacks(&m, &vf, nullptr, 0, {&MemRead, &MemSeek, nullptr, &MemTell});
        state.ResumeTiming();
        size_t done = 0;
        int section = 0;
        for (;;) {
            const auto n = ov_read(&vf, reinterpret_cast<char*>(out.data() + done), static_cast<int>(out.size() - done), 0, 2, 1, &section);
            if (n <= 0) break;
            done += static_cast<size_t>(n);
        }
        benchmark::DoNotOptimize(done);
        state.PauseTiming();
        ov_clear(&vf);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * 44100 * 4 * kSeconds);
}
BENCHMARK(BareOvRead)->Unit(benchmark::kMillisecond);

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
