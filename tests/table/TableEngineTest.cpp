#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <tuple>

#include "support/RoomTestSupport.h"

#include "table/core/TableLayout.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "views/CVCountWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVNotifyWnd.h"

namespace {

using Ids = std::vector<int32_t>;

// A room with the own user on the bottom side (seat 0) and user 200 on top (seat 1), every card
// window in the deck in slot order, on the virtual clock.
class TableEngineRoom : public RoomFixture {
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
    }
    CMirelleVWS& S() { return Scene(); }
    TableModel& Model() { return Scene().Engine().Model(); }
    CVHTWnd& Card(int32_t slot) { return *Scene().Engine().CardWndBySlot(slot); }
    void FillDeck()
    {
        for (int32_t s = 0; s < kCardCount; ++s) ASSERT_TRUE(Model().MoveSlot(s, TableList::Nowhere(), TableList::Deck()));
    }
    void NewRound() { S().InitFloorSlots(), FillDeck(); }
    // The deck's top card, given `id`, into a list or onto a floor slot.
    int32_t FromDeck(int32_t id, TableList to)
    {
        const int32_t slot = Model().DeckTop();
        EXPECT_TRUE(Model().SetSlotCard(slot, id) && Model().MoveSlot(slot, TableList::Deck(), to)) << "card " << id;
        return slot;
    }
    int32_t OntoFloor(int32_t id, int32_t floorSlot)
    {
        const int32_t slot = Model().DeckTop();
        EXPECT_TRUE(Model().SetSlotCard(slot, id) && Model().PutOnFloorSlot(slot, TableList::Deck(), floorSlot));
        return slot;
    }
    // The visible widgets drawn directly below the layer anchor, nearest first.
    std::vector<GVWnd*> BelowAnchor(size_t n)
    {
        const auto& wnds = S().GetWnds();
        auto it = std::find(wnds.begin(), wnds.end(), S().tableWidgets.layerAnchor);
        EXPECT_NE(it, wnds.end()) << "the anchor is in the scene";
        std::vector<GVWnd*> out;
        for (; it != wnds.end() && out.size() < n; ++it)
            if (*it != S().tableWidgets.layerAnchor && (*it)->IsVisible()) out.push_back(*it);
        return out;
    }
    // Whether `work` leaves the round records and the floor as they were.
    bool LeavesTableAlone(const std::function<void()>& work)
    {
        const CGameInfo game = S().gameInfo;
        const COpenInfo floor = S().floor;
        work();
        return S().gameInfo == game && S().floor == floor;
    }
    uint64_t TimeOf(const std::function<void()>& work)
    {
        const uint64_t start = Clock::VirtualElapsedMs();
        work();
        return Clock::VirtualElapsedMs() - start;
    }
    void Deal(const Ids& floorIds, const Ids& handIds, bool animated)
    {
        S().InitFloorSlots();
        S().tableState.dealFloorIds = floorIds;
        S().gameInfo.ownHandIds = handIds;
        S().Engine().DealRound(animated);
    }
    void ExpectSound() { EXPECT_EQ(Model().FindBrokenInvariant(), ""); }
    // The kind of the prompt shown, -1 when it is closed.
    int NotifyKind() { return S().roomWidgets.notify->IsVisible() ? S().roomWidgets.notify->GetKind() : -1; }
    static DealCards DealBody()
    {
        return {.userKey = kOwnKey, .floorCards = {0, 4, 9, 13, 17, 22, 26, 30},
                .handCards = {35, 1, 14, 5, 6, 12, 15, 23, 27, 31}};
    }
    // Piles, hands of seven and a floor of six.
    static GameDataSync Snapshot()
    {
        GameDataSync body{.targetKey = kOwnKey};
        GameDataTable& t = body.table;
        t.turnKey = kOwnKey, t.playState = 2, t.players[0].piPile = {2, 3}, t.players[1].animalPile = {16};
        t.players[0].hand = t.players[1].hand = Ids(7, 50), t.floor = {9, 13, 17, 22, 26, 30};
        return body;
    }
    void ExpectEffectsPutAway(const char* name)
    {
        for (int i = 0; i < 2; ++i)
            EXPECT_FALSE(S().tableWidgets.shadowCards[i]->IsVisible() || S().tableWidgets.bigCards[i]->IsVisible())
                << name << ": trail or big card " << i << " left out";
    }

    const Ids kFloorIds{0, 4, 8, 12, 16, 20, 24, 28};
    const Ids kHandIds{1, 5, 9, 13, 17, 21, 25, 29, 33, 37};
};

// Suites named for the handlers they drive, on the same table.
using RoundFlowRoom = TableEngineRoom;
using Move = TableEngineRoom;
using RoomEntryTable = TableEngineRoom;
using DecisionKind = SceneRules::DecisionKind;

}  // namespace

TEST_F(TableEngineRoom, DealPutsFloorAndBothHandsInPlace)
{
    for (const bool animated : {false, true}) {
        SCOPED_TRACE(animated ? "animated" : "plain");
        Deal(kFloorIds, kHandIds, animated);
        ExpectSound();
        ASSERT_EQ(S().floor.cards.size(), 8u);
        for (int32_t i = 0; i < 8; ++i) {
            const CVHTWnd& card = Card(S().floor.cards[static_cast<size_t>(i)]);
            const Point off = card.GetPos() - S().floor.GetSlot(i).position;
            EXPECT_EQ((std::tuple{card.GetFace().floorSlot, std::abs(off.x) <= 1 && std::abs(off.y) <= 1, card.GetImageFrame()}),
                      (std::tuple{i, true, kFloorIds[static_cast<size_t>(i)]}))
                << "floor card " << i << ": slot by its place in the list, position, face";
        }
        for (int32_t seat = 0; seat < 2; ++seat) {
            const Ids& hand = S().gameInfo.users[static_cast<size_t>(seat)].hand;
            ASSERT_EQ(hand.size(), 10u) << "seat " << seat;
            for (int32_t i = 0; i < 10; ++i) {
                const CVHTWnd& card = Card(hand[static_cast<size_t>(i)]);
                EXPECT_EQ(card.GetRect(), Rect(*HandPosition(seat, i), seat == 0 ? kBigCardSize : kSmallCardSize))
                    << "seat " << seat << " card " << i;
                EXPECT_EQ(card.GetImageFrame(), seat == 0 ? kHandIds[static_cast<size_t>(i)] : CVHTWnd::kBackFrame)
                    << "seat " << seat << " card " << i << ": the own hand face up, the other face down";
            }
        }
        EXPECT_EQ(S().gameInfo.deck.size(), 22u);
        EXPECT_FALSE(S().tableWidgets.dealAnimation->IsVisible()) << "the intro is over";
    }
}

TEST_F(TableEngineRoom, DealGroupsMonthsAndRefusesABadList)
{
    // Ids 0 and 1 are both of month 0: the second joins the first's slot.
    Deal({0, 1, 8, 12, 16, 20, 24, 28}, kHandIds, false);
    ExpectSound();
    const CVHTWnd& second = Card(S().floor.cards[1]);
    EXPECT_EQ((std::tuple{second.GetFace().floorSlot, S().floor.GetSlot(0).count, S().floor.GetSlot(1).count}),
              (std::tuple{0, 2, 0})) << "the second card's slot, the counts of slots 0 and 1";
    EXPECT_EQ(second.GetPos(), S().floor.GetSlot(0).position + Point(18, 0)) << "fanned in its new slot";

    // The lists the deal refuses are the deal plan's; a refused deal leaves the table empty.
    Deal({0, 4, 8, 12, 16, 20, 24, 77}, kHandIds, false);
    EXPECT_TRUE(S().floor.cards.empty() && S().gameInfo.deck.empty() && S().gameInfo.users[0].hand.empty());
}

TEST_F(TableEngineRoom, MovingCardsGoDirectlyBelowTheAnchor)
{
    FillDeck();
    Card(5).SetPos({100, 100});
    S().Engine().AnimateCardMove(5, {300, 200}, 3, LiftSide::Own, Zoom::Yes);
    EXPECT_EQ(BelowAnchor(1), (std::vector<GVWnd*>{&Card(5)}));
    EXPECT_EQ(Card(5).GetRect(), Rect({300, 200}, kCardSize)) << "lands at the normal size";
    EXPECT_EQ(Card(5).moveValue, 0);
    ExpectEffectsPutAway("one-card move");

    // The hand pointer follows the card, over it, and each frame waits 2 ms more.
    S().tableState.handPointerShown = true;
    const uint64_t withPointer = TimeOf([&] { S().Engine().AnimateCardMove(6, {200, 300}, 3, LiftSide::Own, Zoom::No); });
    EXPECT_EQ(BelowAnchor(2), (std::vector<GVWnd*>{S().tableWidgets.handPointer, &Card(6)}));
    EXPECT_EQ(S().tableWidgets.handPointer->GetPos(), (Point{207, 315}));
    S().InitFloorSlots();
    EXPECT_FALSE(S().tableState.handPointerShown) << "a new round clears the flag";
    const uint64_t without = TimeOf([&] { S().Engine().AnimateCardMove(6, {10, 10}, 3, LiftSide::Own, Zoom::No); });
    // Four frames wait 2 ms more each (the clock's rounding may add a millisecond to a wait).
    EXPECT_GE(withPointer - without, 4u * 2u);
    EXPECT_LE(withPointer - without, 4u * 3u);
}

TEST_F(TableEngineRoom, TwoCardPlayShakesAndEndsOnTheSlot)
{
    const struct { const char* name; int seat; int32_t onFloor; int32_t expectedSlot; } cases[] = {
        {"own pair onto its month", 0, 10, 3},
        {"other seat's pair onto its month", 1, 10, 3},
    };
    for (const auto& c : cases) {
        NewRound();
        OntoFloor(c.onFloor, 3);
        const int32_t a = FromDeck(8, TableList::Hand(c.seat));
        const int32_t b = FromDeck(9, TableList::Hand(c.seat));
        if (c.seat == 1) {
            ASSERT_TRUE(Model().SetSlotCard(a, 40) && Model().SetSlotCard(b, 41));
        }
        S().Engine().PlayTwoHandCards({8, 9}, c.seat, true);
        ExpectSound();
        const Point slot = S().floor.GetSlot(c.expectedSlot).position;
        EXPECT_EQ((std::pair{Card(a).GetRect(), Card(b).GetRect()}),
                  (std::pair{Rect(slot, kCardSize), Rect(slot + Point{18, 0}, kCardSize)})) << c.name << ": the shake ends where it began";
        EXPECT_EQ((std::tuple{Card(a).GetFace().floorSlot, S().gameInfo.lastFloorSlot, S().gameInfo.turnPutCount}),
                  (std::tuple{c.expectedSlot, c.expectedSlot, 1})) << c.name << ": floor slot, last slot, put count";
        ExpectEffectsPutAway(c.name);
    }
    // One card left in the other hand: nothing happens.
    NewRound();
    FromDeck(8, TableList::Hand(1));
    EXPECT_TRUE(LeavesTableAlone([&] { S().Engine().PlayTwoHandCards({8, 9}, 1, true); })) << "too few cards in the other hand";
}

TEST_F(TableEngineRoom, PiPileKeepsItsWidthAndCountsItsValue)
{
    FillDeck();
    const Ids pi = {2, 3, 6, 7, 10, 11, 14, 15, 18, 19, 22, 23, 26, 27, 30, 31, 34, 35, 38, 39, 42, 43, 41, 47, 48};
    int32_t value = 0;
    Ids slots;
    for (int32_t id : pi) {
        slots.push_back(FromDeck(id, TableList::Pile(0, CardCategory::Pi)));
        value += PiValue(id);
    }
    S().Engine().LayoutPiPile(0);
    ExpectSound();
    EXPECT_EQ(S().gameInfo.users[0].piCount, value);
    const CVCountWnd* count = S().tableWidgets.piCounts[0];
    ASSERT_TRUE(count && count->GetCountText());
    EXPECT_TRUE(count->IsVisible() && count->GetCountText()->GetText() == std::to_string(value));
    EXPECT_EQ(count->GetRect().BottomRight(), Card(S().gameInfo.users[0].piPile.back()).GetRect().BottomRight())
        << "on the last card's corner";
    const PileArea area = *GetPileArea(0, CardCategory::Pi);
    const auto& wnds = S().GetWnds();
    for (int32_t slot : slots) {
        const Rect r = Card(slot).GetRect();
        EXPECT_TRUE(r.left >= area.origin.x && r.right <= area.origin.x + area.width) << "slot " << slot << " leaves the pile";
        EXPECT_EQ((area.origin.y - r.top) % 30, 0) << "rows 30 px apart";
        GVBoxWnd* marker = S().tableWidgets.cardBoxes[static_cast<size_t>(slot)];
        EXPECT_TRUE(marker->IsVisible() && marker->GetRect() == r) << "the marker lies on card slot " << slot;
        const auto at = std::find(wnds.begin(), wnds.end(), &Card(slot));
        ASSERT_NE(at, wnds.begin());
        EXPECT_EQ(*std::prev(at), marker) << "drawn directly over card slot " << slot;
    }
    // A seat without a screen slot lays out nothing and keeps its count.
    S().GetPlayer(1).screenSlot = -1;
    S().gameInfo.users[1].piCount = 7;
    FromDeck(42, TableList::Pile(1, CardCategory::Pi));
    S().Engine().LayoutPiPile(1);
    S().Engine().LayoutCapturedPile(1, CardCategory::Gwang);
    EXPECT_EQ(S().gameInfo.users[1].piCount, 7);
}

TEST_F(TableEngineRoom, CardsReachTheirPilesAndHands)
{
    FillDeck();
    const int32_t taken = OntoFloor(20, 4);
    S().Engine().TakeFloorCard(20, 1);
    EXPECT_EQ(S().gameInfo.users[1].animalPile, (Ids{taken}));
    EXPECT_EQ(Card(taken).GetPos(), GetPileArea(1, CardCategory::Animal)->origin);
    EXPECT_EQ((std::pair{S().floor.GetSlot(4).count, S().gameInfo.monthCaptured[5]}), (std::pair{0, 1})) << "slot count, month";

    // The other seat's pi goes to the own pile; the September animal moves between piles.
    const int32_t pi = FromDeck(22, TableList::Pile(1, CardCategory::Pi));
    S().Engine().TakePiFromSeat(22, 1, 0);
    EXPECT_TRUE(S().gameInfo.users[0].piPile == Ids{pi} && S().gameInfo.users[0].piCount == 1);
    const int32_t animal = FromDeck(kSeptemberAnimal, TableList::Pile(0, CardCategory::Animal));
    S().Engine().MoveCardToPile(kSeptemberAnimal, 0, CardCategory::Animal, CardCategory::Pi);
    EXPECT_TRUE(S().gameInfo.users[0].piPile == (Ids{pi, animal}) && S().gameInfo.users[0].piCount == 3)
        << "the September animal joins the pi pile as a double pi";
    ExpectSound();

    // Nothing moves for a seat without a screen slot or a card that is not there.
    S().GetPlayer(1).screenSlot = -1;
    OntoFloor(24, 6);
    EXPECT_TRUE(LeavesTableAlone([&] {
        S().Engine().TakeFloorCard(24, 1), S().Engine().TakeFloorCard(44, 0), S().Engine().TakePiFromSeat(2, 1, 0);
        S().Engine().MoveCardToPile(3, 0, CardCategory::Pi, CardCategory::Gwang);
    }));
}

TEST_F(TableEngineRoom, HandsPlaceTenCardsHideTheRestAndPassMarkersFollow)
{
    FillDeck();
    for (int32_t id = 0; id < 10; ++id) FromDeck(id * 4, TableList::Hand(0));
    S().Engine().DrawDeckCardToHand(45, 0);
    const Ids& hand = S().gameInfo.users[0].hand;
    ASSERT_EQ(hand.size(), 11u);
    EXPECT_FALSE(Card(hand[10]).IsVisible()) << "the eleventh drawn card";
    EXPECT_EQ(Card(hand[10]).GetFace().cardId, 45);

    S().gameInfo.users[0].deckFlips = 9;
    S().Engine().SortOwnHand(false);
    Ids ids;
    for (size_t i = 0; i < hand.size(); ++i) {
        ids.push_back(Card(hand[i]).GetFace().cardId);
        const auto at = HandPosition(0, static_cast<int32_t>(i));
        EXPECT_EQ(Card(hand[i]).IsVisible(), i < 10) << "sorted card " << i;
        EXPECT_TRUE(!at || Card(hand[i]).GetPos() == *at) << "sorted card " << i;
    }
    EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));
    for (GVQZSWnd* marker : S().tableWidgets.holdBombs) EXPECT_FALSE(marker->IsVisible()) << "no place for markers";

    S().Engine().RelayoutSeats();
    EXPECT_FALSE(Card(hand[10]).IsVisible()) << "after the re-layout";
    EXPECT_EQ(Card(hand[9]).GetRect(), Rect(*HandPosition(0, 9), kBigCardSize));

    // A hand of three leaves places for the pass markers.
    NewRound();
    for (int32_t id : {30, 2, 17}) FromDeck(id, TableList::Hand(0));
    const struct { int32_t pending; int shown; } cases[] = {{0, 0}, {2, 2}, {-3, 0}, {40, 6}};
    for (const auto& c : cases) {
        S().gameInfo.users[0].deckFlips = c.pending;
        S().Engine().SortOwnHand(false);
        for (int i = 0; i < 6; ++i) {
            const GVQZSWnd* marker = S().tableWidgets.holdBombs[static_cast<size_t>(i)];
            EXPECT_EQ(marker->IsVisible(), i < c.shown) << "pending " << c.pending << " marker " << i;
            EXPECT_TRUE(i >= c.shown || marker->GetPos() == *HandPosition(0, 3 + i)) << "marker " << i << " after the hand";
        }
    }
    S().Engine().SortOwnHandListedLast({2});
    ids.clear();
    for (int32_t slot : S().gameInfo.users[0].hand) ids.push_back(Card(slot).GetFace().cardId);
    EXPECT_EQ(ids, (Ids{17, 30, 2}));
}

TEST_F(TableEngineRoom, RebuildsDealFromTheDeckOrChangeNothing)
{
    FillDeck();
    S().Engine().RebuildPile(1, CardCategory::Pi, {2, 77, -1, 3});
    EXPECT_EQ(S().gameInfo.users[1].piPile, (Ids{0, 1})) << "ids outside the table are dropped";
    EXPECT_EQ((std::pair{S().gameInfo.monthCaptured[0], S().gameInfo.users[1].piCount}), (std::pair{2, 2})) << "month, pi count";

    ASSERT_TRUE(S().Engine().RebuildFloor({44, 48, 0, 1}, {{11, 48}}, 48));
    ExpectSound();
    const struct { int32_t id, floorSlot; } placed[] = {{0, 0}, {1, 0}, {44, 1}, {48, 1}};
    for (const auto& p : placed) {
        const int32_t slot = S().Engine().FindCardById(S().floor.cards, p.id);
        ASSERT_GE(slot, 0) << p.id;
        EXPECT_EQ(Card(slot).GetFace().floorSlot, p.floorSlot) << "card " << p.id;
    }
    EXPECT_EQ(S().gameInfo.lastFloorSlot, 1);
    EXPECT_EQ(Card(S().floor.cards[3]).GetPos(), S().floor.GetSlot(1).position + Point(18, 0)) << "the slot is fanned";

    S().Engine().RebuildHand(1, 7);
    EXPECT_EQ(S().gameInfo.users[1].hand.size(), 7u);
    EXPECT_EQ(Card(S().gameInfo.users[1].hand[6]).GetRect(), Rect(*HandPosition(1, 6), kSmallCardSize));
    ExpectSound();

    // Failed rebuilds change nothing; a floor rebuild also says it failed.
    const struct { const char* name; std::function<void(CMirelleVWS&)> rebuild; } cases[] = {
        {"a pile longer than the deck", [](CMirelleVWS& s) { s.Engine().RebuildPile(0, 3, {2, 3, 6, 7}); }},
        {"a floor longer than the deck", [](CMirelleVWS& s) { EXPECT_FALSE(s.Engine().RebuildFloor({0, 4, 8, 12}, {}, 0)); }},
        {"a floor of bonus cards only", [](CMirelleVWS& s) { EXPECT_FALSE(s.Engine().RebuildFloor({48}, {{3, 48}}, 48)); }},
        {"a hand of eleven", [](CMirelleVWS& s) { s.Engine().RebuildHand(0, 11); }},
        {"a hand longer than the deck", [](CMirelleVWS& s) { s.Engine().RebuildHand(1, 4); }},
        {"a pile of category 4", [](CMirelleVWS& s) { s.Engine().RebuildPile(0, 4, {2}); }},
    };
    for (const auto& c : cases) {
        NewRound();
        while (S().gameInfo.deck.size() > 3) FromDeck(0, TableList::Nowhere());
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(LeavesTableAlone([&] { c.rebuild(S()); }));
    }
}

TEST_F(TableEngineRoom, CardPlayWaitsForTheDealOrASnapshot)
{
    Deal(kFloorIds, kHandIds, false);
    FromDeck(48, TableList::Hand(0));
    S().tableState.active = false;
    const int32_t key = S().GetPlayer(0).userKey;
    EXPECT_TRUE(LeavesTableAlone([&] {
        S().Flows().play.OnInitialFloorBonus({.toPile = {0}, .toFloor = {30}});
        S().Flows().play.OnBonusCardPlayed({.userKey = key, .bonusCard = 48, .replacementCard = 31});
        S().Flows().play.OnCaptureEvent({.userKey = static_cast<uint32_t>(key), .kind = 5});
        S().Flows().play.OnDeckCardsFlipped({.userKey = key, .bonusTake = 1, .cards = {49}, .pendingPassCount = 3});
    })) << "hands, piles, floor, deck and round records unchanged";
    EXPECT_FALSE(S().tableState.handPointerShown || S().IsTimerRunning(TimerId::Popup)) << "no hand pointer, no action popup";
}

TEST_F(Move, FloorSlotsArePlacedForTheRoomKindAndEmptied)
{
    CMirelleVWS& s = Scene();
    EXPECT_EQ(s.floor.GetSlot(0).position, (Point{274, 160})) << "placed from construction on";
    const struct { int roomKind, slot; Point at; } cases[] = {
        {0, 11, {476, 232}}, {41, 0, {294, 160}}, {43, 6, {207, 157}}, {44, 9, {467, 157}}};
    for (const auto& c : cases) {
        s.room.roomKind = c.roomKind;
        s.floor.GetSlot(c.slot).count = 3, s.floor.cards = {4, 5}, s.gameInfo.ownHandIds = {12, 3};
        s.ResetGameState();
        EXPECT_EQ(s.floor.GetSlot(c.slot).position, c.at) << "room kind " << c.roomKind;
        EXPECT_TRUE(s.floor.GetSlot(c.slot).count == 0 && s.floor.cards.empty()) << "room kind " << c.roomKind << ": emptied";
        EXPECT_EQ(s.gameInfo.ownHandIds, (Ids{12, 3})) << "the deal still gives these out";
    }
}

TEST_F(Move, CardSizeTakesTheTemplatesPictureAndKeepsTheFrame)
{
    CVHTWnd& card = Card(7);
    card.SetPos({100, 200});
    card.SetCard(7);
    const struct { int kind; Size size; } cases[] = {{2, {40, 61}}, {0, {25, 36}}, {3, {25, 36}}, {-1, {25, 36}}};
    for (const auto& c : cases) {
        Scene().Engine().SetCardSize(&card, c.kind);
        EXPECT_EQ(card.GetEntry(), Scene().tableWidgets.cardSizeTemplates[c.kind == 2 ? 2 : 0]->GetEntry());
        EXPECT_EQ(card.GetRect(), Rect({100, 200}, c.size)) << "kind " << c.kind;
        EXPECT_EQ(card.GetSrcRect(), Rect(0, c.size.cy * 7, c.size.cx, c.size.cy * 8)) << "kind " << c.kind;
    }
}

TEST_F(Move, CardEndsAtItsTargetInStepsPlusOneFrames)
{
    // Speed 3 moves in 1 step, -3 in 9; each frame waits the step delay. The big card lands at normal size.
    const struct { int speed, steps; Point from, to; } cases[] = {
        {3, 1, {405, 391}, {274, 160}}, {0, 3, {577, 455}, {142, 41}}, {-3, 9, {50, 60}, {300, 200}}};
    for (const auto& c : cases) {
        CMirelleVWS& s = Scene();
        s.options.cardSpeed = c.speed;
        s.ApplyCardSpeed();
        s.Engine().SetCardSize(&Card(3), 2);
        Card(3).SetPos(c.from);
        const uint64_t start = Clock::VirtualElapsedMs();
        s.Engine().AnimateCardMove(3, c.to, s.options.moveSteps[0], LiftSide::Own, Zoom::No);
        EXPECT_EQ(Clock::VirtualElapsedMs() - start, uint64_t(c.steps + 1) * uint64_t(s.options.stepDelay));
        EXPECT_EQ(Card(3).GetRect(), Rect(c.to, {36, 55})) << "speed " << c.speed;
        EXPECT_FALSE(Card(3).StepPath()) << "a move leaves the path empty";
    }
    Card(49).SetPos({10, 10});
    Scene().Engine().AnimateCardMove(-1, {300, 300}, 3, LiftSide::Own, Zoom::No);
    EXPECT_EQ(Card(49).GetPos(), (Point{10, 10})) << "slot -1 moves nothing";
}

TEST_F(RoundFlowRoom, GoOrStopResultCountsOnlyAGo)
{
    const struct { const char* name; bool robotRoom; int32_t goFlag, goCount, expectedGoCount; } cases[] = {
        {"a go counts", false, 1, 2, 2},
        {"a stop keeps the count", false, 0, 2, 1},
        {"a stop in a robot room keeps the count", true, 0, 2, 1},
        {"a go in a robot room counts", true, 1, 3, 3},
    };
    for (const auto& c : cases) {
        S().GetPlayer(1).seatState = c.robotRoom ? -1 : 0;
        host.sent.clear();
        CHTUser& own = S().RoundUser(0);
        own.goCount = 1, own.points = 7, own.pointsWithGo = -1;
        S().Flows().decisions.OnGoOrStopResult(GoOrStopResult{kOwnKey, 0, c.goCount, c.goFlag, 0});
        EXPECT_EQ((std::pair{own.goCount, own.pointsWithGo}), (std::pair{c.expectedGoCount, c.goFlag ? 7 + c.goCount : -1}))
            << c.name << ": go count, points with go";
        EXPECT_TRUE(host.sent.empty()) << c.name;
    }
}

TEST_F(RoundFlowRoom, RoomOptionsStakeLevelAndBet)
{
    const struct { const char* name; int32_t roomKind, betKind; int64_t amount; int32_t level; } cases[] = {
        {"room 41 bet 2 reads its table", 41, 2, 999999999, 1},
        {"an ordinary room never reads the table", 0, 2, 99999, 0},
    };
    for (const auto& c : cases) {
        S().room.roomKind = c.roomKind;
        S().stakeLevel = -1;
        S().Flows().decisions.OnRoomOptionNotice(RoomOptionNotice{0, 1, c.amount, c.betKind});
        EXPECT_EQ((std::tuple{S().stakeLevel, S().room.option.betAmount, S().room.option.betKind, NotifyKind()}),
                  (std::tuple{c.level, c.amount, c.betKind, 16})) << c.name << ": level, bet amount, bet kind, prompt";
    }
    S().stakeLevel = -1;
    S().Flows().decisions.OnRoomOptionNotice(RoomOptionNotice{0, 0, 5, 1});
    EXPECT_EQ(NotifyKind(), 17);
    EXPECT_EQ(S().stakeLevel, -1) << "options cleared keep the level";
}

TEST_F(RoundFlowRoom, TurnStartResetsTheTurnAndSetsItsSeconds)
{
    S().room.option.turnTime = 1;  // 8 s a turn
    S().GetPlayer(1).turnTimeoutCount = 2;
    S().gameInfo.turnPutCount = 3, S().gameInfo.lastFloorSlot = 4, S().tableState.handPointerShown = true;
    S().tableWidgets.handPointer->Show(true);
    const int32_t turn = S().gameInfo.turnNumber;

    S().Flows().round.OnTurnStart(TurnStart{200, 0});
    const CGameInfo& g = S().gameInfo;
    EXPECT_EQ((std::tuple{g.turnKey, g.turnNumber, g.turnPutCount, g.lastFloorSlot}), (std::tuple{200, turn + 1, 0, -1}))
        << "turn key, number, put count, last floor slot";
    EXPECT_FALSE(S().tableState.handPointerShown || S().tableWidgets.handPointer->IsVisible() || S().timers.outlineBlink);
    EXPECT_EQ(S().timers.countdownStart, 5) << "8 s less two time-outs' 6, held at 5";
    EXPECT_EQ(S().timers.phaseTimerKind, DecisionKind::None) << "the other's turn runs no decision";

    S().Flows().round.OnTurnStart(TurnStart{kOwnKey, 1});
    EXPECT_EQ((std::tuple{S().timers.phaseTimerKind, S().timers.countdownStart, S().timers.countdown, S().timers.outlineBlink,
                          S().RoundUser(0).deckFlips}),
              (std::tuple{DecisionKind::PlayCard, 8, 7, true, 1})) << "decision, countdown start and value, blink, pending passes";

    const int32_t before = S().gameInfo.turnNumber;
    S().Flows().round.OnTurnStart(TurnStart{999, 0});
    EXPECT_EQ(S().gameInfo.turnNumber, before) << "a key not seated starts no turn";
}

TEST_F(RoundFlowRoom, GoOrStopPromptOfTheOwnUser)
{
    // Stake 1000, 7 points with a captured card: 7000 at stake.
    S().room.option.stake = 1000;
    S().RoundUser(0).piPile = {0};
    const struct { const char* name; int32_t roomKind; int64_t ownMoney, otherMoney; int32_t targetIndex; int kind; } cases[] = {
        {"rich opponent", 0, 100000, 100000, 0, 19},
        {"room 7, own money caps it", 7, 2000, 100000, 0, 28},
        {"target-score room with an option out of range", 40, 100000, 100000, 9, 19},
    };
    for (const auto& c : cases) {
        S().room.roomKind = c.roomKind, S().room.option.targetIndex = c.targetIndex;
        S().GetPlayer(0).gameMoney = c.ownMoney, S().GetPlayer(1).gameMoney = c.otherMoney;
        S().gameInfo.lastPointsKey = kOwnKey;
        S().Flows().decisions.OnGoOrStopPrompt(GoOrStopPrompt{kOwnKey, 7, 0});
        EXPECT_EQ((std::tuple{NotifyKind(), S().timers.phaseTimerKind, S().RoundUser(0).points}),
                  (std::tuple{c.kind, DecisionKind::GoOrStop, 7})) << c.name << ": prompt, decision, points";
    }
    S().Flows().decisions.OnGoOrStopPrompt(GoOrStopPrompt{200, 7, 0});
    EXPECT_EQ(NotifyKind(), 10) << "the other's prompt";
}

TEST_F(RoomEntryTable, SnapshotForAnotherUserOrBeforeTheRound)
{
    GameDataSync other = Snapshot();
    other.targetKey = 200;
    EXPECT_TRUE(LeavesTableAlone([&] { S().Flows().snapshot.OnGameDataSync(other); })) << "meant for another user";
    S().room.roomState = static_cast<int32_t>(RoomState::Waiting);
    EXPECT_TRUE(LeavesTableAlone([&] { S().Flows().snapshot.OnGameDataSync(Snapshot()); })) << "no round under way";
    S().room.roomState = static_cast<int32_t>(RoomState::Playing);
    S().Flows().snapshot.OnGameDataSync(Snapshot());
    EXPECT_EQ(S().floor.cards.size(), 6u) << "the same snapshot restores the table in a round";
}

TEST_F(RoomEntryTable, DealTurnsTheOwnHandUpAndSkipsThePauseInTournamentAndTargetScoreRooms)
{
    const DealCards body = DealBody();
    const auto dealIn = [&](int32_t kind) {
        S().room.roomKind = kind;
        return static_cast<int64_t>(TimeOf([&] { S().Flows().firstPlayer.OnDealCards(body); }));
    };
    const int64_t ordinary = dealIn(0);
    std::multiset<int32_t> shown;
    for (const int32_t slot : S().RoundUser(0).hand) shown.insert(S().Engine().CardWndBySlot(slot)->GetImageFrame());
    EXPECT_EQ(shown, std::multiset<int32_t>(body.handCards.begin(), body.handCards.end())) << "the own hand face up";
    for (const int32_t slot : S().RoundUser(1).hand)
        EXPECT_EQ(S().Engine().CardWndBySlot(slot)->GetImageFrame(), CVHTWnd::kBackFrame) << "the other hand stays face down";
    EXPECT_TRUE(S().tableState.active);
    for (const int32_t kind : {20, 32, 43})
        EXPECT_NEAR(ordinary - dealIn(kind), 500, 60) << "room kind " << kind << " skips the 500 ms pause";
}
