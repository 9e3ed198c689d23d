#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "scene/core/PromotionRules.h"
#include "table/flows/PromotionStage.h"

class GVPSPWnd;
class GVQZAniWnd;
class GVWnd;
class WidgetFactory;
struct LoadTarget;

// What the promotions need of the room.
class PromotionHost {
public:
    virtual void PrintChatText(const std::string& text) = 0;
    virtual int32_t GetRoomKind() const = 0;
    virtual int32_t GetMissionMode() const = 0;
    virtual int32_t GetOwnUserKey() const = 0;
    virtual bool IsRobotSeated() const = 0;
    // A random value for the banners' coin; tests fix it.
    virtual int Random() = 0;
    virtual void InvalidateWnd(GVWnd* wnd) = 0;

protected:
    ~PromotionHost() = default;
};

// The portal's promotions in the room: the default banners, the bonus-jackpot event with its
// gauge, the lucky draw and the win-money-limit banner. A member of the scene; its widgets belong
// to the scene's widget list. Nothing sets the second default banner on: it stays off.
class CMirellePromotionMgr : public PromotionStage {
public:
    struct Banners {
        GVPSPWnd* defaultBanner = nullptr;
        GVQZAniWnd* defaultAniBanner = nullptr;
        GVQZAniWnd* jackpotAni = nullptr;   // over the own side
        GVQZAniWnd* jackpotAni2 = nullptr;  // over the other side
        GVQZAniWnd* jackpotBanner = nullptr;
        GVQZAniWnd* gauge = nullptr;
        GVQZAniWnd* gauge2 = nullptr;       // the light over the gauge
        GVQZAniWnd* winMoneyLimitBanner = nullptr;
        GVQZAniWnd* bonanzoEffect = nullptr;
        GVQZAniWnd* bonanzoMission = nullptr;
        GVPSPWnd* altBanner = nullptr;  // shown instead of the default banner, by chance
    };

    // The room the manager reaches; set once by the scene.
    void SetHost(PromotionHost* h) { host = h; }
    // Makes the banners, hidden, into the target (the animations running); false at the first
    // that cannot be made (reported), what was made staying in the scene.
    [[nodiscard]] bool CreateBanners(WidgetFactory& factory, LoadTarget& target);

    void SetEventState(const PromotionRecord& record) override;
    void PrintEventNotices(int32_t entryMode) override;
    void ShowEventBanner(bool show) override;
    void ShowDefaultBanner(bool show) override;
    bool IsDefaultBannerVisible() const override;
    void SetJackpotProgress(const RCUser& user) override;
    void ShowJackpotGauge(bool show) override;
    void ShowDealGauge(bool seated) override;
    void ShowJackpotResult(const JackpotRecord& record, int32_t userKey, int seat) override;
    void HideAll() override;
    // The table is cleared: both jackpot animations stop and hide, and a won clip they held is
    // not played again by a later game end.
    void StopJackpot();
    // The tick: the jackpot animation's frames and what its clips leave to do.
    void Step();

    const Banners& GetBanners() const { return banners; }
    const PromotionRules::EventState& GetState() const { return state; }

private:
    void StopGauges();
    // Stops and hides a shown animation and has its place drawn again.
    void StopBanner(GVQZAniWnd* a);
    void Redraw(GVWnd* w);
    // The progress shows as a still frame of the gauge (progress % 15). Played once and held, the
    // gauge would start again at frame 0 and end on its last frame, a full gauge whatever the
    // progress. Its light (gauge2) loops over it while it shows rather than freezing on one frame;
    // only the entry's and the deal's fill from frame 0 play once and hold.
    void ShowGaugeFrame(int32_t frame);
    void PlayJackpotClip(GVQZAniWnd* animation, int32_t clip);

    PromotionHost* host = nullptr;
    Banners banners;
    PromotionRules::EventState state;
    bool entered = false;
    bool altBannerOn = false;
    std::optional<int32_t> pendingClip;  // the won clip after the intro
    bool gaugeStepDone = false;           // the gauge step of the current jackpot clip
    bool jackpotClipChosen = false;       // the own jackpot animation holds a clip of this game
};
