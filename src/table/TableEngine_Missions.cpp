#include "table/TableEngine.h"

#include "table/TableStage.h"
#include "table/core/PileLayout.h"
#include "table/core/TableLayout.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVCMissionWnd.h"
#include "views/CVDMissionWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVKJMissionWnd.h"
#include "views/CVSMissionWnd.h"

namespace {

enum MissionMode { kNone = 0, kSingle = 1, kTwoCard = 2, kCardC = 3, kCardC2 = 4, kKungJJak = 5 };
constexpr int kMissionEatMark = 1;

}  // namespace

bool TableEngine::IsMissionCard(int32_t cardId) const
{
    const MissionPanels& m = missions;
    switch (gameInfo.missionMode) {
    case kSingle: return m.single && m.single->IsMissionCard(cardId);
    case kTwoCard: return m.twoCard && m.twoCard->IsMissionCard(cardId);
    case kCardC: return m.cardC && m.cardC->IsMissionCard(cardId);
    case kCardC2: return m.cardC2 && m.cardC2->IsMissionCard(cardId);
    default: return false;
    }
}

void TableEngine::UpdateMissionProgress(int seat, int32_t cardId, bool animate)
{
    if (!RoomRecords::IsSeat(seat)) return;
    if (gameInfo.missionMode == kSingle && missions.single) missions.single->AddCapturedCard(seat, cardId, animate);
    if (gameInfo.missionMode == kTwoCard && missions.twoCard) missions.twoCard->AddCapturedCard(seat, cardId, animate);
}

void TableEngine::RecountMissionProgress()
{
    for (int seat = 0; seat < 2; ++seat)
        for (int32_t category = 0; category < kPileCategoryCount; ++category)
            for (int32_t slot : tableModel.Slots(TableList::Pile(seat, category)))
                UpdateMissionProgress(seat, FaceOfSlot(slot).cardId, false);
}

void TableEngine::MarkMissionCards(bool show)
{
    for (GVQZAniWnd* marker : tableWidgets.missionMarkers)
        if (marker && marker->IsVisible()) marker->Stop();
    if (show) {
        for (int32_t slot : floor.cards) {
            if (slot < 0 || slot >= kCardCount || !IsMissionCard(FaceOfSlot(slot).cardId)) continue;
            GVQZAniWnd* marker = tableWidgets.missionMarkers[static_cast<size_t>(slot)];
            const CVHTWnd* card = CardWndBySlot(slot);
            if (!marker || !card) continue;
            marker->SetPos(card->GetPos());
            marker->Play(-1, false);
        }
    }
    stage.SetDirty();
}

void TableEngine::UpdateMissionMarks()
{
    switch (gameInfo.missionMode) {
    case kSingle:
        if (missions.single) missions.single->UpdateCardMarks();
        break;
    case kTwoCard:
        if (missions.twoCard) missions.twoCard->UpdateCardMarks();
        break;
    case kCardC:
        if (missions.cardC) missions.cardC->UpdateCardMarks();
        break;
    case kCardC2:
        if (missions.cardC2) missions.cardC2->UpdateCardMarks();
        break;
    case kKungJJak:
        if (missions.kungjjak) missions.kungjjak->RefreshMultipliers();
        break;
    default: break;
    }
}

bool TableEngine::FloorSlotHoldsMissionCard(int32_t floorSlot) const
{
    for (int32_t slot : floor.cards) {
        const CardFace face = FaceOfSlot(slot);
        if (face.floorSlot == floorSlot && IsMissionCard(face.cardId)) return true;
    }
    return false;
}

void TableEngine::ShowKungJJakStep(int step)
{
    if (gameInfo.missionMode != kKungJJak || step < 0 || step > 5 || !missions.kungjjak) return;
    missions.kungjjak->ShowStep(step);
    if (step == 0) stage.PlaySoundId(SoundId::KungJJakKung);
    if (step == 2 || step == 5) stage.PlaySoundId(SoundId::KungJJakJjak);
    if (step == 3) stage.PlaySoundId(SoundId::KungJJakBoth);
}

std::optional<Point> TableEngine::LastCardOfFloorSlot(int32_t floorSlot) const
{
    if (floorSlot < 0 || floorSlot >= COpenInfo::kSlotCount) return std::nullopt;
    const auto placements = ::LayoutFloorSlot(floor.GetSlot(floorSlot).position, tableModel.CardsInFloorSlot(floorSlot));
    if (placements.empty()) return std::nullopt;
    return placements.back().position;
}

// Eight pixels above the slot, at the fan's end.
void TableEngine::ShowMissionEatMark(int32_t floorSlot)
{
    if (!FloorSlotHoldsMissionCard(floorSlot)) return;
    const auto last = LastCardOfFloorSlot(floorSlot);
    if (!last) return;
    stage.ShowEatMark(kMissionEatMark, {last->x, floor.GetSlot(floorSlot).position.y - 8});
}

void TableEngine::ShowKungJJakPut(int32_t floorSlot, int effectKind, int step)
{
    if (gameInfo.missionMode != kKungJJak) return;
    if (const auto last = LastCardOfFloorSlot(floorSlot)) stage.PlayEffectAt(effectKind, *last);
    ShowKungJJakStep(step);
}
