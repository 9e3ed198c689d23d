#include <gtest/gtest.h>

#include <tuple>

#include "FakeSound.h"
#include "SoundTestSupport.h"
#include "core/SoundFixtures.h"
#include "foundation/core/Clock.h"
#include "sound/SoundMgr.h"
#include "sound/SoundSystem.h"

namespace {

class SoundMgrTest : public OpenDeviceTest<SoundMgr> {
protected:
    SoundMgr& mgr = sound;

    void Wave(const std::string& name, uint16_t bits, const std::vector<uint8_t>& data, std::optional<uint32_t> declared = {})
    {
        Write(name, fixture::MakeWave({.bits = bits, .data = data, .dataSizeField = declared}));
    }
};

}  // namespace

TEST_F(SoundMgrTest, LoadsEachFileIntoABufferOfItsDataSize)
{
    const auto ramp = fixture::Ramp(88200);
    Wave("mono8.wav", 8, ramp);
    Wave("short8.wav", 8, fixture::Ramp(1000), 22050);
    Wave("mono16.wav", 16, ramp);
    Wave("short16.wav", 16, fixture::Ramp(1000), 2500);
    Write("stereo.ogg", fixture::EncodeOgg(2, 44100, 44100));
    auto short8 = fixture::Ramp(1000), short16 = short8;
    short8.resize(22050, 0x80);
    short16.resize(2500, 0);
    const struct {
        const char* file;
        WORD channels, align, bits;
        DWORD rate;
        std::vector<uint8_t> content;  // empty: not compared
        DWORD size;
    } cases[] = {
        {"mono8.wav", 1, 1, 8, 22050, ramp, 88200},
        {"short8.wav", 1, 1, 8, 22050, short8, 22050},  // declared longer: padded with silence
        {"mono16.wav", 1, 2, 16, 22050, ramp, 88200},
        {"short16.wav", 1, 2, 16, 22050, short16, 2500},
        {"stereo.ogg", 2, 4, 16, 44100, {}, 176400},
    };
    for (int id = 0; id < 5; ++id) {
        const auto& c = cases[id];
        ASSERT_EQ(mgr.Load(c.file, id, 0), 1) << c.file;
        IDirectSoundBuffer* b = mgr.FindSound(id)->GetBuffer();
        EXPECT_EQ(BufferSize(b), c.size) << c.file;
        const WAVEFORMATEX f = BufferFormat(b);
        EXPECT_EQ(std::vector<DWORD>({f.wFormatTag, f.nChannels, f.nBlockAlign, f.wBitsPerSample, f.nSamplesPerSec,
                                      f.nAvgBytesPerSec}),
                  std::vector<DWORD>({WAVE_FORMAT_PCM, c.channels, c.align, c.bits, c.rate, c.rate * c.align}))
            << c.file << ": tag, channels, align, bits, rate, bytes a second";
        if (!c.content.empty()) { EXPECT_EQ(BufferBytes(b, 0, c.size), c.content) << c.file; }
    }
    ASSERT_EQ(mgr.SetVolume(1, -300), 1);
    EXPECT_EQ(BufferVolume(mgr.FindSound(1)->GetBuffer()), -300);
    ASSERT_EQ(mgr.SetVolumeAll(-10000), 1);
    for (int id = 0; id < 5; ++id) EXPECT_EQ(BufferVolume(mgr.FindSound(id)->GetBuffer()), -10000) << id;
}

TEST_F(SoundMgrTest, FailedLoadRegistersNothingAndUnloadedIdsAnswerZero)
{
    Wave("mono8.wav", 8, fixture::Ramp(100));
    Write("text.ogg", std::vector<uint8_t>{'n', 'o', 't', ' ', 'a', ' ', 's', 'o', 'u', 'n', 'd'});
    Write("psn.ogg", fixture::WrapPsn(fixture::EncodeOgg(1, 8000, 800), 0));
    ASSERT_EQ(mgr.Load("mono8.wav", 7, 0), 1);
    SoundBuffer* before = mgr.FindSound(7);
    for (const char* file : {"missing.wav", "text.ogg", "psn.ogg", ""}) {  // music's header is no effect's
        EXPECT_EQ(mgr.Load(file, 3, 0), 0) << file;
        EXPECT_EQ(mgr.Load(file, 7, 0), 0) << file;
        EXPECT_EQ(mgr.FindSound(7), before) << file << ": a failed load keeps the id's sound";
        EXPECT_EQ(mgr.Play(3, Loop::Once, PlayFrom::Start) + mgr.Stop(3) + mgr.SetVolume(3, -100) + mgr.IsPlaying(3), 0) << file;
        EXPECT_EQ(mgr.GetSoundCount(), 1u) << file << ": neither a failed load nor a lookup adds an entry";
    }
}

TEST_F(SoundMgrTest, PlayRestartsOrKeepsItsPosition)
{
    Wave("mono16.wav", 16, fixture::Ramp(88200));  // 2 seconds
    ASSERT_EQ(mgr.Load("mono16.wav", 1, 0), 1);
    IDirectSoundBuffer* b = mgr.FindSound(1)->GetBuffer();
    ASSERT_EQ(mgr.Play(1, Loop::Repeat, PlayFrom::Start), 1);
    Clock::Sleep(400);
    const DWORD reached = PlayCursor(b);
    ASSERT_GT(reached, 4410u) << "the cursor moves while playing";
    ASSERT_EQ(mgr.Play(1, Loop::Repeat, PlayFrom::Position), 1);
    EXPECT_GE(PlayCursor(b), reached) << "keepPosition continues where it is";
    ASSERT_EQ(mgr.Play(1, Loop::Repeat, PlayFrom::Start), 1);
    EXPECT_LT(PlayCursor(b), reached / 2) << "restarted from the beginning";
    EXPECT_EQ(mgr.IsPlaying(1), 1);
    EXPECT_EQ(mgr.Stop(1), 1);
    EXPECT_EQ(mgr.IsPlaying(1), 0);
}

TEST_F(SoundMgrTest, WhileLoadingOrReleasedEveryOperationAnswersZeroAndTouchesNothing)
{
    Wave("mono8.wav", 8, fixture::Ramp(1000));
    ASSERT_EQ(mgr.Load("mono8.wav", 1, 0), 1);
    IDirectSoundBuffer* b = mgr.FindSound(1)->GetBuffer();
    mgr.BeginLoading();
    EXPECT_EQ(mgr.Load("mono8.wav", 2, 0), 1) << "the loader thread goes on loading";
    EXPECT_EQ(mgr.Play(1, Loop::Once, PlayFrom::Start) + mgr.SetVolume(1, -700) + mgr.SetVolumeAll(-700) + mgr.IsPlaying(1) + mgr.StopAll(), 0);
    EXPECT_NE(BufferVolume(b), -700);
    DWORD status = 0xCDCDCDCD;
    ASSERT_EQ(b->GetStatus(&status), DS_OK);
    EXPECT_EQ(status & DSBSTATUS_PLAYING, 0u);
    mgr.EndLoading();
    EXPECT_EQ(mgr.Play(1, Loop::Once, PlayFrom::Start), 1);

    mgr.ReleaseAll();
    EXPECT_EQ(std::tuple(mgr.IsDeviceReady(), mgr.GetDevice(), mgr.GetSoundCount()), std::tuple(0, static_cast<IDirectSound*>(nullptr), size_t{0}));
    EXPECT_EQ(mgr.Load("mono8.wav", 1, 0) + mgr.Play(1, Loop::Once, PlayFrom::Start) + mgr.SetVolumeAll(-100), 0) << "released";
    ASSERT_EQ(mgr.Init(GetDesktopWindow(), dir), 1);
    EXPECT_EQ(mgr.Load("mono8.wav", 1, 0), 1);
    EXPECT_EQ(mgr.Play(1, Loop::Once, PlayFrom::Start), 1) << "initialised again";
}

namespace {

// SoundSystem is the SoundMgr with the voice cache: both load paths meet the fake device.
class FakeDeviceTest : public testing::Test {
protected:
    FakeDevice device;
    std::string dir = fixture::TempFolder("fakedevice");
    SoundSystem mgr;

    void SetUp() override
    {
        fixture::WriteFile(dir + "a.wav", fixture::MakeWave({.data = fixture::Ramp(500)}));
        nextFakeDevice = &device;
        mgr.SetDeviceOpener(&OpenFakeDevice);
    }
    void TearDown() override
    {
        mgr.ReleaseAll();
        nextFakeDevice = nullptr;
    }
};

}  // namespace

TEST_F(FakeDeviceTest, DeviceThatFailsToOpenLeavesEverythingSilent)
{
    for (const bool noDevice : {true, false}) {
        const char* name = noDevice ? "no device" : "cooperative level refused";
        device.refuseCooperation = !noDevice;
        nextFakeDevice = noDevice ? nullptr : &device;
        EXPECT_EQ(mgr.Init(nullptr, dir), 0) << name;
        EXPECT_EQ(device.refs, 1u) << name << ": the refused device is released";
        EXPECT_EQ(mgr.IsDeviceReady() + mgr.Load("a.wav", 1, 0) + mgr.Play(1, Loop::Once, PlayFrom::Start) + mgr.StopAll(), 0) << name;
    }
}

TEST_F(FakeDeviceTest, ReplacedSoundsAndDevicesAreReleased)
{
    ASSERT_EQ(mgr.Init(nullptr, dir), 1);
    ASSERT_EQ(mgr.Load("a.wav", 4, 0), 1);
    ASSERT_EQ(mgr.Load("a.wav", 4, 0), 1);
    ASSERT_EQ(device.buffers.size(), 3u);  // primary and the sound twice
    EXPECT_EQ(device.buffers[1]->refs, 0u) << "an id loaded twice releases the earlier buffer";
    EXPECT_EQ(mgr.FindSound(4)->GetBuffer(), device.buffers[2].get()) << "the id keeps the later sound";
    EXPECT_EQ(mgr.GetSoundCount(), 1u);

    FakeDevice second;
    nextFakeDevice = &second;
    ASSERT_EQ(mgr.Init(nullptr, dir), 1);
    EXPECT_EQ(device.refs, 1u) << "a second Init releases the first device";
    EXPECT_EQ(device.buffers[0]->refs + device.buffers[2]->refs, 0u) << "its primary buffer and its sound too";
    EXPECT_EQ(mgr.GetSoundCount(), 0u);
    mgr.ReleaseAll();
    EXPECT_EQ(second.refs, 1u);
}

TEST_F(FakeDeviceTest, FailedFillRegistersNothingAndReleasesItsBuffer)
{
    ASSERT_EQ(mgr.Init(nullptr, dir), 1);
    device.lockFails = true;
    EXPECT_EQ(mgr.Load("a.wav", 1, 0), 0);
    EXPECT_EQ(mgr.PlayFile("a.wav", 0), 0);
    EXPECT_EQ(mgr.GetSoundCount(), 0u);
    EXPECT_TRUE(mgr.GetVoice(0).GetBuffer() == nullptr && mgr.GetVoice(0).name.empty()) << "the voice slot is free";
    ASSERT_EQ(device.buffers.size(), 3u);
    EXPECT_EQ(device.buffers[1]->refs + device.buffers[2]->refs, 0u) << "the buffers made for them are released";
    device.lockFails = false;
    ASSERT_EQ(mgr.Load("a.wav", 1, 0), 1);
    EXPECT_EQ(std::pair(device.buffers.back()->locks, device.buffers.back()->unlocks), std::pair(1, 1));
    EXPECT_EQ(mgr.PlayFile("a.wav", 0), 1);
    EXPECT_EQ(mgr.PlayFile("a.wav", 0), 10);
}

TEST(SoundBufferLost, RestoresWithBoundedRetriesBeforePlaying)
{
    Clock::UseVirtual(0, {});
    const struct {
        const char* name;
        int lostFor;
        int played, restores, restoredFlag;
        uint32_t waitedMs;
    } cases[] = {
        {"not lost", 0, 1, 0, 0, 0},
        {"given back after three refusals", 3, 1, 4, 1, 30},
        {"held elsewhere for ever", -1, 0, SoundBuffer::kMaxRestoreTries, 0, 10 * SoundBuffer::kMaxRestoreTries},
    };
    for (const auto& c : cases) {
        FakeBuffer fake(100);
        fake.lostFor = c.lostFor;
        fake.AddRef();  // one reference for the sound, one kept here
        SoundBuffer sound(&fake, 100);
        const uint32_t start = Clock::NowMs();
        EXPECT_EQ(sound.Play(PlayFrom::Start, 0), c.played) << c.name;
        EXPECT_EQ(std::pair(fake.plays, fake.restores), std::pair(c.played, c.restores)) << c.name << ": plays, restores";
        EXPECT_EQ(Clock::NowMs() - start, c.waitedMs) << c.name;
        fake.lostFor = c.lostFor;
        int restored = -1;
        SoundBuffer::Restore(&fake, &restored);
        EXPECT_EQ(restored, c.restoredFlag) << c.name;
    }
    Clock::UseReal();
}
