#pragma once

#include <array>

#include "protocol/MessageBodies.h"
#include "views/CVPanel.h"
#include "views/ResultOwner.h"

class CVItemWnd;
class CVPSPPushBtn;
class CVQZATextWnd;
class GVPSPWnd;
class GVQZAniWnd;
class GVQZSWnd;
class GVTextWnd;

// The round end of the target-score rooms, in place of the ordinary result: caption, names, money,
// score lines, and at a game's end a counted first stage, then the final stage with the loser's
// three challenge buttons.
class CVDesperateResultWnd : public CVPanel {
public:
    static constexpr Size kSize{381, 397};
    static constexpr Point kOrigin{156, 39};
    static constexpr Point kShadowPoint{158, 365};  // in the window
    static constexpr int kChallenges = 3;

    enum class Button { Ok, ChamgiOk, Chamgi, Count };

    CVDesperateResultWnd() : CVPanel(kSize, MouseRouting::Yes) {}

    // Makes the children and the item panel at the panel's place, every child and the panel
    // hidden. False when a child cannot be made (reported).
    [[nodiscard]] bool CreateChildren(ResultOwner& room);
    void Clear() override;
    // Clears the result and its stage, puts the back shadow back, resets the item panel, hides every
    // child and the panel; 1.
    int Reset();
    // Shows the round's result; nothing for a won or lost round without a winner's seat.
    void SetResult(const DesperateRoundResult& body);
    void SetItemShown(bool shown);
    // The game's end after its count: the final result, the loser's challenges.
    void ShowFinalStage();
    int Step() override;
    int OnKeyDown(UINT key, UINT repeat, UINT flags) override;

    enum class Stage { Single = 0, Counting = 2, Final = 3 };
    static constexpr uint32_t kCountMs = 6000;
    Stage GetStage() const { return stage; }
    bool IsWon() const { return won; }
    GVTextWnd* GetTitle() const { return title; }
    GVTextWnd* GetNextRoundText() const { return nextRoundText; }
    GVQZAniWnd* GetScoreAnimation() const { return scoreAnimation; }

    GVQZAniWnd* GetBack() const { return back; }
    GVQZSWnd* GetShadow() const { return shadow; }
    CVPSPPushBtn* GetButton(Button b) const;
    CVPSPPushBtn* GetChallengeButton(int i) const { return i >= 0 && i < kChallenges ? challengeButtons[size_t(i)] : nullptr; }
    GVPSPWnd* GetResultMarker() const { return marker; }
    CVQZATextWnd* GetMoneyText() const { return moneyText; }
    CVItemWnd* GetItemWnd() const { return itemWnd; }

protected:
    void OnChildClick(GVWnd& child) override;

private:
    void ShowChallenges(const DesperateRoundResult& body, int viewed, const ResultOwner::Room& room);
    void ShowOutcome(const DesperateRoundResult& body, const ResultOwner::Room& room, const std::string& name);
    void ShowNames(const ResultOwner::Room& room, int viewed);
    std::string SeatName(const ResultOwner::Room& room, int seat) const;
    void SendAnswer(ResultRules::Answer answer);
    void PlaySound(SoundId id);

    ResultOwner* resultOwner = nullptr;
    bool won = false;
    bool gameOver = false;
    bool itemShown = false;
    Stage stage = Stage::Single;
    uint32_t countStart = 0;
    GVQZAniWnd* back = nullptr;
    GVQZSWnd* shadow = nullptr;
    std::array<GVPSPWnd*, 2> sides{};  // frames 4 and 5 mark the winning and the losing side
    GVPSPWnd* marker = nullptr;
    GVTextWnd* title = nullptr;
    std::array<GVTextWnd*, 2> names{};
    std::array<CVQZATextWnd*, 2> scoreTexts{};
    CVQZATextWnd* moneyText = nullptr;
    GVQZAniWnd* scoreAnimation = nullptr;
    GVPSPWnd* notice = nullptr;
    GVPSPWnd* finalResult = nullptr;
    std::array<CVPSPPushBtn*, static_cast<size_t>(Button::Count)> buttons{};
    GVQZSWnd* chamgiWaiting = nullptr;
    GVTextWnd* nextRoundText = nullptr;
    GVTextWnd* drawCaption = nullptr;
    GVTextWnd* eventFundText = nullptr;
    GVPSPWnd* challengeBack = nullptr;
    std::array<CVPSPPushBtn*, kChallenges> challengeButtons{};
    CVItemWnd* itemWnd = nullptr;
};
