#include <gtest/gtest.h>

#include "support/RoomTestSupport.h"
#include "views/CVHTWnd.h"

namespace {

// A room on the generated game folder, its widgets loaded, on the virtual clock.
class Move : public RoomFixture {
protected:
    void SetUp() override
    {
        Clock::UseVirtual(0, Clock::Now());
        ASSERT_TRUE(OpenRoom());
        ASSERT_TRUE(Scene().loadErrors.empty()) << Scene().loadErrors.front().name;
    }
    CVHTWnd& Card(int slot) { return *Scene().CardWndBySlot(slot); }
    // Module-clock milliseconds the move of `slot` from `from` to `to` takes at `speed`.
    uint64_t TimeMove(int slot, Point from, Point to, int speed)
    {
        Scene().options.cardSpeed = speed;
        Scene().ApplyCardSpeed();
        Card(slot).SetPos(from);
        const uint64_t start = Clock::VirtualElapsedMs();
        Scene().AnimateCardMove(slot, to, Scene().options.moveSteps[0], LiftSide::Own, Zoom::No);
        return Clock::VirtualElapsedMs() - start;
    }
};

}  // namespace

TEST_F(Move, FloorSlotsArePlacedForTheRoomKind)
{
    const struct { const char* name; int roomKind; int slot; Point at; } cases[] = {
        {"first slot, normal room", 0, 0, {274, 160}},
        {"last slot, normal room", 0, 11, {476, 232}},
        {"first slot, target-score room 41", 41, 0, {294, 160}},
        {"middle slot, target-score room 43", 43, 6, {207, 157}},
        {"room 40 is shifted", 40, 9, {487, 157}},
        {"room 44 is not", 44, 9, {467, 157}},
    };
    // Placed from construction on.
    EXPECT_EQ(Scene().floor.GetSlot(0).position, (Point{274, 160}));
    for (const auto& c : cases) {
        CMirelleVWS& s = Scene();
        s.room.roomKind = c.roomKind;
        s.floor.GetSlot(c.slot).count = 3;
        s.floor.cards = {4, 5};
        s.ResetGameState();
        EXPECT_EQ(s.floor.GetSlot(c.slot).position, c.at) << c.name;
        EXPECT_EQ(s.floor.GetSlot(c.slot).count, 0) << c.name;
        EXPECT_TRUE(s.floor.cards.empty()) << c.name;
    }
}

TEST_F(Move, FloorSlotsKeepTheOwnHandOfTheDeal)
{
    CMirelleVWS& s = Scene();
    s.gameInfo.ownHandIds = {12, 3, 40};
    s.gameInfo.turnNumber = 5;
    s.gameInfo.deck = {28, 29};
    s.timers.countdown = 4;
    s.InitFloorSlots();
    EXPECT_EQ(s.gameInfo.ownHandIds, (std::vector<int32_t>{12, 3, 40})) << "the deal still gives these out";
    EXPECT_EQ(s.gameInfo.turnNumber, 0);
    EXPECT_TRUE(s.gameInfo.deck.empty());
    EXPECT_EQ(s.timers.countdown, 0);
    EXPECT_EQ(s.timers.countdownLimit, 10);
}

TEST_F(Move, CardSizeTakesTheTemplatesPictureAndKeepsTheFrame)
{
    CMirelleVWS& s = Scene();
    CVHTWnd& card = Card(7);
    card.SetPos({100, 200});
    card.SetCard(7);
    const struct { const char* name; int kind; Size size; } cases[] = {
        {"big", 2, {40, 61}}, {"small", 0, {25, 36}}, {"normal", 1, {36, 55}},
    };
    for (const auto& c : cases) {
        s.SetCardSize(&card, c.kind);
        const CVHTWnd* sizeTemplate = s.tableWidgets.cardSizeTemplates[static_cast<size_t>(c.kind)];
        EXPECT_EQ(card.GetEntry(), sizeTemplate->GetEntry()) << c.name;
        EXPECT_EQ(card.GetRect(), Rect({100, 200}, c.size)) << c.name;
        EXPECT_EQ(card.GetSrcRect(), Rect(0, c.size.cy * 7, c.size.cx, c.size.cy * 8)) << c.name;
    }
    s.SetCardSize(&card, 2);
    for (int kind : {3, -1}) {
        s.SetCardSize(&card, kind);
        EXPECT_EQ(card.GetRect(), Rect({100, 200}, {40, 61})) << "kind " << kind << " changes nothing";
        EXPECT_EQ(card.GetEntry(), s.tableWidgets.cardSizeTemplates[2]->GetEntry());
    }
}

TEST_F(Move, MovedCardEndsAtItsTargetAtNormalSize)
{
    const struct { const char* name; Point from, to; int sizeKind; } cases[] = {
        {"across the table", {100, 100}, {300, 200}, 1},
        {"up and left", {577, 455}, {142, 41}, 1},
        {"a big hand card", {405, 391}, {274, 160}, 2},
        {"to where it stands", {50, 60}, {50, 60}, 1},
    };
    for (const auto& c : cases) {
        Scene().SetCardSize(&Card(3), c.sizeKind);
        TimeMove(3, c.from, c.to, 0);
        EXPECT_EQ(Card(3).GetRect(), Rect(c.to, {36, 55})) << c.name;
        EXPECT_TRUE(Card(3).Path().empty()) << c.name;
        EXPECT_FALSE(Card(3).StepPath()) << c.name;
    }
    // Slot -1 moves nothing and takes no time.
    Card(49).SetPos({10, 10});
    const uint64_t start = Clock::VirtualElapsedMs();
    Scene().AnimateCardMove(-1, {300, 300}, 3, LiftSide::Own, Zoom::No);
    EXPECT_EQ(Clock::VirtualElapsedMs(), start);
    EXPECT_EQ(Card(49).GetPos(), (Point{10, 10}));
}

TEST_F(Move, FasterSpeedsTakeFewerFrames)
{
    // Each of the steps + 1 frames waits the step delay.
    const struct { int speed; int steps; } cases[] = {{3, 1}, {1, 1}, {0, 3}, {-1, 5}, {-3, 9}};
    uint64_t previous = 0;
    for (const auto& c : cases) {
        const uint64_t took = TimeMove(10, {100, 100}, {400, 300}, c.speed);
        EXPECT_EQ(Scene().options.moveSteps[0], c.steps) << "speed " << c.speed;
        EXPECT_EQ(took, uint64_t(c.steps + 1) * uint64_t(Scene().options.stepDelay)) << "speed " << c.speed;
        EXPECT_GE(took, previous) << "speed " << c.speed << " is quicker than a faster one";
        EXPECT_EQ(Card(10).GetPos(), (Point{400, 300}));
        previous = took;
    }
}
