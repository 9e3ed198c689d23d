#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "table/core/CardModel.h"

TEST(CardTable, FourCardsAMonthAndNothingOutsideTheDeck)
{
    using namespace CardCategory;
    const struct { int32_t id; CardInfo want; } cases[] = {
        {0, {0, Gwang, CardSpecial::Gwang}},      {4, {1, Animal, CardSpecial::Godori}},
        {32, {8, Animal, CardSpecial::DoublePi}}, {47, {11, Pi, CardSpecial::DoublePi}},
        {48, {12, Pi, CardSpecial::DoublePi}},    {49, {12, Pi, CardSpecial::DoublePi}},
        {50, {12, None, CardSpecial::Plain}},     {-1, {12, None, CardSpecial::Plain}},
    };
    for (const auto& c : cases) EXPECT_EQ(GetCardInfo(c.id), c.want) << "card " << c.id;
    CardFace f;
    f.SetCard(77);
    EXPECT_TRUE(f.cardId == 77 && f.category == None) << "the id is kept as sent, but it shows no card";
}

TEST(CardLists, SlotRuleCountsAndFinds)
{
    std::array<CardFace, kCardCount> faces;
    for (int32_t i = 0; i < kCardCount; ++i) faces[static_cast<size_t>(i)].SetCard(i);
    const auto faceOf = [&](int32_t slot) -> const CardFace& { return faces.at(static_cast<size_t>(slot)); };
    const std::vector<int32_t> empty, odd = {60, -3, 5}, animals = {4, 16, 32, 45};
    EXPECT_EQ(FindCardById(empty, 3, faceOf), -1) << "empty list";
    EXPECT_EQ(CountCardsOfMonth(odd, kBonusMonth, faceOf), 2) << "slots 60 and -3 are read as slot 49";
    EXPECT_EQ(FindCardById(odd, 49, faceOf), 49);
    EXPECT_EQ(FindCardOfMonth(animals, 8, faceOf), 32);
}
