#include "scene/CMirelleVWS.h"

#include "views/CVHTWnd.h"

void CMirelleVWS::StackDeck(DeckStack which)
{
    std::vector<int32_t> slots;
    if (which == DeckStack::AllSlots) {
        for (int32_t s = kCardCount - 1; s >= 0; --s) slots.push_back(s);
    } else {
        slots = gameInfo.deck;
    }
    const std::vector<Point> points = DeckStackPoints(slots.size(), IsDesperateRoom());
    for (size_t i = 0; i < slots.size(); ++i) {
        CVHTWnd* card = CardWndBySlot(slots[i]);
        if (!card) continue;
        card->SetPos(points[i]);
        card->Show(true);
    }
    if (GVWnd* deck = tableWidgets.deckImage) deck->Show(true);
    SetDirty();
    FlushRedraw();
}

void CMirelleVWS::FadeOutCards(const std::vector<int32_t>& list)
{
    for (int percent : FadeOutSteps()) {
        for (int32_t slot : list) {
            CVHTWnd* card = CardWndBySlot(slot);
            if (!card) continue;
            card->SetTransparency(percent);
            card->Invalidate();
        }
        SetDirty();
        Delay(20);
    }
    for (int32_t slot : list)
        if (CVHTWnd* card = CardWndBySlot(slot)) card->SetAlpha(0);
    SetDirty();
}
