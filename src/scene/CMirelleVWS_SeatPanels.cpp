#include "scene/CMirelleVWS.h"

#include "scene/PanelMaker.h"
#include "views/CVBakIconWnd.h"
#include "views/CVGoBakAlertUIWnd.h"
#include "views/CVHTIconWnd.h"
#include "views/CVJumsuInfoWnd.h"
#include "views/CVUserInfoWnd.h"

const CHTUser* CMirelleVWS::FindOwnRoundRecord() const
{
    const int seat = FindSeatByKey(ownUser.userKey);
    return seat >= 0 ? &RoundUser(seat) : nullptr;
}

// Each screen slot's player, score, counter and bak panels.
bool CMirelleVWS::LoadSeatPanels()
{
    SeatPanels& p = seatPanels;
    for (int slot = 0; slot < 2; ++slot) {
        const auto i = static_cast<size_t>(slot);
        p.userInfo[i] = MakePanel<CVUserInfoWnd>(*this, SeatPanelsOwner(), slot);
        if (!AddLoaded(p.userInfo[i])) return false;
        p.score[i] = MakePanel<CVJumsuInfoWnd>(*this, SeatPanelsOwner(), slot, static_cast<int>(options.skin));
        if (!AddLoaded(p.score[i])) return false;
        p.counters[i] = MakePanel<CVHTIconWnd>(*this, SeatPanelsOwner(), slot);
        if (!AddLoaded(p.counters[i])) return false;
        p.bakIcons[i] = MakePanel<CVBakIconWnd>(*this, SeatPanelsOwner(), slot);
        if (!AddLoaded(p.bakIcons[i])) return false;
    }
    return true;
}

bool CMirelleVWS::LoadGoBakAlert()
{
    seatPanels.goBakAlert = MakePanel<CVGoBakAlertUIWnd>(*this, SeatPanelsOwner());
    return AddLoaded(seatPanels.goBakAlert);
}

void CMirelleVWS::StepSeatPanels()
{
    const SeatPanels& p = seatPanels;
    for (size_t i = 0; i < 2; ++i) {
        for (CVPanel* panel : {static_cast<CVPanel*>(p.userInfo[i]), static_cast<CVPanel*>(p.score[i]),
                               static_cast<CVPanel*>(p.counters[i]), static_cast<CVPanel*>(p.bakIcons[i])})
            if (panel && panel->Step()) SetDirty();
    }
    if (p.goBakAlert && p.goBakAlert->Step()) SetDirty();
}

void CMirelleVWS::ShowSeatMoney(int seat)
{
    if (!room.seats.players.IsValidIndex(seat)) return;
    const PlayerInfo& p = GetPlayer(seat);
    if (p.screenSlot < 0 || p.screenSlot > 1) return;
    CVUserInfoWnd* info = seatPanels.userInfo[static_cast<size_t>(p.screenSlot)];
    if (!info) return;
    info->SetMoney(IsTournamentRoom() ? p.tournamentMoney : p.gameMoney, p.safeMoney);
    SetDirty();
}

void CMirelleVWS::UpdateGoBakAlert()
{
    if (seatPanels.goBakAlert) seatPanels.goBakAlert->Update();
    SetDirty();
}
