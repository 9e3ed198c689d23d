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
};

}  // namespace

TEST_F(Move, FloorSlotsArePlacedForTheRoomKindAndEmptied)
{
    CMirelleVWS& s = Scene();
    EXPECT_EQ(s.floor.GetSlot(0).position, (Point{274, 160})) << "placed from construction on";
    const struct { int roomKind, slot; Point at; } cases[] = {
        {0, 11, {476, 232}}, {41, 0, {294, 160}}, {43, 6, {207, 157}}, {44, 9, {467, 157}}};
    for (const auto& c : cases) {
        s.room.roomKind = c.roomKind;
        s.floor.GetSlot(c.slot).count = 3;
        s.floor.cards = {4, 5};
        s.gameInfo.ownHandIds = {12, 3};
        s.ResetGameState();
        EXPECT_EQ(s.floor.GetSlot(c.slot).position, c.at) << "room kind " << c.roomKind;
        EXPECT_EQ(s.floor.GetSlot(c.slot).count, 0);
        EXPECT_TRUE(s.floor.cards.empty());
        EXPECT_EQ(s.gameInfo.ownHandIds, (std::vector<int32_t>{12, 3})) << "the deal still gives these out";
    }
}

TEST_F(Move, CardSizeTakesTheTemplatesPictureAndKeepsTheFrame)
{
    CVHTWnd& card = Card(7);
    card.SetPos({100, 200});
    card.SetCard(7);
    const struct { int kind; Size size; } cases[] = {{2, {40, 61}}, {0, {25, 36}}, {3, {25, 36}}, {-1, {25, 36}}};
    for (const auto& c : cases) {
        Scene().SetCardSize(&card, c.kind);
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
        s.SetCardSize(&Card(3), 2);
        Card(3).SetPos(c.from);
        const uint64_t start = Clock::VirtualElapsedMs();
        s.AnimateCardMove(3, c.to, s.options.moveSteps[0], LiftSide::Own, Zoom::No);
        EXPECT_EQ(Clock::VirtualElapsedMs() - start, uint64_t(c.steps + 1) * uint64_t(s.options.stepDelay));
        EXPECT_EQ(Card(3).GetRect(), Rect(c.to, {36, 55})) << "speed " << c.speed;
        EXPECT_FALSE(Card(3).StepPath()) << "a move leaves the path empty";
    }
    Card(49).SetPos({10, 10});
    Scene().AnimateCardMove(-1, {300, 300}, 3, LiftSide::Own, Zoom::No);
    EXPECT_EQ(Card(49).GetPos(), (Point{10, 10})) << "slot -1 moves nothing";
}
