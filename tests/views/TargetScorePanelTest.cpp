#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "PanelTestSupport.h"
#include "foundation/core/Clock.h"
#include "toolkit/GVDDSWnd.h"
#include "toolkit/GVPSPNumberWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVDesperateWnd.h"
#include "views/CVPSPPushBtn.h"

namespace {

class FakeTargetScoreOwner : public FakeOwnerOf<TargetScoreOwner> {
public:
    using FakeOwnerOf<TargetScoreOwner>::FakeOwnerOf;
    int32_t GetRoomKind() const override { return roomKind; }
    void PlayTargetScoreSound(SoundId id) override { sounds.push_back(static_cast<int>(id)); }
    bool IsOwnUserSeated() const override { return seated; }
    void RequestGiveUp() override { ++giveUps; }

    int32_t roomKind = 41;
    bool seated = true;
    std::vector<int> sounds;
    int giveUps = 0;
};

}  // namespace

class TargetScorePanel : public PanelFixture {
protected:
    // Made in room 41 with bet index 1 and target index `targetIndex`, opened.
    bool Make(int targetIndex)
    {
        if (!panel.CreateChildren(room, 0)) return false;
        if (!panel.SetBetAndTarget(1, targetIndex, 0)) return false;
        return panel.Open() == 1;
    }

    FakeTargetScoreOwner room{GeneratedImageRoot()};
    CVDesperateWnd panel;
};

TEST_F(TargetScorePanel, BetAndTargetOfTheRoom)
{
    ASSERT_TRUE(Make(2));
    EXPECT_EQ(panel.GetBet(), 300'000);
    EXPECT_EQ(panel.GetTarget(), 100);
    EXPECT_EQ(panel.GetBetText()->GetText(), "30만냥");
    EXPECT_TRUE(panel.IsVisible());
    EXPECT_TRUE(panel.GetTargetImage()->IsVisible());
    room.roomKind = 39;
    EXPECT_EQ(panel.SetBetAndTarget(1, 2, 0), 0);
    EXPECT_EQ(panel.SetBet(1, 5), 0);
}

// Both slots rise at once, each in six steps of its own: 10 to 40 by 5, and 0 to 7.
TEST_F(TargetScorePanel, ScoresRiseInSixStepsPerSlot)
{
    ASSERT_TRUE(Make(2));
    using Immediate = CVDesperateWnd::Immediate;
    panel.SetPlayerScore(0, 10, Immediate::Yes);
    room.sounds.clear();
    panel.SetPlayerScore(0, 40, Immediate::No);
    panel.SetPlayerScore(1, 7, Immediate::No);
    EXPECT_EQ(std::count(room.sounds.begin(), room.sounds.end(), 101), 2);
    std::vector<int> slot0, slot1;
    for (int i = 0; i < 7; ++i) {
        Clock::Sleep(151);
        panel.Step();
        slot0.push_back(panel.GetShownScore(0));
        slot1.push_back(panel.GetShownScore(1));
    }
    EXPECT_EQ(slot0, (std::vector<int>{15, 20, 25, 30, 35, 40, 40}));
    EXPECT_EQ(slot1, (std::vector<int>{1, 2, 3, 4, 5, 7, 7}));
    for (int i = 0; i < 10; ++i) {  // the blink's six 300 ms steps end
        Clock::Sleep(151);
        panel.Step();
    }
    const CVDesperateWnd::SlotWidgets& w = panel.GetSlot(0);
    // 40 of 100 fills 19 of the 49 rows: the bar shows its bottom 19 rows on the gauge's bottom.
    EXPECT_EQ(w.gauge->GetSrcRect().Height(), 19);
    EXPECT_EQ(w.gauge->GetPos().y, 142 + 194 + 49 - 19);
    EXPECT_FALSE(w.gaugeEffect->IsVisible());
    EXPECT_TRUE(w.score->IsVisible());
    EXPECT_FALSE(w.blinkScore->IsVisible());

    panel.SetPlayerScore(1, 150, Immediate::No);
    EXPECT_EQ(panel.GetScore(1), 100);
    EXPECT_TRUE(panel.GetHundredEffect()->IsVisible());
    EXPECT_FALSE(panel.GetSlot(1).score->IsVisible());

    room.sounds.clear();
    panel.ResetRound();
    EXPECT_EQ(room.sounds, std::vector<int>{101});
    EXPECT_EQ(panel.GetScore(0), 0);
    EXPECT_EQ(panel.GetScore(1), 0);
}

// Seven points: the bet alone; no score, effect or give-up.
TEST_F(TargetScorePanel, SevenPointsShowsTheBetAlone)
{
    ASSERT_TRUE(Make(0));
    panel.SetPlayerScore(0, 5, CVDesperateWnd::Immediate::No);
    panel.PlayWinEffect(0);
    panel.UpdateGiveUpButton(2);
    EXPECT_EQ(panel.GetScore(0), 0);
    EXPECT_FALSE(panel.GetWinEffect()->IsVisible());
    EXPECT_FALSE(panel.GetGiveUpButton()->IsVisible());
    EXPECT_FALSE(panel.GetTargetImage()->IsVisible());
    EXPECT_EQ(panel.GetBetText()->GetPos(), Point(0 + 20, 142 + 61));
    EXPECT_EQ(panel.Step(), 0);
}

TEST_F(TargetScorePanel, GiveUpOnlySeatedInPlay)
{
    ASSERT_TRUE(Make(1));
    const struct { const char* name; bool seated; int state; bool shown; } cases[] = {
        {"seated in play", true, 2, true}, {"seated waiting", true, 1, false}, {"watching", false, 2, false}};
    for (const auto& c : cases) {
        room.seated = c.seated;
        panel.UpdateGiveUpButton(c.state);
        EXPECT_EQ(panel.GetGiveUpButton()->IsVisible(), c.shown) << c.name;
    }
    room.seated = true;
    panel.UpdateGiveUpButton(2);
    const Point at = panel.GetGiveUpButton()->GetRect().TopLeft() + Point{3, 3};
    EXPECT_EQ(Play(panel, {{Act::Down, at}, {Act::Up, at}}, [](Point) {}), 1);
    EXPECT_EQ(room.giveUps, 1);

    panel.PlayWinEffect(1);
    EXPECT_TRUE(panel.GetWinEffect()->IsVisible());
    EXPECT_EQ(panel.GetWinEffect()->GetSubAnimation(), 1);
    panel.StopWinEffect();
    EXPECT_FALSE(panel.GetWinEffect()->IsVisible());
}
