#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "foundation/WindowTimer.h"
#include "support/RoomTestSupport.h"

namespace {

using DecisionKind = SceneRules::DecisionKind;

// The room a sender sees: where the own user (key 100) sits, who takes the other seat.
enum class Other { User, Robot, Empty };
struct RoomSetup {
    int ownSeat = 0;  // 0 or 1, -1 not seated
    Other other = Other::User;
    int phase = 0;
    int kind = 1;
    int state = 2;
};

struct SenderCase {
    std::string name;
    RoomSetup room;
    std::function<int(CMirelleVWS&)> call;
    int result;
    std::optional<GameRequest> sent;  // none: nothing may be sent
};

class RequestSenders : public RoomFixture {
protected:
    void SetUp() override { ASSERT_TRUE(OpenRoom()); }

    void Apply(const RoomSetup& r)
    {
        CMirelleVWS& s = Scene();
        s.ownUser.userKey = kOwnKey;
        const int other = r.ownSeat == 1 ? 0 : 1;
        auto& players = s.room.seats.players;
        players[static_cast<size_t>(1 - other)].userKey = r.ownSeat >= 0 ? kOwnKey : 300;
        players[static_cast<size_t>(1 - other)].seatState = 0;
        players[static_cast<size_t>(other)].userKey = r.other == Other::User ? 200 : r.other == Other::Robot ? -5 : -1;
        players[static_cast<size_t>(other)].seatState = r.other == Other::Robot ? -1 : 0;
        s.timers.phaseTimerKind = static_cast<DecisionKind>(r.phase);
        s.room.roomKind = r.kind;
        s.room.roomState = r.state;
    }

    void Run(const std::vector<SenderCase>& cases)
    {
        for (const auto& c : cases) {
            Apply(c.room);
            host.Forget();
            EXPECT_EQ(c.call(Scene()), c.result) << c.name;
            if (!c.sent) {
                EXPECT_TRUE(host.sent.empty()) << c.name << ": refused but sent type " << host.sent.front().Type();
                continue;
            }
            ASSERT_EQ(host.sent.size(), 1u) << c.name;
            EXPECT_EQ(host.sent[0], *c.sent) << c.name << ": sent type " << host.sent[0].Type();
            EXPECT_EQ(host.badSends, 0) << c.name;
        }
    }

    // The host controls set through code 45: "name=value" each.
    std::vector<std::string> Controls() const
    {
        std::vector<std::string> out;
        for (const auto& c : host.RequestsWithCode(45))
            out.push_back(c.text.value_or("(none)") + "=" + std::to_string(c.value));
        return out;
    }
};

using R = RoomSetup;
using Req = GameRequest;

}  // namespace

TEST_F(RequestSenders, SeatAndRoomGates)
{
    Scene().options.voiceType = 2;
    const auto play = [](int flag) { return [flag](CMirelleVWS& s) { return s.SendPlay(flag); }; };
    Run({
        {"play while seated", R{0}, play(1), 0, {}},
        {"play while waiting", R{-1, Other::User, 0, 1, 1}, play(0), 1, Req(Requests::Play{2, 0})},
        {"play in a running game, flag 0", R{-1, Other::User, 0, 1, 2}, play(0), 0, {}},
        {"play in a running game, flag 1", R{-1, Other::User, 0, 1, 2}, play(1), 1, Req(Requests::Play{2, 1})},
        {"play against the robot, flag 0", R{-1, Other::Robot, 0, 1, 2}, play(0), 1, Req(Requests::Play{2, 0})},
        {"observe seated", R{0}, [](CMirelleVWS& s) { return s.SendObserve(); }, 1, Req(Requests::Observe{})},
        {"observe not seated", R{-1}, [](CMirelleVWS& s) { return s.SendObserve(); }, 0, {}},
        {"option seated", R{1}, [](CMirelleVWS& s) { return s.SendOptionChange(4, 3); }, 1,
         Req(Requests::OptionChange{4, 3})},
        {"option not seated", R{-1}, [](CMirelleVWS& s) { return s.SendOptionChange(4, 3); }, 0, {}},
        {"result choice carries the skin", R{0}, [](CMirelleVWS& s) { s.options.skin = 1; return s.SendResultChoice(1); }, 1,
         Req(Requests::ResultChoice{1, 1})},
        {"result choice not seated", R{-1}, [](CMirelleVWS& s) { return s.SendResultChoice(0); }, 0, {}},
        {"request 19 seated", R{0}, [](CMirelleVWS& s) { return s.SendRequest19(); }, 1, Req(Requests::Request19{})},
        {"request 19 not seated", R{-1}, [](CMirelleVWS& s) { return s.SendRequest19(); }, 0, {}},
        {"request 20 seated", R{0}, [](CMirelleVWS& s) { return s.SendRequest20(7, 8); }, 1,
         Req(Requests::Request20{7, 8})},
        {"request 20 not seated", R{-1}, [](CMirelleVWS& s) { return s.SendRequest20(7, 8); }, 0, {}},
        {"challenge 1", R{0}, [](CMirelleVWS& s) { return s.SendChallenge(1); }, 1, Req(Requests::Challenge{1})},
        {"challenge 3", R{0}, [](CMirelleVWS& s) { return s.SendChallenge(3); }, 1, Req(Requests::Challenge{3})},
        {"challenge 0", R{0}, [](CMirelleVWS& s) { return s.SendChallenge(0); }, 0, {}},
        {"challenge 4", R{0}, [](CMirelleVWS& s) { return s.SendChallenge(4); }, 0, {}},
        {"challenge not seated", R{-1}, [](CMirelleVWS& s) { return s.SendChallenge(2); }, 0, {}},
        {"auto-play", R{0}, [](CMirelleVWS& s) { return s.SendAutoPlay(1); }, 1, Req(Requests::AutoPlay{1})},
        {"auto-play with the robot", R{0, Other::Robot}, [](CMirelleVWS& s) { return s.SendAutoPlay(1); }, 0, {}},
    });
    EXPECT_EQ(Scene().room.roomState, 2);
}

TEST_F(RequestSenders, DecisionSendersNeedTheirPhaseAndASeat)
{
    struct Decision {
        const char* name;
        int phase;
        std::function<int(CMirelleVWS&)> call;
        GameRequest request;
    };
    const Decision decisions[] = {
        {"ready answer", 1, [](CMirelleVWS& s) { return s.SendGameReadyAnswer(1); }, Requests::GameReadyAnswer{1}},
        {"sun pick", 3, [](CMirelleVWS& s) { return s.SendSunPick(50, 1); }, Requests::SunPick{1, 50}},
        {"request 11", 6, [](CMirelleVWS& s) { return s.SendRequest11(2); }, Requests::Request11{2}},
        {"play card", 8, [](CMirelleVWS& s) { return s.SendPlayCard(12, 0); }, Requests::PlayCard{0, 12, 0}},
        {"request 14", 9, [](CMirelleVWS& s) { return s.SendRequest14(1, 1); }, Requests::Request14{1, 1}},
        {"card choice", 11, [](CMirelleVWS& s) { return s.SendCardChoice(33, 0); }, Requests::CardChoice{0, 33}},
        {"september animal", 14, [](CMirelleVWS& s) { return s.SendSeptAnimalChoice(0, 1); },
         Requests::SeptAnimalChoice{1, 0, 32}},
        {"go or stop", 15, [](CMirelleVWS& s) { return s.SendGoOrStop(1, 0); }, Requests::GoOrStop{0, 1}},
    };
    for (const auto& d : decisions) {
        std::vector<SenderCase> cases = {
            {std::string(d.name) + " in its phase", R{0, Other::User, d.phase}, d.call, 1, d.request},
            {std::string(d.name) + " in seat 1", R{1, Other::User, d.phase}, d.call, 1, d.request},
            {std::string(d.name) + " not seated", R{-1, Other::User, d.phase}, d.call, 0, {}},
            {std::string(d.name) + " in another phase", R{0, Other::User, d.phase == 8 ? 1 : 8}, d.call, 0, {}},
            {std::string(d.name) + " with no phase", R{0, Other::User, 0}, d.call, 0, {}},
        };
        Run(cases);
        // An answer closes the decision.
        Apply(R{0, Other::User, d.phase});
        Scene().timers.countdownStart = 9;
        Scene().timers.countdown = 2;
        EXPECT_EQ(d.call(Scene()), 1) << d.name;
        if (d.phase != 3) {
            EXPECT_EQ(static_cast<int>(Scene().timers.phaseTimerKind), 0) << d.name << ": the decision timer still runs";
        }
        if (d.phase != 1 && d.phase != 3) {
            EXPECT_EQ(Scene().timers.countdown, 9) << d.name << ": countdown not restarted";
        }
    }
    // The own seat taken by the robot's record cannot answer request 11.
    Apply(R{0, Other::User, 6});
    Scene().room.seats.players[0].seatState = -1;
    host.Forget();
    EXPECT_EQ(Scene().SendRequest11(1), 0);
    EXPECT_TRUE(host.sent.empty());
}

TEST_F(RequestSenders, BetNeedsItsPhaseOnly)
{
    Run({
        {"bet in phase 21", R{-1, Other::User, 21}, [](CMirelleVWS& s) { return s.SendBet(1, 2); }, 1,
         Req(Requests::Bet{1, 2})},
        {"bet in phase 22", R{0, Other::User, 22}, [](CMirelleVWS& s) { return s.SendBet(1, 2); }, 0, {}},
    });
    Apply(R{0, Other::User, 21});
    EXPECT_EQ(Scene().SendBet(0, 0), 1);
    EXPECT_EQ(static_cast<int>(Scene().timers.phaseTimerKind), 0);
}

TEST_F(RequestSenders, RoomKindGates)
{
    const auto start = [](CMirelleVWS& s) { return s.SendStart(); };
    const auto kick = [](CMirelleVWS& s) { return s.SendKick(200); };
    const auto chamgi = [](CMirelleVWS& s) { return s.SendChamgi(1); };
    const auto request32 = [](CMirelleVWS& s) { return s.SendRequest32(); };
    std::vector<SenderCase> cases;
    for (int kind : {19, 20, 23, 26, 27, 29, 30, 32, 33}) {
        const bool tournament = (kind >= 20 && kind <= 26) || (kind >= 30 && kind <= 32);
        const std::string k = " in kind " + std::to_string(kind);
        cases.push_back({"start, waiting, empty seat" + k, R{0, Other::Empty, 0, kind, 1}, start, tournament ? 0 : 1,
                         tournament ? std::nullopt : std::optional<Req>(Requests::Request8{0})});
        cases.push_back({"chamgi" + k, R{0, Other::User, 0, kind}, chamgi, tournament ? 0 : 1,
                         tournament ? std::nullopt : std::optional<Req>(Requests::Chamgi{1})});
    }
    for (int kind : {39, 40, 41, 43, 44}) {
        const bool desperate = kind >= 40 && kind <= 43;
        const std::string k = " in kind " + std::to_string(kind);
        cases.push_back({"request 32" + k, R{0, Other::User, 0, kind}, request32, desperate ? 1 : 0,
                         desperate ? std::optional<Req>(Requests::Request32{}) : std::nullopt});
        cases.push_back({"request 32 with the robot" + k, R{0, Other::Robot, 0, kind}, request32, 0, {}});
        cases.push_back({"kick by the owner" + k, R{0, Other::User, 0, kind}, kick, desperate ? 0 : 1,
                         desperate ? std::nullopt : std::optional<Req>(Requests::Kick{200})});
    }
    cases.push_back({"start, waiting, both seated", R{0, Other::User, 0, 20, 1}, start, 1, Req(Requests::Request9{0})});
    cases.push_back({"start, playing, empty seat", R{0, Other::Empty, 0, 1, 2}, start, 1, Req(Requests::Request9{0})});
    cases.push_back({"start from seat 1", R{1, Other::User, 0, 1, 1}, start, 0, {}});
    cases.push_back({"start not seated", R{-1, Other::User, 0, 1, 1}, start, 0, {}});
    cases.push_back({"chamgi not seated", R{-1, Other::User, 0, 1}, chamgi, 0, {}});
    Scene().gameInfo.ownerKey = kOwnKey;
    Run(cases);

    Scene().gameInfo.ownerKey = 200;
    Run({{"kick by another user", R{0, Other::User, 0, 1}, kick, 0, {}}});
    Scene().gameInfo.ownerKey = kOwnKey;
    Run({{"kick of nobody", R{0, Other::User, 0, 1}, [](CMirelleVWS& s) { return s.SendKick(-1); }, 0, {}}});

    for (int kind : {4, 5, 10, 11}) {
        Apply(R{0, Other::User, 0, kind});
        EXPECT_EQ(Scene().IsRoomKind5To10InPlay(), kind >= 5 && kind <= 10 ? 1 : 0) << kind;
        Apply(R{0, Other::Robot, 0, kind});
        EXPECT_EQ(Scene().IsRoomKind5To10InPlay(), 0) << kind << " with the robot";
    }
}

TEST_F(RequestSenders, StartSwitchesAutoPlayOff)
{
    Apply(R{1, Other::User, 0, 1, 2});
    Scene().controls.autoPlay = 1;
    Clock::UseVirtual(0, Clock::Now());
    ASSERT_EQ(Scene().StartPhaseTimer(static_cast<DecisionKind>(8)), 1);
    EXPECT_EQ(Scene().SendStart(), 0);
    EXPECT_EQ(Scene().controls.autoPlay, 0) << "even when refused";
    EXPECT_EQ(WindowTimer::MsUntilNextDue(), 10000) << "the running decision keeps its auto-play seconds";
}

TEST_F(RequestSenders, MacroIsSentOnceUntilEnabledAgain)
{
    Apply(R{0});
    Scene().controls.macroEnabled = 1;
    host.Forget();
    EXPECT_EQ(Scene().SendMacro(3), 1);
    EXPECT_EQ(Scene().SendMacro(4), 0);
    ASSERT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(host.sent[0], Req(Requests::Macro{3}));
    EXPECT_EQ(Scene().controls.macroEnabled, 0);
}

TEST_F(RequestSenders, PlayAndObserveSetTheirHostControls)
{
    Apply(R{-1, Other::User, 0, 1, 1});
    host.Forget();
    ASSERT_EQ(Scene().SendPlay(0), 1);
    EXPECT_EQ(Controls(), std::vector<std::string>{"play=1"});
    EXPECT_EQ(host.RequestsWithCode(45)[0].userKey, kOwnKey);
    Apply(R{0});
    host.Forget();
    ASSERT_EQ(Scene().SendObserve(), 1);
    EXPECT_EQ(Controls(), std::vector<std::string>{"observe=1"});
}

TEST_F(RequestSenders, ItemUseAsksTheHostWithTheAmount)
{
    const struct {
        const char* name;
        RoomSetup room;
        int64_t amount;
        int result;
    } cases[] = {
        {"result shown", R{0, Other::User, 0, 1, 3}, 5000000000LL, 1},
        {"game running", R{0, Other::User, 0, 1, 2}, 100, 0},
        {"not seated", R{-1, Other::User, 0, 1, 3}, 100, 0},
        {"nothing to use", R{0, Other::User, 0, 1, 3}, 0, 0},
        {"negative", R{0, Other::User, 0, 1, 3}, -5, 0},
    };
    for (const auto& c : cases) {
        Apply(c.room);
        host.Forget();
        EXPECT_EQ(Scene().RequestItemUse(c.amount), c.result) << c.name;
        const auto calls = host.RequestsWithCode(22);
        ASSERT_EQ(calls.size(), static_cast<size_t>(c.result)) << c.name;
        if (c.result) {
            EXPECT_EQ(calls[0].amount, c.amount) << c.name;
            EXPECT_EQ(calls[0].userKey, kOwnKey) << c.name;
            EXPECT_EQ(calls[0].inOut, 8) << c.name;
        }
        EXPECT_TRUE(host.sent.empty()) << c.name;
    }
}

TEST_F(RequestSenders, TurnTimeOutsWarnThenSwitchToAutoPlay)
{
    const struct {
        const char* name;
        int turnTime;
        const char* firstLine;
    } speeds[] = {
        {"speed 0", 0, "대기 시간이 초과되었습니다. 대기 시간이 감소합니다."},
        {"speed 2", 2, "대기 시간이 초과되었습니다."},
    };
    for (const auto& sp : speeds) {
        Apply(R{0, Other::User, 8});
        Scene().room.option.turnTime = sp.turnTime;
        Scene().room.seats.players[0].turnTimeoutCount = 0;
        Scene().controls.autoPlay = 0;
        host.Forget();

        ASSERT_EQ(Scene().SendPlayCard(5, 1), 1) << sp.name;
        ASSERT_EQ(host.sent.size(), 2u) << sp.name;
        EXPECT_EQ(host.sent[0], Req(Requests::PlayCard{1, 5, 0})) << sp.name;
        EXPECT_EQ(host.sent[1], Req(Requests::TimeoutCount{1})) << sp.name;
        ASSERT_EQ(host.chat.size(), 1u) << sp.name;
        EXPECT_EQ(host.chat[0].text, sp.firstLine) << sp.name;
        EXPECT_EQ(host.chat[0].bold, 1) << sp.name;
        EXPECT_EQ(host.chat[0].weight, 700) << sp.name;
        EXPECT_EQ(host.chat[0].color, 20) << sp.name;
        EXPECT_EQ(Scene().controls.autoPlay, 0) << sp.name;

        host.Forget();
        Scene().timers.phaseTimerKind = static_cast<DecisionKind>(8);
        ASSERT_EQ(Scene().SendPlayCard(6, 1), 1) << sp.name;
        ASSERT_EQ(host.sent.size(), 3u) << sp.name;
        EXPECT_EQ(host.sent[0], Req(Requests::PlayCard{1, 6, 0})) << sp.name;
        EXPECT_EQ(host.sent[1], Req(Requests::TimeoutCount{2})) << sp.name;
        EXPECT_EQ(host.sent[2], Req(Requests::AutoPlay{1})) << sp.name;
        ASSERT_EQ(host.chat.size(), 1u) << sp.name;
        EXPECT_EQ(host.chat[0].text, "대기 시간이 2회 초과되어 자동 치기로 변경됩니다.") << sp.name;
        EXPECT_EQ(Scene().controls.autoPlay, 1) << sp.name;
        EXPECT_EQ(Scene().room.seats.players[0].turnTimeoutCount, 2) << sp.name;

        host.Forget();
        Scene().timers.phaseTimerKind = static_cast<DecisionKind>(8);
        ASSERT_EQ(Scene().SendPlayCard(7, 1), 1) << sp.name;
        EXPECT_EQ(host.sent.size(), 2u) << sp.name << ": the third time-out is counted, no more auto-play";
        EXPECT_TRUE(host.chat.empty()) << sp.name;
    }
}

TEST_F(RequestSenders, TimeOutsAreNotCountedWhenPlayedOrAgainstTheRobot)
{
    const struct {
        const char* name;
        Other other;
        int timedOut;
    } cases[] = {
        {"played in time", Other::User, 0},
        {"timed out against the robot", Other::Robot, 1},
    };
    for (const auto& c : cases) {
        Apply(R{0, c.other, 8});
        Scene().room.seats.players[0].turnTimeoutCount = 1;
        host.Forget();
        ASSERT_EQ(Scene().SendPlayCard(5, c.timedOut), 1) << c.name;
        ASSERT_EQ(host.sent.size(), 1u) << c.name;
        EXPECT_EQ(host.sent[0], Req(Requests::PlayCard{c.timedOut, 5, 0})) << c.name;
        EXPECT_TRUE(host.chat.empty()) << c.name;
        EXPECT_EQ(Scene().room.seats.players[0].turnTimeoutCount, 1) << c.name;
    }
}

namespace {

int boxAnswer = IDOK;
void CALLBACK AnswerBox(HWND, UINT, UINT_PTR id, DWORD)
{
    const HWND box = GetOpenMessageBox();
    if (!box) return;
    KillTimer(nullptr, id);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(boxAnswer, BN_CLICKED), 0);
}

}  // namespace

TEST_F(RequestSenders, GiveUpAndDesperateExitAskFirst)
{
    const auto giveUp = [](CMirelleVWS& s) { return s.SendGiveUp(); };
    const auto exit = [](CMirelleVWS& s) { return s.SendDesperateExit(); };
    const struct {
        const char* name;
        RoomSetup room;
        std::function<int(CMirelleVWS&)> call;
        int answer;  // IDOK or IDNO; 0: no box may open
        std::optional<GameRequest> sent;
    } cases[] = {
        {"give up, yes", R{0, Other::User, 0, 25}, giveUp, IDOK, Req(Requests::GiveUp{})},
        {"give up, no", R{0, Other::User, 0, 31}, giveUp, IDNO, {}},
        {"give up outside a tournament", R{0, Other::User, 0, 27}, giveUp, 0, {}},
        {"give up not seated", R{-1, Other::User, 0, 20}, giveUp, 0, {}},
        {"desperate exit, yes", R{0, Other::User, 0, 42}, exit, IDOK, Req(Requests::DesperateExit{})},
        {"desperate exit, no", R{0, Other::User, 0, 40}, exit, IDNO, {}},
        {"desperate exit in another room", R{0, Other::User, 0, 39}, exit, 0, {}},
    };
    for (const auto& c : cases) {
        Apply(c.room);
        Scene().controls.roundStarted = 1;
        host.Forget();
        boxAnswer = c.answer ? c.answer : IDOK;
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, AnswerBox);
        EXPECT_EQ(c.call(Scene()), c.sent ? 1 : 0) << c.name;
        KillTimer(nullptr, timer);
        EXPECT_EQ(host.sent.size(), c.sent ? 1u : 0u) << c.name;
        if (c.sent && !host.sent.empty()) {
            EXPECT_EQ(host.sent[0], *c.sent) << c.name;
        }
    }
    Apply(R{0, Other::User, 0, 42});
    Scene().controls.roundStarted = 0;
    EXPECT_EQ(Scene().SendDesperateExit(), 0) << "before the round started";
}

TEST_F(RequestSenders, TournamentGradeMismatchRefusesToPlay)
{
    Apply(R{-1, Other::User, 0, 30, 1});
    Scene().controls.tournamentGradeMismatch = 1;
    host.Forget();
    boxAnswer = IDOK;
    SetTimer(nullptr, 0, 20, AnswerBox);
    const DWORD start = GetTickCount();
    EXPECT_EQ(Scene().SendPlay(0), 0);
    EXPECT_LT(GetTickCount() - start, 2500u) << "the box was not shown (it closes by itself after 3 s)";
    EXPECT_TRUE(host.sent.empty());
    HostWindow::PumpFor(50);
    bool notified = false;
    for (const auto& p : hostWnd.posted) notified |= p.msg == WM_USER + 1 && p.lParam == 1;
    EXPECT_TRUE(notified) << "WM_USER+1 with code 1";
}
