#include "scene/RoomLoader.h"

#include "scene/CMirelleVWS.h"
#include "views/WidgetFactory.h"

// Creation order is drawing order, from the table skin at the bottom up. Each step answers false
// at the first widget not made; what was added stays in the scene.
bool RoomLoader::LoadWidgets(const std::atomic<bool>& stop)
{
    WidgetFactory factory(scene.GetImageRoot(), scene);
    using Step = bool (RoomLoader::*)(WidgetFactory&);
    static constexpr Step kSteps[] = {
        &RoomLoader::LoadTableAndDeck,
        &RoomLoader::LoadTurnBlink,
        &RoomLoader::LoadBottomButtons,
        &RoomLoader::LoadSeatPanelStep,
        &RoomLoader::LoadFloorMarkers,
        &RoomLoader::LoadAvatars,
        &RoomLoader::LoadSeatMarks,
        &RoomLoader::LoadRankingPointStep,
        &RoomLoader::LoadMissionPanels,
        &RoomLoader::LoadGoBakAlertStep,
        &RoomLoader::LoadFloorSlots,
        &RoomLoader::LoadCardWnds,
        &RoomLoader::LoadMovingCards,
        &RoomLoader::LoadPlayMarks,
        &RoomLoader::LoadHandMarkers,
        &RoomLoader::LoadTurnHint,
        &RoomLoader::LoadStartAnimations,
        &RoomLoader::LoadPlayingAnimation,
        &RoomLoader::LoadAutoPlayNotice,
        &RoomLoader::LoadCardEffects,
        &RoomLoader::LoadLayerAnchor,
        &RoomLoader::LoadObserverBarStep,
        &RoomLoader::LoadNotifyStep,
        &RoomLoader::LoadMoneyReturnAndCountdown,
        &RoomLoader::LoadStartButton,
        &RoomLoader::LoadBetting,
        &RoomLoader::LoadActionPopups,
        &RoomLoader::LoadResultWidgets,
        &RoomLoader::LoadAutoRefill,
        &RoomLoader::LoadBijouAndPick,
        &RoomLoader::LoadRoundBanner,
        &RoomLoader::LoadMenuAndMarks,
        &RoomLoader::LoadEntryMarks,
        &RoomLoader::LoadMoneyLimitTips,
        &RoomLoader::LoadCheckNoticeStep,  // on top of everything
    };
    for (const Step step : kSteps)
        if (stop.load() || !(this->*step)(factory)) return false;
    return !stop.load();
}

bool RoomLoader::LoadSeatPanelStep(WidgetFactory&)
{
    return LoadSeatPanels();
}

bool RoomLoader::LoadGoBakAlertStep(WidgetFactory&)
{
    return LoadGoBakAlert();
}

bool RoomLoader::LoadNotifyStep(WidgetFactory&)
{
    return CreateNotifyWnd();
}
