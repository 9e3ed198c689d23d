#include "scene/SeatView.h"

#include "scene/CMirelleVWS.h"

#include "scene/PanelMaker.h"
#include "views/CVBakIconWnd.h"
#include "views/CVGoBakAlertUIWnd.h"
#include "views/CVHTIconWnd.h"
#include "views/CVJumsuInfoWnd.h"
#include "views/CVUserInfoWnd.h"

const CHTUser* SeatView::FindOwnRoundRecord() const
{
    const int seat = scene.OwnSeat();
    return seat >= 0 ? &scene.RoundUser(seat) : nullptr;
}

void SeatView::StepSeatPanels()
{
    const SeatPanels& p = scene.seatPanels;
    for (size_t i = 0; i < 2; ++i) {
        for (CVPanel* panel : {static_cast<CVPanel*>(p.userInfo[i]), static_cast<CVPanel*>(p.score[i]),
                               static_cast<CVPanel*>(p.counters[i]), static_cast<CVPanel*>(p.bakIcons[i])})
            if (panel && panel->Step()) scene.SetDirty();
    }
    if (p.goBakAlert && p.goBakAlert->Step()) scene.SetDirty();
}

void SeatView::ShowSeatMoney(int seat)
{
    if (!scene.room.seats.players.IsValidIndex(seat)) return;
    const PlayerInfo& p = scene.GetPlayer(seat);
    if (p.screenSlot < 0 || p.screenSlot > 1) return;
    CVUserInfoWnd* info = scene.seatPanels.userInfo[static_cast<size_t>(p.screenSlot)];
    if (!info) return;
    info->SetMoney(scene.IsTournamentRoom() ? p.tournamentMoney : p.gameMoney, p.safeMoney);
    scene.SetDirty();
}

void SeatView::UpdateGoBakAlert()
{
    if (scene.seatPanels.goBakAlert) scene.seatPanels.goBakAlert->Update();
    scene.SetDirty();
}
