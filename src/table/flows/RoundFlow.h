#pragma once

#include "table/flows/FlowBase.h"

// The round flow: ready, stake, waiting, the first player decided, round and turn start, effects cleared and time up.
class RoundFlow final : FlowBase {
public:
    using FlowBase::FlowBase;

    // Handlers, with the message id.
    void OnGameReady(const GameReady& body);  // 15
    void OnStakeConfirm(const StakeConfirm& body);  // 16
    void OnWaitingForStart(const WaitingForStart& body);  // 17
    void OnSunDecided(const SunDecided& body);  // 21
    void OnTurnStart(const TurnStart& body);  // 25
    void OnClearEffects(const ClearEffects& body);  // 63
    void OnRoundStart(const RoundStart& body);  // 72
    void OnTimeUp(const TimeUp& body);  // 73

    void OnStopTurnTimer(const StopTurnTimer& body);  // 64

    // countdownStart := the decision's seconds, countdown := one less.
    void SetCountdownTo(DecisionKind kind);
    // The turn blink and the countdown at screen slot 0 or 1.
    void MoveTurnMarker(int slot);
    // The first-turn hint under the own hand: looping, or stopped and hidden.
    void ShowTurnHint(bool show);

private:
    // The stake notice of the two seats' values: kind 12 (both values cleared), 14 or 13, for 2 s.
    void ShowStakeConfirm(const PerSeat<int32_t>& values);
};
