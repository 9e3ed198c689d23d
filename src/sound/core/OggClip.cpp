#include "sound/core/OggClip.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <ogg/ogg.h>
#include <vorbis/codec.h>

namespace {

constexpr size_t kMaxSharedSetups = 8;

// A decoder's state for one setup: its transforms' tables are built by vorbis_synthesis_init,
// and a restart makes it ready for the next clip without building them again.
struct DecoderState {
    vorbis_dsp_state dsp{};
    vorbis_block block{};
    bool dspInit = false, blockInit = false;
    DecoderState() = default;
    DecoderState(const DecoderState&) = delete;
    DecoderState& operator=(const DecoderState&) = delete;
    ~DecoderState()
    {
        if (blockInit) vorbis_block_clear(&block);
        if (dspInit) vorbis_dsp_clear(&dsp);
    }
};

constexpr size_t kMaxSpareStates = 2;

// The headers read into a vorbis_info; its codebooks are built by the first vorbis_synthesis_init
// and kept in it, so every later clip of the same headers skips that work. Decoder states that
// finished a clip wait here for the next one.
struct SharedSetup {
    vorbis_info info{};
    vorbis_comment comment{};
    std::vector<std::unique_ptr<DecoderState>> spare;  // cleared before the info
    SharedSetup() { vorbis_info_init(&info), vorbis_comment_init(&comment); }
    ~SharedSetup()
    {
        spare.clear();
        vorbis_comment_clear(&comment), vorbis_info_clear(&info);
    }
    SharedSetup(const SharedSetup&) = delete;
    SharedSetup& operator=(const SharedSetup&) = delete;
};

// Setups by the bytes of the identification and setup headers; entries live for the process.
std::mutex setupLock;
std::map<std::string, std::unique_ptr<SharedSetup>>& Setups()
{
    static std::map<std::string, std::unique_ptr<SharedSetup>> setups;
    return setups;
}

std::string Bytes(const ogg_packet& p) { return std::string(reinterpret_cast<const char*>(p.packet), static_cast<size_t>(p.bytes)); }

std::unique_ptr<SharedSetup> ReadHeaders(ogg_packet (&headers)[3])
{
    auto setup = std::make_unique<SharedSetup>();
    for (ogg_packet& h : headers)
        if (vorbis_synthesis_headerin(&setup->info, &setup->comment, &h) != 0) return nullptr;
    return setup;
}

// A restarted spare state of a shared setup, or a fresh one; null when libvorbis refuses. Under
// the setups' lock.
std::unique_ptr<DecoderState> TakeState(SharedSetup& setup)
{
    if (!setup.spare.empty()) {
        auto state = std::move(setup.spare.back());
        setup.spare.pop_back();
        if (vorbis_synthesis_restart(&state->dsp) == 0) return state;
    }
    auto state = std::make_unique<DecoderState>();
    if (vorbis_synthesis_init(&state->dsp, &setup.info) != 0) return nullptr;
    state->dspInit = true;
    if (vorbis_block_init(&state->dsp, &state->block) != 0) return nullptr;
    state->blockInit = true;
    return state;
}

// Owns libogg's and libvorbis's decoding state; clears what was initialised. The decoder state
// points into its setup, so a setup not kept in the cache is freed after it.
struct Decoding {
    ogg_sync_state sync{};
    ogg_stream_state stream{};
    std::unique_ptr<SharedSetup> ownSetup;
    std::unique_ptr<DecoderState> state;
    bool streamInit = false;
    Decoding() { ogg_sync_init(&sync); }
    ~Decoding()
    {
        state.reset();
        ownSetup.reset();
        if (streamInit) ogg_stream_clear(&stream);
        ogg_sync_clear(&sync);
    }
};

// As vorbisfile converts: scaled, rounded to nearest even, clipped; a value no 32-bit integer
// holds (or not a number) converts to the lowest one, as the processor's conversion does.
int16_t ToSample(float f)
{
    const double x = static_cast<double>(f * 32768.f);
    if (!(x >= -2147483648.0 && x < 2147483647.5)) return -32768;
    return static_cast<int16_t>(std::clamp(std::lrint(x), -32768L, 32767L));
}

// Appends at `written`, growing the buffer by doubling so it is not zero-filled again and again.
void AppendSamples(float** channels, int frames, int channelCount, std::vector<uint8_t>& out, size_t& written)
{
    const size_t need = written + static_cast<size_t>(frames) * channelCount * 2;
    if (need > out.size()) out.resize(std::max(need, out.size() * 2));
    uint8_t* p = out.data() + written;
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channelCount; ++c) {
            const auto v = static_cast<uint16_t>(ToSample(channels[c][i]));
            *p++ = static_cast<uint8_t>(v);
            *p++ = static_cast<uint8_t>(v >> 8);
        }
    written = need;
}

// The last page's granule position: the stream's length in frames when it starts at zero, a
// size to make room for at once.
uint64_t LastGranule(const uint8_t* bytes, size_t size)
{
    for (size_t at = size >= 27 ? size - 27 : 0; at-- > 0;)
        if (std::memcmp(bytes + at, "OggS", 4) == 0) {
            uint64_t g = 0;
            for (int i = 7; i >= 0; --i) g = (g << 8) | bytes[at + 6 + i];
            return g;
        }
    return 0;
}

}  // namespace

size_t OggClip::SharedSetupCount()
{
    std::lock_guard<std::mutex> hold(setupLock);
    return Setups().size();
}

bool OggClip::Decode(ByteSource& source)
{
    pcm.clear();
    format = {};
    if (DecodeAll(source)) return true;
    pcm = {};
    format = {};
    return false;
}

bool OggClip::DecodeAll(ByteSource& source)
{
    const uint64_t size = source.Size();
    if (size == 0 || size > kMaxClipFileBytes) return false;
    Decoding d;
    char* buffer = ogg_sync_buffer(&d.sync, static_cast<long>(size));
    if (!buffer || source.ReadAt(0, buffer, static_cast<size_t>(size)) != size) return false;
    ogg_sync_wrote(&d.sync, static_cast<long>(size));

    // Every page of one stream, in order; the three headers first.
    ogg_page page;
    ogg_packet headers[3];
    std::string headerBytes[3];
    int headerCount = 0;
    SharedSetup* setup = nullptr;
    bool ended = false;
    size_t written = 0;  // PCM bytes decoded so far; the buffer may be larger
    for (;;) {
        const int got = ogg_sync_pageout(&d.sync, &page);
        if (got == 0) break;
        if (got < 0 || ended) return false;  // bytes that are no page, or a page after the end
        if (!d.streamInit) {
            if (!ogg_page_bos(&page) || ogg_stream_init(&d.stream, ogg_page_serialno(&page)) != 0) return false;
            d.streamInit = true;
        }
        if (ogg_stream_pagein(&d.stream, &page) != 0) return false;  // another stream's page
        ogg_packet packet;
        for (int r; (r = ogg_stream_packetout(&d.stream, &packet)) != 0;) {
            if (r < 0) return false;  // a gap
            if (headerCount < 3) {
                headerBytes[headerCount] = Bytes(packet);
                headers[headerCount] = packet;
                headers[headerCount].packet = reinterpret_cast<unsigned char*>(headerBytes[headerCount].data());
                if (++headerCount < 3) continue;
                std::lock_guard<std::mutex> hold(setupLock);
                const std::string key = headerBytes[0] + headerBytes[2];
                auto& setups = Setups();
                const auto found = setups.find(key);
                if (found != setups.end()) {
                    setup = found->second.get();
                } else {
                    auto fresh = ReadHeaders(headers);
                    if (!fresh) return false;
                    if (setups.size() < kMaxSharedSetups) setup = (setups[key] = std::move(fresh)).get();
                    else setup = (d.ownSetup = std::move(fresh)).get();
                }
                const vorbis_info& vi = setup->info;
                if (vi.channels < 1 || vi.channels > 255 || vi.rate < 1) return false;
                if (uint64_t{2} * vi.channels * static_cast<uint64_t>(vi.rate) > kMaxSoundBytes) return false;
                // The first init of a setup builds its codebooks: under the lock, as they are shared.
                d.state = TakeState(*setup);
                if (!d.state) return false;
                format = Pcm16Format(static_cast<uint16_t>(vi.channels), static_cast<uint32_t>(vi.rate));
                const uint64_t frames = LastGranule(reinterpret_cast<const uint8_t*>(buffer), static_cast<size_t>(size));
                if (frames > 0 && frames * format.blockAlign <= kMaxSoundBytes)
                    pcm.resize(static_cast<size_t>(frames * format.blockAlign));
                continue;
            }
            vorbis_dsp_state& dsp = d.state->dsp;
            vorbis_block& block = d.state->block;
            if (vorbis_synthesis(&block, &packet) != 0 || vorbis_synthesis_blockin(&dsp, &block) != 0) return false;
            float** channels = nullptr;
            for (int frames; (frames = vorbis_synthesis_pcmout(&dsp, &channels)) > 0;) {
                AppendSamples(channels, frames, setup->info.channels, pcm, written);
                if (written > kMaxSoundBytes) return false;
                vorbis_synthesis_read(&dsp, frames);
            }
        }
        ended = ogg_page_eos(&page) != 0;
    }
    pcm.resize(written);
    if (!ended || headerCount != 3) return false;
    // A clean clip leaves its state for the next clip of the same headers.
    if (setup != d.ownSetup.get()) {
        std::lock_guard<std::mutex> hold(setupLock);
        if (setup->spare.size() < kMaxSpareStates) setup->spare.push_back(std::move(d.state));
    }
    return true;
}
