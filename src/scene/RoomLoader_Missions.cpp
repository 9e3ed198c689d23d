#include "scene/RoomLoader.h"

#include "scene/CMirelleVWS.h"

#include "foundation/core/Text.h"
#include "scene/PanelMaker.h"
#include "views/CVCMissionWnd.h"
#include "views/CVDMissionWnd.h"
#include "views/CVKJMissionWnd.h"
#include "views/CVSMissionWnd.h"

// The scene is a panel owner through each of its owner faces; the mission panels need no more than
// the image folder and the error sink that all of them give.
PanelOwner& RoomLoader::MissionPanelsOwner()
{
    return scene.SeatPanelsOwner();
}

CVSMissionWnd* RoomLoader::CreateSMissionWnd()
{
    return MakePanel<CVSMissionWnd>(scene, MissionPanelsOwner(), scene.options.skin);
}

CVDMissionWnd* RoomLoader::CreateDMissionWnd()
{
    return MakePanel<CVDMissionWnd>(scene, MissionPanelsOwner(), scene.options.skin);
}

CVCMissionWnd* RoomLoader::CreateCMissionWnd()
{
    return MakePanel<CVCMissionWnd>(scene, MissionPanelsOwner(), scene.options.skin);
}

CVC2MissionWnd* RoomLoader::CreateC2MissionWnd()
{
    return MakePanel<CVC2MissionWnd>(scene, MissionPanelsOwner(), scene.options.skin);
}

CVKJMissionWnd* RoomLoader::CreateKJMissionWnd()
{
    return MakePanel<CVKJMissionWnd>(scene, MissionPanelsOwner(), scene.options.skin, scene.optionsKey,
                                            FormatText("%d", scene.kGameNumber));
}

// One panel per mission mode, in the mode's order.
bool RoomLoader::LoadMissionPanels(WidgetFactory&)
{
    MissionPanels& m = scene.missions;
    return scene.AddLoaded(m.single = CreateSMissionWnd()) && scene.AddLoaded(m.twoCard = CreateDMissionWnd()) &&
           scene.AddLoaded(m.cardC = CreateCMissionWnd()) && scene.AddLoaded(m.cardC2 = CreateC2MissionWnd()) &&
           scene.AddLoaded(m.kungjjak = CreateKJMissionWnd());
}
