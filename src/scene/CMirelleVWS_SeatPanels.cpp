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

CVUserInfoWnd* CMirelleVWS::CreateUserInfoWnd(int slot)
{
    return MakePanel<CVUserInfoWnd>(*this, SeatPanelsOwner(), slot);
}

CVJumsuInfoWnd* CMirelleVWS::CreateJumsuInfoWnd(int slot)
{
    return MakePanel<CVJumsuInfoWnd>(*this, SeatPanelsOwner(), slot, static_cast<int>(options.skin));
}

CVHTIconWnd* CMirelleVWS::CreateHTIconWnd(int slot)
{
    return MakePanel<CVHTIconWnd>(*this, SeatPanelsOwner(), slot);
}

CVBakIconWnd* CMirelleVWS::CreateBakIconWnd(int slot)
{
    return MakePanel<CVBakIconWnd>(*this, SeatPanelsOwner(), slot);
}

CVGoBakAlertUIWnd* CMirelleVWS::CreateGoBakAlertUIWnd()
{
    return MakePanel<CVGoBakAlertUIWnd>(*this, SeatPanelsOwner());
}

// Each screen slot's player, score, counter and bak panels.
bool CMirelleVWS::LoadSeatPanels()
{
    SeatPanels& p = seatPanels;
    for (int slot = 0; slot < 2; ++slot) {
        const auto i = static_cast<size_t>(slot);
        if (!AddLoaded(p.userInfo[i] = CreateUserInfoWnd(slot))) return false;
        if (!AddLoaded(p.score[i] = CreateJumsuInfoWnd(slot))) return false;
        if (!AddLoaded(p.counters[i] = CreateHTIconWnd(slot))) return false;
        if (!AddLoaded(p.bakIcons[i] = CreateBakIconWnd(slot))) return false;
    }
    return true;
}

bool CMirelleVWS::LoadGoBakAlert()
{
    return AddLoaded(seatPanels.goBakAlert = CreateGoBakAlertUIWnd());
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
