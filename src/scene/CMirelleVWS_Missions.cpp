#include "scene/CMirelleVWS.h"

#include <new>

#include "foundation/core/Text.h"
#include "views/CVCMissionWnd.h"
#include "views/CVDMissionWnd.h"
#include "views/CVKJMissionWnd.h"
#include "views/CVSMissionWnd.h"

namespace {

// Allocates a mission panel and makes its children; null (the error recorded, the panel deleted)
// when either fails.
template <class Panel, class... Args>
Panel* MakeMissionPanel(LoadErrorSink& errors, Args&&... args)
{
    Panel* panel = new (std::nothrow) Panel();
    if (!panel) {
        errors.AddLoadError("");
        return nullptr;
    }
    if (!panel->CreateChildren(std::forward<Args>(args)...)) {
        delete panel;
        return nullptr;
    }
    return panel;
}

}  // namespace

// The scene is a panel owner through each of its owner faces; the mission panels need no more than
// the image folder and the error sink that all of them give.
PanelOwner& CMirelleVWS::MissionPanelsOwner()
{
    return SeatPanelsOwner();
}

CVSMissionWnd* CMirelleVWS::CreateSMissionWnd()
{
    return MakeMissionPanel<CVSMissionWnd>(*this, MissionPanelsOwner(), options.skin);
}

CVDMissionWnd* CMirelleVWS::CreateDMissionWnd()
{
    return MakeMissionPanel<CVDMissionWnd>(*this, MissionPanelsOwner(), options.skin);
}

CVCMissionWnd* CMirelleVWS::CreateCMissionWnd()
{
    return MakeMissionPanel<CVCMissionWnd>(*this, MissionPanelsOwner(), options.skin);
}

CVC2MissionWnd* CMirelleVWS::CreateC2MissionWnd()
{
    return MakeMissionPanel<CVC2MissionWnd>(*this, MissionPanelsOwner(), options.skin);
}

CVKJMissionWnd* CMirelleVWS::CreateKJMissionWnd()
{
    return MakeMissionPanel<CVKJMissionWnd>(*this, MissionPanelsOwner(), options.skin, optionsKey,
                                            FormatText("%d", kGameNumber));
}

// One panel per mission mode, in the mode's order.
bool CMirelleVWS::LoadMissionPanels(WidgetFactory&)
{
    MissionPanels& m = missions;
    return AddLoaded(m.single = CreateSMissionWnd()) && AddLoaded(m.twoCard = CreateDMissionWnd()) &&
           AddLoaded(m.cardC = CreateCMissionWnd()) && AddLoaded(m.cardC2 = CreateC2MissionWnd()) &&
           AddLoaded(m.kungjjak = CreateKJMissionWnd());
}
