#pragma once

#include "table/flows/FlowBase.h"

// The round's missions: the single, two-card, C and C2 missions' starts and results, the kungjjak
// mission's panel, music, steps and multipliers, and the mission panels by the snapshot's kind.
class MissionFlow final : FlowBase {
public:
    using FlowBase::FlowBase;

    // Handlers, with the message id.
    void OnSMissionStart(const SMissionStart& body);  // 35
    void OnDMissionStart(const DMissionStart& body);  // 36
    void OnCMissionStart(const CMissionStart& body);  // 37
    void OnC2MissionStart(const C2MissionStart& body);  // 38
    void OnSMissionResult(const SMissionResult& body);  // 39
    void OnDMissionResult(const DMissionResult& body);  // 40
    void OnCMissionResult(const CMissionResult& body);  // 41
    void OnC2MissionResult(const C2MissionResult& body);  // 42

    // The kungjjak mission from the deal: the panel opening and both seats' mission flags; the music
    // once the cards are dealt.
    void OpenKungJJak();
    void StartKungJJakMusic();
    // A seat's kungjjak value from a deck flip (32) or a turn result (34); ppeok (33) sets it to 1.
    void OnDeckFlipKungJJak(int seat, int32_t value);
    void OnTurnResultKungJJak(int seat, int32_t value);
    void OnPpeokKungJJak(int seat);
    // The snapshot's mission panel by its kind, without the opening animation.
    void RestoreMissionPanel(const GameDataTable& table);

    // The volume the chamgi and 3-go music play at: the kungjjak music's.
    int MusicVolume() const;

    // The target-score panel of rooms 40..43: opened on room entry (hidden elsewhere), each seat's
    // name on its side, the give-up button by the room state, the bet of the option notice, a new
    // game's scores, the round result's points with the winner's effect, the sides after a rotation.
    void OpenTargetScore();
    void ShowTargetScoreNames();
    // Each seat's running points on its side at once, with the names (room entry, snapshot).
    void ShowTargetScores();
    void UpdateGiveUpButton();
    void SetTargetScoreBet(int32_t betKind, int64_t amount);
    void ResetTargetScoreRound();
    void AddTargetScorePoints(const DesperateRoundResult& body);
    void StopTargetScoreEffects();
    void SwapTargetScoreSides();
    // The game end: a target-score game that is over starts again, else each side's score shows quietly.
    void OnGameEndTargetScore();

private:
    bool targetScoreGameOver = false;  // the last round result ended the target-score game
    // A result's money for a seat; the two-card mission pays tournament money in tournament rooms.
    void SettleSeat(int seat, int64_t money, int64_t secondMoney, bool tournamentMoney);
    void SettleSeats(const PerSeat<int64_t>& money, const PerSeat<int64_t>& secondMoney, bool tournamentMoney);
    void AnnounceSuccess(int seat);
    void FinishStart();
    template <size_t N, class Panel>
    void ApplyCardResult(const MissionResultFields<N>& body, std::array<int32_t, N>& owners, Panel* panel);
};
