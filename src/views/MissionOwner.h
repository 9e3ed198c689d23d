#pragma once

#include <string>

#include "views/PanelOwner.h"

// The sounds the mission and target-score panels play, by the room's sound ids.
enum class MissionSound : int {
    Click = 20,
    Open = 28,
    KungJJakAppear = 47,
    CoinSuccess = 51,
    CoinFail = 52,
    CardTaken = 56,
    Reveal = 85,
    Gauge = 101,
};

// What the mission panels ask of the room: their sounds, the seats' screen slots and the music of
// the kungjjak mission. The scene implements it.
class MissionOwner : public PanelOwner {
public:
    virtual void PlayMissionSound(MissionSound id) = 0;
    virtual void PlayMissionSoundAtVolume(MissionSound id, int volume) = 0;
    // The seat's screen slot (0 the own side, 1 the opposite); -1 for a seat without one.
    virtual int ScreenSlotOfSeat(int seat) const = 0;
    // The room's music stream: opens `name` from the sound folder; false when it cannot.
    virtual bool OpenMusic(const std::string& name) = 0;
    virtual void PlayMusic(bool loop, int volume) = 0;
    virtual void SetMusicVolume(int volume) = 0;
    // The 3-go and chamgi music, when playing, take the volume.
    virtual void SetLoopMusicVolume(int volume) = 0;

protected:
    ~MissionOwner() = default;
};
