#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <tuple>

#include "support/RoomTestSupport.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVUserOptionWnd.h"
#include "views/WidgetFactory.h"
#include "toolkit/GVQZSWnd.h"
#include "views/CVHTWnd.h"

namespace {

using Ids = std::vector<int32_t>;

// The own user in seat 0 on the bottom side, user 200 in seat 1 on top, a round in play on the
// virtual clock and every card window in the deck.
class Wiring : public RoomFixture {
protected:
    void SetUp() override
    {
        Clock::UseVirtual(0, Clock::Now());
        ASSERT_TRUE(OpenRoom());
        ASSERT_TRUE(Scene().loadErrors.empty()) << Scene().loadErrors.front().name;
        Seat();
        Scene().room.roomState = static_cast<int32_t>(RoomState::Playing);
        Scene().GetPlayer(0).screenSlot = 0;
        Scene().GetPlayer(1).screenSlot = 1;
        for (int32_t s = 0; s < kCardCount; ++s)
            ASSERT_TRUE(Scene().tableModel.MoveSlot(s, TableList::Nowhere(), TableList::Deck()));
    }
    CMirelleVWS& S() { return Scene(); }
    int32_t FromDeck(int32_t id, TableList to)
    {
        TableModel& model = S().tableModel;
        const int32_t slot = model.DeckTop();
        EXPECT_TRUE(model.SetSlotCard(slot, id) && model.MoveSlot(slot, TableList::Deck(), to)) << "card " << id;
        return slot;
    }
    LRESULT Send(UINT msg, WPARAM wParam, Point p) { return SendMessageA(gameWnd, msg, wParam, MAKELPARAM(p.x, p.y)); }
    static Point Center(const GVWnd* wnd) { return wnd->GetRect().TopLeft() + Point{4, 4}; }
    // The widget drawn directly over `below`, null when none.
    GVWnd* DrawnOver(const GVWnd* below)
    {
        const auto& wnds = S().GetWnds();
        const auto at = std::find(wnds.begin(), wnds.end(), below);
        return at == wnds.end() || at == wnds.begin() ? nullptr : *std::prev(at);
    }
};

}  // namespace

TEST_F(Wiring, SeptemberClipLiesOnTheKeptAnimalUntilItMoves)
{
    GVQZSWnd* clip = S().roomMarks.nineTenClip;
    ASSERT_NE(clip, nullptr);
    const auto expectOver = [&](int32_t slot, const char* when) {
        const CVHTWnd* card = S().CardWndBySlot(slot);
        EXPECT_TRUE(clip->IsVisible() && clip->GetPos() == card->GetPos()) << when << ": shown on the card";
        EXPECT_EQ(DrawnOver(S().tableWidgets.cardBoxes[static_cast<size_t>(slot)]), clip) << when << ": over its marker";
    };
    const int32_t animal = FromDeck(kSeptemberAnimal, TableList::Pile(1, CardCategory::Animal));
    S().LayoutCapturedPile(1, CardCategory::Animal);
    EXPECT_FALSE(clip->IsVisible()) << "the choice is still open";
    S().OnSeptAnimalKept({kOwnKey});
    EXPECT_FALSE(clip->IsVisible()) << "the own animal pile has no September animal";
    S().OnSeptAnimalKept({200});
    expectOver(animal, "kept");

    // The pile's layout puts the clip back on its card.
    clip->SetPos({0, 0});
    S().LayoutCapturedPile(1, CardCategory::Animal);
    expectOver(animal, "after the pile's layout");

    S().tableState.active = true;
    S().OnSeptAnimalMoved({200, kSeptemberAnimal});
    EXPECT_FALSE(clip->IsVisible()) << "moved to the pi pile";
    EXPECT_EQ(S().RoundUser(1).piPile, (Ids{animal}));
}

TEST_F(Wiring, SnapshotShowsTheSeptemberClipOnlyOnceChosen)
{
    for (const int32_t choice : {0, 1}) {
        GameDataSync body;
        body.targetKey = kOwnKey;
        GameDataTable& t = body.table;
        t.turnKey = kOwnKey, t.playState = 2, t.septemberChoice = choice;
        t.players[1].animalPile = {kSeptemberAnimal};
        t.players[0].hand = t.players[1].hand = Ids(7, 50);
        t.floor = {9, 13, 17, 22, 26, 30};
        S().OnGameDataSync(body);
        const int32_t animal = S().FindCardById(S().RoundUser(1).animalPile, kSeptemberAnimal);
        ASSERT_GE(animal, 0) << "choice " << choice;
        const GVQZSWnd* clip = S().roomMarks.nineTenClip;
        EXPECT_EQ(clip->IsVisible(), choice == 0) << "choice " << choice;
        EXPECT_TRUE(choice != 0 || clip->GetPos() == S().CardWndBySlot(animal)->GetPos()) << "on seat 1's animal";
    }
}

TEST_F(Wiring, TurnStartAndTableClearHideTheBettingPanel)
{
    const BettingWidgets& b = S().betting;
    const std::vector<GVWnd*> parts = {b.back, b.buttons[0], b.buttons[1], b.buttons[2], b.text, b.kinds[0],
                                       b.kinds[1], b.dieWarning, b.multiplier, b.tableCover};
    const struct { const char* name; std::function<void()> act; } cases[] = {
        {"turn start", [&] { S().OnTurnStart(TurnStart{200, 0}); }},
        {"table clear", [&] { S().ClearTable(); }},
    };
    for (const auto& c : cases) {
        for (GVWnd* w : parts) {
            ASSERT_NE(w, nullptr) << c.name;
            w->Show(true);
            w->Enable(true);
        }
        c.act();
        for (size_t i = 0; i < parts.size(); ++i) EXPECT_FALSE(parts[i]->IsVisible()) << c.name << ": part " << i;
        for (const CVPSPPushBtn* button : b.buttons) EXPECT_FALSE(button->IsEnabled()) << c.name << ": a button";
    }
}

// No loader step makes the stake text yet: the test gives the scene one.
TEST_F(Wiring, RoundMessagesRefreshTheStakeText)
{
    WidgetFactory factory(S().GetImageRoot(), S());
    GVTextWnd* text = factory.CreateTextWnd("", {6, 151}, {77, 12}, 12, 700, 0x9bf5ff);
    ASSERT_TRUE(text && S().AddWnd(text));
    S().entryWidgets.stakeText = text;
    S().room.option.antiLeave = 1;
    S().controls.antiLeaveActive = true;
    const struct { const char* name; int32_t roomKind; std::function<void()> deliver; const char* shown; } cases[] = {
        {"game ready", 0, [&] { S().room.option.stake = 10000; S().OnGameReady({}); }, "점1만냥"},
        {"stake confirm", 9, [&] { S().OnStakeConfirm({.stake = 20000}); }, "점2만냥"},
        {"waiting for start", 0, [&] { S().OnWaitingForStart({.firstKey = kOwnKey, .startFlag = 1, .stake = 500}); }, "점500냥"},
        {"waiting for start, target-score room", 41, [&] { S().OnWaitingForStart({.firstKey = kOwnKey, .startFlag = 1, .stake = 500}); }, nullptr},
    };
    for (const auto& c : cases) {
        S().room.roomKind = c.roomKind;
        text->SetText("poison");
        text->Show(true);
        c.deliver();
        EXPECT_EQ(text->IsVisible(), c.shown != nullptr) << c.name;
        EXPECT_TRUE(!c.shown || text->GetText() == c.shown) << c.name << ": " << text->GetText();
    }
    S().entryWidgets.stakeText = nullptr;
}

TEST_F(Wiring, WaitingForAnotherFirstPlayerLeavesTheRoom)
{
    S().OnWaitingForStart({.firstKey = kOwnKey, .startFlag = 1});
    EXPECT_TRUE(host.sent.empty()) << "seat 0 starts";
    S().OnWaitingForStart({.firstKey = 200, .startFlag = 1});
    EXPECT_EQ(host.sent, std::vector<GameRequest>{Requests::ExitRoom{}});
}

TEST_F(Wiring, BetPromptClosesTheRoundResult)
{
    GVWnd* box = S().resultWidgets.resultBox;
    ASSERT_NE(box, nullptr);
    box->Show(true);
    S().OnBetPrompt({.userKey = 200, .kind = 1, .amount = 1000});
    EXPECT_FALSE(box->IsVisible());
}

TEST_F(Wiring, FirstPlayerOfTheCardPickKeepsItsEffectUntilTheTurn)
{
    const auto& pick = S().effects.sunNotify;
    for (GVQZAniWnd* effect : pick) effect->Show(true);
    S().gameInfo.firstPlayerMode = 0;
    S().OnSunDecided({200});
    EXPECT_FALSE(pick[0]->IsVisible()) << "the own side's effect stops";
    EXPECT_EQ((std::tuple{pick[1]->IsVisible(), pick[1]->GetSubAnimation(), pick[1]->GetPos()}), (std::tuple{true, 12, Point{64, 31}}))
        << "the first player's side: shown, clip, place";
    S().OnTurnStart(TurnStart{200, 0});
    EXPECT_FALSE(pick[0]->IsVisible() || pick[1]->IsVisible()) << "the turn stops both";
}

TEST_F(Wiring, BettingButtonsShowTheirKindAndSendTheirIndex)
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
        Send(WM_MOUSEMOVE, 0, m.button < 0 ? Point{400, 560} : Center(b.buttons[static_cast<size_t>(m.button)]));
        EXPECT_EQ((std::tuple{b.kinds[0]->IsVisible(), b.kinds[0]->GetSubAnimation(), b.dieWarning->IsVisible()}),
                  (std::tuple{m.kindShown, m.clip, m.warning})) << m.name << ": kind shown, its clip, die warning";
    }

    for (GVQZAniWnd* choice : S().entryWidgets.handButtons) choice->Enable(true);
    const struct { const char* name; bool ownTurn; std::vector<GameRequest> sent; } clicks[] = {
        {"the own turn sends nothing", true, {}},
        {"outside the own turn", false, {Requests::Request24{2}}},
    };
    for (const auto& c : clicks) {
        host.Forget();
        S().timers.outlineBlink = c.ownTurn;
        Send(WM_LBUTTONDOWN, MK_LBUTTON, Center(b.buttons[2]));
        Send(WM_LBUTTONUP, 0, Center(b.buttons[2]));
        EXPECT_EQ(host.sent, c.sent) << c.name;
    }
    for (const GVQZAniWnd* choice : S().entryWidgets.handButtons) EXPECT_FALSE(choice->IsEnabled()) << "a choice left enabled";
}

TEST_F(Wiring, HandPickChoiceUnderThePointerShowsItsMouseOverClip)
{
    const auto& choices = S().entryWidgets.handButtons;
    S().gameInfo.firstPlayerMode = 1;
    S().timers.phaseTimerKind = SceneRules::DecisionKind::SunPick;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(choices[i]->SelectAnimationByName(std::to_string(i) + "_BLINK"));
        choices[i]->Play(-1, false);
        choices[i]->Enable(true);
    }
    choices[2]->Enable(false);
    choices[2]->SelectAnimationByName("2_NORMAL");
    // In the card sheet's order, choice i's clips start at 5 i: blink, normal, mouse-over.
    const struct { const char* name; Point at; std::array<int, 3> clips; } cases[] = {
        {"over the second", Center(choices[1]), {0, 7, 11}},
        {"over the first", Center(choices[0]), {2, 5, 11}},
        {"over nothing", {400, 560}, {0, 5, 11}},
    };
    for (const auto& c : cases) {
        Send(WM_MOUSEMOVE, 0, c.at);
        EXPECT_EQ((std::array{choices[0]->GetSubAnimation(), choices[1]->GetSubAnimation(), choices[2]->GetSubAnimation()}), c.clips)
            << c.name << " (the disabled third keeps its clip)";
    }
}

TEST_F(Wiring, OptionPanelTakesOnlyItsRectangleAtTheRightEdge)
{
    ASSERT_EQ(S().OpenOptionWindow(), 1);
    const struct { Point at; bool panel; } points[] = {{{609, 177}, true}, {{799, 518}, true}, {{608, 300}, false}, {{700, 519}, false}};
    for (const auto& c : points)
        EXPECT_EQ(S().WndFromPoint(c.at) == S().userOption, c.panel) << "at " << c.at.x << ", " << c.at.y;
}

TEST_F(Wiring, WaitingForStartShowsTheRoundStartAnimation)
{
    const struct { const char* name; int32_t roomKind, chamgiFlag, chamgiKind; int shown; } cases[] = {
        {"chamgi of kind 2", 0, 1, 2, 2},
        {"chamgi flag without a kind", 0, 1, 0, -1},
        {"target-score room", 41, 0, 0, 3},
        {"ordinary room", 0, 0, 0, -1},
    };
    const auto& starts = S().entryWidgets.roundStart;
    for (const auto& c : cases) {
        S().room.roomKind = c.roomKind;
        S().ClearTable();
        S().OnWaitingForStart({.firstKey = kOwnKey, .startFlag = 1, .chamgiFlag = c.chamgiFlag, .chamgiKind = c.chamgiKind});
        for (int i = 0; i < 4; ++i) EXPECT_EQ(starts[static_cast<size_t>(i)]->IsVisible(), i == c.shown) << c.name << ": animation " << i;
    }
    S().tableState.dealing = true;
    S().InitFloorSlots();
    EXPECT_FALSE(S().tableState.dealing) << "a new round ends a deal cut short";
}
