#pragma once

#include <cstdint>
#include <string>

#include "views/CVPanel.h"
#include "views/SeatPanelOwner.h"

class GVPSPWnd;
class GVQZAniWnd;
class GVTextWnd;
class PlayerInfo;

// A seat's player panel: name, money, money change (own seat only), title, two status marks and the
// reservation mark. Takes no input.
class CVUserInfoWnd : public CVPanel {
public:
    static constexpr Size kSize{100, 82};
    static constexpr Point kOrigin[2] = {{628, 435}, {628, 24}};
    static constexpr const char* kStatusMarkImage = "UserInfo\\sun_owner.psp";
    static constexpr const char* kReservedImage = "UserInfo\\reserved.qza";

    CVUserInfoWnd() : CVPanel(kSize, MouseRouting::No) {}

    // Makes the children for seat 0 (own, bottom) or 1 (top) and puts the panel at the seat's
    // origin, shown and disabled. False when a child cannot be made (reported) or the seat is wrong.
    [[nodiscard]] bool CreateChildren(SeatPanelOwner& panelOwner, int panelSeat);
    void Clear() override;

    // Fills the panel from the seat's record; a record without a user (key -1) clears it.
    void SetUserInfo(const PlayerInfo& player);
    void SetMoney(int64_t money, int64_t safeMoney);
    void SetNickname(const std::string& text);
    // Empties the texts and stops the reservation mark; the panel holds no user. Returns 1.
    int ClearInfo();
    void ShowObserveReserved(bool on);
    // Shows nothing in a tournament room.
    void ShowExitReserved(bool on);

    int32_t GetUserKey() const { return userKey; }
    int GetSeat() const { return seat; }
    GVTextWnd* GetNameLine() const { return nameLine; }
    GVTextWnd* GetMoneyLine() const { return moneyLine; }
    GVTextWnd* GetMoneyChangeLine() const { return moneyChangeLine; }
    GVTextWnd* GetTitleLine() const { return titleLine; }
    // Mark 0 or 1 (frames 0 and 1 of the status image); other code shows and hides them.
    GVPSPWnd* GetStatusMark(int index) const { return index == 1 ? statusMarks[1] : statusMarks[0]; }
    GVQZAniWnd* GetReservationMark() const { return reservationMark; }

private:
    GVTextWnd* MakeLine(WidgetFactory& factory, Point p, uint32_t colorRef);
    bool IsTournamentRoom() const;
    // Plays the reservation clip once, holding its last frame; -1 stops the mark.
    void PlayReservation(int clip);

    SeatPanelOwner* seatOwner = nullptr;
    GVTextWnd* nameLine = nullptr;
    GVTextWnd* moneyLine = nullptr;
    GVTextWnd* moneyChangeLine = nullptr;
    GVTextWnd* titleLine = nullptr;
    GVPSPWnd* statusMarks[2] = {};
    GVQZAniWnd* reservationMark = nullptr;
    int64_t startMoney = 0;
    int32_t userKey = -1;
    int seat = 0;
};
