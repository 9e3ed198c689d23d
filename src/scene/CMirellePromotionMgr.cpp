#include "scene/CMirellePromotionMgr.h"

#include "scene/LoadTarget.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/WidgetFactory.h"

namespace {

// The banners' places, which the room's design leaves to us: the default banners in the left
// column above the bottom bar with the jackpot gauge beside them, the event banners over the
// table's middle, the jackpot over each side.
constexpr Point kDefaultBanner{6, 526};
constexpr Point kGauge{100, 526};
constexpr Point kEventBanner{400, 260};
constexpr Point kJackpot[2] = {{400, 380}, {400, 140}};  // by screen slot

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
    if (!running(b.winMoneyLimitBanner, "Promotion\\WinMoneyLimit\\anibanner_winmoneylimit.qza", kEventBanner))
        return false;
    if (!running(b.bonanzoEffect, "Promotion\\Bonanzo\\BonanzoEffect.qza", kEventBanner)) return false;
    if (!running(b.bonanzoMission, "Promotion\\Bonanzo\\BonanzoMission.qza", kEventBanner)) return false;
    b.altBanner = factory.CreatePSPWnd("Promotion\\banner_default.psp", kDefaultBanner, Visible::No);
    return target.Add(b.altBanner);
}
