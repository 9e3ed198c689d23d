#include "views/CVMissionBase.h"

#include <algorithm>

#include "toolkit/GVQZAniWnd.h"

void CVMissionBase::BeginMission(MissionOwner& panelOwner, int tableSkin)
{
    missionOwner = &panelOwner;
    skin = tableSkin;
}

void CVMissionBase::Clear()
{
    CVPanel::Clear();
    missionOwner = nullptr;
    ResetLayout();
}

void CVMissionBase::ResetLayout()
{
    layout = Layout::Closed;
    pendingWidgets.clear();
    pendingAnimations.clear();
}

void CVMissionBase::Show(Restore restore)
{
    layout = restore == Restore::Yes ? Layout::Restored : Layout::Opening;
    LayOut();
    CVPanel::Show(true);
    Invalidate();
}

int CVMissionBase::Step()
{
    int changed = CVPanel::Step();
    GVQZAniWnd* back = Back();
    if (layout == Layout::Opening && back && !back->IsPlaying()) {
        layout = Layout::Open;
        LayOut();
        changed = 1;
    }
    if (changed) Invalidate();
    return changed;
}

void CVMissionBase::ShowOrQueue(GVWnd* w)
{
    if (!w) return;
    if (IsShowing()) {
        w->Show(true);
    } else if (std::find(pendingWidgets.begin(), pendingWidgets.end(), w) == pendingWidgets.end()) {
        pendingWidgets.push_back(w);
    }
    Invalidate();
}

void CVMissionBase::PlayOrQueue(GVQZAniWnd* a)
{
    if (!a) return;
    if (IsShowing()) {
        a->Play(1, true);
    } else if (std::find(pendingAnimations.begin(), pendingAnimations.end(), a) == pendingAnimations.end()) {
        pendingAnimations.push_back(a);
    }
    Invalidate();
}

void CVMissionBase::Unqueue(GVWnd* w)
{
    std::erase(pendingWidgets, w);
    std::erase_if(pendingAnimations, [w](const GVQZAniWnd* a) { return a == w; });
}

void CVMissionBase::HideAndUnqueue(GVWnd* w)
{
    if (!w) return;
    Unqueue(w);
    w->Show(false);
    Invalidate();
}

void CVMissionBase::StopAndUnqueue(GVQZAniWnd* a)
{
    if (!a) return;
    Unqueue(a);
    a->Stop();
    Invalidate();
}

void CVMissionBase::ShowPending()
{
    for (GVWnd* w : pendingWidgets) w->Show(true);
    for (GVQZAniWnd* a : pendingAnimations) a->Play(1, true);
    pendingWidgets.clear();
    pendingAnimations.clear();
    Invalidate();
}

void CVMissionBase::PlayBack(GVQZAniWnd* back, int clip, Restore restore)
{
    if (!back) return;
    back->SelectAnimation(clip);
    back->Play(1, true);
    if (restore == Restore::Yes) back->SetFrame(back->GetFrameCount() - 1);
}

int CVMissionBase::SlotOf(int seat) const
{
    if (!missionOwner || seat < 0 || seat > 1) return -1;
    const int slot = missionOwner->ScreenSlotOfSeat(seat);
    return slot == 0 || slot == 1 ? slot : -1;
}

void CVMissionBase::LayOutBackAndEffect(GVQZAniWnd* back, GVQZAniWnd* effect, int backClip)
{
    switch (layout) {
    case Layout::Opening:
        PlayBack(back, backClip, Restore::No);
        PlaySound(SoundId::MissionNotify);
        break;
    case Layout::Open:
        ShowPending();
        effect->SelectAnimation(0);
        effect->Play(1, false);
        PlaySound(SoundId::MissionReveal);
        break;
    case Layout::Restored:
        PlayBack(back, backClip, Restore::Yes);
        ShowPending();
        break;
    case Layout::Closed: break;
    }
}
