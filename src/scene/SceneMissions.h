#pragma once

#include <string>

#include "views/MissionOwner.h"

class CMirelleVWS;

// The scene as the mission panels' owner: their sounds at the room's volume, the seats' screen
// slots and the room's music stream for the kungjjak mission.
class SceneMissions final : public MissionOwner {
public:
    explicit SceneMissions(CMirelleVWS& owningScene) : scene(owningScene) {}

    const std::string& GetImageRoot() const override;
    LoadErrorSink& GetLoadErrorSink() override;
    void PlayMissionSound(SoundId id) override;
    void PlayMissionSoundAtVolume(SoundId id, int volume) override;
    int ScreenSlotOfSeat(int seat) const override;
    bool OpenMusic(const std::string& name) override;
    void PlayMusic(bool loop, int volume) override;
    void SetMusicVolume(int volume) override;
    void SetLoopMusicVolume(int volume) override;

private:
    CMirelleVWS& scene;
};
