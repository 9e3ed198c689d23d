#pragma once

#include "table/flows/FlowBase.h"

// The round results and the game end.
class ResultFlow final : FlowBase {
public:
    using FlowBase::FlowBase;

    // Handlers, with the message id.
    void OnRoundResult(const RoundResult& body);  // 49
    void OnGameEnd(const GameEnd& body);  // 51
    void OnTournamentRoundResult(const TournamentRoundResult& body);  // 52
    void OnEventRoundResult(const EventRoundResult& body);  // 54
    void OnDesperateRoundResult(const DesperateRoundResult& body);  // 69

private:
    // The own record's play counts and the play-count panel from the own seat.
    void ApplyPlayCount(const PlayerInfo& seat);
    // The own record takes the seat's money and membership values.
    void CopyOwnMoney(const PlayerInfo& seat);
    enum class AutoPlay { Off, Keep };
    // Play state 3; the loop sounds, blink timer, prompt, auto-play (unless kept) and turn marker
    // stop; the table is no longer synchronised. Every round result opens its phase here.
    void OpenResultPhase(AutoPlay autoPlay = AutoPlay::Off);
    // The go-bak animation looped over the screen slot of the player who went bak, with its sound.
    void PlayGoBak(const std::vector<BakEntry>& baks, int winnerSeat);
    void ReserveResultItems(int ownSeat, bool assaRose);
    void SettleGameEndSeats(const GameEnd& body);
    void SettleOwnGameEnd(PlayerInfo& seat, const GameEndSeat& in);
    // With a robot seated: its won face when the winner is the robot, else its lost face.
    void ShowRobotResultFace(int winnerSeat);
    void UpdateAntiLeaveAtGameEnd(int32_t count);
};
