#include "scene/CMirellePromotionMgr.h"

#include "protocol/MessageBodies.h"
#include "protocol/Records.h"
#include "scene/LoadTarget.h"
#include "scene/WidgetOps.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/WidgetFactory.h"
#include "views/core/PanelLayout.h"

using namespace PromotionRules;

namespace {

// The banners' places, which the room's design leaves to us: the default banners in the left
// column above the bottom bar with the jackpot gauge beside them, the event banners over the
// table's middle, the jackpot over each side.
constexpr Point kDefaultBanner{6, 526};
constexpr Point kGauge = PanelLayout::kJackpotGauge;
constexpr Point kEventBanner = PanelLayout::kEventBanner;
constexpr Point kJackpot[2] = {{400, 380}, {400, 140}};  // by screen slot
constexpr int kJackpotGaugeFrame = 5;  // the gauge follows the jackpot from this frame

}  // namespace

bool CMirellePromotionMgr::CreateBanners(WidgetFactory& factory, LoadTarget& target)
{
    Banners& b = banners;
    const auto running = [&](GVQZAniWnd*& slot, const char* name, Point at) {
        return target.AddRunning(slot = factory.CreateQZAniWnd(name, at));
    };
    b.defaultBanner = factory.CreatePSPWnd("Promotion\\banner_default.psp", kDefaultBanner, Visible::No);
    if (!target.Add(b.defaultBanner)) return false;
    if (!running(b.defaultAniBanner, "Promotion\\anibanner_default.qza", kDefaultBanner)) return false;
    if (!running(b.jackpotAni, "Promotion\\Jackpot\\jackpot.qza", kJackpot[0])) return false;
    if (!running(b.jackpotAni2, "Promotion\\Jackpot\\jackpot.qza", kJackpot[1])) return false;
    if (!running(b.jackpotBanner, "Promotion\\Jackpot\\jackpotbanner.qza", kEventBanner)) return false;
    if (!running(b.gauge, "Promotion\\Jackpot\\gauge.qza", kGauge)) return false;
    if (!running(b.gauge2, "Promotion\\Jackpot\\gauge.qza", kGauge)) return false;
    b.gauge2->SelectAnimationByName(kGaugeLightClip);
    if (!running(b.winMoneyLimitBanner, "Promotion\\WinMoneyLimit\\anibanner_winmoneylimit.qza", kEventBanner))
        return false;
    if (!running(b.bonanzoEffect, "Promotion\\Bonanzo\\BonanzoEffect.qza", kEventBanner)) return false;
    if (!running(b.bonanzoMission, "Promotion\\Bonanzo\\BonanzoMission.qza", kEventBanner)) return false;
    b.altBanner = factory.CreatePSPWnd("Promotion\\banner_default.psp", kDefaultBanner, Visible::No);
    return target.Add(b.altBanner);
}

void CMirellePromotionMgr::SetEventState(const PromotionRecord& record)
{
    HideAll();
    state = EventState{};
    state.jackpotFlags = record.jackpotFlags;
    state.luckyFlags = record.luckyFlags;
    state.jackpotCount = state.jackpotCountCopy = record.jackpotCount;
    state.jackpotValue = state.jackpotValueShown = record.jackpotValue;
    entered = true;
    if (state.GaugeOn()) {
        if (GVQZAniWnd* g2 = banners.gauge2) g2->Play(-1, false);
        if (GVQZAniWnd* g = banners.gauge) {
            g->SelectAnimation(0);
            g->SetFrame(0);
            g->Play(1, true);
        }
    } else {
        state.EndForUser();
        StopGauges();
    }
}

void CMirellePromotionMgr::PrintEventNotices(int32_t entryMode)
{
    // Watching, sitting and voice-only entries print them, once per entered room.
    if (!host || !entered || entryMode < 0 || entryMode > 2) return;
    entered = false;
    for (const std::string& line : EventNoticeLines(state)) host->PrintChatText(line);
}

void CMirellePromotionMgr::ShowEventBanner(bool show)
{
    for (GVQZAniWnd* a : {banners.defaultAniBanner, banners.winMoneyLimitBanner, banners.jackpotBanner,
                          banners.bonanzoMission})
        StopBanner(a);
    if (!show || !host) return;
    GVQZAniWnd* banner = nullptr;
    switch (ChooseEventBanner(state, host->GetMissionMode(), host->GetRoomKind(), host->Random())) {
    case EventBanner::None: return;
    case EventBanner::Jackpot: banner = banners.jackpotBanner; break;
    case EventBanner::WinMoneyLimit: banner = banners.winMoneyLimitBanner; break;
    case EventBanner::Mission: banner = banners.bonanzoMission; break;
    }
    if (banner) banner->Play(1, false);
    Redraw(banner);
}

void CMirellePromotionMgr::ShowDefaultBanner(bool show)
{
    for (GVPSPWnd* b : {banners.defaultBanner, banners.altBanner}) {
        Hide(b);
        Redraw(b);
    }
    if (!show) return;
    GVPSPWnd* banner = banners.defaultBanner;
    if (altBannerOn && host && host->Random() % 2 != 0) banner = banners.altBanner;
    ShowIf(banner, true);
    Redraw(banner);
}

bool CMirellePromotionMgr::IsDefaultBannerVisible() const
{
    return banners.defaultBanner && banners.defaultBanner->IsVisible();
}

void CMirellePromotionMgr::SetJackpotProgress(const RCUser& user)
{
    state.jackpotCount = user.jackpotCount;
    state.jackpotProgress = user.jackpotProgress;
    if (!state.GaugeOn()) {
        StopGauges();
        return;
    }
    StopBanner(banners.gauge2);
    ShowGaugeFrame(GaugeFrame(state.jackpotProgress));
}

void CMirellePromotionMgr::ShowJackpotGauge(bool show)
{
    if (!show || !state.GaugeOn()) {
        StopGauges();
        return;
    }
    ShowGaugeFrame(GaugeFrame(state.jackpotProgress));
    if (GVQZAniWnd* g2 = banners.gauge2) g2->Play(-1, false);
}

void CMirellePromotionMgr::ShowDealGauge(bool seated)
{
    if (!state.JackpotRuns() || !seated) {
        StopGauges();
        return;
    }
    StopBanner(banners.gauge2);
    if (state.jackpotProgress % kGaugeFrames == 0)
        if (GVQZAniWnd* g = banners.gauge) {
            g->SelectAnimation(0);
            g->SetFrame(0);
            g->Play(1, true);
        }
    if (state.jackpotCount >= kGaugeCountLimit) StopGauges();
}

void CMirellePromotionMgr::ShowJackpotResult(const JackpotRecord& record, int32_t userKey, int seat)
{
    if (!host || seat < 0 || seat >= static_cast<int>(record.seats.size())) return;
    const JackpotSeat& s = record.seats[static_cast<size_t>(seat)];
    if (state.GaugeOn() && jackpotClipChosen) {
        if (GVQZAniWnd* a = banners.jackpotAni) a->Play(1, true);
    }
    if (host->IsRobotSeated()) return;
    if (userKey != host->GetOwnUserKey()) {
        if (s.wonAmount > 0)
            if (const auto clip = JackpotClip(s.wonAmount)) PlayJackpotClip(banners.jackpotAni2, *clip);
        return;
    }
    const OwnJackpotOutcome out =
        ApplyOwnJackpotResult(state, record.jackpotFlags, {s.stage, s.progress, s.wonAmount, s.luckyTicket});
    if (out.gauge == GaugeAction::Stop) StopGauges();
    if (out.gauge == GaugeAction::ShowFrame) ShowGaugeFrame(out.gaugeFrame);
    if (out.clip) {
        PlayJackpotClip(banners.jackpotAni, kJackpotIntroClip);
        pendingClip = out.clip;
    }
    if (!out.chatLine.empty()) host->PrintChatText(out.chatLine);
    const std::string lucky = LuckyTicketLine(s.luckyTicket);
    if (!lucky.empty()) host->PrintChatText(lucky);
}

void CMirellePromotionMgr::HideAll()
{
    for (GVPSPWnd* b : {banners.defaultBanner, banners.altBanner}) {
        Hide(b);
        Redraw(b);
    }
    for (GVQZAniWnd* a : {banners.defaultAniBanner, banners.jackpotAni, banners.jackpotAni2, banners.jackpotBanner,
                          banners.gauge, banners.gauge2, banners.winMoneyLimitBanner, banners.bonanzoEffect,
                          banners.bonanzoMission})
        StopBanner(a);
    pendingClip.reset();
}

void CMirellePromotionMgr::StopJackpot()
{
    StopBanner(banners.jackpotAni);
    StopBanner(banners.jackpotAni2);
    pendingClip.reset();
    jackpotClipChosen = false;
}

void CMirellePromotionMgr::Step()
{
    // The tick steps and redraws the animation itself; this follows its frames.
    GVQZAniWnd* a = banners.jackpotAni;
    if (!a || !a->IsVisible()) return;
    if (!gaugeStepDone && a->GetFrame() >= kJackpotGaugeFrame) {
        gaugeStepDone = true;
        if (state.jackpotCount >= kGaugeCountLimit) {
            StopGauges();
        } else if (GVQZAniWnd* g = banners.gauge; g && g->IsVisible()) {
            g->SetFrame(0);
            g->Play(1, true);
        }
    }
    if (pendingClip && !a->IsPlaying()) {
        const int32_t clip = *pendingClip;
        pendingClip.reset();
        PlayJackpotClip(a, clip);
    }
}

void CMirellePromotionMgr::StopGauges()
{
    StopBanner(banners.gauge);
    StopBanner(banners.gauge2);
}

void CMirellePromotionMgr::StopBanner(GVQZAniWnd* a)
{
    if (!a) return;
    const bool shown = a->IsVisible();
    StopAndHide(a);
    if (shown) Redraw(a);
}

void CMirellePromotionMgr::Redraw(GVWnd* w)
{
    if (w && host) host->InvalidateWnd(w);
}

void CMirellePromotionMgr::ShowGaugeFrame(int32_t frame)
{
    GVQZAniWnd* g = banners.gauge;
    if (!g) return;
    // A stopped gauge holds the frame set on it: the progress stands still between games.
    g->SelectAnimation(0);
    g->Stop();
    g->SetFrame(frame);
    g->Show(true);
    Redraw(g);
}

void CMirellePromotionMgr::PlayJackpotClip(GVQZAniWnd* animation, int32_t clip)
{
    if (!animation) return;
    animation->SelectAnimation(clip);
    animation->SetFrame(0);
    animation->Play(1, true);
    Redraw(animation);
    if (animation != banners.jackpotAni) return;
    gaugeStepDone = false;
    jackpotClipChosen = true;
}
