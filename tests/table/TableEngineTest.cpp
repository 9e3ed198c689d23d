#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <tuple>

#include "scene/core/OptionRules.h"
#include "table/TableFixture.h"

namespace {

using Ids = std::vector<int32_t>;

// The engine on a fake stage; the drawing order is that of the fixture's widget scene.
class Engine : public TableFixture {
protected:
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
        const auto& wnds = scene.GetWnds();
        GVWnd* const anchor = widgets.tableWidgets.layerAnchor;
        auto it = std::find(wnds.begin(), wnds.end(), anchor);
        EXPECT_NE(it, wnds.end()) << "the anchor is in the scene";
        std::vector<GVWnd*> out;
        for (; it != wnds.end() && out.size() < n; ++it)
            if (*it != anchor && (*it)->IsVisible()) out.push_back(*it);
        return out;
    }
    // Whether `work` leaves the round records and the floor as they were.
    bool LeavesTableAlone(const std::function<void()>& work)
    {
        const CGameInfo game = records.gameInfo;
        const COpenInfo floor = records.floor;
        work();
        return records.gameInfo == game && records.floor == floor;
    }
    uint64_t TimeOf(const std::function<void()>& work)
    {
        const uint64_t start = Clock::VirtualElapsedMs();
        work();
        return Clock::VirtualElapsedMs() - start;
    }
    void Deal(const Ids& floorIds, const Ids& handIds, bool animated)
    {
        ClearTable();
        records.tableState.dealFloorIds = floorIds;
        records.gameInfo.ownHandIds = handIds;
        engine.DealRound(animated);
    }
    void ExpectSound() { EXPECT_EQ(Model().FindBrokenInvariant(), ""); }
    void ExpectEffectsPutAway(const char* name)
    {
        for (int i = 0; i < 2; ++i)
            EXPECT_FALSE(widgets.tableWidgets.shadowCards[i]->IsVisible() || widgets.tableWidgets.bigCards[i]->IsVisible())
                << name << ": trail or big card " << i << " left out";
    }

    const Ids kFloorIds{0, 4, 8, 12, 16, 20, 24, 28};
    const Ids kHandIds{1, 5, 9, 13, 17, 21, 25, 29, 33, 37};
};

}  // namespace

TEST_F(Engine, TheDeckStacksItsNextCardOnTop)
{
    // As the deal stacks it: the deck's first card (the next one drawn, the window drawn over the
    // others) at the top of the stack, the last at its foot.
    records.gameInfo.deck = {10, 11, 12, 13, 14, 15};
    engine.StackDeck(DeckStack::DeckOnly);
    const std::vector<Point> points = DeckStackPoints(6, false);
    ASSERT_NE(points.front(), points.back());
    EXPECT_EQ(Card(10).GetPos(), points.back());
    EXPECT_EQ(Card(15).GetPos(), points.front());
}

TEST_F(Engine, DealPutsFloorAndBothHandsInPlace)
{
    for (const bool animated : {false, true}) {
        SCOPED_TRACE(animated ? "animated" : "plain");
        stage.sounds.clear();
        Deal(kFloorIds, kHandIds, animated);
        ExpectSound();
        EXPECT_EQ(std::count(stage.sounds.begin(), stage.sounds.end(), SoundTables::SoundId::DealThud) > 0, animated)
            << "the intro's thud";
        ASSERT_EQ(records.floor.cards.size(), 8u);
        for (int32_t i = 0; i < 8; ++i) {
            const CVHTWnd& card = Card(records.floor.cards[static_cast<size_t>(i)]);
            const Point off = card.GetPos() - records.floor.GetSlot(i).position;
            EXPECT_EQ((std::tuple{card.GetFace().floorSlot, std::abs(off.x) <= 1 && std::abs(off.y) <= 1, card.GetImageFrame()}),
                      (std::tuple{i, true, kFloorIds[static_cast<size_t>(i)]}))
                << "floor card " << i << ": slot by its place in the list, position, face";
        }
        for (int32_t seat = 0; seat < 2; ++seat) {
            const Ids& hand = records.gameInfo.users[static_cast<size_t>(seat)].hand;
            ASSERT_EQ(hand.size(), 10u) << "seat " << seat;
            for (int32_t i = 0; i < 10; ++i) {
                const CVHTWnd& card = Card(hand[static_cast<size_t>(i)]);
                EXPECT_EQ(card.GetRect(), Rect(*HandPosition(seat, i), seat == 0 ? kBigCardSize : kSmallCardSize))
                    << "seat " << seat << " card " << i;
                EXPECT_EQ(card.GetImageFrame(), seat == 0 ? kHandIds[static_cast<size_t>(i)] : CVHTWnd::kBackFrame)
                    << "seat " << seat << " card " << i << ": the own hand face up, the other face down";
            }
        }
        EXPECT_EQ(records.gameInfo.deck.size(), 22u);
        EXPECT_FALSE(widgets.tableWidgets.dealAnimation->IsVisible()) << "the intro is over";
    }
}

TEST_F(Engine, DealGroupsMonthsAndRefusesABadList)
{
    // Ids 0 and 1 are both of month 0: the second joins the first's slot.
    Deal({0, 1, 8, 12, 16, 20, 24, 28}, kHandIds, false);
    ExpectSound();
    const CVHTWnd& second = Card(records.floor.cards[1]);
    EXPECT_EQ((std::tuple{second.GetFace().floorSlot, records.floor.GetSlot(0).count, records.floor.GetSlot(1).count}),
              (std::tuple{0, 2, 0})) << "the second card's slot, the counts of slots 0 and 1";
    EXPECT_EQ(second.GetPos(), records.floor.GetSlot(0).position + Point(18, 0)) << "fanned in its new slot";

    // The lists the deal refuses are the deal plan's; a refused deal leaves the table empty.
    Deal({0, 4, 8, 12, 16, 20, 24, 77}, kHandIds, false);
    EXPECT_TRUE(records.floor.cards.empty() && records.gameInfo.deck.empty() && records.gameInfo.users[0].hand.empty());
}

TEST_F(Engine, MovingCardsGoDirectlyBelowTheAnchor)
{
    Card(5).SetPos({100, 100});
    engine.AnimateCardMove(5, {300, 200}, 3, LiftSide::Own, Zoom::Yes);
    EXPECT_EQ(BelowAnchor(1), (std::vector<GVWnd*>{&Card(5)}));
    EXPECT_EQ(Card(5).GetRect(), Rect({300, 200}, kCardSize)) << "lands at the normal size";
    EXPECT_EQ(Card(5).moveValue, 0);
    ExpectEffectsPutAway("one-card move");

    // The hand pointer follows the card, over it, and each frame waits 2 ms more.
    records.tableState.handPointerShown = true;
    const uint64_t withPointer = TimeOf([&] { engine.AnimateCardMove(6, {200, 300}, 3, LiftSide::Own, Zoom::No); });
    EXPECT_EQ(BelowAnchor(2), (std::vector<GVWnd*>{widgets.tableWidgets.handPointer, &Card(6)}));
    EXPECT_EQ(widgets.tableWidgets.handPointer->GetPos(), (Point{207, 315}));
    records.tableState.handPointerShown = false;
    const uint64_t without = TimeOf([&] { engine.AnimateCardMove(6, {10, 10}, 3, LiftSide::Own, Zoom::No); });
    // Four frames wait 2 ms more each (the clock's rounding may add a millisecond to a wait).
    EXPECT_GE(withPointer - without, 4u * 2u);
    EXPECT_LE(withPointer - without, 4u * 3u);
}

TEST_F(Engine, TwoCardPlayShakesAndEndsOnTheSlot)
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
        engine.PlayTwoHandCards({8, 9}, c.seat, true);
        ExpectSound();
        const Point slot = records.floor.GetSlot(c.expectedSlot).position;
        EXPECT_EQ((std::pair{Card(a).GetRect(), Card(b).GetRect()}),
                  (std::pair{Rect(slot, kCardSize), Rect(slot + Point{18, 0}, kCardSize)})) << c.name << ": the shake ends where it began";
        EXPECT_EQ((std::tuple{Card(a).GetFace().floorSlot, records.gameInfo.lastFloorSlot, records.gameInfo.turnPutCount}),
                  (std::tuple{c.expectedSlot, c.expectedSlot, 1})) << c.name << ": floor slot, last slot, put count";
        ExpectEffectsPutAway(c.name);
    }
    // One card left in the other hand: nothing happens.
    NewRound();
    FromDeck(8, TableList::Hand(1));
    EXPECT_TRUE(LeavesTableAlone([&] { engine.PlayTwoHandCards({8, 9}, 1, true); })) << "too few cards in the other hand";
}

TEST_F(Engine, PiPileKeepsItsWidthAndCountsItsValue)
{
    const Ids pi = {2, 3, 6, 7, 10, 11, 14, 15, 18, 19, 22, 23, 26, 27, 30, 31, 34, 35, 38, 39, 42, 43, 41, 47, 48};
    int32_t value = 0;
    Ids slots;
    for (int32_t id : pi) {
        slots.push_back(FromDeck(id, TableList::Pile(0, CardCategory::Pi)));
        value += PiValue(id);
    }
    engine.LayoutPiPile(0);
    ExpectSound();
    EXPECT_EQ(records.gameInfo.users[0].piCount, value);
    const CVCountWnd* count = widgets.tableWidgets.piCounts[0];
    ASSERT_TRUE(count && count->GetCountText());
    EXPECT_TRUE(count->IsVisible() && count->GetCountText()->GetText() == std::to_string(value));
    EXPECT_EQ(count->GetRect().BottomRight(), Card(records.gameInfo.users[0].piPile.back()).GetRect().BottomRight())
        << "on the last card's corner";
    const PileArea area = *GetPileArea(0, CardCategory::Pi);
    const auto& wnds = scene.GetWnds();
    for (int32_t slot : slots) {
        const Rect r = Card(slot).GetRect();
        EXPECT_TRUE(r.left >= area.origin.x && r.right <= area.origin.x + area.width) << "slot " << slot << " leaves the pile";
        EXPECT_EQ((area.origin.y - r.top) % 30, 0) << "rows 30 px apart";
        GVBoxWnd* marker = widgets.tableWidgets.cardBoxes[static_cast<size_t>(slot)];
        EXPECT_TRUE(marker->IsVisible() && marker->GetRect() == r) << "the marker lies on card slot " << slot;
        const auto at = std::find(wnds.begin(), wnds.end(), &Card(slot));
        ASSERT_NE(at, wnds.begin());
        EXPECT_EQ(*std::prev(at), marker) << "drawn directly over card slot " << slot;
    }
    // A seat without a screen slot lays out nothing and keeps its count.
    records.GetPlayer(1).screenSlot = -1;
    records.gameInfo.users[1].piCount = 7;
    FromDeck(42, TableList::Pile(1, CardCategory::Pi));
    engine.LayoutPiPile(1);
    engine.LayoutCapturedPile(1, CardCategory::Gwang);
    EXPECT_EQ(records.gameInfo.users[1].piCount, 7);
}

TEST_F(Engine, CardsReachTheirPilesAndHands)
{
    const int32_t taken = OntoFloor(20, 4);
    engine.TakeFloorCard(20, 1);
    EXPECT_EQ(records.gameInfo.users[1].animalPile, (Ids{taken}));
    EXPECT_EQ(Card(taken).GetPos(), GetPileArea(1, CardCategory::Animal)->origin);
    EXPECT_EQ((std::pair{records.floor.GetSlot(4).count, records.gameInfo.monthCaptured[5]}), (std::pair{0, 1})) << "slot count, month";

    // The other seat's pi goes to the own pile; the September animal moves between piles.
    const int32_t pi = FromDeck(22, TableList::Pile(1, CardCategory::Pi));
    engine.TakePiFromSeat(22, 1, 0);
    EXPECT_TRUE(records.gameInfo.users[0].piPile == Ids{pi} && records.gameInfo.users[0].piCount == 1);
    const int32_t animal = FromDeck(kSeptemberAnimal, TableList::Pile(0, CardCategory::Animal));
    engine.MoveCardToPile(kSeptemberAnimal, 0, CardCategory::Animal, CardCategory::Pi);
    EXPECT_TRUE(records.gameInfo.users[0].piPile == (Ids{pi, animal}) && records.gameInfo.users[0].piCount == 3)
        << "the September animal joins the pi pile as a double pi";
    ExpectSound();

    // Nothing moves for a seat without a screen slot or a card that is not there.
    records.GetPlayer(1).screenSlot = -1;
    OntoFloor(24, 6);
    FromDeck(48, TableList::Hand(1));
    EXPECT_TRUE(LeavesTableAlone([&] {
        engine.TakeFloorCard(24, 1), engine.TakeFloorCard(44, 0), engine.TakePiFromSeat(2, 1, 0);
        engine.PlayBonusToPile(48, 1, false);
        engine.DrawDeckCardToHand(45, 1);
        engine.MoveCardToPile(3, 0, CardCategory::Pi, CardCategory::Gwang);
    }));
}

// The kungjjak marks over a floor slot end when its card is taken, in the kungjjak mission only.
TEST_F(Engine, TakingAFloorCardStopsTheKungJJakMarks)
{
    const struct { const char* name; int32_t mission; std::vector<int> stopped; } cases[] = {
        {"kungjjak mission", 5, {5, 6}},
        {"no mission", 0, {}},
        {"single mission", 1, {}},
    };
    for (const auto& c : cases) {
        stage.stoppedEffects.clear();
        records.gameInfo.missionMode = c.mission;
        OntoFloor(20, 4);
        engine.TakeFloorCard(20, 1);
        EXPECT_EQ(stage.stoppedEffects, c.stopped) << c.name;
    }
}

TEST_F(Engine, HandsPlaceTenCardsHideTheRestAndPassMarkersFollow)
{
    for (int32_t id = 0; id < 10; ++id) FromDeck(id * 4, TableList::Hand(0));
    engine.DrawDeckCardToHand(45, 0);
    const Ids& hand = records.gameInfo.users[0].hand;
    ASSERT_EQ(hand.size(), 11u);
    EXPECT_FALSE(Card(hand[10]).IsVisible()) << "the eleventh drawn card";
    EXPECT_EQ(Card(hand[10]).GetFace().cardId, 45);

    records.gameInfo.users[0].deckFlips = 9;
    engine.SortOwnHand(false);
    Ids ids;
    for (size_t i = 0; i < hand.size(); ++i) {
        ids.push_back(Card(hand[i]).GetFace().cardId);
        const auto at = HandPosition(0, static_cast<int32_t>(i));
        EXPECT_EQ(Card(hand[i]).IsVisible(), i < 10) << "sorted card " << i;
        EXPECT_TRUE(!at || Card(hand[i]).GetPos() == *at) << "sorted card " << i;
    }
    EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));
    for (GVQZSWnd* marker : widgets.tableWidgets.holdBombs) EXPECT_FALSE(marker->IsVisible()) << "no place for markers";

    engine.RelayoutSeats();
    EXPECT_FALSE(Card(hand[10]).IsVisible()) << "after the re-layout";
    EXPECT_EQ(Card(hand[9]).GetRect(), Rect(*HandPosition(0, 9), kBigCardSize));

    // A hand of three leaves places for the pass markers.
    NewRound();
    for (int32_t id : {30, 2, 17}) FromDeck(id, TableList::Hand(0));
    const struct { int32_t pending; int shown; } cases[] = {{0, 0}, {2, 2}, {-3, 0}, {40, 6}};
    for (const auto& c : cases) {
        records.gameInfo.users[0].deckFlips = c.pending;
        engine.SortOwnHand(false);
        for (int i = 0; i < 6; ++i) {
            const GVQZSWnd* marker = widgets.tableWidgets.holdBombs[static_cast<size_t>(i)];
            EXPECT_EQ(marker->IsVisible(), i < c.shown) << "pending " << c.pending << " marker " << i;
            EXPECT_TRUE(i >= c.shown || marker->GetPos() == *HandPosition(0, 3 + i)) << "marker " << i << " after the hand";
        }
    }
    engine.SortOwnHandListedLast({2});
    ids.clear();
    for (int32_t slot : records.gameInfo.users[0].hand) ids.push_back(Card(slot).GetFace().cardId);
    EXPECT_EQ(ids, (Ids{17, 30, 2}));
}

TEST_F(Engine, RebuildsDealFromTheDeckOrChangeNothing)
{
    ASSERT_TRUE(engine.RebuildPile(1, CardCategory::Pi, {2, 77, -1, 3}));
    EXPECT_EQ(records.gameInfo.users[1].piPile, (Ids{0, 1})) << "ids outside the table are dropped";
    EXPECT_EQ((std::pair{records.gameInfo.monthCaptured[0], records.gameInfo.users[1].piCount}), (std::pair{2, 2})) << "month, pi count";

    // A rebuilt pile is stacked in list order, as its captures landed: the last on top.
    const auto topFirst = [&](const Ids& slots, const Ids& ids) {
        std::vector<std::pair<ptrdiff_t, int32_t>> drawn;  // place in the drawing order (top first), card id
        const auto& wnds = scene.GetWnds();
        for (const int32_t id : ids)
            drawn.emplace_back(std::distance(wnds.begin(), std::find(wnds.begin(), wnds.end(), &Card(engine.FindCardById(slots, id)))), id);
        std::sort(drawn.begin(), drawn.end());
        Ids out;
        for (const auto& d : drawn) out.push_back(d.second);
        return out;
    };
    ASSERT_TRUE(engine.RebuildFloor({44, 48, 0, 1}, {{11, 48}}, 48));
    ExpectSound();
    const struct { int32_t id, floorSlot; } placed[] = {{0, 0}, {1, 0}, {44, 1}, {48, 1}};
    for (const auto& p : placed) {
        const int32_t slot = engine.FindCardById(records.floor.cards, p.id);
        ASSERT_GE(slot, 0) << p.id;
        EXPECT_EQ(Card(slot).GetFace().floorSlot, p.floorSlot) << "card " << p.id;
    }
    EXPECT_EQ(records.gameInfo.lastFloorSlot, 1);
    EXPECT_EQ(Card(records.floor.cards[3]).GetPos(), records.floor.GetSlot(1).position + Point(18, 0)) << "the slot is fanned";

    ASSERT_TRUE(engine.RebuildPile(0, CardCategory::Ribbon, {9, 13, 17}));
    EXPECT_EQ(topFirst(records.gameInfo.users[0].ribbonPile, {9, 13, 17}), (Ids{17, 13, 9}));

    ASSERT_TRUE(engine.RebuildHand(1, 7));
    EXPECT_EQ(records.gameInfo.users[1].hand.size(), 7u);
    EXPECT_EQ(Card(records.gameInfo.users[1].hand[6]).GetRect(), Rect(*HandPosition(1, 6), kSmallCardSize));
    ExpectSound();

    // Failed rebuilds change nothing and say they failed.
    const struct { const char* name; std::function<bool(TableEngine&)> rebuild; } cases[] = {
        {"a pile longer than the deck", [](TableEngine& e) { return e.RebuildPile(0, 3, {2, 3, 6, 7}); }},
        {"a floor longer than the deck", [](TableEngine& e) { return e.RebuildFloor({0, 4, 8, 12}, {}, 0); }},
        {"a floor of bonus cards only", [](TableEngine& e) { return e.RebuildFloor({48}, {{3, 48}}, 48); }},
        {"a hand of eleven", [](TableEngine& e) { return e.RebuildHand(0, 11); }},
        {"a hand longer than the deck", [](TableEngine& e) { return e.RebuildHand(1, 4); }},
        {"a pile of category 4", [](TableEngine& e) { return e.RebuildPile(0, 4, {2}); }},
    };
    for (const auto& c : cases) {
        NewRound();
        while (records.gameInfo.deck.size() > 3) FromDeck(0, TableList::Nowhere());
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(LeavesTableAlone([&] { EXPECT_FALSE(c.rebuild(engine)); }));
    }
}

TEST_F(Engine, CardSizeTakesTheTemplatesPictureAndKeepsTheFrame)
{
    CVHTWnd& card = Card(7);
    card.SetPos({100, 200});
    card.SetCard(7);
    const struct { int kind; Size size; } cases[] = {{2, {40, 61}}, {0, {25, 36}}, {3, {25, 36}}, {-1, {25, 36}}};
    for (const auto& c : cases) {
        engine.SetCardSize(&card, c.kind);
        EXPECT_EQ(card.GetEntry(), widgets.tableWidgets.cardSizeTemplates[c.kind == 2 ? 2 : 0]->GetEntry());
        EXPECT_EQ(card.GetRect(), Rect({100, 200}, c.size)) << "kind " << c.kind;
        EXPECT_EQ(card.GetSrcRect(), Rect(0, c.size.cy * 7, c.size.cx, c.size.cy * 8)) << "kind " << c.kind;
    }
}

TEST_F(Engine, CardEndsAtItsTargetInStepsPlusOneFrames)
{
    // Speed 3 moves in 1 step, -3 in 9; each frame waits the step delay. The big card lands at normal size.
    const struct { int speed, steps; Point from, to; } cases[] = {
        {3, 1, {405, 391}, {274, 160}}, {0, 3, {577, 455}, {142, 41}}, {-3, 9, {50, 60}, {300, 200}}};
    for (const auto& c : cases) {
        SceneOptions& o = records.options;
        o.moveSteps.fill(SceneRules::MoveStepsForSpeed(c.speed));
        engine.SetCardSize(&Card(3), 2);
        Card(3).SetPos(c.from);
        const uint64_t start = Clock::VirtualElapsedMs();
        engine.AnimateCardMove(3, c.to, o.moveSteps[0], LiftSide::Own, Zoom::No);
        EXPECT_EQ(Clock::VirtualElapsedMs() - start, uint64_t(c.steps + 1) * uint64_t(o.stepDelay));
        EXPECT_EQ(Card(3).GetRect(), Rect(c.to, {36, 55})) << "speed " << c.speed;
        EXPECT_FALSE(Card(3).StepPath()) << "a move leaves the path empty";
    }
    Card(49).SetPos({10, 10});
    engine.AnimateCardMove(-1, {300, 300}, 3, LiftSide::Own, Zoom::No);
    EXPECT_EQ(Card(49).GetPos(), (Point{10, 10})) << "slot -1 moves nothing";
}
