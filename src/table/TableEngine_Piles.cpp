#include "table/TableEngine.h"

#include "foundation/Debug.h"
#include "table/TableStage.h"
#include "table/core/PileLayout.h"
#include "table/core/TableLayout.h"
#include "toolkit/GVBoxWnd.h"
#include "views/CVCountWnd.h"
#include "views/CVHTWnd.h"

int TableEngine::ScreenSlotOf(int seat)
{
    return RoomRecords::IsSeat(seat) ? records.GetPlayer(seat).screenSlot : -1;
}

void TableEngine::PlacePileCard(int32_t slot, Point at)
{
    CVHTWnd* card = CardWndBySlot(slot);
    if (!card) return;
    card->SetPos(at);
    card->Show(true);
    // The pile marker lies over its card while the card is in a pile.
    if (GVBoxWnd* marker = tableWidgets.cardBoxes[static_cast<size_t>(SlotOf(slot))]) {
        marker->SetRect(card->GetRect());
        marker->Show(true);
        stage.StackWndBefore(card, marker);
    }
}

void TableEngine::HidePileMarker(int32_t slot)
{
    if (GVBoxWnd* marker = tableWidgets.cardBoxes[static_cast<size_t>(SlotOf(slot))]) marker->Show(false);
}

void TableEngine::ClearPileMarks()
{
    for (GVBoxWnd* marker : tableWidgets.cardBoxes)
        if (marker) marker->Show(false);
    for (CVCountWnd* count : tableWidgets.piCounts)
        if (count) count->SetCount(0);
    stage.SetDirty();
}

void TableEngine::LayoutCapturedPile(int seat, int32_t category)
{
    if (!RoomRecords::IsSeat(seat)) return;
    if (category == CardCategory::Pi) {
        LayoutPiPile(seat);
        return;
    }
    const auto& pile = tableModel.Slots(TableList::Pile(seat, category));
    if (pile.empty()) return;
    for (const PilePlacement& p : ::LayoutCapturedPile(pile, ScreenSlotOf(seat), category))
        PlacePileCard(p.slot, p.position);
    if (category == CardCategory::Animal) stage.ShowNineTenClip(seat, gameInfo.septemberChoice == 0);
    stage.SetDirty();
    stage.FlushRedraw();
}

void TableEngine::LayoutPiPile(int seat)
{
    if (!RoomRecords::IsSeat(seat)) return;
    const auto layout = ::LayoutPiPile(tableModel.PiCardsOf(seat), ScreenSlotOf(seat));
    if (!layout) return;
    CHTUser& user = records.RoundUser(seat);
    const int screenSlot = ScreenSlotOf(seat);
    CVCountWnd* count = screenSlot == 0 || screenSlot == 1 ? tableWidgets.piCounts[static_cast<size_t>(screenSlot)] : nullptr;
    if (count) {
        count->SetCount(0);
        stage.InvalidateWnd(count);
        stage.FlushRedraw();
    }
    user.piCount = 0;
    if (layout->cards.empty()) return;
    if (layout->restack == Restack::Yes) {
        std::vector<int32_t> order;
        for (const PilePlacement& p : layout->cards) order.push_back(p.slot);
        if (!tableModel.ReorderList(TableList::Pile(seat, CardCategory::Pi), order))
            DebugLine("LayoutPiPile: seat %d's pi pile does not take its rows", seat);
        for (const int32_t slot : order) RaiseBelowAnchor(CardWndBySlot(slot));
    }
    for (const PilePlacement& p : layout->cards) PlacePileCard(p.slot, p.position);
    if (count && layout->countCorner) {
        count->SetPos(*layout->countCorner - Point{count->GetRect().Width(), count->GetRect().Height()});
        count->SetCount(layout->total);
        // Over the pile's cards, which moved in below the anchor.
        RaiseBelowAnchor(count);
        stage.InvalidateWnd(count);
    }
    user.piCount = layout->total;
    stage.SetDirty();
    stage.FlushRedraw();
}

void TableEngine::LayoutFloorSlot(int32_t floorSlot, bool flag)
{
    static_cast<void>(flag);  // callers pass it; the fan is the same either way
    if (floorSlot < 0 || floorSlot >= COpenInfo::kSlotCount || floor.GetSlot(floorSlot).count == 0) return;
    for (const PilePlacement& p :
         ::LayoutFloorSlot(floor.GetSlot(floorSlot).position, tableModel.CardsInFloorSlot(floorSlot)))
        if (CVHTWnd* card = CardWndBySlot(p.slot)) card->SetPos(p.position);
    stage.FlushRedraw();
}
