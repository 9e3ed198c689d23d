#include "views/CVCMissionWnd.h"

#include <algorithm>

#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVHTWnd.h"

namespace {

constexpr Point kEffect{1, 45};

}  // namespace

// The back first, so it is drawn beneath the rest.
bool CVCardMissionWnd::CreateChildren(MissionOwner& panelOwner, int tableSkin)
{
    WidgetFactory f = BeginChildren(panelOwner);
    BeginMission(panelOwner, tableSkin);
    if (!Adopt(back = f.CreateQZAniWnd("Mission\\back.qza", {0, 0}))) return false;
    for (int i = 0; i < places.cardCount; ++i) {
        const auto n = static_cast<size_t>(i);
        const Point at = places.cards[n];
        if (!Adopt(cards[n] = MissionParts::MakeCard(f, i, at))) return false;
        if (!Adopt(captured[n] = MissionParts::MakeCapturedOverlay(f, at))) return false;
        for (size_t slot = 0; slot < 2; ++slot) {
            marks[n][slot] = MissionParts::MakeSeatMark(f, "Mission\\chamgi_status.psp", static_cast<int>(slot),
                                                        places.marks[slot][n]);
            if (!Adopt(marks[n][slot])) return false;
        }
    }
    if (!Adopt(effect = f.CreateQZAniWnd("Mission\\effect.qza", kEffect))) return false;
    MissionParts::PlaceHidden(*this, MissionParts::kPanelOrigin);
    return true;
}

void CVCardMissionWnd::Clear()
{
    CVMissionBase::Clear();
    back = effect = nullptr;
    cards.fill(nullptr);
    captured.fill(nullptr);
    for (auto& pair : marks) pair.fill(nullptr);
}

void CVCardMissionWnd::Reset()
{
    for (CVHTWnd* card : cards)
        if (card) card->Reset();
    missionCards.clear();
    taken = {};
    ResetLayout();
    MissionParts::HideAll(*this);
}

void CVCardMissionWnd::SetCard(int index, int card)
{
    if (index < 0 || index >= places.cardCount || !back) return;
    const auto n = static_cast<size_t>(index);
    if (missionCards.size() <= n) missionCards.resize(n + 1, -1);
    missionCards[n] = card;
    cards[n]->SetCard(card);
    ShowOrQueue(cards[n]);
}

void CVCardMissionWnd::SetCardOwner(int index, int seat)
{
    if (index < 0 || index >= places.cardCount || !back) return;
    const auto n = static_cast<size_t>(index);
    for (GVPSPWnd* mark : marks[n]) HideAndUnqueue(mark);
    taken[0][n] = taken[1][n] = false;
    const int slot = SlotOf(seat);
    if (slot < 0) {
        HideAndUnqueue(captured[n]);
        return;
    }
    taken[static_cast<size_t>(seat)][n] = true;
    ShowOrQueue(captured[n]);
    ShowOrQueue(marks[n][static_cast<size_t>(slot)]);
}

int CVCardMissionWnd::GetCardOwner(int index) const
{
    if (index < 0 || index >= places.cardCount) return -1;
    const auto n = static_cast<size_t>(index);
    return taken[0][n] ? 0 : taken[1][n] ? 1 : -1;
}

void CVCardMissionWnd::UpdateCardMarks()
{
    for (int i = 0; i < places.cardCount; ++i) {
        const auto n = static_cast<size_t>(i);
        for (GVPSPWnd* mark : marks[n]) HideAndUnqueue(mark);
        for (int seat = 0; seat < 2; ++seat) {
            const int slot = SlotOf(seat);
            if (taken[static_cast<size_t>(seat)][n] && slot >= 0) ShowOrQueue(marks[n][static_cast<size_t>(slot)]);
        }
    }
    Invalidate();
}

bool CVCardMissionWnd::IsMissionCard(int card) const
{
    return card >= 0 && std::find(missionCards.begin(), missionCards.end(), card) != missionCards.end();
}

void CVCardMissionWnd::LayOut()
{
    LayOutBackAndEffect(back, effect, skin + places.backClipOffset);
}

void CVCardMissionWnd::SetSkin(int newSkin)
{
    skin = newSkin;
    MissionParts::SwitchClip(back, skin + places.backClipOffset, true);
    Invalidate();
}
