#pragma once

#include "views/CVPanel.h"

class GVPSPWnd;
class GVQZSWnd;
class GVTextWnd;

// The badge of ranking points gained after a round, near the table's lower right. Takes no input.
// FIXME: AddPoints, ClearPanel and the Step that hides the badge 1500 ms after it showed come with
// the panel's own work.
class CVRankingPointWnd : public CVPanel {
public:
    static constexpr Size kSize{60, 35};
    static constexpr Point kOrigin{731, 477};

    CVRankingPointWnd() : CVPanel(kSize, MouseRouting::No) {}

    // Makes the background, the level badge and the points text at the panel's place, hidden and
    // disabled. False when a child cannot be made (reported).
    [[nodiscard]] bool CreateChildren(PanelOwner& room);
    void Clear() override;

    GVQZSWnd* GetBackground() const { return background; }
    GVPSPWnd* GetLevelBadge() const { return levelBadge; }
    GVTextWnd* GetPointsText() const { return pointsText; }

private:
    GVQZSWnd* background = nullptr;
    GVPSPWnd* levelBadge = nullptr;  // one frame per level, frame = level - 1
    GVTextWnd* pointsText = nullptr;
};
