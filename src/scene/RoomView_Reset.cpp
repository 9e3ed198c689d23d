#include "scene/RoomView.h"

#include "scene/CMirelleVWS.h"

#include "scene/PeripheryPanels.h"
#include "scene/WidgetOps.h"
#include "table/TableEngine.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CCheckNotice.h"
#include "views/CVBakIconWnd.h"
#include "views/CVCMissionWnd.h"
#include "views/CVDMissionWnd.h"
#include "views/CVGFPlayCountWnd.h"
#include "views/CVGoBakAlertUIWnd.h"
#include "views/CVHTIconWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVJumsuInfoWnd.h"
#include "views/CVKJMissionWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVRestrictOptionWnd.h"
#include "views/CVSMissionWnd.h"
#include "views/CVUserInfoWnd.h"
#include "scene/HostLink.h"
#include "scene/RoomOptions.h"
#include "scene/SceneResult.h"
#include "scene/SeatView.h"
#include "scene/RoomInput.h"
#include "scene/ScenePrompt.h"
#include "table/flows/RoomStage.h"

// Clears what a round left on the table; the seats, the room and the user lists but the kick
// reservations stay. A running decision stops without its time-out answer.
void RoomView::ClearTable()
{
    for (TimerId id : {TimerId::Blink, TimerId::Phase, TimerId::Popup, TimerId::Start})
        if (scene.IsTimerRunning(id)) scene.StopTimer(id);
    scene.timers.phaseTimerKind = CMirelleVWS::DecisionKind::None;
    if (GVQZAniWnd* blink = scene.tableWidgets.turnBlinkAnimation) blink->Stop();
    scene.StopLoopSounds();
    scene.Prompt().HideNotify();
    scene.Result().HideRoundResult();
    scene.vip.HideAllIcons();
    scene.StopTurnMarker();
    if (CVGoBakAlertUIWnd* alert = scene.seatPanels.goBakAlert) alert->HideAll();
    scene.timers.countdown = scene.timers.countdownStart;
    scene.timers.outlineBlink = false;
    // A bonus card's pointer at the other seat's pi, when the round ended before the next turn.
    scene.tableState.handPointerShown = false;
    Hide(scene.tableWidgets.handPointer);
    ClearCardWnds();
    for (size_t i = 0; i < scene.seatPanels.score.size(); ++i) {
        if (CVJumsuInfoWnd* score = scene.seatPanels.score[i]) score->Reset();
        if (CVHTIconWnd* counters = scene.seatPanels.counters[i]) counters->Reset();
        if (CVBakIconWnd* bak = scene.seatPanels.bakIcons[i]) bak->HideAll();
    }
    if (scene.periphery.restrictOption) scene.periphery.restrictOption->Reset();
    if (scene.missions.single) scene.missions.single->Reset();
    if (scene.missions.twoCard) scene.missions.twoCard->Reset();
    if (scene.missions.cardC) scene.missions.cardC->Reset();
    if (scene.missions.cardC2) scene.missions.cardC2->Reset();
    if (scene.missions.kungjjak) scene.missions.kungjjak->Reset();
    scene.StopSoundId(SoundTables::SoundId::NotifyGoBak);
    ShowRoundStartAnimation(false, 0);
    ShowChamgiBackground(false, 0);
    ClearTableMarks();
    scene.promotion.ShowEventBanner(false);
    scene.promotion.StopJackpot();
    HideBettingPanel();
    scene.controls.macroEnabled = true;
    scene.Options().SetMacroEnabled(true);
    scene.gameInfo.Reset();
    scene.tableState.active = false;
    scene.SetDirty();
}

// The 50 card windows face down at home, the entry pick's widgets stopped.
void RoomView::ClearCardWnds()
{
    for (CVHTWnd* card : scene.tableWidgets.cardWnds) {
        if (!card) continue;
        card->Reset();
        card->SetAlpha(255);  // a flash of the announced cards may have left it see-through
        scene.Engine().SetCardSize(card, CardSizeKind::Normal);
        card->SetImageFrame(CVHTWnd::kBackFrame);
        card->SetPos(card->GetHome());
        card->Show(true);
    }
    RestoreCardOrder();
    scene.Engine().ClearPileMarks();
    // The next round's messages write the stake again.
    if (GVTextWnd* stake = scene.entryWidgets.stakeText) stake->SetText("");
    for (GVQZSWnd* pass : scene.tableWidgets.holdBombs) Hide(pass);
    StopAndHide(scene.tableWidgets.selectSunAnimation);
    StopAndHide(scene.entryWidgets.pickBoard);
    StopAndHide(scene.entryWidgets.pickBoardSecond);
    for (GVQZAniWnd* button : scene.entryWidgets.handButtons) StopAndHide(button);
}

// Play raised cards to the moving layer: back to the loader's order over the floor outlines, card 49
// at the bottom and card 0 on top, each with its pile marker and mission marker over it.
void RoomView::RestoreCardOrder()
{
    TableWidgets& t = scene.tableWidgets;
    GVWnd* below = t.litOutlines.back() ? static_cast<GVWnd*>(t.litOutlines.back()) : t.floorMarkers.back();
    if (!below) return;
    for (size_t i = t.cardWnds.size(); i-- > 0;) {
        for (GVWnd* w : {static_cast<GVWnd*>(t.cardWnds[i]), static_cast<GVWnd*>(t.cardBoxes[i]),
                         static_cast<GVWnd*>(t.missionMarkers[i])}) {
            if (!w || !scene.InsertWndBefore(below, w)) continue;
            below = w;
        }
    }
}

// The markers, hints, popups and effects over the table.
void RoomView::ClearTableMarks()
{
    scene.Seats().ShowFloorSlotMarkers(0);
    scene.Seats().ShowOwnOutline(false);
    for (GVQZAniWnd* marker : scene.tableWidgets.missionMarkers) Hide(marker);
    scene.Seats().ShowHandHints(false);
    Hide(scene.roomMarks.nineTenClip);
    scene.ShowActionPopup(-1, 0);
    scene.PlayEffect(RoomStage::kHideEffects, -1);
    ShowRobotAvatar(static_cast<int>(scene.entryWidgets.robotAvatars.size()), {0, 0});
    scene.gameInfo.missionMode = 0;
    StopAndHide(scene.effects.goBakAnimation);
    StopAndHide(scene.tableWidgets.dealAnimation);
    StopAndHide(scene.tableWidgets.goCountAnimation);
    StopAndHide(scene.tableWidgets.turnHint);
}

void RoomView::ResetRoomView()
{
    scene.StopTimer(TimerId::Frame);
    scene.Input().ShowStartButton(false);
    scene.Options().UpdateExitButtons(1);
    scene.Options().UpdatePlayObserveButtons(0);
    ShowInviteButton(false);
    ClearTable();
    if (scene.periphery.checkNotice) scene.periphery.checkNotice->Reset();
    scene.Periphery().Reset();
    scene.gameInfo.missionMusic = 0;
    if (scene.Options().CloseOptionWindow()) scene.Options().SetTitleButtonState("option", true, true, 0);
    // Open but hidden with a minimised host counts as open.
    if (scene.vip.Helper().IsOpen()) {
        scene.vip.Helper().DestroyVIPDialog();
        scene.Options().SetTitleButtonState("vip", true, true, 0);
    }
    if (GVTextWnd* title = scene.roomButtons.titleText) {
        title->Show(true);
        title->Enable(true);
    }
    if (scene.periphery.playCount) scene.periphery.playCount->Reset();
    ClearSeatPanels();
    if (GVQZAniWnd* blink = scene.tableWidgets.turnBlinkAnimation) blink->Stop();
    scene.StopBlinkTimer();
    scene.Options().SetTitleBarText("");
    scene.Seats().ShowUserPopupMenu(false, -1, {0, 0});
    scene.gameInfo.voiceMuted.clear();
    scene.room.Clear();
    scene.room.roomState = static_cast<int32_t>(RoomState::None);
    Hide(scene.entryWidgets.tournamentTitle);
    scene.Options().SetAutoPlay(false);
    // As after loading: the title bar keeps the auto-play button, disabled until the next deal.
    if (GVWnd* setting = scene.roomButtons.autoPlaySetting) setting->Show(true);
    scene.Options().SetAutoPlayButtonEnabled(false);
    Hide(scene.roomButtons.autoPlayCancel);
    ShowObserveSystem(false);
    for (size_t i = 0; i < scene.moneyWidgets.refill.size(); ++i) {
        StopAndHide(scene.moneyWidgets.refill[i]);
        Hide(scene.moneyWidgets.refillTexts[i]);
    }
    StopAndHide(scene.roomWidgets.hourlyAnimation);
    StopAndHide(scene.roomWidgets.waitingAnimation);
    StopAndHide(scene.roomWidgets.playingAnimation);
    StopAndHide(scene.roomWidgets.entryAnimation);
    // The frame timer is off until the next entry: nothing would end these.
    scene.vip.HideAlert();
    scene.promotion.HideAll();
    scene.monthSlotFlags.fill(true);
    // The old room's messages still waiting would play on the new one; a handler running keeps its own.
    if (scene.queue.busy) scene.queue.ClearQueue();
    else scene.queue.Clear();
    scene.SetDirty();
}

// Both seats' panels empty: no avatar, user, score, counters, bak icons or marks.
void RoomView::ClearSeatPanels()
{
    for (size_t slot = 0; slot < scene.seatPanels.userInfo.size(); ++slot) {
        scene.Link().RemoveAvatarAt(static_cast<int32_t>(slot));
        if (CVUserInfoWnd* info = scene.seatPanels.userInfo[slot]) {
            info->ClearInfo();
            for (int mark = 0; mark < 2; ++mark) Hide(info->GetStatusMark(mark));
        }
        if (CVJumsuInfoWnd* score = scene.seatPanels.score[slot]) score->Reset();
        if (CVHTIconWnd* counters = scene.seatPanels.counters[slot]) counters->Reset();
        if (CVBakIconWnd* bak = scene.seatPanels.bakIcons[slot]) bak->HideAll();
        Hide(scene.avatarMarks.firstPlayer[slot]);
        Hide(scene.avatarMarks.robot[slot]);
        Hide(scene.avatarMarks.badge[slot]);
    }
}
