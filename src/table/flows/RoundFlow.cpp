#include "table/flows/RoundFlow.h"

#include "foundation/Debug.h"
#include "table/TableEngine.h"
#include "table/core/RoundRules.h"
#include "table/flows/RoomFlows.h"
#include "table/flows/RoomRequests.h"
#include "table/flows/RoomStage.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"

namespace {

constexpr int kReadyNotice = 21;
constexpr int kTimeUpNotice = 25;
// Where the turn marker stands, by screen slot of the turn's seat.
constexpr Point kTurnMarkerPoint[2] = {{320, 361}, {320, 104}};
// The card pick's first player: the pick effect's clip and its place by screen slot, (128, 446) and
// (128, 73) moved by (-64, -42).
constexpr int kFirstPlayerClip = 12;
constexpr Point kFirstPlayerClipAt[2] = {{64, 404}, {64, 31}};

}  // namespace

void RoundFlow::SetCountdownTo(DecisionKind kind)
{
    timers.countdownStart = SceneRules::PhaseSeconds(kind, room.option.turnTime, controls.autoPlay);
    timers.countdown = timers.countdownStart - 1;
}

void RoundFlow::ShowTurnHint(bool show)
{
    GVQZAniWnd* hint = tableWidgets.turnHint;
    if (!hint || (!show && !hint->IsVisible())) return;
    if (show)
        hint->Play(-1, false);
    else
        hint->Stop();  // hides it
    stage.InvalidateWnd(hint);
}

void RoundFlow::MoveTurnMarker(int slot)
{
    if (slot != 0 && slot != 1) return;
    if (GVQZAniWnd* blink = tableWidgets.turnBlinkAnimation) {
        blink->SelectAnimation(slot);
        blink->Show(true);
        blink->Play(-1, false);
    }
    if (GVQZAniWnd* marker = roomWidgets.countdownAnimation) marker->SetPos(kTurnMarkerPoint[slot]);
}

void RoundFlow::ShowStakeConfirm(const PerSeat<int32_t>& values)
{
    const int kind = RoundRules::StakeConfirmKind(values[0], values[1], records.OwnSeat());
    if (kind == 12)
        for (int s = 0; s < 2; ++s) records.GetPlayer(s).readyValue = 0;
    stage.ShowNotify(kind);
    stage.SetDirty();
    stage.Delay(2000);
    stage.HideNotify();
}

void RoundFlow::OnGameReady(const GameReady& body)
{
    const bool antiLeave = records.IsAntiLeaveRoom() && controls.antiLeaveActive;
    room.roomState = static_cast<int32_t>(antiLeave ? RoomState::Playing : RoomState::Waiting);
    controls.roundStarted = false;
    flows.missions.UpdateGiveUpButton();
    stage.UpdateExitButtons(1);
    stage.UpdatePlayObserveButtons(1);
    gameInfo.drawExponent = body.doublingExponent;
    stage.UpdateStakeText();
    for (int s = 0; s < 2; ++s) records.GetPlayer(s).readyValue = body.readyValues[static_cast<size_t>(s)];
    if (records.IsUserSeated()) stage.ShowNotify(kReadyNotice, room.option.stake, body.stakeAmount);
    if (GVQZAniWnd* marker = roomWidgets.countdownAnimation) marker->SetPos(kTurnMarkerPoint[0]);
    SetCountdownTo(DecisionKind::GameReady);
    timers.countdownLimit = 3;
    stage.StartPhaseTimer(DecisionKind::GameReady);
    stage.SetDirty();
}

void RoundFlow::OnStakeConfirm(const StakeConfirm& body)
{
    if (!records.IsAntiLeaveRoom() || !controls.antiLeaveActive) return;
    stage.StopTurnMarker();
    stage.RestartCountdown();
    stage.HideNotify();
    room.option.stake = body.stake;
    stage.UpdateStakeText();
    ShowStakeConfirm(body.values);
}

void RoundFlow::OnWaitingForStart(const WaitingForStart& body)
{
    room.roomState = static_cast<int32_t>(RoomState::Waiting);
    controls.roundStarted = false;
    flows.missions.UpdateGiveUpButton();
    if (records.IsAntiLeaveRoom()) {
        controls.antiLeaveActive = body.antiLeaveFlag != 0;
        flows.periphery.UpdateRestrict(true, false);
    }
    stage.StopTurnMarker();
    stage.RestartCountdown();
    stage.HideNotify();
    stage.Vip().HideAllIcons();
    stage.UpdateExitButtons(1);
    stage.UpdatePlayObserveButtons(1);
    room.option.stake = body.stake;
    stage.UpdateStakeText();
    if (records.GetPlayer(0).userKey != body.firstKey) {
        DebugLine("waiting for start: seat 0 is not the first player %d", static_cast<int>(body.firstKey));
        stage.ExitRoom();
        return;
    }
    if (body.confirmFlag != 0) ShowStakeConfirm(body.values);
    if (body.firstKey == ownUser.userKey) {
        if (body.startFlag != 0) {
            stage.ShowStartButton(false);
            stage.StartTimer(TimerId::Start);
        } else {
            stage.ShowStartButton(true);
            if (controls.autoStart) static_cast<void>(requests.SendStart());  // nothing here follows it
        }
    }
    gameInfo.missionMusic = body.chamgiFlag;
    if (body.chamgiFlag != 0 && (body.chamgiKind == 1 || body.chamgiKind == 2)) {
        stage.ShowRoundStartAnimation(true, body.chamgiKind);
        stage.ShowChamgiBackground(true, body.chamgiKind);
    } else if (body.chamgiFlag == 0 && records.IsDesperateRoom()) {
        stage.ShowRoundStartAnimation(true, 0);
    }
    stage.SetDirty();
}

void RoundFlow::OnSunDecided(const SunDecided& body)
{
    stage.StopTurnMarker();
    stage.RestartCountdown();
    timers.outlineBlink = false;
    if (timers.phaseTimerKind == DecisionKind::SunPick) stage.StopPhaseTimer();
    stage.ShowFloorSlotMarkers(0);
    const int seat = records.FindSeatByKey(body.firstKey);
    const int slot = engine.ScreenSlotOf(seat) == 1 ? 1 : 0;
    if (gameInfo.firstPlayerMode == 0) {
        stage.Delay(500);
        stage.PlaySoundId(SoundId::DaebakStamp);
        flows.firstPlayer.StopPickEffects();
        if (GVQZAniWnd* effect = effects.sunNotify[static_cast<size_t>(slot)]; effect && effect->SelectAnimation(kFirstPlayerClip)) {
            effect->SetPos(kFirstPlayerClipAt[slot]);
            effect->Play(1, true);
        }
    } else if (gameInfo.firstPlayerMode == 1) {
        const std::string name = "SUN_" + std::to_string(slot);
        for (size_t i = 0; i < effects.sunNotify.size(); ++i) {
            GVQZAniWnd* notice = effects.sunNotify[i];
            if (!notice) continue;
            notice->SelectAnimationByName(name);
            notice->Show(true);
            notice->Play(i == 0 ? 1 : -1, false);
        }
        stage.PlaySoundId(SoundId::DaebakStamp);
        stage.PlaySoundId(slot == 0 ? SoundId::SunGood : SoundId::SunBad);
    }
    stage.SetDirty();
}

void RoundFlow::OnRoundStart(const RoundStart& body)
{
    const auto number = RoundRules::RoundNumberText(body.roundIndex);
    if (!number) {
        DebugLine("round start: index %d outside 0..98", static_cast<int>(body.roundIndex));
        return;
    }
    stage.ShowRoundBanner(*number);
    stage.SetDirty();
}

void RoundFlow::OnTurnStart(const TurnStart& body)
{
    flows.firstPlayer.StopPickEffects();
    gameInfo.turnPutCount = 0;
    stage.HideNotify();
    stage.PlayEffect(RoomStage::kHideEffects, 0);
    stage.HideBettingPanel();
    ShowTurnHint(false);
    stage.StopTurnMarker();
    stage.RestartCountdown();
    tableState.handPointerShown = false;
    if (GVPSPWnd* pointer = tableWidgets.handPointer) {
        pointer->Show(false);
    }
    const int seat = records.FindSeatByKey(body.turnKey);
    const int slot = engine.ScreenSlotOf(seat);
    if (seat < 0 || (slot != 0 && slot != 1)) return;

    MoveTurnMarker(slot);
    if (controls.autoPlay) stage.ShowAutoPlayNotice(true);
    if (const int own = records.OwnSeat(); own >= 0) stage.Vip().UpdateJokboIcons(own, true);
    stage.SetDirty();

    int seconds = SceneRules::PhaseSeconds(DecisionKind::PlayCard, room.option.turnTime, controls.autoPlay);
    timers.countdownLimit = 3;
    if (body.turnKey == ownUser.userKey && !records.IsRobotSeat(seat)) {
        records.RoundUser(seat).deckFlips = body.pendingPassCount;
        timers.outlineBlink = true;
        seconds = stage.StartPhaseTimer(DecisionKind::PlayCard);
        stage.PlaySoundId(SoundId::NotifyTurn);
        stage.HoverAtCursor();
    } else {
        timers.outlineBlink = false;
        if (slot == 1) engine.SortOwnHand(false);
        seconds = RoundRules::OpponentTurnSeconds(seconds, records.GetPlayer(seat).turnTimeoutCount);
    }
    gameInfo.turnKey = body.turnKey;
    engine.Model().StartTurn();
    // The held-bomb guides need the turn: after it changed hands.
    if (timers.outlineBlink) {
        stage.ShowOwnOutline(true);
        stage.ShowHandHints(true);
    }
    timers.countdownStart = seconds;
    timers.countdown = seconds - 1;
    if (RoundRules::ShowsFirstTurnHint(room.roomKind, records.HasRobotSeat(), records.IsUserSeated(), gameInfo.turnNumber))
        ShowTurnHint(true);
    stage.SetDirty();
    stage.FlushRedraw();
}

void RoundFlow::OnClearEffects(const ClearEffects&)
{
    stage.HideNotify();
    stage.PlayEffect(RoomStage::kHideEffects, 0);
    stage.StopTurnMarker();
    stage.RestartCountdown();
}

void RoundFlow::OnTimeUp(const TimeUp&)
{
    stage.StopPhaseTimer();
    stage.HideNotify();
    stage.StopBlinkTimer();
    stage.StopTurnMarker();
    stage.ShowNotify(kTimeUpNotice);
    stage.SetDirty();
}

// The server stops the clock, not the decision: the pending one (the own turn's card play
// included) stays open without a deadline, so the player's answer still goes out.
void RoundFlow::OnStopTurnTimer(const StopTurnTimer&)
{
    const DecisionKind pending = timers.phaseTimerKind;
    stage.StopPhaseTimer();
    timers.phaseTimerKind = pending;
    stage.StopTurnMarker();
    stage.SetDirty();
}
