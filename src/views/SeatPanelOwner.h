#pragma once

#include <cstdint>
#include <string>

#include "views/PanelOwner.h"

class CHTUser;

// What the seat panels ask of the room besides a panel owner's services. The scene implements it.
class SeatPanelOwner : public PanelOwner {
public:
    virtual int32_t GetRoomKind() const = 0;
    // The title of a rank index; empty for an index without one.
    virtual std::string GetRankTitle(int index) const = 0;
    // The round record of the seat the own user sits on; null when the own user has no seat.
    virtual const CHTUser* FindOwnRoundRecord() const = 0;

protected:
    ~SeatPanelOwner() = default;
};
