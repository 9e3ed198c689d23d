#include "table/TableEngine.h"

#include "views/CVHTWnd.h"

CardFace& TableCardFaces::FaceAt(int32_t slot)
{
    CVHTWnd* w = tableWidgets.cardWnds[static_cast<size_t>(SlotOf(slot))];
    return w ? w->Face() : spare;
}

const CardFace& TableCardFaces::FaceAt(int32_t slot) const
{
    const CVHTWnd* w = tableWidgets.cardWnds[static_cast<size_t>(SlotOf(slot))];
    return w ? w->GetFace() : spare;
}

CVHTWnd* TableEngine::CardWndBySlot(int32_t slot) const
{
    return tableWidgets.cardWnds[static_cast<size_t>(SlotOf(slot))];
}

CardFace TableEngine::FaceOfSlot(int32_t slot) const
{
    const CVHTWnd* w = CardWndBySlot(slot);
    return w ? w->GetFace() : CardFace{};
}

GVWnd* TableEngine::GetHandMarker(int handSlot, int index) const
{
    if (handSlot < 0 || handSlot >= kHandSlots || index < 0 || index >= TableWidgets::kMarkersPerHandSlot)
        return nullptr;
    return tableWidgets.handMarkers[static_cast<size_t>(handSlot)][static_cast<size_t>(index)];
}

GVWnd* TableEngine::GetFloorMarker(int floorSlot) const
{
    if (floorSlot < 0 || floorSlot >= TableWidgets::kFloorSlots) return nullptr;
    return tableWidgets.floorMarkers[static_cast<size_t>(floorSlot)];
}

bool TableEngine::MissesAvailableMatch(int32_t card) const
{
    const int own = records.OwnSeat();
    if (own < 0 || !IsValidCardId(card)) return false;
    const int32_t month = GetCardInfo(card).month;
    if (month != kBonusMonth && CountCardsOfMonth(floor.cards, month) > 0) return false;
    // The card takes nothing: it misses when another hand card could have taken a floor card.
    for (int32_t slot : records.RoundUser(own).hand) {
        const CardFace f = FaceOfSlot(slot);
        if (f.cardId == card || f.month == kBonusMonth || !IsValidCardId(f.cardId)) continue;
        if (CountCardsOfMonth(floor.cards, f.month) > 0) return true;
    }
    return false;
}

int TableEngine::CountCardsOfMonth(const std::vector<int32_t>& list, int32_t month) const
{
    return ::CountCardsOfMonth(list, month, [this](int32_t s) { return FaceOfSlot(s); });
}

int TableEngine::CountCardsOfSpecial(const std::vector<int32_t>& list, int32_t special) const
{
    return ::CountCardsOfSpecial(list, special, [this](int32_t s) { return FaceOfSlot(s); });
}

int32_t TableEngine::FindCardById(const std::vector<int32_t>& list, int32_t cardId) const
{
    return ::FindCardById(list, cardId, [this](int32_t s) { return FaceOfSlot(s); });
}

int32_t TableEngine::FindCardOfMonth(const std::vector<int32_t>& list, int32_t month) const
{
    return ::FindCardOfMonth(list, month, [this](int32_t s) { return FaceOfSlot(s); });
}

int32_t TableEngine::FindCardOfSpecial(const std::vector<int32_t>& list, int32_t special) const
{
    return ::FindCardOfSpecial(list, special, [this](int32_t s) { return FaceOfSlot(s); });
}

size_t TableEngine::CollectCardsOfSpecial(std::vector<int32_t>& out, const std::vector<int32_t>& in,
                                          int32_t special) const
{
    return ::CollectCardsOfSpecial(out, in, special, [this](int32_t s) { return FaceOfSlot(s); });
}
