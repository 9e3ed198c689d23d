#include "views/CVUserInfoWnd.h"

#include "protocol/Records.h"
#include "protocol/RoomCodes.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/core/SeatPanelRules.h"

bool CVUserInfoWnd::CreateChildren(SeatPanelOwner& panelOwner, int panelSeat)
{
    if (panelSeat != 0 && panelSeat != 1) return false;
    WidgetFactory f = BeginChildren(panelOwner);
    seatOwner = &panelOwner;
    seat = panelSeat;
    if (!Adopt(nameLine = MakeLine(f, {0, 25}, 0xFFFFFF))) return false;
    if (!Adopt(moneyLine = MakeLine(f, {0, 45}, 0x02D7FF))) return false;
    if (!Adopt(moneyChangeLine = MakeLine(f, {0, 65}, 0x2197FF))) return false;
    moneyChangeLine->Show(seat == 0);
    if (!Adopt(titleLine = MakeLine(f, {0, 5}, 0x61F1C2))) return false;
    if (!Adopt(statusMarks[0] = f.CreatePSPWnd(kStatusMarkImage, {4, 2}, Visible::No))) return false;
    if (!Adopt(statusMarks[1] = f.CreatePSPWnd(kStatusMarkImage, {80, 2}, Visible::No))) return false;
    statusMarks[1]->SetFrame(1);
    if (!Adopt(reservationMark = f.CreateQZAniWnd(kReservedImage, {6, 57}))) return false;
    SetPos(kOrigin[seat]);
    Show(true);
    Enable(false);
    return true;
}

GVTextWnd* CVUserInfoWnd::MakeLine(WidgetFactory& factory, Point p, uint32_t colorRef)
{
    GVTextWnd* line = factory.CreateTextWnd("", p, {100, 14}, 12, 400, colorRef);
    if (line) line->SetTextFormat(DT_CENTER);
    return line;
}

void CVUserInfoWnd::Clear()
{
    CVPanel::Clear();
    seatOwner = nullptr;
    nameLine = moneyLine = moneyChangeLine = titleLine = nullptr;
    statusMarks[0] = statusMarks[1] = nullptr;
    reservationMark = nullptr;
    startMoney = 0;
    userKey = -1;
    seat = 0;
}

bool CVUserInfoWnd::IsTournamentRoom() const
{
    return seatOwner && ::IsTournamentRoom(seatOwner->GetRoomKind());
}

void CVUserInfoWnd::SetUserInfo(const PlayerInfo& player)
{
    if (player.userKey == -1) {
        ClearInfo();
        return;
    }
    if (!nameLine) return;
    userKey = player.userKey;
    startMoney = player.startMoney;
    nameLine->SetText(player.nickname);
    const bool tournament = IsTournamentRoom();
    if (tournament) {
        titleLine->SetText(TournamentTitleText(player.tournamentWins));
        SetMoney(player.tournamentMoney, player.safeMoney);
    } else {
        titleLine->SetText(seatOwner->GetRankTitle(RankTitleIndex(player.rankLevel)));
        SetMoney(player.gameMoney, player.safeMoney);
    }
    PlayReservation(ReservationClip(player.exitReserved, player.observeReserved, tournament));
    Invalidate();
}

void CVUserInfoWnd::SetMoney(int64_t money, int64_t safeMoney)
{
    if (!moneyLine) return;
    moneyLine->SetText(MoneyLineText(money, safeMoney));
    moneyChangeLine->SetText(MoneyChangeText(money, startMoney));
    Invalidate();
}

void CVUserInfoWnd::SetNickname(const std::string& text)
{
    if (!nameLine) return;
    nameLine->SetText(text);
    Invalidate();
}

int CVUserInfoWnd::ClearInfo()
{
    for (GVTextWnd* line : {nameLine, moneyLine, moneyChangeLine, titleLine})
        if (line) line->SetText("");
    PlayReservation(-1);
    userKey = -1;
    startMoney = 0;
    Invalidate();
    return 1;
}

void CVUserInfoWnd::ShowObserveReserved(bool on)
{
    PlayReservation(ReservationClip(0, on ? 1 : 0, false));
    Invalidate();
}

void CVUserInfoWnd::ShowExitReserved(bool on)
{
    PlayReservation(ReservationClip(on ? 1 : 0, 0, IsTournamentRoom()));
    Invalidate();
}

void CVUserInfoWnd::PlayReservation(int clip)
{
    if (!reservationMark) return;
    if (clip < 0 || !reservationMark->SelectAnimation(clip)) {
        reservationMark->Stop();
        return;
    }
    reservationMark->Play(1, true);
}
