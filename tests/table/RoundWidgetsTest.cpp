#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <tuple>

#include "support/RoomTestSupport.h"

#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/WidgetFactory.h"
#include "scene/RoomView.h"

namespace {

// The own user in seat 0 on the bottom side, user 200 in seat 1 on top, a round in play on the
// virtual clock and every card window in the deck.
class RoundWidgets : public RoomFixture {
protected:
    void SetUp() override
    {
        Clock::UseVirtual();
        ASSERT_TRUE(OpenRoom());
        Seat();
        S().room.roomState = static_cast<int32_t>(RoomState::Playing);
        S().GetPlayer(0).screenSlot = 0;
        S().GetPlayer(1).screenSlot = 1;
        for (int32_t s = 0; s < kCardCount; ++s) ASSERT_TRUE(S().Engine().Model().MoveSlot(s, TableList::Nowhere(), TableList::Deck()));
    }
    CMirelleVWS& S() { return Scene(); }
    void Send(UINT msg, WPARAM wParam, Point p) { SendMessageA(gameWnd, msg, wParam, MAKELPARAM(p.x, p.y)); }
    static Point Inside(const GVWnd* wnd) { return wnd->GetRect().TopLeft() + Point{4, 4}; }
};

}  // namespace

TEST_F(RoundWidgets, SeptemberClipLiesOnTheKeptAnimalUntilItMoves)
{
    GVQZSWnd* clip = S().roomMarks.nineTenClip;
    const int32_t slot = S().Engine().Model().DeckTop();
    ASSERT_TRUE(S().Engine().Model().SetSlotCard(slot, kSeptemberAnimal) &&
                S().Engine().Model().MoveSlot(slot, TableList::Deck(), TableList::Pile(1, CardCategory::Animal)));
    S().Engine().LayoutCapturedPile(1, CardCategory::Animal);
    S().Flows().decisions.OnSeptAnimalKept({kOwnKey});
    EXPECT_FALSE(clip->IsVisible()) << "the own animal pile has no September animal";
    S().Flows().decisions.OnSeptAnimalKept({200});
    clip->SetPos({0, 0});
    S().Engine().LayoutCapturedPile(1, CardCategory::Animal);
    const auto& wnds = S().GetWnds();
    const auto marker = std::find(wnds.begin(), wnds.end(), S().tableWidgets.cardBoxes[static_cast<size_t>(slot)]);
    EXPECT_TRUE(clip->IsVisible() && clip->GetPos() == S().Engine().CardWndBySlot(slot)->GetPos()) << "on the card after the layout";
    EXPECT_TRUE(marker != wnds.begin() && marker != wnds.end() && *std::prev(marker) == clip) << "over the pile marker";
    S().tableState.active = true;
    S().Flows().decisions.OnSeptAnimalMoved({200, kSeptemberAnimal});
    EXPECT_FALSE(clip->IsVisible()) << "moved to the pi pile";
}

TEST_F(RoundWidgets, TurnStartAndTableClearHideTheBettingPanel)
{
    const BettingWidgets& b = S().betting;
    GVWnd* const parts[] = {b.back, b.buttons[0], b.buttons[1], b.buttons[2], b.text, b.kinds[0], b.kinds[1],
                                  b.dieWarning, b.multiplier, b.tableCover};
    for (const bool clear : {false, true}) {
        for (GVWnd* w : parts) w->Show(true), w->Enable(true);
        if (clear) S().View().ClearTable();
        else S().Flows().round.OnTurnStart(TurnStart{200, 0});
        for (size_t i = 0; i < std::size(parts); ++i) EXPECT_FALSE(parts[i]->IsVisible()) << clear << ": part " << i;
        EXPECT_FALSE(b.buttons[0]->IsEnabled() || b.buttons[1]->IsEnabled() || b.buttons[2]->IsEnabled()) << clear;
    }
}

TEST_F(RoundWidgets, RoundMessagesRefreshTheStakeTextCloseTheResultAndLeave)
{
    GVTextWnd* text = S().entryWidgets.stakeText;
    ASSERT_NE(text, nullptr);
    const struct { int32_t roomKind, stake; const char* shown; } cases[] = {{0, 10000, "점1만냥"}, {41, 500, nullptr}};
    for (const auto& c : cases) {
        S().room.roomKind = c.roomKind;
        text->Show(true);
        S().Flows().round.OnWaitingForStart({.firstKey = kOwnKey, .startFlag = 1, .stake = c.stake});
        EXPECT_TRUE(c.shown ? text->IsVisible() && text->GetText() == c.shown : !text->IsVisible()) << c.roomKind;
    }
    EXPECT_TRUE(host.sent.empty()) << "seat 0 starts";
    S().Flows().round.OnWaitingForStart({.firstKey = 200, .startFlag = 1});
    EXPECT_EQ(host.sent, std::vector<GameRequest>{Requests::ExitRoom{}});

    S().resultWidgets.resultBox->Show(true);
    S().Flows().decisions.OnBetPrompt({.userKey = 200, .kind = 1, .amount = 1000});
    EXPECT_FALSE(S().resultWidgets.resultBox->IsVisible()) << "the bet prompt closes the result";
}

TEST_F(RoundWidgets, WaitingForStartShowsTheRoundStartAnimation)
{
    const struct { const char* name; int32_t roomKind, chamgiFlag, chamgiKind; int shown; } cases[] = {
        {"chamgi of kind 2", 0, 1, 2, 2},
        {"chamgi flag without a kind", 0, 1, 0, -1},
        {"target-score room", 41, 0, 0, 3},
        {"ordinary room", 0, 0, 0, -1},
    };
    for (const auto& c : cases) {
        S().room.roomKind = c.roomKind;
        S().View().ClearTable();
        S().Flows().round.OnWaitingForStart({.firstKey = kOwnKey, .startFlag = 1, .chamgiFlag = c.chamgiFlag, .chamgiKind = c.chamgiKind});
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(S().entryWidgets.roundStart[static_cast<size_t>(i)]->IsVisible(), i == c.shown) << c.name << ": " << i;
    }
    S().tableState.dealing = true;
    S().InitFloorSlots();
    EXPECT_FALSE(S().tableState.dealing) << "a new round ends a deal cut short";
}

TEST_F(RoundWidgets, FirstPlayerOfTheCardPickKeepsItsEffectUntilTheTurn)
{
    const auto& pick = S().effects.sunNotify;
    pick[0]->Show(true);
    S().Flows().round.OnSunDecided({200});
    EXPECT_EQ((std::tuple{pick[0]->IsVisible(), pick[1]->IsVisible(), pick[1]->GetSubAnimation(), pick[1]->GetPos()}),
              (std::tuple{false, true, 12, Point{64, 31}})) << "the own side stops; the first player's: shown, clip, place";
    S().Flows().round.OnTurnStart(TurnStart{200, 0});
    EXPECT_FALSE(pick[0]->IsVisible() || pick[1]->IsVisible()) << "the turn stops both";
}

TEST_F(RoundWidgets, BettingButtonsShowTheirKindAndSendTheirIndex)
{
    BettingWidgets& b = S().betting;
    for (CVPSPPushBtn* button : b.buttons) button->Show(true), button->Enable(true);
    ASSERT_TRUE(b.buttons[1]->SetImageSet(1));
    const struct { const char* name; int button; int32_t dies; bool kindShown; int clip; bool warning; } moves[] = {
        {"first button", 0, 0, true, 0, false},
        {"second button in its second image set", 1, 0, true, 4, false},
        {"third button, nine dies", 2, 9, true, 6, false},
        {"third button, ten dies", 2, 10, true, 6, true},
        {"over nothing an even clip hides", -1, 10, false, 6, false},
    };
    for (const auto& m : moves) {
        S().GetPlayer(0).dieWarningCount = m.dies;
        Send(WM_MOUSEMOVE, 0, m.button < 0 ? Point{400, 560} : Inside(b.buttons[static_cast<size_t>(m.button)]));
        EXPECT_EQ((std::tuple{b.kinds[0]->IsVisible(), b.kinds[0]->GetSubAnimation(), b.dieWarning->IsVisible()}),
                  (std::tuple{m.kindShown, m.clip, m.warning})) << m.name << ": kind shown, its clip, die warning";
    }
    for (GVQZAniWnd* choice : S().entryWidgets.handButtons) choice->Enable(true);
    for (const bool ownTurn : {true, false}) {
        host.Forget();
        S().timers.outlineBlink = ownTurn;
        Send(WM_LBUTTONDOWN, MK_LBUTTON, Inside(b.buttons[2]));
        Send(WM_LBUTTONUP, 0, Inside(b.buttons[2]));
        EXPECT_EQ(host.sent, ownTurn ? std::vector<GameRequest>{} : std::vector<GameRequest>{Requests::BettingChoice{2}}) << ownTurn;
    }
    for (const GVQZAniWnd* choice : S().entryWidgets.handButtons) EXPECT_FALSE(choice->IsEnabled()) << "a choice left enabled";
}

TEST_F(RoundWidgets, HandPickChoiceUnderThePointerShowsItsMouseOverClip)
{
    const auto& choices = S().entryWidgets.handButtons;
    S().gameInfo.firstPlayerMode = 1;
    S().timers.phaseTimerKind = SceneRules::DecisionKind::SunPick;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(choices[i]->SelectAnimationByName(std::to_string(i) + "_BLINK"));
        choices[i]->Play(-1, false);
        choices[i]->Enable(i < 2);
    }
    // In the card sheet's order choice i's clips start at 5 i: blink, normal, mouse-over; the disabled third stays.
    const struct { const char* name; Point at; std::array<int, 3> clips; } cases[] = {
        {"over the second", Inside(choices[1]), {0, 7, 10}},
        {"over the first", Inside(choices[0]), {2, 5, 10}},
        {"over nothing", {400, 560}, {0, 5, 10}},
    };
    for (const auto& c : cases) {
        Send(WM_MOUSEMOVE, 0, c.at);
        EXPECT_EQ((std::array{choices[0]->GetSubAnimation(), choices[1]->GetSubAnimation(), choices[2]->GetSubAnimation()}), c.clips)
            << c.name;
    }
}
