#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "table/flows/FlowFixture.h"
#include "table/flows/SlotMissionRoom.h"
#include "views/CVCMissionWnd.h"
#include "views/CVDMissionWnd.h"
#include "views/CVKJMissionWnd.h"
#include "views/CVSMissionWnd.h"
#include "views/RegistryKey.h"

#include <shlwapi.h>

namespace {

const RegistryKey kOptions{"MirelleMissionFlowTest\\Domain"};

}  // namespace

class MissionFlowTable : public FlowFixture {
protected:
    void SetUp() override
    {
        FlowFixture::SetUp();
        MissionPanels& m = widgets.missions;
        ASSERT_TRUE(single.CreateChildren(room, 0) && twoCard.CreateChildren(room, 0) && cardC.CreateChildren(room, 0) &&
                    cardC2.CreateChildren(room, 0) && kungjjak.CreateChildren(room, 0, kOptions, "24"));
        m.single = &single, m.twoCard = &twoCard, m.cardC = &cardC, m.cardC2 = &cardC2, m.kungjjak = &kungjjak;
    }
    void TearDown() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\MirelleMissionFlowTest");
        FlowFixture::TearDown();
    }
    int32_t OntoFloor(int32_t id, int32_t floorSlot)
    {
        const int32_t slot = Model().DeckTop();
        EXPECT_TRUE(Model().SetSlotCard(slot, id) && Model().PutOnFloorSlot(slot, TableList::Deck(), floorSlot));
        return slot;
    }

    SlotMissionRoom room{records, GeneratedTableImages()};
    CVSMissionWnd single;
    CVDMissionWnd twoCard;
    CVCMissionWnd cardC;
    CVC2MissionWnd cardC2;
    CVKJMissionWnd kungjjak;
};

// Mission 1 on cards 4, 12 and 29: the panel opens, the captures of the engine reach it, and one
// seat on each of two cards breaks it so card 29 is no mission card any more.
TEST_F(MissionFlowTable, SingleMissionFollowsTheCaptures)
{
    OntoFloor(4, 1), OntoFloor(12, 3), OntoFloor(29, 7);
    flows.missions.OnSMissionStart({.missionIndex = 1, .factor = 2});
    EXPECT_EQ(records.gameInfo.missionMode, 1);
    EXPECT_EQ(records.gameInfo.sMissionFactor, 2);
    EXPECT_TRUE(single.IsVisible());
    EXPECT_TRUE(engine.IsMissionCard(29));
    engine.TakeFloorCard(4, 0);
    EXPECT_EQ(single.GetStatus(), -1);
    engine.TakeFloorCard(12, 1);
    EXPECT_TRUE(single.IsBroken());
    EXPECT_EQ(single.GetStatus(), 1);
    EXPECT_FALSE(engine.IsMissionCard(29));

    // An index outside the table resets the panel and keeps the factor.
    flows.missions.OnSMissionStart({.missionIndex = 34, .factor = 5});
    EXPECT_FALSE(single.IsVisible());
    EXPECT_EQ(records.gameInfo.sMissionFactor, 2);
    EXPECT_FALSE(engine.IsMissionCard(4));
}

TEST_F(MissionFlowTable, SingleMissionResultByOwner)
{
    flows.missions.OnSMissionStart({.missionIndex = 3, .factor = 2});
    stage.Forget();
    const struct { const char* name; int32_t owner; int status; bool notice; } cases[] = {
        {"nobody", -1, 1, false},
        {"seat 7 is nobody", 7, 1, false},
        {"the own seat", 0, 0, true},
    };
    for (const auto& c : cases) {
        single.SetStatus(-1);
        stage.Forget();
        const uint64_t before = stage.delayedMs;
        flows.missions.OnSMissionResult({.ownerSeat = c.owner, .success = {c.owner == 0, 0}, .money = {700, 300},
                                         .secondMoney = {1, 2}, .amount = 50});
        EXPECT_EQ(single.GetStatus(), c.status) << c.name;
        EXPECT_EQ(stage.Count("ShowNotify 9"), c.notice ? 1 : 0) << c.name;
        EXPECT_EQ(stage.delayedMs - before, c.notice ? 1500u : 0u) << c.name;
        EXPECT_EQ(records.GetPlayer(1).gameMoney, 300) << c.name;
        EXPECT_EQ(records.RoundUser(0).missionActive, c.owner == 0 ? 1 : 0) << c.name;
    }
    EXPECT_EQ(stage.voices, (std::vector<std::pair<int, int>>{{10032, 0}}));
}

// The sure mission: both seats' flags and the success sound at the start.
TEST_F(MissionFlowTable, SureMissionCountsForBothSeats)
{
    flows.missions.OnSMissionStart({.missionIndex = 33, .factor = 3});
    EXPECT_EQ(records.RoundUser(0).missionActive + records.RoundUser(1).missionActive, 2);
    EXPECT_EQ(stage.voices, (std::vector<std::pair<int, int>>{{10032, 0}}));
    EXPECT_EQ(records.RoundUser(0).multiplier, 3);
}

// A part changed to nobody clears its owner; an owner outside the seats is nobody.
TEST_F(MissionFlowTable, TwoCardResultsSetAndClearOwners)
{
    flows.missions.OnDMissionStart({.values = {0, 10}, .factors = {2, 3}});
    ASSERT_EQ(records.gameInfo.missionMode, 2);
    flows.missions.OnDMissionResult({{.parts = {{{1, 0}, {0, -1}}}, .money = {5, 6}}});
    EXPECT_EQ(records.gameInfo.dMissionOwners, (std::array<int32_t, 2>{0, -1}));
    EXPECT_EQ(records.RoundUser(0).missionActive, 1);
    EXPECT_EQ(twoCard.GetStatus(0), 0);
    EXPECT_EQ(stage.Count("ShowMissionNotify 27 0 0"), 1);
    flows.missions.OnDMissionResult({{.parts = {{{1, -1}, {1, 5}}}, .money = {5, 6}}});
    EXPECT_EQ(records.gameInfo.dMissionOwners, (std::array<int32_t, 2>{-1, -1}));
    EXPECT_EQ(records.RoundUser(0).missionActive, 0);
    EXPECT_EQ(twoCard.GetStatus(1), 1);
}

// The later owner of a card stays; seat 7 owns nothing; a success waits 500 and 700 ms.
TEST_F(MissionFlowTable, CardMissionLaterOwnerStays)
{
    flows.missions.OnCMissionStart({.cards = {0, 8, 28, 40}});
    ASSERT_EQ(records.gameInfo.missionMode, 3);
    EXPECT_EQ(records.gameInfo.missionMusic, 1);
    const uint64_t before = stage.delayedMs;
    flows.missions.OnCMissionResult({{.parts = {{{0, -1}, {0, -1}, {1, 0}, {0, -1}}}}});
    EXPECT_EQ(stage.delayedMs - before, 1200u);
    flows.missions.OnCMissionResult({{.parts = {{{0, -1}, {0, -1}, {1, 1}, {0, -1}}}}});
    EXPECT_EQ(records.gameInfo.cMissionOwners[2], 1);
    EXPECT_EQ(cardC.GetCardOwner(2), 1);
    EXPECT_EQ(records.RoundUser(1).missionActive, 1);
    EXPECT_EQ(records.RoundUser(0).missionActive, 0);
    flows.missions.OnCMissionResult({{.parts = {{{0, -1}, {0, -1}, {1, 7}, {0, -1}}}}});
    EXPECT_EQ(records.gameInfo.cMissionOwners[2], -1);
    EXPECT_EQ(cardC.GetCardOwner(2), -1);
    EXPECT_EQ(records.RoundUser(1).missionActive, 0);
    EXPECT_TRUE(engine.IsMissionCard(28));
}

// Kungjjak: ppeok shows step 4 and resets the seat's value; a turn result after step 2 shows step 3.
TEST_F(MissionFlowTable, KungJJakStepsAndValues)
{
    records.gameInfo.missionMode = 5;
    flows.missions.OpenKungJJak();
    EXPECT_TRUE(kungjjak.IsVisible());
    EXPECT_EQ(records.RoundUser(1).missionActive, 1);
    flows.missions.OnDeckFlipKungJJak(1, 4);
    EXPECT_EQ(kungjjak.GetMultiplier(1), 4);
    flows.missions.OnPpeokKungJJak(1);
    EXPECT_EQ(kungjjak.GetStep(), 4);
    EXPECT_EQ(records.RoundUser(1).missionValue, 1);
    EXPECT_EQ(kungjjak.GetMultiplier(1), 1);
    engine.ShowKungJJakStep(2);
    flows.missions.OnTurnResultKungJJak(0, 6);
    EXPECT_EQ(kungjjak.GetStep(), 3);
    EXPECT_EQ(kungjjak.GetMultiplier(0), 6);
    flows.missions.OnDeckFlipKungJJak(7, 9);  // no seat: nothing
    EXPECT_EQ(kungjjak.GetMultiplier(1), 1);
}

// A dealt target-score round can be given up: the deal marks it started (the snapshot alone did).
// The kungjjak deal opens its panel and flags both seats.
TEST_F(MissionFlowTable, DealStartsTheRoundOfATargetScoreRoom)
{
    const struct { const char* name; int32_t roomKind; int32_t missionKind; bool started; } cases[] = {
        {"target-score room", 41, 0, true},
        {"ordinary room, kungjjak", 0, 5, false},
    };
    for (const auto& c : cases) {
        NewRound();
        records.room.roomKind = c.roomKind;
        records.controls.roundStarted = false;
        flows.firstPlayer.OnDealCards({.userKey = kOwnKey, .floorCards = {0, 4, 8, 12, 16, 20, 24, 28},
                                       .handCards = {1, 5, 9, 13, 17, 21, 25, 29, 33, 37}, .missionKind = c.missionKind});
        EXPECT_EQ(records.controls.roundStarted, c.started) << c.name;
        EXPECT_EQ(kungjjak.IsVisible(), c.missionKind == 5) << c.name;
        EXPECT_EQ(records.RoundUser(1).missionActive, c.missionKind == 5 ? 1 : 0) << c.name;
    }
}
