#include <gtest/gtest.h>

#include <functional>

#include "support/RoomTestSupport.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CCheckNotice.h"
#include "views/CVDesperateResultWnd.h"
#include "views/CVDesperateWnd.h"
#include "views/CVGFPlayCountWnd.h"
#include "views/CVItemWnd.h"
#include "views/CVMirelleBijouWnd.h"
#include "views/CVRankingPointWnd.h"
#include "views/CVRestrictOptionWnd.h"

namespace {

// The generated room, loaded on a virtual clock.
class Periphery : public RoomFixture {
protected:
    void SetUp() override
    {
        Clock::UseVirtual(0, Clock::Now());
        ASSERT_TRUE(OpenRoom());
    }

    // One tick after `ms`, from a clean picture; whether it left the panel and the scene dirty.
    std::pair<bool, bool> TickAfter(uint32_t ms, GVWnd* panel)
    {
        Scene().FlushRedraw();
        if (panel) panel->SetDirty(false);
        Clock::Advance(ms);
        EXPECT_EQ(Scene().Tick(), 1);
        return {panel && panel->IsDirty(), Scene().IsDirty()};
    }

    static void ShowAll(CVPanel& panel)
    {
        for (GVWnd* child : panel.Children()) child->Show(true);
        panel.Show(true);
    }
};

}  // namespace

// The tick steps a panel only while it shows, marks it dirty only when a step changed it, and
// passes over one that was not made. The alert and the jewel change frame every 250 ms.
TEST_F(Periphery, TickStepsShownPanelsThatChanged)
{
    CMirelleVWS& s = Scene();
    for (int i = 0; i < 3 && !s.Tick(); ++i) Clock::Advance(50);  // start from a step
    CVGFPlayCountWnd* playCount = s.periphery.playCount;
    CVMirelleBijouWnd* bijou = s.periphery.bijou;
    ASSERT_TRUE(playCount && bijou);
    const auto playAlert = [&](bool showPanel) {
        playCount->GetAlert()->Play(-1, false);
        playCount->Show(showPanel);
    };
    const struct { const char* name; std::function<void()> arrange; GVWnd* panel; bool panelDirty, sceneDirty; } cases[] = {
        {"hidden panel, its alert playing", [&] { playAlert(false); }, playCount, false, false},
        {"shown panel, its alert playing", [&] { playAlert(true); }, playCount, true, true},
        {"shown panel, its alert stopped", [&] { playCount->GetAlert()->Stop(); }, playCount, false, false},
        // The jewel panel counts nothing until the jewel information enables it.
        {"jewel panel before it counts", [&] { ShowAll(*bijou); bijou->GetJewelAnimation()->Play(-1, false); }, bijou,
         false, false},
        {"play-count panel not made", [&] { s.periphery.playCount = nullptr; }, nullptr, false, false},
    };
    for (const auto& c : cases) {
        c.arrange();
        EXPECT_EQ(TickAfter(300, c.panel), std::make_pair(c.panelDirty, c.sceneDirty)) << c.name << " (panel, scene)";
    }
    s.periphery.playCount = playCount;
}

// Each Reset hides what its panel showed and stops what played; the target-score panel stays as
// shown (its Open shows it again), the others hide themselves.
TEST_F(Periphery, ResetsHideWhatThePanelsShowed)
{
    const PeripheryWidgets& p = Scene().periphery;
    ShowAll(*p.desperate);
    p.desperate->GetWinEffect()->Play(-1, false);
    EXPECT_EQ(p.desperate->Reset(), 1);
    EXPECT_FALSE(p.desperate->GetWinEffect()->IsPlaying());
    EXPECT_TRUE(p.desperate->IsVisible());

    p.restrictOption->GetText()->SetText("2판 남음");
    ShowAll(*p.restrictOption);
    EXPECT_EQ(p.restrictOption->Reset(), 1);
    EXPECT_EQ(p.restrictOption->GetText()->GetText(), "");

    ShowAll(*p.playCount);
    EXPECT_EQ(p.playCount->Reset(), 1);

    // The item panel under the result resets with it, and the shadow goes back to its place.
    ShowAll(*p.desperateResult);
    CVItemWnd* items = p.desperateResult->GetItemWnd();
    items->Show(true);
    p.desperateResult->GetShadow()->SetPos({0, 0});
    EXPECT_EQ(p.desperateResult->Reset(), 1);
    EXPECT_FALSE(items->IsVisible());
    EXPECT_EQ(p.desperateResult->GetShadow()->GetPos(), CVDesperateResultWnd::kShadowPoint);

    const struct { const char* name; CVPanel* panel; bool panelShown; } reset[] = {
        {"target-score panel", p.desperate, true},
        {"restrict panel", p.restrictOption, false},
        {"play-count panel", p.playCount, false},
        {"target-score result", p.desperateResult, false},
    };
    for (const auto& c : reset) {
        EXPECT_EQ(c.panel->IsVisible(), c.panelShown) << c.name;
        for (const GVWnd* child : c.panel->Children())
            EXPECT_FALSE(child->IsVisible() && child != p.restrictOption->GetText()) << c.name << ": a child still shows";
    }
}
