#include "views/CVDMissionWnd.h"

#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVHTWnd.h"

// The back first, so it is drawn beneath the rest.
bool CVDMissionWnd::CreateChildren(PanelOwner& panelOwner, int tableSkin)
{
    WidgetFactory f = BeginChildren(panelOwner);
    skin = tableSkin;
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
            if (!Adopt(s.marks[i][slot] = f.CreatePSPWnd("Mission\\arrow.psp", card + kMarkOffset[slot], Visible::No)))
                return false;
    }
    if (!Adopt(s.multiplier = f.CreatePSPWnd("Mission\\mul.psp", at.multiplier, Visible::No))) return false;
    if (!Adopt(s.hand = f.CreateQZAniWnd("Mission\\dexplain.qza", at.hand))) return false;
    return Adopt(s.status = f.CreateQZAniWnd("Mission\\double_status.qza", at.status));
}

void CVDMissionWnd::Clear()
{
    CVPanel::Clear();
    back = dealing = nullptr;
    sample = nullptr;
    sides = {};
}

void CVDMissionWnd::Reset()
{
    if (sample) sample->Reset();
    for (const Side& s : sides)
        for (CVHTWnd* card : s.cards)
            if (card) card->Reset();
    MissionParts::HideAll(*this);
}
