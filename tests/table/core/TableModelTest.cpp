#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "table/core/TableLayout.h"
#include "table/core/TableModel.h"

namespace {

using Ids = std::vector<int32_t>;

// A table whose 50 card windows all lie in the deck, slot i holding card i.
struct Table {
    CGameInfo game;
    COpenInfo floor;
    CardFaceArray faces;
    TableModel model{game, floor, faces};

    Table()
    {
        for (int32_t s = 0; s < kCardCount; ++s) {
            EXPECT_TRUE(model.SetSlotCard(s, s));
            EXPECT_TRUE(model.MoveSlot(s, TableList::Nowhere(), TableList::Deck()));
        }
    }
    // Card `slot` from the deck onto a floor slot.
    void Lay(int32_t slot, int32_t floorSlot) { ASSERT_TRUE(model.PutOnFloorSlot(slot, TableList::Deck(), floorSlot)); }
    void Check() const { EXPECT_EQ(model.FindBrokenInvariant(), ""); }
};

std::vector<std::pair<int32_t, int32_t>> FaceIds(const CardFaceArray& faces)
{
    std::vector<std::pair<int32_t, int32_t>> out;
    for (const CardFace& f : faces.faces) out.emplace_back(f.cardId, f.floorSlot);
    return out;
}

}  // namespace

TEST(TableModel, TargetFloorSlot)
{
    // The floor as pairs of slot (= card id) and floor slot.
    const struct { const char* name; std::vector<std::pair<int32_t, int32_t>> floor; int32_t lastFloorSlot, card;
                   FloorSource source; int32_t want; } cases[] = {
        {"an empty floor takes slot 0", {}, -1, 13, FloorSource::Hand, 0},
        {"the slot of the first card of the month", {{0, 0}, {12, 5}, {13, 7}}, -1, 14, FloorSource::Hand, 5},
        {"no card of the month: the first empty slot", {{0, 0}, {4, 1}, {9, 3}}, -1, 14, FloorSource::Hand, 2},
        {"all twelve taken: slot 0", {{0, 0}, {4, 1}, {8, 2}, {12, 3}, {16, 4}, {20, 5}, {24, 6}, {28, 7}, {32, 8},
                                      {36, 9}, {40, 10}, {1, 11}}, -1, 44, FloorSource::Hand, 0},
        {"a flipped bonus card follows the card before it", {{0, 0}, {12, 5}}, 5, 48, FloorSource::Deck, 5},
        {"without a last slot a flipped bonus card takes an empty slot", {{0, 0}}, -1, 49, FloorSource::Deck, 1},
        {"a last slot out of range is no last slot", {{0, 0}}, 12, 49, FloorSource::Deck, 1},
        {"a month card ignores the last slot", {{0, 0}}, 0, 14, FloorSource::Deck, 1},
        {"a bonus card from the hand ignores the last slot", {{0, 0}, {48, 4}}, 0, 49, FloorSource::Hand, 4},
    };
    for (const auto& c : cases) {
        Table t;
        for (const auto& [slot, floorSlot] : c.floor) t.Lay(slot, floorSlot);
        t.game.lastFloorSlot = c.lastFloorSlot;
        EXPECT_EQ(t.model.TargetFloorSlot(c.card, c.source), c.want) << c.name;
    }
}

TEST(TableModel, PlayAndFlipRememberTheTurn)
{
    Table t;
    ASSERT_TRUE(t.model.MoveSlot(13, TableList::Deck(), TableList::Hand(1)));
    t.Lay(12, 4);
    t.model.StartTurn();
    EXPECT_EQ(t.game.turnNumber, 1);
    EXPECT_EQ(t.model.PlayHandCardToFloor(13, 0), std::nullopt) << "not in seat 0's hand";
    EXPECT_EQ(t.model.PlayHandCardToFloor(13, 1), 4);
    EXPECT_EQ((std::tuple{t.game.lastFloorSlot, t.game.playedMonth, t.floor.GetSlot(4).count}), (std::tuple{4, 3, 2}))
        << "last floor slot, played month, slot count";

    // The deck's top card (slot 0) becomes the bonus card 49 and lands on the same slot.
    EXPECT_EQ(t.model.FlipDeckCardToFloor(49), 4);
    EXPECT_EQ(t.faces.faces[0].cardId, 49);
    EXPECT_EQ(t.model.CardsInFloorSlot(4), (std::vector<int32_t>{12, 13, 0}));
    EXPECT_EQ(t.model.FlipDeckCardToFloor(50), std::nullopt) << "no such card";
    t.Check();

    t.model.StartTurn();
    EXPECT_EQ((std::tuple{t.game.lastFloorSlot, t.game.playedMonth, t.game.turnNumber}), (std::tuple{-1, -1, 2}));
}

TEST(TableModel, CapturesCountMonthsButNotBonusCards)
{
    Table t;
    for (int32_t slot : {48, 8, 10}) t.Lay(slot, 2);
    ASSERT_TRUE(t.model.CaptureFromFloor(48, 0));
    ASSERT_TRUE(t.model.CaptureFromFloor(8, 0));
    EXPECT_EQ((std::pair{t.game.users[0].piPile, t.game.users[0].gwangPile}), (std::pair{Ids{48}, Ids{8}})) << "pi, gwang";
    EXPECT_EQ(t.game.monthCaptured, (std::array<int32_t, 12>{0, 0, 1})) << "the bonus card counts no month";
    EXPECT_EQ(t.floor.GetSlot(2).count, 1);
    ASSERT_TRUE(t.model.CaptureFromFloor(10, 0));
    EXPECT_EQ((std::pair{t.floor.GetSlot(2).count, t.faces.faces[10].floorSlot}), (std::pair{0, -1})) << "the last card empties the slot";
    EXPECT_EQ(LayoutPiPile(t.model.PiCardsOf(0), 0)->total, 3 + 1);
    t.Check();

    t.Lay(32, 0);
    ASSERT_TRUE(t.model.CaptureFromFloor(32, 1));
    ASSERT_TRUE(t.model.MoveSlot(32, TableList::Pile(1, CardCategory::Animal), TableList::Pile(1, CardCategory::Pi)));
    EXPECT_EQ(t.game.monthCaptured[8], 1);
    ASSERT_TRUE(t.model.MoveSlot(32, TableList::Pile(1, CardCategory::Pi), TableList::Hand(1)));
    EXPECT_EQ(t.game.monthCaptured[8], 0);
    t.Check();
}

TEST(TableModel, RefusedOperationsChangeNothing)
{
    Table t;
    t.Lay(20, 3);
    ASSERT_TRUE(t.model.MoveSlot(21, TableList::Deck(), TableList::Hand(0)));
    ASSERT_TRUE(t.model.MoveSlot(22, TableList::Deck(), TableList::Nowhere()));
    t.faces.faces[22].Reset();  // a window without a card
    ASSERT_TRUE(t.model.CaptureFromFloor(20, 1));

    using M = TableModel&;
    const struct { const char* name; bool (*op)(M); } cases[] = {
        {"slot 50", [](M m) { return m.MoveSlot(50, TableList::Deck(), TableList::Hand(0)); }},
        {"seat 2", [](M m) { return m.MoveSlot(1, TableList::Deck(), TableList::Hand(2)); }},
        {"category 4", [](M m) { return m.MoveSlot(1, TableList::Deck(), TableList::Pile(0, 4)); }},
        {"floor slot 12", [](M m) { return m.PutOnFloorSlot(1, TableList::Deck(), 12); }},
        {"not in that list", [](M m) { return m.MoveSlot(21, TableList::Deck(), TableList::Hand(1)); }},
        {"onto the floor by a plain move", [](M m) { return m.MoveSlot(1, TableList::Deck(), TableList::Floor()); }},
        {"a card without a category into a pile", [](M m) { return m.MoveSlot(22, TableList::Nowhere(), TableList::Pile(0, 3)); }},
        {"capture of a card without a category", [](M m) { return m.CaptureIntoPile(22, TableList::Nowhere(), 0); }},
        {"a window without a card onto the floor", [](M m) { return m.PutOnFloorSlot(22, TableList::Nowhere(), 0); }},
        {"take a card that is not on the floor", [](M m) { return m.TakeFromFloorSlot(1, TableList::Hand(0)); }},
        {"card id 50", [](M m) { return m.SetSlotCard(1, 50); }},
        {"a new id for a captured card", [](M m) { return m.SetSlotCard(20, 3); }},
        {"floor move of a card off the floor", [](M m) { return m.MoveToFloorSlot(1, 4); }},
        {"floor move to slot 12", [](M m) { return m.MoveToFloorSlot(20, 12); }},
        {"reorder with a slot the hand lacks", [](M m) { return m.ReorderList(TableList::Hand(0), {1}); }},
        {"reorder that drops a slot", [](M m) { return m.ReorderList(TableList::Hand(0), {}); }},
        {"reorder of no list", [](M m) { return m.ReorderList(TableList::Hand(5), {}); }},
    };
    for (const auto& c : cases) {
        const CGameInfo game = t.game;
        const COpenInfo floor = t.floor;
        const auto faces = FaceIds(t.faces);
        EXPECT_FALSE(c.op(t.model)) << c.name;
        EXPECT_TRUE(t.game == game && t.floor == floor && FaceIds(t.faces) == faces) << c.name << " changed the table";
    }
    t.Check();
}

TEST(TableModel, RegroupAndReorderKeepTheListsSlots)
{
    Table t;
    t.Lay(4, 0), t.Lay(5, 6), t.Lay(6, 6);
    ASSERT_TRUE(t.model.MoveToFloorSlot(5, 0));
    EXPECT_EQ(t.floor.cards, (std::vector<int32_t>{4, 5, 6})) << "the card keeps its place in the floor list";
    EXPECT_EQ(t.model.CardsInFloorSlot(0), (std::vector<int32_t>{4, 5}));
    ASSERT_TRUE(t.model.MoveToFloorSlot(6, 0));
    EXPECT_EQ((std::pair{t.floor.GetSlot(0).count, t.floor.GetSlot(6).count}), (std::pair{3, 0})) << "slots 0 and 6";

    for (int32_t s : {30, 31, 34}) ASSERT_TRUE(t.model.CaptureIntoPile(s, TableList::Deck(), 1));
    const auto captured = t.game.monthCaptured;
    ASSERT_TRUE(t.model.ReorderList(TableList::Pile(1, CardCategory::Pi), {34, 30, 31}));
    EXPECT_EQ(t.game.users[1].piPile, (std::vector<int32_t>{34, 30, 31}));
    EXPECT_EQ(t.game.monthCaptured, captured) << "a reorder captures nothing";
    t.Check();
}
