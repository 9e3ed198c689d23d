#include "table/TableEngine.h"

#include <cstdlib>

#include "table/TableStage.h"
#include "table/core/DealPlan.h"
#include "table/core/PileLayout.h"
#include "table/core/TableLayout.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVHTWnd.h"

namespace {

constexpr int32_t kKungJJakMode = 5;
// The card effects of a kungjjak put: on a played card, on a flipped one.
constexpr int kKungJJakEffect = 5;
constexpr int kKungJJakFlipEffect = 6;

bool IsOpeningTurn(int32_t turnNumber)
{
    return turnNumber == 1 || turnNumber == 2;
}

}  // namespace

bool TableEngine::IsOwnHandSeat(int seat)
{
    return ScreenSlotOf(seat) == 0 && records.IsUserSeated() && !records.IsRobotSeat(seat);
}

int32_t TableEngine::PickHandCard(int32_t cardId, int seat)
{
    if (!RoomRecords::IsSeat(seat)) return -1;
    const std::vector<int32_t>& hand = records.RoundUser(seat).hand;
    if (IsOwnHandSeat(seat)) return FindCardById(hand, cardId);
    if (hand.empty()) return -1;
    const int32_t slot = SlotOf(hand.back());
    if (!tableModel.SetSlotCard(slot, cardId)) return -1;
    if (CVHTWnd* card = CardWndBySlot(slot)) {
        card->SetImageFrame(cardId);
        card->Show(true);
    }
    return slot;
}

std::vector<int32_t> TableEngine::PickHandCards(const std::vector<int32_t>& ids, int seat)
{
    if (!RoomRecords::IsSeat(seat) || ids.size() < 2 || !IsValidCardId(ids[0]) || !IsValidCardId(ids[1])) return {};
    const std::vector<int32_t>& hand = records.RoundUser(seat).hand;
    if (IsOwnHandSeat(seat)) {
        const int32_t first = FindCardById(hand, ids[0]);
        const int32_t second = FindCardById(hand, ids[1]);
        if (first < 0 || second < 0 || first == second) return {};
        return {first, second};
    }
    if (hand.size() < 2) return {};
    const std::vector<int32_t> slots{SlotOf(hand[hand.size() - 2]), SlotOf(hand.back())};
    for (size_t i = 0; i < 2; ++i) {
        if (!tableModel.SetSlotCard(slots[i], ids[i])) return {};
        if (CVHTWnd* card = CardWndBySlot(slots[i])) {
            card->SetImageFrame(ids[i]);
            card->Show(true);
        }
    }
    return slots;
}

SoundId TableEngine::PutSoundForGoCount(int seat)
{
    const int32_t go = RoomRecords::IsSeat(seat) ? records.RoundUser(seat).goCount : 0;
    if (go > 5) return SoundId::CardPut4;
    return go < 3 ? SoundId::CardPut2 : SoundId::CardPut3;
}

void TableEngine::PlayGoCountAnimation(int32_t slot, Point landing, int32_t count)
{
    GVQZAniWnd* go = tableWidgets.goCountAnimation;
    CVHTWnd* card = CardWndBySlot(slot);
    if (!go || !card) return;
    stage.StackWndAfter(card, go);
    go->SetPos(GoCountAnimationPoint(landing, count));
    go->SetFrame(0);
    go->Play(1, false);
}

void TableEngine::PlayHandCard(int32_t cardId, int seat, bool single)
{
    const int32_t slot = PickHandCard(cardId, seat);
    CVHTWnd* card = CardWndBySlot(slot);
    if (slot < 0 || !card) return;
    SetCardSize(card, CardSizeKind::Normal);
    const auto floorSlot = tableModel.PlayHandCardToFloor(slot, seat);
    if (!floorSlot) return;
    const int32_t count = floor.GetSlot(*floorSlot).count;
    const Point landing = FloorLandingPoint(floor.GetSlot(*floorSlot).position, count, std::rand(), std::rand());
    // The bottom side's hand card lifts to the right, as the flag set for it says.
    const LiftSide lift = ScreenSlotOf(seat) == 0 ? LiftSide::Other : LiftSide::Own;
    AnimateCardMove(slot, landing, options.moveSteps[0], lift, Zoom::Yes);
    if (count == 1) {
        stage.PlaySoundId(SoundId::CardPut1);
        stage.SetDirty();
        return;
    }
    stage.PlaySoundId(PutSoundForGoCount(seat));
    LayoutFloorSlot(*floorSlot, single);
    if (single || count >= 4) {
        gameInfo.turnPutCount += 1;
        ShowKungJJakPut(*floorSlot, kKungJJakEffect, 0);
    }
    if (records.RoundUser(seat).goCount > 2) PlayGoCountAnimation(slot, landing, count);
    ShowMissionEatMark(*floorSlot);
    stage.SetDirty();
}

void TableEngine::PutFloorCard(int32_t cardId, int seat)
{
    const int32_t slot = tableModel.DeckTop();
    CVHTWnd* card = CardWndBySlot(slot);
    if (slot < 0 || !card) return;
    const int32_t month = GetCardInfo(cardId).month;
    const bool bonus = month == kBonusMonth;
    // The stacked case: the hand card of the turn made a pair of this month, and the flip makes three.
    const bool monthOnFloor = !bonus && FindCardOfMonth(floor.cards, month) >= 0;
    const bool stacked = monthOnFloor && gameInfo.playedMonth == month && CountCardsOfMonth(floor.cards, month) == 2;
    const auto floorSlot = tableModel.FlipDeckCardToFloor(cardId);
    if (!floorSlot) return;
    card->SetImageFrame(cardId);
    card->Show(true);
    SetCardSize(card, CardSizeKind::Normal);
    const int32_t count = floor.GetSlot(*floorSlot).count;
    const Point landing = FloorLandingPoint(floor.GetSlot(*floorSlot).position, count, std::rand(), std::rand());
    AnimateCardMove(slot, landing, options.moveSteps[0], LiftSide::Own, Zoom::Yes);
    const bool seated = RoomRecords::IsSeat(seat);
    if (count == 1) {
        stage.PlaySoundId(SoundId::CardPut1);
        if (gameInfo.turnPutCount > 0) ShowKungJJakStep(1);
        if (!bonus && seated && IsOpeningTurn(gameInfo.turnNumber)) {
            bool captured = false;
            for (int32_t c = 0; c < kPileCategoryCount; ++c)
                captured = captured || !tableModel.Slots(TableList::Pile(seat, c)).empty();
            if (captured) {
                gameInfo.playedMonth = -1;
                stage.SetDirty();
                return;
            }
            if (gameInfo.turnPutCount == 0) stage.PlayVoice(VoiceCue::BadStart, seat);
        }
    } else {
        if (seated && stacked) {
            stage.PlaySoundId(SoundId::CardPut2);
            stage.PlaySoundId(SoundId::CardPut5);
        } else if (seated) {
            stage.PlaySoundId(PutSoundForGoCount(seat));
        }
        LayoutFloorSlot(*floorSlot, true);
        if (!bonus && seated) {
            ShowKungJJakPut(*floorSlot, kKungJJakFlipEffect, gameInfo.turnPutCount == 0 ? 5 : 2);
            gameInfo.turnPutCount += 1;
            if (!stacked && IsOpeningTurn(gameInfo.turnNumber) && gameInfo.turnPutCount >= 2)
                stage.PlayVoice(VoiceCue::GoodStart, seat);
            if (!stacked) ShowMissionEatMark(*floorSlot);
        }
    }
    gameInfo.playedMonth = -1;
    stage.SetDirty();
}

void TableEngine::TakeFloorCard(int32_t cardId, int seat)
{
    const int screenSlot = ScreenSlotOf(seat);
    const int32_t slot = FindCardById(floor.cards, cardId);
    // A seat without a screen slot has no pile to take the card to.
    if (screenSlot < 0 || slot < 0) return;
    const int32_t category = FaceOfSlot(slot).category;
    const auto area = GetPileArea(screenSlot, category);
    if (!area) return;
    UpdateMissionProgress(seat, cardId, false);
    if (!tableModel.CaptureFromFloor(slot, seat)) return;
    MarkMissionCards(true);
    const int32_t steps = options.moveSteps[2] + (screenSlot == 1 ? 1 : 0);
    AnimateCardMove(slot, area->origin, steps, LiftSide::Own, Zoom::No);
    LayoutCapturedPile(seat, category);
    stage.PlaySoundId(SoundId::CardPut1);
    // The kungjjak marks over the slot the card left.
    if (gameInfo.missionMode == kKungJJakMode) {
        stage.StopEffect(kKungJJakEffect);
        stage.StopEffect(kKungJJakFlipEffect);
    }
    stage.SetDirty();
}

void TableEngine::PlayBonusToPile(int32_t cardId, int seat, bool keepOrder)
{
    const int screenSlot = ScreenSlotOf(seat);
    // A seat without a screen slot has no pile to take the card to.
    if (screenSlot < 0) return;
    const int32_t slot = PickHandCard(cardId, seat);
    CVHTWnd* card = CardWndBySlot(slot);
    if (slot < 0 || !card) return;
    const int32_t category = FaceOfSlot(slot).category;
    const bool own = IsOwnHandSeat(seat);
    if (!tableModel.CaptureIntoPile(slot, TableList::Hand(seat), seat)) return;
    SetCardSize(card, CardSizeKind::Normal);
    if (const auto area = GetPileArea(screenSlot, category))
        AnimateCardMove(slot, area->origin, options.moveSteps[2], LiftSide::Own, Zoom::No);
    stage.PlaySoundId(SoundId::CardPut1);
    LayoutCapturedPile(seat, category);
    if (own && !keepOrder) SortOwnHand(true);
}

void TableEngine::DrawDeckCardToHand(int32_t cardId, int seat)
{
    // As with the bonus card itself: a seat without a screen slot keeps the hand the server knows.
    if (ScreenSlotOf(seat) < 0) return;
    const int32_t slot = tableModel.DeckTop();
    CVHTWnd* card = CardWndBySlot(slot);
    if (!RoomRecords::IsSeat(seat) || slot < 0 || !card) return;
    if (!tableModel.MoveSlot(slot, TableList::Deck(), TableList::Hand(seat))) return;
    const auto n = static_cast<int32_t>(records.RoundUser(seat).hand.size());
    stage.PlaySoundId(SoundId::CardMove);
    const int screenSlot = ScreenSlotOf(seat);
    if (screenSlot == 0 && IsOwnHandSeat(seat) && tableModel.SetSlotCard(slot, cardId)) card->SetImageFrame(cardId);
    // An eleventh card has no hand position: it stays in the hand, hidden.
    const auto at = HandPosition(screenSlot, n - 1);
    if (!at) {
        card->Show(false);
        return;
    }
    card->Show(true);
    AnimateCardMove(slot, *at, options.moveSteps[1], LiftSide::Own, Zoom::No);
    SetCardSize(card, screenSlot == 0 ? CardSizeKind::Big : CardSizeKind::Small);
    stage.SetDirty();
}

void TableEngine::TakePiFromSeat(int32_t cardId, int fromSeat, int toSeat)
{
    if (!RoomRecords::IsSeat(fromSeat) || !RoomRecords::IsSeat(toSeat) || fromSeat == toSeat) return;
    const int32_t slot = FindCardById(tableModel.Slots(TableList::Pile(fromSeat, CardCategory::Pi)), cardId);
    if (slot < 0) return;
    UpdateMissionProgress(toSeat, cardId, true);
    if (!tableModel.MoveSlot(slot, TableList::Pile(fromSeat, CardCategory::Pi), TableList::Pile(toSeat, CardCategory::Pi)))
        return;
    HidePileMarker(slot);
    stage.PlaySoundId(SoundId::CardMove);
    // Both seats off the bottom side cannot happen with two seats; the extra steps stay for it.
    const int32_t extra = ScreenSlotOf(fromSeat) != 0 && ScreenSlotOf(toSeat) != 0 ? 2 : 0;
    if (const auto area = GetPileArea(ScreenSlotOf(toSeat), CardCategory::Pi))
        AnimateCardMove(slot, area->origin, options.moveSteps[2] + extra, LiftSide::Own, Zoom::No);
    LayoutPiPile(fromSeat);
    LayoutPiPile(toSeat);
    stage.SetDirty();
}

void TableEngine::MoveCardToPile(int32_t cardId, int seat, int32_t fromCategory, int32_t toCategory)
{
    if (!RoomRecords::IsSeat(seat)) return;
    const int32_t slot = FindCardById(tableModel.Slots(TableList::Pile(seat, fromCategory)), cardId);
    if (slot < 0 || !tableModel.MoveSlot(slot, TableList::Pile(seat, fromCategory), TableList::Pile(seat, toCategory)))
        return;
    HidePileMarker(slot);
    stage.PlaySoundId(SoundId::CardMove);
    if (const auto area = GetPileArea(ScreenSlotOf(seat), toCategory))
        AnimateCardMove(slot, area->origin, options.moveSteps[2], LiftSide::Own, Zoom::No);
    LayoutCapturedPile(seat, fromCategory);
    LayoutCapturedPile(seat, toCategory);
}

void TableEngine::PlayTwoHandCards(const std::vector<int32_t>& ids, int seat, bool flag)
{
    const std::vector<int32_t> slots = PickHandCards(ids, seat);
    if (slots.size() != 2) return;
    // No card of the month on the floor: the first empty slot, as a single play would find.
    const int32_t floorSlot = tableModel.TargetFloorSlot(ids[0], FloorSource::Hand);
    for (const int32_t slot : slots)
        if (!tableModel.PutOnFloorSlot(slot, TableList::Hand(seat), floorSlot)) return;
    gameInfo.lastFloorSlot = floorSlot;
    if (GVQZAniWnd* hit = tableWidgets.hitEffect) {
        hit->SelectAnimation(0);
        RaiseBelowAnchor(hit);
    }
    AnimateTwoCards(slots, floorSlot);
    const int32_t count = floor.GetSlot(floorSlot).count;
    if (count >= 2 && flag) {
        gameInfo.turnPutCount += 1;
        if (gameInfo.missionMode == kKungJJakMode) {
            stage.PlayEffectAt(kKungJJakEffect, floor.GetSlot(floorSlot).position + Point{18, 0});
            ShowKungJJakStep(0);
        }
    }
    ShowMissionEatMark(floorSlot);
    stage.SetDirty();
}

void TableEngine::StepTwoCards(const std::vector<int32_t>& slots, Size least, int32_t frames)
{
    FrameWaitPacer pacer(options.cardSpeed);
    for (int32_t f = 0; f < frames; ++f) {
        for (size_t i = 0; i < slots.size(); ++i) {
            CVHTWnd* card = CardWndBySlot(slots[i]);
            CVHTWnd* trail = tableWidgets.shadowCards[i];
            if (!card || !trail) continue;
            card->StepPath();
            trail->StepPath();
            card->SetRect(Rect(card->GetPos(), ShrinkTowards(card->GetRect().GetSize(), least, frames - f)));
            trail->SetRect(Rect(trail->GetPos(), card->GetRect().GetSize()));
            trail->SetTransparency(TwoCardTrailTransparency(f));
        }
        stage.SetDirty();
        WaitFrame(pacer);
    }
}

void TableEngine::AnimateTwoCards(const std::vector<int32_t>& slots, int32_t floorSlot)
{
    const Point slotAt = floor.GetSlot(floorSlot).position;
    for (size_t i = 0; i < slots.size(); ++i) {
        CVHTWnd* card = CardWndBySlot(slots[i]);
        CVHTWnd* trail = tableWidgets.shadowCards[i];
        if (!card || !trail) return;
        RaiseBelowAnchor(card);
        card->SetRect(NudgeCardRect(card->GetRect()));
        card->moveValue = 1;
        if (GVPSPWnd* big = tableWidgets.bigCards[i]) {
            big->SetFrame(card->GetFace().cardId);
            big->SetPos(card->GetPos());
            stage.StackWndBefore(card, big);
            big->Show(true);
        }
        trail->SetRect(Rect(card->GetPos() + kTwoCardTrailOffset, card->GetRect().GetSize()));
        trail->moveValue = 1;
        trail->SetTransparency(kTwoCardTrailStart);
        trail->Show(true);
        RaiseBelowAnchor(trail);
        const Point fan = TwoCardFanPoint(slotAt, static_cast<int32_t>(i));
        BuildMovePath(-1, fan, kTwoCardFanSteps, card);
        BuildMovePath(-1, fan, kTwoCardFanSteps, trail);
    }
    // Fanned out lifted above the slot; a card already larger shrinks to the lifted size.
    StepTwoCards(slots, kLiftedCardSize, kTwoCardFanFrames);
    stage.Delay(kTwoCardHitWaitMs);
    if (GVQZAniWnd* hit = tableWidgets.hitEffect) {
        hit->SetPos(slotAt);
        hit->Play(1, false);
    }
    for (size_t i = 0; i < slots.size(); ++i) {
        const Point drop = TwoCardDropPoint(slotAt, static_cast<int32_t>(i));
        BuildMovePath(-1, drop, 1, CardWndBySlot(slots[i]));
        BuildMovePath(-1, drop, 1, tableWidgets.shadowCards[i]);
        if (GVPSPWnd* big = tableWidgets.bigCards[i]) big->Show(false);
    }
    StepTwoCards(slots, kCardSize, kTwoCardDropFrames);
    stage.PlaySoundId(SoundId::TwoCardBomb);
    for (const int32_t dx : kTwoCardShake) {
        for (const int32_t slot : slots)
            if (CVHTWnd* card = CardWndBySlot(slot)) card->SetPos(card->GetPos() + Point{dx, 0});
        stage.SetDirty();
        stage.Delay(kShakeStepMs);
    }
    for (size_t i = 0; i < slots.size(); ++i) {
        CVHTWnd* card = CardWndBySlot(slots[i]);
        CVHTWnd* trail = tableWidgets.shadowCards[i];
        card->Path().clear();
        card->moveValue = 0;
        SetCardSize(card, CardSizeKind::Normal);
        trail->Path().clear();
        trail->SetRect(Rect(trail->GetPos(), kCardSize));
        trail->moveValue = 0;
        trail->Show(false);
    }
}
