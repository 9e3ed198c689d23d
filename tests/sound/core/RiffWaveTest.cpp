#include <gtest/gtest.h>

#include "SoundFixtures.h"
#include "sound/core/RiffWave.h"

namespace {

std::optional<RiffWaveLayout> Parse(const std::vector<uint8_t>& bytes)
{
    MemorySource source(bytes);
    return ParseRiffWave(source);
}

fixture::WaveSpec Spec(uint16_t tag, uint16_t channels, uint16_t bits, size_t dataBytes)
{
    fixture::WaveSpec s;
    s.tag = tag;
    s.channels = channels;
    s.bits = bits;
    s.data = fixture::Ramp(dataBytes);
    return s;
}

}  // namespace

TEST(RiffWave, ReadsFormatAndDataOfWellFormedFiles)
{
    auto adpcm = Spec(2, 1, 4, 100);
    adpcm.extra = {1, 2, 3, 4, 5, 6};
    auto listed = Spec(1, 2, 16, 40);
    listed.listChunkFirst = true;
    auto odd = Spec(1, 1, 8, 11);  // odd data size, padded in the file
    const struct {
        const char* name;
        fixture::WaveSpec spec;
        PcmFormat pcm;
        std::vector<uint8_t> extra;
    } cases[] = {
        {"8-bit mono PCM", Spec(1, 1, 8, 22050), {1, 1, 22050, 22050, 1, 8}, {}},
        {"16-bit stereo PCM", Spec(1, 2, 16, 4000), {1, 2, 22050, 88200, 4, 16}, {}},
        {"non-PCM keeps its extra bytes", adpcm, {2, 1, 22050, 0, 0, 4}, {1, 2, 3, 4, 5, 6}},
        {"an odd chunk before fmt is skipped with its pad byte", listed, {1, 2, 22050, 88200, 4, 16}, {}},
        {"odd data size", odd, {1, 1, 22050, 22050, 1, 8}, {}},
    };
    for (const auto& c : cases) {
        const auto bytes = fixture::MakeWave(c.spec);
        const auto layout = Parse(bytes);
        ASSERT_TRUE(layout) << c.name;
        EXPECT_EQ(layout->format.pcm, c.pcm) << c.name;
        EXPECT_EQ(layout->format.extra, c.extra) << c.name;
        EXPECT_EQ(layout->dataSize, c.spec.data.size()) << c.name;
        EXPECT_EQ(layout->dataAvailable, c.spec.data.size()) << c.name;
        ASSERT_LE(layout->dataOffset + layout->dataSize, bytes.size()) << c.name;
        EXPECT_TRUE(std::equal(c.spec.data.begin(), c.spec.data.end(), bytes.begin() + layout->dataOffset)) << c.name;
    }
}

TEST(RiffWave, TakesExtraFormatBytesOnlyFromInsideTheChunk)
{
    auto s = Spec(0x11, 1, 4, 64);
    s.extra = {9, 8};
    s.extraSizeField = 300;  // claims more than the chunk holds: the data chunk must not be read as format
    const auto layout = Parse(fixture::MakeWave(s));
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->format.extra, (std::vector<uint8_t>{9, 8}));
    EXPECT_EQ(layout->dataSize, 64u);
}

TEST(RiffWave, RefusesFilesThatAreNoWave)
{
    auto notWave = Spec(1, 1, 8, 10);
    notWave.form = "AVI ";
    auto bytes = fixture::MakeWave(Spec(1, 1, 8, 10));
    std::vector<uint8_t> shortFmt = bytes;
    shortFmt[16] = 14;  // "fmt " of 14 bytes
    std::vector<uint8_t> noData(bytes.begin(), bytes.begin() + 36);
    noData[4] = 28;
    std::vector<uint8_t> cutInFmt(bytes.begin(), bytes.begin() + 30);
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"empty", {}},
        {"RIFF but not WAVE", fixture::MakeWave(notWave)},
        {"fmt shorter than 16 bytes", shortFmt},
        {"no data chunk", noData},
        {"file ends inside fmt", cutInFmt},
        {"Ogg", {'O', 'g', 'g', 'S', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) EXPECT_FALSE(Parse(c.bytes)) << c.name;
}

TEST(RiffWave, TruncatedDataKeepsTheDeclaredSizeAndSaysWhatIsThere)
{
    const struct {
        const char* name;
        uint32_t declared;
        size_t present;
        uint32_t size, available;
    } cases[] = {
        {"shorter than declared", 22050, 1000, 22050, 1000},
        {"unknown size in a streamed file", 0xFFFFFFFF, 1000, 1000, 1000},
        {"declared smaller than present", 500, 1000, 500, 500},
    };
    for (const auto& c : cases) {
        auto s = Spec(1, 1, 8, c.present);
        s.dataSizeField = c.declared;
        const auto layout = Parse(fixture::MakeWave(s));
        ASSERT_TRUE(layout) << c.name;
        EXPECT_EQ(layout->dataSize, c.size) << c.name;
        EXPECT_EQ(layout->dataAvailable, c.available) << c.name;
    }
}
