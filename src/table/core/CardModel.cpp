#include "table/core/CardModel.h"

namespace {

using CardCategory::Animal;
using CardCategory::Pi;
using CardCategory::Ribbon;
using namespace CardSpecial;
constexpr int32_t GwangCard = CardCategory::Gwang;

// {month, category, special} by card id.
constexpr CardInfo kCardTable[kCardCount] = {
    {0, GwangCard, Gwang}, {0, Ribbon, Hongdan}, {0, Pi, SinglePi}, {0, Pi, SinglePi},
    {1, Animal, Godori}, {1, Ribbon, Hongdan}, {1, Pi, SinglePi}, {1, Pi, SinglePi},
    {2, GwangCard, Gwang}, {2, Ribbon, Hongdan}, {2, Pi, SinglePi}, {2, Pi, SinglePi},
    {3, Animal, Godori}, {3, Ribbon, Chodan}, {3, Pi, SinglePi}, {3, Pi, SinglePi},
    {4, Animal, Plain}, {4, Ribbon, Chodan}, {4, Pi, SinglePi}, {4, Pi, SinglePi},
    {5, Animal, Plain}, {5, Ribbon, Chungdan}, {5, Pi, SinglePi}, {5, Pi, SinglePi},
    {6, Animal, Plain}, {6, Ribbon, Chodan}, {6, Pi, SinglePi}, {6, Pi, SinglePi},
    {7, GwangCard, Gwang}, {7, Animal, Godori}, {7, Pi, SinglePi}, {7, Pi, SinglePi},
    {8, Animal, DoublePi}, {8, Ribbon, Chungdan}, {8, Pi, SinglePi}, {8, Pi, SinglePi},
    {9, Animal, Plain}, {9, Ribbon, Chungdan}, {9, Pi, SinglePi}, {9, Pi, SinglePi},
    {10, GwangCard, Gwang}, {10, Pi, DoublePi}, {10, Pi, SinglePi}, {10, Pi, SinglePi},
    {11, GwangCard, Gwang}, {11, Animal, Plain}, {11, Ribbon, Plain}, {11, Pi, DoublePi},
    {kBonusMonth, Pi, DoublePi}, {kBonusMonth, Pi, DoublePi},
};

}  // namespace

bool IsValidCardId(int32_t cardId)
{
    return cardId >= 0 && cardId < kCardCount;
}

CardInfo GetCardInfo(int32_t cardId)
{
    return IsValidCardId(cardId) ? kCardTable[cardId] : CardInfo{};
}

void CardFace::SetCard(int32_t id)
{
    cardId = id;
    const CardInfo info = GetCardInfo(id);
    month = info.month;
    category = info.category;
    special = info.special;
}

int32_t FirstCardOfList(const std::vector<int32_t>& list)
{
    return list.empty() ? -1 : SlotOf(list.front());
}

int32_t LastCardOfList(const std::vector<int32_t>& list)
{
    return list.empty() ? -1 : SlotOf(list.back());
}

std::vector<Point> DeckStackPoints(size_t count, bool targetScoreRoom)
{
    std::vector<Point> points;
    Point at{targetScoreRoom ? 340 : 320, 240};
    for (size_t i = 0; i < count; ++i) {
        points.push_back(at);
        if (i % 4 == 3) at = at - Point{1, 1};
    }
    return points;
}

std::array<int, 10> FadeOutSteps()
{
    return {100, 90, 80, 70, 60, 50, 40, 30, 20, 10};
}
