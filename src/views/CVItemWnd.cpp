#include "views/CVItemWnd.h"

#include "table/core/TableLayout.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVPSPPushBtn.h"

using ItemRules::Item;

namespace {

constexpr Point kMarkPos[CVItemWnd::kChoices] = {{108, 9}, {108, 27}, {108, 43}};
constexpr Point kTextPos[CVItemWnd::kChoices] = {{123, 11}, {123, 28}, {123, 45}};
constexpr uint32_t kChoiceColor = 0x7BF6F8;
constexpr uint32_t kTipFill = 0xE1FFFF;
constexpr uint32_t kPriceColor = 0x7D0000;
constexpr uint32_t kGreyed = 0xC0C0C0;
constexpr Point kPricePos{0, 52};
constexpr int kWholeChoice = 2;

GVTextWnd* CenteredText(WidgetFactory& f, Point p, Size size, int weight, uint32_t color)
{
    GVTextWnd* text = f.CreateTextWnd("", p, size, 12, weight, color);
    if (!text) return nullptr;
    text->SetTextFormat(DT_CENTER);
    text->Show(false);
    return text;
}

}  // namespace

void CVItemWnd::Clear()
{
    CVPanel::Clear();
    room = nullptr;
    back = nullptr;
    choiceMarks.fill(nullptr);
    choiceTexts.fill(nullptr);
    tipBox = nullptr;
    tipText = priceText = nullptr;
    safeButton = nullptr;
    chanceMark = nullptr;
    reservedItem = -1;
    safeLoaded = false;
    amounts.fill(0);
    choiceEnabled.fill(false);
    selected = -1;
}

bool CVItemWnd::CreateChildren(PeripheryOwner& roomOwner)
{
    room = &roomOwner;
    WidgetFactory f = BeginChildren(roomOwner);
    if (!Adopt(back = f.CreateQZSWnd("Item\\back.qzs", {0, 0}, Visible::No))) return false;
    for (size_t i = 0; i < kChoices; ++i) {
        if (!Adopt(choiceMarks[i] = f.CreatePSPWnd("Item\\safe_choice.psp", kMarkPos[i], Visible::No))) return false;
        if (!Adopt(choiceTexts[i] = CenteredText(f, kTextPos[i], {65, 12}, 400, kChoiceColor))) return false;
    }
    // The tip is sized to its text when it shows.
    if (!Adopt(tipBox = f.CreateBoxWnd(Rect({0, 0}, Size{7, 12}), kTipFill, 255, Visible::No))) return false;
    if (!Adopt(tipText = CenteredText(f, {0, 0}, {7, 12}, 400, 0))) return false;
    if (!Adopt(safeButton = f.CreatePSPPushBtn("Item\\safe_btn.psp", {208, 11}, Visible::No, 1))) return false;
    // The chance frames carry their own hot spots; the price sits under them, left of the choices.
    if (!Adopt(chanceMark = f.CreatePSPWnd("Item\\chance.psp", {0, 0}, Visible::No))) return false;
    if (!Adopt(priceText = CenteredText(f, kPricePos, {113, 11}, 700, kPriceColor))) return false;
    CVPanel::Show(false);
    Enable(true);
    return true;
}

int CVItemWnd::Reset()
{
    for (GVWnd* child : children) child->Show(false);
    reservedItem = -1;
    safeLoaded = false;
    CVPanel::Show(false);
    Invalidate();
    return 1;
}

GVTextWnd* CVItemWnd::GetChoiceText(int i) const
{
    return i >= 0 && i < kChoices ? choiceTexts[static_cast<size_t>(i)] : nullptr;
}

GVPSPWnd* CVItemWnd::GetChoiceMark(int i) const
{
    return i >= 0 && i < kChoices ? choiceMarks[static_cast<size_t>(i)] : nullptr;
}

void CVItemWnd::ReserveSupermanItem(int32_t seat, int32_t flag, int32_t grade)
{
    if (flag != 0) return;
    Reserve(seat, Item::Superman, grade);
}

void CVItemWnd::ReserveAssaItem(int32_t seat, int32_t item, int32_t grade)
{
    if (item < 1 || item > 5) return;
    Reserve(seat, static_cast<Item>(item), grade);
}

void CVItemWnd::Reserve(int32_t seat, Item item, int32_t grade)
{
    if (!room) return;
    const int32_t kind = room->GetRoomFacts().roomKind;
    if (!ItemRules::CanReserve(seat, item, grade, kind)) return;
    (void)room->RequestHost(HostRequestCode::ReserveItem, ItemRules::HostItemCode(item));
    std::string nickname, userId;
    (void)room->GetSeatNames(seat, nickname, userId);
    room->PrintPanelChat(ItemRules::ReservationLine(nickname, userId, item, grade));
    const Item held = static_cast<Item>(reservedItem);
    if (!ItemRules::RaisesMark(held, item)) return;
    if (chanceMark) chanceMark->SetFrame(ItemRules::ChanceFrame(item, IsTargetScoreRoom(kind)));
    if (priceText) priceText->SetText(std::string("최고") + ItemRules::ItemPrice(item, grade));
    reservedItem = static_cast<int>(item);
    Invalidate();
}

void CVItemWnd::SetSafeChoices(int64_t first, int64_t second, int64_t whole, int64_t limit, int32_t flag)
{
    if (first == -1 || flag != 0) return;
    const ItemRules::SafeChoices plan = ItemRules::PlanSafeChoices(first, second, whole, limit);
    for (size_t i = 0; i < kChoices; ++i) {
        amounts[i] = plan.amounts[i];
        choiceEnabled[i] = plan.enabled[i];
        if (GVTextWnd* t = choiceTexts[i]) {
            t->SetText(plan.texts[i]);
            t->SetTextColor(plan.enabled[i] ? kChoiceColor : kGreyed);
        }
    }
    if (tipText) tipText->SetText(plan.tipText);
    const Size tip{ItemRules::TipWidth(plan.tipText), 12};
    if (tipBox) tipBox->SetRect(Rect(tipBox->GetPos(), tip));
    if (tipText) tipText->SetSize(tip);
    selected = -1;
    Select(plan.selected);
    // Without a choice to take there is nothing to ask the host for.
    if (safeButton) safeButton->Enable(plan.selected >= 0);
    safeLoaded = true;
    Invalidate();
}

void CVItemWnd::Select(int choice)
{
    selected = choice;
    for (int i = 0; i < kChoices; ++i) {
        const size_t n = static_cast<size_t>(i);
        if (choiceMarks[n]) choiceMarks[n]->SetFrame(i == choice ? 1 : 0);
        if (choiceTexts[n]) choiceTexts[n]->SetFont(12, i == choice ? 700 : 400);
    }
    Invalidate();
}

bool CVItemWnd::ShowItems()
{
    if (!safeLoaded && reservedItem < 0) return false;
    if (safeLoaded) {
        for (GVWnd* w : std::initializer_list<GVWnd*>{back, safeButton}) if (w) w->Show(true);
        for (size_t i = 0; i < kChoices; ++i) {
            if (choiceMarks[i]) choiceMarks[i]->Show(true);
            if (choiceTexts[i]) choiceTexts[i]->Show(true);
        }
    }
    if (reservedItem >= 0) {
        if (chanceMark) chanceMark->Show(true);
        if (priceText) priceText->Show(true);
    }
    CVPanel::Show(true);
    Invalidate();
    return true;
}

int CVItemWnd::ChoiceAt(Point p) const
{
    for (int i = 0; i < kChoices; ++i) {
        const size_t n = static_cast<size_t>(i);
        for (const GVWnd* w : {static_cast<const GVWnd*>(choiceMarks[n]), static_cast<const GVWnd*>(choiceTexts[n])})
            if (w && w->IsVisible() && w->GetRect().Contains(p.x, p.y)) return i;
    }
    return -1;
}

int CVItemWnd::OnLButtonDown(UINT flags, Point p)
{
    if (!IsVisible() || !IsEnabled()) return 0;
    const int choice = ChoiceAt(p);
    if (choice >= 0) {
        if (choiceEnabled[static_cast<size_t>(choice)] && choice != selected) Select(choice);
        return 1;
    }
    return CVPanel::OnLButtonDown(flags, p);
}

int CVItemWnd::OnMouseMove(UINT flags, Point p)
{
    const int routed = CVPanel::OnMouseMove(flags, p);
    const bool overWhole = IsVisible() && safeLoaded && ChoiceAt(p) == kWholeChoice;
    if (overWhole) {
        if (tipBox) tipBox->SetPos(p + Point{20, 10});
        if (tipText) tipText->SetPos(p + Point{22, 12});
    }
    const bool changed = (tipBox && tipBox->IsVisible() != overWhole) || overWhole;
    if (tipBox) tipBox->Show(overWhole);
    if (tipText) tipText->Show(overWhole);
    if (changed) Invalidate();
    return routed || overWhole ? 1 : 0;
}

void CVItemWnd::OnChildClick(GVWnd& child)
{
    if (&child != safeButton || !room) return;
    if (selected < 0 || !choiceEnabled[static_cast<size_t>(selected)]) return;
    room->RequestItemUse(amounts[static_cast<size_t>(selected)]);
    room->PlayPanelSound(PeripheryOwner::kButtonSound);
}
