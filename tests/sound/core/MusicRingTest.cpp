#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "SoundFixtures.h"
#include "sound/core/MusicRing.h"

namespace {

const PcmFormat kMono16 = Pcm16Format(1, 1000);  // 2000 bytes a second: a ring of 8000 bytes

// A track of known bytes, delivered at most 600 bytes per answer; it can go bad or change section.
class PatternSource : public PcmSource {
public:
    explicit PatternSource(std::vector<uint8_t> t) : track(std::move(t)) {}
    std::vector<uint8_t> track;
    size_t pos = 0;
    size_t brokenFrom = SIZE_MAX;       // errors from here on
    size_t secondSectionFrom = SIZE_MAX;
    int rewinds = 0;

    DecodeStep DecodeSome(uint8_t* dst, uint32_t size) override
    {
        if (pos >= brokenFrom) return {-3, 0};
        if (pos >= secondSectionFrom) return {600, 1};
        const size_t n = std::min<size_t>({size, 600, track.size() - pos, brokenFrom - pos, secondSectionFrom - pos});
        std::copy_n(track.begin() + static_cast<ptrdiff_t>(pos), n, dst);
        pos += n;
        return {static_cast<int32_t>(n), 0};
    }
    bool Rewind() override { return ++rewinds, pos = 0, true; }
};

// Plays the ring as a sound card would: the cursor moves on, what it passes is heard.
struct Player {
    MusicRing ring;
    std::vector<uint8_t> memory;
    uint32_t cursor = 0;
    std::vector<uint8_t> heard;

    Player(uint32_t bytes, const PcmFormat& format, uint32_t total) : memory(bytes, 0xEE) { ring.Start(bytes, format, total); }

    // One refill as the stream does it; true when the track ended.
    bool Refill(PcmSource& source, bool loop)
    {
        if (ring.NotePlayCursor(cursor, loop) == MusicRing::Progress::TrackEnded) return true;
        const uint32_t n = ring.WritableBytes();
        if (n == 0) return false;
        const uint32_t at = ring.WritePos();
        const uint32_t first = std::min<uint32_t>(n, static_cast<uint32_t>(memory.size()) - at);
        const uint32_t second = n - first;
        ring.Fill(source, memory.data() + at, first, second ? memory.data() : nullptr, second, loop);
        return false;
    }

    void Play(uint32_t bytes)
    {
        for (uint32_t i = 0; i < bytes; ++i) {
            heard.push_back(memory[cursor]);
            cursor = (cursor + 1) % static_cast<uint32_t>(memory.size());
        }
    }
};

std::vector<uint8_t> Repeat(const std::vector<uint8_t>& track, size_t n)
{
    std::vector<uint8_t> out;
    while (out.size() < n) out.insert(out.end(), track.begin(), track.end());
    out.resize(n);
    return out;
}

}  // namespace

TEST(MusicRing, TellsAnEmptyRingFromAFullOne)
{
    PatternSource source(fixture::Ramp(100000));
    Player p(8000, kMono16, 100000);
    EXPECT_EQ(p.ring.WritableBytes(), 2000u) << "empty: one second";
    for (int i = 0; i < 4; ++i) p.Refill(source, true);
    EXPECT_EQ(std::tuple(p.ring.UnplayedBytes(), p.ring.WritePos(), p.ring.WritableBytes()), std::tuple(8000u, p.cursor, 0u))
        << "full: the cursors meet, nothing to write";
    for (const auto& [played, writable] : {std::pair(100u, 0u), std::pair(101u, 200u)}) {
        p.Play(played);
        p.ring.NotePlayCursor(p.cursor, true);
        EXPECT_EQ(p.ring.WritableBytes(), writable) << "after " << played << " more bytes: under 129 bytes of room is none, "
                                                       "then whole frames";
    }
}

TEST(MusicRing, LoopingTrackGoesOnWithoutAGap)
{
    const struct {
        const char* name;
        size_t trackBytes;
        uint32_t step;
    } cases[] = {
        {"track shorter than the ring", 3000, 100},
        {"track longer than the ring", 19998, 346},
        {"track of exactly the ring", 8000, 250},
    };
    for (const auto& c : cases) {
        PatternSource source(fixture::Ramp(c.trackBytes));
        Player p(8000, kMono16, static_cast<uint32_t>(c.trackBytes));
        for (int tick = 0; tick < 400; ++tick) {
            ASSERT_FALSE(p.Refill(source, true)) << c.name << ": a looping track never ends";
            p.Play(c.step);
        }
        EXPECT_EQ(p.heard, Repeat(source.track, p.heard.size())) << c.name;
        EXPECT_GE(source.rewinds, 2) << c.name;
    }
}

TEST(MusicRing, TrackEndsAfterItsLastByteOrLoopsOverWhatDecoded)
{
    const struct {
        const char* name;
        size_t trackBytes, brokenFrom, secondSectionFrom;
        uint32_t expectedBytes;
    } cases[] = {
        {"a track that ends", 5000, SIZE_MAX, SIZE_MAX, 5000},
        {"decode errors for ever", 20000, 3600, SIZE_MAX, 3600},
        {"a second logical stream", 20000, SIZE_MAX, 4200, 4200},
    };
    for (const auto& c : cases) {
        for (const bool loop : {false, true}) {
            PatternSource source(fixture::Ramp(c.trackBytes));
            source.brokenFrom = c.brokenFrom;
            source.secondSectionFrom = c.secondSectionFrom;
            Player p(8000, kMono16, uint32_t(c.trackBytes));
            int tick = 0;
            bool ended = false;
            while (tick++ < 60 && !(ended = p.Refill(source, loop))) p.Play(100);
            const std::string name = c.name + std::string(loop ? ", looping" : "");
            EXPECT_EQ(p.ring.TrackBytes(), c.expectedBytes) << name;
            EXPECT_EQ(ended, !loop) << name << ": ends instead of replaying the ring, or loops over what decoded";
            if (!loop) {
                EXPECT_LT(p.heard.size(), c.expectedBytes + 100) << name << ": ends at the next refill";
                EXPECT_EQ(source.rewinds, 0) << name;
            }
            const std::vector<uint8_t> good(source.track.begin(), source.track.begin() + c.expectedBytes);
            auto expected = loop ? Repeat(good, p.heard.size()) : good;
            expected.resize(p.heard.size(), 0);  // silence behind a track that ended
            EXPECT_EQ(p.heard, expected) << name;
        }
    }
}

TEST(MusicRing, CursorThatOvertookTheWrittenBytesResumesWhereItStands)
{
    PatternSource source(fixture::Ramp(50000));
    Player p(8000, kMono16, 50000);
    p.Refill(source, true);  // 2000 bytes written
    p.Play(3000);            // a late tick: 1000 stale bytes played
    EXPECT_FALSE(p.Refill(source, true));
    EXPECT_EQ(p.ring.PlayedBytes(), 2000u) << "only what was written counts as played";
    EXPECT_EQ(p.ring.UnplayedBytes(), 2000u);
    EXPECT_EQ(p.ring.WritePos(), 5000u) << "writing starts again at the cursor";
    const size_t before = p.heard.size();
    p.Play(2000);
    EXPECT_TRUE(std::equal(p.heard.begin() + static_cast<ptrdiff_t>(before), p.heard.end(), source.track.begin() + 2000));
}
