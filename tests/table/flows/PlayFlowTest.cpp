#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

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

TEST_F(PlayFlowTable, RoundResultsAndTheGameEndStopTheCardPlayUntilTheNextDeal)
{
    const DealCards deal{.userKey = kOwnKey, .floorCards = {0, 4, 9, 13, 17, 22, 26, 30},
                         .handCards = {1, 5, 6, 12, 14, 15, 23, 27, 31, 35}};
    const std::pair<const char*, std::function<void()>> ends[] = {
        {"round result", [&] { flows.results.OnRoundResult({.resultKind = 0, .winnerKey = kOwnKey}); }},
        {"event round result", [&] { flows.results.OnEventRoundResult({.winnerKey = kOwnKey}); }},
        {"desperate round result", [&] { flows.results.OnDesperateRoundResult({.winnerKey = kOwnKey}); }},
        {"game end", [&] { flows.results.OnGameEnd({.firstKey = kOwnKey}); }},
    };
    for (const auto& [name, end] : ends) {
        NewRound();
        records.room.roomState = static_cast<int32_t>(RoomState::Playing);
        flows.firstPlayer.OnDealCards(deal);
        ASSERT_TRUE(records.tableState.active) << name << ": the deal synchronises the table";
        end();
        const CGameInfo game = records.gameInfo;
        flows.play.OnHandCardPlayed({.userKey = kOwnKey, .cards = {1}});
        flows.play.OnBonusCardPlayed({.userKey = 200, .bonusCard = 48, .replacementCard = 33});
        EXPECT_TRUE(records.gameInfo == game) << name << ": a card played after it changes no hand, pile or floor";
    }
}

TEST_F(PlayFlowTable, KeyMinusOneFindsNoEmptySeat)
{
    records.tableState.dealFloorIds = {0, 4, 8, 12, 16, 20, 24, 28};
    engine.DealRound(false);
    records.GetPlayer(1).Clear();
    records.tableState.active = true;
    const CGameInfo game = records.gameInfo;
    stage.Forget();
    flows.play.OnBonusCardPlayed({.userKey = -1, .bonusCard = 48, .replacementCard = 33});
    EXPECT_TRUE(records.gameInfo == game) << "no card drawn into the empty seat's hand";
    EXPECT_TRUE(stage.voices.empty());
}

TEST_F(PlayFlowTable, PpeokWithMoneyPlaysTheEffectAndVoiceOfItsCount)
{
    // count, effects, voices
    const int cases[][3] = {{-1, 0, 0}, {0, 0, 0}, {1, 1, 1}, {2, 1, 1}, {3, 1, 0}, {4, 0, 0}};
    for (const auto& [count, effects, voices] : cases) {
        stage.Forget();
        flows.play.OnPpeok({.userKey = kOwnKey, .count = count, .moneyFlag = 1, .amount = 500});
        EXPECT_EQ(static_cast<int>(stage.effects.size()), effects) << "count " << count;
        EXPECT_EQ(static_cast<int>(stage.voices.size()), voices) << "count " << count;
        EXPECT_EQ(stage.notifyKind, count == 1 ? 7 : 8) << "count " << count << ": the prompt's kind";
    }
}

TEST_F(PlayFlowTable, HandCardPlaysCountShakesAndBombsOnlyForCardsOfTheDeck)
{
    const struct { const char* name; std::vector<int32_t> cards; int32_t bomb; int shakeBombs; int nuBombs; int voices; } cases[] = {
        {"ids outside the deck count for nothing", {50, -1, 99}, 1, 0, 0, 0},
        {"a bomb of three", {12, 13, 14}, 1, 1, 1, 1},
    };
    for (const auto& c : cases) {
        records.tableState.dealFloorIds = {0, 4, 8, 16, 20, 24, 28, 32};
        records.gameInfo.ownHandIds = {12, 13, 14, 1, 5, 9, 17, 21, 25, 29};
        ClearTable();
        NewRound();
        engine.DealRound(false);
        records.tableState.active = true;
        stage.Forget();
        flows.play.OnHandCardPlayed({.userKey = kOwnKey, .cards = c.cards, .bombFlag = c.bomb});
        EXPECT_EQ(records.RoundUser(0).shakeBombCount, c.shakeBombs) << c.name;
        EXPECT_EQ(std::count(stage.sounds.begin(), stage.sounds.end(), SoundId::NuBomb), c.nuBombs) << c.name;
        EXPECT_EQ(static_cast<int>(stage.voices.size()), c.voices) << c.name;
    }
}

TEST_F(PlayFlowTable, TurnStartSoundsTheOwnTurnOnly)
{
    for (const int32_t key : {kOwnKey, int32_t{200}}) {
        stage.Forget();
        flows.round.OnTurnStart({.turnKey = key});
        EXPECT_EQ(std::count(stage.sounds.begin(), stage.sounds.end(), SoundId::NotifyTurn), key == kOwnKey ? 1 : 0)
            << "turn of " << key;
        EXPECT_EQ(std::count(stage.sounds.begin(), stage.sounds.end(), SoundId::CountTick), 0) << "turn of " << key;
    }
}
