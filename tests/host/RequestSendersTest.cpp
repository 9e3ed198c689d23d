#include <gtest/gtest.h>

#include "support/RoomTestSupport.h"
#include "scene/HostLink.h"

namespace {

using DecisionKind = SceneRules::DecisionKind;
using S = CMirelleVWS;
using Req = GameRequest;
using Call = std::function<bool(S&)>;

// The room a sender sees: where the own user (key 100) sits, who takes the other seat.
enum class Other { User, Robot, Empty };
struct R {
    int ownSeat = 0;  // 0 or 1, -1 not seated
    Other other = Other::User;
    int phase = 0, kind = 1, state = 2;
};

// A sender answers true when it sent its one request, false when it sent nothing.
struct SenderCase {
    std::string name;
    R room;
    Call call;
    std::optional<GameRequest> sent;
    int box = 0;  // the button pressed in the box the sender shows; 0: no box may open
};

class RequestSenders : public RoomFixture {
protected:
    void SetUp() override { ASSERT_TRUE(OpenRoom()); }

    void Apply(const R& r)
    {
        S& s = Scene();
        s.ownUser.userKey = kOwnKey;
        auto& own = s.room.seats.players[r.ownSeat == 1 ? 1 : 0];
        auto& other = s.room.seats.players[r.ownSeat == 1 ? 0 : 1];
        own.userKey = r.ownSeat >= 0 ? kOwnKey : 300;
        own.seatState = 0;
        other.userKey = r.other == Other::User ? 200 : r.other == Other::Robot ? -5 : -1;
        other.seatState = r.other == Other::Robot ? -1 : 0;
        s.timers.phaseTimerKind = static_cast<DecisionKind>(r.phase);
        s.room.roomKind = r.kind;
        s.room.roomState = r.state;
    }

    // With a failing host every sender still hands its request over, and answers false.
    enum class HostSend { Works, Fails };
    void Run(const std::vector<SenderCase>& cases, HostSend send = HostSend::Works)
    {
        host.sendResult = send == HostSend::Works ? 0 : -1;
        for (const auto& c : cases) {
            Apply(c.room);
            host.Forget();
            const UINT_PTR timer = AnswerNextBox(c.box ? c.box : IDOK);
            EXPECT_EQ(c.call(Scene()), c.sent.has_value() && send == HostSend::Works) << c.name;
            KillTimer(nullptr, timer);
            EXPECT_EQ(nextBox.answered, c.box != 0) << c.name << ": a box was shown, or none";
            EXPECT_EQ(host.sent, c.sent ? std::vector<GameRequest>{*c.sent} : std::vector<GameRequest>{}) << c.name;
        }
    }
};

}  // namespace

TEST_F(RequestSenders, SendOnlyWhileTheirGateIsOpen)
{
    Scene().options.voiceType = 2;
    Scene().controls.roundStarted = true;
    const Call giveUp = [](S& s) { return s.Requests().SendGiveUp(); };
    const Call exit = [](S& s) { return s.Requests().SendDesperateExit(); };
    const Call start = [](S& s) { return s.Requests().SendStart(); };
    const std::vector<SenderCase> cases = {
        {"play while waiting", R{-1, Other::User, 0, 1, 1}, [](S& s) { return s.Requests().SendPlay(0); }, Req(Requests::Play{2, 0})},
        {"play while seated", R{0}, [](S& s) { return s.Requests().SendPlay(1); }, {}},
        {"play in a running game, flag 0", R{-1}, [](S& s) { return s.Requests().SendPlay(0); }, {}},
        {"play in a running game, flag 1", R{-1}, [](S& s) { return s.Requests().SendPlay(1); }, Req(Requests::Play{2, 1})},
        {"play against the robot", R{-1, Other::Robot}, [](S& s) { return s.Requests().SendPlay(0); }, Req(Requests::Play{2, 0})},
        {"auto-play against the robot", R{0, Other::Robot}, [](S& s) { return s.Requests().SendAutoPlay(1); }, {}},
        {"bet needs its phase, not a seat", R{-1, Other::User, 21}, [](S& s) { return s.Requests().SendBet(1, 2); },
         Req(Requests::Bet{1, 2})},
        {"bet in another phase", R{0, Other::User, 22}, [](S& s) { return s.Requests().SendBet(1, 2); }, {}},
        {"start, waiting, both seated", R{0, Other::User, 0, 20, 1}, start, Req(Requests::StartGame{0})},
        {"start, waiting, empty seat", R{0, Other::Empty, 0, 19, 1}, start, Req(Requests::StartWithEmptySeat{0})},
        {"start, waiting, empty seat in a tournament", R{0, Other::Empty, 0, 20, 1}, start, {}},
        {"start, playing, empty seat", R{0, Other::Empty}, start, Req(Requests::StartGame{0})},
        {"start from seat 1", R{1, Other::User, 0, 1, 1}, start, {}},
        {"give up, yes", R{0, Other::User, 0, 25}, giveUp, Req(Requests::GiveUp{}), IDOK},
        {"give up, no", R{0, Other::User, 0, 31}, giveUp, {}, IDNO},
        {"give up outside a tournament", R{0, Other::User, 0, 27}, giveUp, {}},
        {"give up not seated", R{-1, Other::User, 0, 20}, giveUp, {}},
        {"desperate exit, yes", R{0, Other::User, 0, 42}, exit, Req(Requests::DesperateExit{}), IDOK},
        {"desperate exit, no", R{0, Other::User, 0, 40}, exit, {}, IDNO},
        {"desperate exit in another room", R{0, Other::User, 0, 39}, exit, {}},
        {"desperate exit before the round", R{0, Other::User, 0, 42},
         [](S& s) { s.controls.roundStarted = false; return s.Requests().SendDesperateExit(); }, {}},
        {"play with a tournament grade that does not match: told, not asked", R{-1, Other::User, 0, 30, 1},
         [](S& s) { s.controls.tournamentGradeMismatch = true; return s.Requests().SendPlay(0); }, {}, IDOK},
    };
    Run(cases);
    Scene().controls.roundStarted = true;  // the case before the round cleared it
    Run(cases, HostSend::Fails);
    PumpFor(50);
    ASSERT_EQ(hostWnd.posted.count(WM_USER + 1), 1u) << "the refused play does not tell the host";
    EXPECT_EQ(hostWnd.posted[WM_USER + 1].lParam, 1);
}

// The sun pick waits for the server to close it; the ready answer has no countdown to restart.
TEST_F(RequestSenders, DecisionAnswersNeedTheirPhaseAndASeatAndCloseTheDecision)
{
    const struct { const char* name; int phase; Call call; GameRequest request; } decisions[] = {
        {"ready answer", 1, [](S& s) { return s.Requests().SendGameReadyAnswer(1); }, Requests::GameReadyAnswer{1}},
        {"sun pick", 3, [](S& s) { return s.Requests().SendSunPick(50, 1); }, Requests::SunPick{1, 50}},
        {"request 11", 6, [](S& s) { return s.Requests().SendMonthChoice(2); }, Requests::MonthChoice{2}},
        {"play card", 8, [](S& s) { return s.Requests().SendPlayCard(12, 0); }, Requests::PlayCard{0, 12, 0}},
        {"request 14", 9, [](S& s) { return s.Requests().SendYesNoChoice(1, 1); }, Requests::YesNoChoice{1, 1}},
        {"card choice", 11, [](S& s) { return s.Requests().SendCardChoice(33, 0); }, Requests::CardChoice{0, 33}},
        {"september animal", 14, [](S& s) { return s.Requests().SendSeptAnimalChoice(0, 1); }, Requests::SeptAnimalChoice{1, 0, 32}},
        {"go or stop", 15, [](S& s) { return s.Requests().SendGoOrStop(1, 0); }, Requests::GoOrStop{0, 1}},
    };
    std::vector<SenderCase> cases = {{"request 11 from a seat the robot's record holds", R{0, Other::User, 6},
                                      [](S& s) { s.room.seats.players[0].seatState = -1; return s.Requests().SendMonthChoice(1); }}};
    for (const auto& d : decisions) {
        const std::string n = d.name;
        cases.push_back({n + " in seat 1", R{1, Other::User, d.phase}, d.call, d.request});
        cases.push_back({n + " not seated", R{-1, Other::User, d.phase}, d.call, {}});
        cases.push_back({n + " in another phase", R{0, Other::User, d.phase == 8 ? 1 : 8}, d.call, {}});
    }
    Run(cases);
    for (const auto& d : decisions) {
        Apply(R{0, Other::User, d.phase});
        Scene().timers.countdownStart = 9;
        Scene().timers.countdown = 2;
        ASSERT_TRUE(d.call(Scene())) << d.name;
        EXPECT_EQ(Scene().timers.phaseTimerKind == DecisionKind::None, d.phase != 3) << d.name << ": timer left running";
        EXPECT_EQ(Scene().timers.countdown, d.phase == 1 || d.phase == 3 ? 2 : 9) << d.name << ": countdown";
    }
}

// An answer the host could not send leaves its decision open, timer and countdown as they were, so
// the user or the time-out can answer again; once the host takes it, the decision closes.
TEST_F(RequestSenders, DecisionAnswerThatDidNotGoOutLeavesTheDecisionOpen)
{
    const struct { const char* name; DecisionKind kind; Call call; } decisions[] = {
        {"ready answer", DecisionKind::GameReady, [](S& s) { return s.Requests().SendGameReadyAnswer(1); }},
        {"request 11", DecisionKind::MonthChoice, [](S& s) { return s.Requests().SendMonthChoice(2); }},
        {"play card", DecisionKind::PlayCard, [](S& s) { return s.Requests().SendPlayCard(12, 0); }},
        {"request 14", DecisionKind::YesNoChoice, [](S& s) { return s.Requests().SendYesNoChoice(1, 1); }},
        {"card choice", DecisionKind::CardChoice, [](S& s) { return s.Requests().SendCardChoice(33, 0); }},
        {"september animal", DecisionKind::SeptAnimal, [](S& s) { return s.Requests().SendSeptAnimalChoice(0, 1); }},
        {"go or stop", DecisionKind::GoOrStop, [](S& s) { return s.Requests().SendGoOrStop(1, 0); }},
        {"bet", DecisionKind::Bet, [](S& s) { return s.Requests().SendBet(1, 2); }},
    };
    S& s = Scene();
    for (const auto& d : decisions) {
        Apply(R{0});
        ASSERT_GT(s.StartPhaseTimer(d.kind), 0) << d.name;
        s.timers.countdownStart = 9;
        s.timers.countdown = 2;
        host.Forget();
        host.sendResult = -1;
        EXPECT_FALSE(d.call(s)) << d.name << ": reported as sent";
        EXPECT_EQ(host.sent.size(), 1u) << d.name << ": the host was not asked";
        EXPECT_EQ(s.timers.phaseTimerKind, d.kind) << d.name << ": the decision closed";
        EXPECT_TRUE(s.IsTimerRunning(TimerId::Phase)) << d.name << ": the phase timer stopped";
        EXPECT_EQ(s.timers.countdown, 2) << d.name << ": the countdown started over";
        host.sendResult = 0;
        EXPECT_TRUE(d.call(s)) << d.name << ": the second answer";
        EXPECT_EQ(s.timers.phaseTimerKind, DecisionKind::None) << d.name << ": still open once sent";
        EXPECT_FALSE(s.IsTimerRunning(TimerId::Phase)) << d.name << ": the timer runs once sent";
    }
}

// The host fills all 256 bytes of its buffer and need not terminate them.
TEST_F(RequestSenders, HostTextIsCutAtItsBufferWhateverTheHostWrites)
{
    const struct { const char* name; std::string userText; std::string want; } cases[] = {
        {"short text", std::string("abc\0", 4), "abc"},
        {"256 bytes without terminator", std::string(256, 'x'), std::string(256, 'x')},
        {"more than the buffer", std::string(300, 'y'), std::string(256, 'y')},
    };
    for (const auto& c : cases) {
        host.userText = c.userText;
        EXPECT_EQ(Scene().Link().FetchHostText(), c.want) << c.name;
    }
    const auto calls = host.RequestsWithCode(62);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().inOut, 256) << "the buffer's size told to the host";
}
