#include "scene/CMirelleVWS.h"

#include "protocol/HostInterfaces.h"
#include "scene/ScenePrompt.h"
#include "scene/SceneResult.h"

#include <algorithm>

#include "foundation/WindowTimer.h"
#include "foundation/core/Clock.h"
#include "scene/SceneWindow.h"
#include "toolkit/GDDScreen.h"
#include "toolkit/GVAnimWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CCheckNotice.h"
#include "views/CVDesperateResultWnd.h"
#include "views/CVDesperateWnd.h"
#include "views/CVGFPlayCountWnd.h"
#include "views/CVMirelleBijouWnd.h"
#include "views/CVRankingPointWnd.h"
#include "views/CVCMissionWnd.h"
#include "views/CVDMissionWnd.h"
#include "views/CVKJMissionWnd.h"
#include "views/CVSMissionWnd.h"
#include "views/CVQZATextWnd.h"
#include "scene/HostLink.h"
#include "scene/RoomOptions.h"
#include "scene/SeatView.h"

int CMirelleVWS::Tick()
{
    const uint32_t now = Clock::NowMs();
    if (now - lastTick < 50) return 0;
    lastTick = now;

    if (pendingTitle && !IsLoadingResources()) Options().SetTitleBarText(*pendingTitle);
    for (GVQZAniWnd* a : roomWidgets.animations) {
        if (a && a->IsVisible() && a->Update()) InvalidateWnd(a);
    }
    if (CVQZATextWnd* number = roundBanner.number; number && number->IsVisible() && number->Step())
        InvalidateWnd(number);
    promotion.Step();
    vip.Step();
    vipPart.FollowGameWindow();
    Link().StepSeatAvatars();
    Seats().StepSeatPanels();
    // The countdown is stepped with the animations; the robot's avatar takes its place here.
    for (GVAnimWnd* avatar : entryWidgets.robotAvatars)
        if (avatar && avatar->IsVisible() && avatar->Step()) InvalidateWnd(avatar);
    prompt->StepNotify();
    if (!IsLoadingResources()) {
        CVPanel* const missionPanels[] = {missions.single, missions.twoCard, missions.cardC, missions.cardC2,
                                          missions.kungjjak};
        for (CVPanel* panel : missionPanels)
            if (panel && panel->IsVisible() && panel->Step()) InvalidateWnd(panel);
    }
    result->StepResult();
    StepPeripheryPanels();
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
            if (GVQZAniWnd* hourly = roomWidgets.hourlyAnimation) {
                hourly->SetFrame(0);
                hourly->Play(1, false);
                InvalidateWnd(hourly);
            }
        }
    } else {
        hourlyShown = false;
    }
    if (!queue.busy && !queue.IsEmpty()) DispatchGameMessage();
    if (options.volumeReapply > 0 && options.volume < 0) {
        --options.volumeReapply;
        SetVolume(options.volume + 1);
        SetVolume(options.volume - 1);
    }
    // A running notice draws a new frame each time.
    CCheckNotice* const notice = IsLoadingResources() ? nullptr : periphery.checkNotice;
    if (notice && notice->IsVisible() && notice->IsActive()) InvalidateWnd(notice);
    return 1;
}

void CMirelleVWS::Delay(uint32_t ms)
{
    delayTimer.Start();
    FlushRedraw();
    for (;;) {
        if (Tick()) FlushRedraw();
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
    FlushRedraw();
}

void CMirelleVWS::InvalidateWnd(GVWnd* wnd)
{
    if (!wnd) return;
    RequestDraw();
    wnd->Invalidate();
}

void CMirelleVWS::FlushRedraw()
{
    GDDScreen* screen = window ? window->GetScreen() : nullptr;
    IDirectDrawSurface4* back = screen ? screen->GetBackBuffer() : nullptr;
    if (!back) {
        TakeDrawRequest();
        return;
    }
    Flush(Rect(Point{0, 0}, screen->GetSize()), back);
}

Rect CMirelleVWS::RenderScreen()
{
    GDDScreen* screen = window ? window->GetScreen() : nullptr;
    if (!screen || !screen->GetBackBuffer()) return {};
    return Render(Rect(Point{0, 0}, screen->GetSize()), screen->GetBackBuffer());
}

Rect CMirelleVWS::Render(const Rect& area, IDirectDrawSurface4* surface)
{
    GDDScreen* screen = window ? window->GetScreen() : nullptr;
    if (!screen) return {};
    const HRESULT hr = screen->TestCooperativeLevel();
    if (hr == DDERR_NOEXCLUSIVEMODE || hr == DDERR_EXCLUSIVEMODEALREADYSET) {
        Clock::Sleep(10);
        return {};
    }
    if (hr == DDERR_WRONGMODE) {
        if (!window->RecreateScreen()) Link().PostToHost(HostNotifyCode::Leave);
        return {};
    }
    if (options.cardSpeed < 0 || screen->TakeRestored()) SetRedrawAll(true);
    const Rect drawn = GVWS::Render(area, surface);
    if (drawn.IsEmpty()) return drawn;
    if (!screen->Present(drawn.left, drawn.top, drawn.right, drawn.bottom) && FAILED(screen->GetLastResult())) {
        if (!window->RecreateScreen()) Link().PostToHost(HostNotifyCode::Leave);
    }
    return drawn;
}

// In the tick's order, after the result panel's step.
void CMirelleVWS::StepPeripheryPanels()
{
    if (IsLoadingResources()) return;
    const PeripheryWidgets& p = periphery;
    CVPanel* const panels[] = {p.playCount, p.rankingPoint, p.bijou, p.desperateResult, p.desperate};
    for (CVPanel* panel : panels)
        if (panel && panel->IsVisible() && panel->Step()) InvalidateWnd(panel);
    // The notice steps as it draws: it only needs drawing again while it runs.
    if (p.checkNotice && p.checkNotice->IsActive()) InvalidateWnd(p.checkNotice);
}
