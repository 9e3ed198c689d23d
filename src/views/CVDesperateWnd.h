#pragma once

#include <array>

#include <cstdint>
#include <string>

#include "views/CVPanel.h"
#include "views/core/PanelLayout.h"
#include "views/TargetScoreOwner.h"
#include "views/core/TargetScoreRules.h"

class CVPSPPushBtn;
class GVDDSWnd;
class GVPSPNumberWnd;
class GVPSPWnd;
class GVQZAniWnd;
class GVTextWnd;

// The target-score panel at the table's left edge: the bet, the target score, each screen slot's
// name, score and gauge, the 100-point and win effects and the give-up button. Without a target
// (index 0, seven points) it shows the bet alone and every score operation does nothing.
class CVDesperateWnd : public CVPanel {
public:
    static constexpr Size kSize = PanelLayout::kTargetScoreSize;
    static constexpr Point kOrigin = PanelLayout::kTargetScoreOrigin;

    // What each screen slot (0 the own side at the bottom) shows.
    struct SlotWidgets {
        GVPSPWnd* zeroPoints = nullptr;
        GVTextWnd* name = nullptr;
        GVPSPNumberWnd* score = nullptr;
        GVPSPWnd* label = nullptr;
        GVPSPNumberWnd* blinkScore = nullptr;
        GVDDSWnd* gauge = nullptr;
        GVDDSWnd* gaugeEffect = nullptr;
    };

    CVDesperateWnd() : CVPanel(kSize, MouseRouting::Yes) {}

    // Makes the children in the frames of table skin `skin` at the panel's place, every child and
    // the panel hidden. False when a child cannot be made (reported).
    [[nodiscard]] bool CreateChildren(TargetScoreOwner& room, int skin);
    void Clear() override;
    // Zeroes the scores and counts, stops the effects and hides every child; 1.
    int Reset();
    // The room's bet and target by index; 0 outside rooms 40..43 or the indexes.
    int SetBetAndTarget(int32_t betIndex, int32_t targetIndex, int64_t customBet);
    // The bet the room's option notice names; 0 outside rooms 40..43 or bet indexes 0..4.
    int SetBet(int32_t betIndex, int64_t bet);
    // Shows the panel for the room entry; 1.
    int Open();
    void SetSkin(int newSkin);
    void SetPlayerName(int screenSlot, const std::string& name);
    enum class Immediate { No, Yes };
    void SetPlayerScore(int screenSlot, int score, Immediate immediate);
    void SwapSides();
    // Both scores back to 0 for a new game, with one sound.
    void ResetRound();
    void PlayWinEffect(int screenSlot);
    void StopWinEffect();
    // Shown and enabled with a target, the own user seated and a round in play (game state 2).
    void UpdateGiveUpButton(int gameState);
    int Step() override;

    bool HasTarget() const { return targetIndex > 0; }
    int64_t GetBet() const { return bet; }
    int GetTarget() const { return target; }
    int GetScore(int screenSlot) const { return state[screenSlot == 1 ? 1 : 0].score; }
    int GetShownScore(int screenSlot) const { return state[screenSlot == 1 ? 1 : 0].rise.shown; }

    GVPSPWnd* GetBack() const { return back; }
    GVTextWnd* GetBetText() const { return betText; }
    GVPSPWnd* GetTargetImage() const { return targetImage; }
    const SlotWidgets& GetSlot(int screenSlot) const { return slots[screenSlot == 1 ? 1 : 0]; }
    GVQZAniWnd* GetHundredEffect() const { return hundredEffect; }
    GVQZAniWnd* GetWinEffect() const { return winEffect; }
    CVPSPPushBtn* GetGiveUpButton() const { return giveUp; }

protected:
    void OnChildClick(GVWnd& child) override;

private:
    [[nodiscard]] bool MakeSlot(WidgetFactory& f, int screenSlot, int skin);
    enum class Sound { No, Yes };
    void ShowScore(int slot, int score, Immediate immediate, Sound sound);
    void DrawGauge(int slot, GVDDSWnd* bar, int score);
    bool StepBlink(int slot, uint32_t now);
    bool StepGauge(int slot, uint32_t now);
    void ShowBet();

    // Each screen slot counts and blinks on its own clock, so two updates at once do not mix.
    struct SlotState {
        int score = 0;
        bool blinking = false;
        int blinkLeft = 0;
        uint32_t blinkAt = 0;
        bool rising = false;
        TargetScoreRules::CountUp rise;
        uint32_t riseAt = 0;
    };

    TargetScoreOwner* scoreOwner = nullptr;
    std::array<SlotState, 2> state{};
    int64_t bet = 0;
    int target = 0;
    int targetIndex = 0;
    int skin = 0;

    GVPSPWnd* back = nullptr;
    GVTextWnd* betText = nullptr;
    GVPSPWnd* targetImage = nullptr;
    std::array<SlotWidgets, 2> slots{};
    GVQZAniWnd* hundredEffect = nullptr;
    GVQZAniWnd* winEffect = nullptr;
    CVPSPPushBtn* giveUp = nullptr;
};
