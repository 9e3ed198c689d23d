#include "views/CVRankingPointWnd.h"

#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "foundation/core/Clock.h"
#include "protocol/Records.h"
#include "views/core/CountRules.h"

bool CVRankingPointWnd::CreateChildren(PanelOwner& room)
{
    WidgetFactory f = BeginChildren(room);
    // The background first, so the badge and the text draw over it.
    if (!Adopt(background = f.CreateQZSWnd("Ranking\\back.qzs", {0, 0}, Visible::No))) return false;
    if (!Adopt(levelBadge = f.CreatePSPWnd("Ranking\\level.psp", {5, 7}, Visible::No))) return false;
    if (!Adopt(pointsText = f.CreateTextWnd("", {13, 22}, {34, 13}, 12, 400, 0x7C572A))) return false;
    pointsText->SetTextFormat(DT_CENTER);
    SetPos(kOrigin);
    Show(false);
    Enable(false);
    return true;
}

void CVRankingPointWnd::Clear()
{
    CVPanel::Clear();
    background = nullptr;
    levelBadge = nullptr;
    pointsText = nullptr;
}

void CVRankingPointWnd::AddPoints(const PlayerInfo* record, int32_t points)
{
    if (!record || record->userKey == -1 || points <= 0) {
        ClearPanel();
        return;
    }
    if (levelBadge) {
        const bool badge = CountRules::ShowsLevelBadge(record->rankLevel);
        if (badge) levelBadge->SetFrame(record->rankLevel - 1);
        levelBadge->Show(badge);
    }
    if (pointsText) pointsText->SetText(CountRules::RankingPointsText(points));
    if (background) background->Show(true);
    if (pointsText) pointsText->Show(true);
    shownAt = Clock::NowMs();
    Show(true);
    Invalidate();
}

int CVRankingPointWnd::ClearPanel()
{
    if (background) background->Show(false);
    if (levelBadge) levelBadge->Show(false);
    if (pointsText) pointsText->SetText("");
    Show(false);
    Invalidate();
    return 1;
}

int CVRankingPointWnd::Step()
{
    if (!IsVisible()) return 0;
    // Only the hiding changes the picture: a shown badge is not redrawn every tick.
    if (!CountRules::RankingExpired(shownAt, Clock::NowMs())) return 0;
    ClearPanel();
    return 1;
}
