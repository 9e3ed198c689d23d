#include <gtest/gtest.h>

#include <climits>
#include <set>
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
        {"nine floor cards", {0, 4, 8, 12, 16, 20, 24, 28, 32}, kHandIds, DealCheck::WrongFloorCount},
        {"a floor id of 50 is dropped", {0, 4, 8, 12, 16, 20, 24, 50}, kHandIds, DealCheck::WrongFloorCount},
        {"an extra bad id does not count", {0, 4, 8, 12, 16, 20, 24, 28, 77}, kHandIds, DealCheck::Ok},
        {"five hand cards", kFloorIds, {1, 5, 9, 13, 17}, DealCheck::WrongHandCount},
        {"eleven hand cards", kFloorIds, {1, 5, 9, 13, 17, 21, 25, 29, 33, 37, 41}, DealCheck::WrongHandCount},
        {"a hand id of -1 is dropped", kFloorIds, {1, 5, 9, 13, 17, 21, 25, 29, 33, -1}, DealCheck::WrongHandCount},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckDealCards(c.floor, c.hand), c.want) << c.name;
        const DealPlan plan = DealRound(c.floor, c.hand, DealAnimation::Yes, {0, 1}, 0);
        EXPECT_EQ(plan.check, c.want) << c.name;
        if (c.want != DealCheck::Ok) {
            EXPECT_TRUE(plan.batches.empty() && plan.deck.empty() && plan.floor.empty()) << c.name << ": deals nothing";
        }
    }
}

TEST(DealRound, BothOrdersHandOutSlotsInTurn)
{
    const struct { const char* name; DealAnimation animation; std::vector<WantBatch> want; Ids floor, ownHand; } cases[] = {
        {"animated: floor, floor, then each hand whole", DealAnimation::Yes,
         {{DealTarget::Floor, -1, 0, 0}, {DealTarget::Floor, -1, 4, 4}, {DealTarget::Hand, 1, 8, 0},
          {DealTarget::Hand, 1, 13, 5}, {DealTarget::Hand, 0, 18, 0}, {DealTarget::Hand, 0, 23, 5}},
         {0, 1, 2, 3, 4, 5, 6, 7}, {18, 19, 20, 21, 22, 23, 24, 25, 26, 27}},
        {"plain: floor, hands, floor, hands", DealAnimation::No,
         {{DealTarget::Floor, -1, 0, 0}, {DealTarget::Hand, 1, 4, 0}, {DealTarget::Hand, 0, 9, 0},
          {DealTarget::Floor, -1, 14, 4}, {DealTarget::Hand, 1, 18, 5}, {DealTarget::Hand, 0, 23, 5}},
         {0, 1, 2, 3, 14, 15, 16, 17}, {9, 10, 11, 12, 13, 23, 24, 25, 26, 27}},
    };
    for (const auto& c : cases) {
        const DealPlan plan = DealRound(kFloorIds, kHandIds, c.animation, {0, 1}, 0);
        ASSERT_EQ(plan.batches.size(), c.want.size()) << c.name;
        EXPECT_EQ(plan.intro, c.animation == DealAnimation::Yes) << c.name;
        EXPECT_EQ(plan.floor, c.floor) << c.name;
        for (size_t b = 0; b < c.want.size(); ++b) {
            const DealBatch& got = plan.batches[b];
            const WantBatch& w = c.want[b];
            EXPECT_EQ(got.target, w.target) << c.name << " batch " << b;
            EXPECT_EQ(got.seat, w.seat) << c.name << " batch " << b;
            EXPECT_EQ(got.sound, kSoundCardShare) << c.name << " batch " << b;
            ASSERT_EQ(got.cards.size(), w.target == DealTarget::Floor ? 4u : 5u) << c.name << " batch " << b;
            for (size_t i = 0; i < got.cards.size(); ++i) {
                const DealtCard& card = got.cards[i];
                const int32_t place = w.firstPlace + static_cast<int32_t>(i);
                EXPECT_EQ(card.slot, w.firstSlot + static_cast<int32_t>(i)) << c.name << " batch " << b;
                EXPECT_EQ(card.place, place) << c.name << " batch " << b << ": floor slot or hand index";
                const int32_t wantId = w.target == DealTarget::Floor ? kFloorIds[static_cast<size_t>(place)]
                                       : w.seat == 0                 ? kHandIds[static_cast<size_t>(place)]
                                                                     : kNoCard;
                EXPECT_EQ(card.cardId, wantId) << c.name << " batch " << b << " card " << i;
            }
        }
        Ids deck;
        for (int32_t s = 28; s < 50; ++s) deck.push_back(s);
        EXPECT_EQ(plan.deck, deck) << c.name;
        EXPECT_EQ(plan.hands[0], c.ownHand) << c.name;
        EXPECT_EQ(plan.startSound, kSoundRoundStart) << c.name;
    }
}

TEST(DealRound, OwnHandFollowsTheScreenSlotAndKungJJakIsSilent)
{
    const DealPlan rotated = DealRound(kFloorIds, kHandIds, DealAnimation::Yes, {1, 0}, kKungJJakMission);
    EXPECT_EQ(rotated.startSound, -1);
    for (const DealBatch& b : rotated.batches) {
        if (b.target != DealTarget::Hand) continue;
        for (const DealtCard& card : b.cards) {
            const bool own = b.seat == 1;
            EXPECT_EQ(card.cardId, own ? kHandIds[static_cast<size_t>(card.place)] : kNoCard) << "seat " << b.seat;
            EXPECT_EQ(card.sizeKind, own ? CardSizeKind::Big : CardSizeKind::Small) << "seat " << b.seat;
        }
    }
    const DealPlan watched = DealRound(kFloorIds, {}, DealAnimation::No, {0, 1}, 0);
    for (const DealBatch& b : watched.batches)
        for (const DealtCard& card : b.cards)
            EXPECT_TRUE(b.target == DealTarget::Floor || card.cardId == kNoCard) << "an observer sees no hand";
}

TEST(DealRound, FloorPickLaysUpToTwelve)
{
    const Ids floor = {3, 9, 27, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49};
    const DealBatch all = DealFloorCards(floor, 0, 13, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22});
    EXPECT_EQ(all.cards.size(), 12u) << "there is no thirteenth floor slot";
    EXPECT_FALSE(all.jitter) << "twelve cards land exactly";
    EXPECT_EQ(all.cards[2], (DealtCard{27, 2, 12, CardSizeKind::Normal}));
    const DealBatch few = DealFloorCards(floor, 2, 3, {5, 99});
    ASSERT_EQ(few.cards.size(), 3u);
    EXPECT_TRUE(few.jitter);
    EXPECT_EQ(few.cards[1].cardId, kNoCard) << "an id of 99 is dropped";
    EXPECT_EQ(few.cards[2].cardId, kNoCard) << "no id left";
    EXPECT_TRUE(DealFloorCards(floor, 0, 0, {}).cards.empty());
    for (const int32_t r : {0, 1, 2, 5, -1, -3, -4, INT_MAX, INT_MIN}) {
        EXPECT_GE(DealJitter(r), -1) << r;
        EXPECT_LE(DealJitter(r), 1) << r;
    }
}

TEST(DealRound, StaggeredHandFramesEndTogether)
{
    const std::vector<std::vector<int32_t>> frames = HandDealFrames(5, 3);
    ASSERT_EQ(frames.size(), 9u) << "five staggered frames, then four";
    EXPECT_EQ(frames[0], (Ids{0, 0, 0, 0, 0}));
    EXPECT_EQ(frames[4], (Ids{3, 3, 2, 1, 0})) << "the first card has arrived before the main frames";
    EXPECT_EQ(frames.back(), (Ids{3, 3, 3, 3, 3}));
    for (size_t f = 1; f < frames.size(); ++f)
        for (size_t c = 0; c < 5; ++c) EXPECT_GE(frames[f][c], frames[f - 1][c]) << "frame " << f << " card " << c;
    EXPECT_EQ(HandDealFrames(5, 9).back(), (Ids{9, 9, 9, 9, 9}));
}

TEST(DealRound, IntroPollStopsAfterThreeSeconds)
{
    const struct { const char* name; bool visible; uint32_t start, now; bool want; } cases[] = {
        {"just started", true, 500, 500, true},
        {"hidden", false, 500, 510, false},
        {"last poll", true, 500, 3499, true},
        {"three seconds", true, 500, 3500, false},
        {"across the wrap", true, 0xFFFFFF00u, 0x100u, true},
    };
    for (const auto& c : cases) EXPECT_EQ(DealIntroContinues(c.visible, c.start, c.now), c.want) << c.name;
    EXPECT_TRUE(DealIntroThud(3, 4));
    EXPECT_FALSE(DealIntroThud(4, 4)) << "once";
}

TEST(FloorGrouping, LaterCardsJoinTheFirstOfTheirMonth)
{
    const struct { const char* name; Ids ids; std::vector<int32_t> floorSlots; FloorCounts counts;
                   std::vector<FloorRegroup> want; FloorCounts wantCounts; } cases[] = {
        {"pairs move left and leave their slots empty", {0, 4, 1, 5, 8, 12, 16, 2}, {0, 1, 2, 3, 4, 5, 6, 7},
         {1, 1, 1, 1, 1, 1, 1, 1}, {{2, 2, 0}, {7, 7, 0}, {3, 3, 1}}, {3, 2, 0, 0, 1, 1, 1, 0}},
        {"eight months move nothing", {0, 4, 8, 12, 16, 20, 24, 28}, {0, 1, 2, 3, 4, 5, 6, 7},
         {1, 1, 1, 1, 1, 1, 1, 1}, {}, {1, 1, 1, 1, 1, 1, 1, 1}},
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
        // The rule: afterwards no month lies in two floor slots.
        for (size_t i = 0; i < floor.size(); ++i)
            for (size_t j = 0; j < floor.size(); ++j)
                EXPECT_TRUE(faces[i].month != faces[j].month || faces[i].floorSlot == faces[j].floorSlot) << c.name;
    }
}
