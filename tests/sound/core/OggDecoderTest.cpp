#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "SoundFixtures.h"
#include "sound/core/MusicFile.h"
#include "sound/core/OggDecoder.h"

namespace {

std::unique_ptr<ByteSource> Memory(const std::vector<uint8_t>& bytes) { return std::make_unique<MemorySource>(bytes); }

const std::vector<uint8_t>& StereoSecond()
{
    static const auto ogg = fixture::EncodeOgg(2, 44100, 44100);
    return ogg;
}

}  // namespace

TEST(OggDecoder, ReportsSixteenBitFormatAndExactSizeAndReadsWholeFramesAgainAfterRewind)
{
    const struct {
        const char* name;
        std::vector<uint8_t> ogg;
        PcmFormat format;
        uint32_t total;
    } cases[] = {
        {"stereo 44100 Hz, 1 second", StereoSecond(), {1, 2, 44100, 176400, 4, 16}, 176400},
        {"mono 8000 Hz, 1001 frames", fixture::EncodeOgg(1, 8000, 1001), {1, 1, 8000, 16000, 2, 16}, 2002},
    };
    for (const auto& c : cases) {
        OggDecoder d;
        ASSERT_TRUE(d.Open(Memory(c.ogg))) << c.name;
        EXPECT_EQ(std::tuple(d.Format(), d.TotalBytes()), std::tuple(c.format, c.total)) << c.name << ": format, size";
        const uint32_t frame = c.format.blockAlign;
        std::vector<uint8_t> whole(c.total + 64, 0xCD);
        EXPECT_EQ(d.Read(whole.data(), frame - 1), 0u) << c.name << ": less than one frame";
        EXPECT_EQ(d.Read(whole.data(), 1023 + frame), 1024u) << c.name << ": whole frames only";
        ASSERT_TRUE(d.Rewind()) << c.name;
        whole.resize(d.Read(whole.data(), uint32_t(whole.size())));
        EXPECT_EQ(whole.size(), c.total) << c.name;
        EXPECT_EQ(d.Read(whole.data(), 4096), 0u) << c.name << ": nothing after the end";
        for (const uint32_t piece : {frame, 4097 * frame}) {
            ASSERT_TRUE(d.Rewind()) << c.name;
            std::vector<uint8_t> got, buf(piece);
            while (const uint32_t n = d.Read(buf.data(), piece)) got.insert(got.end(), buf.begin(), buf.begin() + n);
            EXPECT_EQ(got, whole) << c.name << ", pieces of " << piece;
        }
    }
}

TEST(OggDecoder, RefusesWhatIsNoUsableStream)
{
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"empty", {}},
        {"WAVE bytes", fixture::RampWave(10)},
        {"headers only", std::vector<uint8_t>(StereoSecond().begin(), StereoSecond().begin() + 60)},
        {"absurd length", fixture::SetLastGranule(fixture::EncodeOgg(2, 44100, 4 * 44100), int64_t{1} << 40)},
    };
    for (const auto& c : cases) {
        OggDecoder d;
        EXPECT_FALSE(d.Open(Memory(c.bytes))) << c.name;
        EXPECT_TRUE(!d.IsOpen() && d.TotalBytes() == 0) << c.name;
    }
}

// Links one after the other, each its own logical stream.
std::vector<uint8_t> Chain(const std::vector<std::tuple<int, int, int>>& links)
{
    std::vector<uint8_t> out;
    int serial = 100;
    for (const auto& [channels, rate, frames] : links) {
        const auto ogg = fixture::EncodeOgg(channels, rate, frames, 0.3f, ++serial);
        out.insert(out.end(), ogg.begin(), ogg.end());
    }
    return out;
}

// A chained stream is delivered in one format: every link in it, or it is refused.
TEST(OggDecoder, ChainedStreamOpensOnlyWhenEveryLinkHasTheFirstFormat)
{
    const struct {
        const char* name;
        std::vector<std::tuple<int, int, int>> links;
        bool opens;
    } cases[] = {
        {"two mono 22050 Hz links", {{1, 22050, 3000}, {1, 22050, 5000}}, true},
        {"three stereo 44100 Hz links", {{2, 44100, 1000}, {2, 44100, 2000}, {2, 44100, 700}}, true},
        {"second link at another rate", {{1, 22050, 3000}, {1, 44100, 3000}}, false},
        {"second link in stereo", {{1, 22050, 3000}, {2, 22050, 3000}}, false},
        {"second link in stereo at another rate", {{1, 22050, 3000}, {2, 44100, 3000}}, false},
        {"third link at another rate", {{2, 44100, 1000}, {2, 44100, 1000}, {2, 22050, 1000}}, false},
    };
    for (const auto& c : cases) {
        const auto chain = Chain(c.links);  // the source reads it in place
        OggDecoder d;
        const bool opened = d.Open(Memory(chain));
        ASSERT_EQ(opened, c.opens) << c.name;
        if (!opened) {
            EXPECT_TRUE(!d.IsOpen() && d.TotalBytes() == 0) << c.name;
            continue;
        }
        std::vector<uint8_t> expected;
        int serial = 100;
        for (const auto& [channels, rate, frames] : c.links) {
            const auto pcm = fixture::DecodeOgg(fixture::EncodeOgg(channels, rate, frames, 0.3f, ++serial));
            expected.insert(expected.end(), pcm.begin(), pcm.end());
        }
        EXPECT_EQ(d.TotalBytes(), expected.size()) << c.name;
        std::vector<uint8_t> got(expected.size() + 4096, 0xCD);
        got.resize(d.Read(got.data(), uint32_t(got.size())));
        EXPECT_TRUE(got == expected) << c.name << ": " << got.size() << " bytes read, " << expected.size() << " expected";
    }
}

// A damaged file whose decoding keeps failing ends the read instead of spinning.
TEST(OggDecoder, ReadEndsWhenTheStreamStaysBroken)
{
    struct BrokenDecoder : OggDecoder {
        int calls = 0;
        DecodeStep DecodeSome(uint8_t* dst, uint32_t n) override { return ++calls == 1 ? OggDecoder::DecodeSome(dst, n) : DecodeStep{-3, 0}; }
    } d;
    ASSERT_TRUE(d.Open(Memory(StereoSecond())));
    std::vector<uint8_t> buf(176400);
    EXPECT_TRUE(d.Read(buf.data(), 176400) > 0 && d.Read(buf.data(), 4096) == 0);
    EXPECT_EQ(d.calls, 1 + OggDecoder::kMaxDecodeErrors) << "bounded, and not tried again until rewound";
}

TEST(MusicFile, FindsTheStreamBehindTheHeader)
{
    const auto& ogg = StereoSecond();
    const auto wrapped = fixture::WrapPsn(ogg, 100);
    auto pointsPastEnd = wrapped, noZero = wrapped;
    pointsPastEnd[16] ^= 0xFF, pointsPastEnd[19] ^= 0x7F;
    noZero[3] = 'x';
    const struct {
        const char* name;
        std::vector<uint8_t> head;
        uint64_t size;
        std::optional<uint64_t> start;
    } cases[] = {
        {"bare Ogg", ogg, ogg.size(), 0},
        {"psn header", wrapped, wrapped.size(), 128},
        {"psn offset at the file's end", wrapped, 128, std::nullopt},
        {"psn offset past the file's end", pointsPastEnd, pointsPastEnd.size(), std::nullopt},
        {"psn without its zero byte", noZero, noZero.size(), std::nullopt},
        {"psn header cut short", std::vector<uint8_t>(wrapped.begin(), wrapped.begin() + 20), 20, std::nullopt},
        {"RIFF", fixture::RampWave(10), 100, std::nullopt},
        {"three bytes", {'O', 'g', 'g'}, 3, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindMusicStart({c.head.data(), std::min<size_t>(c.head.size(), kMusicHeaderBytes)}, c.size), c.start)
            << c.name;
}
