#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "table/core/SnapshotRebuild.h"

namespace {

using Ids = std::vector<int32_t>;
using Pairs = std::vector<BonusCardMonth>;
const Ids kDeck = {20, 21, 22, 23, 24};

}  // namespace

TEST(SnapshotRebuild, FloorCardsFindTheirSlots)
{
    const struct { const char* name; Ids ids; Pairs pairs; int32_t lastId; Ids deck; RebuildResult want;
                   std::vector<RebuiltCard> cards; FloorCounts counts; int32_t lastSlot; } cases[] = {
        {"no ids keep the floor empty", {}, {}, -1, kDeck, RebuildResult::Done, {}, {}, 0},
        {"sorted, one slot a month", {9, 0, 44, 1}, {}, 9, kDeck, RebuildResult::Done,
         {{20, 0, 0}, {21, 1, 0}, {22, 9, 1}, {23, 44, 2}}, {2, 1, 1}, 1},
        {"a bonus card joins its paired month", {8, 48, 4}, {{5, 49}, {2, 48}}, 48, kDeck, RebuildResult::Done,
         {{20, 4, 0}, {21, 8, 1}, {22, 48, 1}}, {1, 2}, 1},
        {"a bonus card of an absent month joins the first card", {8, 48, 4}, {{7, 48}}, 4, kDeck,
         RebuildResult::Done, {{20, 4, 0}, {21, 8, 1}, {22, 48, 0}}, {2, 1}, 0},
        {"a pair month out of range joins the first card", {4, 49}, {{40, 49}}, 30, kDeck, RebuildResult::Done,
         {{20, 4, 0}, {21, 49, 0}}, {2}, 0},
        {"ids outside 0..49 are dropped", {-1, 50, 3}, {}, 3, kDeck, RebuildResult::Done, {{20, 3, 0}}, {1}, 0},
        {"a bonus card without a pair fails", {4, 48}, {{3, 49}}, 4, kDeck, RebuildResult::BonusWithoutPlace, {}, {}, 0},
        {"only bonus cards fail", {48, 49}, {{0, 48}, {1, 49}}, 48, kDeck, RebuildResult::BonusWithoutPlace, {}, {}, 0},
        {"the deck runs out", {0, 4, 8}, {}, 0, {20, 21}, RebuildResult::DeckRanOut, {}, {}, 0},
    };
    for (const auto& c : cases) {
        const FloorRebuild r = RebuildFloor(c.ids, c.pairs, c.lastId, c.deck);
        const auto taken = static_cast<std::ptrdiff_t>(c.want == RebuildResult::Done ? c.cards.size() : 0);
        EXPECT_EQ((std::tuple{r.result, r.cards, r.counts, r.lastFloorSlot, r.deck}),
                  (std::tuple{c.want, c.cards, c.counts, c.lastSlot, Ids(c.deck.begin() + taken, c.deck.end())}))
            << c.name << ": result, cards, counts, last slot, deck left (a failed rebuild takes nothing)";
    }
}

TEST(SnapshotRebuild, HandAndPileTakeTheDeckTop)
{
    const struct { const char* name; int32_t screenSlot, count; Ids deck; RebuildResult want; Ids hand; int32_t size; }
        cases[] = {
        {"own side, big cards", 0, 3, {5, 6, 7, 8}, RebuildResult::Done, {5, 6, 7}, CardSizeKind::Big},
        {"no cards", 0, 0, {5}, RebuildResult::Done, {}, CardSizeKind::Big},
        {"no screen slot", -1, 3, {5, 6, 7}, RebuildResult::Done, {}, CardSizeKind::Small},
        {"eleven is too many", 0, 11, Ids(20, 1), RebuildResult::HandTooLarge, {}, CardSizeKind::Big},
        {"the deck runs out", 1, 4, {5, 6, 7}, RebuildResult::DeckRanOut, {}, CardSizeKind::Small},
    };
    for (const auto& c : cases) {
        const HandRebuild r = RebuildHand(c.screenSlot, c.count, c.deck);
        EXPECT_EQ((std::tuple{r.result, r.hand, r.sizeKind, r.deck.size() + r.hand.size()}),
                  (std::tuple{c.want, c.hand, c.size, c.deck.size()})) << c.name << ": result, hand, size, cards only from the deck";
    }

    MonthCounts captured{};
    captured[1] = 2;
    const PileRebuild pile = RebuildPile({0, 48, 99, 5}, {30, 31, 32, 33}, captured);
    ASSERT_EQ(pile.result, RebuildResult::Done);
    EXPECT_EQ(pile.cards, (std::vector<RebuiltCard>{{30, 0, -1}, {31, 48, -1}, {32, 5, -1}})) << "99 is dropped";
    EXPECT_EQ(pile.monthCaptured, (MonthCounts{1, 3})) << "a bonus card counts for no month";
    EXPECT_EQ(RebuildPile({0, 1}, {30}, captured).monthCaptured, captured) << "a short deck counts nothing";
}
