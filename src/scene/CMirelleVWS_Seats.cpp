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

int CMirelleVWS::IsUserSeated(int32_t key) const
{
    const int32_t k = key == -1 ? ownUser.userKey : key;
    if (k == -1) return 0;
    return room.seats.ContainsKey(k) ? 1 : 0;
}

int CMirelleVWS::HasSeatWithoutUser() const
{
    for (const PlayerInfo& p : room.seats.players)
        if (p.userKey < 0) return 1;
    return 0;
}

int CMirelleVWS::IsRobotSeat(int index) const
{
    if (!room.seats.players.IsValidIndex(index)) return 0;
    const PlayerInfo& p = room.seats.players[static_cast<size_t>(index)];
    return p.seatState < 0 || p.userKey < -1 ? 1 : 0;
}

int CMirelleVWS::HasRobotSeat() const
{
    for (const PlayerInfo& p : room.seats.players)
        if (p.seatState < 0) return 1;
    return 0;
}

int CMirelleVWS::IsSeatDisconnected(int index) const
{
    if (!room.seats.players.IsValidIndex(index)) return 0;
    return room.seats.players[static_cast<size_t>(index)].seatState > 0 ? 1 : 0;
}

bool CMirelleVWS::IsAntiLeaveRoom() const
{
    return room.roomKind >= 8 && room.roomKind <= 10 && room.option.antiLeave >= 1 && room.option.antiLeave <= 3;
}

void CMirelleVWS::SetAutoPlay(int on)
{
    autoPlay = on ? 1 : 0;
    // A running decision restarts with the seconds of the new mode.
    if (phaseTimerKind) StartPhaseTimer(phaseTimerKind);
    // FIXME: the auto-play button's image set and its chat line arrive with the room's user-interface controller.
}
