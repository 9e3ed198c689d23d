#include <gtest/gtest.h>

#include <string>

#include "support/RoomTestSupport.h"

#include "foundation/core/Clock.h"
#include "protocol/MessageBodies.h"
#include "scene/RoomOptions.h"
#include "scene/RoomView.h"
#include "scene/WidgetOps.h"
#include "scene/SeatView.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVPSPPushBtn.h"

namespace {

// An open room on a virtual clock, the own user in seat 0.
class RoomManagers : public RoomFixture {
protected:
    void SetUp() override
    {
        Clock::UseVirtual(1000, Clock::Now());
        ASSERT_TRUE(OpenRoom());
        Seat();
        Scene().room.seats.AssignScreenSlots(kOwnKey);
    }
    // Steps the animations and the managers as the tick does, `ms` at a time.
    void Run(int steps, uint32_t ms = 50)
    {
        for (int i = 0; i < steps; ++i) {
            Clock::Advance(ms);
            for (GVQZAniWnd* a : Scene().roomWidgets.animations)
                if (a && a->IsVisible()) a->Update();
            Scene().promotion.Step();
            Scene().vip.Step();
        }
    }
    static bool Visible(const GVWnd* w) { return w && w->IsVisible(); }
    // The values of the host's named control `name` the module asked for since the last Forget.
    std::vector<int> ControlValues(const std::string& name) const
    {
        std::vector<int> values;
        for (const HostRequestCall& c : host.RequestsWithCode(45))
            if (c.text == name) values.push_back(c.value);
        return values;
    }
    PromotionRecord JackpotEvent(int32_t count) const
    {
        PromotionRecord r;
        r.jackpotFlags = {1, 1, 1};
        r.luckyFlags = {1, 1, 1};
        r.jackpotCount = count;
        return r;
    }
};

}  // namespace

TEST_F(RoomManagers, AllHundredHandMarkersGoWithTheHintsAndTheTableClear)
{
    auto& markers = Scene().tableWidgets.handMarkers;
    const auto showAll = [&] {
        for (auto& row : markers)
            for (GVWnd* m : row) {
                auto* a = dynamic_cast<GVQZAniWnd*>(m);
                ASSERT_NE(a, nullptr);
                a->SelectAnimation(0);
                a->Play(-1, false);
            }
    };
    const auto countShown = [&] {
        int n = 0;
        for (auto& row : markers)
            for (GVWnd* m : row) n += Visible(m);
        return n;
    };
    showAll();
    ASSERT_EQ(countShown(), 100);
    Scene().Seats().ShowHandHints(false);
    EXPECT_EQ(countShown(), 0) << "after the hints were hidden";
    showAll();
    ASSERT_EQ(countShown(), 100);
    Scene().View().ClearTable();
    EXPECT_EQ(countShown(), 0) << "after the table clear";
}

TEST_F(RoomManagers, BannersAndGaugeFollowTheEvent)
{
    CMirellePromotionMgr& p = Scene().promotion;
    const auto& b = p.GetBanners();
    p.SetEventState(JackpotEvent(0));
    EXPECT_TRUE(Visible(b.gauge));
    EXPECT_TRUE(Visible(b.gauge2));
    RCUser user = Scene().ownUser;
    user.jackpotCount = 1;
    user.jackpotProgress = 17;
    p.SetJackpotProgress(user);
    EXPECT_TRUE(Visible(b.gauge));
    EXPECT_EQ(b.gauge->GetFrame(), 2);

    Scene().gameInfo.missionMode = 5;
    p.ShowEventBanner(true);
    EXPECT_FALSE(Visible(b.jackpotBanner) || Visible(b.winMoneyLimitBanner) || Visible(b.bonanzoMission));
    Scene().gameInfo.missionMode = 0;
    Scene().room.roomKind = 1;
    p.ShowEventBanner(true);
    EXPECT_TRUE(Visible(b.jackpotBanner));

    p.SetEventState(JackpotEvent(3));
    p.ShowJackpotGauge(true);
    EXPECT_FALSE(Visible(b.gauge)) << "count 3: no gauge";
    p.ShowEventBanner(true);
    EXPECT_FALSE(Visible(b.jackpotBanner));
    EXPECT_TRUE(Visible(b.winMoneyLimitBanner) || Visible(b.bonanzoMission));
}

TEST_F(RoomManagers, AWonJackpotPlaysItsIntroThenItsClipAndSaysTheAmount)
{
    CMirellePromotionMgr& p = Scene().promotion;
    const auto& b = p.GetBanners();
    p.SetEventState(JackpotEvent(2));
    JackpotRecord record;
    record.jackpotFlags = {1, 1, 1};
    record.seats[0] = {3, 0, 5'000'000'000, 1};
    host.Forget();
    p.ShowJackpotResult(record, kOwnKey, 0);
    p.ShowJackpotResult(record, 200, 1);
    EXPECT_NE(host.chat.find("50억냥"), std::string::npos) << host.chat;
    EXPECT_NE(host.chat.find("응모권을 획득"), std::string::npos) << host.chat;
    EXPECT_EQ(b.jackpotAni->GetSubAnimation(), 15);
    EXPECT_FALSE(Visible(b.jackpotAni2)) << "the other seat won nothing";
    Run(40);
    EXPECT_EQ(b.jackpotAni->GetSubAnimation(), 19);
    EXPECT_FALSE(Visible(b.gauge)) << "stage 3 ends the event";

    host.Forget();
    record.seats[0] = {1, 0, 12'345, 0};
    p.SetEventState(JackpotEvent(0));
    p.ShowJackpotResult(record, kOwnKey, 0);
    EXPECT_EQ(host.chat.find("잭팟머니"), std::string::npos) << "an amount not in the table says nothing";
}

TEST_F(RoomManagers, IconsOnlyForASeatWithAScreenSlot)
{
    CMirelleVIPMgr& v = Scene().vip;
    Scene().room.seats.players[1].screenSlot = -1;
    v.ShowVIPIcons(1, 0x10);
    for (int slot = 0; slot < 2; ++slot)
        for (int i = 0; i < CMirelleVIPMgr::kIconsPerSlot; ++i)
            EXPECT_FALSE(Visible(v.GetIcon(slot, static_cast<CMirelleVIPMgr::Icon>(i)))) << slot << " " << i;
    Scene().room.seats.players[1].screenSlot = 1;
    v.ShowVIPIcons(1, 0x300 | 0x3);
    EXPECT_EQ(v.GetIcon(1, CMirelleVIPMgr::kGwangIcon)->GetSubAnimation(), 1);
    EXPECT_EQ(v.GetIcon(1, CMirelleVIPMgr::kRibbonIcon)->GetSubAnimation(), 8);
    EXPECT_FALSE(Visible(v.GetIcon(1, CMirelleVIPMgr::kGodoriIcon)));
    v.HideAllIcons();
    EXPECT_FALSE(Visible(v.GetIcon(1, CMirelleVIPMgr::kGwangIcon)));
}

TEST_F(RoomManagers, AGamesAlertShowsItsTextsLateAndClearsAfterFiveSeconds)
{
    CMirelleVIPMgr& v = Scene().vip;
    v.SetAlert(0, 5, 0);
    for (int i = 0; i < 4; ++i) v.PrintProgressNotice(0);
    EXPECT_FALSE(Visible(v.GetAlert()));
    v.PrintProgressNotice(0);
    EXPECT_TRUE(Visible(v.GetAlert()));
    EXPECT_EQ(v.GetAlert()->GetSubAnimation(), 2);
    EXPECT_EQ(v.GetAlertText(0)->GetText(), "5판");
    EXPECT_FALSE(Visible(v.GetAlertText(0))) << "texts wait half a second";
    Run(11);
    EXPECT_TRUE(Visible(v.GetAlertText(0)));
    EXPECT_TRUE(Visible(v.GetAlertText(1)));
    EXPECT_GT(v.GetAlertText(1)->GetPos().x, v.GetAlertText(0)->GetPos().x);
    Run(90);
    EXPECT_FALSE(Visible(v.GetAlertText(0)));
    EXPECT_TRUE(v.GetAlertText(0)->GetText().empty());
    for (int i = 0; i < 6; ++i) v.PrintProgressNotice(0);
    EXPECT_FALSE(Visible(v.GetAlertText(0))) << "no second games alert without a new setting";
}

TEST_F(RoomManagers, ResetRoomViewGivesBackTheHostControlsItsWindowsHeld)
{
    const struct {
        const char* name;
        bool optionOpen;
        bool vipOpen;
        bool hostMinimised;  // the system hides the open dialog with its owner
        std::vector<int> option, vip;
    } cases[] = {
        {"both closed: neither control is touched", false, false, false, {}, {}},
        {"the option window open", true, false, false, {17}, {}},
        {"the vip dialog open", false, true, false, {}, {17}},
        {"the vip dialog open under a minimised host", false, true, true, {}, {17}},
        {"both open", true, true, false, {17}, {17}},
    };
    for (const auto& c : cases) {
        CMirelleVWS& s = Scene();
        Seat();
        s.vip.BuildDialog();
        ASSERT_NE(s.vip.Helper().GetWindow(), nullptr) << c.name;
        if (c.optionOpen) {
            ASSERT_EQ(s.Options().OpenOptionWindow(), 1) << c.name;
        }
        if (c.vipOpen) {
            ASSERT_EQ(s.Options().OpenVipDialog(), 1) << c.name;
        }
        if (c.hostMinimised) ShowWindow(s.vip.Helper().GetWindow(), SW_HIDE);
        s.Options().SetAutoPlay(true);
        s.Options().SetAutoPlayButtonEnabled(true);
        ShowIf(s.roomButtons.autoPlayCancel, true);
        s.Options().SetTitleBarText("12번방");
        host.Forget();
        s.View().ResetRoomView();
        EXPECT_EQ(ControlValues("option"), c.option) << c.name;
        EXPECT_EQ(ControlValues("vip"), c.vip) << c.name;
        EXPECT_EQ(s.vip.Helper().GetWindow() == nullptr, c.vipOpen) << c.name << ": an open dialog is destroyed";
        EXPECT_TRUE(Visible(s.roomButtons.titleText) && s.roomButtons.titleText->IsEnabled()) << c.name;
        EXPECT_TRUE(s.roomButtons.titleText->GetText().empty()) << c.name;
        EXPECT_TRUE(Visible(s.roomButtons.autoPlaySetting)) << c.name << ": the title bar keeps auto-play";
        EXPECT_FALSE(s.roomButtons.autoPlaySetting->IsEnabled()) << c.name;
        EXPECT_FALSE(Visible(s.roomButtons.autoPlayCancel)) << c.name;
        EXPECT_FALSE(s.controls.autoPlay) << c.name;
    }
}

TEST_F(RoomManagers, ResetRoomViewLeavesNoAlertBannerOrGaugeDrawn)
{
    CMirelleVIPMgr& v = Scene().vip;
    CMirellePromotionMgr& p = Scene().promotion;
    const struct {
        const char* name;
        int steps;  // of the tick after the alert started
        GVWnd* (*drawn)(CMirelleVIPMgr&);
    } cases[] = {
        {"the alert", 0, [](CMirelleVIPMgr& m) -> GVWnd* { return m.GetAlert(); }},
        {"its texts", 11, [](CMirelleVIPMgr& m) -> GVWnd* { return m.GetAlertText(0); }},
    };
    for (const auto& c : cases) {
        Run(110);  // any earlier alert over
        v.SetAlert(0, 1, 0);
        v.PrintProgressNotice(0);
        Run(c.steps);
        ASSERT_TRUE(Visible(c.drawn(v))) << c.name;
        p.SetEventState(JackpotEvent(0));
        p.ShowDefaultBanner(true);
        ASSERT_TRUE(Visible(p.GetBanners().gauge) && p.IsDefaultBannerVisible()) << c.name;
        Scene().View().ResetRoomView();
        EXPECT_FALSE(Scene().IsTimerRunning(TimerId::Frame)) << c.name;
        EXPECT_FALSE(Visible(v.GetAlert())) << c.name;
        EXPECT_FALSE(Visible(v.GetAlertText(0)) || Visible(v.GetAlertText(1))) << c.name;
        EXPECT_FALSE(p.IsDefaultBannerVisible()) << c.name;
        EXPECT_FALSE(Visible(p.GetBanners().gauge) || Visible(p.GetBanners().gauge2)) << c.name;
    }
}
