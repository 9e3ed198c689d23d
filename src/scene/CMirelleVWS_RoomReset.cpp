#include "scene/CMirelleVWS.h"

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

// Clears what a round left on the table; the seats, the room and the user lists but the kick
// reservations stay. A running decision stops without its time-out answer.
void CMirelleVWS::ClearTable()
{
    for (TimerId id : {TimerId::Blink, TimerId::Phase, TimerId::Popup, TimerId::Start})
        if (IsTimerRunning(id)) StopTimer(id);
    timers.phaseTimerKind = DecisionKind::None;
    if (GVQZAniWnd* blink = tableWidgets.turnBlinkAnimation) blink->Stop();
    StopLoopSounds();
    HideNotify();
    HideRoundResult();
    // FIXME: CMirelleVIPMgr::HideAllIcons (), with the VIP messages.
    StopTurnMarker();
    if (CVGoBakAlertUIWnd* alert = seatPanels.goBakAlert) alert->HideAll();
    timers.countdown = timers.countdownStart;
    timers.outlineBlink = false;
    ClearCardWnds();
    for (size_t i = 0; i < seatPanels.score.size(); ++i) {
        if (CVJumsuInfoWnd* score = seatPanels.score[i]) score->Reset();
        if (CVHTIconWnd* counters = seatPanels.counters[i]) counters->Reset();
        if (CVBakIconWnd* bak = seatPanels.bakIcons[i]) bak->HideAll();
    }
    if (periphery.restrictOption) periphery.restrictOption->Reset();
    if (missions.single) missions.single->Reset();
    if (missions.twoCard) missions.twoCard->Reset();
    if (missions.cardC) missions.cardC->Reset();
    if (missions.cardC2) missions.cardC2->Reset();
    if (missions.kungjjak) missions.kungjjak->Reset();
    StopSoundId(SoundTables::SoundId::NotifyGoBak);
    ShowRoundStartAnimation(false, 0);
    ShowChamgiBackground(false, 0);
    ClearTableMarks();
    // FIXME: CMirellePromotionMgr::ShowEventBanner (0), with the promotions.
    HideBettingPanel();
    controls.macroEnabled = true;
    SetMacroEnabled(true);
    gameInfo.Reset();
    SetDirty();
}

// The 50 card windows face down at home, the entry pick's widgets stopped.
void CMirelleVWS::ClearCardWnds()
{
    for (CVHTWnd* card : tableWidgets.cardWnds) {
        if (!card) continue;
        card->Reset();
        card->SetAlpha(255);  // a flash of the announced cards may have left it see-through
        Engine().SetCardSize(card, CardSizeKind::Normal);
        card->SetImageFrame(CVHTWnd::kBackFrame);
        card->SetPos(card->GetHome());
        card->Show(true);
    }
    RestoreCardOrder();
    // The next round's messages write the stake again.
    if (GVTextWnd* stake = entryWidgets.stakeText) stake->SetText("");
    for (GVQZSWnd* pass : tableWidgets.holdBombs) Hide(pass);
    StopAndHide(tableWidgets.selectSunAnimation);
    StopAndHide(entryWidgets.pickBoard);
    StopAndHide(entryWidgets.pickBoardSecond);
    for (GVQZAniWnd* button : entryWidgets.handButtons) StopAndHide(button);
}

// Play raised cards to the moving layer: back to the loader's order over the floor outlines, card 49
// at the bottom and card 0 on top, each with its pile marker and mission marker over it.
void CMirelleVWS::RestoreCardOrder()
{
    TableWidgets& t = tableWidgets;
    GVWnd* below = t.litOutlines.back() ? static_cast<GVWnd*>(t.litOutlines.back()) : t.floorMarkers.back();
    if (!below) return;
    for (size_t i = t.cardWnds.size(); i-- > 0;) {
        for (GVWnd* w : {static_cast<GVWnd*>(t.cardWnds[i]), static_cast<GVWnd*>(t.cardBoxes[i]),
                         static_cast<GVWnd*>(t.missionMarkers[i])}) {
            if (!w || !InsertWndBefore(below, w)) continue;
            below = w;
        }
    }
}

// The markers, hints, popups and effects over the table.
void CMirelleVWS::ClearTableMarks()
{
    ShowFloorSlotMarkers(0);
    ShowOwnOutline(false);
    for (GVQZAniWnd* marker : tableWidgets.missionMarkers) Hide(marker);
    ShowHandHints(false);
    Hide(roomMarks.nineTenClip);
    ShowActionPopup(-1, 0);
    PlayEffect(kHideEffects, -1);
    ShowRobotAvatar(static_cast<int>(entryWidgets.robotAvatars.size()), {0, 0});
    gameInfo.missionMode = 0;
    StopAndHide(effects.goBakAnimation);
    StopAndHide(tableWidgets.dealAnimation);
    StopAndHide(tableWidgets.goCountAnimation);
}

void CMirelleVWS::ResetRoomView()
{
    StopTimer(TimerId::Frame);
    ShowStartButton(false);
    UpdateExitButtons(1);
    UpdatePlayObserveButtons(0);
    ShowInviteButton(false);
    ClearTable();
    if (periphery.checkNotice) periphery.checkNotice->Reset();
    gameInfo.missionMusic = 0;
    if (CloseOptionWindow()) SetTitleButtonState("option", true, true, 0);
    // FIXME: destroy the VIP dialog when it is open and set the "vip" control shown and enabled.
    if (GVTextWnd* title = roomButtons.titleText) {
        title->Show(true);
        title->Enable(true);
    }
    if (periphery.playCount) periphery.playCount->Reset();
    ClearSeatPanels();
    if (GVQZAniWnd* blink = tableWidgets.turnBlinkAnimation) blink->Stop();
    StopBlinkTimer();
    SetTitleBarText("");
    ShowUserPopupMenu(false, -1, {0, 0});
    gameInfo.voiceMuted.clear();
    room.Clear();
    room.roomState = static_cast<int32_t>(RoomState::None);
    SetAutoPlay(false);
    Hide(roomButtons.autoPlaySetting);
    SetAutoPlayButtonEnabled(false);
    Hide(roomButtons.autoPlayCancel);
    ShowObserveSystem(false);
    for (size_t i = 0; i < moneyWidgets.refill.size(); ++i) {
        StopAndHide(moneyWidgets.refill[i]);
        Hide(moneyWidgets.refillTexts[i]);
    }
    StopAndHide(roomWidgets.hourlyAnimation);
    StopAndHide(roomWidgets.waitingAnimation);
    monthSlotFlags.fill(true);
    // The old room's messages still waiting would play on the new one; a handler running keeps its own.
    if (queue.busy) queue.ClearQueue();
    else queue.Clear();
    SetDirty();
}

// Both seats' panels empty: no avatar, user, score, counters, bak icons or marks.
void CMirelleVWS::ClearSeatPanels()
{
    for (size_t slot = 0; slot < seatPanels.userInfo.size(); ++slot) {
        RemoveAvatarAt(static_cast<int32_t>(slot));
        if (CVUserInfoWnd* info = seatPanels.userInfo[slot]) {
            info->ClearInfo();
            for (int mark = 0; mark < 2; ++mark) Hide(info->GetStatusMark(mark));
        }
        if (CVJumsuInfoWnd* score = seatPanels.score[slot]) score->Reset();
        if (CVHTIconWnd* counters = seatPanels.counters[slot]) counters->Reset();
        if (CVBakIconWnd* bak = seatPanels.bakIcons[slot]) bak->HideAll();
        Hide(avatarMarks.firstPlayer[slot]);
    }
}
