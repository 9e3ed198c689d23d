#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "support/RoomTestSupport.h"

#include "foundation/WindowTimer.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVSlideWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVDesperateResultWnd.h"
#include "views/CVDesperateWnd.h"
#include "views/CVGFPlayCountWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVItemWnd.h"
#include "views/CVKJMissionWnd.h"
#include "views/CVMirelleBijouWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVRestrictOptionWnd.h"
#include "views/RegistryKey.h"
#include "views/CVUserOptionWnd.h"
#include "scene/RoomOptions.h"
#include "scene/RoomView.h"

namespace {

using DecisionKind = SceneRules::DecisionKind;

constexpr int32_t kOtherKey = 200;
constexpr int kBoxTimerClosed = 3;  // the command the box's own timer posts

// Answers the boxes shown on this thread in order, one command each, and counts them.
struct BoxScript {
    std::vector<int> commands;
    size_t shown = 0;
};
inline BoxScript boxes;
inline void CALLBACK AnswerScriptedBox(HWND, UINT, UINT_PTR, DWORD)
{
    const HWND box = GetOpenMessageBox();
    if (!box || !IsWindowVisible(box) || GetPropA(box, "RoomControlsTest.Answered")) return;
    SetPropA(box, "RoomControlsTest.Answered", reinterpret_cast<HANDLE>(1));
    const int command = boxes.shown < boxes.commands.size() ? boxes.commands[boxes.shown] : IDOK;
    ++boxes.shown;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
}

// The own user (100) owns the waiting room in seat 0, user 200 sits in seat 1; turns take their
// plain time. The virtual clock comes first: the scene's time bases take its frequency when made.
class RoomControlOps : public RoomFixture {
protected:
    void SetUp() override
    {
        Clock::UseVirtual();
        ASSERT_TRUE(OpenRoom());
        Seat();
        Scene().gameInfo.ownerKey = kOwnKey;
        Scene().room.roomState = static_cast<int32_t>(RoomState::Waiting);
        Scene().room.option.turnTime = 0;
        host.Forget();
    }

    std::vector<int> MacroControlValues() const
    {
        std::vector<int> values;
        for (const auto& c : host.RequestsWithCode(45))
            if (c.text == "macro") values.push_back(c.value);
        return values;
    }
};
using SceneTick = RoomControlOps;

// The panels around the table in the same room.
class Periphery : public RoomControlOps {
protected:
    // One tick after `ms`, from a clean picture; whether it left the panel and the scene dirty.
    std::pair<bool, bool> TickAfter(uint32_t ms, GVWnd* panel)
    {
        Scene().FlushRedraw();
        if (panel) panel->SetDirty(false);
        Clock::Advance(ms);
        EXPECT_EQ(Scene().Tick(), 1);
        return {panel && panel->IsDirty(), Scene().IsDirty()};
    }

    static void ShowAll(CVPanel& panel)
    {
        for (GVWnd* child : panel.Children()) child->Show(true);
        panel.Show(true);
    }
};

}  // namespace

// Slot 11: the cost question, or the refusal when the money falls short; only a yes on a table in
// step kicks, and a question closed by its own timer kicks nobody. (A reserved target is a replay's.)
TEST_F(RoomControlOps, ForcedExitThroughTheHostSlot)
{
    const struct { const char* name; int state; int64_t money; bool synced; std::vector<int> answers;
                   size_t boxesShown; std::vector<GameRequest> sent; } cases[] = {
        {"asked, closed by its timer", 1, 14000, false, {kBoxTimerClosed}, 1, {}},
        {"13999: the refusal box only", 1, 13999, false, {IDOK}, 1, {}},
        {"yes in a round not in step: the failure box", 2, 14000, false, {IDOK, IDOK}, 2, {}},
        {"yes in a round in step", 2, 14000, true, {IDOK}, 1, {Requests::Kick{kOtherKey}}},
    };
    for (const auto& c : cases) {
        CMirelleVWS& s = Scene();
        s.room.roomState = c.state;
        s.ownUser.gameMoney = c.money;
        s.tableState.active = c.synced;
        host.Forget();
        boxes = {c.answers, 0};
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, AnswerScriptedBox);
        EXPECT_EQ(Client()->RequestForcedExit(kOtherKey), 0) << c.name;
        KillTimer(nullptr, timer);
        EXPECT_EQ(boxes.shown, c.boxesShown) << c.name;
        EXPECT_EQ(host.sent, c.sent) << c.name;
    }
}

// A change restarts only the own user's decision and prints one line; the same flag again changes
// nothing. The button, the notice and its cancel button follow the flag; the start button also
// switches auto-play off.
TEST_F(RoomControlOps, AutoPlaySwitchesOnceAndMovesOnlyTheOwnDeadline)
{
    CMirelleVWS& s = Scene();
    s.gameInfo.turnKey = kOwnKey;
    ASSERT_EQ(s.StartPhaseTimer(DecisionKind::PlayCard), 10);
    const struct { const char* name; bool on; bool printed; int64_t dueMs; } steps[] = {
        {"on: the auto-play second", true, true, 1000},
        {"on again: nothing", true, false, 1000},
        {"off: the turn's 10 s + 1", false, true, 11000},
    };
    for (const auto& st : steps) {
        host.Forget();
        s.Options().SetAutoPlay(st.on);
        EXPECT_EQ(!host.chat.empty(), st.printed) << st.name << ": " << host.chat;
        EXPECT_EQ(WindowTimer::MsUntilNextDue(), st.dueMs) << st.name;
        EXPECT_EQ(s.timers.phaseTimerKind, DecisionKind::PlayCard) << st.name;
        EXPECT_EQ(s.roomButtons.autoPlaySetting->GetImageSet(), st.on ? 1 : 0) << st.name;
        EXPECT_EQ(s.roomMarks.autoPlayNotice->IsVisible(), st.on) << st.name;
        EXPECT_EQ(s.roomButtons.autoPlayCancel->IsVisible(), st.on) << st.name;
    }
    s.Options().SetAutoPlay(true);
    static_cast<void>(s.Requests().SendStart());  // only its reset of auto-play matters here
    EXPECT_FALSE(s.controls.autoPlay) << "the start button left auto-play on";
    EXPECT_EQ(WindowTimer::MsUntilNextDue(), 11000) << "the start button did not restart the decision";
    s.gameInfo.turnKey = kOtherKey;
    ASSERT_EQ(s.StartPhaseTimer(DecisionKind::PlayCard), 10);
    s.Options().SetAutoPlay(true);
    EXPECT_EQ(WindowTimer::MsUntilNextDue(), 10000) << "the other user's turn kept its deadline";
    s.StopPhaseTimer();
}

// A sent macro starts the rest itself (an observer gets no echo); the rest ends enabled only with
// voices on and no lock.
TEST_F(RoomControlOps, MacroRestEndsByTheVoicesOptionAndTheLock)
{
    CMirelleVWS& s = Scene();
    const struct { const char* name; bool voicesOn, locked; std::vector<int> values; bool enabledAfter; } cases[] = {
        {"voices on", true, false, {1, 17}, true},
        {"voices off", false, false, {1, 1}, false},
        {"locked", true, true, {1, 1}, false},
    };
    for (const auto& c : cases) {
        s.options.soundOn = c.voicesOn;
        s.controls.macroLocked = false;
        s.controls.macroEnabled = true;
        host.Forget();
        EXPECT_TRUE(s.Requests().SendMacro(3)) << c.name;
        EXPECT_FALSE(s.Requests().SendMacro(4)) << c.name << ": a second macro within the rest";
        s.controls.macroLocked = c.locked;
        WindowTimer::AdvanceAndFire(1999);
        EXPECT_FALSE(s.controls.macroEnabled) << c.name << ": the rest ended early";
        WindowTimer::AdvanceAndFire(1);
        EXPECT_EQ(host.sent, std::vector<GameRequest>{Requests::Macro{3}}) << c.name;
        EXPECT_EQ(MacroControlValues(), c.values) << c.name;
        EXPECT_EQ(s.controls.macroEnabled, c.enabledAfter) << c.name;
    }
}

TEST_F(RoomControlOps, MissingSkinKeepsTheOldTable)
{
    CMirelleVWS& s = Scene();
    GVQZSWnd* const before = s.tableWidgets.skin;
    ASSERT_NE(before, nullptr);
    EXPECT_EQ(s.Options().SetSkin(7, 1), 0) << "no skin 7 exists";
    EXPECT_EQ(s.tableWidgets.skin, before);
    EXPECT_TRUE(s.Contains(before));
    EXPECT_EQ(s.Options().SetSkin(1, 1), 1);
    EXPECT_NE(s.tableWidgets.skin, before);
    EXPECT_FALSE(s.Contains(before)) << "the old background stayed in the scene";
    EXPECT_EQ(s.GetWnds().back(), s.tableWidgets.skin) << "the background is not at the back";
}

// A running decision stops without its time-out answer; the black and voice-muted lists stay, the
// kick reservations go.
TEST_F(RoomControlOps, ClearTableStopsTheDecisionSilentlyAndKeepsTheUserLists)
{
    CMirelleVWS& s = Scene();
    s.gameInfo.turnKey = kOwnKey;
    s.room.roomState = static_cast<int32_t>(RoomState::Playing);
    s.StartPhaseTimer(DecisionKind::GoOrStop);
    s.gameInfo.blackList = {300};
    s.gameInfo.voiceMuted = {kOtherKey};
    s.gameInfo.kickReservations = {kOtherKey};
    s.tableWidgets.cardWnds[7]->SetCard(12);
    s.View().ClearTable();
    WindowTimer::AdvanceAndFire(20000);
    EXPECT_TRUE(host.sent.empty()) << "the decision answered after the clear";
    EXPECT_EQ(s.timers.phaseTimerKind, DecisionKind::None);
    EXPECT_EQ(s.gameInfo.blackList, std::vector<int32_t>{300});
    EXPECT_EQ(s.gameInfo.voiceMuted, std::vector<int32_t>{kOtherKey});
    EXPECT_TRUE(s.gameInfo.kickReservations.empty());
    for (const CVHTWnd* card : s.tableWidgets.cardWnds) {
        EXPECT_EQ(card->GetPos(), card->GetHome());
        EXPECT_TRUE(card->IsVisible());
    }
    EXPECT_EQ(MacroControlValues(), std::vector<int>{17});
}

// Slot 9 while a handler waits in Delay: nothing changes until it returns; then the room is as after
// loading but for the black list, and the old room's queued messages are gone.
TEST_F(RoomControlOps, ResetRoomViewWaitsForTheHandlerThenForgetsTheRoom)
{
    CMirelleVWS& s = Scene();
    s.StartFrameTimer();
    s.gameInfo.blackList = {300};
    s.gameInfo.voiceMuted = {kOtherKey};
    s.controls.autoPlay = true;
    s.monthSlotFlags.fill(false);
    // The message in hand and one waiting behind it, as the dispatch leaves them while a handler runs.
    s.GetQueue().Append(GameMessage(ServerValueForHost{1}));
    s.GetQueue().Append(GameMessage(ServerValueForHost{2}));
    s.GetQueue().busy = 1;
    {
        CMirelleWnd::Busy handler(*wnd);
        EXPECT_EQ(Client()->ResetRoomView(), 0);
        s.Delay(100);
        EXPECT_EQ(s.gameInfo.voiceMuted, std::vector<int32_t>{kOtherKey}) << "reset inside the handler";
        EXPECT_EQ(s.room.roomState, static_cast<int32_t>(RoomState::Waiting));
        s.GetQueue().RemoveFront();
        s.GetQueue().busy = 0;
    }
    SendMessageA(gameWnd, WM_NULL, 0, 0);  // the next message after the handler finishes the reset
    EXPECT_TRUE(s.gameInfo.voiceMuted.empty());
    EXPECT_EQ(s.gameInfo.blackList, std::vector<int32_t>{300});
    EXPECT_EQ(s.room.roomState, -1);
    EXPECT_EQ(s.room.seats.players[0].userKey, -1);
    EXPECT_FALSE(s.controls.autoPlay);
    EXPECT_FALSE(s.IsTimerRunning(TimerId::Frame));
    EXPECT_TRUE(std::all_of(s.monthSlotFlags.begin(), s.monthSlotFlags.end(), [](bool f) { return f; }));
    EXPECT_TRUE(s.GetQueue().IsEmpty()) << "the old room's message is still queued";
}

TEST_F(RoomControlOps, TournamentTitleEndsWithItsRoom)
{
    CMirelleVWS& s = Scene();
    const auto shown = [&s] { return s.entryWidgets.tournamentTitle && s.entryWidgets.tournamentTitle->IsVisible(); };
    s.room.roomKind = 20;
    s.View().ShowTournamentTitle();
    ASSERT_TRUE(shown()) << "a tournament room shows its title";
    s.room.roomKind = 0;
    s.View().ShowTournamentTitle();
    EXPECT_FALSE(shown()) << "a room of another kind entered next";
    s.room.roomKind = 20;
    s.View().ShowTournamentTitle();
    EXPECT_EQ(Client()->ResetRoomView(), 0);
    EXPECT_FALSE(shown()) << "the room ended";
}

// Cards raised by the plays go back to the loading order over the floor outlines: card 0 on top,
// each with its pile marker and mission marker directly over it; the stake text is emptied.
TEST_F(RoomControlOps, ClearTablePutsTheCardsBackInLoadingOrder)
{
    CMirelleVWS& s = Scene();
    TableWidgets& t = s.tableWidgets;
    const auto depth = [&s](const GVWnd* w) {
        const auto& wnds = s.GetWnds();
        return static_cast<int>(std::distance(wnds.begin(), std::find(wnds.begin(), wnds.end(), w)));
    };
    for (size_t i : {49u, 3u, 0u}) s.InsertWndBefore(s.GetWnds().front(), t.cardWnds[i]);
    s.InsertWndBefore(s.GetWnds().front(), t.missionMarkers[20]);
    s.View().UpdateStakeText();
    s.View().ClearTable();
    EXPECT_EQ(s.entryWidgets.stakeText->GetText(), "") << "the old stake stays on the table";
    for (size_t i = 0; i < t.cardWnds.size(); ++i) {
        const int card = depth(t.cardWnds[i]);
        EXPECT_EQ(depth(t.cardBoxes[i]), card - 1) << "card " << i;
        EXPECT_EQ(depth(t.missionMarkers[i]), card - 2) << "card " << i;
        if (i + 1 < t.cardWnds.size()) {
            EXPECT_EQ(depth(t.missionMarkers[i + 1]), card + 1) << "card " << i;
        }
    }
    EXPECT_EQ(depth(t.litOutlines.back()), depth(t.cardWnds.back()) + 1);
}

TEST_F(SceneTick, StepsAtMostOncePerFiftyMillisecondsTakingOneQueuedMessage)
{
    for (int i = 0; i < 3 && !Scene().Tick(); ++i) Clock::Advance(50);  // start from a step
    for (int32_t v : {1, 2, 3}) Scene().GetQueue().Append(GameMessage(ServerValueForHost{v}));
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

// The decision's seconds by the room, the own seat's time-outs and anti-leave counters, and auto-play.
TEST_F(SceneTick, PhaseTimerSecondsFollowTheRoomTheOwnSeatAndAutoPlay)
{
    const struct { const char* name; int kind, autoPlay, timeouts, roomKind, antiLeave, antiLeaveActive, counter1;
                   int seconds; } cases[] = {
        {"auto-play turn", 8, 1, 3, 1, 0, 0, 0, 1},
        {"turn after a time-out", 8, 0, 1, 1, 0, 0, 0, 7},
        {"time-outs only touch the turn", 15, 0, 2, 1, 0, 0, 0, 10},
        {"anti-leave counter", 8, 0, 0, 8, 1, 1, 1, 5},
        {"anti-leave rule not active: time-outs count", 8, 0, 1, 10, 3, 0, 1, 7},
        {"anti-leave setting 0: an ordinary room", 8, 0, 0, 8, 0, 1, 1, 10},
        {"room kind 11: an ordinary room", 8, 0, 0, 11, 1, 1, 1, 10},
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

// The tick steps a panel only while it shows, marks it dirty only when a step changed it, and
// passes over one that was not made. The alert and the jewel change frame every 250 ms.
TEST_F(Periphery, TickStepsShownPanelsThatChanged)
{
    CMirelleVWS& s = Scene();
    for (int i = 0; i < 3 && !s.Tick(); ++i) Clock::Advance(50);  // start from a step
    CVGFPlayCountWnd* playCount = s.periphery.playCount;
    CVMirelleBijouWnd* bijou = s.periphery.bijou;
    ASSERT_TRUE(playCount && bijou);
    const auto playAlert = [&](bool showPanel) {
        playCount->GetAlert()->Play(-1, false);
        playCount->Show(showPanel);
    };
    const struct { const char* name; std::function<void()> arrange; GVWnd* panel; bool panelDirty, sceneDirty; } cases[] = {
        {"hidden panel, its alert playing", [&] { playAlert(false); }, playCount, false, false},
        {"shown panel, its alert playing", [&] { playAlert(true); }, playCount, true, true},
        {"shown panel, its alert stopped", [&] { playCount->GetAlert()->Stop(); }, playCount, false, false},
        // The jewel panel counts nothing until the jewel information enables it.
        {"jewel panel before it counts", [&] { ShowAll(*bijou); bijou->GetJewelAnimation()->Play(-1, false); }, bijou,
         false, false},
        {"play-count panel not made", [&] { s.periphery.playCount = nullptr; }, nullptr, false, false},
    };
    for (const auto& c : cases) {
        c.arrange();
        EXPECT_EQ(TickAfter(300, c.panel), std::make_pair(c.panelDirty, c.sceneDirty)) << c.name << " (panel, scene)";
    }
    s.periphery.playCount = playCount;
}

// Each Reset hides what its panel showed and stops what played; the target-score panel stays as
// shown (its Open shows it again), the others hide themselves.
TEST_F(Periphery, ResetsHideWhatThePanelsShowed)
{
    const PeripheryWidgets& p = Scene().periphery;
    ShowAll(*p.desperate);
    p.desperate->GetWinEffect()->Play(-1, false);
    EXPECT_EQ(p.desperate->Reset(), 1);
    EXPECT_FALSE(p.desperate->GetWinEffect()->IsPlaying());
    EXPECT_TRUE(p.desperate->IsVisible());

    p.restrictOption->GetText()->SetText("2판 남음");
    ShowAll(*p.restrictOption);
    EXPECT_EQ(p.restrictOption->Reset(), 1);
    EXPECT_EQ(p.restrictOption->GetText()->GetText(), "");

    ShowAll(*p.playCount);
    EXPECT_EQ(p.playCount->Reset(), 1);

    // The item panel under the result resets with it, and the shadow goes back to its place.
    ShowAll(*p.desperateResult);
    CVItemWnd* items = p.desperateResult->GetItemWnd();
    items->Show(true);
    p.desperateResult->GetShadow()->SetPos({0, 0});
    EXPECT_EQ(p.desperateResult->Reset(), 1);
    EXPECT_FALSE(items->IsVisible());
    EXPECT_EQ(p.desperateResult->GetShadow()->GetPos(), CVDesperateResultWnd::kShadowPoint);

    const struct { const char* name; CVPanel* panel; bool panelShown; } reset[] = {
        {"target-score panel", p.desperate, true},
        {"restrict panel", p.restrictOption, false},
        {"play-count panel", p.playCount, false},
        {"target-score result", p.desperateResult, false},
    };
    for (const auto& c : reset) {
        EXPECT_EQ(c.panel->IsVisible(), c.panelShown) << c.name;
        for (const GVWnd* child : c.panel->Children())
            EXPECT_FALSE(child->IsVisible() && child != p.restrictOption->GetText()) << c.name << ": a child still shows";
    }
}

// The result's next-round text of a draw stands at its own place whatever round came before it:
// the score line of a won or lost round shares the text and moves it.
TEST_F(Periphery, DrawTextStandsAtItsPlaceAfterAScoreLine)
{
    CVDesperateResultWnd* result = Scene().periphery.desperateResult;
    ASSERT_NE(result, nullptr);
    Scene().room.roomKind = 41;
    const auto round = [](uint32_t kind, int32_t winner) {
        DesperateRoundResult body;
        body.resultKind = kind;
        body.winInfo.winnerSeat = winner;
        body.drawCount = 1;
        body.winInfo.categoryPoints = {3, 0, 2, 0, 0, 0, 0, 0};
        return body;
    };
    const DesperateRoundResult draw = round(10, -1);
    result->Reset();
    result->SetResult(draw);
    const Point home = result->GetNextRoundText()->GetPos();
    ASSERT_TRUE(result->GetNextRoundText()->IsVisible()) << "a draw after a draw shows the next round's multiplier";

    const struct { const char* name; DesperateRoundResult before; } cases[] = {
        {"after a won round", round(0, 0)},
        {"after a lost round", round(0, 1)},
        {"after a draw", draw},
    };
    for (const auto& c : cases) {
        result->Reset();
        result->SetResult(c.before);
        result->Reset();
        result->SetResult(draw);
        EXPECT_EQ(result->GetNextRoundText()->GetPos(), home) << c.name;
    }
}

// The two music sliders show one volume: the options panel follows the kungjjak panel's slider,
// and without that panel the options slider's left end is stored as silence.
TEST_F(RoomControlOps, MusicSlidersShowOneVolume)
{
    CMirelleVWS& s = Scene();
    CVUserOptionWnd* options = s.userOption;
    CVKJMissionWnd* kungjjak = s.missions.kungjjak;
    ASSERT_TRUE(options && kungjjak);
    const struct { const char* name; int kungjjakVolume; int slider; } cases[] = {
        {"a middle volume", -3000, -3000},
        {"full volume", 0, 0},
        {"silence stands at the left end", -10000, -5000},
    };
    for (const auto& c : cases) {
        kungjjak->SetKungJJakBGMVolume(c.kungjjakVolume);
        EXPECT_EQ(options->GetMusicSlider()->GetValue(), c.slider) << c.name << ", the panel closed";
        s.Options().CloseOptionWindow();
        ASSERT_EQ(s.Options().OpenOptionWindow(), 1);
        EXPECT_EQ(options->GetMusicSlider()->GetValue(), c.slider) << c.name << ", the panel opened";
    }
    s.Options().CloseOptionWindow();

    s.missions.kungjjak = nullptr;
    const std::string subkey = std::to_string(CMirelleVWS::kGameNumber);
    const struct { const char* name; int released; const char* stored; } fallback[] = {
        {"a volume in range", -4999, "-4999"},
        {"the left end is silence", -5000, "-10000"},
    };
    for (const auto& c : fallback) {
        s.Options().OnMusicVolumeReleased(c.released);
        std::string stored;
        ASSERT_EQ(RegistryKey(s.GetRegistryPath()).ReadString(subkey, CVKJMissionWnd::kVolumeValue, stored), 1) << c.name;
        EXPECT_EQ(stored, c.stored) << c.name;
    }
    s.missions.kungjjak = kungjjak;
}
