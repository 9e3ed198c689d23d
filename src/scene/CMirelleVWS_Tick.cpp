#include "scene/CMirelleVWS.h"

#include <algorithm>
#include <cstdlib>

#include "foundation/WindowTimer.h"
#include "foundation/core/Clock.h"
#include "host/CMirelleWnd.h"
#include "scene/core/SceneRules.h"
#include "toolkit/GVAnimWnd.h"
#include "toolkit/GVQZAniWnd.h"

namespace {

enum TimerId : UINT_PTR { kFrameTimer = 0, kPhaseTimer = 1, kBlinkTimer = 2, kPopupTimer = 3, kStartTimer = 4, kMacroTimer = 5 };

// Shared by every scene of the process.
uint32_t lastTick = 0;
bool hourlyShown = false;

HWND GameWndOf(const CMirelleWnd* owner)
{
    return owner ? owner->GetGameWnd() : nullptr;
}

}  // namespace

int CMirelleVWS::Tick()
{
    const uint32_t now = Clock::NowMs();
    if (now - lastTick < 50) return 0;
    lastTick = now;

    for (GVQZAniWnd* a : animations) {
        if (a && a->IsVisible() && a->Update()) InvalidateWnd(a);
    }
    // FIXME: step the seat avatars and the view windows once the resource loader creates them.
    if (AreSoundsLoaded() && sound.IsMusicPlaying() && now - lastMusicRefresh > 200) {
        const int musicVolume = sound.GetMusic().GetVolume();
        sound.SetMusicVolume(0);
        sound.SetMusicVolume(musicVolume);
        sound.UpdateMusic();
        lastMusicRefresh = now;
    }
    const Clock::LocalTime t = Clock::Now();
    if (t.minute == 0 && t.second == 0) {
        if (!hourlyShown) {
            hourlyShown = true;
            if (hourlyAnimation) {
                hourlyAnimation->SetFrame(0);
                hourlyAnimation->Play(1, false);
                InvalidateWnd(hourlyAnimation);
            }
        }
    } else {
        hourlyShown = false;
    }
    if (!queue.busy && !queue.IsEmpty()) DispatchGameMessage();
    if (volumeReapply > 0 && volume < 0) {
        --volumeReapply;
        SetVolume(volume + 1);
        SetVolume(volume - 1);
    }
    return 1;
}

void CMirelleVWS::Delay(uint32_t ms)
{
    delayTimer.Start();
    if (dirty) {
        dirty = 0;
        RenderScreen();
    }
    for (;;) {
        if (Tick() && dirty) {
            dirty = 0;
            RenderScreen();
        }
        MSG msg;
        if (PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_TIMER, PM_REMOVE) ||
            PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSEWHEEL, PM_REMOVE) ||
            PeekMessageA(&msg, nullptr, 0x373, 0x373, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        const uint32_t elapsed = delayTimer.ElapsedMs();
        if (elapsed >= ms) break;
        const uint32_t left = ms - elapsed;
        if (Clock::IsVirtual()) {
            // Virtual time moves one frame at a time, firing the timers that fall due.
            Clock::Advance(std::min<uint32_t>(left, 10));
            WindowTimer::PostDueTimers();
            continue;
        }
        // Sleep until the time is up or input, a timer or a posted message arrives: never spin.
        const DWORD r = MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<uint32_t>(left, 10), 0xBF);
        if (r == WAIT_TIMEOUT && delayTimer.ElapsedMs() >= ms) break;
    }
    if (dirty) {
        dirty = 0;
        RenderScreen();
    }
}

void CMirelleVWS::InvalidateWnd(GVWnd* wnd)
{
    if (!wnd) return;
    dirty = 1;
    wnd->Invalidate();
}

void CMirelleVWS::FlushRedraw()
{
    if (!dirty) return;
    dirty = 0;
    RenderScreen();
}

Rect CMirelleVWS::RenderScreen()
{
    GDDScreen* screen = owner ? owner->GetScreen() : nullptr;
    if (!screen || !screen->GetBackBuffer()) return {};
    return Render(Rect(Point{0, 0}, screen->GetSize()), screen->GetBackBuffer());
}

Rect CMirelleVWS::Render(const Rect& area, IDirectDrawSurface4* surface)
{
    GDDScreen* screen = owner ? owner->GetScreen() : nullptr;
    if (!screen) return {};
    const HRESULT hr = screen->TestCooperativeLevel();
    if (hr == DDERR_NOEXCLUSIVEMODE || hr == DDERR_EXCLUSIVEMODEALREADYSET) {
        Clock::Sleep(10);
        return {};
    }
    if (hr == DDERR_WRONGMODE) {
        if (!owner->RecreateScreen()) PostToHost(1);
        return {};
    }
    if (cardSpeed < 0 || screen->TakeRestored()) SetRedrawAll(true);
    const Rect drawn = GVWS::Render(area, surface);
    if (drawn.IsEmpty()) return drawn;
    if (!screen->Present(drawn.left, drawn.top, drawn.right, drawn.bottom) && FAILED(screen->GetLastResult())) {
        if (!owner->RecreateScreen()) PostToHost(1);
    }
    return drawn;
}

int CMirelleVWS::OnTimer(UINT_PTR id)
{
    switch (id) {
    case kFrameTimer:
        Tick();
        FlushRedraw();
        break;
    case kPhaseTimer: OnPhaseTimeout(); break;
    case kBlinkTimer: StepCountdownAndBlink(); break;
    case kPopupTimer:
        StopTimer3();
        // FIXME: hide the action popups and card effects and reset the robot avatar once they are loaded.
        dirty = 1;
        break;
    case kStartTimer:
        StopTimer4();
        // FIXME: show the start button once it is loaded.
        break;
    case kMacroTimer:
        WindowTimer::Stop(GameWndOf(owner), kMacroTimer);
        macroEnabled = 1;
        SetTitleButtonState("macro", 17);
        break;
    default: break;
    }
    return 0;
}

void CMirelleVWS::StartFrameTimer()
{
    if (frameTimerOn) return;
    frameTimerOn = WindowTimer::Start(GameWndOf(owner), kFrameTimer, 50);
}

void CMirelleVWS::StopFrameTimer()
{
    if (!frameTimerOn) return;
    frameTimerOn = 0;
    WindowTimer::Stop(GameWndOf(owner), kFrameTimer);
}

int CMirelleVWS::StartPhaseTimer(int kind)
{
    StopPhaseTimer();
    int seconds = SceneRules::PhaseSeconds(kind, room.option.turnTime, autoPlay != 0);
    if (kind == 8 && !autoPlay) {
        SceneRules::TurnTimeInputs in;
        const int own = FindSeatByKey(ownUser.userKey);
        in.antiLeaveRule = IsAntiLeaveRoom() && antiLeaveActive && own >= 0;
        in.ownSeated = own >= 0;
        if (own >= 0) {
            in.ownTimeouts = GetPlayer(own).turnTimeoutCount;
            in.antiLeave1 = gameInfo.users[static_cast<size_t>(own)].antiLeave1;
            in.antiLeave2 = gameInfo.users[static_cast<size_t>(own)].antiLeave2;
        }
        seconds = SceneRules::AdjustTurnSeconds(seconds, in);
    }
    if (WindowTimer::Start(GameWndOf(owner), kPhaseTimer, static_cast<uint32_t>(seconds) * 1000))
        phaseTimerKind = kind;
    return seconds;
}

void CMirelleVWS::StopPhaseTimer()
{
    if (!phaseTimerKind) return;
    phaseTimerKind = 0;
    WindowTimer::Stop(GameWndOf(owner), kPhaseTimer);
}

void CMirelleVWS::OnPhaseTimeout()
{
    const int kind = phaseTimerKind;
    const int timedOut = autoPlay ? 0 : 1;
    switch (kind) {
    case 1: SendGameReadyAnswer(timedOut); break;
    case 3: SendSunPick(50, timedOut); break;
    case 6: SendRequest11(0); break;
    case 8:
        // FIXME: play the automatic or the time-out card once the table engine chooses them.
        if (gameInfo.turnKey == ownUser.userKey) outlineBlink = 0;
        break;
    case 9: SendRequest14(1, timedOut); break;
    case 11:
        // FIXME: answer with the prompt window's default card once the prompt exists.
        break;
    case 14: SendSeptAnimalChoice(1, timedOut); break;
    case 15: SendGoOrStop(0, timedOut); break;
    case 21: SendBet(0, 0); break;
    default: break;
    }
    // FIXME: hide the prompt (kinds 6, 9, 14, 15, 21, 22, 24) and the floor-slot markers (kind 3), and reset
    // the result window's item panel (kind 17), once the resource loader creates them.
    StopPhaseTimer();
    dirty = 1;
}

void CMirelleVWS::StartBlinkTimer()
{
    if (blinkTimerOn) return;
    blinkTimerOn = WindowTimer::Start(GameWndOf(owner), kBlinkTimer, 500);
}

void CMirelleVWS::StopBlinkTimer()
{
    if (!blinkTimerOn) return;
    blinkTimerOn = 0;
    WindowTimer::Stop(GameWndOf(owner), kBlinkTimer);
    if (turnBlinkAnimation) {
        turnBlinkAnimation->Stop();
        InvalidateWnd(turnBlinkAnimation);
    }
}

void CMirelleVWS::ApplyCountdown(const SceneRules::CountdownActions& a)
{
    if (countdownAnimation && a.stopAnimation) {
        countdownAnimation->Stop();
        InvalidateWnd(countdownAnimation);
    }
    if (a.showFrame >= 0) {
        if (countdownAnimation) {
            countdownAnimation->SetFrame(a.showFrame);
            countdownAnimation->Show(true);
            countdownAnimation->Play(false);
            InvalidateWnd(countdownAnimation);
        }
        if (a.playCountSound) PlaySoundId(22, 0);
    }
    // FIXME: voice cue 10036 (PlayVoice) for the seat that is not the turn user's when a.lastTwoSeconds, the
    // countdown animation is visible and the game counter is below 10, once the loader creates the animation.
}

void CMirelleVWS::StartTimer3()
{
    timer3On = WindowTimer::Start(GameWndOf(owner), kPopupTimer, 3000);
}

void CMirelleVWS::StopTimer3()
{
    if (!timer3On) return;
    timer3On = 0;
    WindowTimer::Stop(GameWndOf(owner), kPopupTimer);
}

void CMirelleVWS::StartTimer4()
{
    timer4On = WindowTimer::Start(GameWndOf(owner), kStartTimer, 2000);
}

void CMirelleVWS::StopTimer4()
{
    if (!timer4On) return;
    timer4On = 0;
    WindowTimer::Stop(GameWndOf(owner), kStartTimer);
}

void CMirelleVWS::SetMacroEnabled(int enabled)
{
    macroEnabled = enabled;
    SetTitleButtonState("macro", enabled ? 17 : 1);
    if (!enabled) WindowTimer::Start(GameWndOf(owner), kMacroTimer, 2000);
}

void CMirelleVWS::StepCountdownAndBlink()
{
    SceneRules::CountdownState s{countdown, countdownStart, countdownLimit, blinkPhase};
    const bool quiet = autoPlay && (gameInfo.turnKey == ownUser.userKey || phaseTimerKind == 6);
    const SceneRules::CountdownActions a = SceneRules::StepCountdown(s, quiet);
    const bool newPhase = s.blinkPhase != blinkPhase;
    countdown = s.countdown;
    blinkPhase = s.blinkPhase;
    if (newPhase && blinkPhase == 1) {
        ApplyCountdown(a);
        dirty = 1;
    }
    if (phaseTimerKind == 3 && gameInfo.firstPlayerMode == 0) {
        // FIXME: show the floor-slot markers in phase 1 and hide them in phase 0 once the resource loader creates them.
        return;
    }
    if (gameInfo.turnKey == -1) return;
    if (turnBlinkAnimation && blinkTimerOn) turnBlinkAnimation->SetFrame(blinkPhase == 1 ? 0 : 1);
    // FIXME: blink the own outline (ShowOwnOutline) while outlineBlink is set once the resource loader creates it.
    InvalidateWnd(turnBlinkAnimation);
    dirty = 1;
}
