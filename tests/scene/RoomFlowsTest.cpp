#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/RoomTestSupport.h"

#include "scene/HostLink.h"
#include "scene/PeripheryPanels.h"
#include "scene/SceneResult.h"
#include "table/flows/RoomFlows.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVDesperateResultWnd.h"
#include "views/CVDesperateWnd.h"
#include "views/CVItemWnd.h"
#include "views/CVRestrictOptionWnd.h"
#include "views/CVResultWnd.h"
#include "views/CVUserInfoWnd.h"
#include "views/CVUserOptionWnd.h"

// The room's message flows acting on the loaded room's own panels.

namespace {

constexpr int32_t kOtherKey = 200;

// The own user (100) in seat 0 and user 200 in seat 1 of a waiting room, on the virtual clock.
class RoomFlowOps : public RoomFixture {
protected:
    void SetUp() override
    {
        Clock::UseVirtual();
        ASSERT_TRUE(OpenRoom());
        Seat();
        CMirelleVWS& s = Scene();
        s.gameInfo.ownerKey = kOwnKey;
        s.room.roomState = static_cast<int32_t>(RoomState::Waiting);
        s.GetPlayer(0).nickname = "나";
        s.GetPlayer(1).nickname = "상대";
        s.room.seats.AssignScreenSlots(kOwnKey);
        host.Forget();
    }

    RoomFlows& Flows() { return Scene().Flows(); }
    int32_t PanelKey(int slot) { return Scene().seatPanels.userInfo[static_cast<size_t>(slot)]->GetUserKey(); }
    // An avatar from the generated room's pictures on the user's screen slot.
    void ShowAvatar(int32_t userKey)
    {
        BSTR picture = SysAllocString(AnsiToWide(gameDir + "GameImage\\Avatar\\robot_avatar1.gif|item").c_str());
        EXPECT_EQ(Client()->SetUserAvatar(userKey, picture), 0) << "avatar of " << userKey;
        SysFreeString(picture);
    }
    // An anti-leave room (kind 8, rule 1) with the rule in force, its label hidden.
    void EnterAntiLeaveRoom()
    {
        CMirelleVWS& s = Scene();
        s.room.roomKind = 8;
        s.room.option.antiLeave = 1;
        s.controls.antiLeaveActive = true;
        s.periphery.restrictOption->Reset();
    }
    // A target-score room (kind 41) aiming at 50 points, both seats named on its panel.
    CVDesperateWnd& EnterTargetScoreRoom()
    {
        CMirelleVWS& s = Scene();
        s.room.roomKind = 41;
        CVDesperateWnd& panel = *s.periphery.desperate;
        EXPECT_EQ(panel.SetBetAndTarget(1, 1, 0), 1);
        panel.Open();
        for (int seat = 0; seat < 2; ++seat)
            panel.SetPlayerName(s.GetPlayer(seat).screenSlot, s.GetPlayer(seat).nickname);
        return panel;
    }
};

}  // namespace

// The remaining player moves to seat 0: the emptied panel must not keep the leaver, nor show the
// remaining player a second time, and its avatar goes.
TEST_F(RoomFlowOps, OpponentLeavingFromSeatZeroEmptiesItsPanel)
{
    const struct { const char* name; int32_t ownKey, remainingKey; } cases[] = {
        {"a player sees the opponent leave", kOwnKey, kOwnKey},
        {"a watcher sees a player leave", 999, 300},
    };
    for (const auto& c : cases) {
        CMirelleVWS& s = Scene();
        s.ownUser.userKey = c.ownKey;
        s.GetPlayer(0).userKey = kOtherKey;
        s.GetPlayer(0).nickname = "떠나는이";
        s.GetPlayer(1).userKey = c.remainingKey;
        s.GetPlayer(1).nickname = "남는이";
        s.room.seats.AssignScreenSlots(c.ownKey);
        Flows().entry.RefreshBothSeats();
        ShowAvatar(kOtherKey);
        ShowAvatar(c.remainingKey);
        const int leaverSlot = s.GetPlayer(0).screenSlot;
        const int remainingSlot = s.GetPlayer(1).screenSlot;
        ASSERT_TRUE(s.Link().GetSeatAvatar(leaverSlot) && s.Link().GetSeatAvatar(remainingSlot)) << c.name;

        Flows().entry.OnPlayerLeave({.userKey = static_cast<uint32_t>(kOtherKey)});
        ASSERT_EQ(s.GetPlayer(0).userKey, c.remainingKey) << c.name << ": the remaining player first";
        const int emptySlot = s.GetPlayer(1).screenSlot;
        EXPECT_EQ(PanelKey(s.GetPlayer(0).screenSlot), c.remainingKey) << c.name;
        EXPECT_EQ(PanelKey(emptySlot), -1) << c.name << ": the emptied panel still shows a player";
        EXPECT_EQ(s.Link().GetSeatAvatar(emptySlot), nullptr) << c.name << ": the emptied seat's avatar stayed";
        s.Link().RemoveAvatarAt(0), s.Link().RemoveAvatarAt(1);
    }
}

// Anti-leave rooms show how many games are left whenever the seats or the round change.
TEST_F(RoomFlowOps, RestrictLabelFollowsLeavesAndTheDeal)
{
    const struct { const char* name; int32_t ownKey; std::function<void()> act; } cases[] = {
        {"the opponent leaves the own user's room", kOwnKey,
         [&] { Flows().entry.OnPlayerLeave({.userKey = static_cast<uint32_t>(kOtherKey)}); }},
        {"a watcher sees a player leave", 999,
         [&] { Flows().entry.OnPlayerLeave({.userKey = static_cast<uint32_t>(kOtherKey)}); }},
        {"the own user leaves", kOwnKey,
         [&] { Flows().entry.OnPlayerLeave({.userKey = static_cast<uint32_t>(kOwnKey)}); }},
        {"the deal", kOwnKey,
         [&] {
             Flows().firstPlayer.OnDealCards({.userKey = static_cast<uint32_t>(kOwnKey),
                                              .floorCards = {0, 4, 8, 12, 16, 20, 24, 28},
                                              .handCards = {1, 5, 9, 13, 17, 21, 25, 29, 33, 37}});
         }},
    };
    for (const auto& c : cases) {
        CMirelleVWS& s = Scene();
        Seat();
        s.ownUser.userKey = c.ownKey;  // a watcher sees users 100 and 200
        s.room.seats.AssignScreenSlots(c.ownKey);
        s.room.roomState = static_cast<int32_t>(RoomState::Waiting);
        EnterAntiLeaveRoom();
        c.act();
        EXPECT_TRUE(s.periphery.restrictOption->IsVisible()) << c.name;
    }
}

// Rooms 5..10 loop the waiting animation until a round is dealt.
TEST_F(RoomFlowOps, DealStopsTheWaitingAnimation)
{
    CMirelleVWS& s = Scene();
    s.room.roomKind = 6;
    GVQZAniWnd* waiting = s.roomWidgets.waitingAnimation;
    ASSERT_NE(waiting, nullptr);
    Flows().seats.LoopWaitingAnimation(true);
    ASSERT_TRUE(waiting->IsPlaying());
    Flows().firstPlayer.OnDealCards({.userKey = static_cast<uint32_t>(kOwnKey), .floorCards = {0, 4, 8, 12, 16, 20, 24, 28},
                                     .handCards = {1, 5, 9, 13, 17, 21, 25, 29, 33, 37}});
    EXPECT_FALSE(waiting->IsPlaying());
}

// A leave starts a new target-score round, a robot's too, and names the seats as they are after it.
TEST_F(RoomFlowOps, TargetScorePanelStartsAfreshWhoeverLeaves)
{
    const struct { const char* name; int32_t key, state; const char* nameAfter; } cases[] = {
        {"a player leaves", kOtherKey, 0, ""},
        {"the robot leaves", -2, -2, "맞고로봇"},
    };
    for (const auto& c : cases) {
        CMirelleVWS& s = Scene();
        Seat();
        PlayerInfo& other = s.GetPlayer(1);
        other.userKey = c.key, other.seatState = c.state;
        other.nickname = c.state < -1 ? "맞고로봇" : "상대";
        s.room.seats.AssignScreenSlots(kOwnKey);
        CVDesperateWnd& panel = EnterTargetScoreRoom();
        panel.SetPlayerScore(1, 30, CVDesperateWnd::Immediate::Yes);
        ASSERT_EQ(panel.GetScore(1), 30) << c.name;
        Flows().entry.OnPlayerLeave({.userKey = static_cast<uint32_t>(c.key)});
        EXPECT_EQ(panel.GetScore(1), 0) << c.name << ": the old round's score";
        EXPECT_EQ(panel.GetSlot(1).name->GetText(), c.nameAfter) << c.name;
    }
}

// The target-score rooms never show the ordinary result panel: their reservations go on their own.
TEST_F(RoomFlowOps, TargetScoreResultShowsItsOwnItemStrip)
{
    CMirelleVWS& s = Scene();
    EnterTargetScoreRoom();
    s.GetPlayer(0).startMoney = 1'000'000;
    DesperateRoundResult body{.winnerKey = kOtherKey, .money = {100, 2'000'000}, .assaValue = {3, 0}};
    body.winInfo.winnerSeat = 1;
    Flows().results.OnDesperateRoundResult(body);
    CVItemWnd* strip = s.periphery.desperateResult->GetItemWnd();
    ASSERT_NE(strip, nullptr);
    EXPECT_TRUE(s.periphery.desperateResult->IsVisible());
    EXPECT_TRUE(strip->IsVisible()) << "the target-score result's strip";
    EXPECT_TRUE(strip->GetChanceMark() && strip->GetChanceMark()->IsVisible()) << "the reservation's mark";
    EXPECT_FALSE(s.resultWidgets.result->GetItemWnd()->IsVisible()) << "the hidden panel's strip";
}

// A room option notice replaces the entry's bet wherever the room shows or judges it.
TEST_F(RoomFlowOps, RoomOptionNoticeBetReachesChallengesAndOptionRows)
{
    CMirelleVWS& s = Scene();
    EnterTargetScoreRoom();
    s.room.option.betIndex = 1;  // 300,000 in room 41
    s.room.text4 = "FPMI=1|FPGP=1|FPALM=0";
    const struct { const char* name; int32_t betKind; int64_t amount, bet; const char* row; } cases[] = {
        {"before any notice: the entry's bet", -1, 0, 300'000, "베팅금:30만냥"},
        {"kind 4 takes the amount", 4, 5'000'000, 5'000'000, "베팅금:500만냥"},
        {"kind 3 takes room 41's table", 3, 7, 1'000'000, "베팅금:100만냥"},
    };
    for (const auto& c : cases) {
        if (c.betKind >= 0) Flows().decisions.OnRoomOptionNotice({.flag = 1, .amount = c.amount, .betKind = c.betKind});
        EXPECT_EQ(s.Result().GetTargetScoreRoom().bet, c.bet) << c.name;
        s.periphery.userOption->BuildRoomOptionText();
        EXPECT_EQ(s.periphery.userOption->GetRoomRow(3), c.row) << c.name;
    }
}

// The view reset drops a page the host never answered, and the server hears that none is open.
TEST_F(RoomFlowOps, ViewResetReportsTheDroppedPage)
{
    const struct { const char* name; ObserverRules::PageState before; std::vector<GameRequest> sent; } cases[] = {
        {"a page pending", ObserverRules::PageState::Requested, {Requests::HostPageState{0}}},
        {"a page open stays", ObserverRules::PageState::Granted, {}},
        {"nothing pending", ObserverRules::PageState::None, {}},
    };
    for (const auto& c : cases) {
        Scene().Periphery().SetPageState(c.before);
        host.Forget();
        EXPECT_EQ(Client()->ResetRoomView(), 0) << c.name;
        std::vector<GameRequest> pages;
        for (const GameRequest& r : host.sent)
            if (r.Get<Requests::HostPageState>()) pages.push_back(r);
        EXPECT_EQ(pages, c.sent) << c.name;
    }
}

// The host's forced-exit slot obeys the popup menu's rules: no paid question where no kick may follow.
TEST_F(RoomFlowOps, ForcedExitSlotAsksOnlyWhereTheKickIsAllowed)
{
    const struct { const char* name; int32_t roomKind, antiLeave; bool asked; } cases[] = {
        {"a plain room asks", 0, 0, true},
        {"a target-score room asks nothing", 41, 0, false},
        {"an anti-leave room in force keeps the player", 8, 1, false},
    };
    for (const auto& c : cases) {
        CMirelleVWS& s = Scene();
        s.room.roomKind = c.roomKind;
        s.room.option.antiLeave = c.antiLeave;
        s.controls.antiLeaveActive = c.antiLeave != 0;
        s.ownUser.gameMoney = 1'000'000'000;
        host.Forget();
        const UINT_PTR timer = AnswerNextBox(IDNO);
        EXPECT_EQ(Client()->RequestForcedExit(kOtherKey), 0) << c.name;
        KillTimer(nullptr, timer);
        EXPECT_EQ(nextBox.answered, c.asked) << c.name;
        EXPECT_TRUE(host.sent.empty()) << c.name;
    }
}
