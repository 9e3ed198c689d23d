// How fast the Ogg decoders turn a track into PCM (the streaming decoder for music, the whole-clip
// decoder for effects, whose setup is shared by clips of the same headers), each beside vorbisfile's
// own ov_read loop over the same bytes: the two PCM outputs are checked byte for byte before they
// are timed side by side (PairedBench.h).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include <vorbis/vorbisfile.h>

#include "PairedBench.h"
#include "SoundFixtures.h"
#include "sound/core/OggClip.h"
#include "sound/core/OggDecoder.h"

namespace {

struct Memory {
    const std::vector<uint8_t>* bytes;
    size_t at = 0;
};

size_t MemoryRead(void* dst, size_t size, size_t count, void* self)
{
    auto& m = *static_cast<Memory*>(self);
    const size_t n = std::min(size * count, m.bytes->size() - m.at);
    std::memcpy(dst, m.bytes->data() + m.at, n);
    m.at += n;
    return size ? n / size : 0;
}

int MemorySeek(void* self, ogg_int64_t offset, int whence)
{
    auto& m = *static_cast<Memory*>(self);
    const int64_t base = whence == SEEK_CUR ? int64_t(m.at) : whence == SEEK_END ? int64_t(m.bytes->size()) : 0;
    if (base + offset < 0 || base + offset > int64_t(m.bytes->size())) return -1;
    m.at = size_t(base + offset);
    return 0;
}

long MemoryTell(void* self) { return long(static_cast<Memory*>(self)->at); }

// The plain vorbisfile loop: open from memory, ov_read to the end.
uint32_t DecodeWithOvRead(const std::vector<uint8_t>& track, std::vector<uint8_t>& out)
{
    Memory m{&track};
    OggVorbis_File vf;
    if (ov_open_callbacks(&m, &vf, nullptr, 0, {MemoryRead, MemorySeek, nullptr, MemoryTell}) != 0) return 0;
    uint32_t done = 0;
    int section = 0;
    while (done < out.size()) {
        const long got = ov_read(&vf, reinterpret_cast<char*>(out.data() + done), int(out.size() - done), 0, 2, 1, &section);
        if (got <= 0) break;
        done += uint32_t(got);
    }
    ov_clear(&vf);
    return done;
}

uint32_t DecodeWithOurs(const std::vector<uint8_t>& track, std::vector<uint8_t>& out)
{
    OggDecoder d;
    if (!d.Open(std::make_unique<MemorySource>(track))) return 0;
    return d.Read(out.data(), uint32_t(out.size()));
}

uint32_t DecodeWithClip(const std::vector<uint8_t>& track, std::vector<uint8_t>& out)
{
    MemorySource source(track);
    OggClip clip;
    if (!clip.Decode(source) || clip.Pcm().size() > out.size()) return 0;
    std::memcpy(out.data(), clip.Pcm().data(), clip.Pcm().size());
    return uint32_t(clip.Pcm().size());
}

void OursVsOvRead(benchmark::State& state, int channels, int frames, bool wholeClip)
{
    const auto decodeOurs = wholeClip ? DecodeWithClip : DecodeWithOurs;
    const auto track = fixture::EncodeOgg(channels, 44100, frames);
    const size_t bytes = size_t(frames) * 2 * size_t(channels);
    std::vector<uint8_t> ours(bytes + 4096, 0xCD), theirs(bytes + 4096, 0x5A);
    const uint32_t oursBytes = decodeOurs(track, ours), theirsBytes = DecodeWithOvRead(track, theirs);
    if (oursBytes == 0 || oursBytes != theirsBytes || !std::equal(ours.begin(), ours.begin() + oursBytes, theirs.begin()))
        return void(paired::FailCheck(state, "the PCM differs: " + std::to_string(oursBytes) + " and " +
                                                 std::to_string(theirsBytes) + " bytes"));
    paired::Time(state, [&] { benchmark::DoNotOptimize(decodeOurs(track, ours)); },
                 [&] { benchmark::DoNotOptimize(DecodeWithOvRead(track, theirs)); });
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(oursBytes));
}

}  // namespace

BENCHMARK_CAPTURE(OursVsOvRead, stream_stereo_10s, 2, 10 * 44100, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OursVsOvRead, stream_effect_mono_0_3s, 1, 44100 * 3 / 10, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OursVsOvRead, clip_stereo_2s, 2, 2 * 44100, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OursVsOvRead, clip_effect_mono_0_3s, 1, 44100 * 3 / 10, true)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return paired::Main(argc, argv);
}
