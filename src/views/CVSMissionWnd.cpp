#include "views/CVSMissionWnd.h"

#include <algorithm>

#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVHTWnd.h"

namespace {

constexpr Point kSpecialIcon{52, 130};
constexpr Point kMultiplier = PanelLayout::kSingleMissionMultiplier;
constexpr Point kCaption{34, 211};
constexpr Size kCaptionSize{165, 14};
constexpr uint32_t kCaptionColor = 0xFFFFFF;
constexpr Point kStatus{49, 200};
constexpr Point kEffect{1, 45};

}  // namespace

// The back first, so it is drawn beneath the rest.
bool CVSMissionWnd::CreateChildren(MissionOwner& panelOwner, int tableSkin)
{
    WidgetFactory f = BeginChildren(panelOwner);
    BeginMission(panelOwner, tableSkin);
    if (!Adopt(back = f.CreateQZAniWnd("Mission\\back.qza", {0, 0}))) return false;
    for (int i = 0; i < kCards; ++i) {
        const auto n = static_cast<size_t>(i);
        const Point at = kFirstCard + Point{i * MissionRules::kCardWidth, 0};
        if (!Adopt(cards[n] = MissionParts::MakeCard(f, i, at))) return false;
        if (!Adopt(captured[n] = MissionParts::MakeCapturedOverlay(f, at))) return false;
        for (size_t slot = 0; slot < 2; ++slot)
            if (!Adopt(marks[n][slot] = MissionParts::MakeSeatMark(f, "Mission\\arrow.psp", static_cast<int>(slot),
                                                                   at + kMarkOffset[slot])))
                return false;
    }
    if (!Adopt(special = f.CreatePSPWnd("Mission\\special.psp", kSpecialIcon, Visible::No))) return false;
    if (!Adopt(multiplier = f.CreatePSPWnd("Mission\\mul.psp", kMultiplier, Visible::No))) return false;
    if (!Adopt(caption = f.CreateTextWnd("", kCaption, kCaptionSize, 12, 700, kCaptionColor))) return false;
    caption->SetTextFormat(DT_CENTER);
    if (!Adopt(statusAnimation = f.CreateQZAniWnd("Mission\\status.qza", kStatus))) return false;
    if (!Adopt(effect = f.CreateQZAniWnd("Mission\\effect.qza", kEffect))) return false;
    MissionParts::PlaceHidden(*this, MissionParts::kPanelOrigin);
    return true;
}

void CVSMissionWnd::Clear()
{
    CVMissionBase::Clear();
    back = statusAnimation = effect = nullptr;
    special = multiplier = nullptr;
    cards.fill(nullptr);
    captured.fill(nullptr);
    for (auto& pair : marks) pair.fill(nullptr);
    caption = nullptr;
}

void CVSMissionWnd::Reset()
{
    cardMission = false;
    missionCards.clear();
    taken = {};
    status = -1;
    ownFailure = false;
    for (CVHTWnd* card : cards)
        if (card) card->Reset();
    if (statusAnimation) statusAnimation->Stop();
    ResetLayout();
    MissionParts::HideAll(*this);
}

void CVSMissionWnd::SetMission(int id, int multiplierValue, bool sevenPointRoom)
{
    const auto plan = MissionRules::PlanSingleMission(id, multiplierValue, sevenPointRoom);
    if (!plan || !back) return;
    const Point origin = GetRect().TopLeft();
    if (plan->cards.empty()) {
        special->SetFrame(plan->specialFrame);
        ShowOrQueue(special);
    } else {
        const int count = std::min(static_cast<int>(plan->cards.size()), kCards);
        const int spacing = MissionRules::CardSpacing(count);
        for (int i = 0; i < count; ++i) {
            const auto n = static_cast<size_t>(i);
            const Point at = origin + kFirstCard + Point{i * spacing, 0};
            cards[n]->SetPos(at);
            cards[n]->SetHome(at);
            cards[n]->SetCard(plan->cards[n]);
            captured[n]->SetPos(at);
            for (size_t slot = 0; slot < 2; ++slot) marks[n][slot]->SetPos(at + kMarkOffset[slot]);
            ShowOrQueue(cards[n]);
            missionCards.push_back(plan->cards[n]);
        }
        cardMission = true;
    }
    caption->SetText(plan->caption);
    ShowOrQueue(caption);
    if (plan->multiplierFrame >= 0) {
        multiplier->SetFrame(plan->multiplierFrame);
        ShowOrQueue(multiplier);
    }
}

void CVSMissionWnd::LayOut()
{
    LayOutBackAndEffect(back, effect, skin);
}

void CVSMissionWnd::SetStatus(int newStatus)
{
    if (newStatus < -1 || newStatus > 1 || !statusAnimation) return;
    status = newStatus;
    ownFailure = false;
    if (status == -1) {
        ShowCaption();
        return;
    }
    ShowStatus(status);
}

void CVSMissionWnd::ShowStatus(int clip)
{
    statusAnimation->SelectAnimation(clip);
    PlayOrQueue(statusAnimation);
    HideAndUnqueue(caption);
}

void CVSMissionWnd::ShowCaption()
{
    StopAndUnqueue(statusAnimation);
    ShowOrQueue(caption);
}

void CVSMissionWnd::AddCapturedCard(int seat, int card, bool animate)
{
    const int slot = SlotOf(seat);
    if (!cardMission || slot < 0) return;
    bool matched = false;
    for (size_t i = 0; i < missionCards.size(); ++i) {
        if (missionCards[i] != card) continue;
        if (animate) {
            taken[0][i] = taken[1][i] = false;
            for (GVPSPWnd* mark : marks[i]) HideAndUnqueue(mark);
        }
        ShowOrQueue(captured[i]);
        ShowOrQueue(marks[i][static_cast<size_t>(slot)]);
        taken[static_cast<size_t>(seat)][i] = true;
        matched = true;
    }
    if (matched) PlaySound(MissionSound::CardTaken);
    const MissionRules::BrokenChange change = MissionRules::ApplyBrokenTest(status, ownFailure, IsBroken());
    status = change.status;
    ownFailure = change.ownFailure;
    if (!change.changed) return;
    if (status == 1) ShowStatus(1);
    else ShowCaption();
}

void CVSMissionWnd::UpdateCardMarks()
{
    if (!cardMission) return;
    for (auto& pair : marks)
        for (GVPSPWnd* mark : pair) HideAndUnqueue(mark);
    for (size_t i = 0; i < missionCards.size(); ++i)
        for (int seat = 0; seat < 2; ++seat) {
            const int slot = SlotOf(seat);
            if (taken[static_cast<size_t>(seat)][i] && slot >= 0) ShowOrQueue(marks[i][static_cast<size_t>(slot)]);
        }
    Invalidate();
}

bool CVSMissionWnd::IsMissionCard(int card) const
{
    if (!cardMission || IsBroken()) return false;
    return std::find(missionCards.begin(), missionCards.end(), card) != missionCards.end();
}

bool CVSMissionWnd::IsBroken() const
{
    return cardMission && MissionRules::IsBroken(taken, static_cast<int>(missionCards.size()));
}

void CVSMissionWnd::SetSkin(int newSkin)
{
    skin = newSkin;
    if (!back || !back->IsVisible()) return;
    const int frame = back->GetFrame();
    back->SelectAnimation(skin);
    back->Play(1, true);
    back->SetFrame(frame);
    Invalidate();
}
