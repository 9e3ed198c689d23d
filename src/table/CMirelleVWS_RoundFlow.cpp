#include "scene/CMirelleVWS.h"

#include "foundation/Debug.h"
#include "table/core/RoundRules.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"

namespace {

using SoundTables::SoundId;

constexpr int kReadyNotice = 21;
constexpr int kTimeUpNotice = 25;
// Where the turn marker stands, by screen slot of the turn's seat.
constexpr Point kTurnMarkerPoint[2] = {{320, 361}, {320, 104}};
// The card pick's first player: the pick effect's clip and its place by screen slot, (128, 446) and
// (128, 73) moved by (-64, -42).
constexpr int kFirstPlayerClip = 12;
constexpr Point kFirstPlayerClipAt[2] = {{64, 404}, {64, 31}};

}  // namespace

void CMirelleVWS::SetCountdownTo(DecisionKind kind)
{
    timers.countdownStart = SceneRules::PhaseSeconds(kind, room.option.turnTime, controls.autoPlay);
    timers.countdown = timers.countdownStart - 1;
}

void CMirelleVWS::ShowStakeConfirm(const PerSeat<int32_t>& values)
{
    const int kind = RoundRules::StakeConfirmKind(values[0], values[1], FindSeatByKey(ownUser.userKey));
    if (kind == 12)
        for (int s = 0; s < 2; ++s) GetPlayer(s).readyValue = 0;
    ShowNotify(kind);
    SetDirty();
    Delay(2000);
    HideNotify();
}

void CMirelleVWS::OnGameReady(const GameReady& body)
{
    const bool antiLeave = IsAntiLeaveRoom() && controls.antiLeaveActive;
    room.roomState = static_cast<int32_t>(antiLeave ? RoomState::Playing : RoomState::Waiting);
    controls.roundStarted = false;
    // FIXME: the target-score panel's give-up button follows the state (UpdateGiveUpButton).
    UpdateExitButtons(1);
    UpdatePlayObserveButtons(1);
    gameInfo.drawExponent = body.doublingExponent;
    UpdateStakeText();
    for (int s = 0; s < 2; ++s) GetPlayer(s).readyValue = body.readyValues[static_cast<size_t>(s)];
    if (IsUserSeated()) ShowNotify(kReadyNotice, room.option.stake, body.stakeAmount);
    if (GVQZAniWnd* marker = roomWidgets.countdownAnimation) marker->SetPos(kTurnMarkerPoint[0]);
    SetCountdownTo(DecisionKind::GameReady);
    timers.countdownLimit = 3;
    StartPhaseTimer(DecisionKind::GameReady);
    SetDirty();
}

void CMirelleVWS::OnStakeConfirm(const StakeConfirm& body)
{
    if (!IsAntiLeaveRoom() || !controls.antiLeaveActive) return;
    StopTurnMarker();
    RestartCountdown();
    HideNotify();
    room.option.stake = body.stake;
    UpdateStakeText();
    ShowStakeConfirm(body.values);
}

void CMirelleVWS::OnWaitingForStart(const WaitingForStart& body)
{
    room.roomState = static_cast<int32_t>(RoomState::Waiting);
    controls.roundStarted = false;
    // FIXME: the target-score panel's give-up button follows state 1 (UpdateGiveUpButton).
    if (IsAntiLeaveRoom()) {
        controls.antiLeaveActive = body.antiLeaveFlag != 0;
        // FIXME: the restrict options panel (CVRestrictOptionWnd::Update (1, 0)).
    }
    StopTurnMarker();
    RestartCountdown();
    HideNotify();
    // FIXME: the VIP manager hides its combination icons (HideAllIcons).
    UpdateExitButtons(1);
    UpdatePlayObserveButtons(1);
    room.option.stake = body.stake;
    UpdateStakeText();
    if (GetPlayer(0).userKey != body.firstKey) {
        DebugLine("waiting for start: seat 0 is not the first player %d", static_cast<int>(body.firstKey));
        ExitRoom();
        return;
    }
    if (body.confirmFlag != 0) ShowStakeConfirm(body.values);
    if (body.firstKey == ownUser.userKey) {
        if (body.startFlag != 0) {
            ShowStartButton(false);
            StartTimer(TimerId::Start);
        } else {
            ShowStartButton(true);
            if (controls.autoStart) SendStart();
        }
    }
    gameInfo.missionMusic = body.chamgiFlag;
    if (body.chamgiFlag != 0 && (body.chamgiKind == 1 || body.chamgiKind == 2)) {
        ShowRoundStartAnimation(true, body.chamgiKind);
        ShowChamgiBackground(true, body.chamgiKind);
    } else if (body.chamgiFlag == 0 && IsDesperateRoom()) {
        ShowRoundStartAnimation(true, 0);
    }
    SetDirty();
}

void CMirelleVWS::OnSunDecided(const SunDecided& body)
{
    StopTurnMarker();
    RestartCountdown();
    timers.outlineBlink = false;
    if (timers.phaseTimerKind == DecisionKind::SunPick) StopPhaseTimer();
    ShowFloorSlotMarkers(0);
    const int seat = FindSeatByKey(body.firstKey);
    const int slot = ScreenSlotOf(seat) == 1 ? 1 : 0;
    if (gameInfo.firstPlayerMode == 0) {
        Delay(500);
        PlaySoundId(SoundId::DaebakStamp);
        StopPickEffects();
        if (GVQZAniWnd* effect = effects.sunNotify[static_cast<size_t>(slot)]; effect && effect->SelectAnimation(kFirstPlayerClip)) {
            effect->SetPos(kFirstPlayerClipAt[slot]);
            effect->Play(1, true);
            InvalidateWnd(effect);
        }
    } else if (gameInfo.firstPlayerMode == 1) {
        const std::string name = "SUN_" + std::to_string(slot);
        for (size_t i = 0; i < effects.sunNotify.size(); ++i) {
            GVQZAniWnd* notice = effects.sunNotify[i];
            if (!notice) continue;
            notice->SelectAnimationByName(name);
            notice->Show(true);
            notice->Play(i == 0 ? 1 : -1, false);
            InvalidateWnd(notice);
        }
        PlaySoundId(SoundId::DaebakStamp);
        PlaySoundId(slot == 0 ? SoundId::SunGood : SoundId::SunBad);
    }
    SetDirty();
}

void CMirelleVWS::OnRoundStart(const RoundStart& body)
{
    const auto number = RoundRules::RoundNumberText(body.roundIndex);
    if (!number) {
        DebugLine("round start: index %d outside 0..98", static_cast<int>(body.roundIndex));
        return;
    }
    ShowRoundBanner(*number);
    SetDirty();
}

void CMirelleVWS::OnTurnStart(const TurnStart& body)
{
    StopPickEffects();
    gameInfo.turnPutCount = 0;
    HideNotify();
    PlayEffect(kHideEffects, 0);
    HideBettingPanel();
    // FIXME: hide the turn-hint widget, once the hand hints load it.
    StopTurnMarker();
    RestartCountdown();
    tableState.handPointerShown = false;
    if (GVPSPWnd* pointer = tableWidgets.handPointer) {
        pointer->Show(false);
        InvalidateWnd(pointer);
    }
    const int seat = FindSeatByKey(body.turnKey);
    const int slot = ScreenSlotOf(seat);
    if (seat < 0 || (slot != 0 && slot != 1)) return;

    if (GVQZAniWnd* blink = tableWidgets.turnBlinkAnimation) {
        blink->SelectAnimation(slot);
        blink->Show(true);
        blink->Play(-1, false);
        InvalidateWnd(blink);
    }
    if (GVQZAniWnd* marker = roomWidgets.countdownAnimation) marker->SetPos(kTurnMarkerPoint[slot]);
    if (controls.autoPlay) ShowAutoPlayNotice(true);
    // FIXME: the VIP manager's combination icons for the own seat (UpdateJokboIcons (own seat, 1)).
    SetDirty();

    int seconds = SceneRules::PhaseSeconds(DecisionKind::PlayCard, room.option.turnTime, controls.autoPlay);
    timers.countdownLimit = 3;
    if (body.turnKey == ownUser.userKey && !IsRobotSeat(seat)) {
        RoundUser(seat).deckFlips = body.pendingPassCount;
        timers.outlineBlink = true;
        seconds = StartPhaseTimer(DecisionKind::PlayCard);
        PlaySoundId(SoundId::NotifyTurn);
        HoverAtCursor();
    } else {
        timers.outlineBlink = false;
        if (slot == 1) SortOwnHand(false);
        seconds = RoundRules::OpponentTurnSeconds(seconds, GetPlayer(seat).turnTimeoutCount);
    }
    gameInfo.turnKey = body.turnKey;
    tableModel.StartTurn();
    // The held-bomb guides need the turn: after it changed hands.
    if (timers.outlineBlink) {
        ShowOwnOutline(true);
        ShowHandHints(true);
    }
    timers.countdownStart = seconds;
    timers.countdown = seconds - 1;
    // FIXME: in rooms 5..10 without a robot, the own user seated, the round's first turn starts the
    // first-turn hint animation looping (with the hints).
    SetDirty();
    FlushRedraw();
}

void CMirelleVWS::OnClearEffects(const ClearEffects&)
{
    HideNotify();
    PlayEffect(kHideEffects, 0);
    StopTurnMarker();
    RestartCountdown();
}

void CMirelleVWS::OnTimeUp(const TimeUp&)
{
    StopPhaseTimer();
    HideNotify();
    StopBlinkTimer();
    StopTurnMarker();
    ShowNotify(kTimeUpNotice);
    SetDirty();
}
