#pragma once

#include <optional>

#include "table/flows/FlowBase.h"

namespace EntryRules {
struct ResultPlan;
}

// Room entry and seating: the room's answer, the seat answer, users leaving, the own and the room's records, and the entry result box.
class EntryFlow final : FlowBase {
public:
    using FlowBase::FlowBase;

    // Handlers, with the message id.
    void OnRoomEnterAnswer(const RoomEnterAnswer& body);  // 1
    void OnJoinGameAnswer(const JoinGameAnswer& body);  // 5
    void OnPlayerLeave(const PlayerLeave& body);  // 6
    void OnUserAvatarString(const UserAvatarString& body);  // 11
    void OnRoomInfoUpdate(const RoomInfoUpdate& body);  // 14
    void OnMyUserInfo(const MyUserInfo& body);  // 65

    // 1 when a seat held the key and was cleared, else 0.
    int ClearPlayerSeat(int32_t key);
    // Host request 62, kept and passed to the server with request 36.
    void PassHostTextToServer();
    // Avatars are fetched from the host only when a seat changes hands or slots: entry, seating,
    // players entering or leaving, a watcher's seat rotation.
    enum class Avatar { Keep, Fetch };
    void RefreshBothSeats(Avatar avatar = Avatar::Keep);
    // The seat's player panel from its record (no screen slot: nothing), with its avatar fetched again or kept.
    void RefreshSeatInfo(int seat, Avatar avatar = Avatar::Keep);
    // The box, the host's notices and the follow-up of a room-entry or exit result.
    void ShowEntryResult(int32_t code, const std::string& detail, bool fromJoin);
    // Hides both seats' marks, then marks the first player (seat 0's user) and the owner.
    void ShowSeatMarks();

private:
    void CarryOutEntryResult(const EntryRules::ResultPlan& plan);
    // The robot mark and the badge (a frame of the badge sprite, none hides it) of screen slot 0 or 1.
    void ShowAvatarMarks(size_t slot, bool robot, std::optional<int> badgeFrame);
    // The tournament prize with its lines; no lines hide it.
    void ShowPrize(const std::vector<std::string>& texts);
    void EnterByMode(const RoomEnterAnswer& body);
    void InviteToFreeChannel();
    void LeaveAsOtherUser(const PlayerLeave& body, int seat, bool bothSeats);
    void LeaveAsOwnUser(const PlayerLeave& body);
    void PlaceDeckForRoom();
    void SeatAnswerFollowUp(const JoinGameAnswer& body, bool own);
};
