#pragma once

#include <string>

#include "protocol/RoomCodes.h"
#include "views/PanelOwner.h"

// What the mission panels ask of the room: their sounds, the seats' screen slots and the music of
// the kungjjak mission. The scene implements it.
class MissionOwner : public PanelOwner {
public:
    virtual void PlayMissionSound(SoundId id) = 0;
    virtual void PlayMissionSoundAtVolume(SoundId id, int volume) = 0;
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
