#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/core/Geometry.h"
#include "protocol/MessageBodies.h"
#include "scene/SceneParts.h"

// The room around the table: its stake, title and animations, the betting panel, the robot's
// avatars, leaving the room, and the resets of the table and the whole room view.
class RoomView {
public:
    explicit RoomView(CMirelleVWS& owner) : scene(owner) {}

    // Room view operations (RoomView.cpp).
    int ExitRoom();
    std::string StakeName(int32_t index) const;
    void UpdateStakeText();
    void NotifyHostRoomEntered();
    void HostMessage(int kind, const std::string& text1, const std::string& text2);
    void ShowInviteButton(bool show);
    void ShowRoundStartAnimation(bool show, int kind);
    void ShowChamgiBackground(bool show, int kind);
    // The betting panel: its back, buttons, text, kinds, die warning, multiplier and table cover.
    void HideBettingPanel();
    void ShowObserveSystem(bool show);
    // Hides the six robot avatars; index 0..5 shows one while a robot is seated, at (0, 0) on the robot's seat.
    void ShowRobotAvatar(int index, Point at);
    Point RobotAvatarPoint() const;
    void ShowTournamentTitle();

    // Resets (RoomView_Reset.cpp).
    // The card part: timers, the 50 card windows face down at home and the round records.
    void ClearTable();
    // Forgets the room: table, seats, room record and buttons, as after loading; the frame timer stops.
    void ResetRoomView();
    void RestoreCardOrder();
    void ClearCardWnds();
    void ClearTableMarks();
    void ClearSeatPanels();

private:
    CMirelleVWS& scene;
};
