#include "scene/CMirelleVWS.h"

#include <cstdlib>

#include "foundation/WindowTimer.h"
#include "protocol/HostInterfaces.h"
#include "scene/SceneWindow.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVItemWnd.h"
#include "views/CVNotifyWnd.h"
#include "views/CVResultWnd.h"
#include "scene/RoomOptions.h"
#include "scene/SeatView.h"
#include "scene/RoomInput.h"
#include "scene/ScenePrompt.h"

namespace {

// Periods by timer id; the phase timer takes the seconds of its decision.
constexpr uint32_t kPeriodMs[kTimerCount] = {50, 0, 500, 3000, 2000, 2000};
// The waiting seat's "hurry", two seconds before a turn's end, in the round's first turns only.
constexpr int32_t kHurryTurns = 10;

}  // namespace

HWND CMirelleVWS::GetGameWnd() const
{
    return window ? window->GetGameWnd() : nullptr;
}

void CMirelleVWS::StartTimer(TimerId id)
{
    StartTimerFor(id, kPeriodMs[static_cast<size_t>(id)]);
}

void CMirelleVWS::StartTimerFor(TimerId id, uint32_t periodMs)
{
    timers.running[static_cast<size_t>(id)] = WindowTimer::Start(GetGameWnd(), static_cast<UINT_PTR>(id), periodMs);
}

void CMirelleVWS::StopTimer(TimerId id)
{
    if (!timers.IsRunning(id)) return;
    timers.running[static_cast<size_t>(id)] = false;
    WindowTimer::Stop(GetGameWnd(), static_cast<UINT_PTR>(id));
}

int CMirelleVWS::OnTimer(UINT_PTR id)
{
    switch (static_cast<TimerId>(id)) {
    case TimerId::Frame:
        Tick();
        FlushRedraw();
        break;
    case TimerId::Phase: OnPhaseTimeout(); break;
    case TimerId::Blink: StepCountdownAndBlink(); break;
    case TimerId::Popup: OnPopupTimeout(); break;
    case TimerId::Start:
        StopTimer(TimerId::Start);
        Input().ShowStartButton(true);
        break;
    case TimerId::Macro:
        StopTimer(TimerId::Macro);
        Options().SetMacroEnabled(true);
        break;
    default: break;
    }
    return 0;
}

void CMirelleVWS::StartFrameTimer()
{
    if (!timers.IsRunning(TimerId::Frame)) StartTimer(TimerId::Frame);
}

int CMirelleVWS::StartPhaseTimer(DecisionKind kind)
{
    StopPhaseTimer();
    int seconds = SceneRules::PhaseSeconds(kind, room.option.turnTime, controls.autoPlay);
    if (kind == DecisionKind::PlayCard && !controls.autoPlay) {
        SceneRules::TurnTimeInputs in;
        const int own = OwnSeat();
        in.antiLeaveRule = IsAntiLeaveRoom() && controls.antiLeaveActive && own >= 0;
        in.ownSeated = own >= 0;
        if (own >= 0) {
            in.ownTimeouts = GetPlayer(own).turnTimeoutCount;
            in.antiLeave1 = RoundUser(own).antiLeave1;
            in.antiLeave2 = RoundUser(own).antiLeave2;
        }
        seconds = SceneRules::AdjustTurnSeconds(seconds, in);
    }
    StartTimerFor(TimerId::Phase, static_cast<uint32_t>(seconds) * 1000);
    if (timers.IsRunning(TimerId::Phase)) timers.phaseTimerKind = kind;
    timers.phaseSeconds = seconds;
    return seconds;
}

void CMirelleVWS::StopPhaseTimer()
{
    timers.phaseTimerKind = DecisionKind::None;
    StopTimer(TimerId::Phase);
}

void CMirelleVWS::OnPhaseTimeout()
{
    const DecisionKind kind = timers.phaseTimerKind;
    const int timedOut = controls.autoPlay ? 0 : 1;
    RoomRequests& r = Requests();
    // The time is up: the decision closes below whether or not its answer went out; a lost answer
    // is reported where it is sent.
    switch (kind) {
    case DecisionKind::GameReady: static_cast<void>(r.SendGameReadyAnswer(timedOut)); break;
    case DecisionKind::SunPick: static_cast<void>(r.SendSunPick(50, timedOut)); break;
    case DecisionKind::MonthChoice: static_cast<void>(r.SendMonthChoice(0)); break;
    case DecisionKind::PlayCard:
        PlayOwnCardByItself();
        if (IsOwnTurn()) timers.outlineBlink = false;
        break;
    case DecisionKind::YesNoChoice: static_cast<void>(r.SendYesNoChoice(1, timedOut)); break;
    case DecisionKind::CardChoice:
        static_cast<void>(r.SendCardChoice(roomWidgets.notify ? roomWidgets.notify->GetDefaultCard() : kNoCard, timedOut));
        break;
    case DecisionKind::SeptAnimal: static_cast<void>(r.SendSeptAnimalChoice(1, timedOut)); break;
    case DecisionKind::GoOrStop: static_cast<void>(r.SendGoOrStop(0, timedOut)); break;
    case DecisionKind::Bet: static_cast<void>(r.SendBet(0, 0)); break;
    default: break;
    }
    switch (kind) {
    case DecisionKind::MonthChoice:
    case DecisionKind::YesNoChoice:
    case DecisionKind::CardChoice:
    case DecisionKind::SeptAnimal:
    case DecisionKind::GoOrStop:
    case DecisionKind::Bet:
    case DecisionKind::BetPrompt:
    case DecisionKind::BetPrompt24: Prompt().HideNotify(); break;
    default: break;
    }
    if (kind == DecisionKind::SunPick) Seats().ShowFloorSlotMarkers(0);
    if (kind == DecisionKind::ResultItem && resultWidgets.result && !IsLoadingResources())
        if (CVItemWnd* items = resultWidgets.result->GetItemWnd()) items->Reset();
    StopPhaseTimer();
    SetDirty();
}

void CMirelleVWS::StartBlinkTimer()
{
    if (!timers.IsRunning(TimerId::Blink)) StartTimer(TimerId::Blink);
}

void CMirelleVWS::StopBlinkTimer()
{
    if (!timers.IsRunning(TimerId::Blink)) return;
    StopTimer(TimerId::Blink);
    if (GVQZAniWnd* marker = tableWidgets.turnBlinkAnimation) {
        marker->Stop();
    }
}

void CMirelleVWS::StopTurnMarker()
{
    if (GVQZAniWnd* countdown = roomWidgets.countdownAnimation) {
        countdown->Stop();
    }
}

void CMirelleVWS::ApplyCountdown(const SceneRules::CountdownActions& a)
{
    GVQZAniWnd* countdown = roomWidgets.countdownAnimation;
    if (countdown && a.stopAnimation) {
        countdown->Stop();
    }
    if (a.showFrame >= 0) {
        if (countdown) {
            // Plays (and shows) holding its last frame, from the second's frame.
            countdown->Play(1, true);
            countdown->SetFrame(a.showFrame);
        }
        if (a.playCountSound) PlaySoundId(SoundId::CountTick);
    }
    if (a.lastTwoSeconds && countdown && countdown->IsVisible() && gameInfo.turnNumber < kHurryTurns) {
        // The seat waiting for the turn urges; should both wait, either may.
        int seat = -1;
        for (int s = 0; s < 2; ++s)
            if (GetPlayer(s).userKey != -1 && GetPlayer(s).userKey != gameInfo.turnKey && (seat < 0 || std::rand() % 2 == 0))
                seat = s;
        if (seat >= 0) PlayVoice(VoiceCue::Hurry, seat);
    }
}

void CMirelleVWS::StepCountdownAndBlink()
{
    SceneRules::CountdownState s{timers.countdown, timers.countdownStart, timers.countdownLimit, timers.blinkPhase};
    const bool quiet = controls.autoPlay && (IsOwnTurn() || timers.phaseTimerKind == DecisionKind::MonthChoice);
    const SceneRules::CountdownActions a = SceneRules::StepCountdown(s, quiet);
    const bool newPhase = s.blinkPhase != timers.blinkPhase;
    timers.countdown = s.countdown;
    timers.blinkPhase = s.blinkPhase;
    if (newPhase && timers.blinkPhase == 1) {
        ApplyCountdown(a);
        SetDirty();
    }
    if (timers.phaseTimerKind == DecisionKind::SunPick && gameInfo.firstPlayerMode == 0) {
        Seats().ShowFloorSlotMarkers(timers.blinkPhase == 1 ? 1 : 0);
        return;
    }
    if (gameInfo.turnKey == -1) return;
    GVQZAniWnd* marker = tableWidgets.turnBlinkAnimation;
    if (marker && timers.IsRunning(TimerId::Blink)) marker->SetFrame(timers.blinkPhase == 1 ? 0 : 1);
    if (timers.outlineBlink) Seats().ShowOwnOutline(timers.blinkPhase == 1);
    InvalidateWnd(marker);
    SetDirty();
}
