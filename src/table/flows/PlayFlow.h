#pragma once

#include "table/flows/FlowBase.h"

// The card play: the floor bonus, bonus and hand cards played, shakes, captures, deck flips, ppeok and the score.
class PlayFlow final : FlowBase {
public:
    using FlowBase::FlowBase;

    // Handlers, with the message id.
    void OnInitialFloorBonus(const InitialFloorBonus& body);  // 24
    void OnBonusCardPlayed(const BonusCardPlayed& body);  // 26
    void OnHandCardPlayed(const HandCardPlayed& body);  // 27
    void OnShakeDeclared(const ShakeDeclared& body);  // 30
    void OnCaptureEvent(const CaptureEvent& body);  // 31
    void OnDeckCardsFlipped(const DeckCardsFlipped& body);  // 32
    void OnPpeok(const Ppeok& body);  // 33
    void OnTurnResult(const TurnResult& body);  // 34
    void OnScoreRefresh(const ScoreRefresh& body);  // 46

private:
    // Where the turn's last card went on the floor; (0, 0) when none did.
    Point LastFloorSlotPoint() const;
    // The hand pointer sprite's frame at a point, directly below the layer anchor.
    void ShowHandPointer(int frame, Point at);
    void HideHandPointer();
    // A sweep's effect, voice, popup and robot face; true when the voice played.
    bool ShowSweep(int seat);
    // The combination the turn completed, by voice, popup and a flash of its cards.
    void Announce(int seat, const TurnResult& body, bool sweepVoice);
};
