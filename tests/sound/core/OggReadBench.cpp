// How fast the Ogg decoders turn a track into PCM (the streaming decoder for music, the whole-clip
// decoder for effects, whose setup is shared by clips of the same headers), each beside vorbisfile's
// own ov_read loop over the same bytes: the two PCM outputs are checked byte for byte before they
// are timed side by side (PairedBench.h). The whole-clip pairs come two ways, each side doing the
// same: both reusing the decoder setup (vorbisfile keeps its file open and seeks back to the start)
// and both building it for every clip (vorbisfile opens the file again; the clip decoder is given
// headers its full table of shared setups does not hold).
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

// ov_read into `out` until it is full or the stream ends; the bytes read.
uint32_t ReadAll(OggVorbis_File& vf, std::vector<uint8_t>& out)
{
    uint32_t done = 0;
    int section = 0;
    while (done < out.size()) {
        const long got = ov_read(&vf, reinterpret_cast<char*>(out.data() + done), int(out.size() - done), 0, 2, 1, &section);
        if (got <= 0) break;
        done += uint32_t(got);
    }
    return done;
}

// The plain vorbisfile loop: open from memory, ov_read to the end.
uint32_t DecodeWithOvRead(const std::vector<uint8_t>& track, std::vector<uint8_t>& out)
{
    Memory m{&track};
    OggVorbis_File vf;
    if (ov_open_callbacks(&m, &vf, nullptr, 0, {MemoryRead, MemorySeek, nullptr, MemoryTell}) != 0) return 0;
    const uint32_t done = ReadAll(vf, out);
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

// vorbisfile with its setup kept: opened once, each decode seeks back to the first sample.
class ReusedOvRead {
public:
    explicit ReusedOvRead(const std::vector<uint8_t>& track) : memory{&track}
    {
        open = ov_open_callbacks(&memory, &vf, nullptr, 0, {MemoryRead, MemorySeek, nullptr, MemoryTell}) == 0;
    }
    ~ReusedOvRead()
    {
        if (open) ov_clear(&vf);
    }
    ReusedOvRead(const ReusedOvRead&) = delete;
    ReusedOvRead& operator=(const ReusedOvRead&) = delete;

    uint32_t Decode(std::vector<uint8_t>& out)
    {
        if (!open || ov_pcm_seek(&vf, 0) != 0) return 0;
        return ReadAll(vf, out);
    }

private:
    Memory memory;
    OggVorbis_File vf{};
    bool open = false;
};

// Fills the clip decoder's table of shared setups with other headers (mono tones at rates no
// pair uses), so that later clips of new headers build their own. False when the table did not
// stop growing.
bool FillSharedSetups()
{
    for (int rate : {8000, 9000, 10000, 11025, 12000, 13000, 14000, 15000, 16000, 17000, 18000, 19000, 20000}) {
        const size_t before = OggClip::SharedSetupCount();
        std::vector<uint8_t> out(64 * 1024);
        if (!DecodeWithClip(fixture::EncodeOgg(1, rate, rate / 10), out)) return false;
        if (OggClip::SharedSetupCount() == before) return true;
    }
    return false;
}

// Whole clips, both sides building the decoder setup for each. The clip's headers are new to the
// process (48 kHz): the check fails when the clip decoder kept a setup for them after all.
void OursVsOvReadBuilding(benchmark::State& state, int channels, int frames)
{
    if (!FillSharedSetups()) return void(paired::FailCheck(state, "the table of shared setups did not fill"));
    const auto track = fixture::EncodeOgg(channels, 48000, frames);
    const size_t bytes = size_t(frames) * 2 * size_t(channels);
    std::vector<uint8_t> ours(bytes + 4096, 0xCD), theirs(bytes + 4096, 0x5A);
    const size_t setups = OggClip::SharedSetupCount();
    const uint32_t oursBytes = DecodeWithClip(track, ours), theirsBytes = DecodeWithOvRead(track, theirs);
    if (OggClip::SharedSetupCount() != setups) return void(paired::FailCheck(state, "the clip decoder kept the setup"));
    if (oursBytes == 0 || oursBytes != theirsBytes || !std::equal(ours.begin(), ours.begin() + oursBytes, theirs.begin()))
        return void(paired::FailCheck(state, "the PCM differs"));
    state.SetLabel("both build the setup; PCM byte-identical");
    paired::Time(state, [&] { benchmark::DoNotOptimize(DecodeWithClip(track, ours)); },
                 [&] { benchmark::DoNotOptimize(DecodeWithOvRead(track, theirs)); });
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(oursBytes));
}

// Whole clips, both sides reusing the decoder setup.
void OursVsOvReadReusing(benchmark::State& state, int channels, int frames)
{
    const auto track = fixture::EncodeOgg(channels, 44100, frames);
    const size_t bytes = size_t(frames) * 2 * size_t(channels);
    std::vector<uint8_t> ours(bytes + 4096, 0xCD), theirs(bytes + 4096, 0x5A);
    ReusedOvRead reused(track);
    DecodeWithClip(track, ours);  // the first decode keeps the setup
    const uint32_t oursBytes = DecodeWithClip(track, ours), theirsBytes = reused.Decode(theirs);
    if (oursBytes == 0 || oursBytes != theirsBytes || !std::equal(ours.begin(), ours.begin() + oursBytes, theirs.begin()))
        return void(paired::FailCheck(state, "the PCM differs: " + std::to_string(oursBytes) + " and " +
                                                 std::to_string(theirsBytes) + " bytes"));
    state.SetLabel("both reuse the setup; PCM byte-identical");
    paired::Time(state, [&] { benchmark::DoNotOptimize(DecodeWithClip(track, ours)); },
                 [&] { benchmark::DoNotOptimize(reused.Decode(theirs)); });
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(oursBytes));
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

// In this order: the pairs that build their setups fill the table of shared ones first.
BENCHMARK_CAPTURE(OursVsOvRead, stream_stereo_10s, 2, 10 * 44100, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OursVsOvRead, stream_effect_mono_0_3s, 1, 44100 * 3 / 10, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OursVsOvReadReusing, clip_stereo_2s_reusing_setup, 2, 2 * 44100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OursVsOvReadReusing, clip_effect_mono_0_3s_reusing_setup, 1, 44100 * 3 / 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OursVsOvReadBuilding, clip_stereo_2s_building_setup, 2, 2 * 48000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OursVsOvReadBuilding, clip_effect_mono_0_3s_building_setup, 1, 48000 * 3 / 10)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return paired::Main(argc, argv);
}
