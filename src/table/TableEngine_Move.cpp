#include "table/TableEngine.h"

#include <algorithm>

#include "foundation/core/Clock.h"
#include "table/TableStage.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVHTWnd.h"

void TableEngine::BuildMovePath(int32_t slot, Point target, int32_t steps, CVHTWnd* card)
{
    CVHTWnd* moving = slot == -1 ? card : CardWndBySlot(slot);
    if (!moving) return;
    const std::vector<Point> points = ::BuildMovePath(moving->GetPos(), target, steps);
    moving->Path().assign(points.begin(), points.end());
}

void TableEngine::WaitFrame(FrameWaitPacer& pacer)
{
    if (!pacer.NextFrameWaits()) return;
    const uint32_t start = Clock::NowMs();
    stage.Delay(static_cast<uint32_t>(std::max(options.stepDelay, 0)));
    pacer.Waited(start, Clock::NowMs());
}

void TableEngine::RaiseBelowAnchor(GVWnd* wnd)
{
    if (wnd && tableWidgets.layerAnchor) stage.StackWndAfter(tableWidgets.layerAnchor, wnd);
}

void TableEngine::LiftCard(CVHTWnd* card, LiftSide side)
{
    if (!card) return;
    card->SetRect(LiftCardRect(card->GetPos(), side));
    card->moveValue = 1;
    // The hold outline: the card's big picture drawn over it.
    if (GVPSPWnd* big = tableWidgets.bigCards[0]) {
        big->SetFrame(card->GetFace().cardId);
        big->SetPos(card->GetPos());
        stage.StackWndBefore(card, big);
        big->Show(true);
    }
    stage.SetDirty();
}

void TableEngine::PlayHoldOpen(CVHTWnd* card)
{
    const int own = records.OwnSeat();
    if (!card || own < 0 || records.IsRobotSeat(own)) return;
    stage.PlaySoundId(SoundId::HoldOpen);
    if (GVQZAniWnd* open = tableWidgets.holdOpenMarker) {
        open->SetPos(card->GetPos());
        stage.StackWndBefore(card, open);
        open->Play(1, false);
    }
}

void TableEngine::AnimateCardMove(int32_t slot, Point target, int32_t steps, LiftSide lift, Zoom zoom)
{
    if (slot == -1) return;
    CVHTWnd* card = CardWndBySlot(slot);
    if (!card) return;
    RaiseBelowAnchor(card);
    const bool zoomed = zoom == Zoom::Yes;
    if (zoomed) {
        LiftCard(card, lift);
        stage.Delay(kLiftShowMs);
    }
    const bool pointer = tableState.handPointerShown;
    const CardMovePlan plan = PlanCardMove(card->GetPos(), card->GetRect().GetSize(), target, steps, zoom,
                                           pointer ? HandPointer::Shown : HandPointer::Hidden);
    CVHTWnd* trail = zoomed ? tableWidgets.shadowCards[0] : nullptr;
    if (trail) {
        trail->moveValue = 1;
        stage.StackWndAfter(card, trail);
        trail->Show(true);
    }
    card->Path().clear();
    FrameWaitPacer pacer(options.cardSpeed);
    for (const CardMoveFrame& f : plan.frames) {
        card->SetRect(Rect(f.card, f.cardSize));
        if (trail) {
            trail->SetRect(Rect(f.card, f.cardSize));
            trail->SetTransparency(f.trailTransparency);
            // Hidden once: hiding a hidden widget repaints its place again.
            if (GVPSPWnd* big = tableWidgets.bigCards[0]; big && big->IsVisible()) big->Show(false);
        }
        if (GVPSPWnd* hand = tableWidgets.handPointer; pointer && hand) {
            hand->SetFrame(0);
            hand->SetPos(f.handPointer);
            hand->Show(true);
            RaiseBelowAnchor(hand);
        }
        stage.SetDirty();
        if (pointer) stage.Delay(static_cast<uint32_t>(kHandPointerExtraMs));
        WaitFrame(pacer);
    }
    if (zoomed) card->moveValue = 0;
    if (trail) {
        trail->SetRect(Rect(target, kCardSize));
        trail->moveValue = 0;
        trail->Show(false);
    }
    card->SetRect(plan.final);
}
