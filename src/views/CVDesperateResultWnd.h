#pragma once

#include <array>

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
// FIXME: SetResult, SetItemShown, ShowFinalStage, the Step of the glyphs and the 6 s count, and the
// keys and clicks that answer come with the panel's own work.
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
    // Puts the back shadow back, resets the item panel, hides every child and the panel; 1.
    // FIXME: the result state and the stage with the panel's own work.
    int Reset();

    GVQZAniWnd* GetBack() const { return back; }
    GVQZSWnd* GetShadow() const { return shadow; }
    CVPSPPushBtn* GetButton(Button b) const;
    CVPSPPushBtn* GetChallengeButton(int i) const { return i >= 0 && i < kChallenges ? challengeButtons[size_t(i)] : nullptr; }
    GVPSPWnd* GetResultMarker() const { return marker; }
    CVQZATextWnd* GetMoneyText() const { return moneyText; }
    CVItemWnd* GetItemWnd() const { return itemWnd; }

private:
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
