#include <gtest/gtest.h>

#include "table/flows/FlowFixture.h"
#include "views/CVHTWnd.h"

using FirstPlayerTable = FlowFixture;

// The picks never show a face, also not while they settle after landing.
TEST_F(FirstPlayerTable, PickCardsLandFaceDown)
{
    records.room.roomState = static_cast<int32_t>(RoomState::Waiting);
    const ShuffleCards body{.mode = 0, .cardCount = 4, .cards = {0, 4, 8, 12}};
    int facesSeen = 0, waits = 0;
    stage.onDelay = [&](uint32_t) {
        ++waits;
        for (int32_t slot = 0; slot < 4; ++slot)
            if (Card(slot).IsVisible() && Card(slot).GetImageFrame() != CVHTWnd::kBackFrame) ++facesSeen;
    };
    flows.firstPlayer.OnShuffleCards(body);
    stage.onDelay = nullptr;
    ASSERT_EQ(records.entryState.pickSlots.size(), 4u);
    EXPECT_GT(waits, 0);
    EXPECT_EQ(facesSeen, 0) << "a pick showed its face during the deal";
    for (const int32_t slot : records.entryState.pickSlots) EXPECT_EQ(Card(slot).GetImageFrame(), CVHTWnd::kBackFrame);
}
