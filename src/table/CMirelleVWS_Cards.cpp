#include "scene/CMirelleVWS.h"

#include "views/CVHTWnd.h"

CVHTWnd* CMirelleVWS::CardWndBySlot(int32_t slot) const
{
    return cardWnds[static_cast<size_t>(SlotOf(slot))];
}

CardFace CMirelleVWS::FaceOfSlot(int32_t slot) const
{
    const CVHTWnd* w = CardWndBySlot(slot);
    return w ? w->GetFace() : CardFace{};
}

GVWnd* CMirelleVWS::GetHandMarker(int handSlot, int index) const
{
    if (handSlot < 0 || handSlot >= CVHTWnd::kHandSlots || index < 0 || index >= CVHTWnd::kMarkersPerHandSlot)
        return nullptr;
    return handMarkers[static_cast<size_t>(handSlot)][static_cast<size_t>(index)];
}

GVWnd* CMirelleVWS::GetFloorMarker(int floorSlot) const
{
    if (floorSlot < 0 || floorSlot >= COpenInfo::kSlotCount) return nullptr;
    return floorMarkers[static_cast<size_t>(floorSlot)];
}

int32_t CMirelleVWS::MissesAvailableMatch(int32_t card) const
{
    const int own = FindSeatByKey(ownUser.userKey);
    if (own < 0 || !IsValidCardId(card)) return 0;
    const int32_t month = GetCardInfo(card).month;
    if (month != kBonusMonth && CountCardsOfMonth(floor.cards, month) > 0) return 0;
    // The card takes nothing: it misses when another hand card could have taken a floor card.
    for (int32_t slot : gameInfo.users[static_cast<size_t>(own)].hand) {
        const CardFace f = FaceOfSlot(slot);
        if (f.cardId == card || f.month == kBonusMonth || !IsValidCardId(f.cardId)) continue;
        if (CountCardsOfMonth(floor.cards, f.month) > 0) return 1;
    }
    return 0;
}

int CMirelleVWS::CountCardsOfMonth(const std::vector<int32_t>& list, int32_t month) const
{
    return ::CountCardsOfMonth(list, month, [this](int32_t s) { return FaceOfSlot(s); });
}

int CMirelleVWS::CountCardsOfSpecial(const std::vector<int32_t>& list, int32_t special) const
{
    return ::CountCardsOfSpecial(list, special, [this](int32_t s) { return FaceOfSlot(s); });
}

int32_t CMirelleVWS::FindCardById(const std::vector<int32_t>& list, int32_t cardId) const
{
    return ::FindCardById(list, cardId, [this](int32_t s) { return FaceOfSlot(s); });
}

int32_t CMirelleVWS::FindCardOfMonth(const std::vector<int32_t>& list, int32_t month) const
{
    return ::FindCardOfMonth(list, month, [this](int32_t s) { return FaceOfSlot(s); });
}

int32_t CMirelleVWS::FindCardOfSpecial(const std::vector<int32_t>& list, int32_t special) const
{
    return ::FindCardOfSpecial(list, special, [this](int32_t s) { return FaceOfSlot(s); });
}

size_t CMirelleVWS::CollectCardsOfSpecial(std::vector<int32_t>& out, const std::vector<int32_t>& in,
                                          int32_t special) const
{
    return ::CollectCardsOfSpecial(out, in, special, [this](int32_t s) { return FaceOfSlot(s); });
}

void CMirelleVWS::StackDeck(int allSlots)
{
    std::vector<int32_t> slots;
    if (allSlots) {
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
    if (deckImage) deckImage->Show(true);
    dirty = 1;
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
        dirty = 1;
        Delay(20);
    }
    for (int32_t slot : list)
        if (CVHTWnd* card = CardWndBySlot(slot)) card->SetAlpha(0);
    dirty = 1;
}
