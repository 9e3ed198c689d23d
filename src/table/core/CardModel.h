#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "foundation/core/Geometry.h"

// The 50 hwatu cards: ids 0..47 are the month cards (month m holds 4m..4m+3), 48 and 49 the
// bonus cards; 50 means no card. Card lists of the table hold card-window slots 0..49.

constexpr int32_t kCardCount = 50;
constexpr int32_t kNoCard = 50;
constexpr int32_t kBonusMonth = 12;
constexpr int32_t kSeptemberAnimal = 32;

namespace CardCategory {
constexpr int32_t None = -1, Gwang = 0, Animal = 1, Ribbon = 2, Pi = 3;
}

namespace CardSpecial {
constexpr int32_t Plain = 0, SinglePi = 1, DoublePi = 2, Hongdan = 3, Chungdan = 4, Chodan = 5, Godori = 6, Gwang = 7;
}

struct CardInfo {
    int32_t month = kBonusMonth;
    int32_t category = CardCategory::None;
    int32_t special = CardSpecial::Plain;
    constexpr bool operator==(const CardInfo&) const = default;
};

// The one lookup of the card table: a card id outside 0..49 (from the server, say) is no card
// and gives month 12, no category, plain, so it can never read past the table.
CardInfo GetCardInfo(int32_t cardId);
bool IsValidCardId(int32_t cardId);

// The slot rule: a slot outside 0..49 selects slot 49, so no lookup fails.
constexpr int32_t SlotOf(int32_t value)
{
    return value >= 0 && value < kCardCount ? value : kCardCount - 1;
}

// What a card window knows of the card it shows.
struct CardFace {
    int32_t floorSlot = -1;
    int32_t cardId = kNoCard;
    int32_t month = kBonusMonth;
    int32_t category = CardCategory::None;
    int32_t special = CardSpecial::Plain;

    void Reset() { *this = CardFace{}; }
    // Stores the id, then month, category and special from the card table.
    void SetCard(int32_t id);
};

// List operations over card-window slots; `faceOf(slot)` gives the face of a slot 0..49.
template <class FaceOf>
int CountCardsOfMonth(const std::vector<int32_t>& list, int32_t month, FaceOf faceOf)
{
    int n = 0;
    for (int32_t s : list) n += faceOf(SlotOf(s)).month == month;
    return n;
}

template <class FaceOf>
int CountCardsOfSpecial(const std::vector<int32_t>& list, int32_t special, FaceOf faceOf)
{
    int n = 0;
    for (int32_t s : list) n += faceOf(SlotOf(s)).special == special;
    return n;
}

template <class FaceOf, class Pred>
int32_t FindCardWhere(const std::vector<int32_t>& list, FaceOf faceOf, Pred pred)
{
    for (int32_t s : list)
        if (pred(faceOf(SlotOf(s)))) return SlotOf(s);
    return -1;
}

template <class FaceOf>
int32_t FindCardById(const std::vector<int32_t>& list, int32_t cardId, FaceOf faceOf)
{
    return FindCardWhere(list, faceOf, [&](const CardFace& f) { return f.cardId == cardId; });
}

template <class FaceOf>
int32_t FindCardOfMonth(const std::vector<int32_t>& list, int32_t month, FaceOf faceOf)
{
    return FindCardWhere(list, faceOf, [&](const CardFace& f) { return f.month == month; });
}

template <class FaceOf>
int32_t FindCardOfSpecial(const std::vector<int32_t>& list, int32_t special, FaceOf faceOf)
{
    return FindCardWhere(list, faceOf, [&](const CardFace& f) { return f.special == special; });
}

template <class FaceOf>
size_t CollectCardsOfSpecial(std::vector<int32_t>& out, const std::vector<int32_t>& in, int32_t special, FaceOf faceOf)
{
    out.clear();
    for (int32_t s : in)
        if (faceOf(SlotOf(s)).special == special) out.push_back(SlotOf(s));
    return out.size();
}

// First and last slot of a list (slot rule applied), -1 when empty.
int32_t FirstCardOfList(const std::vector<int32_t>& list);
int32_t LastCardOfList(const std::vector<int32_t>& list);

// Where the deck stack puts its cards: from (320, 240), (340, 240) in target-score rooms, one
// pixel up and left after every fourth card.
std::vector<Point> DeckStackPoints(size_t count, bool targetScoreRoom);

// Transparency percentages of the announced cards' flash, one per 20 ms: from see-through to nearly opaque.
std::array<int, 10> FadeOutSteps();
