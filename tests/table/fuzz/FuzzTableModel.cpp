// Random table model operations with values a little out of range: the model's invariants hold after
// every step and the layouts place every card once. Between steps the score and both card choices run
// on random records: a multiplier at least 1, a total not negative, a chosen card 0..50 or -1.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "table/core/PileLayout.h"
#include "table/core/ScoreRules.h"
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
    // The source is picked first: argument order is unspecified.
    case 1: { const TableList from = PickSource(in, model, slot); (void)model.MoveSlot(slot, from, PickList(in)); break; }
    case 2: {
        const TableList from = PickSource(in, model, slot);
        (void)model.PutOnFloorSlot(slot, from, Pick(in, 0, kFloorSlotCount - 1));
        break;
    }
    case 3: (void)model.TakeFromFloorSlot(slot, PickList(in)); break;
    case 4: (void)model.CaptureFromFloor(slot, Pick(in, 0, 1)); break;
    case 5: { const TableList from = PickSource(in, model, slot); (void)model.CaptureIntoPile(slot, from, Pick(in, 0, 1)); break; }
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

// Round values as the server might send them: mostly small, now and then extreme.
int32_t PickValue(FuzzedDataProvider& in)
{
    switch (in.ConsumeIntegralInRange<int>(0, 7)) {
    case 0: return in.ConsumeIntegral<int32_t>();
    case 1: return in.ConsumeBool() ? INT32_MAX : INT32_MIN;
    default: return in.ConsumeIntegralInRange<int32_t>(-3, 12);
    }
}

void RandomRecords(FuzzedDataProvider& in, CGameInfo& game)
{
    game.drawExponent = PickValue(in);
    game.missionMode = Pick(in, 0, 5);
    game.sMissionIndex = PickValue(in);
    game.sMissionFactor = PickValue(in);
    for (auto& v : game.dMissionFactors) v = PickValue(in);
    for (auto& v : game.dMissionOwners) v = Pick(in, -1, 1);
    for (auto& v : game.cMissionOwners) v = Pick(in, -1, 1);
    for (auto& v : game.c2MissionOwners) v = Pick(in, -1, 1);
    for (auto& v : game.monthCaptured) v = PickValue(in);
    for (CHTUser& u : game.users) {
        u.missionActive = in.ConsumeIntegralInRange<int32_t>(0, 1);
        for (int32_t* v : {&u.points, &u.goCount, &u.shakeBombCount, &u.missionValue, &u.piCount, &u.deckFlips}) *v = PickValue(in);
    }
}

// On a copy of the records, so the model's own counts stay as its moves left them.
void CheckScoreAndChoices(FuzzedDataProvider& in, const CGameInfo& model, const COpenInfo& floor, const CardFaces& faces)
{
    CGameInfo game = model;
    RandomRecords(in, game);
    const int seat = Pick(in, 0, 2);
    const ScoreRules rules{in.ConsumeBool(), in.ConsumeBool()};
    UpdateScoreMultiplier(game, seat, in.ConsumeBool(), rules, faces);
    for (int s = 0; s < 2; ++s) {
        if (seat != s && seat != 2) continue;
        const CHTUser& u = game.users[static_cast<size_t>(s)];
        if (u.multiplier < 1) Fail("multiplier below 1", "seat " + std::to_string(s) + ": " + std::to_string(u.multiplier));
        if (u.total < 0) Fail("negative total", "seat " + std::to_string(s) + ": " + std::to_string(u.total));
    }
    const int own = Pick(in, 0, 1);
    const int32_t timeout = PickTimeoutCard(game, floor, own, faces);
    const int32_t chosen = ChooseAutoPlayCard(game, floor, own, faces, [&in] { return in.ConsumeIntegralInRange<int>(0, 32767); });
    for (const int32_t card : {timeout, chosen})
        if (card < -1 || card > kNoCard) Fail("card choice", std::to_string(card));
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
        if (in.ConsumeIntegralInRange<int>(0, 7) == 0) CheckScoreAndChoices(in, game, floor, faces);
        Step(in, model, game);
        if (auto broken = model.FindBrokenInvariant(); !broken.empty()) Fail("invariant", broken);
    }
    CheckLayouts(model);
    return 0;
}
