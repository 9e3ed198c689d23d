#include "views/CVGFPlayCountWnd.h"

#include "toolkit/GVDDSWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVPSPPushBtn.h"

bool CVGFPlayCountWnd::CreateChildren(PanelOwner& room)
{
    WidgetFactory f = BeginChildren(room);
    if (!Adopt(alert = f.CreateQZAniWnd("PCRefill\\alert.qza", {0, 0}))) return false;
    // Two pixels high; its width follows the games left.
    if (!Adopt(gauge = f.CreateDDSWnd("PCRefill\\gauge.bmp", -1, {4, 16}, {38, 2}))) return false;
    if (!Adopt(countText = f.CreateTextWnd("", {5, 5}, {36, 14}, 12, 400, 0x00FF00))) return false;
    countText->SetTextFormat(DT_RIGHT);
    refillButton = f.CreatePSPPushBtn("PCRefill\\btn.psp", {0, 0}, Visible::Yes, kRefillImageSets);
    if (!Adopt(refillButton)) return false;
    SetPos(kOrigin);
    Reset();
    return true;
}

void CVGFPlayCountWnd::Clear()
{
    CVPanel::Clear();
    alert = nullptr;
    gauge = nullptr;
    countText = nullptr;
    refillButton = nullptr;
}

int CVGFPlayCountWnd::Reset()
{
    for (GVWnd* child : Children()) child->Show(false);
    Show(false);
    Invalidate();
    return 1;
}
