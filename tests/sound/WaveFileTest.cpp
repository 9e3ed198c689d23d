#include <gtest/gtest.h>

#include <cstring>

#include "core/SoundFixtures.h"
#include "sound/WaveFile.h"

namespace {

std::vector<BYTE> ReadAll(WaveFile& w, DWORD piece)
{
    std::vector<BYTE> out, buf(piece);
    for (DWORD got = 0xCDCDCDCD; w.Read(buf.data(), piece, &got) && got != 0; got = 0xCDCDCDCD)
        out.insert(out.end(), buf.begin(), buf.begin() + got);
    return out;
}

}  // namespace

TEST(WaveFile, ReadsFilesAndResourcesInPiecesAndAgainAfterReset)
{
    const std::string dir = fixture::TempFolder("wavefile");
    const fixture::WaveSpec adpcm = {.tag = 2, .bits = 4, .extra = {0x20, 0x21, 0x22, 0x23, 0x24}, .data = fixture::Ramp(30000)};
    fixture::WriteFile(dir + "adpcm.wav", fixture::MakeWave(adpcm));
    const auto ogg = fixture::EncodeOgg(2, 44100, 44100);
    fixture::WriteFile(dir + "tone.ogg", ogg);
    const struct {
        const char* name;
        std::string file;
        WAVEFORMATEX format;
        std::vector<uint8_t> extra, data;
    } cases[] = {
        {"non-PCM file keeps its extra bytes", dir + "adpcm.wav", {2, 1, 22050, 0, 0, 4, 5}, adpcm.extra, adpcm.data},
        {"Ogg decoded to 16-bit PCM", dir + "tone.ogg", {WAVE_FORMAT_PCM, 2, 44100, 176400, 4, 16, 0}, {},
         fixture::DecodeOgg(ogg)},
        {"WAVE resource", "RESWAVE", {WAVE_FORMAT_PCM, 1, 8000, 8000, 1, 8, 0}, {}, {1, 2, 3, 4, 5, 6, 7, 8}},
        {"WAV resource by any case", "reswav", {WAVE_FORMAT_PCM, 1, 8000, 8000, 1, 8, 0}, {},
         {0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18}},
    };
    for (const auto& c : cases) {
        WaveFile w;
        ASSERT_EQ(w.OpenFile(c.file), S_OK) << c.name;
        const WAVEFORMATEX* f = w.GetFormat();
        EXPECT_EQ(std::memcmp(f, &c.format, 18), 0) << c.name << ": tag " << f->wFormatTag << ", " << f->nChannels
                                                    << " channels, " << f->nAvgBytesPerSec << " bytes a second";
        EXPECT_EQ(std::vector<uint8_t>(reinterpret_cast<const BYTE*>(f) + 18, reinterpret_cast<const BYTE*>(f) + 18 + f->cbSize),
                  c.extra) << c.name;
        EXPECT_EQ(w.GetSize(), c.data.size()) << c.name;
        EXPECT_EQ(ReadAll(w, 7001), c.data) << c.name;  // pieces across mmio's buffer
        w.ResetFile();
        EXPECT_EQ(ReadAll(w, 4097), c.data) << c.name << " after ResetFile";
    }
}
