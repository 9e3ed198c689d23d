#include <gtest/gtest.h>

#include <tuple>

#include "SoundTestSupport.h"
#include "sound/SoundMgr.h"
#include "sound/SoundSystem.h"

using SoundMgrTest = OpenDeviceTest<SoundMgr>;

TEST_F(SoundMgrTest, LoadsEachFileIntoABufferOfItsDeclaredSizeWithSilenceBehind)
{
    const auto ogg = fixture::EncodeOgg(2, 44100, 44100);
    Write("short8.wav", fixture::RampWave(1000, 8, 22050));
    Write("short16.wav", fixture::RampWave(1000, 16, 2500));
    Write("stereo.ogg", ogg);
    auto short8 = fixture::Ramp(1000), short16 = short8;
    short8.resize(22050, 0x80), short16.resize(2500, 0);
    const struct {
        const char* file;
        std::vector<DWORD> format;  // tag, channels, align, bits, rate, bytes a second
        std::vector<uint8_t> content;
    } cases[] = {
        {"short8.wav", {1, 1, 1, 8, 22050, 22050}, short8},
        {"short16.wav", {1, 1, 2, 16, 22050, 44100}, short16},
        {"stereo.ogg", {1, 2, 4, 16, 44100, 176400}, fixture::DecodeOgg(ogg)},
    };
    for (int id = 0; id < 3; ++id) {
        const auto& c = cases[id];
        ASSERT_EQ(sound.Load(c.file, id, 0), 1) << c.file;
        IDirectSoundBuffer* b = sound.FindSound(id)->GetBuffer();
        WAVEFORMATEX f{};
        b->GetFormat(&f, sizeof f, nullptr);
        EXPECT_EQ(std::vector<DWORD>({f.wFormatTag, f.nChannels, f.nBlockAlign, f.wBitsPerSample, f.nSamplesPerSec,
                                      f.nAvgBytesPerSec}), c.format) << c.file;
        EXPECT_EQ(BufferSize(b), c.content.size()) << c.file;
        EXPECT_EQ(BufferBytes(b, 0, DWORD(c.content.size())), c.content) << c.file;
    }
    IDirectSoundBuffer* replaced = sound.FindSound(0)->GetBuffer();
    replaced->AddRef();
    ASSERT_EQ(sound.Load("short16.wav", 0, 0), 1);
    EXPECT_EQ(replaced->Release(), 0u) << "an id loaded again releases its earlier buffer";
    EXPECT_EQ(std::pair(BufferSize(sound.FindSound(0)->GetBuffer()), sound.GetSoundCount()), std::pair(DWORD{2500}, size_t{3}));
    ASSERT_EQ(sound.SetVolume(1, -300), 1);
    EXPECT_EQ(BufferVolume(sound.FindSound(1)->GetBuffer()), -300);
    ASSERT_EQ(sound.SetVolumeAll(-10000), 1);
    for (int id = 0; id < 3; ++id) EXPECT_EQ(BufferVolume(sound.FindSound(id)->GetBuffer()), -10000) << id;
}

TEST_F(SoundMgrTest, FailedLoadRegistersNothingAndUnloadedIdsAnswerZero)
{
    Write("mono8.wav", fixture::RampWave(100));
    Write("text.ogg", std::vector<uint8_t>{'n', 'o', 't', ' ', 'a', ' ', 's', 'o', 'u', 'n', 'd'});
    Write("psn.ogg", fixture::WrapPsn(fixture::EncodeOgg(1, 8000, 800), 0));
    ASSERT_EQ(sound.Load("mono8.wav", 7, 0), 1);
    SoundBuffer* before = sound.FindSound(7);
    for (const char* file : {"missing.wav", "text.ogg", "psn.ogg", ""}) {  // music's header is no effect's
        EXPECT_EQ(sound.Load(file, 3, 0) + sound.Load(file, 7, 0), 0) << file;
        EXPECT_EQ(sound.FindSound(7), before) << file << ": a failed load keeps the id's sound";
        EXPECT_EQ(sound.Play(3, Loop::Once) + sound.Stop(3) + sound.SetVolume(3, -100) + sound.IsPlaying(3), 0) << file;
        EXPECT_EQ(sound.GetSoundCount(), 1u) << file << ": neither a failed load nor a lookup adds an entry";
    }
}

TEST_F(SoundMgrTest, WhileLoadingOrReleasedEveryOperationAnswersZeroAndTouchesNothing)
{
    Write("mono8.wav", fixture::RampWave(1000));
    ASSERT_EQ(sound.Load("mono8.wav", 1, 0), 1);
    IDirectSoundBuffer* b = sound.FindSound(1)->GetBuffer();
    sound.BeginLoading();
    EXPECT_EQ(sound.Load("mono8.wav", 2, 0), 1) << "the loader thread goes on loading";
    EXPECT_EQ(sound.Play(1, Loop::Once) + sound.SetVolume(1, -700) + sound.SetVolumeAll(-700) + sound.IsPlaying(1) +
                  sound.StopAll(), 0);
    DWORD status = 0xCDCDCDCD;
    EXPECT_TRUE(BufferVolume(b) != -700 && b->GetStatus(&status) == DS_OK && !(status & DSBSTATUS_PLAYING));
    sound.EndLoading();
    EXPECT_EQ(sound.Play(1, Loop::Once), 1);

    IDirectSound* device = sound.GetDevice();
    device->AddRef(), b->AddRef();
    sound.ReleaseAll();
    EXPECT_EQ(b->Release(), 0ul) << "the sounds are released";
    EXPECT_EQ(device->Release(), 0ul) << "the device is released";
    EXPECT_EQ(std::tuple(sound.IsDeviceReady(), sound.GetDevice(), sound.GetSoundCount()), std::tuple(0, nullptr, 0u));
    EXPECT_EQ(sound.Load("mono8.wav", 1, 0) + sound.Play(1, Loop::Once) + sound.SetVolumeAll(-100), 0) << "released";
    ASSERT_EQ(sound.Init(GetDesktopWindow(), dir), 1);
    device = sound.GetDevice();
    device->AddRef();
    ASSERT_EQ(sound.Init(GetDesktopWindow(), dir), 1);
    EXPECT_EQ(device->Release(), 0ul) << "a second Init releases the first device";
    ASSERT_EQ(sound.Load("mono8.wav", 1, 0), 1);
    EXPECT_EQ(sound.Play(1, Loop::Once), 1) << "initialised again";
}

TEST(SoundMgr, NoDeviceLeavesEverythingSilent)
{
    const std::string dir = fixture::TempFolder("nodevice");
    fixture::WriteFile(dir + "a.wav", fixture::RampWave(500));
    SoundSystem sound;
    sound.SetDeviceOpener([](IDirectSound** device) { return *device = nullptr, HRESULT{DSERR_NODRIVER}; });
    EXPECT_EQ(sound.Init(nullptr, dir), 0);
    EXPECT_EQ(sound.IsDeviceReady() + sound.Load("a.wav", 1, 0) + sound.Play(1, Loop::Once) + sound.StopAll() +
                  sound.PlayFile("a.wav", 0) + sound.OpenMusic("a.wav"), 0);
}

namespace {

// A buffer another program holds: Restore answers DSERR_BUFFERLOST `lostFor` times (-1: for ever).
struct LostBuffer : IDirectSoundBuffer {
    int lostFor = 0, restores = 0, plays = 0;

#define STUB(name, ...) HRESULT STDMETHODCALLTYPE name(__VA_ARGS__) override { return DS_OK; }
    STUB(QueryInterface, REFIID, void**) STUB(GetCaps, LPDSBCAPS) STUB(GetCurrentPosition, LPDWORD, LPDWORD)
    STUB(GetFormat, LPWAVEFORMATEX, DWORD, LPDWORD) STUB(GetVolume, LPLONG) STUB(GetPan, LPLONG)
    STUB(GetFrequency, LPDWORD) STUB(Initialize, LPDIRECTSOUND, LPCDSBUFFERDESC) STUB(SetCurrentPosition, DWORD)
    STUB(Lock, DWORD, DWORD, LPVOID*, LPDWORD, LPVOID*, LPDWORD, DWORD) STUB(Unlock, LPVOID, DWORD, LPVOID, DWORD)
    STUB(SetFormat, LPCWAVEFORMATEX) STUB(SetVolume, LONG) STUB(SetPan, LONG) STUB(SetFrequency, DWORD) STUB(Stop)
#undef STUB
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetStatus(LPDWORD status) override
    {
        *status = lostFor ? DSBSTATUS_BUFFERLOST : 0;
        return DS_OK;
    }
    HRESULT STDMETHODCALLTYPE Play(DWORD, DWORD, DWORD) override { return ++plays, DS_OK; }
    HRESULT STDMETHODCALLTYPE Restore() override
    {
        ++restores;
        if (lostFor == 0) return DS_OK;
        if (lostFor > 0) --lostFor;
        return DSERR_BUFFERLOST;
    }
};

}  // namespace

TEST(SoundBuffer, LostBufferIsRestoredWithBoundedRetriesBeforePlaying)
{
    Clock::UseVirtual(0, {});
    const struct {
        const char* name;
        int lostFor, plays, restores;
        uint32_t waitedMs;
    } cases[] = {
        {"given back after three refusals", 3, 1, 4, 30},
        {"held elsewhere for ever", -1, 0, SoundBuffer::kMaxRestoreTries, 10 * SoundBuffer::kMaxRestoreTries},
    };
    for (const auto& c : cases) {
        LostBuffer fake;
        fake.lostFor = c.lostFor;
        SoundBuffer buffer(&fake, 100);
        const uint32_t start = Clock::NowMs();
        EXPECT_EQ(buffer.Play(PlayFrom::Start, 0), c.plays) << c.name;
        EXPECT_EQ(std::tuple(fake.plays, fake.restores, Clock::NowMs() - start), std::tuple(c.plays, c.restores, c.waitedMs))
            << c.name << ": plays, restores, milliseconds waited";
    }
    Clock::UseReal();
}
