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
        {1000, {12, None, CardSpecial::Plain}},
    };
    for (const auto& c : cases) EXPECT_EQ(GetCardInfo(c.id), c.want) << "card " << c.id;

    // The whole deck: four cards a month, five gwang, nine animals, ten ribbons, 24 pi.
    int perCategory[4] = {};
    for (int32_t id = 0; id < 48; ++id) {
        EXPECT_EQ(GetCardInfo(id).month, id / 4) << id;
        ++perCategory[GetCardInfo(id).category];
    }
    EXPECT_EQ(perCategory[Gwang], 5);
    EXPECT_EQ(perCategory[Animal], 9);
    EXPECT_EQ(perCategory[Ribbon], 10);
    EXPECT_EQ(perCategory[Pi], 24);

    CardFace f;
    f.SetCard(77);
    EXPECT_EQ(f.cardId, 77) << "the id is kept as sent";
    EXPECT_EQ(f.category, None) << "but it shows no card";
}

TEST(CardLists, SlotRuleCountsAndFinds)
{
    std::array<CardFace, kCardCount> faces;
    for (int32_t i = 0; i < kCardCount; ++i) faces[static_cast<size_t>(i)].SetCard(i);
    const auto faceOf = [&](int32_t slot) -> const CardFace& { return faces.at(static_cast<size_t>(slot)); };

    const std::vector<int32_t> empty;
    EXPECT_EQ(FindCardById(empty, 3, faceOf), -1);
    EXPECT_EQ(FirstCardOfList(empty), -1);
    EXPECT_EQ(LastCardOfList(empty), -1);

    const std::vector<int32_t> odd = {60, -3, 5};
    EXPECT_EQ(FirstCardOfList(odd), 49) << "slot 60 is read as 49";
    EXPECT_EQ(CountCardsOfMonth(odd, kBonusMonth, faceOf), 2) << "slots 60 and -3 are the bonus card of slot 49";

    const std::vector<int32_t> animals = {4, 16, 32, 45};
    EXPECT_EQ(CountCardsOfSpecial(animals, CardSpecial::DoublePi, faceOf), 1) << "the September animal";
    std::vector<int32_t> out = {99};
    EXPECT_EQ(CollectCardsOfSpecial(out, animals, CardSpecial::Plain, faceOf), 2u);
    EXPECT_EQ(out, (std::vector<int32_t>{16, 45})) << "the list is replaced";
    EXPECT_EQ(FindCardOfSpecial(animals, CardSpecial::Godori, faceOf), 4);
    EXPECT_EQ(FindCardOfMonth(animals, 8, faceOf), 32);
}

TEST(DeckStack, RisesOnePixelEveryFourCardsAndFadesOut)
{
    const std::vector<Point> p = DeckStackPoints(22, false);
    ASSERT_EQ(p.size(), 22u);
    EXPECT_EQ(p[0], Point(320, 240));
    EXPECT_EQ(p[3], Point(320, 240));
    EXPECT_EQ(p[4], Point(319, 239)) << "the fifth card starts a new step";
    EXPECT_EQ(p[21], Point(315, 235));
    EXPECT_EQ(DeckStackPoints(1, true)[0], Point(340, 240));

    const auto steps = FadeOutSteps();
    for (size_t i = 1; i < steps.size(); ++i) EXPECT_GT(steps[i], steps[i - 1]) << "cards fade out, never in";
    EXPECT_EQ(steps.back(), 100);
}
