#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "protocol/Records.h"
#include "protocol/RoundRecords.h"
#include "scene/core/RoomTypes.h"
#include "table/RoomState.h"
#include "table/RoomTimers.h"

// The records the room's classes share: the room and its seats, the own user, the round, the floor,
// and what the scene, the table engine and the message flows keep between messages. The scene owns
// them; the engine and the flows hold a reference.
class RoomRecords {
public:
    // Seat queries. Seats are 0 and 1; a key of -1 is the own user.
    static bool IsSeat(int seat) { return seat == 0 || seat == 1; }
    PlayerInfo& GetPlayer(int index);
    int FindSeatByKey(int32_t key) const;
    // The own user's seat, -1 when he is not seated.
    int OwnSeat() const { return FindSeatByKey(ownUser.userKey); }
    bool IsUserSeated(int32_t key = -1) const;
    bool HasSeatWithoutUser() const;
    bool IsRobotSeat(int index) const;
    bool HasRobotSeat() const;
    bool IsSeatDisconnected(int index) const;
    // The round record of seat 0 or 1.
    CHTUser& RoundUser(int seat) { return gameInfo.users[static_cast<size_t>(seat)]; }
    const CHTUser& RoundUser(int seat) const { return gameInfo.users[static_cast<size_t>(seat)]; }

    // Room queries.
    RoomState GetRoomState() const { return static_cast<RoomState>(room.roomState); }
    bool IsRoomKind20To26() const { return room.roomKind >= 20 && room.roomKind <= 26; }
    bool IsRoomKind30To32() const { return room.roomKind >= 30 && room.roomKind <= 32; }
    bool IsTournamentRoom() const { return IsRoomKind20To26() || IsRoomKind30To32(); }
    bool IsDesperateRoom() const { return room.roomKind >= 40 && room.roomKind <= 43; }
    bool IsAntiLeaveRoom() const;
    bool IsOwnTurn() const { return gameInfo.turnKey == ownUser.userKey; }

    RCRoomData room;
    RCUser ownUser;
    CGameInfo gameInfo;
    COpenInfo floor;
    TableState tableState;
    SceneOptions options;
    RoomControls controls;
    SceneEnvironment env;
    SceneTimers timers;
    EntryState entryState;
    std::vector<int32_t> markedCards;
    // One per month slot 0..11, all raised by the resets.
    std::array<bool, 12> monthSlotFlags{};
    int32_t stakeLevel = 0;  // 0..4, the room's bet for the jewel panel
    // The target-score bet the last room option notice set; none since the room entry.
    std::optional<int64_t> noticedBet;
    // The user's stored card speed while a fast room (speed class 2) forces its own.
    std::optional<int32_t> userCardSpeed;
    bool desperateRoundFinished = false;  // a target-score round ended; the next shuffle clears it
    int32_t popupTarget = -1;             // the popup menu's user, -1 closed
    int64_t lastWithdrawal = 0;           // the own user's last withdrawal from the safe
    int64_t moneyAfterWithdrawal = 0;     // and the own money after it
};
