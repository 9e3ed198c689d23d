#include "Sound.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>

#include "foundation/core/Wire.h"
#include "scene/core/SoundTables.h"

std::vector<int16_t> TonePcm(double hz, int ms, int rate)
{
    const int count = static_cast<int>(int64_t{rate} * ms / 1000);
    const int fade = std::max(1, std::min(rate / 100, count / 2));  // 10 ms
    std::vector<int16_t> pcm(static_cast<size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        const double gain = std::min({1.0, double(i) / fade, double(count - 1 - i) / fade});
        const double v = 16383.0 * gain * std::sin(2 * std::numbers::pi * hz * i / rate);
        pcm[static_cast<size_t>(i)] = static_cast<int16_t>(std::lround(v));
    }
    return pcm;
}

std::vector<uint8_t> WriteWave(const std::vector<int16_t>& pcm, int rate)
{
    const auto dataBytes = static_cast<uint32_t>(pcm.size() * 2);
    std::vector<uint8_t> out;
    ByteWriter o(out);
    o.Append("RIFF", 4);
    o.U32(36 + dataBytes);
    o.Append("WAVEfmt ", 8);
    o.U32(16);
    o.U16(1);  // PCM
    o.U16(1);
    o.U32(static_cast<uint32_t>(rate));
    o.U32(static_cast<uint32_t>(rate) * 2);
    o.U16(2);
    o.U16(16);
    o.Append("data", 4);
    o.U32(dataBytes);
    for (const int16_t s : pcm) o.U16(static_cast<uint16_t>(s));
    return out;
}

namespace {

// The encoder's state, cleared in reverse order of setting up whatever happens.
class VorbisEncoder {
public:
    VorbisEncoder(int rate, int serial)
    {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
        ogg_stream_init(&stream, serial);
        // Quality 0 (about 40 kbit/s at this rate) is plenty for placeholder tones.
        if (vorbis_encode_init_vbr(&info, 1, rate, 0.0f) != 0) return;
        vorbis_analysis_init(&dsp, &info);
        vorbis_block_init(&dsp, &block);
        ready = true;
    }
    ~VorbisEncoder()
    {
        if (ready) {
            vorbis_block_clear(&block);
            vorbis_dsp_clear(&dsp);
        }
        ogg_stream_clear(&stream);
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
    VorbisEncoder(const VorbisEncoder&) = delete;
    VorbisEncoder& operator=(const VorbisEncoder&) = delete;

    bool Encode(const std::vector<int16_t>& pcm, std::vector<uint8_t>& out)
    {
        if (!ready) return false;
        ogg_packet id, comments, codebooks;
        vorbis_analysis_headerout(&dsp, &comment, &id, &comments, &codebooks);
        ogg_stream_packetin(&stream, &id);
        ogg_stream_packetin(&stream, &comments);
        ogg_stream_packetin(&stream, &codebooks);
        Flush(out);  // the audio starts on a page of its own
        constexpr size_t kChunk = 4096;
        for (size_t at = 0; at < pcm.size(); at += kChunk) {
            const size_t n = std::min(kChunk, pcm.size() - at);
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
            for (size_t i = 0; i < n; ++i) buffer[0][i] = pcm[at + i] / 32768.0f;
            vorbis_analysis_wrote(&dsp, static_cast<int>(n));
            Drain(out);
        }
        vorbis_analysis_wrote(&dsp, 0);
        Drain(out);
        Flush(out);
        return true;
    }

private:
    void Append(const ogg_page& page, std::vector<uint8_t>& out)
    {
        out.insert(out.end(), page.header, page.header + page.header_len);
        out.insert(out.end(), page.body, page.body + page.body_len);
    }
    void Flush(std::vector<uint8_t>& out)
    {
        ogg_page page;
        while (ogg_stream_flush(&stream, &page) != 0) Append(page, out);
    }
    void Drain(std::vector<uint8_t>& out)
    {
        ogg_packet packet;
        ogg_page page;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) Append(page, out);
            }
        }
    }

    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    bool ready = false;
};

}  // namespace

std::vector<uint8_t> WriteOggVorbis(const std::vector<int16_t>& pcm, int rate, int serial)
{
    VorbisEncoder encoder(rate, serial);
    std::vector<uint8_t> out;
    if (!encoder.Encode(pcm, out)) return {};
    return out;
}

std::vector<std::string> EffectFiles()
{
    std::vector<std::string> files;
    for (int id = 0; id < SoundTables::kEffectCount; ++id) files.push_back(SoundTables::EffectFileName(id));
    return files;
}

std::vector<std::string> VoiceFiles()
{
    using SoundTables::Voice;
    std::vector<std::string> files;
    std::set<std::string> seen;  // two cues share "hurry"
    const auto add = [&](const std::string& path) {
        if (seen.insert(path).second) files.push_back(path);
    };
    for (const Voice voice : {Voice::Male, Voice::Female})
        for (int type = 0; type < 4; ++type)
            for (int cue = SoundTables::kFirstCue; cue < SoundTables::kFirstCue + SoundTables::kCueCount; ++cue) {
                const SoundTables::VoiceCue entry = SoundTables::GetVoiceCue(cue);
                for (int variant = 1; variant <= entry.variants; ++variant)
                    add(SoundTables::VoicePath(voice, type, entry.name, variant));
            }
    // The robot picks one of two recordings whatever the table's count.
    for (int cue = SoundTables::kFirstCue; SoundTables::RobotSpeaks(cue); ++cue)
        for (int variant = 1; variant <= 2; ++variant)
            add(SoundTables::VoicePath(Voice::Robot, 0, SoundTables::GetVoiceCue(cue).name, variant));
    return files;
}
