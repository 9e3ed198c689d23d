#include "sound/SoundSystem.h"

#include "foundation/core/Clock.h"
#include "sound/WaveFile.h"

SoundSystem::~SoundSystem()
{
    SoundSystem::ReleaseAll();
}

int SoundSystem::PlayFile(const std::string& name, LONG volume)
{
    if (!CanPlay() || !device || name.empty()) return 0;
    const uint32_t now = Clock::NowMs();
    std::array<VoiceSlotView, kVoiceSlots> views;
    for (size_t i = 0; i < voices.size(); ++i) views[i] = voices[i].View();

    if (const int cached = FindCachedVoice(views, name); cached >= 0) {
        VoiceSlot& slot = voices[static_cast<size_t>(cached)];
        if (volume <= 0) slot.SetVolume(volume);
        slot.Play(PlayFrom::Start, 0);
        ++slot.useCount;
        slot.lastUseTime = now;
        return 10;
    }

    WaveFile wave;
    if (FAILED(wave.OpenFile(soundFolder + name)) || wave.GetSize() == 0) return 0;
    const PcmFormat& format = wave.GetPcmFormat();
    const VoiceChoice choice = ChooseVoiceSlot(views, format, wave.GetSize(), now);
    VoiceSlot& slot = voices[static_cast<size_t>(choice.slot)];
    if (!choice.keepBuffer) {
        slot.Free();
        slot.format = format;
        if (!slot.CreateBuffer(device.Get(), wave.GetSize())) return 0;
    }
    slot.name = name;
    slot.lastUseTime = now;
    slot.useCount = 0;
    if (!slot.Fill(&wave)) {
        slot.Free();  // neither the new phrase nor the old one is in it now
        return 0;
    }
    if (volume <= 0) slot.SetVolume(volume);
    slot.Play(PlayFrom::Start, 0);
    return 1;
}

void SoundSystem::SetVoiceVolumeAll(LONG volume)
{
    if (IsLoading()) return;
    for (auto& slot : voices)
        if (slot.GetBuffer()) slot.SetVolume(volume);
}

int SoundSystem::OpenMusic(const std::string& name)
{
    if (!CanPlay() || !device) return 0;
    return music.Open(device.Get(), soundFolder + name);
}

void SoundSystem::PlayMusic(int loop, LONG volume)
{
    if (!CanPlayMusic() || music.IsPlaying()) return;
    if (volume <= 0) music.SetVolume(volume);
    music.Play(loop);
}

void SoundSystem::UpdateMusic()
{
    if (CanPlayMusic() && music.IsPlaying()) music.Refill();
}

void SoundSystem::StopMusic()
{
    if (!CanPlayMusic()) return;
    music.Stop();
    music.Close();
}

void SoundSystem::RestartMusic()
{
    if (CanPlayMusic()) music.Restart();
}

int SoundSystem::SetMusicVolume(LONG volume)
{
    return CanPlayMusic() ? music.SetVolume(volume) : 0;
}

int SoundSystem::IsMusicPlaying()
{
    return CanPlayMusic() ? music.IsPlaying() : 0;
}

void SoundSystem::ReleaseAll()
{
    for (auto& slot : voices) slot.Free();
    music.Close();
    SoundMgr::ReleaseAll();
}
