#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "table/core/DealPlan.h"

namespace {

using Ids = std::vector<int32_t>;
const Ids kFloorIds = {0, 4, 8, 12, 16, 20, 24, 28};
const Ids kHandIds = {1, 5, 9, 13, 17, 21, 25, 29, 33, 37};

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
        EXPECT_EQ((std::pair{plan.check, plan.batches.empty()}), (std::pair{c.want, c.want != DealCheck::Ok}))
            << c.name << ": check, and a refused deal deals nothing";
    }
    EXPECT_EQ(DealFloorCards(Ids(13, 1), 0, 13, {}).cards.size(), 12u) << "there is no thirteenth floor slot";
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

TEST(DealRound, IntroThudsOnceAsFrameFourIsReachedOrPassed)
{
    // previous poll's frame, this poll's frame, whether the thud plays
    const int32_t cases[][3] = {{-1, 4, 1}, {3, 4, 1}, {2, 7, 1}, {-1, 9, 1}, {-1, 3, 0},
                                {4, 4, 0},  {4, 6, 0}, {6, 9, 0}, {9, 0, 0}};
    for (const auto& [before, now, thud] : cases)
        EXPECT_EQ(DealIntroThud(before, now), thud != 0) << before << " -> " << now;
}
