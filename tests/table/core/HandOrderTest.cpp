#include <gtest/gtest.h>

#include <vector>

#include "table/core/HandOrder.h"

namespace {

using Ids = std::vector<int32_t>;
using Markers = std::array<int32_t, kPassMarkerCount>;

// A hand of windows 10, 11, ... showing `ids` in hand order.
Ids HandShowing(FaceTable& faces, const Ids& ids)
{
    Ids hand;
    for (size_t i = 0; i < ids.size(); ++i) {
        faces[10 + i].SetCard(ids[i]);
        hand.push_back(static_cast<int32_t>(10 + i));
    }
    return hand;
}

}  // namespace

TEST(HandOrder, PassMarkersFollowTheHandWhileTheyFit)
{
    const struct { const char* name; int32_t handSize, passes; Markers want; } cases[] = {
        {"minus one shows none", 3, -1, {-1, -1, -1, -1, -1, -1}},
        {"seven is held to six", 3, 7, {3, 4, 5, 6, 7, 8}},
        {"only three places left", 7, 6, {7, 8, 9, -1, -1, -1}},
        {"a full hand shows none", 10, 3, {-1, -1, -1, -1, -1, -1}},
        {"an empty hand starts at 0", 0, 2, {0, 1, -1, -1, -1, -1}},
    };
    for (const auto& c : cases) {
        FaceTable faces;
        const Ids hand = HandShowing(faces, Ids(static_cast<size_t>(c.handSize), 7));
        const HandOrderPlan plan = SortOwnHand(hand, faces, PassMarkers::Show, c.passes);
        EXPECT_TRUE(plan.markersChange) << c.name;
        EXPECT_EQ(plan.markers, c.want) << c.name;
    }
    FaceTable faces;
    EXPECT_FALSE(SortOwnHand(HandShowing(faces, {1}), faces, PassMarkers::Leave, 6).markersChange);
}

TEST(HandOrder, SortsIdsAndPlacesTenCards)
{
    const struct { const char* name; Ids shown, listed; bool listedLast; Ids wantIds; } cases[] = {
        {"ascending ids", {33, 5, 20, 7}, {}, false, {5, 7, 20, 33}},
        {"listed ids last in list order", {33, 5, 20, 7}, {33, 5}, true, {7, 20, 33, 5}},
        {"a listed id not in the hand keeps the order", {33, 5, 20, 7}, {5, 44}, true, {}},
        {"a window without a card keeps the order", {33, 50, 20}, {}, false, {}},
    };
    for (const auto& c : cases) {
        FaceTable faces;
        const Ids hand = HandShowing(faces, c.shown);
        const HandOrderPlan plan =
            c.listedLast ? SortOwnHandListedLast(hand, faces, c.listed) : SortOwnHand(hand, faces, PassMarkers::Leave, 0);
        EXPECT_EQ(plan.ids, c.wantIds) << c.name;
        ASSERT_EQ(plan.places.size(), hand.size()) << c.name;
        for (size_t i = 0; i < hand.size(); ++i)
            EXPECT_EQ(plan.places[i], (HandPlace{hand[i], static_cast<int32_t>(i)})) << c.name << " card " << i;
    }

    FaceTable faces;
    const HandOrderPlan big = SortOwnHand(HandShowing(faces, {11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}), faces,
                                          PassMarkers::Show, 2);
    ASSERT_EQ(big.places.size(), 12u);
    EXPECT_EQ(big.places[9].place, 9);
    EXPECT_EQ(big.places[10].place, -1) << "the eleventh card has no place and is hidden";
    EXPECT_EQ(big.markers, (Markers{-1, -1, -1, -1, -1, -1}));
}
