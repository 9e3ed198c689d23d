#include <gtest/gtest.h>

#include <cstdint>
#include <algorithm>
#include <limits>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "table/flows/FlowFixture.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/WidgetFactory.h"

namespace {

using SeatNotices = FlowFixture;
constexpr int64_t kMax = std::numeric_limits<int64_t>::max();

}  // namespace

TEST_F(SeatNotices, AntiLeaveCountOnlyForSeatsZeroAndOne)
{
    records.room.roomKind = 8, records.room.option.antiLeave = 1, records.controls.antiLeaveActive = true;
    const struct { const char* name; int32_t seat, a, b; std::pair<int32_t, int32_t> own, other; } cases[] = {
        {"seat 0", 0, 1, 0, {1, 0}, {0, 0}},
        {"seat 1", 1, 0, 2, {1, 0}, {0, 2}},
        {"seat -1", -1, 3, 3, {1, 0}, {0, 2}},
        {"seat 2", 2, 3, 3, {1, 0}, {0, 2}},
        {"a huge seat", 1 << 30, 3, 3, {1, 0}, {0, 2}},
        {"both below 1 change nothing", 0, 0, -4, {1, 0}, {0, 2}},
    };
    for (const auto& c : cases) {
        flows.seats.OnAntiLeaveCount({c.seat, c.a, c.b});
        EXPECT_EQ((std::pair{records.RoundUser(0).antiLeave1, records.RoundUser(0).antiLeave2}), c.own) << c.name;
        EXPECT_EQ((std::pair{records.RoundUser(1).antiLeave1, records.RoundUser(1).antiLeave2}), c.other) << c.name;
    }
    records.controls.antiLeaveActive = false;
    flows.seats.OnAntiLeaveCount({0, 5, 5});
    EXPECT_EQ(records.RoundUser(0).antiLeave1, 1) << "the rule not in force";
}

TEST_F(SeatNotices, RobotSeatOnlyForARobotCode)
{
    const struct { const char* name; int32_t code, count, join; int32_t key, state; std::string name1; } cases[] = {
        {"code -1 seats nobody", -1, 1, 1, 200, 0, "상대"},
        {"code 0 does not seat user key 0", 0, 1, 1, 200, 0, "상대"},
        {"count 0 changes no seat", -2, 0, 1, 200, 0, "상대"},
        {"a robot joins seat 1", -2, 1, 1, -2, -2, "맞고로봇"},
        {"another robot's leave leaves it", -3, 1, 0, -2, -2, "맞고로봇"},
        {"the robot leaves", -2, 2, 0, -1, 0, ""},
    };
    records.GetPlayer(1).nickname = "상대";
    for (const auto& c : cases) {
        flows.seats.OnRobotSeatChange({c.code, c.count, c.join, 0});
        const PlayerInfo& p = records.GetPlayer(1);
        EXPECT_EQ((std::tuple{p.userKey, p.seatState, p.nickname}), (std::tuple{c.key, c.state, c.name1})) << c.name;
        EXPECT_EQ(records.GetPlayer(0).userKey, kOwnKey) << c.name << ": the own seat stays";
    }
    EXPECT_EQ(records.GetPlayer(1).screenSlot, 1) << "the seat keeps its side";
    EXPECT_EQ(stage.Count("ShowStartButton 1"), 2) << "after each leave the own user in seat 0 may start";
}

// A code naming no robot changes no seat, but what follows the seats still runs.
TEST_F(SeatNotices, CodeWithoutRobotStillShowsTheStart)
{
    const struct { const char* name; int32_t code, join; int startButtons; } cases[] = {
        {"code -1, no join", -1, 0, 1},
        {"code 0, no join", 0, 0, 1},
        {"code 5, no join", 5, 0, 1},
        {"code -1 with join", -1, 1, 0},
    };
    records.GetPlayer(1).Clear();
    for (const auto& c : cases) {
        stage.Forget();
        const PITable seats = records.room.seats;
        flows.seats.OnRobotSeatChange({c.code, 1, c.join, 0});
        EXPECT_TRUE(records.room.seats == seats) << c.name << ": a seat changed";
        EXPECT_EQ(stage.Count("ShowStartButton 1"), c.startButtons) << c.name;
    }
}

TEST_F(SeatNotices, UnseatedKeysChangeNoSeat)
{
    const PITable seats = records.room.seats;
    flows.seats.OnVoiceTypeChanged({999, 0, 3});
    flows.seats.OnPlayerDisconnected({-1, 2});
    flows.seats.OnSeatMark({0, 999, ""});
    flows.seats.OnTimeoutCountNotice({kOwnKey, 5});
    flows.money.OnSafeWithdrawal({999, 6, 1000, 0, 0});
    flows.money.OnMoneyCapNotice({999, 4});
    flows.seats.OnPlayerDisconnected({200, 1});
    EXPECT_TRUE(records.room.seats == seats) << "no seat record changed";
    EXPECT_TRUE(stage.calls.empty()) << stage.calls.front();

    flows.seats.OnVoiceTypeChanged({kOwnKey, 0, 2});
    EXPECT_EQ(records.GetPlayer(0).voiceType, 2);
    EXPECT_EQ(stage.CallsOf("SetOwnVoiceType"), std::vector<std::string>{"SetOwnVoiceType 2"});
}

TEST_F(SeatNotices, DisconnectAndKickReserve)
{
    flows.seats.OnPlayerDisconnected({200, 3});
    EXPECT_EQ((std::pair{records.GetPlayer(1).seatState, records.GetPlayer(1).disconnectCount}), (std::pair{1, 1}));
    EXPECT_EQ(stage.Count("RemoveSeatAvatar 1"), 1);

    flows.seats.OnKickReserve({1, kOwnKey, 200, 0, 5000, "상대"});
    flows.seats.OnKickReserve({1, kOwnKey, 200, 0, 5000, "상대"});
    EXPECT_EQ(records.gameInfo.kickReservations, std::vector<int32_t>{200}) << "reserved once";
    EXPECT_EQ(stage.CallsOf("ShowMessageBox").front(), "ShowMessageBox  상대님의 강제퇴장 예약. ");
    flows.seats.OnKickReserve({2, kOwnKey, 200, 0, 5000, "상대"});
    EXPECT_TRUE(records.gameInfo.kickReservations.empty());
    EXPECT_EQ(records.GetPlayer(0).gameMoney, 5000);

    records.room.roomKind = 41;
    stage.Forget();
    flows.seats.OnKickReserve({1, kOwnKey, 200, 0, 7, "상대"});
    EXPECT_TRUE(stage.calls.empty() && records.GetPlayer(0).gameMoney == 5000) << "target-score rooms change nothing";
}

TEST_F(SeatNotices, MoneyGainedBannerAndSeats)
{
    GVTextWnd line;
    widgets.moneyWidgets.returnTexts[1] = &line;
    records.GetPlayer(0).gameMoney = 1, records.GetPlayer(1).gameMoney = 2;
    flows.money.OnMoneyGained({300, 400, 5, 5, {7, 8}});
    EXPECT_EQ((std::tuple{records.GetPlayer(0).gameMoney, records.GetPlayer(1).gameMoney, stage.delayedMs}),
              (std::tuple{int64_t{1}, int64_t{2}, uint64_t{0}})) << "two other users: no money, no banner";

    const struct { const char* name; MoneyGained body; std::string text; } cases[] = {
        {"the own user gives", {kOwnKey, 200, 3000000005, 1, {10, 20}}, "3000000005냥 획득"},
        {"the own user takes", {200, kOwnKey, 1, 2147483653, {10, 20}}, "2147483653냥"},
    };
    for (const auto& c : cases) {
        flows.money.OnMoneyGained(c.body);
        EXPECT_EQ(line.GetText(), c.text) << c.name;
        EXPECT_FALSE(line.IsVisible()) << c.name << ": hidden after its second";
    }
    EXPECT_EQ(records.GetPlayer(1).gameMoney, 20);
}

TEST_F(SeatNotices, SafeWithdrawalAndCapNotice)
{
    flows.money.OnSafeWithdrawal({200, 5, 1000, 0, 0});
    EXPECT_TRUE(stage.calls.empty()) << "kind 5 changes nothing";
    records.GetPlayer(1).gameMoney = kMax - 10;
    flows.money.OnSafeWithdrawal({200, 6, 1000, 0, 0});
    EXPECT_EQ(records.GetPlayer(1).gameMoney, kMax) << "saturates";
    EXPECT_EQ(stage.CallsOf("ShowMessageBox").size(), 1u) << "the other's withdrawal is boxed";

    stage.Forget();
    flows.money.OnMoneyCapNotice({kOwnKey, 5, 300000000000, 9, 20270131235900, 1});
    flows.money.OnMoneyCapNotice({kOwnKey, 0, 300000000000, 9, 20270131235900, 1});
    EXPECT_TRUE(stage.CallsOf("ShowMessageBox").empty()) << "grades 0 and above 4 show no box";
    flows.money.OnMoneyCapNotice({kOwnKey, 4, 300000000000, 0, 0, 300000000000});
    EXPECT_EQ(stage.CallsOf("ShowMessageBox"),
              std::vector<std::string>{"ShowMessageBox 고스톱 머니총합 최고한도 3000억냥을 초과하였습니다."});
}

// Whoever reached the cap, that seat's money changed: the host hears both seats' money again.
TEST_F(SeatNotices, CapNoticeReportsTheSeatsMoney)
{
    const struct { const char* name; int32_t key; int reports; } cases[] = {
        {"the own user", kOwnKey, 1},
        {"the other player", 200, 1},
        {"a key not seated", 999, 0},
    };
    for (const auto& c : cases) {
        stage.Forget();
        flows.money.OnMoneyCapNotice({static_cast<uint32_t>(c.key), 4, 300000000000, 0, 0, 5});
        EXPECT_EQ(stage.Count("ReportSeatMoney"), c.reports) << c.name;
    }
    EXPECT_EQ(records.GetPlayer(1).gameMoney, 5) << "the other's money is the notice's";
}

TEST_F(SeatNotices, TournamentResultClosesTheTable)
{
    const struct { const char* name; uint32_t kind; std::vector<std::string> shown; int winnerSounds; } cases[] = {
        {"kind 0 shows the result", 0, {"ShowTournamentResult 0"}, 0},
        {"kind 11 only sounds", 11, {}, 1},
    };
    for (const auto& c : cases) {
        records.tableState.active = true;
        records.controls.autoPlay = true;
        stage.Forget();
        flows.results.OnTournamentRoundResult({.resultKind = c.kind, .winnerKey = 200, .tournamentMoney = {70, 80}});
        // The result panel switches auto-play off as it shows; the handler itself never does.
        EXPECT_EQ(stage.Count("SetAutoPlay 0"), 0) << c.name;
        EXPECT_FALSE(records.tableState.active) << c.name;
        EXPECT_EQ(records.room.roomState, static_cast<int32_t>(RoomState::RoundOver)) << c.name;
        EXPECT_EQ((std::tuple{records.GetPlayer(0).tournamentMoney, records.GetPlayer(1).tournamentMoney,
                              records.ownUser.tournamentMoney}),
                  (std::tuple{int64_t{70}, int64_t{80}, int64_t{70}})) << c.name;
        EXPECT_EQ(stage.CallsOf("ShowTournamentResult"), c.shown) << c.name;
        EXPECT_EQ(std::count(stage.sounds.begin(), stage.sounds.end(), SoundTables::SoundId::ResultWinner), c.winnerSounds)
            << c.name;
        EXPECT_EQ(stage.Count("LeaveNoticeToHost 1"), 1) << c.name;
    }
}

TEST_F(SeatNotices, WaitingAnimationLoopsWhileARobotIsSeated)
{
    WidgetFactory factory(GeneratedTableImages(), scene);
    const std::unique_ptr<GVQZAniWnd> made(factory.CreateQZAniWnd("Etc\\waiting.qza", {}));
    ASSERT_TRUE(made);
    GVQZAniWnd& waiting = *made;
    waiting.Stop();
    widgets.roomWidgets.waitingAnimation = &waiting;
    const struct { const char* name; int32_t roomKind, code, join; bool playing; } cases[] = {
        {"the robot joins", 0, -2, 1, true},
        {"room 60 shows none", 60, -2, 1, false},
        {"the robot leaves", 0, -2, 0, false},
    };
    for (const auto& c : cases) {
        records.room.roomKind = c.roomKind;
        flows.seats.OnRobotSeatChange({c.code, 1, c.join, 0});
        EXPECT_EQ(waiting.IsPlaying(), c.playing) << c.name;
    }
}
