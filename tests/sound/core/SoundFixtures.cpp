#include "SoundFixtures.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <stdexcept>

#include <vorbis/vorbisenc.h>

namespace fixture {

namespace {

void Append(std::vector<uint8_t>& out, const unsigned char* p, int64_t n)
{
    out.insert(out.end(), p, p + n);
}

void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void PutId(std::vector<uint8_t>& out, const char* id)
{
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(id[i]));
}

}  // namespace

std::vector<uint8_t> EncodeOgg(int channels, int rate, int frames, double toneHz)
{
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, channels, rate, 0.3f) != 0) throw std::runtime_error("vorbis_encode_init_vbr");
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "TITLE", "test tone");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, 1234);

    std::vector<uint8_t> out;
    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comments);
    ogg_stream_packetin(&os, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&os, &page) != 0) {
        Append(out, page.header, page.header_len);
        Append(out, page.body, page.body_len);
    }

    const double step = 2.0 * 3.14159265358979 * toneHz / rate;
    int written = 0;
    bool eos = false;
    while (!eos) {
        const int n = std::min(1024, frames - written);
        if (n > 0) {
            float** buf = vorbis_analysis_buffer(&vd, n);
            for (int i = 0; i < n; ++i)
                for (int c = 0; c < channels; ++c)
                    buf[c][i] = static_cast<float>(0.5 * std::sin(step * (written + i) * (c + 1)));
            vorbis_analysis_wrote(&vd, n);
            written += n;
        } else {
            vorbis_analysis_wrote(&vd, 0);
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&vd, &packet)) {
                ogg_stream_packetin(&os, &packet);
                while (ogg_stream_pageout(&os, &page) != 0) {
                    Append(out, page.header, page.header_len);
                    Append(out, page.body, page.body_len);
                    if (ogg_page_eos(&page)) eos = true;
                }
            }
        }
    }
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return out;
}

std::vector<uint8_t> ChainOgg(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b)
{
    std::vector<uint8_t> out = a;
    out.insert(out.end(), b.begin(), b.end());
    return out;
}

std::vector<uint8_t> WrapPsn(const std::vector<uint8_t>& ogg, uint32_t gap)
{
    std::vector<uint8_t> out = {'p', 's', 'n', 0};
    for (int i = 4; i < 16; ++i) out.push_back(static_cast<uint8_t>(0x40 + i));
    Put32(out, gap ^ 0x3C1A5E27u);
    while (out.size() < 28) out.push_back(0x5A);
    for (uint32_t i = 0; i < gap; ++i) out.push_back(static_cast<uint8_t>('O' + i % 7));
    out.insert(out.end(), ogg.begin(), ogg.end());
    return out;
}

std::vector<uint8_t> MakeWave(const WaveSpec& s)
{
    std::vector<uint8_t> body;
    PutId(body, s.form);
    if (s.listChunkFirst) {
        PutId(body, "LIST");
        Put32(body, 3);
        body.insert(body.end(), {'a', 'b', 'c', 0});  // odd size, padded
    }
    const bool pcm = s.tag == 1;
    PutId(body, "fmt ");
    Put32(body, pcm ? 16 : static_cast<uint32_t>(18 + s.extra.size()));
    const uint16_t align = static_cast<uint16_t>(s.channels * s.bits / 8);
    Put16(body, s.tag);
    Put16(body, s.channels);
    Put32(body, s.rate);
    Put32(body, s.rate * align);
    Put16(body, align);
    Put16(body, s.bits);
    if (!pcm) {
        Put16(body, s.extraSizeField.value_or(static_cast<uint16_t>(s.extra.size())));
        body.insert(body.end(), s.extra.begin(), s.extra.end());
        if (s.extra.size() & 1) body.push_back(0);
    }
    PutId(body, "data");
    Put32(body, s.dataSizeField.value_or(static_cast<uint32_t>(s.data.size())));
    body.insert(body.end(), s.data.begin(), s.data.end());
    if (s.data.size() & 1) body.push_back(0);

    std::vector<uint8_t> out;
    PutId(out, "RIFF");
    Put32(out, static_cast<uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

std::vector<uint8_t> Ramp(size_t n)
{
    std::vector<uint8_t> out(n);
    for (size_t i = 0; i < n; ++i) {
        const auto b = static_cast<uint8_t>(i);
        out[i] = b == 0x80 ? 0x81 : b;
    }
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
    std::random_device rd;
    const auto dir = std::filesystem::temp_directory_path() / ("mirelle_" + tag + "_" + std::to_string(rd()));
    std::filesystem::create_directories(dir);
    return dir.string() + static_cast<char>(std::filesystem::path::preferred_separator);
}

}  // namespace fixture

namespace fixture {

namespace {

uint32_t OggCrc(const uint8_t* p, size_t n)
{
    uint32_t crc = 0;
    for (size_t i = 0; i < n; ++i) {
        crc ^= static_cast<uint32_t>(p[i]) << 24;
        for (int b = 0; b < 8; ++b) crc = crc & 0x80000000u ? crc << 1 ^ 0x04C11DB7u : crc << 1;
    }
    return crc;
}

}  // namespace

std::vector<uint8_t> SetLastGranule(std::vector<uint8_t> ogg, int64_t granule)
{
    size_t last = 0;
    for (size_t at = 0; at + 27 <= ogg.size();) {
        last = at;
        const size_t segments = ogg[at + 26];
        size_t size = 27 + segments;
        for (size_t s = 0; s < segments; ++s) size += ogg[at + 27 + s];
        at += size;
    }
    const size_t segments = ogg[last + 26];
    size_t size = 27 + segments;
    for (size_t s = 0; s < segments; ++s) size += ogg[last + 27 + s];
    for (int i = 0; i < 8; ++i) ogg[last + 6 + i] = static_cast<uint8_t>(static_cast<uint64_t>(granule) >> (8 * i));
    for (int i = 0; i < 4; ++i) ogg[last + 22 + i] = 0;
    const uint32_t crc = OggCrc(ogg.data() + last, size);
    for (int i = 0; i < 4; ++i) ogg[last + 22 + i] = static_cast<uint8_t>(crc >> (8 * i));
    return ogg;
}

}  // namespace fixture
