#include <gtest/gtest.h>

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
