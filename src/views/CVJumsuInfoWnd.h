#pragma once

#include <cstdint>

#include "views/CVPanel.h"
#include "views/core/SeatPanelRules.h"

class CHTUser;
class GVPSPNumberWnd;
class GVPSPWnd;

// A seat's score panel: the round score in small or big digits with its caption, a blinking copy of
// a new small score, the multiplier line and the multiplied total. Takes no input.
class CVJumsuInfoWnd : public CVPanel {
public:
    static constexpr Size kSize{178, 50};
    static constexpr Point kOrigin[2] = {{620, 386}, {620, 106}};
    static constexpr const char* kCaptionImage = "Jumsu\\text.psp";
    // The style value of the score numbers besides their spacing.
    static constexpr uint32_t kNumberStyle = 2;

    CVJumsuInfoWnd() : CVPanel(kSize, MouseRouting::No) {}

    // Makes the children (all hidden) for seat 0 or 1 in the skin and puts the panel at the seat's
    // origin, shown and disabled. False when a child cannot be made (reported) or the seat is wrong.
    [[nodiscard]] bool CreateChildren(PanelOwner& panelOwner, int seat, int skin);
    void Clear() override;

    // Shows the seat's go count + points, multiplier and total.
    void SetScore(const CHTUser& user);
    // The digits and captions of skin 0 or 1 (any other value counts as 0). Returns 1.
    int SetSkin(int skin);
    // Hides everything and forgets the last score and the blink.
    void Reset();
    // Per tick: runs the blink; non-zero (and dirty) while it runs.
    int Step() override;

    bool IsBlinking() const { return blink.IsOn(); }
    GVPSPNumberWnd* GetScoreNumber() const { return scoreNumber; }
    GVPSPNumberWnd* GetBigScoreNumber() const { return bigScoreNumber; }
    GVPSPWnd* GetCaption() const { return caption; }
    GVPSPNumberWnd* GetBlinkNumber() const { return blinkNumber; }
    GVPSPNumberWnd* GetMultiplierNumber() const { return multiplierNumber; }
    GVPSPNumberWnd* GetTotalNumber() const { return totalNumber; }
    // The multiplier line: caption, number, suffix; the total line the same.
    bool IsMultiplierLineShown() const;
    bool IsTotalLineShown() const;

private:
    void HideChildren();

    GVPSPNumberWnd* scoreNumber = nullptr;
    GVPSPNumberWnd* bigScoreNumber = nullptr;
    GVPSPWnd* caption = nullptr;
    GVPSPNumberWnd* blinkNumber = nullptr;
    GVPSPWnd* multiplierCaption = nullptr;
    GVPSPNumberWnd* multiplierNumber = nullptr;
    GVPSPWnd* multiplierSuffix = nullptr;
    GVPSPWnd* totalCaption = nullptr;
    GVPSPNumberWnd* totalNumber = nullptr;
    GVPSPWnd* totalSuffix = nullptr;
    int skin = 0;
    int64_t lastScore = 0;
    ScoreBlink blink;
};
