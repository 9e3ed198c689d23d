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

TEST(WaveFile, ReadsWaveAndOggInPiecesAndAgainAfterReset)
{
    const std::string dir = fixture::TempFolder("wavefile");
    fixture::WaveSpec stereo;
    stereo.channels = 2, stereo.bits = 16, stereo.rate = 11025, stereo.listChunkFirst = true;
    stereo.data = fixture::Ramp(30000);
    fixture::WriteFile(dir + "stereo.wav", fixture::MakeWave(stereo));
    fixture::WaveSpec adpcm;
    adpcm.tag = 2, adpcm.bits = 4, adpcm.extra = {0x20, 0x21, 0x22, 0x23, 0x24};
    adpcm.data = fixture::Ramp(100);
    fixture::WriteFile(dir + "adpcm.wav", fixture::MakeWave(adpcm));
    fixture::WriteFile(dir + "tone.ogg", fixture::EncodeOgg(2, 44100, 44100));
    const struct {
        const char* name;
        std::string file;
        WAVEFORMATEX format;
        std::vector<uint8_t> extra, data;  // data empty: only its size is known
        DWORD size;
    } cases[] = {
        {"16-bit stereo WAVE", "stereo.wav", {WAVE_FORMAT_PCM, 2, 11025, 44100, 4, 16, 0}, {}, stereo.data, 30000},
        {"non-PCM WAVE keeps its extra bytes", "adpcm.wav", {2, 1, 22050, 0, 0, 4, 5}, adpcm.extra, adpcm.data, 100},
        {"Ogg decoded to 16-bit PCM", "tone.ogg", {WAVE_FORMAT_PCM, 2, 44100, 176400, 4, 16, 0}, {}, {}, 176400},
    };
    for (const auto& c : cases) {
        WaveFile w;
        ASSERT_EQ(w.OpenFile(dir + c.file), S_OK) << c.name;
        const WAVEFORMATEX* f = w.GetFormat();
        ASSERT_NE(f, nullptr) << c.name;
        EXPECT_EQ(std::memcmp(f, &c.format, 18), 0) << c.name << ": tag " << f->wFormatTag << ", " << f->nChannels
                                                    << " channels, " << f->nAvgBytesPerSec << " bytes a second";
        EXPECT_EQ(std::vector<uint8_t>(reinterpret_cast<const BYTE*>(f) + 18, reinterpret_cast<const BYTE*>(f) + 18 + f->cbSize),
                  c.extra) << c.name;
        EXPECT_EQ(w.GetSize(), c.size) << c.name;
        const auto first = ReadAll(w, 7001);
        EXPECT_EQ(first.size(), c.size) << c.name;
        if (!c.data.empty()) { EXPECT_EQ(first, c.data) << c.name; }
        w.ResetFile();
        EXPECT_EQ(ReadAll(w, c.size), first) << c.name << " after ResetFile";
    }
}

TEST(WaveFile, OpensAResourceOfTheExecutableByName)
{
    const struct {
        const char* name;
        std::vector<BYTE> data;
    } cases[] = {
        {"RESWAVE", {1, 2, 3, 4, 5, 6, 7, 8}},
        {"reswav", {0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18}},
    };
    for (const auto& c : cases) {
        WaveFile w;
        ASSERT_EQ(w.OpenFile(c.name), S_OK) << c.name;
        EXPECT_EQ(w.GetSize(), 8u) << c.name;
        EXPECT_EQ(w.GetFormat()->wBitsPerSample, 8) << c.name;
        EXPECT_EQ(ReadAll(w, 3), c.data) << c.name;
        w.ResetFile();
        EXPECT_EQ(ReadAll(w, 8), c.data) << c.name << " after ResetFile";
    }
}
