#include <gtest/gtest.h>

#include <algorithm>

#include "SoundFixtures.h"
#include "sound/core/MusicRing.h"

namespace {

constexpr uint32_t kRing = 8000;                  // four seconds of kMono16
const PcmFormat kMono16 = Pcm16Format(1, 1000);

// A ramp track delivered at most 600 bytes per answer: errors from brokenFrom on, a chained
// second stream from secondFrom on.
struct PatternSource : PcmSource {
    std::vector<uint8_t> track;
    size_t pos = 0, brokenFrom = SIZE_MAX, secondFrom = SIZE_MAX;
    int rewinds = 0;

    DecodeStep DecodeSome(uint8_t* dst, uint32_t size) override
    {
        if (pos >= brokenFrom) return {-3, 0};
        if (pos >= secondFrom) return {600, 1};
        const size_t n = std::min<size_t>({size, 600, track.size() - pos, brokenFrom - pos, secondFrom - pos});
        std::copy_n(track.begin() + ptrdiff_t(pos), n, dst);
        pos += n;
        return {int32_t(n), 0};
    }
    bool Rewind() override { return ++rewinds, pos = 0, true; }
};

// Plays the ring as a sound card would: the cursor moves on, what it passes is heard.
struct Player {
    PatternSource source;
    MusicRing ring;
    std::vector<uint8_t> memory = std::vector<uint8_t>(kRing, 0xEE), heard;
    uint32_t cursor = 0;

    explicit Player(size_t trackBytes)
    {
        source.track = fixture::Ramp(trackBytes);
        ring.Start(kRing, kMono16, uint32_t(trackBytes));
    }
    // One refill as the stream does it; true when the track ended.
    bool Refill(bool loop)
    {
        if (ring.NotePlayCursor(cursor, loop) == MusicRing::Progress::TrackEnded) return true;
        const uint32_t n = ring.WritableBytes(), at = ring.WritePos(), first = std::min(n, kRing - at);
        if (n) ring.Fill(source, &memory[at], first, first < n ? memory.data() : nullptr, n - first, loop);
        return false;
    }
    void Play(uint32_t bytes)
    {
        for (; bytes > 0; --bytes, cursor = (cursor + 1) % kRing) heard.push_back(memory[cursor]);
    }
};

}  // namespace

TEST(MusicRing, TellsAnEmptyRingFromAFullOne)
{
    Player p(100000);
    EXPECT_EQ(p.ring.WritableBytes(), 2000u) << "empty: one second";
    for (int i = 0; i < 4; ++i) p.Refill(true);
    EXPECT_EQ(std::tuple(p.ring.UnplayedBytes(), p.ring.WritePos(), p.ring.WritableBytes()), std::tuple(kRing, 0u, 0u))
        << "full: the cursors meet, nothing to write";
    p.Play(100);
    p.Refill(true);
    EXPECT_EQ(p.ring.WritableBytes(), 0u) << "less than 129 bytes of room";
    p.Play(101);
    p.ring.NotePlayCursor(p.cursor, true);
    EXPECT_EQ(p.ring.WritableBytes(), 200u) << "201 bytes of room, whole frames";
}

TEST(MusicRing, PlaysWhatDecodedOnceOrAgainAndAgainWithoutAGap)
{
    const struct {
        const char* name;
        size_t trackBytes, brokenFrom, secondFrom;
        uint32_t step;
        bool loop;
        uint32_t trackPlayed;
    } cases[] = {
        {"shorter than the ring, looping", 3000, SIZE_MAX, SIZE_MAX, 100, true, 3000},
        {"longer than the ring, looping", 19998, SIZE_MAX, SIZE_MAX, 346, true, 19998},
        {"exactly the ring, looping", kRing, SIZE_MAX, SIZE_MAX, 250, true, kRing},
        {"a track that ends", 5000, SIZE_MAX, SIZE_MAX, 130, false, 5000},
        {"decode errors for ever", 20000, 3600, SIZE_MAX, 130, false, 3600},
        {"decode errors for ever, looping", 20000, 3600, SIZE_MAX, 100, true, 3600},
        {"a second logical stream", 20000, SIZE_MAX, 4200, 130, false, 4200},
        {"a second logical stream, looping", 20000, SIZE_MAX, 4200, 100, true, 4200},
    };
    for (const auto& c : cases) {
        Player p(c.trackBytes);
        p.source.brokenFrom = c.brokenFrom, p.source.secondFrom = c.secondFrom;
        bool ended = false;
        for (int tick = 0; tick < 200 && !(ended = p.Refill(c.loop)); ++tick) p.Play(c.step);
        EXPECT_EQ(p.ring.TrackBytes(), c.trackPlayed) << c.name;
        EXPECT_EQ(ended, !c.loop) << c.name << ": a looping track goes on, one that does not ends";
        EXPECT_TRUE(c.loop ? p.source.rewinds >= 2 : p.source.rewinds == 0) << c.name << ": rewinds " << p.source.rewinds;
        EXPECT_TRUE(c.loop || p.heard.size() < c.trackPlayed + c.step) << c.name << ": ends at the next refill";
        const std::vector<uint8_t> good(p.source.track.begin(), p.source.track.begin() + c.trackPlayed);
        auto expected = good;  // what decoded, again and again or once with silence behind
        while (c.loop && expected.size() < p.heard.size()) expected.insert(expected.end(), good.begin(), good.end());
        expected.resize(p.heard.size(), 0);
        EXPECT_EQ(p.heard, expected) << c.name;
    }
}

TEST(MusicRing, CursorThatOvertookTheWrittenBytesResumesWhereItStands)
{
    Player p(50000);
    p.Refill(true);  // 2000 bytes written
    p.Play(3000);    // a late tick: 1000 stale bytes played
    EXPECT_FALSE(p.Refill(true));
    EXPECT_EQ(std::tuple(p.ring.PlayedBytes(), p.ring.UnplayedBytes(), p.ring.WritePos()), std::tuple(2000u, 2000u, 5000u))
        << "only what was written counts as played, writing starts again at the cursor";
    p.Play(2000);
    EXPECT_TRUE(std::equal(p.heard.begin() + 3000, p.heard.end(), p.source.track.begin() + 2000));
}
