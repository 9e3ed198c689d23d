#pragma once

#include "views/CVPanel.h"

class GVPSPWnd;
class GVQZSWnd;
class GVTextWnd;

class PlayerInfo;

// The badge of ranking points gained after a round, near the table's lower right, shown for 1.5 s.
// Takes no input.
class CVRankingPointWnd : public CVPanel {
public:
    static constexpr Size kSize{60, 35};
    static constexpr Point kOrigin{731, 477};

    CVRankingPointWnd() : CVPanel(kSize, MouseRouting::No) {}

    // Makes the background, the level badge and the points text at the panel's place, hidden and
    // disabled. False when a child cannot be made (reported).
    [[nodiscard]] bool CreateChildren(PanelOwner& room);
    void Clear() override;
    // Shows the record's level badge (none outside 1..20) and "+n점"; without a record, a user or
    // positive points it clears the badge instead.
    void AddPoints(const PlayerInfo* record, int32_t points);
    // Hides the background, the badge and the panel and empties the text; 1.
    int ClearPanel();
    // Visible: hides and clears the badge once 1.5 s have passed since it showed; 1. Hidden: 0.
    int Step() override;

    GVQZSWnd* GetBackground() const { return background; }
    GVPSPWnd* GetLevelBadge() const { return levelBadge; }
    GVTextWnd* GetPointsText() const { return pointsText; }

private:
    GVQZSWnd* background = nullptr;
    GVPSPWnd* levelBadge = nullptr;  // one frame per level, frame = level - 1
    GVTextWnd* pointsText = nullptr;
    uint32_t shownAt = 0;
};
