#include "scene/CMirelleVWS.h"

#include <algorithm>

#include "foundation/core/Clock.h"
#include "views/CVHTWnd.h"

void CMirelleVWS::BuildMovePath(int32_t slot, Point target, int32_t steps, CVHTWnd* card)
{
    CVHTWnd* moving = slot == -1 ? card : CardWndBySlot(slot);
    if (!moving) return;
    const std::vector<Point> points = ::BuildMovePath(moving->GetPos(), target, steps);
    moving->Path().assign(points.begin(), points.end());
}

void CMirelleVWS::WaitFrame(FrameWaitPacer& pacer)
{
    if (!pacer.NextFrameWaits()) return;
    const uint32_t start = Clock::NowMs();
    Delay(static_cast<uint32_t>(std::max(options.stepDelay, 0)));
    pacer.Waited(start, Clock::NowMs());
}

void CMirelleVWS::AnimateCardMove(int32_t slot, Point target, int32_t steps, LiftSide lift, Zoom zoom)
{
    if (slot == -1) return;
    CVHTWnd* card = CardWndBySlot(slot);
    if (!card) return;
    // FIXME: raise the card to just below the layer anchor once the loader keeps one.
    // FIXME: the zoomed move (lift to the lifted size, shrink, the trail in the spare card window,
    // the big card hidden) waits for LiftCard; the hand pointer waits for the bonus-card handler's flag.
    static_cast<void>(lift);
    static_cast<void>(zoom);
    BuildMovePath(-1, target, steps, card);
    FrameWaitPacer pacer(options.cardSpeed);
    while (card->StepPath()) {
        SetDirty();
        WaitFrame(pacer);
    }
    card->SetRect(Rect(target, kCardSize));
    SetDirty();
}
