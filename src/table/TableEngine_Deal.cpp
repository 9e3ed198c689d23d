#include "table/TableEngine.h"

#include <cstdlib>

#include "foundation/Debug.h"
#include "foundation/core/Clock.h"
#include "table/TableStage.h"
#include "table/core/DealPlan.h"
#include "table/core/HandOrder.h"
#include "table/core/PileLayout.h"
#include "table/core/TableLayout.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "views/CVHTWnd.h"

FaceTable TableEngine::CopyFaces() const
{
    FaceTable faces;
    for (int32_t s = 0; s < kCardCount; ++s) faces[static_cast<size_t>(s)] = FaceOfSlot(s);
    return faces;
}

void TableEngine::PlayDealIntro()
{
    GVQZAniWnd* intro = tableWidgets.dealAnimation;
    if (!intro) return;
    intro->SetFrame(0);
    intro->Play(1, false);
    int32_t frame = -1;
    for (const uint32_t start = Clock::NowMs(); DealIntroContinues(intro->IsVisible(), start, Clock::NowMs());) {
        stage.Delay(kDealIntroPollMs);
        if (intro->Update()) stage.InvalidateWnd(intro);
        const int32_t now = intro->GetFrame();
        if (DealIntroThud(frame, now)) stage.PlaySoundId(SoundId::DealThud);
        frame = now;
    }
    // The cap may end it while it still shows.
    intro->Stop();
    intro->Show(false);
}

void TableEngine::DealRound(bool withAnimation)
{
    const std::array<int32_t, 2> screenSlots{ScreenSlotOf(0), ScreenSlotOf(1)};
    const DealPlan plan = ::DealRound(tableState.dealFloorIds, gameInfo.ownHandIds,
                                      withAnimation ? DealAnimation::Yes : DealAnimation::No, screenSlots,
                                      gameInfo.missionMode);
    if (plan.check != DealCheck::Ok) {
        DebugLine("DealRound: %d floor ids and %d hand ids deal nothing",
                  static_cast<int>(tableState.dealFloorIds.size()), static_cast<int>(gameInfo.ownHandIds.size()));
        return;
    }
    // Windows left over from the last round come back face down and without a card.
    for (int32_t s = 0; s < kCardCount; ++s) {
        if (tableModel.FindList(s).kind != ListKind::None) continue;
        cardFaces.FaceAt(s).Reset();
        if (CVHTWnd* card = CardWndBySlot(s)) card->SetImageFrame(CVHTWnd::kBackFrame);
    }
    if (plan.intro) PlayDealIntro();
    for (const DealBatch& batch : plan.batches) {
        if (batch.cards.empty()) continue;
        const int32_t start = batch.cards.front().place;
        const auto count = static_cast<int32_t>(batch.cards.size());
        // Each batch joins its list before it moves.
        for (const DealtCard& c : batch.cards) {
            if (batch.target == DealTarget::Floor) {
                if (tableModel.SetSlotCard(c.slot, c.cardId) &&
                    tableModel.PutOnFloorSlot(c.slot, TableList::Nowhere(), c.place))
                    continue;
            } else if (tableModel.MoveSlot(c.slot, TableList::Nowhere(), TableList::Hand(batch.seat))) {
                continue;
            }
            DebugLine("DealRound: card window %d is taken", c.slot);
        }
        if (batch.target == DealTarget::Floor)
            DealFloorCards(start, count);
        else
            DealHandCards(batch.seat, start, count);
    }
    for (int32_t slot : plan.deck)
        if (!tableModel.MoveSlot(slot, TableList::Nowhere(), TableList::Deck()))
            DebugLine("DealRound: card window %d is taken", slot);
    if (plan.startSound >= 0) stage.PlaySoundId(static_cast<SoundId>(plan.startSound));
    if (!GroupFloorMonths()) {
        stage.SetDirty();
        stage.Delay(kNoGroupPauseMs);
    }
    stage.SetDirty();
}

void TableEngine::DealFloorCards(int32_t start, int32_t count, Landing landing)
{
    if (count <= 0) {
        stage.SetDirty();
        stage.Delay(kDealSettleMs);
        return;
    }
    // The floor cards hold their ids already; they show them once they land.
    std::vector<int32_t> ids;
    for (int32_t i = start; i >= 0 && i < start + count && static_cast<size_t>(i) < floor.cards.size(); ++i)
        ids.push_back(FaceOfSlot(floor.cards[static_cast<size_t>(i)]).cardId);
    const DealBatch batch = ::DealFloorCards(floor.cards, start, count, ids);
    for (const DealtCard& c : batch.cards) {
        Point target = floor.GetSlot(c.place).position;
        if (batch.jitter) target = target + Point{DealJitter(std::rand()), DealJitter(std::rand())};
        BuildMovePath(c.slot, target, options.moveSteps[0]);
        if (CVHTWnd* card = CardWndBySlot(c.slot)) card->Show(true);
    }
    stage.PlaySoundId(SoundId::CardShare);
    FrameWaitPacer pacer(options.cardSpeed);
    for (int32_t f = 0; f <= std::max(1, options.moveSteps[0]); ++f) {
        for (const DealtCard& c : batch.cards)
            if (CVHTWnd* card = CardWndBySlot(c.slot)) card->StepPath();
        stage.SetDirty();
        WaitFrame(pacer);
    }
    for (const DealtCard& c : batch.cards) {
        CVHTWnd* card = CardWndBySlot(c.slot);
        if (!card) continue;
        card->Path().clear();
        card->SetImageFrame(landing == Landing::FaceDown ? CVHTWnd::kBackFrame : c.cardId);
        card->Show(true);
    }
    stage.SetDirty();
    stage.Delay(kDealSettleMs);
}

void TableEngine::DealHandCards(int seat, int32_t start, int32_t count)
{
    if (!RoomRecords::IsSeat(seat)) return;
    const int screenSlot = ScreenSlotOf(seat);
    const DealBatch batch = ::DealHandCards(records.RoundUser(seat).hand, seat, screenSlot, start,
                                            count, gameInfo.ownHandIds);
    const int32_t steps = std::max(1, options.moveSteps[1]);
    std::vector<std::vector<Point>> paths;
    for (const DealtCard& c : batch.cards) {
        CVHTWnd* card = CardWndBySlot(c.slot);
        const Point from = card ? card->GetPos() : Point{};
        paths.push_back(::BuildMovePath(from, HandPosition(screenSlot, c.place).value_or(from), steps));
    }
    const auto frames = HandDealFrames(static_cast<int32_t>(batch.cards.size()), steps);
    FrameWaitPacer pacer(options.cardSpeed);
    for (size_t f = 0; f < frames.size(); ++f) {
        for (size_t i = 0; i < batch.cards.size(); ++i)
            if (CVHTWnd* card = CardWndBySlot(batch.cards[i].slot))
                card->SetPos(paths[i][static_cast<size_t>(frames[f][i])]);
        if (f < batch.cards.size()) {
            // The staggered start: one more card sets off each frame.
            CVHTWnd* card = CardWndBySlot(batch.cards[f].slot);
            if (card && screenSlot == 0) SetCardSize(card, CardSizeKind::Big);
            if (card) card->Show(true);
            RaiseBelowAnchor(card);
            stage.SetDirty();
            stage.Delay(static_cast<uint32_t>(std::max(options.stepDelay, 0)));
            if (f + 1 == batch.cards.size()) stage.PlaySoundId(SoundId::CardShare);
            continue;
        }
        stage.SetDirty();
        WaitFrame(pacer);
    }
    for (const DealtCard& c : batch.cards) {
        CVHTWnd* card = CardWndBySlot(c.slot);
        if (!card) continue;
        if (screenSlot != 0) {
            SetCardSize(card, CardSizeKind::Small);
            continue;
        }
        if (!IsValidCardId(c.cardId)) continue;
        PlayHoldOpen(card);
        if (tableModel.SetSlotCard(c.slot, c.cardId)) card->SetImageFrame(c.cardId);
        card->Show(true);
    }
    // Over the cards just dealt.
    RaiseBelowAnchor(tableWidgets.turnHint);
    stage.SetDirty();
    stage.Delay(kDealSettleMs);
}

bool TableEngine::GroupFloorMonths()
{
    FaceTable faces = CopyFaces();
    FloorCounts counts{};
    for (int i = 0; i < COpenInfo::kSlotCount; ++i) counts[static_cast<size_t>(i)] = floor.GetSlot(i).count;
    const std::vector<FloorRegroup> moves = ::GroupFloorMonths(floor.cards, faces, counts);
    for (const FloorRegroup& m : moves) {
        if (!tableModel.MoveToFloorSlot(m.slot, m.toFloorSlot)) continue;
        const auto placed = ::LayoutFloorSlot(floor.GetSlot(m.toFloorSlot).position,
                                              tableModel.CardsInFloorSlot(m.toFloorSlot));
        Point target = floor.GetSlot(m.toFloorSlot).position;
        for (const PilePlacement& p : placed)
            if (p.slot == m.slot) target = p.position;
        AnimateCardMove(m.slot, target, options.moveSteps[0], LiftSide::Own, Zoom::No);
        LayoutFloorSlot(m.toFloorSlot, false);
        stage.Delay(kGroupMoveWaitMs);
    }
    return !moves.empty();
}

void TableEngine::SortOwnHand(bool withoutPassMarkers)
{
    const int own = records.OwnSeat();
    if (!RoomRecords::IsSeat(own)) return;
    const CHTUser& user = records.RoundUser(own);
    const PassMarkers markers = !withoutPassMarkers && !records.IsRobotSeat(own) ? PassMarkers::Show : PassMarkers::Leave;
    const HandOrderPlan plan = ::SortOwnHand(user.hand, CopyFaces(), markers, user.deckFlips);
    for (size_t i = 0; i < plan.ids.size() && i < user.hand.size(); ++i)
        if (CVHTWnd* card = CardWndBySlot(user.hand[i]); card && tableModel.SetSlotCard(user.hand[i], plan.ids[i]))
            card->SetImageFrame(plan.ids[i]);
    PlaceHand(own);
    if (plan.markersChange) {
        for (size_t i = 0; i < plan.markers.size(); ++i) {
            GVQZSWnd* marker = tableWidgets.holdBombs[i];
            if (!marker) continue;
            const auto at = HandPosition(0, plan.markers[i]);
            if (at) marker->SetPos(*at);
            marker->Show(at.has_value());
        }
    }
    stage.SetDirty();
    stage.FlushRedraw();
}

void TableEngine::SortOwnHandListedLast(const std::vector<int32_t>& listed)
{
    const int own = records.OwnSeat();
    if (!RoomRecords::IsSeat(own)) return;
    const std::vector<int32_t>& hand = records.RoundUser(own).hand;
    const HandOrderPlan plan = ::SortOwnHandListedLast(hand, CopyFaces(), listed);
    for (size_t i = 0; i < plan.ids.size() && i < hand.size(); ++i)
        if (CVHTWnd* card = CardWndBySlot(hand[i]); card && tableModel.SetSlotCard(hand[i], plan.ids[i]))
            card->SetImageFrame(plan.ids[i]);
    PlaceHand(own);
    stage.SetDirty();
    stage.FlushRedraw();
}
