#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "PanelTestSupport.h"
#include "foundation/core/Text.h"
#include "protocol/Records.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVDDSWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVSlideWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CCheckNotice.h"
#include "views/CVGFPlayCountWnd.h"
#include "views/CVItemWnd.h"
#include "views/CVMirelleBijouWnd.h"
#include "views/CVObserveSystemWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVRankingPointWnd.h"
#include "views/CVRestrictOptionWnd.h"
#include "views/CVRoomInfoWnd.h"
#include "views/CVUserOptionWnd.h"
#include "views/RegistryKey.h"

#include <shlwapi.h>

namespace fs = std::filesystem;
using ObserverRules::PageState;

namespace {

// The room stand-in: the facts the test sets, and every call the panels make, as text.
class FakePeriphery : public FakeOwnerOf<PeripheryOwner> {
public:
    using FakeOwnerOf::FakeOwnerOf;
    RoomFacts GetRoomFacts() const override { return facts; }
    const RCUser& GetOwnUser() const override { return own; }
    bool GetSeatNames(int32_t seat, std::string& nickname, std::string& userId) const override
    {
        nickname = "nick" + std::to_string(seat);
        userId = "id" + std::to_string(seat);
        return true;
    }
    std::optional<int> RequestHost(HostRequestCode code, int32_t value) override
    {
        calls.push_back(FormatText("host %d %#x", static_cast<int>(code), value));
        if (!hostPresent) return std::nullopt;
        return code == HostRequestCode::HoldsItem ? heldAnswer : pageAnswer;
    }
    void RequestItemUse(int64_t amount) override { calls.push_back(FormatText("use %I64d", amount)); }
    void OpenRefillPage() override { calls.push_back("refill page"); }
    void PrintPanelChat(const std::string& text) override { chat.push_back(text); }
    void PlayPanelSound(SoundId id) override { calls.push_back("sound " + std::to_string(static_cast<int>(id))); }
    void ShowPanelBox(const std::string& text, const std::string&, uint32_t ms) override
    {
        calls.push_back("box " + std::to_string(ms));
        boxes.push_back(text);
    }
    PageState GetPageState() const override { return page; }
    void SetPageState(PageState state) override
    {
        page = state;
        calls.push_back("page " + std::to_string(static_cast<int>(state)));
    }
    void TakeSeat() override { calls.push_back("take seat"); }
    bool IsDefaultBannerVisible() const override { return banner; }
    void ShowDefaultBanner(bool show) override { banner = show; }

    RoomFacts facts;
    RCUser own;
    bool hostPresent = true;
    int heldAnswer = 1;
    int pageAnswer = 0;  // the host's answer to a page request
    PageState page = PageState::None;
    bool banner = false;
    std::vector<std::string> calls, chat, boxes;
};

class FakeOptionRoom : public FakeOwnerOf<UserOptionOwner> {
public:
    using FakeOwnerOf::FakeOwnerOf;
    bool IsRoundInPlay() const override { return false; }
    void PreviewOptionVoice(int32_t) override {}
    void OnOptionOk() override {}
    std::string GetVoiceName(int32_t, int32_t) const override { return "v"; }
    UserOptionRules::RoomInfo GetOptionRoomInfo() const override { return info; }
    void OnGameVolumeReleased(int32_t volume) override { gameVolumes.push_back(volume); }
    void OnMusicVolumeReleased(int32_t volume) override { musicVolumes.push_back(volume); }

    UserOptionRules::RoomInfo info;
    std::vector<int32_t> gameVolumes, musicVolumes;
};

Point Centre(const GVWnd* w)
{
    const Rect r = w->GetRect();
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A press and release on a widget, as the scene passes them to the panel.
void Click(CVPanel& panel, const GVWnd* w)
{
    panel.OnLButtonDown(MK_LBUTTON, Centre(w));
    panel.OnLButtonUp(0, Centre(w));
}

const RegistryKey kOptions{"MirellePeripheryTest\\Domain"};

}  // namespace

class PeripheryPanels : public PanelFixture {
protected:
    void SetUp() override
    {
        PanelFixture::SetUp();
        if (IsSkipped()) return;
        ASSERT_TRUE(fs::exists(room.imageRoot + "Etc\\CheckNotice.qza"))
            << "build the game_tree target first: " << room.imageRoot;
        SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\MirellePeripheryTest");
    }
    void TearDown() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\MirellePeripheryTest");
        PanelFixture::TearDown();
    }
    template <class Panel>
    std::unique_ptr<Panel> Make()
    {
        auto panel = std::make_unique<Panel>();
        EXPECT_TRUE(panel->CreateChildren(room)) << (room.errors.empty() ? "" : room.errors.front());
        return panel;
    }

    FakePeriphery room{GeneratedImageRoot()};
};

// The music volume missing from the registry is written as -1250; the game-volume slider dragged to
// its left end shows the sound-off mark while dragging and gives -5000 when let go; at full volume
// its thumb stays inside the window.
TEST_F(PeripheryPanels, OptionSlidersActWhenLetGo)
{
    FakeOptionRoom options{GeneratedImageRoot()};
    CVUserOptionWnd panel;
    ASSERT_TRUE(panel.CreateChildren(options, kOptions, "24"));
    std::string stored;
    EXPECT_TRUE(kOptions.ReadString("24", "KungJJakBGM_Volume", stored));
    EXPECT_EQ(stored, "-1250");
    panel.SetPos(CVUserOptionWnd::kPlace);
    panel.SetChoices(0, 0, true, 0, 0);
    ASSERT_EQ(panel.Open(0), 1);
    GVSlideWnd* slider = panel.GetVolumeSlider();
    EXPECT_LE(slider->GetThumbRect().right, 800) << "full volume";
    const Point grab = Centre(slider);
    const Point thumb{slider->GetThumbRect().left + 2, grab.y};
    panel.OnLButtonDown(MK_LBUTTON, thumb);
    panel.OnMouseMove(MK_LBUTTON, {slider->GetRect().left - 40, grab.y});
    EXPECT_TRUE(panel.IsSoundOffShown()) << "the mark follows the drag";
    EXPECT_TRUE(options.gameVolumes.empty()) << "nothing before the release";
    panel.OnLButtonUp(0, {slider->GetRect().left - 40, grab.y});
    EXPECT_EQ(options.gameVolumes, std::vector<int32_t>{-5000});
    EXPECT_EQ(panel.GetVolume(), -5000);

    GVSlideWnd* music = panel.GetMusicSlider();
    panel.OnLButtonDown(MK_LBUTTON, {music->GetThumbRect().left + 2, Centre(music).y});
    panel.OnLButtonUp(0, {music->GetRect().right + 30, Centre(music).y});
    EXPECT_EQ(options.musicVolumes, std::vector<int32_t>{0});
}

// An anti-leave room fills the seven rows. Their block is a widget of its own, shown and hidden
// with the panel, so no row stays drawn after the panel closes.
TEST_F(PeripheryPanels, OptionRoomRowsShowAndHideWithThePanel)
{
    FakeOptionRoom options{GeneratedImageRoot()};
    options.info = {8, 2, "", "PE=1|SM=1", 0, 100, 5};
    CVUserOptionWnd panel;
    ASSERT_TRUE(panel.CreateChildren(options, kOptions, "24"));
    CVRoomInfoWnd block;
    ASSERT_TRUE(block.CreateChildren(options));
    panel.SetRoomBlock(&block);
    panel.SetPos(CVUserOptionWnd::kPlace);
    panel.BuildRoomOptionText();
    EXPECT_FALSE(block.IsVisible()) << "rows built while the panel is closed stay hidden";
    ASSERT_EQ(panel.Open(1), 1);
    EXPECT_TRUE(block.IsVisible());
    EXPECT_EQ(panel.GetRoomRow(0), "인원:2");
    EXPECT_EQ(panel.GetRoomRow(4), "먹튀방지:5판");
    EXPECT_EQ(panel.GetRoomRow(6), "게임속도:보통");
    EXPECT_EQ(block.GetRow(6), "게임속도:보통") << "the block shows the rows";
    EXPECT_TRUE(block.GetRect().Intersected(panel.GetRect()).IsEmpty()) << "the block covers no control";
    ASSERT_EQ(panel.Close(), 1);
    EXPECT_FALSE(block.IsVisible()) << "the rows go with the panel";
    EXPECT_EQ(block.GetRow(0), "") << "no row shows";
    EXPECT_EQ(panel.GetRoomRow(0), "인원:2") << "the panel keeps the rows it built";
}

TEST_F(PeripheryPanels, ItemReservationsAndTheSafe)
{
    room.facts.roomKind = 41;
    auto items = Make<CVItemWnd>();
    EXPECT_FALSE(items->ShowItems()) << "nothing loaded";
    items->ReserveAssaItem(0, 3, 2);
    items->ReserveAssaItem(0, 2, 2);  // lower after higher: the chat line, not the mark
    items->ReserveAssaItem(2, 5, 2);  // seat 2
    items->ReserveAssaItem(0, 5, 5);  // grade 5
    items->ReserveSupermanItem(0, 1, 0);  // flag 1
    EXPECT_EQ(room.calls, (std::vector<std::string>{"host 20 0x11004", "host 20 0x11002"}));
    ASSERT_EQ(room.chat.size(), 2u);
    EXPECT_EQ(items->GetReservedItem(), 3);
    EXPECT_EQ(items->GetChanceMark()->GetFrame(), 13);
    EXPECT_EQ(items->GetPriceText()->GetText(), "최고18억 7천만냥");

    room.calls.clear();
    items->SetSafeChoices(300, 400, 500, 100, 0);
    EXPECT_FALSE(items->GetSafeButton()->IsEnabled()) << "no choice to take";
    items->SetSafeChoices(50, 400, 500, 1000, 0);
    ASSERT_TRUE(items->ShowItems());
    EXPECT_TRUE(items->GetSafeButton()->IsEnabled());
    Click(*items, items->GetChoiceText(1));
    EXPECT_EQ(items->GetSelectedChoice(), 1);
    Click(*items, items->GetSafeButton());
    EXPECT_EQ(room.calls, (std::vector<std::string>{"use 400", "sound 20"}));

    // The tip follows the pointer over the withdraw-all choice only.
    const Point over = Centre(items->GetChoiceText(2));
    items->OnMouseMove(0, over);
    EXPECT_TRUE(items->GetTipBox()->IsVisible());
    EXPECT_EQ(items->GetTipBox()->GetPos(), over + Point(20, 10));
    items->OnMouseMove(0, Centre(items->GetChoiceText(0)));
    EXPECT_FALSE(items->GetTipBox()->IsVisible());
}

TEST_F(PeripheryPanels, ObserverPagesWaitForTheHost)
{
    room.facts.seatFree = true;
    room.own.safeMoney = 0;
    auto bar = Make<CVObserveSystemWnd>();
    bar->Show(true);
    using B = CVObserveSystemWnd::Button;
    bar->Refresh();
    EXPECT_TRUE(bar->GetButton(B::Assa)->IsEnabled()) << "a held item enables its button";
    room.calls.clear();
    Click(*bar, bar->GetButton(B::Assa));
    Click(*bar, bar->GetButton(B::Refill));  // pending: nothing
    EXPECT_EQ(room.calls, (std::vector<std::string>{"page 1", "host 44 0x11000", "sound 20", "sound 20"}));
    room.calls.clear();
    bar->OnHostResult(0x11000, true);
    EXPECT_EQ(room.calls, (std::vector<std::string>{"host 43 0x11000", "host 43 0x12000", "page 2"}));

    // A request the host could not take or answered with a failure leaves nothing pending.
    const struct { const char* name; bool host; int answer; PageState page; } requests[] = {
        {"no host", false, 0, PageState::None},
        {"the host fails", true, -1, PageState::None},
        {"the host takes it", true, 0, PageState::Requested},
        {"the host answers 1", true, 1, PageState::Requested},
    };
    for (const auto& c : requests) {
        room.page = PageState::None;
        room.hostPresent = c.host;
        room.pageAnswer = c.answer;
        Click(*bar, bar->GetButton(B::GameMall));
        EXPECT_EQ(room.page, c.page) << c.name;
    }
    room.page = PageState::None;
    room.hostPresent = false;
    room.calls.clear();
    Click(*bar, bar->GetButton(B::Safe));
    EXPECT_EQ(room.calls, (std::vector<std::string>{"box 2000", "sound 20"}));

    Click(*bar, bar->GetButton(B::Minimize));
    EXPECT_FALSE(bar->GetButton(B::Join)->IsVisible());
    bar->SetJoinButton(true, true);
    EXPECT_FALSE(bar->GetButton(B::Join)->IsVisible()) << "folded";
    Click(*bar, bar->GetButton(B::TextTab));
    EXPECT_TRUE(bar->GetButton(B::Join)->IsVisible());
    room.page = PageState::Requested;
    bar->Show(true);
    EXPECT_EQ(room.page, PageState::None) << "showing drops an unanswered page";

    const GVWnd* superman = bar->GetButton(B::Superman);
    bar->OnMouseMove(0, Centre(superman));
    EXPECT_TRUE(bar->GetItemTooltip()->IsVisible());
    EXPECT_EQ(bar->GetItemTooltip()->GetFrame(), 1);
    EXPECT_EQ(bar->GetItemTooltip()->GetPos(), superman->GetPos() + Point(-5, -40));
}

TEST_F(PeripheryPanels, RestrictPlayCountAndRanking)
{
    auto restrict = Make<CVRestrictOptionWnd>();
    room.facts = {8, false, false, true, true, 5, 3};
    EXPECT_EQ(restrict->Update(true, true), 1);
    EXPECT_EQ(restrict->GetText()->GetText(), "2판 남음");
    EXPECT_TRUE(restrict->IsVisible());
    room.facts.antiLeaveRoom = false;
    EXPECT_EQ(restrict->Update(true, true), 0);
    EXPECT_FALSE(restrict->IsVisible());

    auto count = Make<CVGFPlayCountWnd>();
    count->SetPlayCount(100, 0);
    EXPECT_EQ(count->GetCountText()->GetText(), "200");
    EXPECT_EQ(count->GetGauge()->GetRect().Width(), 25);
    count->SetPlayCount(-1, 0);
    EXPECT_EQ(count->GetCountText()->GetText(), "200");
    Click(*count, count->GetRefillButton());
    EXPECT_EQ(room.calls, (std::vector<std::string>{"refill page", "sound 20"}));
    room.own.unlimitedPlay = 1;
    count->ShowLimitAlert();
    EXPECT_TRUE(room.chat.empty()) << "no limit, no notice";

    auto ranking = Make<CVRankingPointWnd>();
    PlayerInfo record;
    record.userKey = 7;
    record.rankLevel = 3;
    ranking->AddPoints(&record, 15);
    EXPECT_EQ(ranking->GetPointsText()->GetText(), "+15점");
    EXPECT_EQ(ranking->GetLevelBadge()->GetFrame(), 2);
    Clock::Advance(1500);
    EXPECT_EQ(ranking->Step(), 0);
    EXPECT_TRUE(ranking->IsVisible());
    Clock::Advance(1);
    EXPECT_EQ(ranking->Step(), 1);
    EXPECT_FALSE(ranking->IsVisible());
    ranking->AddPoints(&record, 15);
    ranking->AddPoints(nullptr, 15);
    EXPECT_FALSE(ranking->IsVisible()) << "no record clears";
}

TEST_F(PeripheryPanels, JewelsCountToTheirLimit)
{
    room.facts.roomKind = 1;
    auto jewels = Make<CVMirelleBijouWnd>();
    ASSERT_EQ(jewels->SetBijouInfo(true, 2, 1199, 0), 1);
    EXPECT_EQ(jewels->GetLimit(), 1200);
    EXPECT_EQ(jewels->SetBijouInfo(true, 6, 0, 0), 0);
    EXPECT_EQ(jewels->GetCount(), 1199) << "a refused call changes nothing";
    EXPECT_TRUE(jewels->GetLevelBack()->IsVisible());
    room.banner = true;
    jewels->AddBijou(5);
    EXPECT_EQ(jewels->GetCount(), 1199) << "the banner shows";
    room.banner = false;
    jewels->AddBijou(5);
    jewels->AddBijou(5);
    EXPECT_EQ(jewels->GetCount(), 1204);
    EXPECT_EQ(jewels->GetGained(), 5);
    jewels->Show(false);
    ASSERT_EQ(jewels->SetBijouInfo(true, 2, 1300, 0), 1);
    EXPECT_EQ(jewels->GetCount(), 1200) << "held at the limit";
    EXPECT_TRUE(jewels->IsVisible() && jewels->GetSuccessBack()->IsVisible());

    ASSERT_EQ(jewels->SetBijouInfo(true, 1, 0, 0), 1);
    jewels->StartEffect(true, false);
    int steps = 0;
    for (int i = 0; i < 20 && jewels->GetEffectSteps() > 0; ++i) {
        Clock::Advance(301);
        jewels->Step();
        ++steps;
    }
    EXPECT_EQ(steps, 7) << "seven 300 ms steps";

    room.facts = {41};
    room.facts.stakeIndex = 0;
    room.facts.roomStakeValue = 0;
    ASSERT_EQ(jewels->SetBijouInfo(true, 1, 0, 0), 1);
    EXPECT_TRUE(room.banner) << "level 0 gives the default banner";
}

// Type 0 at time 3 binds the caption 13, the digit 17 and the effects and runs through every phase
// to the end, the scroller included; a text without TYPE leaves it alone.
TEST_F(PeripheryPanels, CheckNoticeRunsItsPhases)
{
    CCheckNotice notice;
    notice.Create();
    ASSERT_TRUE(notice.CreateChildren(room));
    const auto plan = notice.ParseNoticeText("TYPE=0#TIME=3#MSG=점검");
    EXPECT_TRUE(plan.active && notice.IsActive());
    EXPECT_EQ(plan.message, "점검");
    using P = CCheckNotice::Player;
    for (P p : {P::Caption, P::FirstDigit, P::Effect, P::Ending, P::ScrollBack, P::ScrollOverlay})
        EXPECT_TRUE(notice.GetPlayer(p).IsBound()) << static_cast<int>(p);
    EXPECT_FALSE(notice.GetPlayer(P::SecondDigit).IsBound());
    EXPECT_FALSE(notice.ParseNoticeText("TIME=9").active);
    EXPECT_TRUE(notice.IsActive()) << "no TYPE: the running notice goes on";
    std::vector<int> phases{notice.GetPhase()};
    for (int i = 0; i < 400 && notice.IsActive(); ++i) {
        Clock::Advance(50);
        notice.Step(Clock::NowMs());
        if (phases.back() != notice.GetPhase()) phases.push_back(notice.GetPhase());
    }
    EXPECT_EQ(phases, (std::vector<int>{1, 12, 20, 36, 0}));
    EXPECT_FALSE(notice.IsActive());

    notice.ParseNoticeText("TYPE=1#TIME=12");
    EXPECT_EQ(notice.GetPhase(), 2);
    EXPECT_FALSE(notice.GetPlayer(P::Caption).IsBound()) << "child 0 is the set";
    EXPECT_FALSE(notice.GetPlayer(P::Effect).IsBound()) << "time 4 or more unbinds the effects";
    notice.Reset();
    EXPECT_FALSE(notice.IsActive());
}

// The running notice draws into its strip and nowhere else, and what a frame of it costs against
// an idle one (printed; the drawing steps the notice on the real clock's virtual stand-in).
TEST_F(PeripheryPanels, NoticeDrawsInItsStripAndItsCost)
{
    CCheckNotice notice;
    notice.Create();
    ASSERT_TRUE(notice.CreateChildren(room));
    const Rect all{0, 0, 800, 600};
    LARGE_INTEGER freq, a, b;
    QueryPerformanceFrequency(&freq);
    const auto frame = [&] {
        QueryPerformanceCounter(&a);
        EXPECT_EQ(notice.Draw(Back(), all), 1);
        QueryPerformanceCounter(&b);
        return static_cast<double>(b.QuadPart - a.QuadPart) * 1e3 / static_cast<double>(freq.QuadPart);
    };
    std::vector<double> idle, active;
    for (int i = 0; i < 50; ++i) idle.push_back(frame());
    notice.ParseNoticeText("TYPE=0#TIME=3");
    for (int i = 0; i < 200 && notice.IsActive(); ++i) {
        Clock::Advance(50);
        active.push_back(frame());
    }
    EXPECT_FALSE(notice.IsActive()) << "the notice ends on its own";
    std::sort(idle.begin(), idle.end());
    std::sort(active.begin(), active.end());
    ASSERT_FALSE(active.empty());
    std::printf("check notice frame, depth %d: idle median %.3f ms, running median %.3f ms over %zu frames\n",
                RequestedDepth(), idle[idle.size() / 2], active[active.size() / 2], active.size());

    // Drawn on a cleared buffer while it runs: pixels in the strip change, none below it.
    DDBLTFX fx{};
    fx.dwSize = sizeof fx;
    ASSERT_EQ(Back()->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx), DD_OK);
    notice.ParseNoticeText("TYPE=0#TIME=3");
    Clock::Advance(20);
    notice.Draw(Back(), all);
    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof desc;
    ASSERT_EQ(Back()->Lock(nullptr, &desc, DDLOCK_WAIT | DDLOCK_READONLY, nullptr), DD_OK);
    const auto lit = [&](int top, int bottom) {
        int n = 0;
        const int bytes = static_cast<int>(desc.ddpfPixelFormat.dwRGBBitCount / 8);
        for (int y = top; y < bottom; ++y) {
            const auto* row = static_cast<const uint8_t*>(desc.lpSurface) + y * desc.lPitch;
            for (int x = 0; x < 800 * bytes; ++x) n += row[x] != 0;
        }
        return n;
    };
    const int inStrip = lit(0, 17), below = lit(17, 600);
    Back()->Unlock(nullptr);
    EXPECT_GT(inStrip, 0);
    EXPECT_EQ(below, 0);
}

// A notice with nothing to scroll (its pictures not loaded, no player bound) still runs to its end
// instead of waiting in the scrolling phase for ever.
TEST_F(PeripheryPanels, NoticeWithNothingToScrollStillEnds)
{
    CCheckNotice notice;
    notice.Create();
    ASSERT_TRUE(notice.ParseNoticeText("TYPE=0#TIME=3").active);
    for (int i = 0; i < 10 && notice.IsActive(); ++i) notice.Step(Clock::NowMs());
    EXPECT_FALSE(notice.IsActive()) << "phase " << notice.GetPhase();
}

// The jewel picture shows frame kind - 1 and the jewel clip kind - 1 (clip 4 for no kind); the
// level picture shows the level itself, level 0 the default banner instead.
TEST_F(PeripheryPanels, JewelKindAndStakeLevelPictures)
{
    room.facts.roomKind = 1;
    auto jewels = Make<CVMirelleBijouWnd>();
    ASSERT_TRUE(jewels);
    const struct { const char* name; int32_t kind; bool shown; int frame, clip; } kinds[] = {
        {"kind 1", 1, true, 0, 0},
        {"kind 3", 3, true, 2, 2},
        {"kind 5", 5, true, 4, 4},
        {"no kind", 0, false, -1, 4},
    };
    for (const auto& c : kinds) {
        ASSERT_EQ(jewels->SetBijouInfo(true, c.kind, 0, 0), 1) << c.name;
        EXPECT_EQ(jewels->GetJewelImage()->IsVisible(), c.shown) << c.name << ": info";
        if (c.shown) {
            EXPECT_EQ(jewels->GetJewelImage()->GetFrame(), c.frame) << c.name << ": info";
        }
        jewels->SetBijouKind(c.kind);
        EXPECT_EQ(jewels->GetJewelImage()->IsVisible(), c.shown) << c.name;
        if (c.shown) {
            EXPECT_EQ(jewels->GetJewelImage()->GetFrame(), c.frame) << c.name;
        }
        EXPECT_EQ(jewels->GetJewelAnimation()->GetSubAnimation(), c.clip) << c.name;
        EXPECT_TRUE(jewels->GetJewelAnimation()->IsVisible()) << c.name;
    }
    jewels->SetBijouKind(2);
    for (const int32_t bad : {6, -1}) {
        jewels->SetBijouKind(bad);
        EXPECT_EQ(jewels->GetJewelImage()->GetFrame(), 1) << "kind " << bad << " changes nothing";
        EXPECT_EQ(jewels->GetJewelAnimation()->GetSubAnimation(), 1) << "kind " << bad;
    }

    const struct { const char* name; int32_t roomKind, level; bool levelShown; int frame; bool banner; } levels[] = {
        {"level 3", 1, 3, true, 3, false},
        {"level 4", 1, 4, true, 4, false},
        {"level 5 is refused", 1, 5, true, 4, false},
        {"level 0: the default banner", 1, 0, false, -1, true},
        {"room kind 40 keeps the picture", 40, 2, false, -1, false},
        {"level 1", 41, 1, true, 1, false},
    };
    for (const auto& c : levels) {
        room.facts.roomKind = c.roomKind;
        room.banner = false;
        jewels->SetStakeLevel(c.level);
        EXPECT_EQ(jewels->GetLevelBack()->IsVisible(), c.levelShown) << c.name;
        if (c.levelShown) {
            EXPECT_EQ(jewels->GetLevelBack()->GetFrame(), c.frame) << c.name;
        }
        EXPECT_EQ(room.banner, c.banner) << c.name;
    }
}
