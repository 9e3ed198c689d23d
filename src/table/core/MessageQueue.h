#pragma once

#include <cstdint>
#include <list>

#include "protocol/GameMessage.h"

// The scene's queue of received messages. Each queued message owns its body.
class CPayloadMgr {
public:
    virtual ~CPayloadMgr() = default;

    // Destroys every queued message without handling it.
    void ClearQueue() { messages.clear(); }
    void Clear()
    {
        ClearQueue();
        busy = 0;
    }

    // Appends a deep copy of `message`.
    void Append(const GameMessage& message) { messages.push_back(CopyGameMessage(message)); }
    bool IsEmpty() const { return messages.empty(); }
    // The oldest message; the queue must not be empty.
    GameMessage& Front() { return messages.front(); }
    // Unlinks and destroys the oldest message; nothing when the queue is empty.
    void RemoveFront()
    {
        if (!messages.empty()) messages.pop_front();
    }

    std::list<GameMessage> messages;
    int32_t busy = 0;
};
