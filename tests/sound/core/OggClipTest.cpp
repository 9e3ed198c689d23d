#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "SoundFixtures.h"
#include "sound/core/OggClip.h"
#include "sound/core/OggDecoder.h"

#if defined(__SANITIZE_ADDRESS__) && __has_include(<sanitizer/lsan_interface.h>)
#include <sanitizer/lsan_interface.h>
#define MIRELLE_LEAK_CHECK 1
#endif

namespace {

// The whole stream through vorbisfile: the bytes a clip must give.
std::vector<uint8_t> ThroughVorbisfile(const std::vector<uint8_t>& ogg, PcmFormat& format)
{
    OggDecoder d;
    if (!d.Open(std::make_unique<MemorySource>(ogg))) return {};
    format = d.Format();
    std::vector<uint8_t> pcm(d.TotalBytes() + 4096);
    pcm.resize(d.Read(pcm.data(), static_cast<uint32_t>(pcm.size())));
    return pcm;
}

}  // namespace

TEST(OggClip, DecodesTheBytesVorbisfileGivesAndSharesOneSetupPerHeaders)
{
    const struct { const char* name; int channels, rate, frames; } cases[] = {
        {"one frame", 1, 22050, 1},
        {"mono 22050 Hz, a short effect", 1, 22050, 6615},
        {"stereo 44100 Hz, less than one block", 2, 44100, 100},
        {"stereo 44100 Hz, 2 seconds", 2, 44100, 88200},
        {"mono 8000 Hz, an odd length", 1, 8000, 1001},
        {"mono 22050 Hz again: the same headers", 1, 22050, 4000},
    };
    const size_t setupsBefore = OggClip::SharedSetupCount();
    for (const auto& c : cases) {
        const auto ogg = fixture::EncodeOgg(c.channels, c.rate, c.frames);
        PcmFormat want;
        const auto expected = ThroughVorbisfile(ogg, want);
        ASSERT_FALSE(expected.empty()) << c.name;
        OggClip clip;
        MemorySource source(ogg);
        ASSERT_TRUE(clip.Decode(source)) << c.name;
        EXPECT_EQ(clip.Format(), want) << c.name;
        EXPECT_EQ(clip.Pcm().size(), expected.size()) << c.name;
        EXPECT_TRUE(clip.Pcm() == expected) << c.name << ": the PCM differs from vorbisfile's";
    }
    EXPECT_EQ(OggClip::SharedSetupCount() - setupsBefore, 3u) << "one setup per channels and rate";
}

// One sound encoded at every quality: more different setups than are kept, so the later clips
// decode with a setup of their own, which must outlive the decoder state built on it.
TEST(OggClip, ClipsOfSetupsBeyondTheCacheDecodeAndFreeTheirSetup)
{
    constexpr int kQualities = 12;
    const size_t setupsBefore = OggClip::SharedSetupCount();
    for (int round = 0; round < 2; ++round)
        for (int q = 0; q < kQualities; ++q) {
            const float quality = -0.1f + 0.1f * static_cast<float>(q);
            const auto ogg = fixture::EncodeOgg(1, 22050, 2000, quality);
            PcmFormat want;
            const auto expected = ThroughVorbisfile(ogg, want);
            OggClip clip;
            MemorySource source(ogg);
            ASSERT_TRUE(clip.Decode(source)) << "quality " << quality;
            EXPECT_TRUE(clip.Format() == want && clip.Pcm() == expected) << "quality " << quality;
        }
    ASSERT_LT(OggClip::SharedSetupCount(), setupsBefore + kQualities) << "every setup was kept: none was decoded unshared";
#ifdef MIRELLE_LEAK_CHECK
    EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0) << "a decode leaked (see the report above)";
#endif
}

TEST(OggClip, LeavesAllButOneCleanStreamToTheGeneralDecoder)
{
    const auto ogg = fixture::EncodeOgg(1, 22050, 3000);
    auto chained = ogg;
    chained.insert(chained.end(), ogg.begin(), ogg.end());
    auto corrupt = ogg;
    corrupt[corrupt.size() / 2] ^= 0x55;  // a page whose checksum fails
    const struct { const char* name; std::vector<uint8_t> bytes; } cases[] = {
        {"empty", {}},
        {"not Ogg", std::vector<uint8_t>(200, 'x')},
        {"cut in its last page", std::vector<uint8_t>(ogg.begin(), ogg.end() - 20)},
        {"headers only", std::vector<uint8_t>(ogg.begin(), ogg.begin() + 200)},
        {"two streams one after the other", chained},
        {"a damaged page", corrupt},
        {"longer than a clip", std::vector<uint8_t>(OggClip::kMaxClipFileBytes + 1, 0)},
    };
    for (const auto& c : cases) {
        OggClip clip;
        MemorySource source(c.bytes);
        EXPECT_FALSE(clip.Decode(source)) << c.name;
        EXPECT_TRUE(clip.Pcm().empty()) << c.name;
    }
}

// Every sound the asset builder generates decodes to vorbisfile's bytes.
TEST(OggClip, GeneratedSoundsDecodeAsThroughVorbisfile)
{
    const char* root = std::getenv("MIRELLE_ASSETS");
    if (!root) GTEST_SKIP() << "MIRELLE_ASSETS does not name the asset builder's output";
    size_t clips = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(std::string(root) + "/GameSound")) {
        if (entry.path().extension() != ".ogg") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<uint8_t> ogg((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        PcmFormat want;
        const auto expected = ThroughVorbisfile(ogg, want);
        OggClip clip;
        MemorySource source(ogg);
        ASSERT_TRUE(clip.Decode(source)) << entry.path();
        ASSERT_TRUE(clip.Format() == want && clip.Pcm() == expected) << entry.path();
        ++clips;
    }
    EXPECT_GT(clips, 100u);
}
