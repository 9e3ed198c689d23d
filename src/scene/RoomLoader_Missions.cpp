#include "scene/RoomLoader.h"

#include "scene/CMirelleVWS.h"

#include "foundation/core/Text.h"
#include "scene/PanelMaker.h"
#include "views/CVCMissionWnd.h"
#include "views/CVDMissionWnd.h"
#include "views/CVKJMissionWnd.h"
#include "views/CVSMissionWnd.h"

CVSMissionWnd* RoomLoader::CreateSMissionWnd()
{
    return MakePanel<CVSMissionWnd>(scene, scene.MissionPanelsOwner(), scene.options.skin);
}

CVDMissionWnd* RoomLoader::CreateDMissionWnd()
{
    return MakePanel<CVDMissionWnd>(scene, scene.MissionPanelsOwner(), scene.options.skin);
}

CVCMissionWnd* RoomLoader::CreateCMissionWnd()
{
    return MakePanel<CVCMissionWnd>(scene, scene.MissionPanelsOwner(), scene.options.skin);
}

CVC2MissionWnd* RoomLoader::CreateC2MissionWnd()
{
    return MakePanel<CVC2MissionWnd>(scene, scene.MissionPanelsOwner(), scene.options.skin);
}

CVKJMissionWnd* RoomLoader::CreateKJMissionWnd()
{
    return MakePanel<CVKJMissionWnd>(scene, scene.MissionPanelsOwner(), scene.options.skin, scene.optionsKey,
                                            FormatText("%d", kGameNumber));
}

// One panel per mission mode, in the mode's order.
bool RoomLoader::LoadMissionPanels(WidgetFactory&)
{
    MissionPanels& m = scene.missions;
    return scene.AddLoaded(m.single = CreateSMissionWnd()) && scene.AddLoaded(m.twoCard = CreateDMissionWnd()) &&
           scene.AddLoaded(m.cardC = CreateCMissionWnd()) && scene.AddLoaded(m.cardC2 = CreateC2MissionWnd()) &&
           scene.AddLoaded(m.kungjjak = CreateKJMissionWnd());
}
