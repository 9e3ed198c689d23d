#include "scene/CMirelleVWS.h"

#include "foundation/core/Text.h"
#include "protocol/CHostProxy.h"
#include "protocol/HostInterfaces.h"
#include "scene/WidgetOps.h"
#include "table/core/EntryRules.h"
#include "table/flows/RoomFlows.h"
#include "toolkit/GVAnimWnd.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/WidgetFactory.h"

namespace {

constexpr int kExitTries = 3;
constexpr Point kTournamentTitleAt{0, 161};
constexpr const char* kTournamentTitleImage = "Back\\tournament_title.psp";
// A robot seat's avatar point by screen slot.
constexpr Point kRobotAvatarPoint[2] = {{729, 437}, {729, 25}};

}  // namespace

int CMirelleVWS::ExitRoom()
{
    if (IsUserSeated()) {
        for (int i = 0; i < kExitTries; ++i)
            if (Requests().SendExitRoom()) return 1;
        room.roomState = static_cast<int32_t>(RoomState::Waiting);
        controls.roundStarted = false;
        // FIXME: the target-score panel's give-up button (UpdateGiveUpButton(1)) once CVDesperateWnd exists.
        LeaveNoticeToHost(3);
    }
    Flows().entry.ShowEntryResult(1, "", false);
    return 1;
}

std::string CMirelleVWS::StakeName(int32_t index) const
{
    return EntryRules::StakeName(index, room.roomKind);
}

void CMirelleVWS::UpdateStakeText()
{
    GVTextWnd* text = entryWidgets.stakeText;
    if (!text) return;
    std::string money;
    std::string line;
    text->SetText(Format(line, "점%s", MoneyToUnitText(money, room.option.stake, 2).c_str()));
    text->Show(!IsDesperateRoom());
    SetDirty();
}

void CMirelleVWS::NotifyHostRoomEntered()
{
    int32_t inOut = 0;
    HostRequest(ownUser.userKey, HostRequestCode::RoomEntered, 0, nullptr, &inOut);
}

void CMirelleVWS::HostMessage(int kind, const std::string& text1, const std::string& text2)
{
    CHostProxy(GetHost()).HostMessage(kind, text1, text2);
}

void CMirelleVWS::ShowInviteButton(bool show)
{
    ShowIf(entryWidgets.inviteBack, show);
    if (CVPSPPushBtn* invite = roomButtons.invite) {
        invite->Enable(show);
        invite->Show(show);
    }
    SetDirty();
}

void CMirelleVWS::ShowRoundStartAnimation(bool show, int kind)
{
    using SoundTables::SoundId;
    StopSoundId(SoundId::StartPromotion);
    for (GVQZAniWnd* a : entryWidgets.roundStart) StopAndHide(a);
    for (const SoundId id : {SoundId::NotifyChamgi, SoundId::StartEffect, SoundId::StartDefault}) StopSoundId(id);
    SetDirty();
    if (!show || room.roomKind == 60) return;
    size_t index = 0;
    int soundId = 5;
    if (IsRoomKind20To26()) {
        soundId = 83;
    } else if (IsDesperateRoom()) {
        index = 3;
        soundId = 83;
    } else if (kind == 1 || kind == 2) {
        index = static_cast<size_t>(kind);
        soundId = 99;
    }
    PlaySoundId(static_cast<SoundId>(soundId));
    if (GVQZAniWnd* a = entryWidgets.roundStart[index]) {
        a->Show(true);
        a->Play(1, true);
    }
}

void CMirelleVWS::ShowChamgiBackground(bool show, int kind)
{
    GVPSPWnd* back = entryWidgets.chamgiBackground;
    if (!back) return;
    back->Show(false);
    if (show && (kind == 1 || kind == 2)) {
        back->SetFrame(kind - 1);
        back->Show(true);
    }
    SetDirty();
}

void CMirelleVWS::HideBettingPanel()
{
    BettingWidgets& b = betting;
    StopAndHide(b.back);
    for (CVPSPPushBtn* button : b.buttons) {
        if (!button) continue;
        button->Enable(false);
        button->Show(false);
    }
    ShowIf(b.text, false);
    for (GVQZAniWnd* kind : b.kinds) StopAndHide(kind);
    ShowIf(b.dieWarning, false);
    StopAndHide(b.multiplier);
    ShowIf(b.tableCover, false);
    SetDirty();
}

void CMirelleVWS::ShowObserveSystem(bool show)
{
    // FIXME: refresh the observer bar (CVObserveSystemWnd::Refresh) before showing it, once it is loaded.
    ShowIf(entryWidgets.observerBar, show);
    SetDirty();
}

void CMirelleVWS::ShowRobotAvatar(int index, Point at)
{
    for (GVWnd* avatar : entryWidgets.robotAvatars) ShowIf(avatar, false);
    if (index >= 0 && index < static_cast<int>(entryWidgets.robotAvatars.size()) && HasRobotSeat()) {
        if (GVAnimWnd* avatar = entryWidgets.robotAvatars[static_cast<size_t>(index)]) {
            // (0, 0) names no place: the robot seat's avatar point.
            avatar->SetPos(at == Point{} ? RobotAvatarPoint() : at);
            avatar->Show(true);
            avatar->Play(true);
        }
    }
    SetDirty();
}

Point CMirelleVWS::RobotAvatarPoint() const
{
    for (int seat = 0; seat < 2; ++seat)
        if (IsRobotSeat(seat) && room.seats.players[static_cast<size_t>(seat)].screenSlot == 0) return kRobotAvatarPoint[0];
    return kRobotAvatarPoint[1];
}

void CMirelleVWS::ShowTournamentTitle()
{
    // A room of another kind takes the last tournament's title away.
    if (entryWidgets.tournamentTitle) {
        DestroyWnd(entryWidgets.tournamentTitle);
        entryWidgets.tournamentTitle = nullptr;
        SetDirty();
    }
    const auto frame = EntryRules::TournamentTitleFrame(room.roomKind);
    if (!frame) return;
    WidgetFactory factory(imageRoot, *this);
    GVPSPWnd* title = factory.CreatePSPWnd(kTournamentTitleImage, kTournamentTitleAt, Visible::Yes);
    if (!title) return;
    // Over the table's background, under every card.
    if (!tableWidgets.skin || !InsertWndBefore(tableWidgets.skin, title)) AddWndToBack(title);
    title->SetFrame(*frame);
    title->Show(true);
    entryWidgets.tournamentTitle = title;
    SetDirty();
}

