#include "scene/CMirelleVWS.h"

PlayerInfo& CMirelleVWS::GetPlayer(int index)
{
    // Callers pass 0 or 1; anything else is our bug and the seat vector throws.
    return room.seats.players[static_cast<size_t>(index)];
}

int CMirelleVWS::FindSeatByKey(int32_t key) const
{
    return room.seats.FindByKey(key);
}

bool CMirelleVWS::IsUserSeated(int32_t key) const
{
    const int32_t k = key == -1 ? ownUser.userKey : key;
    return k != -1 && room.seats.ContainsKey(k);
}

bool CMirelleVWS::HasSeatWithoutUser() const
{
    for (const PlayerInfo& p : room.seats.players)
        if (p.userKey < 0) return true;
    return false;
}

bool CMirelleVWS::IsRobotSeat(int index) const
{
    if (!room.seats.players.IsValidIndex(index)) return false;
    const PlayerInfo& p = room.seats.players[static_cast<size_t>(index)];
    return p.seatState < 0 || p.userKey < -1;
}

bool CMirelleVWS::HasRobotSeat() const
{
    for (const PlayerInfo& p : room.seats.players)
        if (p.seatState < 0) return true;
    return false;
}

bool CMirelleVWS::IsSeatDisconnected(int index) const
{
    if (!room.seats.players.IsValidIndex(index)) return false;
    return room.seats.players[static_cast<size_t>(index)].seatState > 0;
}

bool CMirelleVWS::IsAntiLeaveRoom() const
{
    return room.roomKind >= 8 && room.roomKind <= 10 && room.option.antiLeave >= 1 && room.option.antiLeave <= 3;
}
