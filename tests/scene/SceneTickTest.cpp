#include <gtest/gtest.h>

#include "foundation/WindowTimer.h"
#include "support/RoomTestSupport.h"

namespace {

using DecisionKind = SceneRules::DecisionKind;

class SceneTick : public RoomFixture {
protected:
    // The virtual clock comes first: the scene's time bases take the clock's frequency when made.
    void SetUp() override
    {
        Clock::UseVirtual(0, Clock::Now());
        ASSERT_TRUE(OpenRoom());
        Seat();
        Scene().room.option.turnTime = 0;
        host.Forget();
    }
};

}  // namespace

TEST_F(SceneTick, StepsAtMostOncePerFiftyMillisecondsTakingOneQueuedMessage)
{
    for (int i = 0; i < 3 && !Scene().Tick(); ++i) Clock::Advance(50);  // start from a step
    for (int32_t v : {1, 2, 3}) Scene().GetQueue().Append(GameMessage(HostCode70{v}));
    const struct { const char* name; uint32_t advance; int stepped; size_t handled; } steps[] = {
        {"at once", 0, 0, 0},           {"49 ms after the step", 49, 0, 0}, {"50 ms after the step", 1, 1, 1},
        {"30 ms after that", 30, 0, 1}, {"a long pause", 5000, 1, 2},
    };
    for (const auto& s : steps) {
        Clock::Advance(s.advance);
        EXPECT_EQ(Scene().Tick(), s.stepped) << s.name;
        EXPECT_EQ(host.RequestsWithCode(70).size(), s.handled) << s.name;
    }
}

// A change of auto-play restarts the own user's running decision: on with the auto-play seconds, off
// (also by the start button) with the decision's own seconds + 1.
TEST_F(SceneTick, PhaseTimerSecondsFollowTheRoomTheOwnSeatAndAutoPlay)
{
    using Change = void (*)(CMirelleVWS&);
    const Change autoPlayOn = [](CMirelleVWS& s) { s.SetAutoPlay(true); };
    const Change start = [](CMirelleVWS& s) { (void)s.SendStart(); };
    const struct {
        const char* name;
        int kind, autoPlay, timeouts, roomKind, antiLeave, antiLeaveActive, counter1, seconds;
        Change change = nullptr;
        int secondsAfter = 0;
    } cases[] = {
        {"auto-play turn", 8, 1, 3, 1, 0, 0, 0, 1},
        {"turn after a time-out", 8, 0, 1, 1, 0, 0, 0, 7},
        {"time-outs only touch the turn", 15, 0, 2, 1, 0, 0, 0, 10},
        {"anti-leave counter", 8, 0, 0, 8, 1, 1, 1, 5},
        {"anti-leave rule not active: time-outs count", 8, 0, 1, 10, 3, 0, 1, 7},
        {"anti-leave setting 0: an ordinary room", 8, 0, 0, 8, 0, 1, 1, 10},
        {"room kind 11: an ordinary room", 8, 0, 0, 11, 1, 1, 1, 10},
        {"auto-play switched on", 9, 0, 0, 1, 0, 0, 0, 10, autoPlayOn, 2},
        {"auto-play switched off by the start button", 8, 1, 0, 1, 0, 0, 0, 1, start, 2},
    };
    Scene().gameInfo.turnKey = kOwnKey;
    for (const auto& c : cases) {
        CMirelleVWS& s = Scene();
        s.controls.autoPlay = c.autoPlay != 0;
        s.room.seats.players[0].turnTimeoutCount = c.timeouts;
        s.room.roomKind = c.roomKind;
        s.room.option.antiLeave = c.antiLeave;
        s.controls.antiLeaveActive = c.antiLeaveActive != 0;
        s.gameInfo.users[0].antiLeave1 = c.counter1;
        EXPECT_EQ(s.StartPhaseTimer(static_cast<DecisionKind>(c.kind)), c.seconds) << c.name;
        EXPECT_EQ(WindowTimer::MsUntilNextDue(), c.seconds * 1000) << c.name;
        if (c.change) {
            WindowTimer::AdvanceAndFire(500);
            c.change(s);
            EXPECT_EQ(s.controls.autoPlay, !c.autoPlay) << c.name;
            EXPECT_EQ(static_cast<int>(s.timers.phaseTimerKind), c.kind) << c.name;
            EXPECT_EQ(WindowTimer::MsUntilNextDue(), c.secondsAfter * 1000) << c.name;
        }
        s.StopPhaseTimer();
    }
}

// A virtual Delay moves the clock in frames and fires the timers that fall due, here the decision's:
// it answers once, at its seconds.
TEST_F(SceneTick, VirtualDelayAdvancesTheClockAndFiresDueTimers)
{
    const uint64_t before = Clock::VirtualElapsedMs();
    const DWORD realStart = GetTickCount();
    Scene().StartPhaseTimer(static_cast<DecisionKind>(1));
    Scene().Delay(4990);
    EXPECT_TRUE(host.sent.empty()) << "the 5 s decision timed out early";
    Scene().Delay(10);
    EXPECT_EQ(host.sent, std::vector<GameRequest>{Requests::GameReadyAnswer{1}}) << "the 5 s decision did not time out";
    EXPECT_LT(Clock::VirtualElapsedMs() - before, 5010u);
    EXPECT_EQ(Scene().timers.phaseTimerKind, DecisionKind::None);
    Scene().Delay(10000);
    EXPECT_EQ(host.sent.size(), 1u) << "the timer fired again";
    Scene().controls.autoPlay = true;  // an auto-play answer is not a time-out
    ASSERT_EQ(Scene().StartPhaseTimer(static_cast<DecisionKind>(15)), 2);
    Scene().Delay(2000);
    EXPECT_EQ(host.sent.back(), GameRequest(Requests::GoOrStop{0, 0}));
    EXPECT_LT(GetTickCount() - realStart, 3000u) << "waited in real time";
}

// The countdown steps on every other 500 ms blink step; after 0 it rests at its start.
TEST_F(SceneTick, CountdownStepsEverySecondOnTheBlinkTimer)
{
    Scene().timers.blinkPhase = 0;
    Scene().timers.countdownStart = 10;
    Scene().timers.countdown = Scene().timers.countdownLimit = 3;
    Scene().StartBlinkTimer();
    for (int want : {2, 2, 1, 1, 0, 0, -1, -1, 10, 10}) {
        WindowTimer::AdvanceAndFire(500);
        EXPECT_EQ(Scene().timers.countdown, want) << "phase " << Scene().timers.blinkPhase;
    }
    Scene().StopBlinkTimer();
    WindowTimer::AdvanceAndFire(2000);
    EXPECT_EQ(Scene().timers.countdown, 10) << "stepped after the stop";
}

// The phase-0 step redraws the turn marker while a turn user is set; while the first player is picked
// from the floor the floor-slot markers blink instead (their own test is with the hints).
TEST_F(SceneTick, BlinkStepMarksTheTurnMarkerWhileATurnUserIsSet)
{
    const struct { const char* name; int32_t turnKey; int kind; int firstPlayerMode; bool dirty; } cases[] = {
        {"turn user set", kOwnKey, 8, 0, true},
        {"no turn user", -1, 8, 0, false},
        {"first-player pick from the floor: the floor-slot markers", kOwnKey, 3, 0, true},
        {"first player by another mode", kOwnKey, 3, 1, true},
    };
    for (const auto& c : cases) {
        Scene().gameInfo.turnKey = c.turnKey;
        Scene().gameInfo.firstPlayerMode = c.firstPlayerMode;
        Scene().timers.phaseTimerKind = static_cast<DecisionKind>(c.kind);
        Scene().timers.blinkPhase = 1;  // the step flips it to 0: no countdown work
        Scene().FlushRedraw();
        Scene().StepCountdownAndBlink();
        EXPECT_EQ(Scene().IsDirty(), c.dirty) << c.name;
    }
    Scene().timers.phaseTimerKind = DecisionKind::None;
}
