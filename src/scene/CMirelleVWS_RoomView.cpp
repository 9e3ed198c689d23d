#include "scene/CMirelleVWS.h"

#include "foundation/core/Text.h"
#include "protocol/CHostProxy.h"
#include "protocol/HostInterfaces.h"
#include "table/core/EntryRules.h"
#include "toolkit/GVAnimWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/WidgetFactory.h"
#include "views/CVBakIconWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVJumsuInfoWnd.h"
#include "views/CVPSPPushBtn.h"

namespace {

constexpr int kExitTries = 3;
constexpr Point kTournamentTitleAt{0, 161};
constexpr const char* kTournamentTitleImage = "Back\\tournament_title.psp";

void ShowIf(GVWnd* wnd, bool show)
{
    if (wnd) wnd->Show(show);
}

void StopAnimation(GVQZAniWnd* animation)
{
    if (!animation) return;
    animation->Stop();
    animation->Show(false);
}

}  // namespace

int CMirelleVWS::ExitRoom()
{
    if (IsUserSeated()) {
        for (int i = 0; i < kExitTries; ++i)
            if (SendExitRoom() >= 0) return 1;
        room.roomState = static_cast<int32_t>(RoomState::Waiting);
        controls.roundStarted = false;
        // FIXME: the target-score panel's give-up button (UpdateGiveUpButton(1)) once CVDesperateWnd exists.
        LeaveNoticeToHost(3);
    }
    ShowEntryResult(1, "", false);
    return 1;
}

void CMirelleVWS::ClearTable()
{
    for (TimerId id : {TimerId::Blink, TimerId::Phase, TimerId::Popup, TimerId::Start})
        if (IsTimerRunning(id)) StopTimer(id);
    timers.phaseTimerKind = DecisionKind::None;
    StopTurnMarker();
    StopLoopSounds();
    HideNotify();
    timers.countdown = timers.countdownStart;
    timers.outlineBlink = false;
    for (CVHTWnd* card : tableWidgets.cardWnds) {
        if (!card) continue;
        card->Reset();
        SetCardSize(card, CardSizeKind::Normal);
        card->SetImageFrame(CVHTWnd::kBackFrame);
        card->SetPos(card->GetHome());
        card->Show(true);
    }
    for (GVQZAniWnd* marker : tableWidgets.missionMarkers) ShowIf(marker, false);
    StopAnimation(tableWidgets.selectSunAnimation);
    StopAnimation(entryWidgets.pickBoard);
    StopAnimation(entryWidgets.pickBoardSecond);
    for (GVQZAniWnd* button : entryWidgets.handButtons) StopAnimation(button);
    for (size_t i = 0; i < seatPanels.score.size(); ++i) {
        if (CVJumsuInfoWnd* score = seatPanels.score[i]) score->Reset();
        if (CVBakIconWnd* bak = seatPanels.bakIcons[i]) bak->HideAll();
    }
    ShowRoundStartAnimation(false, 0);
    ShowChamgiBackground(false, 0);
    gameInfo.missionMode = 0;
    // FIXME: the round result, the VIP icons, the go/bak alerts, the go/shake icons, the mission panels and
    // their sounds, the banners and the betting panel, once those panels are loaded here.
    gameInfo.Reset();
    SetDirty();
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
    for (GVQZAniWnd* a : entryWidgets.roundStart) StopAnimation(a);
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
            avatar->SetPos(at);
            avatar->Show(true);
            avatar->Play(true);
        }
    }
    SetDirty();
}

void CMirelleVWS::ShowTournamentTitle()
{
    const auto frame = EntryRules::TournamentTitleFrame(room.roomKind);
    if (!frame) return;
    if (entryWidgets.tournamentTitle) {
        DestroyWnd(entryWidgets.tournamentTitle);
        entryWidgets.tournamentTitle = nullptr;
    }
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

void CMirelleVWS::ShowHandHints(bool show)
{
    static_cast<void>(show);
    // FIXME: the hand-card hints over the marked cards, with the seat panels' hints.
}

void CMirelleVWS::ShowUserPopupMenu(bool show, int32_t userKey, Point at)
{
    static_cast<void>(show);
    static_cast<void>(userKey);
    static_cast<void>(at);
    // FIXME: the user popup menu, once it exists.
}

void CMirelleVWS::OnUserPopupCommand(int entry)
{
    static_cast<void>(entry);
    // FIXME: the popup menu's four entries, with the popup menu.
}

void CMirelleVWS::ShowOwnOutline(bool show)
{
    static_cast<void>(show);
    // FIXME: the own outline, with the hand hints.
}

void CMirelleVWS::ShowFloorSlotMarkers(int flag)
{
    static_cast<void>(flag);
    // FIXME: the floor-slot markers, with the hand hints.
}

int CMirelleVWS::RequestForcedExit(int32_t targetUserKey)
{
    static_cast<void>(targetUserKey);
    // FIXME: the forced-exit question, with the forced exit.
    return 0;
}

int CMirelleVWS::SetSkin(int skin, int reload)
{
    static_cast<void>(skin);
    static_cast<void>(reload);
    // FIXME: the table skin, with the forced exit and auto-play controls.
    return 0;
}

void CMirelleVWS::SendKickListToHost()
{
    // FIXME: the forced-exit reservations as one text to the host, with the forced exit.
}

void CMirelleVWS::RecountMissionProgress()
{
    // FIXME: the mission panels' progress from the captured piles, with the mission panels.
}
