#include <gtest/gtest.h>

#include <cstring>

#include "core/SoundFixtures.h"
#include "sound/WaveFile.h"

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
        {"Ogg decoded to 16-bit PCM", dir + "tone.ogg", {1, 2, 44100, 176400, 4, 16, 0}, {}, fixture::DecodeOgg(ogg)},
        {"WAVE resource", "RESWAVE", {1, 1, 8000, 8000, 1, 8, 0}, {}, {1, 2, 3, 4, 5, 6, 7, 8}},
        {"WAV resource by any case", "reswav", {1, 1, 8000, 8000, 1, 8, 0}, {}, {17, 18, 19, 20, 21, 22, 23, 24}},
    };
    for (const auto& c : cases) {
        WaveFile w;
        ASSERT_EQ(w.OpenFile(c.file), S_OK) << c.name;
        const auto* f = reinterpret_cast<const BYTE*>(w.GetFormat());
        EXPECT_EQ(std::memcmp(f, &c.format, 18), 0) << c.name << ": format fields";
        EXPECT_EQ(std::vector<uint8_t>(f + 18, f + 18 + w.GetFormat()->cbSize), c.extra) << c.name;
        EXPECT_EQ(w.GetSize(), c.data.size()) << c.name;
        for (const DWORD piece : {7001, 4097}) {  // across mmio's buffer, the second after ResetFile
            std::vector<BYTE> got, buf(piece);
            for (DWORD n = 0xCDCDCDCD; w.Read(buf.data(), piece, &n) && n != 0; n = 0xCDCDCDCD)
                got.insert(got.end(), buf.begin(), buf.begin() + n);
            EXPECT_EQ(got, c.data) << c.name << ", pieces of " << piece;
            w.ResetFile();
        }
    }
}
