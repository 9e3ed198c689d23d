#include "table/TableEngine.h"

#include "table/TableStage.h"
#include "views/CVHTWnd.h"

namespace {

constexpr int kOpaqueAlpha = 255;

}  // namespace

void TableEngine::StackDeck(DeckStack which)
{
    std::vector<int32_t> slots;
    if (which == DeckStack::AllSlots) {
        for (int32_t s = kCardCount - 1; s >= 0; --s) slots.push_back(s);
    } else {
        // The deck's first card is drawn next and lies over the others: it takes the top of the stack.
        slots.assign(gameInfo.deck.rbegin(), gameInfo.deck.rend());
    }
    const std::vector<Point> points = DeckStackPoints(slots.size(), records.IsDesperateRoom());
    for (size_t i = 0; i < slots.size(); ++i) {
        CVHTWnd* card = CardWndBySlot(slots[i]);
        if (!card) continue;
        card->SetPos(points[i]);
        card->Show(true);
    }
    if (GVWnd* deck = tableWidgets.deckImage) deck->Show(true);
    stage.FlushRedraw();
}

void TableEngine::FadeOutCards(const std::vector<int32_t>& list)
{
    for (int percent : FadeOutSteps()) {
        for (int32_t slot : list) {
            CVHTWnd* card = CardWndBySlot(slot);
            if (!card) continue;
            card->SetTransparency(percent);
            card->Invalidate();
        }
        stage.SetDirty();
        stage.Delay(20);
    }
    // The cards stay on the table: they end opaque, not at alpha 0.
    for (int32_t slot : list)
        if (CVHTWnd* card = CardWndBySlot(slot)) card->SetAlpha(kOpaqueAlpha);
    stage.SetDirty();
}
