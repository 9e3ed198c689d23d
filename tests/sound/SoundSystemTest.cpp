#include <gtest/gtest.h>

#include <algorithm>

#include "SoundTestSupport.h"
#include "sound/SoundSystem.h"

namespace {

// 16-bit mono 22050 Hz phrases of a given size.
std::vector<uint8_t> Phrase(size_t bytes, uint8_t salt)
{
    auto data = fixture::Ramp(bytes);
    data[0] = salt;
    return fixture::MakeWave({.bits = 16, .data = data});
}

class SoundSystemTest : public OpenDeviceTest<SoundSystem> {
protected:
    int SlotOf(const std::string& name) const
    {
        for (int i = 0; i < SoundSystem::kVoiceSlots; ++i)
            if (sound.GetVoice(i).name == name && sound.GetVoice(i).GetBuffer()) return i;
        return -1;
    }
};

}  // namespace

TEST_F(SoundSystemTest, PhrasePlaysOnceLoadedThenFromTheCacheButNotWhileLoading)
{
    Write("hello.wav", Phrase(441000, 1));  // 10 seconds: Wine's null device plays faster than real time
    sound.BeginLoading();
    EXPECT_EQ(sound.PlayFile("hello.wav", 0), 0);
    EXPECT_EQ(SlotOf("hello.wav"), -1) << "nothing loads while the loader thread runs";
    sound.EndLoading();
    EXPECT_EQ(sound.PlayFile("hello.wav", -500), 1);
    ASSERT_EQ(SlotOf("hello.wav"), 0);
    const VoiceSlot& v = sound.GetVoice(0);
    IDirectSoundBuffer* buffer = v.GetBuffer();
    EXPECT_EQ(v.IsPlaying(), 1);
    EXPECT_EQ(BufferVolume(buffer), -500);
    Clock::Sleep(100);
    const DWORD reached = PlayCursor(buffer);
    ASSERT_GT(reached, 0u);
    EXPECT_EQ(sound.PlayFile("hello.wav", 1), 10);
    EXPECT_LT(PlayCursor(buffer), reached) << "the replay starts from the beginning";
    EXPECT_EQ(std::pair(v.GetBuffer(), v.useCount), std::pair(buffer, 1)) << "the same buffer, replayed once";
    EXPECT_EQ(BufferVolume(buffer), -500) << "a volume above 0 leaves the slot's volume";

    EXPECT_EQ(sound.PlayFile("missing.wav", 0), 0);
    EXPECT_EQ(sound.GetVoice(1).GetBuffer(), nullptr) << "a missing phrase takes no slot";
    sound.SetVoiceVolumeAll(-2000);
    EXPECT_EQ(BufferVolume(buffer), -2000);
}

// The choice itself (the 7232 against 10000 example) is tested natively; here the slots it acts on.
TEST_F(SoundSystemTest, FullCacheReusesACloseBufferOrEvictsTheOldest)
{
    Clock::UseVirtual(0, {});
    for (int i = 0; i < SoundSystem::kVoiceSlots; ++i, Clock::Advance(10)) {
        Write("p" + std::to_string(i) + ".wav", Phrase(10000, uint8_t(i)));
        ASSERT_EQ(sound.PlayFile("p" + std::to_string(i) + ".wav", 0), 1) << i;
    }
    IDirectSoundBuffer* const last = sound.GetVoice(19).GetBuffer();
    Write("near.wav", Phrase(9000, 20));
    ASSERT_EQ(sound.PlayFile("near.wav", 0), 1);
    EXPECT_EQ(SlotOf("near.wav"), 19) << "the last slot whose buffer is at most 1024 bytes larger";
    EXPECT_EQ(sound.GetVoice(19).GetBuffer(), last) << "its buffer is reused";
    EXPECT_EQ(sound.GetVoice(19).GetBufferBytes(), 10000u);
    EXPECT_EQ(SlotOf("p19.wav"), -1);
    Clock::Advance(10);
    Write("far.wav", Phrase(8000, 21));
    ASSERT_EQ(sound.PlayFile("far.wav", 0), 1);
    EXPECT_EQ(SlotOf("far.wav"), 0) << "no buffer fits within 1024 bytes: the oldest slot goes";
    EXPECT_EQ(BufferSize(sound.GetVoice(0).GetBuffer()), 8000u) << "with a new buffer of its size";
}

TEST_F(SoundSystemTest, MusicThatIsNoOggStreamOrComesWhileLoadingDoesNotOpen)
{
    Write("wave.ogg", Phrase(1000, 0));  // a header pointing past the file is refused natively
    Write("m.ogg", fixture::EncodeOgg(1, 22050, 2205));
    sound.BeginLoading();
    for (const char* name : {"missing.ogg", "wave.ogg", "m.ogg"}) {
        EXPECT_EQ(sound.OpenMusic(name), 0) << name;
        sound.PlayMusic(1, 0);
        EXPECT_EQ(sound.IsMusicPlaying(), 0) << name;
    }
    sound.EndLoading();
    EXPECT_EQ(sound.OpenMusic("m.ogg"), 1);
}

namespace {

// Drives the music as the frame tick does, for at most `ms`, until `done` says so.
template <class Done>
uint32_t RunTicks(SoundSystem& sound, uint32_t ms, Done done)
{
    const uint32_t start = Clock::NowMs();
    while (Clock::NowMs() - start < ms && !done()) {
        sound.UpdateMusic();
        Clock::Sleep(50);
    }
    return Clock::NowMs() - start;
}

}  // namespace

TEST_F(SoundSystemTest, TrackThatDoesNotLoopStopsAndRewindsAtItsEnd)
{
    const auto ogg = fixture::EncodeOgg(1, 22050, 44100);  // 2 seconds
    const auto pcm = fixture::DecodeOgg(ogg);
    ASSERT_EQ(pcm.size(), 88200u);
    const std::vector<uint8_t> firstSecond(pcm.begin(), pcm.begin() + 44100);
    Write("once.ogg", ogg);
    ASSERT_EQ(sound.OpenMusic("once.ogg"), 1);
    IDirectSoundBuffer* ring = sound.GetMusic().GetBuffer();
    EXPECT_EQ(BufferSize(ring), 4u * 44100);
    EXPECT_EQ(sound.IsMusicPlaying(), 0) << "opened, not playing";
    EXPECT_EQ(BufferBytes(ring, 0, 44100), firstSecond) << "the first second is decoded at once";

    sound.PlayMusic(0, -600);
    EXPECT_EQ(sound.IsMusicPlaying(), 1);
    EXPECT_EQ(BufferVolume(ring), -600);
    // Wine's null device plays faster than real time: watch the track's progress, not the clock.
    uint32_t furthest = 0;
    const uint32_t took = RunTicks(sound, 8000, [&] {
        furthest = std::max(furthest, sound.GetMusic().GetRing().PlayedBytes());
        return !sound.IsMusicPlaying();
    });
    EXPECT_EQ(sound.IsMusicPlaying(), 0) << "still playing after " << took << " ms";
    EXPECT_GE(furthest, 88200u * 3 / 4) << "stopped well before its end";
    EXPECT_EQ(PlayCursor(ring), 0u) << "rewound";
    EXPECT_EQ(BufferBytes(ring, 0, 44100), firstSecond) << "ready to play again";

    sound.PlayMusic(0, 1);
    EXPECT_EQ(sound.IsMusicPlaying(), 1) << "plays again";
    sound.StopMusic();
    EXPECT_TRUE(!sound.IsMusicPlaying() && !sound.GetMusic().IsOpen()) << "stopped and closed";
}

// The stream behind a header, so the seek of each rewind is checked too.
TEST_F(SoundSystemTest, LoopingTrackGoesOnWithoutAGap)
{
    const auto ogg = fixture::EncodeOgg(1, 22050, 22050);  // 1 second: the 4-second ring holds it 4 times
    const auto pcm = fixture::DecodeOgg(ogg);
    std::vector<uint8_t> four;
    for (int i = 0; i < 4; ++i) four.insert(four.end(), pcm.begin(), pcm.end());
    Write("wrapped.ogg", fixture::WrapPsn(ogg, 333));
    ASSERT_EQ(sound.OpenMusic("wrapped.ogg"), 1);
    sound.PlayMusic(1, 0);
    RunTicks(sound, 1600, [] { return false; });
    EXPECT_EQ(sound.IsMusicPlaying(), 1) << "a looping track goes on";
    EXPECT_TRUE(BufferBytes(sound.GetMusic().GetBuffer(), 0, 4 * 44100) == four)
        << "the ring holds the track again and again, the wrap included";
    EXPECT_EQ(sound.SetMusicVolume(-1500), 1);
    EXPECT_EQ(sound.GetMusic().GetVolume(), -1500);
}
