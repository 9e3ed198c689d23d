#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <optional>
#include <tuple>
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

std::vector<std::vector<int32_t>> RowIds(const PiRows& p)
{
    std::vector<std::vector<int32_t>> out;
    for (const auto& row : p.rows) {
        if (row.empty()) continue;
        out.emplace_back();
        for (const PiCard& c : row) out.back().push_back(c.cardId);
    }
    return out;
}

// Single pi, two of each month 0..10.
const std::vector<int32_t> kSingles = {2, 3, 6, 7, 10, 11, 14, 15, 18, 19, 22, 23, 26, 27, 30, 31, 34, 35, 38, 39, 42, 43};

std::vector<int32_t> Singles(size_t from, size_t count)
{
    return {kSingles.begin() + static_cast<std::ptrdiff_t>(from), kSingles.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

std::vector<int32_t> Join(std::vector<int32_t> a, const std::vector<int32_t>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

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

TEST(PiRows, RowsOfTenAndRebalancing)
{
    using Rows = std::vector<std::vector<int32_t>>;
    const struct { const char* name; std::vector<int32_t> pile; Rows want; bool moved; int32_t total; } cases[] = {
        {"empty pile", {}, {}, false, 0},
        {"the eleventh starts row two", Singles(0, 11), {Singles(0, 10), Singles(10, 1)}, false, 11},
        {"a row worth exactly ten stays", Join(Singles(0, 8), {41, 42}),
         {Join(Singles(0, 8), {41}), {42}}, false, 11},
        {"nine single and a double give a single to the next row", Join(Join(Singles(0, 9), {41}), Singles(9, 1)),
         {Join(Singles(1, 8), {41}), Join(Singles(9, 1), Singles(0, 1))}, true, 12},
        {"a row of double pi trades its first for a single", {41, 47, 49, 32, 48, 2},
         {{47, 49, 32, 48, 2}, {41}}, true, 12},
        {"card 48 first in a row trades the row's last instead", {48, 41, 47, 49, 32, 2, 3},
         {{48, 41, 47, 49, 2}, {3, 32}}, true, 13},
        {"no single in the next row: nothing trades", {41, 47, 49, 32, 48}, {{41, 47, 49, 32, 48}}, false, 11},
        {"row two rebalances against row three", Join(Join(Singles(0, 10), Join(Singles(10, 9), {41})), Singles(19, 1)),
         {Singles(0, 10), Join(Singles(11, 8), {41}), Join(Singles(19, 1), Singles(10, 1))}, true, 22},
    };
    for (const auto& c : cases) {
        const PiRows p = BuildPiRows(Pile(c.pile));
        EXPECT_EQ((std::tuple{RowIds(p), p.moved, p.Total()}), (std::tuple{c.want, c.moved, c.total})) << c.name << ": rows, moved, total";
    }
}

TEST(PileLayout, CapturedPilesFanFromTheirOrigin)
{
    using P = std::vector<PilePlacement>;
    const struct { const char* name; std::vector<int32_t> pile; int32_t screenSlot; int32_t category; P want; } cases[] = {
        {"own 4 gwang, 17 apart", {0, 8, 28, 40}, 0, 0, {{0, {19, 460}}, {8, {36, 460}}, {28, {53, 460}}, {40, {70, 460}}}},
        {"opposite 2 animals", {4, 12}, 1, 1, {{4, {117, 27}}, {12, {135, 27}}}},
        {"seat without a screen slot", {0, 8}, -1, 0, {}},
        {"the pi pile has its own layout", {2, 3}, 0, 3, {}},
        {"no category", {0}, 0, -1, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(LayoutCapturedPile(c.pile, c.screenSlot, c.category), c.want) << c.name;
}

TEST(PileLayout, PiPileRowsRiseThirtyPixelsAndTheCountSitsOnTheLastCard)
{
    const auto own = LayoutPiPile(Pile(Singles(0, 11)), 0);
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
