#pragma once

#include <cstdint>

#include "protocol/RoomCodes.h"
#include "views/PanelOwner.h"
#include "views/core/NotifyTable.h"

// What the decision prompt asks of the room: the facts its notices depend on, the senders of its
// answers and its sounds. The scene implements it.
class NotifyOwner : public PanelOwner {
public:
    virtual Notify::NotifyRoom GetNotifyRoom() const = 0;
    // Sends the answer through the sender of its request; a card choice carries the card id in `a`.
    virtual void SendNotifyReply(const Notify::Reply& reply) = 0;
    // Closes the prompt after an answer (the scene also stops what it plays with it).
    virtual void HideNotify() = 0;
    virtual void PlayNotifySound(SoundId id) = 0;
    virtual void StopNotifySound(SoundId id) = 0;

protected:
    ~NotifyOwner() = default;
};
