#include "scene/CMirelleVWS.h"

#include "foundation/core/Text.h"
#include "scene/PanelMaker.h"
#include "views/CVCMissionWnd.h"
#include "views/CVDMissionWnd.h"
#include "views/CVKJMissionWnd.h"
#include "views/CVSMissionWnd.h"

CVSMissionWnd* CMirelleVWS::CreateSMissionWnd()
{
    return MakePanel<CVSMissionWnd>(*this, MissionPanelsOwner(), options.skin);
}

CVDMissionWnd* CMirelleVWS::CreateDMissionWnd()
{
    return MakePanel<CVDMissionWnd>(*this, MissionPanelsOwner(), options.skin);
}

CVCMissionWnd* CMirelleVWS::CreateCMissionWnd()
{
    return MakePanel<CVCMissionWnd>(*this, MissionPanelsOwner(), options.skin);
}

CVC2MissionWnd* CMirelleVWS::CreateC2MissionWnd()
{
    return MakePanel<CVC2MissionWnd>(*this, MissionPanelsOwner(), options.skin);
}

CVKJMissionWnd* CMirelleVWS::CreateKJMissionWnd()
{
    return MakePanel<CVKJMissionWnd>(*this, MissionPanelsOwner(), options.skin, optionsKey,
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
