#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "table/core/TableLayout.h"
#include "table/flows/FlowFixture.h"
#include "table/flows/SlotMissionRoom.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVCMissionWnd.h"
#include "views/CVHTWnd.h"
#include "views/WidgetFactory.h"

namespace {

constexpr int32_t kOtherKey = 200;
constexpr int32_t kWatcherKey = 300;

// Seat and screen slot differ: the own user sits in seat 1 and sees it at the bottom (slot 0), the
// other player in seat 0 at the top (slot 1). A dealt round with four gwang and four pi on the floor.
class OwnUserInSeatOne : public FlowFixture {
protected:
    void SetUp() override
    {
        FlowFixture::SetUp();
        records.GetPlayer(0).userKey = kOtherKey;
        records.GetPlayer(1).userKey = kOwnKey;
        records.room.seats.AssignScreenSlots(kOwnKey);
        ASSERT_EQ(records.GetPlayer(1).screenSlot, 0);
        DealFourGwangRound();
    }
    // The own user leaves the seats to watch: seat 0 at the bottom, seat 1 at the top.
    void BecomeWatcher()
    {
        records.GetPlayer(1).userKey = kWatcherKey + 1;
        records.ownUser.userKey = kWatcherKey;
        records.room.seats.AssignScreenSlots(kWatcherKey);
    }
    Point PileOrigin(int screenSlot, int32_t category) const { return GetPileArea(screenSlot, category)->origin; }
};

}  // namespace

TEST_F(OwnUserInSeatOne, TurnResultPilesTheSeatsCardsOnItsScreenSide)
{
    // Each case sweeps one gwang and one pi; a seat's pile is laid again from its first card.
    const struct { const char* name; int32_t key; std::vector<int32_t> captured; int seat; int slot; bool watcher; } cases[] = {
        {"own user in seat 1 takes to the bottom", kOwnKey, {0, 2}, 1, 0, false},
        {"the other in seat 0 takes to the top", kOtherKey, {8, 3}, 0, 1, false},
        {"a watcher sees seat 0 at the bottom", kOtherKey, {28, 10}, 0, 0, true},
    };
    for (const auto& c : cases) {
        if (c.watcher) BecomeWatcher();
        stage.Forget();
        const size_t before = records.RoundUser(c.seat).gwangPile.size();
        const size_t otherBefore = records.RoundUser(1 - c.seat).gwangPile.size();
        flows.play.OnTurnResult({.userKey = static_cast<uint32_t>(c.key), .turnKind = 6, .captured = c.captured,
                                 .points = {4, 7}});
        const CHTUser& user = records.RoundUser(c.seat);
        ASSERT_EQ(user.gwangPile.size(), before + 1) << c.name;
        ASSERT_FALSE(user.piPile.empty()) << c.name;
        EXPECT_EQ(records.RoundUser(1 - c.seat).gwangPile.size(), otherBefore) << c.name;
        EXPECT_EQ(Card(user.gwangPile.front()).GetPos(), PileOrigin(c.slot, CardCategory::Gwang)) << c.name;
        EXPECT_EQ(Card(user.piPile.back()).GetPos().y, PileOrigin(c.slot, CardCategory::Pi).y) << c.name;
        ASSERT_FALSE(stage.effects.empty()) << c.name;
        EXPECT_EQ(stage.effects.front(), (std::pair{4, c.seat})) << c.name << ": the sweep effect names the seat";
        ASSERT_FALSE(stage.voices.empty()) << c.name;
        EXPECT_EQ(stage.voices.front(), (std::pair{10016, c.seat})) << c.name << ": the sweep voice names the seat";
        EXPECT_EQ((std::pair{records.RoundUser(0).points, records.RoundUser(1).points}), (std::pair{4, 7})) << c.name;
    }
}

// Money and missions settle by seat: the body's arrays are in seat order whatever the screen shows.
TEST_F(OwnUserInSeatOne, MoneyGainedSettlesBySeat)
{
    const struct { const char* name; int32_t taker; bool watcher; bool settles; } cases[] = {
        {"own user in seat 1 takes", kOwnKey, false, true},
        {"a watcher is neither giver nor taker", kOtherKey, true, false},
    };
    for (const auto& c : cases) {
        if (c.watcher) BecomeWatcher();
        stage.Forget();
        records.GetPlayer(0).gameMoney = records.GetPlayer(1).gameMoney = 5;
        flows.money.OnMoneyGained({.giverKey = kOtherKey, .takerKey = c.taker, .takerAmount = 40, .money = {100, 900}});
        EXPECT_EQ(records.GetPlayer(0).gameMoney, c.settles ? 100 : 5) << c.name;
        EXPECT_EQ(records.GetPlayer(1).gameMoney, c.settles ? 900 : 5) << c.name;
        EXPECT_EQ(stage.CallsOf("ShowSeatMoney"),
                  c.settles ? (std::vector<std::string>{"ShowSeatMoney 0", "ShowSeatMoney 1"}) : std::vector<std::string>{})
            << c.name;
    }
}

TEST_F(OwnUserInSeatOne, TournamentResultKeepsTheOwnSeatsMoney)
{
    records.room.roomKind = 30;
    flows.results.OnTournamentRoundResult({.resultKind = 1, .winnerKey = kOwnKey, .tournamentMoney = {111, 222}});
    EXPECT_EQ(records.GetPlayer(0).tournamentMoney, 111);
    EXPECT_EQ(records.GetPlayer(1).tournamentMoney, 222);
    EXPECT_EQ(records.ownUser.tournamentMoney, 222) << "the own user's copy is seat 1's";
}

// The winner animation of a tournament result takes the clip of the bak seat's screen slot; a
// winner without a seat shows none, a result kind beyond 10 only the winner's sound.
TEST_F(OwnUserInSeatOne, TournamentGoBakShowsOnTheBakSeatsSide)
{
    WidgetFactory factory(GeneratedTableImages(), scene);
    GVQZAniWnd* goBak = factory.CreateQZAniWnd("Effect\\gobak.qza", {0, 0});
    ASSERT_TRUE(goBak && scene.AddWnd(goBak));
    widgets.effects.goBakAnimation = goBak;
    const struct { const char* name; uint32_t kind; int32_t winner; int32_t bakSeat; bool watcher; int clip; } cases[] = {
        {"own user in seat 1 wins, seat 0 is bak", 1, kOwnKey, 0, false, 1},
        {"seat 0 wins, own seat 1 is bak", 1, kOtherKey, 1, false, 0},
        {"a winner not seated: no animation", 1, 999, 1, false, -1},
        {"result kind 11: the winner's sound only", 11, kOwnKey, 0, false, -1},
        {"a watcher: seat 0 is bak at the bottom", 1, kOtherKey, 0, true, 0},
    };
    for (const auto& c : cases) {
        if (c.watcher) BecomeWatcher();
        goBak->Show(false);
        goBak->SelectAnimation(c.clip == 0 ? 1 : 0);
        stage.Forget();
        TournamentRoundResult body{.resultKind = c.kind, .winnerKey = static_cast<uint32_t>(c.winner)};
        body.bakList = {{.seat = c.bakSeat, .goBak = 1}};
        flows.results.OnTournamentRoundResult(body);
        EXPECT_EQ(goBak->IsVisible(), c.clip >= 0) << c.name;
        if (c.clip >= 0) {
            EXPECT_EQ(goBak->GetSubAnimation(), c.clip) << c.name;
        }
        const auto count = [&](SoundTables::SoundId id) { return std::count(stage.sounds.begin(), stage.sounds.end(), id); };
        EXPECT_EQ(count(SoundTables::SoundId::NotifyGoBak), c.clip >= 0 ? 1 : 0) << c.name;
        EXPECT_EQ(count(SoundTables::SoundId::ResultWinner), c.kind == 11 ? 1 : 0) << c.name;
        EXPECT_EQ(stage.Count("ShowTournamentResult 1"), c.kind == 1 ? 1 : 0) << c.name;
    }
}

class OwnUserInSeatOneMissions : public OwnUserInSeatOne {
protected:
    void SetUp() override
    {
        OwnUserInSeatOne::SetUp();
        ASSERT_TRUE(cardC.CreateChildren(room, 0) && cardC2.CreateChildren(room, 0));
        widgets.missions.cardC = &cardC, widgets.missions.cardC2 = &cardC2;
    }
    SlotMissionRoom room{records, GeneratedTableImages()};
    CVCMissionWnd cardC;
    CVC2MissionWnd cardC2;
};

// Messages 39 to 42: the owner is a seat; its voice, its money and its card's mark follow the seat.
TEST_F(OwnUserInSeatOneMissions, MissionResultsFollowTheOwnersSeat)
{
    const std::vector<std::string> seatMoney = {"ShowSeatMoney 0", "ShowSeatMoney 1"};
    // S.
    flows.missions.OnSMissionStart({.missionIndex = 3, .factor = 2});
    stage.Forget();
    flows.missions.OnSMissionResult({.ownerSeat = 1, .success = {0, 1}, .money = {700, 300}, .amount = 50});
    EXPECT_EQ(stage.voices, (std::vector<std::pair<int, int>>{{10032, 1}})) << "S: the owner's voice";
    EXPECT_EQ(records.RoundUser(1).missionActive, 1) << "S";
    EXPECT_EQ(records.RoundUser(0).missionActive, 0) << "S";
    EXPECT_EQ((std::pair{records.GetPlayer(0).gameMoney, records.GetPlayer(1).gameMoney}), (std::pair<int64_t, int64_t>{700, 300}));
    EXPECT_EQ(stage.CallsOf("ShowSeatMoney"), seatMoney) << "S";
    // D.
    flows.missions.OnDMissionStart({.values = {0, 10}, .factors = {2, 3}});
    stage.Forget();
    flows.missions.OnDMissionResult({{.parts = {{{1, 1}, {0, -1}}}, .money = {5, 6}}});
    EXPECT_EQ(stage.voices, (std::vector<std::pair<int, int>>{{10032, 1}})) << "D";
    EXPECT_EQ(records.RoundUser(1).missionActive, 1) << "D";
    EXPECT_EQ(records.RoundUser(0).missionActive, 0) << "D";
    EXPECT_EQ((std::pair{records.GetPlayer(0).gameMoney, records.GetPlayer(1).gameMoney}), (std::pair<int64_t, int64_t>{5, 6}));
    // C: seat 1's card carries the mark of the bottom side.
    flows.missions.OnCMissionStart({.cards = {0, 8, 28, 40}});
    cardC.Show(CVMissionBase::Restore::Yes);  // open at once: the marks show rather than queue
    stage.Forget();
    flows.missions.OnCMissionResult({{.parts = {{{1, 1}, {1, 0}, {0, -1}, {0, -1}}}, .money = {7, 8}}});
    EXPECT_EQ(stage.voices, (std::vector<std::pair<int, int>>{{10032, 1}, {10032, 0}})) << "C";
    EXPECT_EQ(cardC.GetCardOwner(0), 1);
    EXPECT_TRUE(cardC.GetMark(0, 0)->IsVisible()) << "C: own seat 1 marks on the bottom side";
    EXPECT_FALSE(cardC.GetMark(0, 1)->IsVisible());
    EXPECT_TRUE(cardC.GetMark(1, 1)->IsVisible()) << "C: seat 0 marks on the top side";
    EXPECT_FALSE(cardC.GetMark(1, 0)->IsVisible());
    EXPECT_EQ((std::pair{records.GetPlayer(0).gameMoney, records.GetPlayer(1).gameMoney}), (std::pair<int64_t, int64_t>{7, 8}));
    // C2.
    flows.missions.OnC2MissionStart({.cards = {0, 8, 28}});
    cardC2.Show(CVMissionBase::Restore::Yes);
    stage.Forget();
    flows.missions.OnC2MissionResult({{.parts = {{{0, -1}, {1, 1}, {0, -1}}}, .money = {9, 10}}});
    EXPECT_EQ(stage.voices, (std::vector<std::pair<int, int>>{{10032, 1}})) << "C2";
    EXPECT_TRUE(cardC2.GetMark(1, 0)->IsVisible()) << "C2: own seat 1 marks on the bottom side";
    EXPECT_FALSE(cardC2.GetMark(1, 1)->IsVisible());
    EXPECT_EQ((std::pair{records.GetPlayer(0).gameMoney, records.GetPlayer(1).gameMoney}), (std::pair<int64_t, int64_t>{9, 10}));
    EXPECT_EQ(stage.CallsOf("ShowSeatMoney"), seatMoney) << "C2";
}
