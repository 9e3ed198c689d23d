#include <gtest/gtest.h>

#include <cstring>

#include "FakeSound.h"
#include "SoundTestSupport.h"
#include "core/SoundFixtures.h"
#include "foundation/core/Clock.h"
#include "sound/SoundMgr.h"
#include "sound/WaveFile.h"

namespace {

class SoundMgrTest : public testing::Test {
protected:
    std::string dir = fixture::TempFolder("soundmgr");
    SoundMgr mgr;
    std::vector<uint8_t> mono8 = fixture::Ramp(22050);
    std::vector<uint8_t> mono16 = fixture::Ramp(88200);

    void SetUp() override
    {
        std::string why;
        if (!HasSoundDevice(why)) GTEST_SKIP() << why;
        Wave("mono8.wav", 8, mono8);
        Wave("short8.wav", 8, fixture::Ramp(1000), 22050);
        Wave("mono16.wav", 16, mono16);
        fixture::WriteFile(dir + "stereo.ogg", fixture::EncodeOgg(2, 44100, 44100));
        fixture::WriteFile(dir + "psn.ogg", fixture::WrapPsn(fixture::EncodeOgg(1, 8000, 800), 0));
        fixture::WriteFile(dir + "text.ogg", {'n', 'o', 't', ' ', 'a', ' ', 's', 'o', 'u', 'n', 'd'});
        auto avi = fixture::MakeWave({});
        std::memcpy(avi.data() + 8, "AVI ", 4);
        fixture::WriteFile(dir + "avi.wav", avi);
        ASSERT_EQ(mgr.Init(GetDesktopWindow(), dir), 1);
    }
    void Wave(const std::string& name, uint16_t bits, const std::vector<uint8_t>& data, std::optional<uint32_t> declared = {})
    {
        fixture::WaveSpec spec;
        spec.bits = bits, spec.data = data, spec.dataSizeField = declared;
        fixture::WriteFile(dir + name, fixture::MakeWave(spec));
    }
};

}  // namespace

TEST_F(SoundMgrTest, LoadsEachFileIntoABufferOfItsDataSize)
{
    std::vector<uint8_t> shortExpected = fixture::Ramp(1000);
    shortExpected.resize(22050, 0x80);
    const struct {
        const char* name;
        const char* file;
        DWORD size;
        WORD channels, align, bits;
        DWORD rate;
        std::vector<uint8_t> content;  // empty: not compared
    } cases[] = {
        {"1 s of 8-bit mono", "mono8.wav", 22050, 1, 1, 8, 22050, mono8},
        {"short file padded with 0x80", "short8.wav", 22050, 1, 1, 8, 22050, shortExpected},
        {"16-bit mono", "mono16.wav", 88200, 1, 2, 16, 22050, mono16},
        {"1 s of stereo Ogg", "stereo.ogg", 176400, 2, 4, 16, 44100, {}},
    };
    int id = 0;
    for (const auto& c : cases) {
        ASSERT_EQ(mgr.Load(c.file, id, 0), 1) << c.name;
        SoundBuffer* sound = mgr.FindSound(id++);
        ASSERT_NE(sound, nullptr) << c.name;
        EXPECT_EQ(BufferSize(sound->GetBuffer()), c.size) << c.name;
        const WAVEFORMATEX f = BufferFormat(sound->GetBuffer());
        EXPECT_EQ(std::vector<DWORD>({f.wFormatTag, f.nChannels, f.nBlockAlign, f.wBitsPerSample, f.nSamplesPerSec,
                                      f.nAvgBytesPerSec}),
                  std::vector<DWORD>({WAVE_FORMAT_PCM, c.channels, c.align, c.bits, c.rate, c.rate * c.align}))
            << c.name << ": tag, channels, align, bits, rate, bytes a second";
        if (!c.content.empty()) { EXPECT_EQ(BufferBytes(sound->GetBuffer(), 0, c.size), c.content) << c.name; }
    }
    EXPECT_EQ(mgr.GetSoundCount(), 4u);
}

TEST_F(SoundMgrTest, FailedLoadRegistersNothingAndUnloadedIdsAnswerZero)
{
    ASSERT_EQ(mgr.Load("mono8.wav", 7, 0), 1);
    SoundBuffer* before = mgr.FindSound(7);
    const struct {
        const char* name;
        const char* file;
    } cases[] = {
        {"missing file", "missing.wav"},
        {"RIFF that is not WAVE", "avi.wav"},
        {"neither WAVE nor Ogg", "text.ogg"},
        {"music behind a psn header", "psn.ogg"},
        {"empty name", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(mgr.Load(c.file, 3, 0), 0) << c.name;
        EXPECT_EQ(mgr.Load(c.file, 7, 0), 0) << c.name;
        EXPECT_EQ(mgr.FindSound(7), before) << c.name << ": a failed load keeps the id's sound";
        EXPECT_EQ(mgr.Play(3, Loop::Once, PlayFrom::Start) + mgr.Stop(3) + mgr.SetVolume(3, -100) + mgr.IsPlaying(3), 0) << c.name;
        EXPECT_EQ(mgr.FindSound(3), nullptr) << c.name;
        EXPECT_EQ(mgr.GetSoundCount(), 1u) << c.name << ": a lookup adds no entry";
    }
}

TEST_F(SoundMgrTest, PlayRestartsOrKeepsItsPosition)
{
    ASSERT_EQ(mgr.Load("mono16.wav", 1, 0), 1);  // 2 seconds
    IDirectSoundBuffer* b = mgr.FindSound(1)->GetBuffer();
    ASSERT_EQ(mgr.Play(1, Loop::Repeat, PlayFrom::Start), 1);
    EXPECT_EQ(mgr.IsPlaying(1), 1);
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

TEST_F(SoundMgrTest, SetVolumeAllReachesEverySound)
{
    for (int id = 0; id < 3; ++id) ASSERT_EQ(mgr.Load("mono8.wav", id, 0), 1);
    ASSERT_EQ(mgr.SetVolume(1, -300), 1);
    EXPECT_EQ(BufferVolume(mgr.FindSound(1)->GetBuffer()), -300);
    ASSERT_EQ(mgr.SetVolumeAll(-10000), 1);
    for (int id = 0; id < 3; ++id) EXPECT_EQ(BufferVolume(mgr.FindSound(id)->GetBuffer()), -10000) << id;
}

TEST_F(SoundMgrTest, ReleasedManagerPlaysNothingUntilInitialisedAgain)
{
    ASSERT_EQ(mgr.Load("mono8.wav", 1, 0), 1);
    mgr.ReleaseAll();
    EXPECT_EQ(mgr.IsDeviceReady(), 0);
    EXPECT_EQ(mgr.GetDevice(), nullptr);
    EXPECT_EQ(mgr.GetSoundCount(), 0u);
    EXPECT_EQ(mgr.Load("mono8.wav", 1, 0), 0);
    EXPECT_EQ(mgr.Play(1, Loop::Once, PlayFrom::Start), 0);
    EXPECT_EQ(mgr.SetVolumeAll(-100), 0);
    ASSERT_EQ(mgr.Init(GetDesktopWindow(), dir), 1);
    EXPECT_EQ(mgr.Load("mono8.wav", 1, 0), 1);
    EXPECT_EQ(mgr.Play(1, Loop::Once, PlayFrom::Start), 1);
}

TEST_F(SoundMgrTest, WhileLoadingEveryOperationAnswersZeroAndTouchesNothing)
{
    ASSERT_EQ(mgr.Load("mono16.wav", 1, 0), 1);
    IDirectSoundBuffer* b = mgr.FindSound(1)->GetBuffer();
    mgr.BeginLoading();
    EXPECT_EQ(mgr.Load("mono8.wav", 2, 0), 1) << "the loader thread goes on loading";
    EXPECT_EQ(mgr.Play(1, Loop::Once, PlayFrom::Start), 0);
    EXPECT_EQ(mgr.SetVolume(1, -700), 0);
    EXPECT_EQ(mgr.SetVolumeAll(-700), 0);
    EXPECT_EQ(mgr.IsPlaying(1), 0);
    EXPECT_EQ(mgr.StopAll(), 0);
    EXPECT_NE(BufferVolume(b), -700);
    DWORD status = 0xCDCDCDCD;
    ASSERT_EQ(b->GetStatus(&status), DS_OK);
    EXPECT_EQ(status & DSBSTATUS_PLAYING, 0u);
    mgr.EndLoading();
    EXPECT_EQ(mgr.Play(1, Loop::Once, PlayFrom::Start), 1);
    EXPECT_EQ(mgr.IsPlaying(1), 1);
}

// 8-bit padding with 0x80 is checked through Load above.
TEST_F(SoundMgrTest, FillRepeatsTheSoundOrPadsWithSilence)
{
    const std::vector<uint8_t> data = fixture::Ramp(1000);
    const struct {
        const char* name;
        uint16_t bits;
        int repeat;
        std::vector<uint8_t> expected;
    } cases[] = {
        {"16-bit padded with 0", 16, 0, [&] { auto v = data; v.resize(2500, 0); return v; }()},
        {"repeated to fill", 8, 1, [&] { auto v = data; v.insert(v.end(), data.begin(), data.end());
                                         v.insert(v.end(), data.begin(), data.begin() + 500); return v; }()},
    };
    for (const auto& c : cases) {
        Wave("fill.wav", c.bits, data);
        WaveFile wave;
        ASSERT_EQ(wave.OpenFile(dir + "fill.wav"), S_OK) << c.name;
        ComRef<IDirectSoundBuffer> b;
        ASSERT_EQ(CreateSecondaryBuffer(mgr.GetDevice(), wave.GetFormat(), 2500, kEffectBufferFlags, b), DS_OK);
        SoundBuffer sound(b.Detach(), 2500);
        ASSERT_EQ(sound.FillFromWave(c.repeat, &wave), 1) << c.name;
        EXPECT_EQ(BufferBytes(sound.GetBuffer(), 0, 2500), c.expected) << c.name;
    }
}

namespace {

class FakeDeviceTest : public testing::Test {
protected:
    FakeDevice device;
    std::string dir = fixture::TempFolder("fakedevice");
    SoundMgr mgr;

    void SetUp() override
    {
        fixture::WaveSpec spec;
        spec.data = fixture::Ramp(500);
        fixture::WriteFile(dir + "a.wav", fixture::MakeWave(spec));
        nextFakeDevice = &device;
        mgr.SetDeviceOpener(&OpenFakeDevice);
    }
    void TearDown() override
    {
        mgr.ReleaseAll();
        nextFakeDevice = nullptr;
        Clock::UseReal();
    }
};

}  // namespace

TEST_F(FakeDeviceTest, DeviceThatFailsToOpenLeavesEverythingSilent)
{
    const struct {
        const char* name;
        bool noDevice, refuseCooperation;
    } cases[] = {
        {"no device", true, false},
        {"cooperative level refused", false, true},
    };
    for (const auto& c : cases) {
        device.refuseCooperation = c.refuseCooperation;
        nextFakeDevice = c.noDevice ? nullptr : &device;
        EXPECT_EQ(mgr.Init(nullptr, dir), 0) << c.name;
        EXPECT_EQ(mgr.IsDeviceReady(), 0) << c.name;
        EXPECT_EQ(device.refs, 1u) << c.name << ": the refused device is released";
        EXPECT_EQ(mgr.Load("a.wav", 1, 0), 0) << c.name;
        EXPECT_EQ(mgr.Play(1, Loop::Once, PlayFrom::Start), 0) << c.name;
        EXPECT_EQ(mgr.StopAll(), 0) << c.name;
    }
}

TEST_F(FakeDeviceTest, SecondInitReleasesTheFirstDeviceAndItsSounds)
{
    ASSERT_EQ(mgr.Init(nullptr, dir), 1);
    ASSERT_EQ(mgr.Load("a.wav", 1, 0), 1);
    ASSERT_EQ(device.buffers.size(), 2u);  // primary and the sound
    FakeDevice second;
    nextFakeDevice = &second;
    ASSERT_EQ(mgr.Init(nullptr, dir), 1);
    EXPECT_EQ(device.refs, 1u) << "the first device is released";
    EXPECT_EQ(device.buffers[0]->refs, 0u) << "its primary buffer too";
    EXPECT_EQ(device.buffers[1]->refs, 0u) << "and its sound";
    EXPECT_EQ(mgr.GetSoundCount(), 0u);
    EXPECT_EQ(second.refs, 2u);
    mgr.ReleaseAll();
    EXPECT_EQ(second.refs, 1u);
}

TEST_F(FakeDeviceTest, IdLoadedTwiceDeletesTheEarlierSound)
{
    ASSERT_EQ(mgr.Init(nullptr, dir), 1);
    ASSERT_EQ(mgr.Load("a.wav", 4, 0), 1);
    ASSERT_EQ(mgr.Load("a.wav", 4, 0), 1);
    ASSERT_EQ(device.buffers.size(), 3u);
    EXPECT_EQ(device.buffers[1]->refs, 0u) << "the earlier buffer is released";
    EXPECT_EQ(device.buffers[2]->refs, 1u);
    EXPECT_EQ(mgr.GetSoundCount(), 1u);
    EXPECT_EQ(mgr.FindSound(4)->GetBuffer(), device.buffers[2].get()) << "the id keeps the later sound";
}

TEST_F(FakeDeviceTest, FailedFillRegistersNothingAndUnlocksWhatItLocked)
{
    ASSERT_EQ(mgr.Init(nullptr, dir), 1);
    device.lockFails = true;
    EXPECT_EQ(mgr.Load("a.wav", 1, 0), 0);
    EXPECT_EQ(mgr.GetSoundCount(), 0u);
    EXPECT_EQ(device.buffers.back()->refs, 0u) << "the buffer made for it is released";
    device.lockFails = false;
    ASSERT_EQ(mgr.Load("a.wav", 1, 0), 1);
    EXPECT_EQ(device.buffers.back()->locks, 1);
    EXPECT_EQ(device.buffers.back()->unlocks, 1);
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
        EXPECT_EQ(fake.plays, c.played) << c.name;
        EXPECT_EQ(fake.restores, c.restores) << c.name;
        EXPECT_EQ(Clock::NowMs() - start, c.waitedMs) << c.name;
        fake.lostFor = c.lostFor;
        fake.restores = 0;
        int restored = -1;
        SoundBuffer::Restore(&fake, &restored);
        EXPECT_EQ(restored, c.restoredFlag) << c.name;
    }
    Clock::UseReal();
}
