#include "table/RoomRecords.h"

PlayerInfo& RoomRecords::GetPlayer(int index)
{
    // Callers pass 0 or 1; anything else is our bug and the seat vector throws.
    return room.seats.players[static_cast<size_t>(index)];
}

int RoomRecords::FindSeatByKey(int32_t key) const
{
    return room.seats.FindByKey(key);
}

bool RoomRecords::IsUserSeated(int32_t key) const
{
    const int32_t k = key == -1 ? ownUser.userKey : key;
    return k != -1 && room.seats.ContainsKey(k);
}

bool RoomRecords::HasSeatWithoutUser() const
{
    for (const PlayerInfo& p : room.seats.players)
        if (p.userKey < 0) return true;
    return false;
}

bool RoomRecords::IsRobotSeat(int index) const
{
    if (!room.seats.players.IsValidIndex(index)) return false;
    const PlayerInfo& p = room.seats.players[static_cast<size_t>(index)];
    return p.seatState < 0 || p.userKey < -1;
}

bool RoomRecords::HasRobotSeat() const
{
    for (const PlayerInfo& p : room.seats.players)
        if (p.seatState < 0) return true;
    return false;
}

bool RoomRecords::IsSeatDisconnected(int index) const
{
    if (!room.seats.players.IsValidIndex(index)) return false;
    return room.seats.players[static_cast<size_t>(index)].seatState > 0;
}

bool RoomRecords::IsAntiLeaveRoom() const
{
    return ::IsAntiLeaveRoom(room.roomKind, room.option.antiLeave);
}
