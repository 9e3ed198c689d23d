#include <gtest/gtest.h>

#include <vector>

#include "table/core/DealPlan.h"

namespace {

using Ids = std::vector<int32_t>;
const Ids kFloorIds = {0, 4, 8, 12, 16, 20, 24, 28};
const Ids kHandIds = {1, 5, 9, 13, 17, 21, 25, 29, 33, 37};

// One batch as expected: where it goes and its first window slot (slots run on by one).
struct WantBatch {
    DealTarget target;
    int32_t seat;
    int32_t firstSlot;
    int32_t firstPlace;
};

}  // namespace

TEST(DealCards, MessageListsMustFitTheDeal)
{
    const struct { const char* name; Ids floor, hand; DealCheck want; } cases[] = {
        {"eight and ten", kFloorIds, kHandIds, DealCheck::Ok},
        {"an observer gets no hand", kFloorIds, {}, DealCheck::Ok},
        {"seven floor cards", {0, 4, 8, 12, 16, 20, 24}, kHandIds, DealCheck::WrongFloorCount},
        {"a floor id of 50 is dropped", {0, 4, 8, 12, 16, 20, 24, 50}, kHandIds, DealCheck::WrongFloorCount},
        {"an extra bad id does not count", {0, 4, 8, 12, 16, 20, 24, 28, 77}, kHandIds, DealCheck::Ok},
        {"five hand cards", kFloorIds, {1, 5, 9, 13, 17}, DealCheck::WrongHandCount},
        {"a hand id of -1 is dropped", kFloorIds, {1, 5, 9, 13, 17, 21, 25, 29, 33, -1}, DealCheck::WrongHandCount},
    };
    for (const auto& c : cases) {
        const DealPlan plan = DealRound(c.floor, c.hand, DealAnimation::Yes, {0, 1}, 0);
        EXPECT_EQ(plan.check, c.want) << c.name;
        EXPECT_EQ(plan.batches.empty(), c.want != DealCheck::Ok) << c.name << ": a refused deal deals nothing";
    }
}

TEST(DealRound, BothOrdersHandOutSlotsInTurn)
{
    const struct { const char* name; DealAnimation animation; std::vector<WantBatch> want; Ids floor; } cases[] = {
        {"animated: floor, floor, then each hand whole", DealAnimation::Yes,
         {{DealTarget::Floor, -1, 0, 0}, {DealTarget::Floor, -1, 4, 4}, {DealTarget::Hand, 1, 8, 0},
          {DealTarget::Hand, 1, 13, 5}, {DealTarget::Hand, 0, 18, 0}, {DealTarget::Hand, 0, 23, 5}},
         {0, 1, 2, 3, 4, 5, 6, 7}},
        {"plain: floor slots by floor place, not window slot", DealAnimation::No,
         {{DealTarget::Floor, -1, 0, 0}, {DealTarget::Hand, 1, 4, 0}, {DealTarget::Hand, 0, 9, 0},
          {DealTarget::Floor, -1, 14, 4}, {DealTarget::Hand, 1, 18, 5}, {DealTarget::Hand, 0, 23, 5}},
         {0, 1, 2, 3, 14, 15, 16, 17}},
    };
    for (const auto& c : cases) {
        const DealPlan plan = DealRound(kFloorIds, kHandIds, c.animation, {0, 1}, 0);
        ASSERT_EQ(plan.batches.size(), c.want.size()) << c.name;
        EXPECT_EQ(plan.floor, c.floor) << c.name;
        EXPECT_TRUE(plan.startSound == kSoundRoundStart && plan.deck.size() == 22u && plan.deck.front() == 28)
            << c.name << ": start sound and deck";
        for (size_t b = 0; b < c.want.size(); ++b) {
            const DealBatch& got = plan.batches[b];
            const WantBatch& w = c.want[b];
            const bool own = w.target == DealTarget::Hand && w.seat == 0;
            EXPECT_EQ(got.seat, w.seat) << c.name << " batch " << b;
            ASSERT_EQ(got.cards.size(), w.target == DealTarget::Floor ? 4u : 5u) << c.name << " batch " << b;
            for (size_t i = 0; i < got.cards.size(); ++i) {
                const int32_t place = w.firstPlace + static_cast<int32_t>(i);
                const Ids& ids = w.target == DealTarget::Floor ? kFloorIds : own ? kHandIds : Ids{};
                const int32_t wantId = ids.empty() ? kNoCard : ids[static_cast<size_t>(place)];
                const DealtCard want{w.firstSlot + static_cast<int32_t>(i), place, wantId,
                                     w.target == DealTarget::Floor ? CardSizeKind::Normal
                                     : own                         ? CardSizeKind::Big
                                                                   : CardSizeKind::Small};
                EXPECT_EQ(got.cards[i], want) << c.name << " batch " << b << " card " << i;
            }
        }
    }
}

TEST(DealRound, NoThirteenthFloorSlot)
{
    EXPECT_EQ(DealFloorCards(Ids(13, 1), 0, 13, {}).cards.size(), 12u);
}

TEST(DealRound, IntroPollStopsAfterThreeSeconds)
{
    const struct { const char* name; bool visible; uint32_t start, now; bool want; } cases[] = {
        {"hidden", false, 500, 510, false},
        {"last poll", true, 500, 3499, true},
        {"three seconds", true, 500, 3500, false},
        {"across the wrap", true, 0xFFFFFF00u, 0x100u, true},
    };
    for (const auto& c : cases) EXPECT_EQ(DealIntroContinues(c.visible, c.start, c.now), c.want) << c.name;
}

TEST(FloorGrouping, LaterCardsJoinTheFirstOfTheirMonth)
{
    const struct { const char* name; Ids ids; std::vector<int32_t> floorSlots; FloorCounts counts;
                   std::vector<FloorRegroup> want; FloorCounts wantCounts; } cases[] = {
        {"pairs move left and leave their slots empty", {0, 4, 1, 5, 8, 12, 16, 2}, {0, 1, 2, 3, 4, 5, 6, 7},
         {1, 1, 1, 1, 1, 1, 1, 1}, {{2, 2, 0}, {7, 7, 0}, {3, 3, 1}}, {3, 2, 0, 0, 1, 1, 1, 0}},
        {"grouping goes on past an emptied slot", {0, 1, 4, 5}, {0, 1, 2, 3}, {1, 1, 1, 1}, {{1, 1, 0}, {3, 3, 2}},
         {2, 0, 2, 0}},
        {"counts never below zero", {40, 44, 41}, {0, 1, 5}, {}, {{2, 5, 0}}, {1}},
        {"the two bonus cards group", {48, 3, 49}, {0, 1, 2}, {1, 1, 1}, {{2, 2, 0}}, {2, 1, 0}},
        {"a card outside the floor slots joins without a count", {8, 9}, {0, 14}, {1}, {{1, 14, 0}}, {2}},
    };
    for (const auto& c : cases) {
        FaceTable faces;
        Ids floor;
        for (size_t i = 0; i < c.ids.size(); ++i) {
            faces[i].SetCard(c.ids[i]);
            faces[i].floorSlot = c.floorSlots[i];
            floor.push_back(static_cast<int32_t>(i));
        }
        FloorCounts counts = c.counts;
        EXPECT_EQ(GroupFloorMonths(floor, faces, counts), c.want) << c.name;
        EXPECT_EQ(counts, c.wantCounts) << c.name;
        for (size_t i = 0; i < floor.size(); ++i)
            for (size_t j = 0; j < floor.size(); ++j)
                EXPECT_TRUE(faces[i].month != faces[j].month || faces[i].floorSlot == faces[j].floorSlot) << c.name;
    }
}
