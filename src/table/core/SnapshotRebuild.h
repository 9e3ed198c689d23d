#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "protocol/Records.h"
#include "table/core/DealPlan.h"

// The table rebuilt from a snapshot, without animation: cards are taken from the top of the deck
// and given their places. A rebuild that cannot finish changes nothing and says why.

enum class RebuildResult { Done, DeckRanOut, HandTooLarge, BonusWithoutPlace };

using MonthCounts = decltype(CGameInfo::monthCaptured);

struct HandRebuild {
    RebuildResult result = RebuildResult::Done;
    std::vector<int32_t> hand;  // hand index i is hand[i]; empty on failure
    std::vector<int32_t> deck;  // what is left of the deck
    int32_t sizeKind = CardSizeKind::Small;
};

// The seat's hand emptied and refilled with `handCount` cards from the deck (nothing below 1, or
// for a seat without a screen slot); screen slot 0 gets big cards, the other side small ones.
HandRebuild RebuildHand(int32_t screenSlot, int32_t handCount, const std::vector<int32_t>& deck);

// A card window given a card by a rebuild.
struct RebuiltCard {
    int32_t slot = 0;
    int32_t cardId = kNoCard;
    int32_t floorSlot = -1;  // floor rebuilds
    bool operator==(const RebuiltCard&) const = default;
};

struct PileRebuild {
    RebuildResult result = RebuildResult::Done;
    std::vector<RebuiltCard> cards;  // appended to the pile in this order
    std::vector<int32_t> deck;
    MonthCounts monthCaptured{};
};

// Each id takes the top deck card into the pile and counts for its month (bonus cards count for
// none). Ids outside 0..49 are dropped.
PileRebuild RebuildPile(const std::vector<int32_t>& ids, const std::vector<int32_t>& deck,
                        const MonthCounts& monthCaptured);

struct FloorRebuild {
    RebuildResult result = RebuildResult::Done;
    std::vector<RebuiltCard> cards;  // the new floor list, in order, with each card's floor slot
    std::vector<int32_t> deck;
    FloorCounts counts{};
    int32_t lastFloorSlot = 0;  // the floor slot of the card `lastId`, 0 when none
};

// The floor from the snapshot's ids (sorted ascending): a month card joins the first floor card
// of its month or the first empty slot (slot 0 when none is empty); a bonus card joins the first
// card of the month its pair names, else the floor list's first card. A bonus card without a pair,
// or with no month card on the floor to join, fails the rebuild. Ids outside 0..49 are dropped;
// no ids leave the floor empty.
FloorRebuild RebuildFloor(const std::vector<int32_t>& ids, const std::vector<BonusCardMonth>& pairs, int32_t lastId,
                          const std::vector<int32_t>& deck);
