#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "table/flows/FlowFixture.h"
#include "toolkit/GVTextWnd.h"

using EntryFlowTable = FlowFixture;

TEST_F(EntryFlowTable, SeatAnswerOutsideTheTwoSeatsChangesNoSeat)
{
    const PITable seats = records.room.seats;
    for (const int32_t index : {2, -1, 100}) {
        JoinGameAnswer body{.userKey = 300, .result = 0, .ownerKey = 300, .seatIndex = index};
        body.player.userKey = 300;
        flows.entry.OnJoinGameAnswer(body);
        EXPECT_TRUE(records.room.seats == seats) << "seat index " << index;
    }
    EXPECT_EQ(stage.Count("PostToHost 0"), 3) << "each refused answer is reported";
}

TEST_F(EntryFlowTable, PlayerLeavingFreesHisSeat)
{
    using SoundTables::SoundId;
    records.room.roomState = static_cast<int32_t>(RoomState::Playing);
    flows.entry.OnPlayerLeave({.userKey = 200, .reason = 23});
    EXPECT_EQ(records.GetPlayer(1).userKey, -1) << "the seat is free";
    EXPECT_EQ(std::count(stage.sounds.begin(), stage.sounds.end(), SoundId::GameExit), 1);
    EXPECT_EQ(stage.CallsOf("ShowMessageBox ").size(), 1u) << "the box of reason 23 while the own user is seated";

    // The own user leaves while another sits in seat 1: the other moves to seat 0.
    records.GetPlayer(1).userKey = 300;
    stage.Forget();
    flows.entry.OnPlayerLeave({.userKey = static_cast<uint32_t>(kOwnKey)});
    EXPECT_TRUE(records.GetPlayer(0).userKey == 300 && records.GetPlayer(1).userKey == -1) << "the remaining player first";
    EXPECT_EQ(stage.Count("SetAutoPlay 0"), 1);
    EXPECT_EQ(stage.Count("SetAutoPlayButtonEnabled 0"), 1) << "the own leave disables the auto-play button";
    EXPECT_TRUE(std::count(stage.sounds.begin(), stage.sounds.end(), SoundId::GameExit) == 0) << "no exit sound for the own leave";
}

TEST_F(EntryFlowTable, AvatarsAreFetchedOnlyWhenASeatChangesHands)
{
    const auto fetches = [&] { return stage.CallsOf("LoadSeatAvatar").size(); };
    flows.results.OnRoundResult({.winnerKey = kOwnKey});
    flows.results.OnGameEnd({.firstKey = kOwnKey});
    flows.firstPlayer.OnTableReset({.firstKey = kOwnKey});
    EXPECT_EQ(fetches(), 0u) << "results, game end and table reset keep the avatars";

    records.GetPlayer(1).Clear();
    JoinGameAnswer seated{.userKey = 300, .result = 0, .ownerKey = kOwnKey, .seatIndex = 1};
    seated.player.userKey = 300;
    flows.entry.OnJoinGameAnswer(seated);
    EXPECT_EQ(stage.CallsOf("LoadSeatAvatar"), std::vector<std::string>{"LoadSeatAvatar 1"}) << "the new player's seat";

    // A watcher sees the seats swap screen slots: both avatars follow.
    stage.Forget();
    records.ownUser.userKey = 999;
    records.room.seats.AssignScreenSlots(999);
    flows.firstPlayer.OnTableReset({.firstKey = 300});
    EXPECT_EQ(records.GetPlayer(0).userKey, 300);
    EXPECT_EQ(fetches(), 2u);
}

TEST_F(EntryFlowTable, OwnSeatTakesTheBottomSideWhoeverOwnsTheRoom)
{
    records.room.roomState = static_cast<int32_t>(RoomState::Waiting);
    records.GetPlayer(0).userKey = 200;
    records.GetPlayer(1).Clear();
    records.gameInfo.ownerKey = 200;
    JoinGameAnswer seated{.userKey = kOwnKey, .result = 0, .ownerKey = 200, .seatIndex = 1};
    seated.player.userKey = kOwnKey;
    flows.entry.OnJoinGameAnswer(seated);
    EXPECT_EQ(records.GetPlayer(1).screenSlot, 0) << "the own seat on the bottom side";
    EXPECT_EQ(records.GetPlayer(0).screenSlot, 1) << "the owner on top";
}

TEST_F(EntryFlowTable, PlayerLeavingClosesThePromptOfHisDecisionOnly)
{
    flows.decisions.OnGoOrStopPrompt({.userKey = 200, .points = 7});
    ASSERT_NE(stage.notifyKind, -1) << "the other's go-or-stop prompt shows";
    flows.entry.OnPlayerLeave({.userKey = 200});
    EXPECT_EQ(stage.notifyKind, -1) << "the leaver's prompt stayed";
    EXPECT_EQ(stage.Count("StopPhaseTimer"), 1);

    // The own prompt outlives another user leaving.
    records.GetPlayer(1).userKey = 300;
    records.room.roomState = static_cast<int32_t>(RoomState::Playing);
    flows.decisions.OnYesNoChoicePrompt({.userKey = kOwnKey});
    const int shown = stage.notifyKind;
    ASSERT_NE(shown, -1);
    flows.entry.OnPlayerLeave({.userKey = 300});
    EXPECT_EQ(stage.notifyKind, shown);
    EXPECT_NE(stage.phaseTimer, SceneRules::DecisionKind::None) << "the own decision's timer runs on";
}

// The tournament prize shows its two lines while the result waits, and hides when it ends.
TEST_F(EntryFlowTable, PrizeShowsItsLinesOnlyWhileTheResultWaits)
{
    WidgetFactory f(GeneratedTableImages(), scene);
    EntryWidgets& e = widgets.entryWidgets;
    const auto add = [&](GVWnd* wnd) { return wnd && scene.AddWnd(wnd); };
    ASSERT_TRUE(add(e.prizeBack = f.CreateQZSWnd("Etc\\prize_back.qzs", {220, 245}, Visible::No)));
    for (GVTextWnd*& line : e.prizeTexts) {
        ASSERT_TRUE(add(line = f.CreateTextWnd("", {240, 280}, {320, 14}, 12, 700, 0xFFFFFF)));
        line->Show(false);
    }
    const struct { const char* name; int32_t roomKind; std::vector<std::string> lines; } cases[] = {
        {"room kind 26", 26, {"57,600,000냥을 지급 받으셨습니다", "다시 한번 7승에 도전해 보세요!"}},
        {"room kind 32", 32, {"18억냥을 지급 받으셨습니다", "다시 한번 3승에 도전해 보세요!"}},
        {"room kind 20 has no prize", 20, {}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> shown;
        stage.onDelay = [&](uint32_t) {
            if (e.prizeBack->IsVisible() && e.prizeTexts[0]->IsVisible() && e.prizeTexts[1]->IsVisible())
                shown = {e.prizeTexts[0]->GetText(), e.prizeTexts[1]->GetText()};
        };
        flows.notices.OnEntryResult({.code = 212, .roomKind = c.roomKind});
        EXPECT_EQ(shown, c.lines) << c.name;
        EXPECT_FALSE(e.prizeBack->IsVisible() || e.prizeTexts[0]->IsVisible() || e.prizeTexts[1]->IsVisible()) << c.name;
    }
}

// Each entry mode's own steps; every entry forgets the bet a room option notice set in the room before.
TEST_F(EntryFlowTable, RoomEntryByModeAndAFreshBet)
{
    const struct { const char* name; int32_t mode; int gaugesHidden, observerBars; } cases[] = {
        {"mode 0 watches: the bar shows, the jackpot gauge hides", 0, 1, 1},
        {"mode 1 may sit", 1, 0, 0},
        {"mode 2 only reports the voice", 2, 0, 0},
    };
    for (const auto& c : cases) {
        records.noticedBet = 5000000;
        stage.Forget();
        RoomEnterAnswer body{.clientVersion = 20110927, .entryMode = c.mode};
        body.user.userKey = kOwnKey;
        body.room.roomState = static_cast<int32_t>(RoomState::Playing);
        flows.entry.OnRoomEnterAnswer(body);
        EXPECT_EQ(stage.Count("Promotions.ShowJackpotGauge 0"), c.gaugesHidden) << c.name;
        EXPECT_EQ(stage.Count("ShowObserveSystem 1"), c.observerBars) << c.name;
        EXPECT_FALSE(records.noticedBet.has_value()) << c.name << ": the last room's bet";
    }
}
