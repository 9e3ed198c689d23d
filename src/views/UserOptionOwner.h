#pragma once

#include <cstdint>
#include <string>

#include "views/PanelOwner.h"
#include "views/core/UserOptionRules.h"

// What the user option panel asks of the room: whether a round is in play (the speed cannot change
// then), a voice preview, the OK that applies the choices, the room's values and the sliders'
// volumes. The scene implements it.
class UserOptionOwner : public PanelOwner {
public:
    virtual bool IsRoundInPlay() const = 0;
    // The welcome phrase in that voice type for the own seat.
    virtual void PreviewOptionVoice(int32_t voiceType) = 0;
    virtual void OnOptionOk() = 0;
    // The name of voice 0..3 for the gender row (0 male, 1 female, else other); empty hides the voice.
    virtual std::string GetVoiceName(int32_t gender, int32_t voiceType) const = 0;
    // The room's values the information rows show.
    virtual UserOptionRules::RoomInfo GetOptionRoomInfo() const = 0;
    // A slider let go: the game volume (-5000..0) for the room's sounds, or the music's, each with
    // a sample at the new volume.
    virtual void OnGameVolumeReleased(int32_t volume) = 0;
    virtual void OnMusicVolumeReleased(int32_t volume) = 0;

protected:
    ~UserOptionOwner() = default;
};
