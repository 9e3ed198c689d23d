#pragma once

#include "views/CVPanel.h"

class CVPSPPushBtn;
class GVDDSWnd;
class GVQZAniWnd;
class GVTextWnd;

// The daily play-count panel at the top of the window: the games left today, a gauge, the refill
// button and the alert that plays when few games are left. Its Step is the panel's: the alert
// advances while it shows.
// FIXME: SetPlayCount, ShowLimitAlert and the refill button's click come with the panel's own work.
class CVGFPlayCountWnd : public CVPanel {
public:
    static constexpr Size kSize{67, 21};
    static constexpr Point kOrigin{108, 0};
    // Image set 0 without a pass, 1 while a pass is active.
    static constexpr int kRefillImageSets = 2;

    CVGFPlayCountWnd() : CVPanel(kSize, MouseRouting::Yes) {}

    // Makes the children at the panel's place, hidden and enabled. False when a child cannot be made (reported).
    [[nodiscard]] bool CreateChildren(PanelOwner& room);
    void Clear() override;
    // Hides every child and the panel; 1.
    int Reset();

    GVQZAniWnd* GetAlert() const { return alert; }
    GVDDSWnd* GetGauge() const { return gauge; }
    GVTextWnd* GetCountText() const { return countText; }
    CVPSPPushBtn* GetRefillButton() const { return refillButton; }

private:
    GVQZAniWnd* alert = nullptr;
    GVDDSWnd* gauge = nullptr;
    GVTextWnd* countText = nullptr;
    CVPSPPushBtn* refillButton = nullptr;
};
