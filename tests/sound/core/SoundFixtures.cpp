#include "SoundFixtures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <stdexcept>

#include <vorbis/vorbisenc.h>

#include "sound/core/OggDecoder.h"

namespace fixture {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) { out.insert(out.end(), {uint8_t(v), uint8_t(v >> 8)}); }
void Put32(std::vector<uint8_t>& out, uint32_t v) { Put16(out, v & 0xFFFF), Put16(out, v >> 16); }
void PutId(std::vector<uint8_t>& out, const char* id) { for (int i = 0; i < 4; ++i) out.push_back(uint8_t(id[i])); }

void PutPages(std::vector<uint8_t>& out, ogg_stream_state& os, bool flush)
{
    ogg_page page;
    while (flush ? ogg_stream_flush(&os, &page) : ogg_stream_pageout(&os, &page)) {
        out.insert(out.end(), page.header, page.header + page.header_len);
        out.insert(out.end(), page.body, page.body + page.body_len);
    }
}

}  // namespace

std::vector<uint8_t> EncodeOgg(int channels, int rate, int frames, float quality, int serial)
{
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, channels, rate, quality) != 0) throw std::runtime_error("vorbis_encode_init_vbr");
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, serial);
    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
    for (ogg_packet* p : {&header, &comments, &codebooks}) ogg_stream_packetin(&os, p);
    std::vector<uint8_t> out;
    PutPages(out, os, true);

    const double step = 2.0 * 3.14159265358979 * 440.0 / rate;
    for (int written = 0, n = 1; n > 0; written += n) {
        n = std::max(std::min(1024, frames - written), 0);  // 0 marks the end
        float** buf = n > 0 ? vorbis_analysis_buffer(&vd, n) : nullptr;
        for (int i = 0; i < n; ++i)
            for (int c = 0; c < channels; ++c) buf[c][i] = float(0.5 * std::sin(step * (written + i) * (c + 1)));
        vorbis_analysis_wrote(&vd, n);
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&vd, &packet)) {
                ogg_stream_packetin(&os, &packet);
                PutPages(out, os, false);
            }
        }
    }
    PutPages(out, os, true);
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return out;
}

std::vector<uint8_t> DecodeOgg(const std::vector<uint8_t>& ogg)
{
    OggDecoder d;
    if (!d.Open(std::make_unique<MemorySource>(ogg))) return {};
    std::vector<uint8_t> pcm(d.TotalBytes());
    pcm.resize(d.Read(pcm.data(), d.TotalBytes()));
    return pcm;
}

std::vector<uint8_t> WrapPsn(const std::vector<uint8_t>& ogg, uint32_t gap)
{
    std::vector<uint8_t> out = {'p', 's', 'n', 0};
    for (int i = 4; i < 16; ++i) out.push_back(uint8_t(0x40 + i));
    Put32(out, gap ^ 0x3C1A5E27u);
    out.resize(28, 0x5A);
    for (uint32_t i = 0; i < gap; ++i) out.push_back(uint8_t('O' + i % 7));
    out.insert(out.end(), ogg.begin(), ogg.end());
    return out;
}

std::vector<uint8_t> SetLastGranule(std::vector<uint8_t> ogg, int64_t granule)
{
    ogg_page page{};
    for (size_t at = 0; at + 27 <= ogg.size(); at += size_t(page.header_len + page.body_len)) {
        page.header = &ogg[at], page.header_len = 27 + ogg[at + 26];
        page.body = &ogg[at] + page.header_len, page.body_len = 0;
        for (size_t s = 0; s < ogg[at + 26]; ++s) page.body_len += ogg[at + 27 + s];
    }
    for (int i = 0; i < 8; ++i) page.header[6 + i] = uint8_t(uint64_t(granule) >> (8 * i));
    ogg_page_checksum_set(&page);
    return ogg;
}

std::vector<uint8_t> MakeWave(const WaveSpec& s)
{
    std::vector<uint8_t> out;
    PutId(out, "RIFF"), Put32(out, 0), PutId(out, "WAVE");
    if (s.listChunkFirst) PutId(out, "LIST"), Put32(out, 3), out.insert(out.end(), {'a', 'b', 'c', 0});  // padded
    const bool pcm = s.tag == 1;
    const uint16_t align = uint16_t(s.channels * s.bits / 8);
    PutId(out, "fmt "), Put32(out, pcm ? 16 : uint32_t(18 + s.extra.size()));
    Put16(out, s.tag), Put16(out, s.channels), Put32(out, s.rate), Put32(out, s.rate * align);
    Put16(out, align), Put16(out, s.bits);
    if (!pcm) {
        Put16(out, uint16_t(s.extra.size()));
        out.insert(out.end(), s.extra.begin(), s.extra.end());
        if (s.extra.size() & 1) out.push_back(0);
    }
    PutId(out, "data"), Put32(out, s.dataSizeField.value_or(uint32_t(s.data.size())));
    out.insert(out.end(), s.data.begin(), s.data.end());
    if (s.data.size() & 1) out.push_back(0);
    for (int i = 0; i < 4; ++i) out[4 + i] = uint8_t((out.size() - 8) >> (8 * i));
    return out;
}

std::vector<uint8_t> RampWave(size_t bytes, uint16_t bits, std::optional<uint32_t> dataSizeField)
{
    return MakeWave({.bits = bits, .data = Ramp(bytes), .dataSizeField = dataSizeField});
}

std::vector<uint8_t> Ramp(size_t n)
{
    std::vector<uint8_t> out(n);
    for (size_t i = 0; i < n; ++i) out[i] = uint8_t(i) == 0x80 ? 0x81 : uint8_t(i);
    return out;
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) throw std::runtime_error("cannot write " + path);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

std::string TempFolder(const std::string& tag)
{
    const auto dir = std::filesystem::temp_directory_path() / ("mirelle_" + tag + "_" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    return dir.string() + char(std::filesystem::path::preferred_separator);
}

}  // namespace fixture
