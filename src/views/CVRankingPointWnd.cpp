#include "views/CVRankingPointWnd.h"

#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"

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
