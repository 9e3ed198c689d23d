#include <gtest/gtest.h>

#include "SoundFixtures.h"
#include "sound/core/RiffWave.h"

namespace {

std::optional<RiffWaveLayout> Parse(const std::vector<uint8_t>& bytes)
{
    MemorySource source(bytes);
    return ParseRiffWave(source);
}

}  // namespace

TEST(RiffWave, ReadsFormatAndDataWhereverTheyLie)
{
    using fixture::Ramp;
    const PcmFormat mono8 = {1, 1, 22050, 22050, 1, 8}, stereo16 = {1, 2, 22050, 88200, 4, 16};
    auto lyingExtra = fixture::MakeWave({.tag = 0x11, .bits = 4, .extra = {9, 8}, .data = Ramp(64)});
    lyingExtra[36] = 44;  // the extra size says more than the chunk holds: the data chunk must not be read as format
    const struct {
        const char* name;
        std::vector<uint8_t> bytes, extra;
        PcmFormat pcm;
        uint32_t size, available;
    } cases[] = {
        {"8-bit mono PCM", fixture::RampWave(22050), {}, mono8, 22050, 22050},
        {"non-PCM keeps its extra bytes", fixture::MakeWave({.tag = 2, .bits = 4, .extra = {1, 2, 3}, .data = Ramp(100)}),
         {1, 2, 3}, {2, 1, 22050, 0, 0, 4}, 100, 100},
        {"extra bytes only from inside the chunk", lyingExtra, {9, 8}, {0x11, 1, 22050, 0, 0, 4}, 64, 64},
        {"an odd chunk before fmt is skipped with its pad byte",
         fixture::MakeWave({.channels = 2, .bits = 16, .data = Ramp(40), .listChunkFirst = true}), {}, stereo16, 40, 40},
        {"odd data size", fixture::RampWave(11), {}, mono8, 11, 11},
        {"data shorter than declared", fixture::RampWave(1000, 8, 22050), {}, mono8, 22050, 1000},
        {"unknown size in a streamed file", fixture::RampWave(1000, 8, 0xFFFFFFFF), {}, mono8, 1000, 1000},
        {"declared smaller than present", fixture::RampWave(1000, 8, 500), {}, mono8, 500, 500},
    };
    for (const auto& c : cases) {
        const auto layout = Parse(c.bytes);
        ASSERT_TRUE(layout) << c.name;
        EXPECT_EQ(std::tuple(layout->format.pcm, layout->format.extra, layout->dataSize, layout->dataAvailable),
                  std::tuple(c.pcm, c.extra, c.size, c.available)) << c.name << ": format, extra, size, available";
        ASSERT_LE(layout->dataOffset + layout->dataAvailable, c.bytes.size()) << c.name;
        const auto data = c.bytes.begin() + ptrdiff_t(layout->dataOffset);
        EXPECT_EQ(std::vector<uint8_t>(data, data + layout->dataAvailable), Ramp(layout->dataAvailable)) << c.name;
    }
}

TEST(RiffWave, RefusesFilesThatAreNoWave)
{
    const auto bytes = fixture::RampWave(10);
    auto notWave = bytes, shortFmt = bytes, noData = std::vector<uint8_t>(bytes.begin(), bytes.begin() + 36);
    notWave[8] = 'A';
    shortFmt[16] = 14;  // "fmt " of 14 bytes
    noData[4] = 28;
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"empty", {}},
        {"RIFF but not WAVE", notWave},
        {"fmt shorter than 16 bytes", shortFmt},
        {"no data chunk", noData},
        {"file ends inside fmt", std::vector<uint8_t>(bytes.begin(), bytes.begin() + 30)},
        {"Ogg", {'O', 'g', 'g', 'S', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) EXPECT_FALSE(Parse(c.bytes)) << c.name;
}
