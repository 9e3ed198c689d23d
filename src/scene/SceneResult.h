#pragma once

#include <string>

#include "views/ResultOwner.h"

class CMirelleVWS;
struct EventRoundResult;
struct DesperateRoundResult;
struct ResultStep;
struct RoundResult;
struct TournamentRoundResult;

// The round result panel's owner. The loader makes the panel; the result handlers show it, answers
// and the game-ready answer close it.
class SceneResult final : public ResultOwner {
public:
    explicit SceneResult(CMirelleVWS& owner) : scene(owner) {}

    // Closes the prompt, shows the result box and fills the panel; the own player's winning streak
    // badge shows with a round result, the go and bak alerts hide.
    void ShowRoundResult(const RoundResult& body);
    void ShowTournamentResult(const TournamentRoundResult& body);
    void ShowEventResult(const EventRoundResult& body);
    void SetResultStep(const ResultStep& body);
    // The target-score rooms' round result panel, its room and its challenges.
    void ShowDesperateResult(const DesperateRoundResult& body);
    TargetScoreRoom GetTargetScoreRoom() const override;
    void SendChallenge(int choice) override;
    // Space, F1 and F2 for the panel; true when it was shown to take them.
    bool AnswerResultByKey(int key);
    void StepResult();

    // Resets the panel, hides the result box, the badge and the fireworks.
    void HideRoundResult() override;
    Room GetResultRoom() const override;
    void SendResultAnswer(ResultRules::Answer answer) override;
    void PlayResultSound(SoundId id) override;
    void StopResultSound(SoundId id) override;
    void PlayResultVoice(VoiceCue cue, int seat) override;
    void PrintResultChat(const std::string& text) override;
    void ShowEventMark(bool show) override;
    void StartFireworks() override;
    bool ToggleAutoStart() override;
    CVItemWnd* CreateItemWnd() override;
    const std::string& GetImageRoot() const override;
    LoadErrorSink& GetLoadErrorSink() override;

private:
    void ShowResultBox();

    CMirelleVWS& scene;
};
