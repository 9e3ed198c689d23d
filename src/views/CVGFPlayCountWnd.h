#pragma once

#include "views/CVPanel.h"
#include "views/PeripheryOwner.h"
#include "views/core/PanelLayout.h"

class CVPSPPushBtn;
class GVDDSWnd;
class GVQZAniWnd;
class GVTextWnd;

// The daily play-count panel at the top of the window: the games left today, a gauge, the refill
// button and the alert that plays when few games are left. Its Step is the panel's: the alert
// advances while it shows.
class CVGFPlayCountWnd : public CVPanel {
public:
    static constexpr Size kSize = PanelLayout::kPlayCountSize;
    static constexpr Point kOrigin{108, 0};
    // Image set 0 without a pass, 1 while a pass is active.
    static constexpr int kRefillImageSets = 2;

    CVGFPlayCountWnd() : CVPanel(kSize, MouseRouting::Yes) {}

    // Makes the children at the panel's place, hidden and enabled. False when a child cannot be made (reported).
    [[nodiscard]] bool CreateChildren(PeripheryOwner& room);
    void Clear() override;
    // Hides every child and the panel; 1.
    int Reset();
    // The games left of `count` played today (300 a day) with the gauge cropped to them; a
    // negative count changes nothing.
    void SetPlayCount(int32_t count, int64_t freePlay);
    // Plays the alert once and, for users with a limit, prints the limit's notice.
    void ShowLimitAlert();

    GVQZAniWnd* GetAlert() const { return alert; }
    GVDDSWnd* GetGauge() const { return gauge; }
    GVTextWnd* GetCountText() const { return countText; }
    CVPSPPushBtn* GetRefillButton() const { return refillButton; }

protected:
    // The refill button: the host's refill page, or a box saying why the user needs none.
    void OnChildClick(GVWnd& child) override;

private:
    PeripheryOwner* room = nullptr;
    GVQZAniWnd* alert = nullptr;
    GVDDSWnd* gauge = nullptr;
    GVTextWnd* countText = nullptr;
    CVPSPPushBtn* refillButton = nullptr;
};
