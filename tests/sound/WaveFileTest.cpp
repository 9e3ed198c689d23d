#include <gtest/gtest.h>

#include <cstring>

#include "core/SoundFixtures.h"
#include "sound/WaveFile.h"

namespace {

std::vector<BYTE> ReadAll(WaveFile& w, DWORD piece)
{
    std::vector<BYTE> out, buf(piece);
    for (;;) {
        DWORD got = 0xCDCDCDCD;
        if (!w.Read(buf.data(), piece, &got) || got == 0) break;
        out.insert(out.end(), buf.begin(), buf.begin() + got);
    }
    return out;
}

class WaveFileTest : public testing::Test {
protected:
    std::string dir = fixture::TempFolder("wavefile");
    std::string Write(const char* name, const std::vector<uint8_t>& bytes)
    {
        fixture::WriteFile(dir + name, bytes);
        return dir + name;
    }
};

}  // namespace

TEST_F(WaveFileTest, ReadsWaveThroughMmioInPiecesAndAgainAfterReset)
{
    fixture::WaveSpec spec;
    spec.channels = 2;
    spec.bits = 16;
    spec.rate = 11025;
    spec.data = fixture::Ramp(30000);
    spec.listChunkFirst = true;
    WaveFile w;
    ASSERT_EQ(w.OpenFile(Write("stereo.wav", fixture::MakeWave(spec))), S_OK);
    const WAVEFORMATEX* f = w.GetFormat();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->wFormatTag, WAVE_FORMAT_PCM);
    EXPECT_EQ(f->nChannels, 2);
    EXPECT_EQ(f->nSamplesPerSec, 11025u);
    EXPECT_EQ(f->nBlockAlign, 4);
    EXPECT_EQ(f->nAvgBytesPerSec, 44100u);
    EXPECT_EQ(f->wBitsPerSample, 16);
    EXPECT_EQ(f->cbSize, 0);
    EXPECT_EQ(w.GetSize(), 30000u);
    EXPECT_EQ(ReadAll(w, 7001), spec.data);
    w.ResetFile();
    EXPECT_EQ(ReadAll(w, 30000), spec.data) << "after ResetFile";
}

TEST_F(WaveFileTest, KeepsTheExtraBytesOfANonPcmFormat)
{
    fixture::WaveSpec spec;
    spec.tag = 2;
    spec.bits = 4;
    spec.extra = {0x20, 0x21, 0x22, 0x23, 0x24};
    spec.data = fixture::Ramp(100);
    WaveFile w;
    ASSERT_EQ(w.OpenFile(Write("adpcm.wav", fixture::MakeWave(spec))), S_OK);
    const WAVEFORMATEX* f = w.GetFormat();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->wFormatTag, 2);
    ASSERT_EQ(f->cbSize, 5);
    EXPECT_EQ(std::memcmp(reinterpret_cast<const BYTE*>(f) + 18, spec.extra.data(), 5), 0);
    EXPECT_EQ(ReadAll(w, 64), spec.data);
}

TEST_F(WaveFileTest, ShortFileDeliversWhatItHas)
{
    fixture::WaveSpec spec;
    spec.data = fixture::Ramp(1000);
    spec.dataSizeField = 22050;
    WaveFile w;
    ASSERT_EQ(w.OpenFile(Write("short.wav", fixture::MakeWave(spec))), S_OK);
    EXPECT_EQ(w.GetSize(), 22050u) << "the size the header claims";
    std::vector<BYTE> buf(22050);
    DWORD got = 0xCDCDCDCD;
    EXPECT_EQ(w.Read(buf.data(), 22050, &got), 1);
    EXPECT_EQ(got, 1000u);
    EXPECT_TRUE(std::equal(spec.data.begin(), spec.data.end(), buf.begin()));
}

TEST_F(WaveFileTest, DecodesOggToSixteenBitPcm)
{
    WaveFile w;
    ASSERT_EQ(w.OpenFile(Write("tone.ogg", fixture::EncodeOgg(2, 44100, 44100))), S_OK);
    const WAVEFORMATEX* f = w.GetFormat();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->wFormatTag, WAVE_FORMAT_PCM);
    EXPECT_EQ(f->nChannels, 2);
    EXPECT_EQ(f->nBlockAlign, 4);
    EXPECT_EQ(f->nAvgBytesPerSec, 176400u);
    EXPECT_EQ(w.GetSize(), 176400u);
    const auto first = ReadAll(w, 4096);
    EXPECT_EQ(first.size(), 176400u);
    w.ResetFile();
    EXPECT_EQ(ReadAll(w, 176400), first);
}

TEST_F(WaveFileTest, RefusesWhatIsNeitherWaveNorOgg)
{
    fixture::WaveSpec avi;
    avi.form = "AVI ";
    avi.data = fixture::Ramp(10);
    const struct {
        const char* name;
        std::string path;
    } cases[] = {
        {"missing file and no resource", dir + "missing.wav"},
        {"RIFF that is not WAVE", Write("avi.wav", fixture::MakeWave(avi))},
        {"text", Write("text.wav", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'})},
        {"empty", Write("empty.ogg", {})},
        {"music behind a psn header", Write("wrapped.ogg", fixture::WrapPsn(fixture::EncodeOgg(1, 8000, 800), 0))},
    };
    for (const auto& c : cases) {
        WaveFile w;
        EXPECT_NE(w.OpenFile(c.path), S_OK) << c.name;
        EXPECT_EQ(w.GetFormat(), nullptr) << c.name;
        EXPECT_EQ(w.GetSize(), 0u) << c.name;
    }
}

TEST_F(WaveFileTest, OpensAResourceOfTheExecutableByName)
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
