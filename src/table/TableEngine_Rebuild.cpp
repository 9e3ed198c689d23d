#include "table/TableEngine.h"

#include "foundation/Debug.h"
#include "table/TableStage.h"
#include "table/core/SnapshotRebuild.h"
#include "table/core/TableLayout.h"
#include "views/CVHTWnd.h"

namespace {

const char* Reason(RebuildResult r)
{
    switch (r) {
    case RebuildResult::DeckRanOut: return "the deck ran out";
    case RebuildResult::HandTooLarge: return "more than ten hand cards";
    case RebuildResult::BonusWithoutPlace: return "a bonus card has no place";
    case RebuildResult::Done: break;
    }
    return "done";
}

// Ids outside the card table are dropped, one line for the lot.
void ReportDroppedIds(const char* where, const std::vector<int32_t>& ids)
{
    const size_t valid = ValidCardIds(ids).size();
    if (valid != ids.size()) DebugLine("%s: %d card ids outside 0..49 dropped", where, static_cast<int>(ids.size() - valid));
}

}  // namespace

bool TableEngine::RebuildHand(int seat, int32_t handCount)
{
    if (!RoomRecords::IsSeat(seat)) return false;
    const int screenSlot = ScreenSlotOf(seat);
    const HandRebuild r = ::RebuildHand(screenSlot, handCount, gameInfo.deck);
    if (r.result != RebuildResult::Done) {
        DebugLine("RebuildHand: seat %d, %d cards: %s", seat, handCount, Reason(r.result));
        return false;
    }
    const std::vector<int32_t> old = gameInfo.users[static_cast<size_t>(seat)].hand;
    for (const int32_t slot : old) static_cast<void>(tableModel.MoveSlot(slot, TableList::Hand(seat), TableList::Nowhere()));
    for (const int32_t slot : r.hand) {
        if (!tableModel.MoveSlot(slot, TableList::Deck(), TableList::Hand(seat))) continue;
        if (CVHTWnd* card = CardWndBySlot(slot)) SetCardSize(card, r.sizeKind);
    }
    PlaceHand(seat);
    stage.SetDirty();
    return true;
}

bool TableEngine::RebuildPile(int seat, int32_t category, const std::vector<int32_t>& ids)
{
    if (!RoomRecords::IsSeat(seat) || category < 0 || category >= kPileCategoryCount) return false;
    ReportDroppedIds("RebuildPile", ids);
    const PileRebuild r = ::RebuildPile(ids, gameInfo.deck, gameInfo.monthCaptured);
    if (r.result != RebuildResult::Done) {
        DebugLine("RebuildPile: seat %d: %s", seat, Reason(r.result));
        return false;
    }
    for (const RebuiltCard& c : r.cards) {
        UpdateMissionProgress(seat, c.cardId, false);
        if (!tableModel.SetSlotCard(c.slot, c.cardId) ||
            !tableModel.MoveSlot(c.slot, TableList::Deck(), TableList::Pile(seat, category)))
            continue;
        if (CVHTWnd* card = CardWndBySlot(c.slot)) {
            SetCardSize(card, CardSizeKind::Normal);
            card->SetImageFrame(c.cardId);
            card->Show(true);
            // In list order, as captures land: the last card lies on top.
            RaiseBelowAnchor(card);
        }
    }
    LayoutCapturedPile(seat, category);
    return true;
}

void TableEngine::SeedAnnounced(int seat)
{
    if (!RoomRecords::IsSeat(seat)) return;
    CHTUser& user = gameInfo.users[static_cast<size_t>(seat)];
    user.announced.fill(0);
    user.announced[CardSpecial::Gwang] = CountCardsOfSpecial(user.gwangPile, CardSpecial::Gwang);
    user.announced[CardSpecial::Godori] = CountCardsOfSpecial(user.animalPile, CardSpecial::Godori);
    for (const int32_t ribbon : {CardSpecial::Chungdan, CardSpecial::Hongdan, CardSpecial::Chodan})
        user.announced[static_cast<size_t>(ribbon)] = CountCardsOfSpecial(user.ribbonPile, ribbon);
}

bool TableEngine::RebuildFloor(const std::vector<int32_t>& ids, const std::vector<BonusCardMonth>& pairs,
                               int32_t lastId)
{
    ReportDroppedIds("RebuildFloor", ids);
    const FloorRebuild r = ::RebuildFloor(ids, pairs, lastId, gameInfo.deck);
    if (r.result != RebuildResult::Done) {
        DebugLine("RebuildFloor: %s", Reason(r.result));
        return false;
    }
    gameInfo.lastFloorSlot = r.lastFloorSlot;
    if (r.cards.empty()) return true;
    const std::vector<int32_t> old = floor.cards;
    for (const int32_t slot : old) static_cast<void>(tableModel.TakeFromFloorSlot(slot, TableList::Nowhere()));
    for (const RebuiltCard& c : r.cards) {
        if (!tableModel.SetSlotCard(c.slot, c.cardId) || !tableModel.PutOnFloorSlot(c.slot, TableList::Deck(), c.floorSlot))
            continue;
        if (CVHTWnd* card = CardWndBySlot(c.slot)) {
            SetCardSize(card, CardSizeKind::Normal);
            card->SetImageFrame(c.cardId);
            card->Show(true);
        }
    }
    for (int32_t s = 0; s < COpenInfo::kSlotCount; ++s) LayoutFloorSlot(s, false);
    return true;
}
