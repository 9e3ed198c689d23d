#include "views/CVDMissionWnd.h"

#include <algorithm>

#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVHTWnd.h"

// The back first, so it is drawn beneath the rest.
bool CVDMissionWnd::CreateChildren(MissionOwner& panelOwner, int tableSkin)
{
    WidgetFactory f = BeginChildren(panelOwner);
    BeginMission(panelOwner, tableSkin);
    if (!Adopt(back = f.CreateQZAniWnd("Mission\\dmissionback.qza", {0, 0}))) return false;
    if (!Adopt(dealing = f.CreateQZAniWnd("Mission\\dmissionhand.qza", {0, 0}))) return false;
    if (!Adopt(sample = MissionParts::MakeCard(f, 0, kSampleCard))) return false;
    for (int side = 0; side < kSides; ++side)
        if (!CreateSide(f, side)) return false;
    MissionParts::PlaceHidden(*this, MissionParts::kPanelOrigin);
    return true;
}

bool CVDMissionWnd::CreateSide(WidgetFactory& f, int side)
{
    Side& s = sides[static_cast<size_t>(side)];
    const SidePlaces& at = kSidePlaces[side];
    for (size_t i = 0; i < kCardsPerSide; ++i) {
        const Point card = at.cards[i];
        if (!Adopt(s.cards[i] = MissionParts::MakeCard(f, side * kCardsPerSide + static_cast<int>(i), card)))
            return false;
        if (!Adopt(s.captured[i] = MissionParts::MakeCapturedOverlay(f, card))) return false;
        for (size_t slot = 0; slot < 2; ++slot)
            if (!Adopt(s.marks[i][slot] = MissionParts::MakeSeatMark(f, "Mission\\arrow.psp", static_cast<int>(slot),
                                                                     card + kMarkOffset[slot])))
                return false;
    }
    if (!Adopt(s.multiplier = f.CreatePSPWnd("Mission\\mul.psp", at.multiplier, Visible::No))) return false;
    if (!Adopt(s.hand = f.CreateQZAniWnd("Mission\\dexplain.qza", at.hand))) return false;
    return Adopt(s.status = f.CreateQZAniWnd("Mission\\double_status.qza", at.status));
}

void CVDMissionWnd::Clear()
{
    CVMissionBase::Clear();
    back = dealing = nullptr;
    sample = nullptr;
    sides = {};
}

void CVDMissionWnd::Reset()
{
    if (sample) sample->Reset();
    for (const Side& s : sides) {
        for (CVHTWnd* card : s.cards)
            if (card) card->Reset();
        if (s.status) s.status->Stop();
        if (s.hand) s.hand->Stop();
    }
    sideState = {};
    lastBackFrame = -1;
    ResetLayout();
    MissionParts::HideAll(*this);
}

void CVDMissionWnd::SetMission(int side, int id, int multiplierValue)
{
    if (side < 0 || side >= kSides || !back) return;
    const auto hand = MissionRules::HandOf(id, side);
    if (!hand) return;
    Side& s = sides[static_cast<size_t>(side)];
    SideState& state = sideState[static_cast<size_t>(side)];
    state.cards.assign(hand->cards.begin(), hand->cards.end());
    for (size_t i = 0; i < kCardsPerSide; ++i) {
        s.cards[i]->SetCard(state.cards[i]);
        ShowOrQueue(s.cards[i]);
    }
    if (side == 0) sample->SetCard(state.cards.back());
    state.hand = hand->name;
    if (s.hand->SelectAnimationByName(hand->name)) PlayOrQueue(s.hand);
    const int frame = MissionRules::MultiplierFrame(multiplierValue);
    if (frame >= 0) {
        s.multiplier->SetFrame(frame);
        ShowOrQueue(s.multiplier);
    }
}

void CVDMissionWnd::LayOut()
{
    switch (layout) {
    case Layout::Opening:
        PlayBack(back, skin, Restore::No);
        dealing->SelectAnimation(skin);
        dealing->Play(1, false);
        lastBackFrame = -1;
        PlaySound(MissionSound::Open);
        break;
    case Layout::Open:
        sample->Reset();
        HideAndUnqueue(sample);
        ShowPending();
        break;
    case Layout::Restored:
        PlayBack(back, skin, Restore::Yes);
        ShowPending();
        break;
    case Layout::Closed: break;
    }
}

void CVDMissionWnd::SetStatus(int side, int newStatus)
{
    if (side < 0 || side >= kSides || newStatus < -1 || newStatus > 1 || !back) return;
    Side& s = sides[static_cast<size_t>(side)];
    SideState& state = sideState[static_cast<size_t>(side)];
    state.status = newStatus;
    state.ownFailure = false;
    if (newStatus == -1) {
        StopAndUnqueue(s.status);
        return;
    }
    s.status->SelectAnimation(newStatus == 0 ? side : side + 2);
    PlayOrQueue(s.status);
    StopAndUnqueue(s.hand);
}

void CVDMissionWnd::AddCapturedCard(int seat, int card, bool animate)
{
    const int slot = SlotOf(seat);
    if (slot < 0 || !back) return;
    bool matched = false;
    for (size_t side = 0; side < kSides; ++side) {
        SideState& state = sideState[side];
        Side& s = sides[side];
        for (size_t i = 0; i < state.cards.size() && i < kCardsPerSide; ++i) {
            if (state.cards[i] != card) continue;
            if (animate) {
                state.taken[0][i] = state.taken[1][i] = false;
                for (GVPSPWnd* mark : s.marks[i]) HideAndUnqueue(mark);
            }
            ShowOrQueue(s.captured[i]);
            ShowOrQueue(s.marks[i][static_cast<size_t>(slot)]);
            state.taken[static_cast<size_t>(seat)][i] = true;
            matched = true;
        }
        ApplyBrokenTest(static_cast<int>(side));
    }
    if (matched) PlaySound(MissionSound::CardTaken);
}

// A side whole again shows its hand once more: its failure had taken the hand away.
void CVDMissionWnd::ApplyBrokenTest(int side)
{
    Side& s = sides[static_cast<size_t>(side)];
    SideState& state = sideState[static_cast<size_t>(side)];
    const auto change = MissionRules::ApplyBrokenTest(state.status, state.ownFailure, IsSideBroken(side));
    state.status = change.status;
    state.ownFailure = change.ownFailure;
    if (!change.changed) return;
    if (state.status == 1) {
        s.status->SelectAnimation(side + 2);
        PlayOrQueue(s.status);
        StopAndUnqueue(s.hand);
        return;
    }
    StopAndUnqueue(s.status);
    if (!state.hand.empty() && s.hand->SelectAnimationByName(state.hand)) PlayOrQueue(s.hand);
}

void CVDMissionWnd::UpdateCardMarks()
{
    for (size_t side = 0; side < kSides; ++side) {
        Side& s = sides[side];
        for (auto& pair : s.marks)
            for (GVPSPWnd* mark : pair) HideAndUnqueue(mark);
        for (size_t i = 0; i < kCardsPerSide; ++i)
            for (int seat = 0; seat < 2; ++seat) {
                const int slot = SlotOf(seat);
                if (sideState[side].taken[static_cast<size_t>(seat)][i] && slot >= 0)
                    ShowOrQueue(s.marks[i][static_cast<size_t>(slot)]);
            }
    }
    Invalidate();
}

bool CVDMissionWnd::IsMissionCard(int card) const
{
    for (int side = 0; side < kSides; ++side) {
        const auto& cards = sideState[static_cast<size_t>(side)].cards;
        if (std::find(cards.begin(), cards.end(), card) != cards.end() && !IsSideBroken(side)) return true;
    }
    return false;
}

bool CVDMissionWnd::IsSideBroken(int side) const
{
    if (side < 0 || side >= kSides) return false;
    const SideState& state = sideState[static_cast<size_t>(side)];
    return MissionRules::IsBroken(state.taken, static_cast<int>(state.cards.size()));
}

void CVDMissionWnd::SetSkin(int newSkin)
{
    skin = newSkin;
    MissionParts::SwitchClip(back, skin, true);
    MissionParts::SwitchClip(dealing, skin, false);
    Invalidate();
}

int CVDMissionWnd::Step()
{
    int changed = CVMissionBase::Step();
    if (back && back->IsPlaying()) {
        const int frame = back->GetFrame();
        // Only on entering the frame while opening: the back holds it for several ticks, and a
        // restore puts it there at once, silently.
        if (frame == kRevealFrame && lastBackFrame != kRevealFrame && layout == Layout::Opening) {
            bool any = false;
            for (size_t side = 0; side < kSides; ++side)
                for (size_t i = 0; i < sideState[side].cards.size() && i < kCardsPerSide; ++i) {
                    sides[side].cards[i]->Show(true);
                    any = true;
                }
            if (any) PlaySound(MissionSound::Reveal);
            changed = 1;
        }
        lastBackFrame = frame;
    }
    StepDealing();
    if (changed) Invalidate();
    return changed;
}

// The sample card shows while the dealing animation passes frames 2 to 5.
void CVDMissionWnd::StepDealing()
{
    if (!dealing || !sample || layout != Layout::Opening) return;
    const int frame = dealing->GetFrame();
    const bool show = dealing->IsPlaying() && frame >= 2 && frame <= 5;
    if (show == sample->IsVisible()) return;
    if (!show) sample->Reset();
    sample->Show(show);
    Invalidate();
}
