#pragma once

#include <cstdint>

#include "views/MissionOwner.h"
#include "views/PanelOwner.h"

// What the target-score panel asks of the room: the room's kind, its sounds and the give-up. The
// scene implements it.
class TargetScoreOwner : public PanelOwner {
public:
    virtual int32_t GetRoomKind() const = 0;
    virtual void PlayTargetScoreSound(SoundId id) = 0;
    // Whether the own user sits at the table.
    virtual bool IsOwnUserSeated() const = 0;
    // The give-up button's click: asks the user, then tells the server.
    virtual void RequestGiveUp() = 0;

protected:
    ~TargetScoreOwner() = default;
};
