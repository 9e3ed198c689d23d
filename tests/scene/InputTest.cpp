#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "support/RoomTestSupport.h"

#include <imm.h>
#include "foundation/WindowTimer.h"
#include "protocol/MessageBodies.h"
#include "toolkit/GVAvatarWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVPSPPushBtn.h"
#include "scene/HostLink.h"
#include "scene/SeatView.h"
#include "scene/RoomInput.h"

namespace {

using DecisionKind = SceneRules::DecisionKind;

constexpr int32_t kFirstCardId = 23;
constexpr int32_t kSecondCardId = 41;
constexpr int kBombRow = 2;
constexpr int kTwoBombRow = 4;

// A room opened on the generated images, the own user (100) in seat 0 and user 200 in seat 1, a
// game under way.
class SceneInput : public RoomFixture {
protected:
    void SetUp() override
    {
        Clock::UseVirtual();
        ASSERT_TRUE(OpenRoom());
        Seat();
        Scene().room.seats.AssignScreenSlots(kOwnKey);
        Scene().room.roomState = static_cast<int32_t>(RoomState::Playing);
        host.Forget();
    }

    // Two own hand cards (slots 5 and 6) laid out apart from the deck's stack.
    void DealOwnHand()
    {
        Scene().gameInfo.users[0].hand = {5, 6};
        for (const auto& [slot, id, x] : {std::tuple{5, kFirstCardId, 100}, std::tuple{6, kSecondCardId, 150}}) {
            Scene().tableWidgets.cardWnds[static_cast<size_t>(slot)]->SetCard(id);
            Scene().tableWidgets.cardWnds[static_cast<size_t>(slot)]->SetPos({x, 450});
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

// The same room for the hints, the avatars and the refills.
class SceneHints : public SceneInput {
protected:
    // Card-window slots from 10 up take the ids, in the own hand or on the floor.
    void Lay(std::vector<int32_t>& list, int32_t firstSlot, std::initializer_list<int32_t> ids)
    {
        int32_t slot = firstSlot;
        for (int32_t id : ids) {
            CVHTWnd* card = Scene().tableWidgets.cardWnds[static_cast<size_t>(slot)];
            card->SetCard(id);
            card->SetPos({100 + 30 * slot, slot < 20 ? 450 : 200});
            list.push_back(slot++);
        }
    }
    bool Shown(int handSlot, int row) const
    {
        const GVWnd* m = wnd->GetScene()->Engine().GetHandMarker(handSlot, row);
        return m && m->IsVisible();
    }
};

}  // namespace

// The room keeps no chat edit: composition messages go to the window's default handling.
TEST_F(SceneInput, OnlyEnterTellsTheHostWindowAndCompositionDoesNoHarm)
{
    const size_t widgets = Scene().GetWnds().size();
    Send(WM_IME_STARTCOMPOSITION, 0, 0);
    Send(WM_IME_COMPOSITION, 0xAC00, GCS_RESULTSTR | GCS_COMPSTR);
    Send(WM_IME_ENDCOMPOSITION, 0, 0);
    Key(WM_KEYDOWN, 'Q');
    Key(WM_KEYDOWN, VK_SPACE);
    PumpFor(50);
    EXPECT_EQ(hostWnd.posted.count(WM_USER + 2), 0u) << "a key other than Enter told the host";
    EXPECT_TRUE(host.sent.empty() && host.hostRequests.empty());
    EXPECT_EQ(Scene().GetWnds().size(), widgets);
    Key(WM_KEYDOWN, VK_RETURN);
    PumpFor(1000, [&] { return hostWnd.posted.count(WM_USER + 2) != 0; });
    ASSERT_EQ(hostWnd.posted.count(WM_USER + 2), 1u);
    EXPECT_EQ(hostWnd.posted[WM_USER + 2].wParam, 0u);
    EXPECT_EQ(hostWnd.posted[WM_USER + 2].lParam, 0);
}

// Windowed, a press on the bare title strip drags the host's window; elsewhere the room keeps the mouse.
TEST_F(SceneInput, PressOnTheTitleStripStartsTheWindowDrag)
{
    const struct { const char* name; Point at; bool drag; } presses[] = {
        {"title strip", {100, 5}, true}, {"table", {100, 300}, false}, {"close button", {780, 5}, false}};
    for (const auto& c : presses) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.at.x, c.at.y));
        MSG m;
        EXPECT_EQ(PeekMessageA(&m, hostWnd.Get(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE) != 0, c.drag) << c.name;
        EXPECT_EQ(GetCapture() == gameWnd, !c.drag) << c.name << ": mouse capture";
        Send(WM_LBUTTONUP, 0, MAKELPARAM(c.at.x, c.at.y));
    }
}

TEST_F(SceneInput, ClickCursorOverEnabledButtonsOnly)
{
    const RoomButtons& b = Scene().roomButtons;
    const struct { const char* name; Point at; int state; } moves[] = {
        {"close button", Centre(b.close), 2},
        {"empty table", {400, 520}, 1},
        {"disabled memo button", Centre(b.memo), 1},
        {"capture button", Centre(b.capture), 2},
    };
    HCURSOR cursorOf[3] = {};
    for (const auto& m : moves) {
        Send(WM_MOUSEMOVE, 0, MAKELPARAM(m.at.x, m.at.y));
        EXPECT_EQ(Scene().Input().GetCursorState(), m.state) << m.name;
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
    EXPECT_EQ(Scene().Input().GetCursorState(), 2) << "no click cursor over the own card";
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
        {"F2 in the own turn", nullptr, WM_KEYDOWN, VK_F2, {PlayCard(kSecondCardId)}},
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
        watch->Enable(true);  // a sent Observe leaves the watch button shown but disabled
        const UINT_PTR timer = AnswerNextBox(c.box ? c.box : IDOK);
        Click(Centre(watch));
        KillTimer(nullptr, timer);
        EXPECT_EQ(nextBox.answered, c.box != 0) << c.name << ": a question shown, or none";
        EXPECT_EQ(host.sent, c.sent) << c.name;
        EXPECT_EQ(watch->IsEnabled(), c.sent.empty()) << c.name << ": the button mirrors the host's observe";
    }
}

// Space starts only while the start button shows, and the start hides it.
TEST_F(SceneInput, StartButtonShowsForSeatZeroAndSpaceStartsOnce)
{
    CMirelleVWS& scene = Scene();
    CVPSPPushBtn* start = scene.roomButtons.start;
    scene.room.roomState = static_cast<int32_t>(RoomState::Waiting);
    std::swap(scene.room.seats.players[0], scene.room.seats.players[1]);
    scene.Input().ShowStartButton(true);
    EXPECT_FALSE(start->IsVisible()) << "shown to the user in seat 1";
    Seat();
    scene.Input().ShowStartButton(true);
    ASSERT_TRUE(start->IsVisible());
    for (int i = 0; i < 2; ++i) Key(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(host.sent, std::vector<GameRequest>{Requests::StartGame{0}}) << "one start for two presses";
    EXPECT_FALSE(start->IsVisible());
}

// Three cards of March in hand and one on the floor: the bomb row over the three; with the hand marked
// for a held bomb in the own turn, the double-bomb row, the guides, the tool-tip and the notify sound.
TEST_F(SceneHints, HandHintsAndTheHeldBombGuides)
{
    CMirelleVWS& s = Scene();
    Lay(s.gameInfo.users[0].hand, 10, {12, 13, 14, 0});
    Lay(s.floor.cards, 20, {15});
    s.Seats().ShowHandHints(true);
    for (int k = 0; k < 3; ++k) EXPECT_TRUE(Shown(k, kBombRow) && !Shown(k, 0)) << "slot " << k << ": not the bomb alone";
    EXPECT_FALSE(Shown(3, kBombRow)) << "January shows the bomb";
    EXPECT_FALSE(s.effects.bombOpenOutline->IsVisible()) << "guides without a marked hand";

    s.gameInfo.turnKey = kOwnKey;
    s.tableState.handMarked = true;
    s.markedCards = {12};
    s.Seats().ShowHandHints(true);
    for (int k = 0; k < 3; ++k) EXPECT_TRUE(Shown(k, kTwoBombRow) && !Shown(k, kBombRow)) << "slot " << k;
    EXPECT_TRUE(s.effects.bombOpenOutline->IsVisible() && s.effects.bombHoldOutline->IsVisible() &&
                s.moneyWidgets.bombTooltip->IsVisible());
    EXPECT_EQ(s.effects.bombOpenOutline->GetPos(), s.tableWidgets.cardWnds[20]->GetPos() + Point(-8, -9));
    EXPECT_EQ(s.effects.bombHoldOutline->GetPos(), s.tableWidgets.cardWnds[10]->GetPos() + Point(-3, -3));

    s.Seats().ShowHandHints(false);
    for (int k = 0; k < 4; ++k)
        for (int row = 0; row < 9; ++row) EXPECT_FALSE(Shown(k, row)) << "slot " << k << ", row " << row;
    EXPECT_FALSE(s.effects.bombHoldOutline->IsVisible() || s.effects.bombOpenOutline->IsVisible() ||
                 s.moneyWidgets.bombTooltip->IsVisible());

    // No floor card of the first hand card's month: the open guide stays off instead of pointing anywhere.
    s.floor.cards.clear();
    s.Seats().ShowHandHints(true);
    EXPECT_FALSE(s.effects.bombOpenOutline->IsVisible()) << "the open guide shows without its floor card";
    EXPECT_TRUE(s.effects.bombHoldOutline->IsVisible());
}

// While the first player is picked from the floor, the blink shows the markers of the slots holding cards in
// phase 1 and hides them in phase 0; during the own turn the lit outline marks the slots the hand can take.
TEST_F(SceneHints, BlinkStepLightsFloorSlotsAndTheOwnOutline)
{
    CMirelleVWS& s = Scene();
    s.floor.GetSlot(2).count = 1;
    s.gameInfo.firstPlayerMode = 0;
    s.timers.phaseTimerKind = DecisionKind::SunPick;
    s.timers.blinkPhase = 0;
    s.StepCountdownAndBlink();
    EXPECT_TRUE(s.tableWidgets.floorMarkers[2]->IsVisible());
    EXPECT_FALSE(s.tableWidgets.floorMarkers[3]->IsVisible()) << "an empty slot is marked";
    s.StepCountdownAndBlink();
    EXPECT_FALSE(s.tableWidgets.floorMarkers[2]->IsVisible()) << "phase 0 keeps the marker";

    s.timers.phaseTimerKind = DecisionKind::PlayCard;
    s.gameInfo.turnKey = kOwnKey;
    s.timers.outlineBlink = true;
    Lay(s.gameInfo.users[0].hand, 10, {12});
    // March in floor slot 4, October in slot 5: only March is the own hand's to take.
    Lay(s.gameInfo.deck, 20, {15, 40});
    ASSERT_TRUE(s.Engine().Model().PutOnFloorSlot(20, TableList::Deck(), 4));
    ASSERT_TRUE(s.Engine().Model().PutOnFloorSlot(21, TableList::Deck(), 5));
    s.timers.blinkPhase = 0;
    s.StepCountdownAndBlink();
    EXPECT_TRUE(s.tableWidgets.litOutlines[4]->IsVisible()) << "the March slot is not lit";
    EXPECT_FALSE(s.tableWidgets.litOutlines[5]->IsVisible()) << "a slot the hand cannot take is lit";
    s.StepCountdownAndBlink();
    EXPECT_FALSE(s.tableWidgets.litOutlines[4]->IsVisible()) << "phase 0 keeps the outline";
}

// Two avatar places: a user on any other screen slot is refused; an avatar goes with its user's data.
TEST_F(SceneHints, SeatAvatarsOnTheTwoScreenSlotsOnly)
{
    CMirelleVWS& s = Scene();
    // A path naming its drive is taken as it stands, not under the portal's folder.
    BSTR picture = SysAllocString(AnsiToWide(gameDir + "GameImage\\Avatar\\robot_avatar1.gif|item").c_str());
    s.room.seats.players[1].screenSlot = 2;
    EXPECT_EQ(Client()->SetUserAvatar(200, picture), -1);
    EXPECT_EQ(s.Link().GetSeatAvatar(2), nullptr);
    s.room.seats.players[1].screenSlot = 1;
    EXPECT_EQ(Client()->SetUserAvatar(200, picture), 0);
    ASSERT_NE(s.Link().GetSeatAvatar(1), nullptr);
    EXPECT_TRUE(s.Link().GetSeatAvatar(1)->IsVisible());
    EXPECT_FALSE(s.Link().GetSeatAvatar(1)->IsFallback()) << "the portal's picture did not load";
    SysFreeString(picture);

    // The host answering nothing for the seat's avatar keeps the one shown.
    s.GetPlayer(1).avatarString = "avatar";
    s.Link().LoadSeatAvatar(1);
    ASSERT_NE(s.Link().GetSeatAvatar(1), nullptr);
    EXPECT_TRUE(s.Link().GetSeatAvatar(1)->IsVisible());

    // Without an avatar string the seat loses its avatar.
    s.GetPlayer(1).avatarString.clear();
    s.Link().LoadSeatAvatar(1);
    EXPECT_EQ(s.Link().GetSeatAvatar(1), nullptr);
}

// A refill shows on the panel of the user it is for; only the own user's is told in the chat and to the host.
TEST_F(SceneHints, RefillsOfBothSeats)
{
    CMirelleVWS& s = Scene();
    s.GetPlayer(1).gameMoney = 1000;
    s.Link().PrintRefillNotice(3, {RefillRecord{200, 300000, 1, 0}});
    EXPECT_EQ(s.GetPlayer(1).gameMoney, 301000);
    EXPECT_TRUE(s.moneyWidgets.refill[1]->IsVisible());
    EXPECT_EQ(s.moneyWidgets.refill[1]->GetFrame(), 1);
    EXPECT_EQ(s.moneyWidgets.refillTexts[1]->GetText(), "남은 리필 1회");
    EXPECT_EQ(host.chat, "") << "the other user's refill was told";
    EXPECT_TRUE(host.RequestsWithCode(31).empty());

    s.GetPlayer(0).gameMoney = INT64_MAX - 5;
    s.Link().PrintRefillNotice(2, {RefillRecord{kOwnKey, 200000, 0, 0}});
    EXPECT_EQ(s.GetPlayer(0).gameMoney, INT64_MAX) << "the money wrapped";
    const auto code31 = host.RequestsWithCode(31);
    ASSERT_EQ(code31.size(), 1u);
    EXPECT_EQ(code31[0].text, std::optional<std::string>("200000"));
    EXPECT_NE(host.chat.find("남은 리필이 없습니다."), std::string::npos) << host.chat;

    WindowTimer::AdvanceAndFire(3000);
    EXPECT_FALSE(s.moneyWidgets.refill[1]->IsVisible() || s.moneyWidgets.refillTexts[0]->IsVisible())
        << "the refill marks outlast the popup timer";
}
