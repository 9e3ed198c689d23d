#include "table/flows/PeripheryFlow.h"

#include "table/core/ResultHandlerRules.h"
#include "table/flows/RoomStage.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVDesperateResultWnd.h"
#include "views/CVGFPlayCountWnd.h"
#include "views/CVItemWnd.h"
#include "views/CVMirelleBijouWnd.h"
#include "views/CVRankingPointWnd.h"
#include "views/CVRestrictOptionWnd.h"
#include "views/CVResultWnd.h"
#include "views/CVUserOptionWnd.h"

void PeripheryFlow::UpdateRestrict(bool show, bool countdown)
{
    CVRestrictOptionWnd* panel = periphery.restrictOption;
    if (!panel) return;
    panel->Update(show, countdown);
    stage.InvalidateWnd(panel);
}

void PeripheryFlow::ShowPlayCount(bool alert)
{
    CVGFPlayCountWnd* panel = periphery.playCount;
    if (!panel) return;
    const ResultHandlerRules::PlayCountPlan plan = ResultHandlerRules::PlanPlayCount(
        static_cast<uint32_t>(ownUser.playLimitClass), static_cast<uint32_t>(ownUser.dailyPlayCount));
    if (plan.limited) {
        panel->SetPlayCount(ownUser.dailyPlayCount, ownUser.freePlayValue);
        if (alert && plan.alert) panel->ShowLimitAlert();
    } else {
        panel->Reset();
    }
    // The title-bar caption stands right of the panel while it shows, else over its place.
    if (GVTextWnd* caption = roomButtons.titleText) {
        const Rect place = panel->GetRect();
        const int32_t x = plan.limited ? place.right + plan.captionOffset : place.left + plan.captionOffset;
        caption->SetPos({x, caption->GetPos().y});
    }
    stage.InvalidateWnd(panel);
}

void PeripheryFlow::ShowRankingPoints(int seat, int32_t points)
{
    CVRankingPointWnd* panel = periphery.rankingPoint;
    if (!panel) return;
    panel->AddPoints(RoomRecords::IsSeat(seat) ? &records.GetPlayer(seat) : nullptr, points);
    stage.InvalidateWnd(panel);
}

namespace {

// The result panels of both kinds keep an item strip of their own.
template <class Panel>
void ReserveOn(Panel* panel, const RCUser& own, int seat, bool superman, bool assa, int32_t grade)
{
    CVItemWnd* items = panel ? panel->GetItemWnd() : nullptr;
    if (!items) return;
    if (superman) items->ReserveSupermanItem(seat, 0, grade);
    if (assa) items->ReserveAssaItem(seat, own.assaValue, grade);
    if (items->ShowItems()) panel->SetItemShown(true);
}

}  // namespace

void PeripheryFlow::ReserveItems(int seat, bool superman, bool assa, int32_t grade)
{
    // Target-score rooms show their rounds on their own result panel; the ordinary one stays hidden.
    if (records.IsDesperateRoom()) {
        ReserveOn(periphery.desperateResult, ownUser, seat, superman, assa, grade);
        if (periphery.desperateResult) stage.InvalidateWnd(periphery.desperateResult);
        return;
    }
    ReserveOn(resultWidgets.result, ownUser, seat, superman, assa, grade);
    if (resultWidgets.result) stage.InvalidateWnd(resultWidgets.result);
}

void PeripheryFlow::EnterJewels(const RoomEnterAnswer& body)
{
    CVMirelleBijouWnd* panel = periphery.bijou;
    ownUser.jewelKind = static_cast<int32_t>(body.jewelKind);
    ownUser.jewelCount = static_cast<int32_t>(body.jewelCount);
    if (!panel) return;
    panel->SetBijouInfo(body.jewelSwitch != 0, ownUser.jewelKind, ownUser.jewelCount, 0);
    stage.InvalidateWnd(panel);
}

void PeripheryFlow::ShowJewelsAfterGame(int32_t kind, int32_t gain, bool newKind)
{
    CVMirelleBijouWnd* panel = periphery.bijou;
    if (!panel) return;
    if (newKind) panel->SetBijouKind(kind);
    if (gain > 0) {
        panel->StartEffect(true, true);
        panel->AddBijou(gain);
    }
    stage.InvalidateWnd(panel);
}

void PeripheryFlow::ShowStakeLevel()
{
    if (CVMirelleBijouWnd* panel = periphery.bijou) {
        panel->SetStakeLevel(records.stakeLevel);
        stage.InvalidateWnd(panel);
    }
}

void PeripheryFlow::RebuildRoomOptionText()
{
    if (CVUserOptionWnd* panel = periphery.userOption) {
        panel->BuildRoomOptionText();
        stage.InvalidateWnd(panel);
    }
}
