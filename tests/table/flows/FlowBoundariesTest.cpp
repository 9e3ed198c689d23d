#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "table/flows/FlowFixture.h"
#include "table/flows/SlotMissionRoom.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVCMissionWnd.h"
#include "views/CVDMissionWnd.h"
#include "views/CVSMissionWnd.h"
#include "views/WidgetFactory.h"

namespace {

using SoundTables::SoundId;

constexpr uint32_t kClientVersion = 20110927;

class FlowBoundaries : public FlowFixture {};

class MissionBoundaries : public FlowFixture {
protected:
    void SetUp() override
    {
        FlowFixture::SetUp();
        ASSERT_TRUE(single.CreateChildren(room, 0) && twoCard.CreateChildren(room, 0) && cardC.CreateChildren(room, 0) &&
                    cardC2.CreateChildren(room, 0));
        MissionPanels& m = widgets.missions;
        m.single = &single, m.twoCard = &twoCard, m.cardC = &cardC, m.cardC2 = &cardC2;
    }
    SlotMissionRoom room{records, GeneratedTableImages()};
    CVSMissionWnd single;
    CVDMissionWnd twoCard;
    CVCMissionWnd cardC;
    CVC2MissionWnd cardC2;
};

RoomEnterAnswer EnterAnswer(int32_t ownKey, int32_t entryMode, int32_t seat0, int32_t seat1, uint32_t ownerKey)
{
    RoomEnterAnswer body;
    body.clientVersion = kClientVersion;
    body.user.userKey = ownKey;
    body.ownerKey = ownerKey;
    body.entryMode = entryMode;
    body.room.roomState = 1;
    body.room.seats.players[0].userKey = seat0;
    body.room.seats.players[1].userKey = seat1;
    return body;
}

}  // namespace

// The room-enter answer alone places the seats on screen: the own user's seat at the bottom, a
// watcher sees seat 0 there, whoever owns the room.
TEST_F(FlowBoundaries, RoomEnterAnswerPlacesTheOwnSeatAtTheBottom)
{
    const struct { const char* name; int32_t entryMode; int32_t seat0, seat1; int slot0, slot1; } cases[] = {
        {"mode 0, own user in seat 1, owner in seat 0", 0, 200, kOwnKey, 1, 0},
        {"mode 2, own user in seat 1, owner in seat 0", 2, 200, kOwnKey, 1, 0},
        {"mode 2, own user in seat 0, owner in seat 1", 2, kOwnKey, 200, 0, 1},
        {"mode 0, a watcher, owner in seat 1", 0, 300, 200, 0, 1},
    };
    for (const auto& c : cases) {
        stage.Forget();
        flows.entry.OnRoomEnterAnswer(EnterAnswer(kOwnKey, c.entryMode, c.seat0, c.seat1, 200));
        EXPECT_EQ(records.GetPlayer(0).screenSlot, c.slot0) << c.name;
        EXPECT_EQ(records.GetPlayer(1).screenSlot, c.slot1) << c.name;
    }
}

// Only the own user's change reaches the own voice type; every seated user's record follows its own.
TEST_F(FlowBoundaries, VoiceTypeChangeOfAnotherUserKeepsTheOwnType)
{
    const struct { const char* name; int32_t key; int seat; bool own; } cases[] = {
        {"the other player", 200, 1, false},
        {"a watcher's key", 300, -1, false},
        {"the own user", kOwnKey, 0, true},
    };
    for (const auto& c : cases) {
        stage.Forget();
        records.GetPlayer(0).voiceType = records.GetPlayer(1).voiceType = 1;
        flows.seats.OnVoiceTypeChanged({.userKey = c.key, .value = 0, .voiceType = 4});
        EXPECT_EQ(stage.CallsOf("SetOwnVoiceType"), c.own ? std::vector<std::string>{"SetOwnVoiceType 4"} : std::vector<std::string>{})
            << c.name;
        for (int s = 0; s < 2; ++s) EXPECT_EQ(records.GetPlayer(s).voiceType, s == c.seat ? 4 : 1) << c.name << ", seat " << s;
    }
}

// The other seat's count follows the notice; the own user's is kept by the own turns.
TEST_F(FlowBoundaries, TimeoutCountOfTheOtherSeat)
{
    const struct { const char* name; int32_t key; int32_t count; int32_t seat0, seat1; } cases[] = {
        {"the other seat's count", 200, 2, 0, 2},
        {"the same count again", 200, 2, 0, 2},
        {"the own user's notice changes nothing", kOwnKey, 5, 0, 2},
        {"an unseated key changes nothing", 300, 7, 0, 2},
        {"back to zero", 200, 0, 0, 0},
    };
    for (const auto& c : cases) {
        flows.seats.OnTimeoutCountNotice({.userKey = c.key, .count = c.count});
        EXPECT_EQ(records.GetPlayer(0).turnTimeoutCount, c.seat0) << c.name;
        EXPECT_EQ(records.GetPlayer(1).turnTimeoutCount, c.seat1) << c.name;
    }
}

// In an anti-leave room the returned money is told only for a positive amount from the other user.
TEST_F(FlowBoundaries, ReturnedMoneyBoxOnlyForAPositiveAmount)
{
    records.room.roomKind = 8;
    records.room.option.antiLeave = 1;
    records.controls.antiLeaveActive = true;
    const struct { const char* name; uint32_t key; int64_t amount; bool box; } cases[] = {
        {"an amount of 0", 200, 0, false},
        {"a negative amount", 200, -5, false},
        {"the own user's", static_cast<uint32_t>(kOwnKey), 3000, false},
        {"3000 from the other", 200, 3000, true},
    };
    for (const auto& c : cases) {
        stage.Forget();
        records.gameInfo.missionMusic = 1;
        flows.money.OnMoneyReturned({.userKey = c.key, .amount = c.amount});
        const auto boxes = stage.CallsOf("ShowMessageBox");
        EXPECT_EQ(boxes.size(), c.box ? 1u : 0u) << c.name;
        if (c.box && !boxes.empty()) {
            EXPECT_NE(boxes.front().find("3,000"), std::string::npos) << boxes.front();
        }
        EXPECT_EQ(records.gameInfo.missionMusic, c.box ? 0 : 1) << c.name;
    }
}

// Every refill result stops both refill animations and the refill sound; kinds 2 and 3 print the
// refill notice, kind 1 the gift notice.
TEST_F(FlowBoundaries, RefillResultStopsTheAnimationsAndTheSound)
{
    WidgetFactory factory(GeneratedTableImages(), scene);
    for (GVQZAniWnd*& refill : widgets.moneyWidgets.refill) {
        refill = factory.CreateQZAniWnd("Promotion\\AutoRefill\\autorefill.qza", {0, 0});
        ASSERT_TRUE(refill && scene.AddWnd(refill));
    }
    const struct { const char* name; int32_t kind; std::string notice; } cases[] = {
        {"gift", 1, "PrintMoneyGiftNotice"},
        {"automatic refill", 2, "PrintRefillNotice 2"},
        {"automatic refill of the other", 3, "PrintRefillNotice 3"},
        {"unknown kind", 4, ""},
    };
    for (const auto& c : cases) {
        for (GVQZAniWnd* refill : widgets.moneyWidgets.refill) refill->Play(-1, false);
        stage.Forget();
        flows.money.OnRefillResult({.kind = c.kind, .giftAmount = 10});
        for (GVQZAniWnd* refill : widgets.moneyWidgets.refill) EXPECT_FALSE(refill->IsPlaying()) << c.name;
        EXPECT_EQ(stage.Count("StopSoundId " + std::to_string(static_cast<int>(SoundId::NotifyGoBak))), 1) << c.name;
        std::vector<std::string> notices = stage.CallsOf("PrintRefillNotice");
        for (const auto& gift : stage.CallsOf("PrintMoneyGiftNotice")) notices.push_back(gift);
        EXPECT_EQ(notices, c.notice.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.notice}) << c.name;
    }
}

// The single mission's status turns to success for an index below 28 or when both seats succeed.
TEST_F(MissionBoundaries, SingleMissionSuccessStatusBelowIndex28)
{
    const struct { const char* name; int32_t index; PerSeat<int32_t> success; int status; } cases[] = {
        {"index 27, one seat", 27, {1, 0}, 0},
        {"index 28, one seat", 28, {1, 0}, -1},
        {"index 28, both seats", 28, {1, 1}, 0},
        {"index 32, one seat", 32, {1, 0}, -1},
    };
    for (const auto& c : cases) {
        flows.missions.OnSMissionStart({.missionIndex = c.index, .factor = 2});
        single.SetStatus(-1);
        flows.missions.OnSMissionResult({.ownerSeat = 0, .success = c.success, .money = {1, 2}, .amount = 50});
        EXPECT_EQ(single.GetStatus(), c.status) << c.name;
    }
}

// The card missions' notice shows the pay-out, not a seat's money.
TEST_F(MissionBoundaries, CardMissionNoticeShowsThePayOut)
{
    flows.missions.OnCMissionStart({.cards = {0, 8, 28, 40}});
    flows.missions.OnCMissionResult({{.parts = {{{1, 1}, {0, -1}, {0, -1}, {0, -1}}}, .money = {7000, 8000}, .amount = 50}});
    EXPECT_EQ(stage.notifyKind, 9) << "C";
    EXPECT_EQ(stage.notifyMoney, 50) << "C";
    flows.missions.OnC2MissionStart({.cards = {0, 8, 28}});
    stage.notifyMoney = 0;
    flows.missions.OnC2MissionResult({{.parts = {{{1, 0}, {0, -1}, {0, -1}}}, .money = {7000, 8000}, .amount = 60}});
    EXPECT_EQ(stage.notifyMoney, 60) << "C2";
}

// In a tournament room the missions pay tournament money; the game money stays.
TEST_F(MissionBoundaries, TwoCardMissionPaysTournamentMoneyInATournamentRoom)
{
    const struct { const char* name; int32_t roomKind; bool tournament; } cases[] = {
        {"tournament room 20", 20, true},
        {"tournament room 31", 31, true},
        {"ordinary room", 0, false},
    };
    for (const auto& c : cases) {
        records.room.roomKind = c.roomKind;
        for (int s = 0; s < 2; ++s) records.GetPlayer(s).gameMoney = records.GetPlayer(s).tournamentMoney = 1;
        flows.missions.OnDMissionStart({.values = {0, 10}, .factors = {2, 3}});
        flows.missions.OnDMissionResult({{.parts = {{{1, 0}, {0, -1}}}, .money = {500, 600}, .secondMoney = {7, 8}}});
        EXPECT_EQ(records.GetPlayer(0).tournamentMoney, c.tournament ? 500 : 1) << c.name;
        EXPECT_EQ(records.GetPlayer(1).tournamentMoney, c.tournament ? 600 : 1) << c.name;
        EXPECT_EQ(records.GetPlayer(0).gameMoney, c.tournament ? 1 : 500) << c.name;
        EXPECT_EQ(records.GetPlayer(1).gameMoney, c.tournament ? 1 : 600) << c.name;
    }
}
