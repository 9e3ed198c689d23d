#include "scene/CMirelleVWS.h"

#include "foundation/Debug.h"
#include "graphics/sprite/core/QZSprite_RSCManager.h"
#include "protocol/HostInterfaces.h"
#include "views/WidgetFactory.h"

namespace {

constexpr int kSpriteSlots = 512;

}  // namespace

int CMirelleVWS::LoadResources(const std::atomic<bool>& stop)
{
    loadErrors.clear();
    if (!QZSRsc_Init(kSpriteSlots, imageRoot)) {
        loadErrors.push_back({0, "sprite resource manager"});
        return 0;
    }
    if (stop.load()) return 0;
    if (!LoadWidgets(stop)) return 0;
    SetReady(loadErrors.empty());
    return IsReady() ? 1 : 0;
}

// Creation order is drawing order, from the table skin at the bottom up. Each step answers false
// at the first widget not made; what was added stays in the scene.
bool CMirelleVWS::LoadWidgets(const std::atomic<bool>& stop)
{
    WidgetFactory factory(imageRoot, *this);
    using Step = bool (CMirelleVWS::*)(WidgetFactory&);
    static constexpr Step kSteps[] = {
        &CMirelleVWS::LoadTableAndDeck,
        &CMirelleVWS::LoadTurnBlink,
        &CMirelleVWS::LoadBottomButtons,
        &CMirelleVWS::LoadSeatPanelStep,
        &CMirelleVWS::LoadFloorMarkers,
        &CMirelleVWS::LoadAvatars,
        &CMirelleVWS::LoadRankingPointStep,
        &CMirelleVWS::LoadMissionPanels,
        &CMirelleVWS::LoadGoBakAlertStep,
        &CMirelleVWS::LoadFloorSlots,
        &CMirelleVWS::LoadCardWnds,
        &CMirelleVWS::LoadMovingCards,
        &CMirelleVWS::LoadPlayMarks,
        &CMirelleVWS::LoadHandMarkers,
        &CMirelleVWS::LoadStartAnimations,
        &CMirelleVWS::LoadAutoPlayNotice,
        &CMirelleVWS::LoadCardEffects,
        &CMirelleVWS::LoadLayerAnchor,
        &CMirelleVWS::LoadObserverBarStep,
        &CMirelleVWS::LoadNotifyStep,
        &CMirelleVWS::LoadMoneyReturnAndCountdown,
        &CMirelleVWS::LoadStartButton,
        &CMirelleVWS::LoadBetting,
        &CMirelleVWS::LoadActionPopups,
        &CMirelleVWS::LoadResultWidgets,
        &CMirelleVWS::LoadAutoRefill,
        &CMirelleVWS::LoadBijouAndPick,
        &CMirelleVWS::LoadRoundBanner,
        &CMirelleVWS::LoadMenuAndMarks,
        &CMirelleVWS::LoadMoneyLimitTips,
        &CMirelleVWS::LoadCheckNoticeStep,  // on top of everything
    };
    for (const Step step : kSteps)
        if (stop.load() || !(this->*step)(factory)) return false;
    return !stop.load();
}

bool CMirelleVWS::LoadSeatPanelStep(WidgetFactory&)
{
    return LoadSeatPanels();
}

bool CMirelleVWS::LoadGoBakAlertStep(WidgetFactory&)
{
    return LoadGoBakAlert();
}

bool CMirelleVWS::LoadNotifyStep(WidgetFactory&)
{
    return CreateNotifyWnd();
}

void CMirelleVWS::AddLoadError(const std::string& name)
{
    loadErrors.push_back({0, name});
}

void CMirelleVWS::ReportLoadError(const std::string& name)
{
    loadErrors.push_back({1, name});
    // The host is not told the name: the debug output is where a missing file shows.
    DebugLine("cannot load %s%s", imageRoot.c_str(), name.c_str());
    int32_t inOut = 0;
    HostRequest(ownUser.userKey, HostRequestCode::OutOfDate, 0, nullptr, &inOut);
}
