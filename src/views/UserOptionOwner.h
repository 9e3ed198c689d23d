#pragma once

#include <cstdint>
#include <string>

#include "views/PanelOwner.h"

// What the user option panel asks of the room: whether a round is in play (the speed cannot change
// then), a voice preview and the OK that applies the choices. The scene implements it.
class UserOptionOwner : public PanelOwner {
public:
    virtual bool IsRoundInPlay() const = 0;
    // The welcome phrase in that voice type for the own seat.
    virtual void PreviewOptionVoice(int32_t voiceType) = 0;
    virtual void OnOptionOk() = 0;
    // The name of voice 0..3 for the gender row (0 male, 1 female, else other); empty hides the voice.
    virtual std::string GetVoiceName(int32_t gender, int32_t voiceType) const = 0;

protected:
    ~UserOptionOwner() = default;
};
