#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "table/TableFixture.h"

namespace {

using SoundTables::SoundId;
using Sounds = std::vector<SoundId>;
using Voices = std::vector<std::pair<int, int>>;

constexpr int kGoodStart = 10034, kBadStart = 10035;

class FloorPuts : public TableFixture {
protected:
    int32_t OntoFloor(int32_t id, int32_t floorSlot)
    {
        const int32_t slot = Model().DeckTop();
        EXPECT_TRUE(Model().SetSlotCard(slot, id) && Model().PutOnFloorSlot(slot, TableList::Deck(), floorSlot));
        return slot;
    }
    void IntoPile(int32_t id, int seat)
    {
        const int32_t slot = Model().DeckTop();
        EXPECT_TRUE(Model().SetSlotCard(slot, id) &&
                    Model().MoveSlot(slot, TableList::Deck(), TableList::Pile(seat, CardCategory::Pi)));
    }
};

}  // namespace

// A deck card flipped in the first two turns: onto an empty slot it is a bad start (unless the seat
// captured already or a card of the turn was put before); the second put onto a card a good start;
// onto the pair the turn's hand card made (the stacked case) two put sounds and no voice.
TEST_F(FloorPuts, OpeningTurnVoicesAndTheStackedPut)
{
    const struct {
        const char* name;
        std::vector<int32_t> floor;  // March cards on floor slot 2
        int32_t turn, putCount, playedMonth;
        bool captured;
        int seat;
        Sounds sounds;
        Voices voices;
        int32_t putCountAfter;
    } cases[] = {
        {"bad start: turn 1, first put, empty slot", {}, 1, 0, -1, false, 1, {SoundId::CardPut1}, {{kBadStart, 1}}, 0},
        {"turn 2 is an opening turn too", {}, 2, 0, -1, false, 0, {SoundId::CardPut1}, {{kBadStart, 0}}, 0},
        {"turn 3 says nothing", {}, 3, 0, -1, false, 0, {SoundId::CardPut1}, {}, 0},
        {"a seat that captured says nothing", {}, 1, 0, -1, true, 0, {SoundId::CardPut1}, {}, 0},
        {"a put before: no bad start", {}, 1, 1, -1, false, 0, {SoundId::CardPut1}, {}, 1},
        {"good start: the second put onto a card", {9}, 1, 1, -1, false, 0, {SoundId::CardPut2}, {{kGoodStart, 0}}, 2},
        {"the first put onto a card is no good start", {9}, 2, 0, -1, false, 0, {SoundId::CardPut2}, {}, 1},
        {"good start only in the opening turns", {9}, 3, 1, -1, false, 0, {SoundId::CardPut2}, {}, 2},
        {"stacked: two put sounds, no voice", {9, 10}, 1, 1, 2, false, 0, {SoundId::CardPut2, SoundId::CardPut5}, {}, 2},
        {"a pair of another month is not stacked", {9, 10}, 1, 1, 5, false, 0, {SoundId::CardPut2}, {{kGoodStart, 0}}, 2},
        {"no seat: no sound, no voice", {9}, 1, 1, -1, false, -1, {}, {}, 1},
    };
    for (const auto& c : cases) {
        NewRound();
        for (int32_t id : c.floor) OntoFloor(id, 2);
        if (c.captured) IntoPile(40, c.seat);
        records.gameInfo.turnNumber = c.turn;
        records.gameInfo.turnPutCount = c.putCount;
        records.gameInfo.playedMonth = c.playedMonth;
        stage.sounds.clear();
        stage.voices.clear();
        engine.PutFloorCard(11, c.seat);
        EXPECT_EQ(stage.sounds, c.sounds) << c.name;
        EXPECT_EQ(stage.voices, c.voices) << c.name;
        EXPECT_EQ(records.gameInfo.turnPutCount, c.putCountAfter) << c.name;
        EXPECT_EQ(records.gameInfo.playedMonth, -1) << c.name;
    }
}
