#include "scene/CMirelleVIPMgr.h"

#include "foundation/core/Clock.h"
#include "protocol/MessageBodies.h"
#include "scene/LoadTarget.h"
#include "scene/WidgetOps.h"
#include "table/core/CardModel.h"
#include "toolkit/GVTextWnd.h"
#include "views/WidgetFactory.h"

using namespace VipRules;

namespace {

constexpr Point kIconPoint[2][CMirelleVIPMgr::kIconsPerSlot] = {
    {{19, 497}, {117, 438}, {117, 496}},
    {{19, 64}, {117, 64}, {117, 121}},
};
constexpr Point kAlertPoint{407, 493};
constexpr Point kAlertTextOffset{3, 5};
constexpr Size kAlertTextSize{206, 12};
constexpr struct {
    uint32_t colorRef;
    int weight;
} kAlertTexts[2] = {{0x0068F4FF, 700}, {0x00FFFFFF, 400}};

// The card-table kind of each combination's cards, in the order of the lists.
constexpr int32_t kCombinationSpecial[CMirelleVIPMgr::kCombinationCount] = {
    CardSpecial::Gwang, CardSpecial::Godori, CardSpecial::Hongdan, CardSpecial::Chungdan, CardSpecial::Chodan};

}  // namespace

CMirelleVIPMgr::~CMirelleVIPMgr() = default;

bool CMirelleVIPMgr::Create(WidgetFactory& factory, LoadTarget& target)
{
    for (size_t slot = 0; slot < icons.size(); ++slot)
        for (size_t i = 0; i < kIconsPerSlot; ++i)
            if (!target.AddRunning(icons[slot][i] = factory.CreateQZAniWnd(kIconFile, kIconPoint[slot][i])))
                return false;
    if (!target.AddRunning(alert = factory.CreateQZAniWnd("VIP\\vip_alarm.qza", kAlertPoint))) return false;
    for (size_t i = 0; i < alertTexts.size(); ++i) {
        alertTexts[i] = factory.CreateTextWnd("", kAlertPoint + kAlertTextOffset, kAlertTextSize, 12,
                                              kAlertTexts[i].weight, kAlertTexts[i].colorRef);
        if (!target.Add(alertTexts[i])) return false;
        alertTexts[i]->Show(false);
    }
    for (auto& list : combinationCards) list.clear();
    // The month cards 0..47; the two bonus cards belong to no combination.
    for (int32_t id = 0; id < kCardCount - 2; ++id) {
        const int32_t special = GetCardInfo(id).special;
        for (size_t c = 0; c < kCombinationCount; ++c)
            if (kCombinationSpecial[c] == special) combinationCards[c].push_back(id);
    }
    return true;
}

void CMirelleVIPMgr::AddIconsToScene(GVWS& scene, GVWnd* reference)
{
    // Each goes directly below the reference, above the one moved before: the order stays. The
    // scene refuses a reference it does not hold and then leaves the icon where it was.
    for (const auto& slotIcons : icons)
        for (GVQZAniWnd* icon : slotIcons) scene.InsertWndAfter(reference, icon);
}

void CMirelleVIPMgr::OnVIPUpdate(const VIPUpdate& body)
{
    SetGates(body.gates);
    const int64_t ownMoney = host ? host->GetOwnMoney() : 0;
    helper.SetVIPDialogTexts(body.playSeconds, body.wins, body.losses, ownMoney, body.moneyChange);
    helper.UpdateVIPDialogControls(body.gates[0], body.gates[1], body.gates[2]);
    Refresh();
}

bool CMirelleVIPMgr::GatesOpen() const
{
    return helper.IsAlertOn() && gates[2] != 0;
}

void CMirelleVIPMgr::Refresh()
{
    if (!host || !host->IsRoundRunning()) return;
    const int own = host->GetOwnSeat();
    if (own < 0) return;
    UpdateJokboIcons(own, GatesOpen());
    UpdateHoldMarks(own, GatesOpen());
}

void CMirelleVIPMgr::UpdateJokboIcons(int seat, bool enabled)
{
    if (!enabled) {
        HideAllIcons();
        return;
    }
    if (!host || !GatesOpen() || !host->IsRoundRunning() || seat < 0 || seat > 1) return;
    const int opponent = 1 - seat;
    ShowVIPIcons(opponent, CombinationFlags(host->GetTableView(seat), opponent, seat));
}

void CMirelleVIPMgr::ShowVIPIcons(int seat, uint32_t flags)
{
    if (!host || seat < 0 || seat > 1) return;
    const int slot = host->GetScreenSlot(seat);
    if (slot < 0 || slot > 1) return;
    const std::array<int32_t, kIconCount> clips = IconClips(flags);
    bool started = false;
    for (size_t i = 0; i < kIconsPerSlot; ++i) {
        GVQZAniWnd* icon = icons[static_cast<size_t>(slot)][i];
        if (!icon) continue;
        if (clips[i] == kNoClip) {
            HideAndRedraw(icon);
            continue;
        }
        if (icon->IsVisible() && icon->IsPlaying() && icon->GetSubAnimation() == clips[i]) continue;
        icon->SelectAnimation(clips[i]);
        icon->Play(-1, false);
        host->InvalidateWnd(icon);
        started = true;
    }
    if (started) host->PlayIconSound();
}

void CMirelleVIPMgr::HideAllIcons()
{
    for (const auto& slotIcons : icons)
        for (GVQZAniWnd* icon : slotIcons) HideAndRedraw(icon);
}

void CMirelleVIPMgr::HideHoldMarks()
{
    if (!host) return;
    for (int k = 0; k < kHoldSlots; ++k) HideAndRedraw(host->GetHoldMarker(k));
}

void CMirelleVIPMgr::HideAndRedraw(GVQZAniWnd* wnd)
{
    if (!wnd) return;
    const bool shown = wnd->IsVisible();
    StopAndHide(wnd);
    if (shown && host) host->InvalidateWnd(wnd);
}

void CMirelleVIPMgr::UpdateHoldMarks(int seat, bool enabled)
{
    // Marks of an earlier hand never stay over the cards that took their slots.
    HideHoldMarks();
    if (!enabled || !host || !GatesOpen() || seat < 0 || seat > 1 || !host->IsRoundRunning()) return;
    const std::vector<int32_t> months = HoldMonths(host->GetTableView(seat), 1 - seat, seat);
    const std::vector<bool> slots = HoldSlots(host->GetHandIds(seat), months);
    for (size_t k = 0; k < slots.size(); ++k) {
        if (!slots[k]) continue;
        GVQZAniWnd* marker = host->GetHoldMarker(static_cast<int>(k));
        if (!marker) continue;
        if (GVWnd* card = host->GetOwnHandCard(static_cast<int>(k))) host->StackWndBefore(card, marker);
        marker->Play(-1, false);
        host->InvalidateWnd(marker);
    }
}

void CMirelleVIPMgr::SetAlert(int32_t minutes, int32_t games, int64_t money)
{
    alarm.SetAlert(Clock::NowMs(), minutes, games, money);
}

void CMirelleVIPMgr::PrintProgressNotice(int64_t change)
{
    const auto show = alarm.OnRoundEnd(Clock::NowMs(), change);
    if (!show || !alert) return;
    if (!show->first.empty()) ShowAlertTexts(*show);
    alert->SelectAnimation(show->clip);
    alert->SetFrame(0);
    alert->Play(1, false);
    if (host) host->InvalidateWnd(alert);
}

void CMirelleVIPMgr::ShowAlertTexts(const AlertShow& show)
{
    GVTextWnd* first = alertTexts[0];
    GVTextWnd* second = alertTexts[1];
    if (!first || !second || !host) return;
    first->SetText(show.first);
    second->SetText(show.second);
    const int32_t w1 = host->MeasureText(*first, show.first);
    const int32_t w2 = host->MeasureText(*second, show.second);
    const int32_t left = CenteredTextLeft(w1, w2);
    const Point at = alert->GetPos();
    first->SetPos(at + Point{left, kAlertTextOffset.y});
    second->SetPos(at + Point{left + w1, kAlertTextOffset.y});
}

void CMirelleVIPMgr::Step()
{
    GVTextWnd* first = alertTexts[0];
    const bool pending = first && !first->GetText().empty() && !first->IsVisible();
    switch (alarm.Step(Clock::NowMs(), pending)) {
    case AlertMachine::StepAction::None: return;
    case AlertMachine::StepAction::ShowTexts:
        for (GVTextWnd* t : alertTexts) {
            ShowIf(t, true);
            if (t && host) host->InvalidateWnd(t);
        }
        return;
    case AlertMachine::StepAction::Clear:
        HideAlert();
        helper.ClearStoredSecondAndAmount();
        return;
    }
}

void CMirelleVIPMgr::HideAlert()
{
    HideAndRedraw(alert);
    for (GVTextWnd* t : alertTexts)
        if (t) {
            if (t->IsVisible() && host) host->InvalidateWnd(t);
            t->Show(false);
            t->SetText("");
        }
}

void CMirelleVIPMgr::Clear()
{
    for (auto& slotIcons : icons) slotIcons.fill(nullptr);
    alert = nullptr;
    alertTexts.fill(nullptr);
    alarm = AlertMachine{};
}

void CMirelleVIPMgr::BuildDialog()
{
    if (!host) return;
    helper.CreateVIPDialog(kGameNumber, kDialogResource, host->GetGameWindow(), host->GetImageRoot(),
                           host->GetRegistryPath(), this);
}

void CMirelleVIPMgr::DialogClosed()
{
    if (host) host->OnVipDialogClosed();
}
