#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "protocol/RoundRecords.h"
#include "table/core/CardModel.h"
#include "table/core/PileLayout.h"

// The faces of the 50 card windows; the scene backs it with its card windows, tests with an array.
class CardFaces {
public:
    virtual ~CardFaces() = default;
    // Slot 0..49; the model passes no other.
    virtual CardFace& FaceAt(int32_t slot) = 0;
    virtual const CardFace& FaceAt(int32_t slot) const = 0;
};

class CardFaceArray : public CardFaces {
public:
    CardFace& FaceAt(int32_t slot) override { return faces[static_cast<size_t>(slot)]; }
    const CardFace& FaceAt(int32_t slot) const override { return faces[static_cast<size_t>(slot)]; }

    std::array<CardFace, kCardCount> faces;
};

// The twelve floor positions of a room kind into the floor's slots.
void SetFloorSlotPositions(COpenInfo& floor, int32_t roomKind);

// A card list of the table. The floor is a list of its own, entered and left through the floor
// operations only.
enum class ListKind { None, Deck, Floor, Hand, Pile };

struct TableList {
    ListKind kind = ListKind::None;
    int32_t seat = 0;
    int32_t category = CardCategory::None;

    static TableList Nowhere() { return {}; }
    static TableList Deck() { return {ListKind::Deck}; }
    static TableList Floor() { return {ListKind::Floor}; }
    static TableList Hand(int32_t seat) { return {ListKind::Hand, seat}; }
    static TableList Pile(int32_t seat, int32_t category) { return {ListKind::Pile, seat, category}; }
    bool operator==(const TableList&) const = default;
};

// Where a played card lands: a hand card looks for its month only, a flipped bonus card also
// follows the card played before it.
enum class FloorSource { Hand, Deck };

// The cards of the table on the scene's records: hands and piles of both seats, deck, floor slots,
// the captured count per month and the turn state. Every operation keeps these true:
// - a slot lies in at most one list;
// - each floor slot's count is the number of floor cards whose face names it, and no count is negative;
// - a face names a floor slot exactly while its card lies on the floor;
// - monthCaptured[m] is the number of month-m cards in all captured piles.
// Slots, ids, seats, categories and floor slots out of range are refused and change nothing.
class TableModel {
public:
    TableModel(CGameInfo& game, COpenInfo& floor, CardFaces& faces);

    // The list holding a slot; Nowhere when none does or the slot is out of range.
    TableList FindList(int32_t slot) const;
    // The slots of a list, empty for a list that does not exist.
    const std::vector<int32_t>& Slots(TableList list) const;
    // The deck's top slot, -1 when the deck is empty or its top is no slot.
    int32_t DeckTop() const;
    // The floor cards of one floor slot, in floor-list order.
    std::vector<int32_t> CardsInFloorSlot(int32_t floorSlot) const;
    std::vector<PiCard> PiCardsOf(int32_t seat) const;

    // Gives a card to a slot that lies neither on the floor nor in a pile.
    [[nodiscard]] bool SetSlotCard(int32_t slot, int32_t cardId);
    // Takes a slot out of `from` and appends it to `to`; the floor is neither.
    [[nodiscard]] bool MoveSlot(int32_t slot, TableList from, TableList to);
    [[nodiscard]] bool PutOnFloorSlot(int32_t slot, TableList from, int32_t floorSlot);
    [[nodiscard]] bool TakeFromFloorSlot(int32_t slot, TableList to);
    // Into the seat's pile of the card's category; a card without one stays where it is.
    [[nodiscard]] bool CaptureFromFloor(int32_t slot, int32_t seat);
    [[nodiscard]] bool CaptureIntoPile(int32_t slot, TableList from, int32_t seat);
    // A floor card changes floor slot and keeps its place in the floor list.
    [[nodiscard]] bool MoveToFloorSlot(int32_t slot, int32_t floorSlot);
    // The list takes `order`, which must hold exactly the slots it holds now.
    [[nodiscard]] bool ReorderList(TableList list, const std::vector<int32_t>& order);

    // The slot of the first floor card of the month, else the first empty slot, else 0. A flipped
    // bonus card goes to the turn's last floor slot while that is valid.
    int32_t TargetFloorSlot(int32_t cardId, FloorSource source) const;

    // Turn start: no last floor slot, no played month, no put, the next turn number.
    void StartTurn();
    // A hand card of the seat to its floor slot, remembered with its month; the floor slot, or
    // nothing when the slot is not in that hand or holds no card.
    std::optional<int32_t> PlayHandCardToFloor(int32_t slot, int32_t seat);
    // The deck's top card, given the id, to its floor slot, which is remembered.
    std::optional<int32_t> FlipDeckCardToFloor(int32_t cardId);

    // Empty when every invariant holds, else what broke.
    std::string FindBrokenInvariant() const;

private:
    // The records are the scene's, not the model's: a const model still hands out their lists.
    std::vector<int32_t>* ListOf(TableList list) const;
    bool HasCard(int32_t slot, const TableList& list) const;
    void CountCaptured(int32_t slot, int32_t delta);
    void Remove(int32_t slot, TableList list);

    CGameInfo& game;
    COpenInfo& floor;
    CardFaces& faces;
};
