#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <vector>

#include "table/core/PileLayout.h"
#include "table/core/TableLayout.h"

namespace {

// A pi pile whose card-window slots are their card ids.
std::vector<PiCard> Pile(const std::vector<int32_t>& ids)
{
    std::vector<PiCard> out;
    for (int32_t id : ids) out.push_back({id, id});
    return out;
}

// Eleven single pi.
const std::vector<int32_t> kSingles = {2, 3, 6, 7, 10, 11, 14, 15, 18, 19, 22};

}  // namespace

TEST(PiValue, ByKindWithTheFirstBonusCardWorthThree)
{
    const struct { const char* name; int32_t id; int32_t want; } cases[] = {
        {"single pi", 2, 1},          {"November double pi", 41, 2}, {"December double pi", 47, 2},
        {"first bonus card", 48, 3},  {"second bonus card", 49, 2},  {"September animal", 32, 2},
        {"gwang", 0, 0},              {"ribbon", 1, 0},              {"no card", 50, 0},
        {"negative id", -1, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(PiValue(c.id), c.want) << c.name;
}

TEST(PileLayout, PiPileRowsRiseThirtyPixelsAndTheCountSitsOnTheLastCard)
{
    const auto own = LayoutPiPile(Pile(kSingles), 0);
    ASSERT_TRUE(own);
    ASSERT_EQ(own->cards.size(), 11u);
    EXPECT_EQ(own->cards[1].position, Point(270, 459)) << "ten cards in 136 pixels: (136 - 36) / 9";
    EXPECT_EQ(own->cards[10].position, Point(259, 429)) << "the second row, 30 pixels higher";
    EXPECT_EQ(own->countCorner, Point(295, 484)) << "the count on the last card";

    const auto rebalanced = LayoutPiPile(Pile({48, 41, 47, 49, 32, 2, 3}), 0);
    ASSERT_TRUE(rebalanced);
    EXPECT_EQ(rebalanced->restack, Restack::Yes);
    std::vector<int32_t> order;
    for (const auto& c : rebalanced->cards) order.push_back(c.slot);
    EXPECT_EQ(order, (std::vector<int32_t>{48, 41, 47, 49, 2, 3, 32})) << "the pile takes the row order";

    EXPECT_EQ(LayoutPiPile(Pile({2, 3}), -1), std::nullopt) << "a seat without a screen slot";
    EXPECT_EQ(LayoutFloorSlot({274, 160}, {7, 3, 9, 1}),
              (std::vector<PilePlacement>{{7, {274, 160}}, {3, {288, 160}}, {9, {302, 160}}, {1, {316, 160}}}));
}

TEST(TableLayout, EdgesOfHandsAndFans)
{
    EXPECT_FALSE(HandPosition(0, 10) || HandPosition(1, -1) || HandPosition(-1, 0)) << "an eleventh card, index -1, no screen slot";
    EXPECT_EQ(FloorSlotSpacing(INT32_MAX, 80), 0) << "a huge count neither overflows nor goes negative";
    EXPECT_EQ(FloorSlotSpacing(-5, 80), 18);
    for (int32_t n = 2; n <= 30; ++n)
        EXPECT_LE(FloorSlotSpacing(n, 80) * (n - 1) + kNormalCardSize.cx, 80) << n << " cards leave the fan's area";
}
