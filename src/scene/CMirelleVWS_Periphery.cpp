#include "scene/CMirelleVWS.h"

#include <new>

#include "scene/PanelMaker.h"
#include "scene/PeripheryPanels.h"
#include "toolkit/GVAvatarWnd.h"
#include "views/CCheckNotice.h"
#include "views/CVDesperateResultWnd.h"
#include "views/CVDesperateWnd.h"
#include "views/CVGFPlayCountWnd.h"
#include "views/CVMirelleBijouWnd.h"
#include "views/CVObserveSystemWnd.h"
#include "views/CVRankingPointWnd.h"
#include "views/CVRestrictOptionWnd.h"

namespace {

// The scene is a panel owner through several of its owner roles; the panels here need only one.
PanelOwner& AsOwner(CMirelleVWS& scene)
{
    ResultOwner& owner = scene;
    return owner;
}

}  // namespace

CVDesperateWnd* CMirelleVWS::CreateDesperateWnd()
{
    return MakePanel<CVDesperateWnd>(*this, AsOwner(*this), static_cast<int>(options.skin));
}

CVGFPlayCountWnd* CMirelleVWS::CreateGFPlayCountWnd()
{
    return MakePanel<CVGFPlayCountWnd>(*this, Periphery());
}

CVRestrictOptionWnd* CMirelleVWS::CreateRestrictOptionWnd()
{
    return MakePanel<CVRestrictOptionWnd>(*this, Periphery());
}

CVRankingPointWnd* CMirelleVWS::CreateRankingPointWnd()
{
    return MakePanel<CVRankingPointWnd>(*this, Periphery());
}

CVObserveSystemWnd* CMirelleVWS::CreateObserveSystemWnd()
{
    return MakePanel<CVObserveSystemWnd>(*this, Periphery());
}

CVDesperateResultWnd* CMirelleVWS::CreateDesperateResultWnd()
{
    return MakePanel<CVDesperateResultWnd>(*this, static_cast<ResultOwner&>(*this));
}

CVMirelleBijouWnd* CMirelleVWS::CreateBijouWnd()
{
    return MakePanel<CVMirelleBijouWnd>(*this, Periphery());
}

CCheckNotice* CMirelleVWS::CreateCheckNotice()
{
    auto* notice = new (std::nothrow) CCheckNotice();
    if (!notice) {
        AddLoadError("");
        return nullptr;
    }
    if (!notice->Create()) {
        delete notice;
        return nullptr;
    }
    return notice;
}

bool CMirelleVWS::LoadRankingPointStep(WidgetFactory&)
{
    return AddLoaded(periphery.rankingPoint = CreateRankingPointWnd());
}

bool CMirelleVWS::LoadObserverBarStep(WidgetFactory&)
{
    return AddLoaded(entryWidgets.observerBar = CreateObserveSystemWnd());
}

bool CMirelleVWS::LoadCheckNoticeStep(WidgetFactory&)
{
    CCheckNotice* notice = CreateCheckNotice();
    if (notice && !notice->CreateChildren(AsOwner(*this))) {
        delete notice;
        notice = nullptr;
    }
    return AddLoaded(periphery.checkNotice = notice);
}

// In the tick's order, after the result panel's step.
void CMirelleVWS::StepPeripheryPanels()
{
    if (IsLoadingResources()) return;
    const PeripheryWidgets& p = periphery;
    CVPanel* const panels[] = {p.playCount, p.rankingPoint, p.bijou, p.desperateResult, p.desperate};
    for (CVPanel* panel : panels)
        if (panel && panel->IsVisible() && panel->Step()) InvalidateWnd(panel);
    // The notice steps as it draws: it only needs drawing again while it runs.
    if (p.checkNotice && p.checkNotice->IsActive()) InvalidateWnd(p.checkNotice);
}
