#include <gtest/gtest.h>

#include "SoundTestSupport.h"
#include "sound/SoundSystem.h"

namespace {

class SoundSystemTest : public OpenDeviceTest<SoundSystem> {
protected:
    // Writes a 16-bit mono phrase of `bytes` bytes whose first byte is `salt`.
    void WritePhrase(const std::string& name, size_t bytes, uint8_t salt)
    {
        auto wave = fixture::RampWave(bytes, 16);
        wave[44] = salt;
        Write(name, wave);
    }
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
    WritePhrase("hello.wav", 441000, 1);  // 10 seconds: Wine's null device plays faster than real time
    sound.BeginLoading();
    EXPECT_EQ(sound.PlayFile("hello.wav", 0), 0);
    EXPECT_EQ(SlotOf("hello.wav"), -1) << "nothing loads while the loader thread runs";
    sound.EndLoading();
    EXPECT_EQ(sound.PlayFile("hello.wav", -500), 1);
    ASSERT_EQ(SlotOf("hello.wav"), 0);
    const VoiceSlot& v = sound.GetVoice(0);
    IDirectSoundBuffer* buffer = v.GetBuffer();
    EXPECT_TRUE(v.IsPlaying() && BufferVolume(buffer) == -500);
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

// The choice itself is tested natively; here the slots it acts on.
TEST_F(SoundSystemTest, FullCacheReusesACloseBufferOrEvictsTheOldest)
{
    Clock::UseVirtual(0, {});
    for (int i = 0; i < SoundSystem::kVoiceSlots; ++i, Clock::Advance(10)) {
        WritePhrase("p" + std::to_string(i) + ".wav", 10000, uint8_t(i));
        ASSERT_EQ(sound.PlayFile("p" + std::to_string(i) + ".wav", 0), 1) << i;
    }
    IDirectSoundBuffer* const last = sound.GetVoice(19).GetBuffer();
    WritePhrase("near.wav", 9000, 20);
    ASSERT_EQ(sound.PlayFile("near.wav", 0), 1);
    EXPECT_EQ(std::tuple(SlotOf("near.wav"), SlotOf("p19.wav"), sound.GetVoice(19).GetBuffer()), std::tuple(19, -1, last))
        << "the last slot whose buffer is at most 1024 bytes larger keeps its buffer";
    Clock::Advance(10);
    WritePhrase("far.wav", 8000, 21);
    ASSERT_EQ(sound.PlayFile("far.wav", 0), 1);
    EXPECT_EQ(SlotOf("far.wav"), 0) << "no buffer fits within 1024 bytes: the oldest slot goes";
    EXPECT_EQ(BufferSize(sound.GetVoice(0).GetBuffer()), 8000u) << "with a new buffer of its size";
}
