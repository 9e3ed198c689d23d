#include <gtest/gtest.h>

#include "table/flows/FlowFixture.h"

using PlayFlowTable = FlowFixture;

TEST_F(PlayFlowTable, CardPlayWaitsForTheDealOrASnapshot)
{
    records.tableState.dealFloorIds = {0, 4, 8, 12, 16, 20, 24, 28};
    records.gameInfo.ownHandIds = {1, 5, 9, 13, 17, 21, 25, 29, 33, 37};
    ClearTable();
    engine.DealRound(false);
    ASSERT_EQ(records.floor.cards.size(), 8u);
    const int32_t bonus = Model().DeckTop();
    ASSERT_TRUE(Model().SetSlotCard(bonus, 48) && Model().MoveSlot(bonus, TableList::Deck(), TableList::Hand(0)));
    records.tableState.active = false;
    const CGameInfo game = records.gameInfo;
    const COpenInfo floor = records.floor;
    stage.Forget();

    flows.play.OnInitialFloorBonus({.toPile = {0}, .toFloor = {30}});
    flows.play.OnBonusCardPlayed({.userKey = kOwnKey, .bonusCard = 48, .replacementCard = 31});
    flows.play.OnCaptureEvent({.userKey = static_cast<uint32_t>(kOwnKey), .kind = 5});
    flows.play.OnDeckCardsFlipped({.userKey = kOwnKey, .bonusTake = 1, .cards = {49}, .pendingPassCount = 3});
    EXPECT_TRUE(records.gameInfo == game && records.floor == floor) << "hands, piles, floor, deck and round records unchanged";
    EXPECT_FALSE(records.tableState.handPointerShown) << "no hand pointer";
    EXPECT_TRUE(stage.CallsOf("ShowActionPopup").empty() && stage.effects.empty() && stage.sounds.empty())
        << "no action popup, effect or sound";
}
