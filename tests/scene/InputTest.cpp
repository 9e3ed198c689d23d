#include <gtest/gtest.h>

#include <utility>

#include "support/RoomTestSupport.h"

#include <imm.h>
#include "toolkit/GVQZSWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVPSPPushBtn.h"

namespace {

using DecisionKind = SceneRules::DecisionKind;

constexpr int32_t kFirstCardId = 23;
constexpr int32_t kSecondCardId = 41;

// A room opened on the generated images, the own user (100) in seat 0 and user 200 in seat 1, a
// game under way.
class SceneInput : public RoomFixture {
protected:
    void SetUp() override
    {
        Clock::UseVirtual(0, Clock::Now());
        ASSERT_TRUE(OpenRoom());
        Seat();
        Scene().room.roomState = static_cast<int32_t>(RoomState::Playing);
        host.Forget();
    }

    // Two own hand cards (slots 5 and 6) laid out apart from the deck's stack.
    void DealOwnHand()
    {
        CMirelleVWS& s = Scene();
        s.gameInfo.users[0].hand = {5, 6};
        const struct { int slot; int32_t id; Point at; } cards[] = {{5, kFirstCardId, {100, 450}}, {6, kSecondCardId, {150, 450}}};
        for (const auto& c : cards) {
            CVHTWnd* w = s.tableWidgets.cardWnds[static_cast<size_t>(c.slot)];
            w->SetCard(c.id);
            w->SetPos(c.at);
        }
    }

    // The own turn as the turn handlers leave it.
    void OwnTurn()
    {
        CMirelleVWS& s = Scene();
        s.gameInfo.turnKey = kOwnKey;
        s.timers.outlineBlink = true;
        s.timers.phaseTimerKind = DecisionKind::PlayCard;
    }

    static Point Centre(const GVWnd* w)
    {
        const Rect r = w->GetRect();
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam) { return SendMessageA(gameWnd, msg, wParam, lParam); }
    void Click(Point p)
    {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }
    void Key(UINT msg, WPARAM vk) { Send(msg, vk, 1); }

    static GameRequest PlayCard(int32_t id) { return Requests::PlayCard{0, id, 0}; }
};

}  // namespace

TEST_F(SceneInput, LoaderPlacesTheTitleAndBottomBarButtons)
{
    const RoomButtons& b = Scene().roomButtons;
    const struct { const char* name; const CVPSPPushBtn* button; Point at; bool visible, enabled; } cases[] = {
        {"auto-play setting", b.autoPlaySetting, {629, 0}, true, false},
        {"memo", b.memo, {692, 0}, true, false},
        {"capture", b.capture, {713, 0}, true, true},
        {"minimize", b.minimize, {736, 0}, true, true},
        {"full screen", b.fullScreen, {756, 0}, true, true},
        {"close", b.close, {777, 0}, true, true},
        {"watch", b.watch, {640, 577}, false, true},
        {"join", b.join, {640, 577}, false, true},
        {"option", b.option, {519, 577}, true, true},
        {"vip", b.vip, {575, 577}, true, true},
        {"exit", b.exit, {709, 577}, true, true},
        {"cancel exit", b.cancelExit, {709, 577}, true, true},
        {"start", b.start, {280, 360}, false, true},
    };
    for (const auto& c : cases) {
        ASSERT_NE(c.button, nullptr) << c.name;
        EXPECT_EQ(c.button->GetRect().TopLeft(), c.at) << c.name;
        EXPECT_EQ(c.button->IsVisible(), c.visible) << c.name;
        EXPECT_EQ(c.button->IsEnabled(), c.enabled) << c.name;
    }
    ASSERT_NE(b.titleBack, nullptr);
    EXPECT_FALSE(b.titleBack->IsVisible());
}

TEST_F(SceneInput, EnterTellsTheHostWindowAndOtherKeysDoNot)
{
    Key(WM_KEYDOWN, 'Q');
    Key(WM_KEYDOWN, VK_SPACE);
    PumpFor(50);
    EXPECT_EQ(hostWnd.posted.count(WM_USER + 2), 0u) << "a key other than Enter told the host";
    Key(WM_KEYDOWN, VK_RETURN);
    PumpFor(1000, [&] { return hostWnd.posted.count(WM_USER + 2) != 0; });
    ASSERT_EQ(hostWnd.posted.count(WM_USER + 2), 1u);
    EXPECT_EQ(hostWnd.posted[WM_USER + 2].wParam, 0u);
    EXPECT_EQ(hostWnd.posted[WM_USER + 2].lParam, 0);
    EXPECT_TRUE(host.sent.empty());
}

// The room keeps no chat edit: composition messages pass to the window's default handling.
TEST_F(SceneInput, CompositionMessagesDoNoHarm)
{
    const size_t widgets = Scene().GetWnds().size();
    Send(WM_IME_STARTCOMPOSITION, 0, 0);
    Send(WM_IME_COMPOSITION, 0xAC00, GCS_RESULTSTR | GCS_COMPSTR);
    Send(WM_IME_COMPOSITION, 0, 0);
    Send(WM_IME_ENDCOMPOSITION, 0, 0);
    PumpFor(50);
    EXPECT_TRUE(host.sent.empty());
    EXPECT_TRUE(host.hostRequests.empty());
    EXPECT_EQ(Scene().GetWnds().size(), widgets);
    EXPECT_EQ(Scene().GetFocusWnd(), nullptr);
    Key(WM_KEYDOWN, VK_RETURN);
    PumpFor(1000, [&] { return hostWnd.posted.count(WM_USER + 2) != 0; });
    EXPECT_EQ(hostWnd.posted.count(WM_USER + 2), 1u) << "the room stopped answering keys";
}

TEST_F(SceneInput, ClickCursorOverEnabledButtonsOnly)
{
    const RoomButtons& b = Scene().roomButtons;
    const struct { const char* name; Point at; int state; } moves[] = {
        {"close button", Centre(b.close), 2},
        {"empty table", {400, 520}, 1},
        {"exit button", Centre(b.exit), 2},
        {"disabled memo button", Centre(b.memo), 1},
        {"capture button", Centre(b.capture), 2},
    };
    HCURSOR cursorOf[3] = {};
    for (const auto& m : moves) {
        Send(WM_MOUSEMOVE, 0, MAKELPARAM(m.at.x, m.at.y));
        EXPECT_EQ(Scene().GetCursorState(), m.state) << m.name;
        if (!cursorOf[m.state]) cursorOf[m.state] = GetCursor();
        EXPECT_EQ(GetCursor(), cursorOf[m.state]) << m.name << ": the cursor shown";
    }
    EXPECT_NE(cursorOf[1], cursorOf[2]) << "the two cursors look the same";
}

TEST_F(SceneInput, HandCardClickInTheOwnTurnPlaysItsCardOnce)
{
    DealOwnHand();
    const Point second = Centre(Scene().tableWidgets.cardWnds[6]);
    Scene().gameInfo.turnKey = 200;  // the opponent's turn
    Click(second);
    EXPECT_TRUE(host.sent.empty()) << "a click outside the own turn played";

    OwnTurn();
    Send(WM_MOUSEMOVE, 0, MAKELPARAM(second.x, second.y));
    EXPECT_EQ(Scene().GetCursorState(), 2) << "no click cursor over the own card";
    EXPECT_EQ(Scene().tableWidgets.cardWnds[6]->GetHoverState(), HoverState::Hover);
    Click(Centre(Scene().tableWidgets.cardWnds[6]));
    EXPECT_EQ(host.sent, std::vector<GameRequest>{PlayCard(kSecondCardId)});
    EXPECT_FALSE(Scene().timers.outlineBlink) << "the own turn still blinks after the card went";
    EXPECT_EQ(Scene().timers.phaseTimerKind, DecisionKind::None);
    EXPECT_EQ(Scene().tableWidgets.cardWnds[6]->GetHoverState(), HoverState::Rest) << "the played card stays lifted";

    // The turn is over for the keys too: F1 no longer picks a hand card.
    Scene().timers.phaseTimerKind = DecisionKind::PlayCard;
    host.Forget();
    Key(WM_KEYDOWN, VK_F1);
    EXPECT_TRUE(host.sent.empty()) << "F1 played a second card";
}

TEST_F(SceneInput, HandKeysPlayOnlyInTheOwnTurnOfAPlayer)
{
    DealOwnHand();
    using Change = void (*)(CMirelleVWS&);
    const struct { const char* name; Change setup; UINT msg; WPARAM vk; std::vector<GameRequest> sent; } cases[] = {
        {"Q in the own turn", nullptr, WM_KEYUP, 'Q', {PlayCard(kFirstCardId)}},
        {"W in the own turn", nullptr, WM_KEYUP, 'W', {PlayCard(kSecondCardId)}},
        {"F2 in the own turn", nullptr, WM_KEYDOWN, VK_F2, {PlayCard(kSecondCardId)}},
        {"E past the hand without a deck flip", nullptr, WM_KEYUP, 'E', {}},
        {"Q pressed down does nothing", nullptr, WM_KEYDOWN, 'Q', {}},
        {"Q in the opponent's turn", [](CMirelleVWS& s) { s.gameInfo.turnKey = 200, s.timers.outlineBlink = false; },
         WM_KEYUP, 'Q', {}},
        {"Q for the robot's seat", [](CMirelleVWS& s) { s.room.seats.players[0].seatState = -1; }, WM_KEYUP, 'Q', {}},
        {"F11 with a pending deck flip plays the deck card",
         [](CMirelleVWS& s) { s.gameInfo.users[0].deckFlips = 1, s.gameInfo.deck = {30, 31}; }, WM_KEYDOWN, VK_F11,
         {PlayCard(kCardCount)}},
    };
    for (const auto& c : cases) {
        OwnTurn();
        Scene().room.seats.players[0].seatState = 0;
        Scene().gameInfo.users[0].deckFlips = 0;
        if (c.setup) c.setup(Scene());
        host.Forget();
        Key(c.msg, c.vk);
        EXPECT_EQ(host.sent, c.sent) << c.name;
    }
}

// The server's count of pending flips may exceed the six markers the table has.
TEST_F(SceneInput, ReleaseOnADeckFlipMarkerPlaysTheDeckCard)
{
    OwnTurn();
    CMirelleVWS& s = Scene();
    s.gameInfo.users[0].deckFlips = 40;
    s.gameInfo.deck = {30, 31};
    GVQZSWnd* marker = s.tableWidgets.holdBombs[2];
    marker->SetPos({600, 300});
    marker->Show(true);
    const Point at = Centre(marker);
    ASSERT_EQ(s.WndFromPoint(at), nullptr) << "a widget covers the marker";
    Send(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    EXPECT_EQ(host.sent, std::vector<GameRequest>{PlayCard(kCardCount)});
    EXPECT_FALSE(marker->IsVisible());
}

TEST_F(SceneInput, WatchButtonAsksInAnAntiLeaveGame)
{
    CMirelleVWS& s = Scene();
    CVPSPPushBtn* watch = s.roomButtons.watch;
    watch->Show(true);
    s.room.roomKind = 9;
    s.room.option.antiLeave = 1;
    ASSERT_EQ(s.WndFromPoint(Centre(watch)), watch) << "the watch button is covered";
    const struct { const char* name; bool active; int box; std::vector<GameRequest> sent; } cases[] = {
        {"answered no", true, IDNO, {}},
        {"answered yes", true, IDOK, {Requests::Observe{}}},
        {"rule not in force: no question", false, 0, {Requests::Observe{}}},
    };
    for (const auto& c : cases) {
        s.controls.antiLeaveActive = c.active;
        host.Forget();
        const UINT_PTR timer = AnswerNextBox(c.box ? c.box : IDOK);
        Click(Centre(watch));
        KillTimer(nullptr, timer);
        EXPECT_EQ(nextBox.answered, c.box != 0) << c.name << ": a question shown, or none";
        EXPECT_EQ(host.sent, c.sent) << c.name;
    }
}

TEST_F(SceneInput, StartButtonShowsForTheSeatThatStarts)
{
    CMirelleVWS& scene = Scene();
    CVPSPPushBtn* start = scene.roomButtons.start;
    using Change = void (*)(CMirelleVWS&);
    const struct { const char* name; Change setup; bool visible; int imageSet; } cases[] = {
        {"own user in seat 0", nullptr, true, 0},
        {"own user in seat 1", [](CMirelleVWS& s) { std::swap(s.room.seats.players[0], s.room.seats.players[1]); },
         false, 0},
        {"empty seat in an ordinary room", [](CMirelleVWS& s) { s.room.seats.players[1].userKey = -1; }, true, 1},
        {"empty seat in a tournament room",
         [](CMirelleVWS& s) { s.room.roomKind = 22, s.room.seats.players[1].userKey = -1; }, false, 1},
        {"tournament room, both seated, watching", [](CMirelleVWS& s) { s.room.roomKind = 22, s.ownUser.userKey = 7; },
         true, 0},
    };
    for (const auto& c : cases) {
        Seat();
        scene.room.roomKind = 1;
        start->Show(false);
        if (c.setup) c.setup(scene);
        scene.ShowStartButton(true);
        EXPECT_EQ(start->IsVisible(), c.visible) << c.name;
        EXPECT_EQ(start->GetImageSet(), c.imageSet) << c.name;
    }
    Seat();
    scene.room.roomKind = 1;
    scene.room.roomState = static_cast<int32_t>(RoomState::Waiting);
    scene.ShowStartButton(true);
    host.Forget();
    Key(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(host.sent, std::vector<GameRequest>{Requests::Request9{0}});
    EXPECT_FALSE(start->IsVisible()) << "the start button stays after the start";
    host.Forget();
    Key(WM_KEYDOWN, VK_SPACE);
    EXPECT_TRUE(host.sent.empty()) << "Space with the start button hidden";
}
