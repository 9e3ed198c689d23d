#pragma once

#include <array>
#include <string>

#include "sound/MusicStream.h"
#include "sound/SoundMgr.h"
#include "sound/VoiceSlot.h"

// The game's sound object: the effects by id, a cache of spoken phrases played by file name and
// the streamed music. Nothing here plays unless the device is ready and sound is on.
class SoundSystem : public SoundMgr {
public:
    static constexpr int kVoiceSlots = 20;

    SoundSystem() = default;
    ~SoundSystem() override;

    // Plays a phrase through the cache: 10 when a cached slot was replayed, 1 when the file was
    // loaded and played, 0 on failure. A volume above 0 leaves the slot's volume alone.
    int PlayFile(const std::string& name, LONG volume);
    void SetVoiceVolumeAll(LONG volume);

    int OpenMusic(const std::string& name);
    void PlayMusic(int loop, LONG volume);
    // From the frame tick: tops up the music ring while it plays.
    void UpdateMusic();
    void StopMusic();
    void RestartMusic();
    int SetMusicVolume(LONG volume);
    int IsMusicPlaying();

    void ReleaseAll() override;

    const VoiceSlot& GetVoice(int slot) const { return voices[static_cast<size_t>(slot)]; }
    const MusicStream& GetMusic() const { return music; }

private:
    bool CanPlayMusic() const { return CanPlay() && music.IsOpen(); }

    std::array<VoiceSlot, kVoiceSlots> voices;
    MusicStream music;
};
