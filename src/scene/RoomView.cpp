#include "scene/RoomView.h"

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
#include "views/CVObserveSystemWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/WidgetFactory.h"
#include "scene/HostLink.h"

namespace {

constexpr int kExitTries = 3;
constexpr Point kTournamentTitleAt{0, 161};
constexpr const char* kTournamentTitleImage = "Back\\tournament_title.psp";
// A robot seat's avatar point by screen slot.
constexpr Point kRobotAvatarPoint[2] = {{729, 437}, {729, 25}};

}  // namespace

int RoomView::ExitRoom()
{
    if (scene.IsUserSeated()) {
        for (int i = 0; i < kExitTries; ++i)
            if (scene.Requests().SendExitRoom()) return 1;
        scene.room.roomState = static_cast<int32_t>(RoomState::Waiting);
        scene.controls.roundStarted = false;
        scene.Flows().missions.UpdateGiveUpButton();
        scene.Link().LeaveNoticeToHost(LeaveNoticeCode::Waiting);
    }
    scene.Flows().entry.ShowEntryResult(1, "", false);
    return 1;
}

std::string RoomView::StakeName(int32_t index) const
{
    return EntryRules::StakeName(index, scene.room.roomKind);
}

void RoomView::UpdateStakeText()
{
    GVTextWnd* text = scene.entryWidgets.stakeText;
    if (!text) return;
    std::string money;
    std::string line;
    text->SetText(Format(line, "점%s", MoneyToUnitText(money, scene.room.option.stake, 2).c_str()));
    text->Show(!scene.IsDesperateRoom());
}

void RoomView::NotifyHostRoomEntered()
{
    int32_t inOut = 0;
    scene.Link().HostRequest(scene.ownUser.userKey, HostRequestCode::RoomEntered, 0, nullptr, &inOut);
}

void RoomView::HostMessage(int kind, const std::string& text1, const std::string& text2)
{
    CHostProxy(scene.Link().GetHost()).HostMessage(kind, text1, text2);
}

void RoomView::ShowInviteButton(bool show)
{
    ShowIf(scene.entryWidgets.inviteBack, show);
    if (CVPSPPushBtn* invite = scene.roomButtons.invite) {
        invite->Enable(show);
        invite->Show(show);
    }
    scene.SetDirty();
}

void RoomView::ShowRoundStartAnimation(bool show, int kind)
{
    scene.StopSoundId(SoundId::StartPromotion);
    for (GVQZAniWnd* a : scene.entryWidgets.roundStart) StopAndHide(a);
    for (const SoundId id : {SoundId::NotifyChamgi, SoundId::StartEffect, SoundId::StartDefault}) scene.StopSoundId(id);
    scene.SetDirty();
    if (!show || scene.room.roomKind == kQuietRoomKind) return;
    size_t index = 0;
    int soundId = 5;
    if (scene.IsSevenWinTournamentRoom()) {
        soundId = 83;
    } else if (scene.IsDesperateRoom()) {
        index = 3;
        soundId = 83;
    } else if (kind == 1 || kind == 2) {
        index = static_cast<size_t>(kind);
        soundId = 99;
    }
    scene.PlaySoundId(static_cast<SoundId>(soundId));
    if (GVQZAniWnd* a = scene.entryWidgets.roundStart[index]) {
        a->Show(true);
        a->Play(1, true);
    }
}

void RoomView::ShowChamgiBackground(bool show, int kind)
{
    GVPSPWnd* back = scene.entryWidgets.chamgiBackground;
    if (!back) return;
    back->Show(false);
    if (show && (kind == 1 || kind == 2)) {
        back->SetFrame(kind - 1);
        back->Show(true);
    }
}

void RoomView::HideBettingPanel()
{
    BettingWidgets& b = scene.betting;
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
    scene.SetDirty();
}

void RoomView::ShowObserveSystem(bool show)
{
    if (CVObserveSystemWnd* bar = scene.entryWidgets.observerBar) {
        if (show) bar->Refresh();
        bar->Show(show);
    }
    scene.SetDirty();
}

void RoomView::ShowRobotAvatar(int index, Point at)
{
    for (GVWnd* avatar : scene.entryWidgets.robotAvatars) ShowIf(avatar, false);
    if (index >= 0 && index < static_cast<int>(scene.entryWidgets.robotAvatars.size()) && scene.HasRobotSeat()) {
        if (GVAnimWnd* avatar = scene.entryWidgets.robotAvatars[static_cast<size_t>(index)]) {
            // (0, 0) names no place: the robot seat's avatar point.
            avatar->SetPos(at == Point{} ? RobotAvatarPoint() : at);
            avatar->Show(true);
            avatar->Play(true);
        }
    }
    scene.SetDirty();
}

Point RoomView::RobotAvatarPoint() const
{
    for (int seat = 0; seat < 2; ++seat)
        if (scene.IsRobotSeat(seat) && scene.room.seats.players[static_cast<size_t>(seat)].screenSlot == 0) return kRobotAvatarPoint[0];
    return kRobotAvatarPoint[1];
}

void RoomView::ShowTournamentTitle()
{
    // A room of another kind takes the last tournament's title away.
    if (scene.entryWidgets.tournamentTitle) {
        scene.DestroyWnd(scene.entryWidgets.tournamentTitle);
        scene.entryWidgets.tournamentTitle = nullptr;
        scene.SetDirty();
    }
    const auto frame = EntryRules::TournamentTitleFrame(scene.room.roomKind);
    if (!frame) return;
    WidgetFactory factory(scene.imageRoot, scene);
    GVPSPWnd* title = factory.CreatePSPWnd(kTournamentTitleImage, kTournamentTitleAt, Visible::Yes);
    if (!title) return;
    // Over the table's background, under every card.
    if (!scene.tableWidgets.skin || !scene.InsertWndBefore(scene.tableWidgets.skin, title)) scene.AddWndToBack(title);
    title->SetFrame(*frame);
    title->Show(true);
    scene.entryWidgets.tournamentTitle = title;
}

