#pragma once

#include "table/flows/FlowBase.h"

// The seats outside the card play: dropped connections, forced-exit reservations, seat marks, voice
// types, the robot player, anti-leave counters, record values and turn time-out counts.
class SeatFlow final : FlowBase {
public:
    using FlowBase::FlowBase;

    // Handlers, with the message id.
    void OnPlayerDisconnected(const PlayerDisconnected& body);  // 2
    void OnKickReserve(const KickReserve& body);  // 8
    void OnSeatMark(const SeatMark& body);  // 9
    void OnVoiceTypeChanged(const VoiceTypeChanged& body);  // 12
    void OnRobotSeatChange(const SeatsCleared& body);  // 18
    void OnAntiLeaveCount(const AntiLeaveCount& body);  // 58
    void OnUserRecordValues(const UserRecordValues& body);  // 62
    void OnTimeoutCountNotice(const TimeoutCountNotice& body);  // 75

    // The waiting animation loops or stops and hides.
    void LoopWaitingAnimation(bool loop);
    // In the waiting animation's place while a round plays.
    void LoopPlayingAnimation(bool loop);

private:
    // The player panel of the seat's screen slot; null without one.
    CVUserInfoWnd* SeatInfoPanel(int seat);
    // Start button and restrict panel once the robot's seat changed.
    void AfterRobotSeatChange(bool join);
};
