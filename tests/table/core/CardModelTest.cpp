#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "table/core/CardModel.h"

namespace {

// 50 card windows showing the cards with the same id.
struct Windows {
    std::array<CardFace, kCardCount> faces;
    Windows()
    {
        for (int32_t i = 0; i < kCardCount; ++i) faces[static_cast<size_t>(i)].SetCard(i);
    }
    auto FaceOf() const
    {
        return [this](int32_t slot) -> const CardFace& { return faces.at(static_cast<size_t>(slot)); };
    }
};

}  // namespace

TEST(CardTable, MonthsCategoriesAndSpecialKinds)
{
    using namespace CardCategory;
    const struct { int32_t id; CardInfo want; } cases[] = {
        {0, {0, Gwang, CardSpecial::Gwang}},   {1, {0, Ribbon, CardSpecial::Hongdan}},
        {3, {0, Pi, CardSpecial::SinglePi}},   {4, {1, Animal, CardSpecial::Godori}},
        {12, {3, Animal, CardSpecial::Godori}}, {13, {3, Ribbon, CardSpecial::Chodan}},
        {16, {4, Animal, CardSpecial::Plain}}, {21, {5, Ribbon, CardSpecial::Chungdan}},
        {25, {6, Ribbon, CardSpecial::Chodan}}, {29, {7, Animal, CardSpecial::Godori}},
        {32, {8, Animal, CardSpecial::DoublePi}}, {37, {9, Ribbon, CardSpecial::Chungdan}},
        {41, {10, Pi, CardSpecial::DoublePi}}, {45, {11, Animal, CardSpecial::Plain}},
        {46, {11, Ribbon, CardSpecial::Plain}}, {47, {11, Pi, CardSpecial::DoublePi}},
        {48, {12, Pi, CardSpecial::DoublePi}}, {49, {12, Pi, CardSpecial::DoublePi}},
        {50, {12, None, CardSpecial::Plain}},  {-1, {12, None, CardSpecial::Plain}},
        {1000, {12, None, CardSpecial::Plain}},
    };
    for (const auto& c : cases) EXPECT_EQ(GetCardInfo(c.id), c.want) << "card " << c.id;

    // The whole deck: four cards a month, five gwang, nine animals, ten ribbons, 26 pi.
    int perCategory[4] = {};
    for (int32_t id = 0; id < 48; ++id) {
        EXPECT_EQ(GetCardInfo(id).month, id / 4) << id;
        ++perCategory[GetCardInfo(id).category];
    }
    EXPECT_EQ(perCategory[CardCategory::Gwang], 5);
    EXPECT_EQ(perCategory[CardCategory::Animal], 9);
    EXPECT_EQ(perCategory[CardCategory::Ribbon], 10);
    EXPECT_EQ(perCategory[CardCategory::Pi], 24);
}

TEST(CardLists, SlotRuleCountsAndFinds)
{
    const Windows w;
    const auto faceOf = w.FaceOf();
    const std::vector<int32_t> empty;
    EXPECT_EQ(CountCardsOfMonth(empty, 0, faceOf), 0);
    EXPECT_EQ(FindCardById(empty, 3, faceOf), -1);
    EXPECT_EQ(FindCardOfMonth(empty, 3, faceOf), -1);
    EXPECT_EQ(FirstCardOfList(empty), -1);
    EXPECT_EQ(LastCardOfList(empty), -1);

    const std::vector<int32_t> odd = {60, -3, 5};
    EXPECT_EQ(FirstCardOfList(odd), 49) << "slot 60 is read as 49";
    EXPECT_EQ(CountCardsOfMonth(odd, kBonusMonth, faceOf), 2) << "slots 60 and -3 are the bonus card of slot 49";
    EXPECT_EQ(FindCardById(odd, 49, faceOf), 49);

    const std::vector<int32_t> animals = {4, 16, 32, 45};
    EXPECT_EQ(CountCardsOfSpecial(animals, CardSpecial::DoublePi, faceOf), 1) << "the September animal";
    std::vector<int32_t> out = {99};
    EXPECT_EQ(CollectCardsOfSpecial(out, animals, CardSpecial::Plain, faceOf), 2u);
    EXPECT_EQ(out, (std::vector<int32_t>{16, 45}));
    EXPECT_EQ(FindCardOfSpecial(animals, CardSpecial::Godori, faceOf), 4);
}

TEST(CardFace, ResetAndSet)
{
    CardFace f;
    f.SetCard(32);
    f.floorSlot = 8;
    EXPECT_EQ(f.month, 8);
    f.Reset();
    EXPECT_EQ(f.floorSlot, -1);
    EXPECT_EQ(f.cardId, kNoCard);
    EXPECT_EQ(f.month, kBonusMonth);
    EXPECT_EQ(f.category, CardCategory::None);
    f.SetCard(77);
    EXPECT_EQ(f.cardId, 77) << "the id is kept as sent";
    EXPECT_EQ(f.category, CardCategory::None) << "but it shows no card";
}

TEST(DeckStack, RisesOnePixelEveryFourCards)
{
    const std::vector<Point> p = DeckStackPoints(22, false);
    ASSERT_EQ(p.size(), 22u);
    EXPECT_EQ(p[0], Point(320, 240));
    EXPECT_EQ(p[3], Point(320, 240));
    EXPECT_EQ(p[4], Point(319, 239)) << "the fifth card starts a new step";
    EXPECT_EQ(p[21], Point(315, 235)) << "22 cards rise five pixels";
    EXPECT_EQ(DeckStackPoints(1, true)[0], Point(340, 240));

    const auto steps = FadeOutSteps();
    for (size_t i = 1; i < steps.size(); ++i) EXPECT_GT(steps[i], steps[i - 1]) << "cards fade out, never in";
    EXPECT_EQ(steps.back(), 100);
}
