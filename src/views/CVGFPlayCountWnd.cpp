#include "views/CVGFPlayCountWnd.h"

#include "toolkit/GVDDSWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/core/CountRules.h"

bool CVGFPlayCountWnd::CreateChildren(PeripheryOwner& roomOwner)
{
    room = &roomOwner;
    WidgetFactory f = BeginChildren(roomOwner);
    if (!Adopt(alert = f.CreateQZAniWnd("PCRefill\\alert.qza", {0, 0}))) return false;
    // The button fills the panel: the gauge and the count draw over it.
    refillButton = f.CreatePSPPushBtn("PCRefill\\btn.psp", {0, 0}, Visible::Yes, kRefillImageSets);
    if (!Adopt(refillButton)) return false;
    // Two pixels high; its width follows the games left.
    if (!Adopt(gauge = f.CreateDDSWnd("PCRefill\\gauge.bmp", -1, {4, 16}, {38, 2}))) return false;
    if (!Adopt(countText = f.CreateTextWnd("", {5, 5}, {36, 14}, 12, 400, 0x00FF00))) return false;
    countText->SetTextFormat(DT_RIGHT);
    SetPos(kOrigin);
    Reset();
    return true;
}

void CVGFPlayCountWnd::Clear()
{
    CVPanel::Clear();
    room = nullptr;
    alert = nullptr;
    gauge = nullptr;
    countText = nullptr;
    refillButton = nullptr;
}

int CVGFPlayCountWnd::Reset()
{
    for (GVWnd* child : Children()) child->Show(false);
    Show(false);
    Invalidate();
    return 1;
}

void CVGFPlayCountWnd::SetPlayCount(int32_t count, int64_t freePlay)
{
    const bool unlimited = room && room->GetOwnUser().unlimitedPlay == 1;
    const std::optional<CountRules::PlayCountView> view = CountRules::PlanPlayCount(count, freePlay, unlimited);
    if (!view) return;
    if (gauge) {
        gauge->SetRect(Rect(gauge->GetRect().TopLeft(), Size{view->gaugeWidth, 2}));
        gauge->Show(true);
    }
    if (countText) {
        countText->SetText(view->text);
        countText->Show(true);
    }
    if (refillButton) {
        (void)refillButton->SetImageSet(view->refillImageSet);  // a one-set picture keeps its set
        refillButton->Show(true);
    }
    Show(true);
    Invalidate();
}

void CVGFPlayCountWnd::ShowLimitAlert()
{
    if (alert) {
        alert->Show(true);
        alert->Play(1, true);
    }
    if (!room) return;
    const RCUser& own = room->GetOwnUser();
    const std::string notice = CountRules::LimitNotice(own.unlimitedPlay == 1, own.freePlayValue);
    if (!notice.empty()) room->PrintPanelChat(notice);
    Invalidate();
}

void CVGFPlayCountWnd::OnChildClick(GVWnd& child)
{
    if (&child != refillButton || !room) return;
    const RCUser& own = room->GetOwnUser();
    CountRules::RefillInput in;
    in.imageSet = refillButton->GetImageSet();
    in.unlimited = own.unlimitedPlay == 1;
    in.royal = own.memberRoyal;
    in.gold = own.memberGold;
    in.club = own.memberClub;
    in.freePlay = own.freePlayValue;
    in.dailyCount = own.dailyPlayCount;
    const CountRules::RefillAction action = CountRules::RefillClick(in);
    if (action == CountRules::RefillAction::RefillPage) {
        room->OpenRefillPage();
    } else {
        const CountRules::Box box = CountRules::RefillBox(action, in);
        room->ShowPanelBox(box.text, box.title, 5000);
    }
    room->PlayPanelSound(PeripheryOwner::kButtonSound);
    Invalidate();
}
