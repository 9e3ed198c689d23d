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
        Seat(true);
        host.Forget();
    }
};

uint64_t CpuMs()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ms = [](const FILETIME& f) {
        return ((static_cast<uint64_t>(f.dwHighDateTime) << 32) | f.dwLowDateTime) / 10000;
    };
    return ms(kernel) + ms(user);
}

}  // namespace

TEST_F(SceneTick, StepsAtMostOncePerFiftyMillisecondsTakingOneQueuedMessage)
{
    for (int i = 0; i < 3 && !Scene().Tick(); ++i) Clock::Advance(50);  // start from a step
    for (int32_t v : {1, 2, 3}) Scene().GetQueue().Append(GameMessage(HostCode70{v}));
    const struct { const char* name; uint32_t advance; int stepped; size_t handled; } steps[] = {
        {"at once", 0, 0, 0},        {"49 ms after the step", 49, 0, 0}, {"50 ms after the step", 1, 1, 1},
        {"30 ms after that", 30, 0, 1}, {"a long pause", 5000, 1, 2},
    };
    for (const auto& s : steps) {
        Clock::Advance(s.advance);
        EXPECT_EQ(Scene().Tick(), s.stepped) << s.name;
        EXPECT_EQ(host.RequestsWithCode(70).size(), s.handled) << s.name;
    }
}

// A change of auto-play restarts a running decision with the seconds of the new mode, also when the
// start button switches it off.
TEST_F(SceneTick, PhaseTimerSecondsFollowTheRoomTheOwnSeatAndAutoPlay)
{
    using Change = void (*)(CMirelleVWS&);
    const Change autoPlayOn = [](CMirelleVWS& s) { s.SetAutoPlay(true); };
    const Change start = [](CMirelleVWS& s) { (void)s.SendStart(); };
    const struct {
        const char* name;
        int kind;
        bool autoPlay;
        int timeouts, roomKind, antiLeave;
        bool antiLeaveActive;
        int counter1, seconds;
        Change change;
        int secondsAfter;
    } cases[] = {
        {"auto-play turn", 8, true, 3, 1, 0, false, 0, 1, nullptr, 0},
        {"turn after a time-out", 8, false, 1, 1, 0, false, 0, 7, nullptr, 0},
        {"time-outs only touch the turn", 15, false, 2, 1, 0, false, 0, 10, nullptr, 0},
        {"anti-leave counter", 8, false, 0, 8, 1, true, 1, 5, nullptr, 0},
        {"anti-leave rule not active: time-outs count", 8, false, 1, 10, 3, false, 1, 7, nullptr, 0},
        {"anti-leave setting 0: an ordinary room", 8, false, 0, 8, 0, true, 1, 10, nullptr, 0},
        {"room kind 11: an ordinary room", 8, false, 0, 11, 1, true, 1, 10, nullptr, 0},
        {"auto-play switched on", 9, false, 0, 1, 0, false, 0, 10, autoPlayOn, 2},
        {"auto-play switched off by the start button", 8, true, 0, 1, 0, false, 0, 1, start, 10},
    };
    for (const auto& c : cases) {
        Scene().room.option.turnTime = 0;
        Scene().controls.autoPlay = c.autoPlay;
        Scene().room.seats.players[0].turnTimeoutCount = c.timeouts;
        Scene().room.roomKind = c.roomKind;
        Scene().room.option.antiLeave = c.antiLeave;
        Scene().controls.antiLeaveActive = c.antiLeaveActive;
        Scene().gameInfo.users[0].antiLeave1 = c.counter1;
        EXPECT_EQ(Scene().StartPhaseTimer(static_cast<DecisionKind>(c.kind)), c.seconds) << c.name;
        EXPECT_EQ(WindowTimer::MsUntilNextDue(), c.seconds * 1000) << c.name;
        if (c.change) {
            WindowTimer::AdvanceAndFire(500);
            c.change(Scene());
            EXPECT_EQ(Scene().controls.autoPlay, !c.autoPlay) << c.name;
            EXPECT_EQ(static_cast<int>(Scene().timers.phaseTimerKind), c.kind) << c.name;
            EXPECT_EQ(WindowTimer::MsUntilNextDue(), c.secondsAfter * 1000) << c.name;
        }
        Scene().StopPhaseTimer();
    }
}

TEST_F(SceneTick, PhaseTimeoutAnswersWhenItsSecondsHavePassed)
{
    const struct { const char* name; bool autoPlay; int kind; int seconds; GameRequest answer; } cases[] = {
        {"ready answer, timed out", false, 1, 5, Requests::GameReadyAnswer{1}},
        {"go or stop with auto-play: not a time-out", true, 15, 2, Requests::GoOrStop{0, 0}},
    };
    for (const auto& c : cases) {
        Scene().room.option.turnTime = 0;
        Scene().controls.autoPlay = c.autoPlay;
        ASSERT_EQ(Scene().StartPhaseTimer(static_cast<DecisionKind>(c.kind)), c.seconds) << c.name;
        host.Forget();
        WindowTimer::AdvanceAndFire(c.seconds * 1000 - 1);
        EXPECT_TRUE(host.sent.empty()) << c.name << ": answered early";
        WindowTimer::AdvanceAndFire(1);
        EXPECT_EQ(host.sent, std::vector<GameRequest>{c.answer}) << c.name;
        EXPECT_EQ(Scene().timers.phaseTimerKind, DecisionKind::None) << c.name;
        WindowTimer::AdvanceAndFire(10000);
        EXPECT_EQ(host.sent.size(), 1u) << c.name << ": the timer fired again";
    }
}

TEST_F(SceneTick, CountdownStepsEverySecondOnTheBlinkTimer)
{
    Scene().timers.countdownStart = 10;
    Scene().timers.countdown = 3;
    Scene().timers.countdownLimit = 3;
    Scene().timers.blinkPhase = 0;
    Scene().StartBlinkTimer();
    // Phase 1 comes every other 500 ms step; each counts down, and after 0 the count rests at its start.
    const int expected[] = {2, 2, 1, 1, 0, 0, -1, -1, 10, 10};
    for (int want : expected) {
        WindowTimer::AdvanceAndFire(500);
        EXPECT_EQ(Scene().timers.countdown, want) << "phase " << Scene().timers.blinkPhase;
    }
    Scene().StopBlinkTimer();
    EXPECT_FALSE(Scene().IsTimerRunning(TimerId::Blink));
    Scene().timers.countdown = 5;
    WindowTimer::AdvanceAndFire(2000);
    EXPECT_EQ(Scene().timers.countdown, 5) << "stepped after the stop";
}

// The phase-0 step redraws the turn marker while a turn user is set, except while the first player
// is picked from the floor, when only the floor-slot markers blink.
TEST_F(SceneTick, BlinkStepMarksTheTurnMarkerWhileATurnUserIsSet)
{
    const struct { const char* name; int32_t turnKey; int kind; int firstPlayerMode; bool dirty; } cases[] = {
        {"turn user set", kOwnKey, 8, 0, true},
        {"no turn user", -1, 8, 0, false},
        {"first-player pick from the floor", kOwnKey, 3, 0, false},
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

TEST_F(SceneTick, VirtualDelayAdvancesTheClockAndFiresDueTimers)
{
    const uint64_t before = Clock::VirtualElapsedMs();
    const DWORD realStart = GetTickCount();
    Scene().StartTimer(TimerId::Popup);
    Scene().StartTimer(TimerId::Start);
    Scene().room.option.turnTime = 0;
    Scene().StartPhaseTimer(static_cast<DecisionKind>(1));

    Scene().Delay(2500);
    EXPECT_GE(Clock::VirtualElapsedMs() - before, 2500u);
    EXPECT_LE(Clock::VirtualElapsedMs() - before, 2510u);
    EXPECT_FALSE(Scene().IsTimerRunning(TimerId::Start)) << "the 2 s timer did not fire inside the delay";
    EXPECT_TRUE(Scene().IsTimerRunning(TimerId::Popup));
    Scene().Delay(2500);
    EXPECT_FALSE(Scene().IsTimerRunning(TimerId::Popup)) << "the 3 s timer did not fire inside the delay";
    EXPECT_EQ(host.sent, std::vector<GameRequest>{Requests::GameReadyAnswer{1}}) << "the 5 s decision timed out";
    EXPECT_LT(GetTickCount() - realStart, 2000u) << "waited in real time";

    const uint64_t zeroStart = Clock::VirtualElapsedMs();
    Scene().Delay(0);
    EXPECT_EQ(Clock::VirtualElapsedMs(), zeroStart);
}

namespace {
class RealDelay : public RoomFixture {};
}  // namespace

TEST_F(RealDelay, WaitsWithoutSpinning)
{
    ASSERT_TRUE(OpenRoom());
    Scene().Delay(20);  // warm up the paths a first delay takes
    const uint64_t cpuBefore = CpuMs();
    const DWORD start = GetTickCount();
    Scene().Delay(500);
    const DWORD wall = GetTickCount() - start;
    EXPECT_GE(wall, 490u);
    EXPECT_LT(wall, 1500u);
    EXPECT_LT(CpuMs() - cpuBefore, 150u) << "the delay spins the processor";
}
