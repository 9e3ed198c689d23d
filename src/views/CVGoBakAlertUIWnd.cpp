#include "views/CVGoBakAlertUIWnd.h"

#include "protocol/RoundRecords.h"
#include "toolkit/GVPSPNumberWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "views/core/SeatPanelRules.h"

bool CVGoBakAlertUIWnd::CreateChildren(SeatPanelOwner& panelOwner)
{
    WidgetFactory f = BeginChildren(panelOwner);
    seatOwner = &panelOwner;
    if (!Adopt(back = f.CreateQZSWnd("Jumsu\\alert_back.qzs", {0, 0}, Visible::No))) return false;
    number = f.CreatePSPNumberWnd("Jumsu\\alert_jumsu.psp", {102, 11}, {32, 21}, kNumberStyle, -1, Visible::No);
    if (!Adopt(number)) return false;
    SetPos(kOrigin);
    Show(true);
    Enable(false);
    return true;
}

void CVGoBakAlertUIWnd::Clear()
{
    CVPanel::Clear();
    seatOwner = nullptr;
    back = nullptr;
    number = nullptr;
}

void CVGoBakAlertUIWnd::Update()
{
    if (!seatOwner || !number) return;
    const CHTUser* own = seatOwner->FindOwnRoundRecord();
    if (!own) return;
    const AlertChange change = ChooseGoAlert(own->goCount, own->points, own->pointsWithGo);
    if (change.kind == AlertChange::Kind::Show) {
        back->Show(true);
        number->SetNumber(change.number);
        number->Show(true);
    } else if (change.kind == AlertChange::Kind::Hide) {
        HideAll();
    }
    Invalidate();
}

void CVGoBakAlertUIWnd::HideAll()
{
    for (GVWnd* child : Children()) child->Show(false);
    Invalidate();
}
