#include "table/core/SnapshotRebuild.h"

#include <algorithm>

namespace {

int32_t FloorSlotOfMonth(const std::vector<RebuiltCard>& floor, int32_t month)
{
    for (const RebuiltCard& c : floor)
        if (GetCardInfo(c.cardId).month == month) return c.floorSlot;
    return -1;
}

int32_t FirstEmptyFloorSlot(const FloorCounts& counts)
{
    const auto it = std::find(counts.begin(), counts.end(), 0);
    return it == counts.end() ? 0 : static_cast<int32_t>(it - counts.begin());
}

// Where a bonus card goes: with the month its pair names, else on the floor's first card; -1 when
// it has no pair or there is no card to join.
int32_t FloorSlotOfBonus(const std::vector<RebuiltCard>& floor, const std::vector<BonusCardMonth>& pairs,
                         int32_t cardId)
{
    const auto pair = std::find_if(pairs.begin(), pairs.end(), [&](const BonusCardMonth& p) { return p.cardId == cardId; });
    if (pair == pairs.end() || floor.empty()) return -1;
    const bool monthCard = pair->month >= 0 && pair->month < kBonusMonth;
    const int32_t slot = monthCard ? FloorSlotOfMonth(floor, pair->month) : -1;
    return slot >= 0 ? slot : floor.front().floorSlot;
}

}  // namespace

HandRebuild RebuildHand(int32_t screenSlot, int32_t handCount, const std::vector<int32_t>& deck)
{
    HandRebuild r;
    r.deck = deck;
    r.sizeKind = screenSlot == 0 ? CardSizeKind::Big : CardSizeKind::Small;
    if ((screenSlot != 0 && screenSlot != 1) || handCount < 1) return r;
    if (handCount > kHandPlaces) {
        r.result = RebuildResult::HandTooLarge;
        return r;
    }
    if (deck.size() < static_cast<size_t>(handCount)) {
        r.result = RebuildResult::DeckRanOut;
        return r;
    }
    for (int32_t i = 0; i < handCount; ++i) r.hand.push_back(SlotOf(deck[static_cast<size_t>(i)]));
    r.deck.erase(r.deck.begin(), r.deck.begin() + handCount);
    return r;
}

PileRebuild RebuildPile(const std::vector<int32_t>& ids, const std::vector<int32_t>& deck,
                        const MonthCounts& monthCaptured)
{
    PileRebuild r;
    r.deck = deck;
    r.monthCaptured = monthCaptured;
    const std::vector<int32_t> cards = ValidCardIds(ids);
    if (deck.size() < cards.size()) {
        r.result = RebuildResult::DeckRanOut;
        return r;
    }
    for (size_t i = 0; i < cards.size(); ++i) {
        r.cards.push_back({SlotOf(deck[i]), cards[i], -1});
        const int32_t month = GetCardInfo(cards[i]).month;
        if (month < kBonusMonth) ++r.monthCaptured[static_cast<size_t>(month)];
    }
    r.deck.erase(r.deck.begin(), r.deck.begin() + static_cast<std::ptrdiff_t>(cards.size()));
    return r;
}

FloorRebuild RebuildFloor(const std::vector<int32_t>& ids, const std::vector<BonusCardMonth>& pairs, int32_t lastId,
                          const std::vector<int32_t>& deck)
{
    FloorRebuild r;
    r.deck = deck;
    std::vector<int32_t> sorted = ValidCardIds(ids);
    std::sort(sorted.begin(), sorted.end());
    if (deck.size() < sorted.size()) {
        r.result = RebuildResult::DeckRanOut;
        return r;
    }
    for (size_t i = 0; i < sorted.size(); ++i) {
        const int32_t id = sorted[i];
        const int32_t month = GetCardInfo(id).month;
        int32_t floorSlot = -1;
        if (month == kBonusMonth) {
            floorSlot = FloorSlotOfBonus(r.cards, pairs, id);
        } else {
            floorSlot = FloorSlotOfMonth(r.cards, month);
            if (floorSlot < 0) floorSlot = FirstEmptyFloorSlot(r.counts);
        }
        if (floorSlot < 0) return {RebuildResult::BonusWithoutPlace, {}, deck, {}, 0};
        ++r.counts[static_cast<size_t>(floorSlot)];
        r.cards.push_back({SlotOf(deck[i]), id, floorSlot});
        if (id == lastId) r.lastFloorSlot = floorSlot;
    }
    r.deck.erase(r.deck.begin(), r.deck.begin() + static_cast<std::ptrdiff_t>(sorted.size()));
    return r;
}
