#include "scene/CMirelleVWS.h"

#include "foundation/core/Text.h"
#include "scene/PanelMaker.h"
#include "views/CVCMissionWnd.h"
#include "views/CVDesperateResultWnd.h"
#include "views/core/TargetScoreRules.h"
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

void CMirelleVWS::SetMissionSkins(int skin)
{
    MissionPanels& m = missions;
    if (m.single) m.single->SetSkin(skin);
    if (m.twoCard) m.twoCard->SetSkin(skin);
    if (m.cardC) m.cardC->SetSkin(skin);
    if (m.cardC2) m.cardC2->SetSkin(skin);
    if (m.kungjjak) m.kungjjak->SetSkin(skin);
}

void CMirelleVWS::ShowDesperateResult(const DesperateRoundResult& body)
{
    if (IsLoadingResources()) return;
    SetAutoPlay(false);
    if (CVDesperateResultWnd* panel = periphery.desperateResult) {
        panel->SetResult(body);
        InvalidateWnd(panel);
    }
    SetDirty();
}

// The room's second challenge rule is named by the room's options (challengeRule, non-zero).
ResultOwner::TargetScoreRoom CMirelleVWS::GetTargetScoreRoom() const
{
    TargetScoreRoom r;
    const Option& o = room.option;
    r.bet = TargetScoreRules::BetOf(room.roomKind, o.betIndex, o.customBet).value_or(0);
    for (size_t i = 0; i < 2; ++i) {
        const PlayerInfo& p = room.seats.players[i];
        r.seatMoney[i] = p.gameMoney;
        r.points[i] = p.targetScorePoints;
    }
    r.otherChallengeRule = o.challengeRule != 0;
    return r;
}

void CMirelleVWS::SendChallenge(int choice)
{
    static_cast<void>(Requests().SendChallenge(choice));
}
