#include "scene/RoomLoader.h"

#include "scene/CMirelleVWS.h"

#include <new>

#include "scene/PanelMaker.h"
#include "scene/PeripheryPanels.h"
#include "scene/SceneResult.h"
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

// The panels here need only a panel owner: the result panel's.
PanelOwner& AsOwner(CMirelleVWS& scene)
{
    return scene.Result();
}

}  // namespace

CVDesperateWnd* RoomLoader::CreateDesperateWnd()
{
    return MakePanel<CVDesperateWnd>(scene, scene.TargetScorePanelOwner(), static_cast<int>(scene.options.skin));
}

CVGFPlayCountWnd* RoomLoader::CreateGFPlayCountWnd()
{
    return MakePanel<CVGFPlayCountWnd>(scene, scene.Periphery());
}

CVRestrictOptionWnd* RoomLoader::CreateRestrictOptionWnd()
{
    return MakePanel<CVRestrictOptionWnd>(scene, scene.Periphery());
}

CVRankingPointWnd* RoomLoader::CreateRankingPointWnd()
{
    return MakePanel<CVRankingPointWnd>(scene, scene.Periphery());
}

CVObserveSystemWnd* RoomLoader::CreateObserveSystemWnd()
{
    return MakePanel<CVObserveSystemWnd>(scene, scene.Periphery());
}

CVDesperateResultWnd* RoomLoader::CreateDesperateResultWnd()
{
    return MakePanel<CVDesperateResultWnd>(scene, scene.Result());
}

CVMirelleBijouWnd* RoomLoader::CreateBijouWnd()
{
    return MakePanel<CVMirelleBijouWnd>(scene, scene.Periphery());
}

CCheckNotice* RoomLoader::CreateCheckNotice()
{
    auto* notice = new (std::nothrow) CCheckNotice();
    if (!notice) {
        scene.AddLoadError("");
        return nullptr;
    }
    if (!notice->Create()) {
        delete notice;
        return nullptr;
    }
    return notice;
}

bool RoomLoader::LoadRankingPointStep(WidgetFactory&)
{
    return scene.AddLoaded(scene.periphery.rankingPoint = CreateRankingPointWnd());
}

bool RoomLoader::LoadObserverBarStep(WidgetFactory&)
{
    return scene.AddLoaded(scene.entryWidgets.observerBar = CreateObserveSystemWnd());
}

bool RoomLoader::LoadCheckNoticeStep(WidgetFactory&)
{
    CCheckNotice* notice = CreateCheckNotice();
    if (notice && !notice->CreateChildren(AsOwner(scene))) {
        delete notice;
        notice = nullptr;
    }
    return scene.AddLoaded(scene.periphery.checkNotice = notice);
}
