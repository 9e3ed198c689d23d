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
    const auto faceOf = [this](int32_t slot) { return FaceOfSlot(slot); };
    const int32_t month = GetCardInfo(card).month;
    if (month != kBonusMonth && CountCardsOfMonth(floor.cards, month, faceOf) > 0) return 0;
    // The card takes nothing: it misses when another hand card could have taken a floor card.
    for (int32_t slot : gameInfo.users[static_cast<size_t>(own)].hand) {
        const CardFace f = FaceOfSlot(slot);
        if (f.cardId == card || f.month == kBonusMonth || !IsValidCardId(f.cardId)) continue;
        if (CountCardsOfMonth(floor.cards, f.month, faceOf) > 0) return 1;
    }
    return 0;
}
