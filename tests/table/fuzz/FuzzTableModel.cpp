// Random operations on the table model, with ids, seats, categories and floor slots a little
// outside their ranges: after every step the model's invariants must hold and its layouts must
// place every card of a pile exactly once.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "table/core/PileLayout.h"
#include "table/core/TableLayout.h"
#include "table/core/TableModel.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

// Mostly in range, now and then just outside it.
int32_t Pick(FuzzedDataProvider& in, int32_t first, int32_t last)
{
    if (in.ConsumeIntegralInRange<int>(0, 15) == 0) return in.ConsumeBool() ? first - 1 : last + 1;
    return in.ConsumeIntegralInRange<int32_t>(first, last);
}

TableList PickList(FuzzedDataProvider& in)
{
    const int32_t seat = Pick(in, 0, 1);
    switch (in.ConsumeIntegralInRange<int>(0, 4)) {
    case 0: return TableList::Nowhere();
    case 1: return TableList::Deck();
    case 2: return TableList::Floor();
    case 3: return TableList::Hand(seat);
    default: return TableList::Pile(seat, Pick(in, 0, 3));
    }
}

// Usually the list that holds the slot, so that most moves go through.
TableList PickSource(FuzzedDataProvider& in, const TableModel& model, int32_t slot)
{
    return in.ConsumeIntegralInRange<int>(0, 3) == 0 ? PickList(in) : model.FindList(slot);
}

void Step(FuzzedDataProvider& in, TableModel& model, CGameInfo& game)
{
    const int32_t slot = Pick(in, 0, kCardCount - 1);
    switch (in.ConsumeIntegralInRange<int>(0, 9)) {
    case 0: (void)model.SetSlotCard(slot, Pick(in, 0, kCardCount - 1)); break;
    case 1: {
        const TableList from = PickSource(in, model, slot);
        (void)model.MoveSlot(slot, from, PickList(in));
        break;
    }
    case 2: {
        const TableList from = PickSource(in, model, slot);
        (void)model.PutOnFloorSlot(slot, from, Pick(in, 0, kFloorSlotCount - 1));
        break;
    }
    case 3: (void)model.TakeFromFloorSlot(slot, PickList(in)); break;
    case 4: (void)model.CaptureFromFloor(slot, Pick(in, 0, 1)); break;
    case 5: {
        const TableList from = PickSource(in, model, slot);
        (void)model.CaptureIntoPile(slot, from, Pick(in, 0, 1));
        break;
    }
    case 6: (void)model.PlayHandCardToFloor(slot, Pick(in, 0, 1)); break;
    case 7: (void)model.FlipDeckCardToFloor(Pick(in, 0, kCardCount - 1)); break;
    case 8: model.StartTurn(); break;
    default: game.lastFloorSlot = Pick(in, 0, kFloorSlotCount - 1); break;
    }
}

void CheckLayouts(const TableModel& model)
{
    for (int32_t seat = 0; seat < 2; ++seat) {
        const auto pi = model.PiCardsOf(seat);
        int32_t total = 0;
        for (const PiCard& c : pi) total += PiValue(c.cardId);
        const auto layout = LayoutPiPile(pi, seat);
        if (!layout || layout->cards.size() != pi.size() || layout->total != total)
            Fail("pi layout", "seat " + std::to_string(seat));
        for (int32_t category = 0; category < 3; ++category) {
            const auto& pile = model.Slots(TableList::Pile(seat, category));
            if (LayoutCapturedPile(pile, seat, category).size() != pile.size()) Fail("pile layout", "lost a card");
        }
    }
    for (int32_t i = 0; i < kFloorSlotCount; ++i) {
        const auto cards = model.CardsInFloorSlot(i);
        const auto placed = LayoutFloorSlot(*FloorSlotPosition(i, 40), cards);
        if (placed.size() != cards.size()) Fail("floor layout", "slot " + std::to_string(i));
    }
    for (int32_t id = -1; id <= kCardCount; id += 7) {
        const int32_t target = model.TargetFloorSlot(id, id % 2 ? FloorSource::Deck : FloorSource::Hand);
        if (target < 0 || target >= kFloorSlotCount) Fail("target floor slot", std::to_string(target));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    CGameInfo game;
    COpenInfo floor;
    CardFaceArray faces;
    TableModel model(game, floor, faces);
    // Half the runs start from a full deck, the rest build their own lists.
    if (in.ConsumeBool())
        for (int32_t s = 0; s < kCardCount; ++s)
            if (!model.SetSlotCard(s, s) || !model.MoveSlot(s, TableList::Nowhere(), TableList::Deck()))
                Fail("full deck", std::to_string(s));
    while (in.remaining_bytes() > 0) {
        Step(in, model, game);
        if (auto broken = model.FindBrokenInvariant(); !broken.empty()) Fail("invariant", broken);
    }
    CheckLayouts(model);
    return 0;
}
