#include <gtest/gtest.h>

#include "SoundFixtures.h"
#include "sound/core/RiffWave.h"

namespace {

std::optional<RiffWaveLayout> Parse(const std::vector<uint8_t>& bytes)
{
    MemorySource source(bytes);
    return ParseRiffWave(source);
}

fixture::WaveSpec Spec(uint16_t tag, uint16_t channels, uint16_t bits, size_t dataBytes,
                       std::vector<uint8_t> extra = {}, std::optional<uint32_t> dataSizeField = {})
{
    fixture::WaveSpec s;
    s.tag = tag, s.channels = channels, s.bits = bits, s.extra = std::move(extra);
    s.data = fixture::Ramp(dataBytes);
    s.dataSizeField = dataSizeField;
    return s;
}

}  // namespace

TEST(RiffWave, ReadsFormatAndDataWhereverTheyLie)
{
    auto listed = Spec(1, 2, 16, 40);
    listed.listChunkFirst = true;
    auto lyingExtra = Spec(0x11, 1, 4, 64, {9, 8});
    lyingExtra.extraSizeField = 300;  // more than the chunk holds: the data chunk must not be read as format
    const struct {
        const char* name;
        fixture::WaveSpec spec;
        PcmFormat pcm;
        std::vector<uint8_t> extra;
        uint32_t size, available;
    } cases[] = {
        {"8-bit mono PCM", Spec(1, 1, 8, 22050), {1, 1, 22050, 22050, 1, 8}, {}, 22050, 22050},
        {"16-bit stereo PCM", Spec(1, 2, 16, 4000), {1, 2, 22050, 88200, 4, 16}, {}, 4000, 4000},
        {"non-PCM keeps its extra bytes", Spec(2, 1, 4, 100, {1, 2, 3, 4, 5, 6}), {2, 1, 22050, 0, 0, 4},
         {1, 2, 3, 4, 5, 6}, 100, 100},
        {"extra bytes only from inside the chunk", lyingExtra, {0x11, 1, 22050, 0, 0, 4}, {9, 8}, 64, 64},
        {"an odd chunk before fmt is skipped with its pad byte", listed, {1, 2, 22050, 88200, 4, 16}, {}, 40, 40},
        {"odd data size", Spec(1, 1, 8, 11), {1, 1, 22050, 22050, 1, 8}, {}, 11, 11},
        {"data shorter than declared", Spec(1, 1, 8, 1000, {}, 22050), {1, 1, 22050, 22050, 1, 8}, {}, 22050, 1000},
        {"unknown size in a streamed file", Spec(1, 1, 8, 1000, {}, 0xFFFFFFFF), {1, 1, 22050, 22050, 1, 8}, {}, 1000,
         1000},
        {"declared smaller than present", Spec(1, 1, 8, 1000, {}, 500), {1, 1, 22050, 22050, 1, 8}, {}, 500, 500},
    };
    for (const auto& c : cases) {
        const auto bytes = fixture::MakeWave(c.spec);
        const auto layout = Parse(bytes);
        ASSERT_TRUE(layout) << c.name;
        EXPECT_EQ(layout->format.pcm, c.pcm) << c.name;
        EXPECT_EQ(layout->format.extra, c.extra) << c.name;
        EXPECT_EQ(layout->dataSize, c.size) << c.name;
        EXPECT_EQ(layout->dataAvailable, c.available) << c.name;
        ASSERT_LE(layout->dataOffset + layout->dataAvailable, bytes.size()) << c.name;
        EXPECT_TRUE(std::equal(c.spec.data.begin(), c.spec.data.begin() + layout->dataAvailable,
                               bytes.begin() + layout->dataOffset)) << c.name;
    }
}

TEST(RiffWave, RefusesFilesThatAreNoWave)
{
    auto notWave = Spec(1, 1, 8, 10);
    notWave.form = "AVI ";
    const auto bytes = fixture::MakeWave(Spec(1, 1, 8, 10));
    auto shortFmt = bytes;
    shortFmt[16] = 14;  // "fmt " of 14 bytes
    auto noData = std::vector<uint8_t>(bytes.begin(), bytes.begin() + 36);
    noData[4] = 28;
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"empty", {}},
        {"RIFF but not WAVE", fixture::MakeWave(notWave)},
        {"fmt shorter than 16 bytes", shortFmt},
        {"no data chunk", noData},
        {"file ends inside fmt", std::vector<uint8_t>(bytes.begin(), bytes.begin() + 30)},
        {"Ogg", {'O', 'g', 'g', 'S', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) EXPECT_FALSE(Parse(c.bytes)) << c.name;
}
