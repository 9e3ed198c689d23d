#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/RoomTestSupport.h"

#include "foundation/WindowTimer.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVPSPPushBtn.h"

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

// The own user (100) owns the room in seat 0, user 200 sits in seat 1.
class RoomControlOps : public RoomFixture {
protected:
    void SetUp() override
    {
        Clock::UseVirtual(0, Clock::Now());
        ASSERT_TRUE(OpenRoom());
        Seat();
        Scene().gameInfo.ownerKey = kOwnKey;
        Scene().room.roomState = static_cast<int32_t>(RoomState::Waiting);
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

}  // namespace

// Slot 11: the reserved target goes at once; otherwise the cost question, and only a yes on a table
// in step kicks. A question closed by its own timer kicks nobody.
TEST_F(RoomControlOps, ForcedExitThroughTheHostSlot)
{
    const std::vector<GameRequest> kick{Requests::Kick{kOtherKey}};
    const struct {
        const char* name;
        int state;
        int64_t money;
        bool reserved, synced;
        std::vector<int> answers;
        size_t boxesShown;
        std::vector<GameRequest> sent;
    } cases[] = {
        {"asked, closed by its timer", 1, 14000, false, false, {kBoxTimerClosed}, 1, {}},
        {"13999: the refusal box only", 1, 13999, false, false, {IDOK}, 1, {}},
        {"reserved, result shown: no box, kicked", 3, 0, true, false, {}, 0, kick},
        {"yes in a round not in step: the failure box", 2, 14000, false, false, {IDOK, IDOK}, 2, {}},
        {"yes in a round in step", 2, 14000, false, true, {IDOK}, 1, kick},
    };
    for (const auto& c : cases) {
        CMirelleVWS& s = Scene();
        s.room.roomState = c.state;
        s.ownUser.gameMoney = c.money;
        s.gameInfo.kickReservations = c.reserved ? std::vector<int32_t>{kOtherKey} : std::vector<int32_t>{};
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
// nothing. The button, the notice and its cancel button follow the flag.
TEST_F(RoomControlOps, AutoPlaySwitchesOnceAndMovesOnlyTheOwnDeadline)
{
    CMirelleVWS& s = Scene();
    s.room.option.turnTime = 0;
    s.gameInfo.turnKey = kOwnKey;
    ASSERT_EQ(s.StartPhaseTimer(DecisionKind::PlayCard), 10);
    const struct { const char* name; bool on; bool printed; int64_t dueMs; } steps[] = {
        {"on: the auto-play second", true, true, 1000},
        {"on again: nothing", true, false, 1000},
        {"off: the turn's 10 s + 1", false, true, 11000},
    };
    for (const auto& st : steps) {
        host.Forget();
        s.SetAutoPlay(st.on);
        EXPECT_EQ(!host.chat.empty(), st.printed) << st.name << ": " << host.chat;
        EXPECT_EQ(WindowTimer::MsUntilNextDue(), st.dueMs) << st.name;
        EXPECT_EQ(s.timers.phaseTimerKind, DecisionKind::PlayCard) << st.name;
        EXPECT_EQ(s.roomButtons.autoPlaySetting->GetImageSet(), st.on ? 1 : 0) << st.name;
        EXPECT_EQ(s.roomMarks.autoPlayNotice->IsVisible(), st.on) << st.name;
        EXPECT_EQ(s.roomButtons.autoPlayCancel->IsVisible(), st.on) << st.name;
    }
    s.gameInfo.turnKey = kOtherKey;
    ASSERT_EQ(s.StartPhaseTimer(DecisionKind::PlayCard), 10);
    s.SetAutoPlay(true);
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
        EXPECT_EQ(s.SendMacro(3), 1) << c.name;
        EXPECT_EQ(s.SendMacro(4), 0) << c.name << ": a second macro within the rest";
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
    EXPECT_EQ(s.SetSkin(7, 1), 0) << "no skin 7 exists";
    EXPECT_EQ(s.tableWidgets.skin, before);
    EXPECT_TRUE(s.Contains(before));
    EXPECT_EQ(s.SetSkin(1, 1), 1);
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
    s.ClearTable();
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
    s.GetQueue().Append(GameMessage(HostCode70{1}));
    s.GetQueue().Append(GameMessage(HostCode70{2}));
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

// Cards raised by the plays go back to the loading order over the floor outlines: card 0 on top,
// each with its pile marker and mission marker directly over it.
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
    s.ClearTable();
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
