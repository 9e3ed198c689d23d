#include "table/core/TableModel.h"

#include <algorithm>

#include "protocol/RoomCodes.h"
#include "table/core/TableLayout.h"

namespace {

constexpr int32_t kCapturedMonths = 12;  // bonus cards (month 12) are not counted

bool IsSlot(int32_t slot)
{
    return slot >= 0 && slot < kCardCount;
}

bool IsFloorSlot(int32_t floorSlot)
{
    return floorSlot >= 0 && floorSlot < kFloorSlotCount;
}

std::vector<int32_t>* PileOf(CHTUser& user, int32_t category)
{
    switch (category) {
    case CardCategory::Gwang: return &user.gwangPile;
    case CardCategory::Animal: return &user.animalPile;
    case CardCategory::Ribbon: return &user.ribbonPile;
    case CardCategory::Pi: return &user.piPile;
    default: return nullptr;
    }
}

bool Contains(const std::vector<int32_t>& list, int32_t slot)
{
    return std::find(list.begin(), list.end(), slot) != list.end();
}

}  // namespace

void SetFloorSlotPositions(COpenInfo& floor, int32_t roomKind)
{
    for (int32_t i = 0; i < kFloorSlotCount; ++i) floor.GetSlot(i).position = *FloorSlotPosition(i, roomKind);
}

TableModel::TableModel(CGameInfo& gameInfo, COpenInfo& floorInfo, CardFaces& cardFaces)
    : game(gameInfo), floor(floorInfo), faces(cardFaces)
{
}

std::vector<int32_t>* TableModel::ListOf(TableList list) const
{
    const bool seatOk = list.seat >= 0 && list.seat < kSeatCount;
    switch (list.kind) {
    case ListKind::Deck: return &game.deck;
    case ListKind::Floor: return &floor.cards;
    case ListKind::Hand: return seatOk ? &game.users[static_cast<size_t>(list.seat)].hand : nullptr;
    case ListKind::Pile: return seatOk ? PileOf(game.users[static_cast<size_t>(list.seat)], list.category) : nullptr;
    case ListKind::None: break;
    }
    return nullptr;
}

const std::vector<int32_t>& TableModel::Slots(TableList list) const
{
    static const std::vector<int32_t> kEmpty;
    const auto* slots = ListOf(list);
    return slots ? *slots : kEmpty;
}

TableList TableModel::FindList(int32_t slot) const
{
    if (!IsSlot(slot)) return TableList::Nowhere();
    std::vector<TableList> lists = {TableList::Deck(), TableList::Floor()};
    for (int32_t seat = 0; seat < kSeatCount; ++seat) {
        lists.push_back(TableList::Hand(seat));
        for (int32_t c = 0; c < kPileCategoryCount; ++c) lists.push_back(TableList::Pile(seat, c));
    }
    for (const TableList& l : lists)
        if (Contains(Slots(l), slot)) return l;
    return TableList::Nowhere();
}

int32_t TableModel::DeckTop() const
{
    return game.deck.empty() || !IsSlot(game.deck.front()) ? -1 : game.deck.front();
}

std::vector<int32_t> TableModel::CardsInFloorSlot(int32_t floorSlot) const
{
    std::vector<int32_t> out;
    for (int32_t s : floor.cards)
        if (IsSlot(s) && faces.FaceAt(s).floorSlot == floorSlot) out.push_back(s);
    return out;
}

std::vector<PiCard> TableModel::PiCardsOf(int32_t seat) const
{
    std::vector<PiCard> out;
    for (int32_t s : Slots(TableList::Pile(seat, CardCategory::Pi)))
        if (IsSlot(s)) out.push_back({s, faces.FaceAt(s).cardId});
    return out;
}

bool TableModel::HasCard(int32_t slot, const TableList& list) const
{
    if (list.kind == ListKind::None) return FindList(slot).kind == ListKind::None;
    return Contains(Slots(list), slot);
}

void TableModel::CountCaptured(int32_t slot, int32_t delta)
{
    const int32_t month = faces.FaceAt(slot).month;
    if (month >= 0 && month < kCapturedMonths) game.monthCaptured[static_cast<size_t>(month)] += delta;
}

// Takes the slot out of a list it is known to be in.
void TableModel::Remove(int32_t slot, TableList list)
{
    if (list.kind == ListKind::None) return;
    auto* slots = ListOf(list);
    const auto it = std::find(slots->begin(), slots->end(), slot);
    slots->erase(it);
    if (list.kind == ListKind::Pile) CountCaptured(slot, -1);
}

bool TableModel::SetSlotCard(int32_t slot, int32_t cardId)
{
    if (!IsSlot(slot) || !IsValidCardId(cardId)) return false;
    const ListKind kind = FindList(slot).kind;
    if (kind == ListKind::Floor || kind == ListKind::Pile) return false;
    faces.FaceAt(slot).SetCard(cardId);
    return true;
}

bool TableModel::MoveSlot(int32_t slot, TableList from, TableList to)
{
    if (!IsSlot(slot) || from.kind == ListKind::Floor || to.kind == ListKind::Floor) return false;
    if (to.kind != ListKind::None && !ListOf(to)) return false;
    if (to.kind == ListKind::Pile && faces.FaceAt(slot).category == CardCategory::None) return false;
    if (!HasCard(slot, from)) return false;
    Remove(slot, from);
    if (to.kind == ListKind::None) return true;
    ListOf(to)->push_back(slot);
    if (to.kind == ListKind::Pile) CountCaptured(slot, +1);
    return true;
}

bool TableModel::PutOnFloorSlot(int32_t slot, TableList from, int32_t floorSlot)
{
    if (!IsSlot(slot) || !IsFloorSlot(floorSlot) || from.kind == ListKind::Floor) return false;
    CardFace& face = faces.FaceAt(slot);
    if (!IsValidCardId(face.cardId) || !HasCard(slot, from)) return false;
    Remove(slot, from);
    floor.cards.push_back(slot);
    floor.GetSlot(floorSlot).count += 1;
    face.floorSlot = floorSlot;
    return true;
}

bool TableModel::TakeFromFloorSlot(int32_t slot, TableList to)
{
    if (!IsSlot(slot) || to.kind == ListKind::Floor || !Contains(floor.cards, slot)) return false;
    if (to.kind != ListKind::None && !ListOf(to)) return false;
    CardFace& face = faces.FaceAt(slot);
    if (to.kind == ListKind::Pile && face.category == CardCategory::None) return false;
    if (IsFloorSlot(face.floorSlot)) {
        COpen& from = floor.GetSlot(face.floorSlot);
        from.count = std::max(0, from.count - 1);
    }
    face.floorSlot = -1;
    floor.cards.erase(std::find(floor.cards.begin(), floor.cards.end(), slot));
    if (to.kind == ListKind::None) return true;
    ListOf(to)->push_back(slot);
    if (to.kind == ListKind::Pile) CountCaptured(slot, +1);
    return true;
}

bool TableModel::CaptureFromFloor(int32_t slot, int32_t seat)
{
    if (!IsSlot(slot)) return false;
    return TakeFromFloorSlot(slot, TableList::Pile(seat, faces.FaceAt(slot).category));
}

bool TableModel::CaptureIntoPile(int32_t slot, TableList from, int32_t seat)
{
    if (!IsSlot(slot)) return false;
    return MoveSlot(slot, from, TableList::Pile(seat, faces.FaceAt(slot).category));
}

bool TableModel::MoveToFloorSlot(int32_t slot, int32_t floorSlot)
{
    if (!IsSlot(slot) || !IsFloorSlot(floorSlot) || !Contains(floor.cards, slot)) return false;
    CardFace& face = faces.FaceAt(slot);
    if (IsFloorSlot(face.floorSlot)) {
        COpen& from = floor.GetSlot(face.floorSlot);
        from.count = std::max(0, from.count - 1);
    }
    floor.GetSlot(floorSlot).count += 1;
    face.floorSlot = floorSlot;
    return true;
}

bool TableModel::ReorderList(TableList list, const std::vector<int32_t>& order)
{
    auto* slots = ListOf(list);
    if (!slots) return false;
    std::vector<int32_t> now = *slots;
    std::vector<int32_t> next = order;
    std::sort(now.begin(), now.end());
    std::sort(next.begin(), next.end());
    if (now != next) return false;
    *slots = order;
    return true;
}

int32_t TableModel::TargetFloorSlot(int32_t cardId, FloorSource source) const
{
    const int32_t month = GetCardInfo(cardId).month;
    if (source == FloorSource::Deck && month == kBonusMonth && IsFloorSlot(game.lastFloorSlot))
        return game.lastFloorSlot;
    for (int32_t s : floor.cards) {
        if (!IsSlot(s)) continue;
        const CardFace& f = faces.FaceAt(s);
        if (f.month == month && IsFloorSlot(f.floorSlot)) return f.floorSlot;
    }
    return std::max(0, floor.FindEmptySlot());
}

void TableModel::StartTurn()
{
    game.lastFloorSlot = -1;
    game.playedMonth = -1;
    game.turnPutCount = 0;
    game.turnNumber += 1;
}

std::optional<int32_t> TableModel::PlayHandCardToFloor(int32_t slot, int32_t seat)
{
    if (!IsSlot(slot) || !HasCard(slot, TableList::Hand(seat))) return std::nullopt;
    const CardFace& face = faces.FaceAt(slot);
    const int32_t target = TargetFloorSlot(face.cardId, FloorSource::Hand);
    if (!PutOnFloorSlot(slot, TableList::Hand(seat), target)) return std::nullopt;
    game.lastFloorSlot = target;
    game.playedMonth = face.month;
    return target;
}

std::optional<int32_t> TableModel::FlipDeckCardToFloor(int32_t cardId)
{
    const int32_t slot = DeckTop();
    if (slot < 0 || !SetSlotCard(slot, cardId)) return std::nullopt;
    const int32_t target = TargetFloorSlot(cardId, FloorSource::Deck);
    if (!PutOnFloorSlot(slot, TableList::Deck(), target)) return std::nullopt;
    game.lastFloorSlot = target;
    return target;
}

std::string TableModel::FindBrokenInvariant() const
{
    std::array<int, kCardCount> lists{};
    std::array<int32_t, kCapturedMonths> captured{};
    const auto walk = [&](TableList l, const std::vector<int32_t>& slots) -> std::string {
        for (int32_t s : slots) {
            if (!IsSlot(s)) return "slot " + std::to_string(s) + " in a list";
            if (++lists[static_cast<size_t>(s)] > 1) return "slot " + std::to_string(s) + " in two lists";
            const CardFace& f = faces.FaceAt(s);
            if ((l.kind == ListKind::Floor) != IsFloorSlot(f.floorSlot))
                return "slot " + std::to_string(s) + " names floor slot " + std::to_string(f.floorSlot);
            if (l.kind != ListKind::Pile) continue;
            if (f.category == CardCategory::None) return "slot " + std::to_string(s) + " in a pile without a category";
            if (f.month >= 0 && f.month < kCapturedMonths) ++captured[static_cast<size_t>(f.month)];
        }
        return {};
    };
    std::vector<TableList> all = {TableList::Deck(), TableList::Floor()};
    for (int32_t seat = 0; seat < kSeatCount; ++seat) {
        all.push_back(TableList::Hand(seat));
        for (int32_t c = 0; c < kPileCategoryCount; ++c) all.push_back(TableList::Pile(seat, c));
    }
    for (const TableList& l : all)
        if (auto broken = walk(l, Slots(l)); !broken.empty()) return broken;
    for (int32_t s = 0; s < kCardCount; ++s)
        if (lists[static_cast<size_t>(s)] == 0 && faces.FaceAt(s).floorSlot != -1)
            return "slot " + std::to_string(s) + " off the floor names a floor slot";
    for (int32_t i = 0; i < kFloorSlotCount; ++i) {
        const int32_t count = floor.GetSlot(i).count;
        const auto cards = static_cast<int32_t>(CardsInFloorSlot(i).size());
        if (count != cards)
            return "floor slot " + std::to_string(i) + " counts " + std::to_string(count) + " for " +
                   std::to_string(cards) + " cards";
    }
    for (size_t m = 0; m < captured.size(); ++m)
        if (game.monthCaptured[m] != captured[m])
            return "month " + std::to_string(m) + " captured " + std::to_string(game.monthCaptured[m]) + " for " +
                   std::to_string(captured[m]) + " cards";
    return {};
}
