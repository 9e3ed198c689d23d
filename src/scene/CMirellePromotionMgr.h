#pragma once

class GVPSPWnd;
class GVQZAniWnd;
class WidgetFactory;
struct LoadTarget;

// The portal's promotions in the room: the default banners, the bonus-jackpot event with its
// gauge, the lucky draw and the win-money-limit banner. A member of the scene; its widgets belong
// to the scene's widget list.
class CMirellePromotionMgr {
public:
    struct Banners {
        GVPSPWnd* defaultBanner = nullptr;
        GVQZAniWnd* defaultAniBanner = nullptr;
        GVQZAniWnd* jackpotAni = nullptr;   // over the own side
        GVQZAniWnd* jackpotAni2 = nullptr;  // over the other side
        GVQZAniWnd* jackpotBanner = nullptr;
        GVQZAniWnd* gauge = nullptr;
        GVQZAniWnd* gauge2 = nullptr;
        GVQZAniWnd* winMoneyLimitBanner = nullptr;
        GVQZAniWnd* bonanzoEffect = nullptr;
        GVQZAniWnd* bonanzoMission = nullptr;
        GVPSPWnd* altBanner = nullptr;  // shown instead of the default banner, by chance
    };

    // Makes the banners, hidden, into the target (the animations running); false at the first
    // that cannot be made (reported), what was made staying in the scene.
    [[nodiscard]] bool CreateBanners(WidgetFactory& factory, LoadTarget& target);
    // FIXME: SetEventState, PrintEventNotices, ShowEventBanner, ShowDefaultBanner, SetJackpotProgress,
    // ShowJackpotGauge, Step, ShowJackpotResult, HideAll and IsDefaultBannerVisible come with the
    // event messages.

    const Banners& GetBanners() const { return banners; }

private:
    Banners banners;
};
