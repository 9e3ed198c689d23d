#include <gtest/gtest.h>

#include <cstdio>

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
    }
    // Runs ticks until one steps, so the next starts from a known last tick.
    void SyncTick()
    {
        for (int i = 0; i < 3 && !Scene().Tick(); ++i) Clock::Advance(50);
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

TEST_F(SceneTick, StepsAtMostOncePerFiftyMilliseconds)
{
    SyncTick();
    const struct {
        const char* name;
        uint32_t advance;
        int stepped;
    } steps[] = {
        {"at once", 0, 0}, {"30 ms later", 30, 0}, {"49 ms after the step", 19, 0},
        {"50 ms after the step", 1, 1}, {"30 ms after that", 30, 0}, {"a long pause", 5000, 1},
    };
    for (const auto& s : steps) {
        Clock::Advance(s.advance);
        EXPECT_EQ(Scene().Tick(), s.stepped) << s.name;
    }
}

TEST_F(SceneTick, TickTakesOneQueuedMessageWhenIdle)
{
    SyncTick();
    // Queue two messages without dispatching them, as they would wait behind a running handler.
    Scene().GetQueue().Append(GameMessage(HostCode70{1}));
    Scene().GetQueue().Append(GameMessage(HostCode70{2}));
    Clock::Advance(50);
    EXPECT_EQ(Scene().Tick(), 1);
    ASSERT_EQ(host.RequestsWithCode(70).size(), 1u);
    Clock::Advance(10);
    EXPECT_EQ(Scene().Tick(), 0);
    EXPECT_EQ(host.RequestsWithCode(70).size(), 1u) << "a tick that does not step takes nothing";
    Clock::Advance(40);
    EXPECT_EQ(Scene().Tick(), 1);
    ASSERT_EQ(host.RequestsWithCode(70).size(), 2u);
    EXPECT_EQ(host.RequestsWithCode(70)[1].inOut, 2);
}

TEST_F(SceneTick, PhaseTimerSeconds)
{
    const struct {
        const char* name;
        int kind;
        int speed;
        bool autoPlay;
        int timeouts;
        int seconds;
    } cases[] = {
        {"auto-play, turn", 8, 0, true, 0, 1},
        {"auto-play, bet times out at once", 21, 0, true, 0, 0},
        {"auto-play, result item", 17, 1, true, 0, 10},
        {"auto-play ignores time-outs", 8, 1, true, 3, 1},
        {"speed 0, turn", 8, 0, false, 0, 10},
        {"speed 0, turn, 1 time-out", 8, 0, false, 1, 7},
        {"speed 0, turn, 5 time-outs: reduction held to 5", 8, 0, false, 5, 5},
        {"speed 1, turn, 1 time-out", 8, 1, false, 1, 5},
        {"speed 1, turn, 2 time-outs: at least 5", 8, 1, false, 2, 5},
        {"speed 2, turn", 8, 2, false, 0, 5},
        {"speed 1, card choice", 11, 1, false, 0, 5},
        {"speed 0, card choice", 11, 0, false, 0, 10},
        {"speed 2, request 14", 9, 2, false, 0, 5},
        {"ready answer", 1, 2, false, 0, 5},
        {"bet prompt", 22, 0, false, 0, 3},
        {"time-outs only touch the turn", 15, 0, false, 2, 10},
        {"game speed out of range counts as 0", 8, 7, false, 0, 10},
        {"negative game speed counts as 0", 14, -1, false, 0, 10},
    };
    for (const auto& c : cases) {
        Seat(true);
        Scene().room.option.turnTime = c.speed;
        Scene().controls.autoPlay = c.autoPlay ? 1 : 0;
        Scene().room.seats.players[0].turnTimeoutCount = c.timeouts;
        EXPECT_EQ(Scene().StartPhaseTimer(static_cast<DecisionKind>(c.kind)), c.seconds) << c.name;
        EXPECT_EQ(static_cast<int>(Scene().timers.phaseTimerKind), c.kind) << c.name;
        Scene().StopPhaseTimer();
        EXPECT_EQ(static_cast<int>(Scene().timers.phaseTimerKind), 0) << c.name;
    }
}

TEST_F(SceneTick, AntiLeaveRoomTurnSeconds)
{
    const struct {
        const char* name;
        int roomKind, antiLeave, active, counter1, counter2, timeouts;
        int seconds;
    } cases[] = {
        {"first counter", 8, 1, 1, 1, 0, 0, 5},
        {"second counter 2", 9, 3, 1, 0, 2, 0, 5},
        {"second counter 1", 10, 2, 1, 0, 1, 0, 7},
        {"no counters: unchanged, time-outs ignored", 10, 2, 1, 0, 0, 1, 10},
        {"rule not active: time-outs count", 8, 1, 0, 1, 0, 1, 7},
        {"anti-leave setting 0: an ordinary room", 8, 0, 1, 1, 0, 0, 10},
        {"room kind 11: an ordinary room", 11, 1, 1, 1, 0, 0, 10},
    };
    for (const auto& c : cases) {
        Seat(true);
        Scene().room.option.turnTime = 0;
        Scene().controls.autoPlay = 0;
        Scene().room.roomKind = c.roomKind;
        Scene().room.option.antiLeave = c.antiLeave;
        Scene().controls.antiLeaveActive = c.active;
        Scene().gameInfo.users[0].antiLeave1 = c.counter1;
        Scene().gameInfo.users[0].antiLeave2 = c.counter2;
        Scene().room.seats.players[0].turnTimeoutCount = c.timeouts;
        EXPECT_EQ(Scene().StartPhaseTimer(static_cast<DecisionKind>(8)), c.seconds) << c.name;
    }
}

TEST_F(SceneTick, PhaseTimeoutAnswersWhenItsSecondsHavePassed)
{
    Seat(true);
    Scene().room.option.turnTime = 0;
    ASSERT_EQ(Scene().StartPhaseTimer(static_cast<DecisionKind>(1)), 5);
    host.Forget();
    WindowTimer::AdvanceAndFire(4999);
    EXPECT_TRUE(host.sent.empty()) << "answered early";
    EXPECT_EQ(static_cast<int>(Scene().timers.phaseTimerKind), 1);
    WindowTimer::AdvanceAndFire(1);
    ASSERT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(host.sent[0], GameRequest(Requests::GameReadyAnswer{1}));
    EXPECT_EQ(static_cast<int>(Scene().timers.phaseTimerKind), 0);
    WindowTimer::AdvanceAndFire(10000);
    EXPECT_EQ(host.sent.size(), 1u) << "the timer fired again";

    // With auto-play the answer is not a time-out.
    Scene().controls.autoPlay = 1;
    ASSERT_EQ(Scene().StartPhaseTimer(static_cast<DecisionKind>(15)), 2);
    WindowTimer::AdvanceAndFire(2000);
    ASSERT_EQ(host.sent.size(), 2u);
    EXPECT_EQ(host.sent[1], GameRequest(Requests::GoOrStop{0, 0}));
}

TEST_F(SceneTick, AutoPlayChangeRestartsTheDecision)
{
    Seat(true);
    Scene().room.option.turnTime = 1;
    ASSERT_EQ(Scene().StartPhaseTimer(static_cast<DecisionKind>(9)), 10);
    WindowTimer::AdvanceAndFire(1000);
    host.Forget();
    Scene().SetAutoPlay(1);
    EXPECT_EQ(static_cast<int>(Scene().timers.phaseTimerKind), 9);
    WindowTimer::AdvanceAndFire(1999);
    EXPECT_TRUE(host.sent.empty());
    WindowTimer::AdvanceAndFire(1);
    ASSERT_EQ(host.sent.size(), 1u) << "auto-play's 2 s run from the change";
    EXPECT_EQ(host.sent[0], GameRequest(Requests::Request14{0, 1}));
}

TEST_F(SceneTick, CountdownStepsEverySecondBelowItsStart)
{
    Scene().timers.countdownStart = 10;
    Scene().timers.countdown = 10;
    Scene().timers.countdownLimit = 3;
    Scene().timers.blinkPhase = 0;
    Scene().StartBlinkTimer();
    ASSERT_EQ(Scene().IsTimerRunning(TimerId::Blink), 1);
    // Phase 1 at 500 ms: the count at its start is held; each later phase 1 counts down.
    const struct {
        uint32_t advance;
        int countdown;
        int phase;
    } steps[] = {{500, 10, 1}, {500, 10, 0}, {500, 10, 1}, {500, 10, 0}};
    for (const auto& s : steps) {
        WindowTimer::AdvanceAndFire(s.advance);
        EXPECT_EQ(Scene().timers.blinkPhase, s.phase);
        EXPECT_EQ(Scene().timers.countdown, s.countdown);
    }
    Scene().timers.countdown = 9;
    const int expected[] = {8, 8, 7, 7, 6, 6, 5, 5, 4, 4, 3, 3, 2, 2, 1, 1, 0, 0, -1, -1, 10};
    for (int want : expected) {
        WindowTimer::AdvanceAndFire(500);
        EXPECT_EQ(Scene().timers.countdown, want) << "phase " << Scene().timers.blinkPhase;
    }
    Scene().StopBlinkTimer();
    EXPECT_EQ(Scene().IsTimerRunning(TimerId::Blink), 0);
}

// The phase-0 step redraws the turn marker while a turn user is set, except while the first player
// is picked from the floor, when only the floor-slot markers blink.
TEST_F(SceneTick, BlinkStepMarksTheTurnMarkerWhileATurnUserIsSet)
{
    const struct {
        const char* name;
        int32_t turnKey;
        int kind;
        int firstPlayerMode;
        int dirty;
    } cases[] = {
        {"turn user set", kOwnKey, 8, 0, 1},
        {"no turn user", -1, 8, 0, 0},
        {"first-player pick from the floor", kOwnKey, 3, 0, 0},
        {"first player by another mode", kOwnKey, 3, 1, 1},
    };
    for (const auto& c : cases) {
        Scene().gameInfo.turnKey = c.turnKey;
        Scene().gameInfo.firstPlayerMode = c.firstPlayerMode;
        Scene().timers.phaseTimerKind = static_cast<DecisionKind>(c.kind);
        Scene().timers.blinkPhase = 1;  // the step flips it to 0: no countdown work
        Scene().FlushRedraw();
        Scene().StepCountdownAndBlink();
        EXPECT_EQ(Scene().IsDirty(), c.dirty != 0) << c.name;
    }
    Scene().timers.phaseTimerKind = static_cast<DecisionKind>(0);
}

TEST_F(SceneTick, VirtualDelayAdvancesTheClockAndFiresDueTimers)
{
    const uint64_t before = Clock::VirtualElapsedMs();
    const DWORD realStart = GetTickCount();
    Scene().StartTimer(TimerId::Popup);
    Scene().StartTimer(TimerId::Start);
    Seat(true);
    Scene().room.option.turnTime = 0;
    Scene().StartPhaseTimer(static_cast<DecisionKind>(1));
    host.Forget();

    Scene().Delay(2500);
    EXPECT_GE(Clock::VirtualElapsedMs() - before, 2500u);
    EXPECT_LE(Clock::VirtualElapsedMs() - before, 2510u);
    EXPECT_EQ(Scene().IsTimerRunning(TimerId::Start), 0) << "the 2 s timer fired inside the delay";
    EXPECT_EQ(Scene().IsTimerRunning(TimerId::Popup), 1);
    EXPECT_EQ(static_cast<int>(Scene().timers.phaseTimerKind), 1);

    Scene().Delay(2500);
    EXPECT_EQ(Scene().IsTimerRunning(TimerId::Popup), 0) << "the 3 s timer fired inside the delay";
    ASSERT_EQ(host.sent.size(), 1u) << "the 5 s decision timed out inside the delay";
    EXPECT_EQ(host.sent[0], GameRequest(Requests::GameReadyAnswer{1}));
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
    // Warm up the paths a first delay takes.
    Scene().Delay(20);
    const uint64_t cpuBefore = CpuMs();
    const DWORD start = GetTickCount();
    Scene().Delay(500);
    const DWORD wall = GetTickCount() - start;
    const uint64_t cpu = CpuMs() - cpuBefore;
    std::printf("Delay(500): wall %lu ms, process CPU %llu ms\n", static_cast<unsigned long>(wall),
                static_cast<unsigned long long>(cpu));
    RecordProperty("delay500_cpu_ms", static_cast<int>(cpu));
    EXPECT_GE(wall, 490u);
    EXPECT_LT(wall, 1500u);
    EXPECT_LT(cpu, 150u) << "the delay spins the processor";
}
