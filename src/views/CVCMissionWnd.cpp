#include "views/CVCMissionWnd.h"

#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVHTWnd.h"

namespace {

constexpr Point kEffect{1, 45};

}  // namespace

// The back first, so it is drawn beneath the rest.
bool CVCardMissionWnd::CreateChildren(PanelOwner& panelOwner, int tableSkin)
{
    WidgetFactory f = BeginChildren(panelOwner);
    skin = tableSkin;
    if (!Adopt(back = f.CreateQZAniWnd("Mission\\back.qza", {0, 0}))) return false;
    for (int i = 0; i < places.cardCount; ++i) {
        const auto n = static_cast<size_t>(i);
        const Point at = places.cards[n];
        if (!Adopt(cards[n] = MissionParts::MakeCard(f, i, at))) return false;
        if (!Adopt(captured[n] = MissionParts::MakeCapturedOverlay(f, at))) return false;
        for (size_t slot = 0; slot < 2; ++slot) {
            marks[n][slot] = f.CreatePSPWnd("Mission\\chamgi_status.psp", places.marks[slot][n], Visible::No);
            if (!Adopt(marks[n][slot])) return false;
        }
    }
    if (!Adopt(effect = f.CreateQZAniWnd("Mission\\effect.qza", kEffect))) return false;
    MissionParts::PlaceHidden(*this, MissionParts::kPanelOrigin);
    return true;
}

void CVCardMissionWnd::Clear()
{
    CVPanel::Clear();
    back = effect = nullptr;
    cards.fill(nullptr);
    captured.fill(nullptr);
    for (auto& pair : marks) pair.fill(nullptr);
}

void CVCardMissionWnd::Reset()
{
    for (CVHTWnd* card : cards)
        if (card) card->Reset();
    MissionParts::HideAll(*this);
}
