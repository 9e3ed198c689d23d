#pragma once

#include <array>

#include "views/CVPanel.h"

class CVPSPPushBtn;
class GVDDSWnd;
class GVPSPNumberWnd;
class GVPSPWnd;
class GVQZAniWnd;
class GVTextWnd;

// The target-score panel at the table's left edge: the bet, the target score, each screen slot's
// name, score and gauge, the 100-point and win effects and the give-up button.
// FIXME: SetBetAndTarget, SetBet, Open, SetSkin, SetPlayerName, SetPlayerScore, SwapSides,
// ResetRound, PlayWinEffect, StopWinEffect, UpdateGiveUpButton, the give-up click and the Step of
// the blinking digits and the rising gauge come with the panel's own work.
class CVDesperateWnd : public CVPanel {
public:
    static constexpr Size kSize{182, 257};
    static constexpr Point kOrigin{0, 142};

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
    [[nodiscard]] bool CreateChildren(PanelOwner& room, int skin);
    void Clear() override;
    // Stops the effects and hides every child; 1. FIXME: zeroing the scores, flags and counters comes
    // with the panel's own work.
    int Reset();

    GVPSPWnd* GetBack() const { return back; }
    GVTextWnd* GetBetText() const { return betText; }
    GVPSPWnd* GetTargetImage() const { return targetImage; }
    const SlotWidgets& GetSlot(int screenSlot) const { return slots[screenSlot == 1 ? 1 : 0]; }
    GVQZAniWnd* GetHundredEffect() const { return hundredEffect; }
    GVQZAniWnd* GetWinEffect() const { return winEffect; }
    CVPSPPushBtn* GetGiveUpButton() const { return giveUp; }

private:
    [[nodiscard]] bool MakeSlot(WidgetFactory& f, int screenSlot, int skin);

    GVPSPWnd* back = nullptr;
    GVTextWnd* betText = nullptr;
    GVPSPWnd* targetImage = nullptr;
    std::array<SlotWidgets, 2> slots{};
    GVQZAniWnd* hundredEffect = nullptr;
    GVQZAniWnd* winEffect = nullptr;
    CVPSPPushBtn* giveUp = nullptr;
};
