#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <tuple>
#include <utility>

#include "support/RoomTestSupport.h"

#include "scene/RoomView.h"
#include "scene/ScenePrompt.h"

#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVNotifyWnd.h"
#include "views/CVCountWnd.h"
#include "views/CVPSPPushBtn.h"

// The table's messages through the whole room: the scene's resets, the turn's timers and the deal
// and snapshot handlers with the scene's stage. The engine alone is tested on a fake stage
// (TableEngineTest.cpp).

namespace {

using Ids = std::vector<int32_t>;
using DecisionKind = SceneRules::DecisionKind;

// A room with the own user on the bottom side (seat 0) and user 200 on top (seat 1), a round in
// play on the virtual clock.
class RoomTable : public RoomFixture {
protected:
    void SetUp() override
    {
        Clock::UseVirtual();
        ASSERT_TRUE(OpenRoom());
        ASSERT_TRUE(Scene().loadErrors.empty()) << Scene().loadErrors.front().name;
        Seat();
        Scene().room.roomState = static_cast<int32_t>(RoomState::Playing);
        Scene().GetPlayer(0).screenSlot = 0;
        Scene().GetPlayer(1).screenSlot = 1;
    }
    CMirelleVWS& S() { return Scene(); }
    // Whether `work` leaves the round records and the floor as they were.
    bool LeavesTableAlone(const std::function<void()>& work)
    {
        const CGameInfo game = S().gameInfo;
        const COpenInfo floor = S().floor;
        work();
        return S().gameInfo == game && S().floor == floor;
    }
    uint64_t TimeOf(const std::function<void()>& work)
    {
        const uint64_t start = Clock::VirtualElapsedMs();
        work();
        return Clock::VirtualElapsedMs() - start;
    }
    static DealCards DealBody()
    {
        return {.userKey = kOwnKey, .floorCards = {0, 4, 9, 13, 17, 22, 26, 30},
                .handCards = {35, 1, 14, 5, 6, 12, 15, 23, 27, 31}};
    }
    // Piles, hands of seven and a floor of six.
    static GameDataSync Snapshot()
    {
        GameDataSync body{.targetKey = kOwnKey};
        GameDataTable& t = body.table;
        t.turnKey = kOwnKey, t.playState = 2, t.players[0].piPile = {2, 3}, t.players[1].animalPile = {16};
        t.players[0].hand = t.players[1].hand = Ids(7, 50), t.floor = {9, 13, 17, 22, 26, 30};
        return body;
    }
};

}  // namespace

TEST_F(RoomTable, FloorSlotsArePlacedForTheRoomKindAndEmptied)
{
    CMirelleVWS& s = Scene();
    EXPECT_EQ(s.floor.GetSlot(0).position, (Point{274, 160})) << "placed from construction on";
    const struct { int roomKind, slot; Point at; } cases[] = {
        {0, 11, {476, 232}}, {41, 0, {294, 160}}, {43, 6, {207, 157}}, {44, 9, {467, 157}}};
    for (const auto& c : cases) {
        s.room.roomKind = c.roomKind;
        s.floor.GetSlot(c.slot).count = 3, s.floor.cards = {4, 5}, s.gameInfo.ownHandIds = {12, 3};
        s.tableState.handPointerShown = s.tableState.dealing = true;
        s.ResetGameState();
        EXPECT_EQ(s.floor.GetSlot(c.slot).position, c.at) << "room kind " << c.roomKind;
        EXPECT_TRUE(s.floor.GetSlot(c.slot).count == 0 && s.floor.cards.empty()) << "room kind " << c.roomKind << ": emptied";
        EXPECT_EQ(s.gameInfo.ownHandIds, (Ids{12, 3})) << "the deal still gives these out";
        EXPECT_FALSE(s.tableState.handPointerShown || s.tableState.dealing) << "room kind " << c.roomKind << ": a new round ends them";
    }
}

TEST_F(RoomTable, TurnStartResetsTheTurnAndSetsItsSeconds)
{
    S().room.option.turnTime = 1;  // 8 s a turn
    S().GetPlayer(1).turnTimeoutCount = 2;
    S().gameInfo.turnPutCount = 3, S().gameInfo.lastFloorSlot = 4, S().tableState.handPointerShown = true;
    S().tableWidgets.handPointer->Show(true);
    const int32_t turn = S().gameInfo.turnNumber;

    S().Flows().round.OnTurnStart(TurnStart{200, 0});
    const CGameInfo& g = S().gameInfo;
    EXPECT_EQ((std::tuple{g.turnKey, g.turnNumber, g.turnPutCount, g.lastFloorSlot}), (std::tuple{200, turn + 1, 0, -1}))
        << "turn key, number, put count, last floor slot";
    EXPECT_FALSE(S().tableState.handPointerShown || S().tableWidgets.handPointer->IsVisible() || S().timers.outlineBlink);
    EXPECT_EQ(S().timers.countdownStart, 5) << "8 s less two time-outs' 6, held at 5";
    EXPECT_EQ(S().timers.phaseTimerKind, DecisionKind::None) << "the other's turn runs no decision";

    S().Flows().round.OnTurnStart(TurnStart{kOwnKey, 1});
    EXPECT_EQ((std::tuple{S().timers.phaseTimerKind, S().timers.countdownStart, S().timers.countdown, S().timers.outlineBlink,
                          S().RoundUser(0).deckFlips}),
              (std::tuple{DecisionKind::PlayCard, 8, 7, true, 1})) << "decision, countdown start and value, blink, pending passes";

    const int32_t before = S().gameInfo.turnNumber;
    S().Flows().round.OnTurnStart(TurnStart{999, 0});
    EXPECT_EQ(S().gameInfo.turnNumber, before) << "a key not seated starts no turn";
}

TEST_F(RoomTable, SnapshotForAnotherUserOrBeforeTheRound)
{
    GameDataSync other = Snapshot();
    other.targetKey = 200;
    EXPECT_TRUE(LeavesTableAlone([&] { S().Flows().snapshot.OnGameDataSync(other); })) << "meant for another user";
    S().room.roomState = static_cast<int32_t>(RoomState::Waiting);
    EXPECT_TRUE(LeavesTableAlone([&] { S().Flows().snapshot.OnGameDataSync(Snapshot()); })) << "no round under way";
    S().room.roomState = static_cast<int32_t>(RoomState::Playing);
    S().Flows().snapshot.OnGameDataSync(Snapshot());
    EXPECT_EQ(S().floor.cards.size(), 6u) << "the same snapshot restores the table in a round";
}

TEST_F(RoomTable, DealTurnsTheOwnHandUpAndSkipsThePauseInTournamentAndTargetScoreRooms)
{
    const DealCards body = DealBody();
    const auto dealIn = [&](int32_t kind) {
        S().room.roomKind = kind;
        return static_cast<int64_t>(TimeOf([&] { S().Flows().firstPlayer.OnDealCards(body); }));
    };
    const int64_t ordinary = dealIn(0);
    std::multiset<int32_t> shown;
    for (const int32_t slot : S().RoundUser(0).hand) shown.insert(S().Engine().CardWndBySlot(slot)->GetImageFrame());
    EXPECT_EQ(shown, std::multiset<int32_t>(body.handCards.begin(), body.handCards.end())) << "the own hand face up";
    for (const int32_t slot : S().RoundUser(1).hand)
        EXPECT_EQ(S().Engine().CardWndBySlot(slot)->GetImageFrame(), CVHTWnd::kBackFrame) << "the other hand stays face down";
    EXPECT_TRUE(S().tableState.active);
    for (const int32_t kind : {20, 32, 43})
        EXPECT_NEAR(ordinary - dealIn(kind), 500, 60) << "room kind " << kind << " skips the 500 ms pause";
}

TEST_F(RoomTable, AnnouncedCardsStayOpaqueAndTheTableClearMakesEveryCardOpaque)
{
    S().tableState.dealFloorIds = {0, 8, 28, 44, 2, 3, 10, 11};
    S().gameInfo.ownHandIds = {1, 5, 9, 13, 17, 21, 25, 29, 33, 37};
    S().Engine().DealRound(false);
    S().tableState.active = true;
    S().Flows().play.OnTurnResult({.userKey = kOwnKey, .captured = {0, 8, 28}, .points = {0, 0}});
    const Ids gwang = S().RoundUser(0).gwangPile;
    ASSERT_EQ(gwang.size(), 3u);
    for (int32_t slot : gwang) EXPECT_EQ(S().Engine().CardWndBySlot(slot)->GetAlpha(), 255) << "gwang " << slot;

    S().Engine().CardWndBySlot(7)->SetAlpha(0);
    S().View().ClearTable();
    for (int32_t slot = 0; slot < kCardCount; ++slot)
        ASSERT_EQ(S().Engine().CardWndBySlot(slot)->GetAlpha(), 255) << "card window " << slot << " after the table clear";
}

TEST_F(RoomTable, TableResetStopsTheCardPlayUntilTheNextDeal)
{
    S().Flows().firstPlayer.OnDealCards(DealBody());
    ASSERT_TRUE(S().tableState.active);
    S().Flows().firstPlayer.OnTableReset({.firstKey = kOwnKey});
    S().room.roomState = static_cast<int32_t>(RoomState::Playing);
    EXPECT_FALSE(S().tableState.active);
    EXPECT_TRUE(LeavesTableAlone([&] { S().Flows().play.OnInitialFloorBonus({.toPile = {}, .toFloor = {30}}); }))
        << "a floor card after the reset goes nowhere";
}

TEST_F(RoomTable, DealAndSnapshotWriteTheStakeAfterATableReset)
{
    GVTextWnd* stake = S().entryWidgets.stakeText;
    ASSERT_NE(stake, nullptr);
    S().room.option.stake = 10000;
    const std::pair<const char*, std::function<void()>> restores[] = {
        {"deal", [&] { S().Flows().firstPlayer.OnDealCards(DealBody()); }},
        {"snapshot", [&] { S().Flows().snapshot.OnGameDataSync(Snapshot()); }},
    };
    for (const auto& [name, restore] : restores) {
        S().Flows().firstPlayer.OnTableReset({.firstKey = kOwnKey});
        ASSERT_EQ(stake->GetText(), "") << name;
        S().room.roomState = static_cast<int32_t>(RoomState::Playing);
        restore();
        EXPECT_EQ(stake->GetText(), "점1만냥") << name;
    }
}

TEST_F(RoomTable, DealEnablesTheAutoPlayButtonOfASeatedUser)
{
    CVPSPPushBtn* button = S().roomButtons.autoPlaySetting;
    ASSERT_NE(button, nullptr);
    for (const bool seated : {true, false}) {
        if (!seated) S().ownUser.userKey = 300;
        button->Enable(false);
        DealCards body = DealBody();
        body.userKey = S().ownUser.userKey;
        S().Flows().firstPlayer.OnDealCards(body);
        EXPECT_EQ(button->IsEnabled(), seated) << (seated ? "a seated user" : "a watcher");
    }
}

TEST_F(RoomTable, PileMarkersPiCountsAndTheHandPointerGoWithTheTableClear)
{
    S().Flows().firstPlayer.OnDealCards(DealBody());
    S().Engine().TakeFloorCard(30, 0);
    S().Engine().TakeFloorCard(26, 1);
    const TableWidgets& t = S().tableWidgets;
    // A bonus card points at the other seat's last pi, and the round ends before the next turn.
    S().Flows().play.OnBonusCardPlayed({.userKey = kOwnKey, .bonusCard = 48, .replacementCard = 41});
    ASSERT_TRUE(t.handPointer->IsVisible());
    const auto markersShown = [&t] {
        return std::count_if(t.cardBoxes.begin(), t.cardBoxes.end(), [](const GVWnd* m) { return m && m->IsVisible(); });
    };
    ASSERT_EQ(markersShown(), 2) << "a marker over each captured card";
    ASSERT_TRUE(t.piCounts[0]->IsVisible() && t.piCounts[1]->IsVisible()) << "both pi piles counted";
    S().View().ClearTable();
    EXPECT_EQ(markersShown(), 0);
    EXPECT_FALSE(t.handPointer->IsVisible() || S().tableState.handPointerShown) << "the bonus card's hand pointer stays";
    for (const CVCountWnd* count : t.piCounts)
        EXPECT_TRUE(!count->IsVisible() && count->GetCountText()->GetText().empty()) << "pi count left on the table";
}

TEST_F(RoomTable, SnapshotAndTableResetStartFromAClearedTable)
{
    S().Flows().firstPlayer.OnDealCards(DealBody());
    S().Flows().firstPlayer.OnTableReset({.firstKey = kOwnKey});
    for (const CVHTWnd* card : S().tableWidgets.cardWnds)
        EXPECT_EQ(card->GetImageFrame(), CVHTWnd::kBackFrame) << "a dealt face left up after the reset";

    S().room.roomState = static_cast<int32_t>(RoomState::Playing);
    S().Flows().snapshot.OnGameDataSync(Snapshot());
    ASSERT_EQ(S().Prompt().ShowNotify(8, 0, 1000, 1, 0, 0), 1) << "a prompt opened before the second snapshot";
    S().Flows().snapshot.OnGameDataSync(Snapshot());
    EXPECT_FALSE(S().roomWidgets.notify->IsVisible()) << "the prompt survived the snapshot";
}
