#include "views/CVBakIconWnd.h"

#include <algorithm>

#include "protocol/RoundRecords.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/core/SeatPanelRules.h"

bool CVBakIconWnd::CreateChildren(PanelOwner& panelOwner, int seat)
{
    if (seat != 0 && seat != 1) return false;
    WidgetFactory f = BeginChildren(panelOwner);
    for (int i = 0; i < kIconCount; ++i) {
        if (!Adopt(icons[i] = f.CreateQZAniWnd(kIconImage, {27 * i, 0}))) return false;
        // A bak picture of a single animation serves all three icons.
        icons[i]->SelectAnimation(std::min(i, std::max(icons[i]->GetSubAnimationCount(), 1) - 1));
    }
    SetPos(kOrigin[seat]);
    Show(true);
    Enable(false);
    return true;
}

void CVBakIconWnd::Clear()
{
    CVPanel::Clear();
    for (GVQZAniWnd*& icon : icons) icon = nullptr;
}

void CVBakIconWnd::SetBakFlags(const CHTUser& user)
{
    if (!icons[0]) return;
    const int32_t flags[kIconCount] = {user.gwangBak, user.meongTta, user.piBak};
    for (int i = 0; i < kIconCount; ++i) {
        const IconChange change = NextBakIcon(flags[i], icons[i]->IsVisible());
        if (change.kind == IconChange::Kind::Play) icons[i]->Play(1, true);
        if (change.kind == IconChange::Kind::Hide) icons[i]->Stop();
    }
    Invalidate();
}

int CVBakIconWnd::HideAll()
{
    for (GVQZAniWnd* icon : icons)
        if (icon) icon->Stop();
    Invalidate();
    return 1;
}
