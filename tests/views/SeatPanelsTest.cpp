#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "PanelTestSupport.h"
#include "Png.h"
#include "protocol/Records.h"
#include "protocol/RoundRecords.h"
#include "toolkit/GVPSPNumberWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVBakIconWnd.h"
#include "views/CVGoBakAlertUIWnd.h"
#include "views/CVHTIconWnd.h"
#include "views/CVJumsuInfoWnd.h"
#include "views/CVUserInfoWnd.h"
#include "views/SeatPanelOwner.h"

namespace {

std::filesystem::path ProgramFolder()
{
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    return std::filesystem::path(exe).parent_path();
}

// The generated room's image folder beside the build (build/game, two folders above the test
// program's), with a trailing backslash.
std::string GeneratedImageRoot()
{
    return (ProgramFolder().parent_path().parent_path() / "game" / "GameImage").string() + "\\";
}

// A room stand-in for the seat panels: its image folder, room kind, rank titles and own seat.
class FakeSeatRoom final : public SeatPanelOwner, public LoadErrorSink {
public:
    explicit FakeSeatRoom(std::string root) : imageRoot(std::move(root)) {}
    const std::string& GetImageRoot() const override { return imageRoot; }
    LoadErrorSink& GetLoadErrorSink() override { return *this; }
    void AddLoadError(const std::string& name) override { errors.push_back("alloc:" + name); }
    void ReportLoadError(const std::string& name) override { errors.push_back("file:" + name); }
    int32_t GetRoomKind() const override { return roomKind; }
    std::string GetRankTitle(int index) const override { return index == 3 ? "고수" : ""; }
    const CHTUser* FindOwnRoundRecord() const override { return ownRecord; }

    std::string imageRoot;
    std::vector<std::string> errors;
    int32_t roomKind = 0;
    const CHTUser* ownRecord = nullptr;
};

// The names of the visible children, in drawing order.
std::string Shown(GVWnd& panel, const std::vector<const char*>& names)
{
    std::string s;
    size_t i = 0;
    for (GVWnd* child : panel.Children()) {
        if (child->IsVisible() && i < names.size()) s += std::string(s.empty() ? "" : " ") + names[i];
        ++i;
    }
    return s;
}

const std::vector<const char*> kScoreChildren = {"score", "big", "caption", "blink", "xcaption",
                                                 "x", "xsuffix", "tcaption", "total", "tsuffix"};

// An icon as "-" when hidden, else its clip.
std::string IconState(const GVQZAniWnd* icon)
{
    return icon->IsVisible() ? std::to_string(icon->GetSubAnimation()) : "-";
}

// A panel made for the room, or null when its creation failed.
template <class P, class... Args>
GVWnd* Made(FakeSeatRoom& room, Args... args)
{
    auto panel = std::make_unique<P>();
    return panel->CreateChildren(room, args...) ? panel.release() : nullptr;
}

PlayerInfo Player(int32_t key, const char* nickname, int64_t money, int64_t startMoney)
{
    PlayerInfo p;
    p.userKey = key;
    p.nickname = nickname;
    p.gameMoney = money;
    p.startMoney = startMoney;
    return p;
}

CHTUser Round(int32_t go, int32_t points, int32_t mult)
{
    CHTUser u;
    u.goCount = go;
    u.points = points;
    u.multiplier = mult;
    return u;
}

}  // namespace

class SeatPanels : public PanelFixture {
protected:
    void SetUp() override
    {
        PanelFixture::SetUp();
        if (IsSkipped()) return;
        ASSERT_TRUE(std::filesystem::exists(room.imageRoot + "Jumsu\\jumsu1.psp"))
            << "build the game_tree target first: " << room.imageRoot;
    }

    FakeSeatRoom room{GeneratedImageRoot()};
};

TEST_F(SeatPanels, EachPanelSitsAtItsSeatWithItsChildrenAround)
{
    const struct { const char* name; std::function<GVWnd*(FakeSeatRoom&)> make; Rect rect; size_t children;
                   Point firstChild; } cases[] = {
        {"player panel, own seat", [](auto& r) { return Made<CVUserInfoWnd>(r, 0); }, {628, 435, 728, 517}, 7, {628, 460}},
        {"player panel, other seat", [](auto& r) { return Made<CVUserInfoWnd>(r, 1); }, {628, 24, 728, 106}, 7, {628, 49}},
        {"score panel, own seat", [](auto& r) { return Made<CVJumsuInfoWnd>(r, 0, 0); }, {620, 386, 798, 436}, 10, {630, 386}},
        {"score panel, other seat", [](auto& r) { return Made<CVJumsuInfoWnd>(r, 1, 1); }, {620, 106, 798, 156}, 10, {630, 106}},
        {"counter icons, other seat", [](auto& r) { return Made<CVHTIconWnd>(r, 1); }, {624, 154, 715, 174}, 3, {624, 154}},
        {"bak icons, own seat", [](auto& r) { return Made<CVBakIconWnd>(r, 0); }, {712, 367, 797, 387}, 3, {712, 367}},
        {"go alert", [](auto& r) { return Made<CVGoBakAlertUIWnd>(r); }, {620, 345, 787, 404}, 2, {620, 345}},
    };
    for (const auto& c : cases) {
        std::unique_ptr<GVWnd> panel(c.make(room));
        ASSERT_TRUE(panel) << c.name << ": " << (room.errors.empty() ? "" : room.errors.front());
        EXPECT_EQ(panel->GetRect(), c.rect) << c.name;
        EXPECT_TRUE(panel->IsVisible() && !panel->IsEnabled()) << c.name << ": shown and disabled";
        ASSERT_EQ(panel->Children().size(), c.children) << c.name;
        EXPECT_EQ(panel->Children().front()->GetPos(), c.firstChild) << c.name;
    }
    EXPECT_TRUE(room.errors.empty());

    CVUserInfoWnd wrongSeat;
    EXPECT_FALSE(wrongSeat.CreateChildren(room, 2));
    EXPECT_TRUE(wrongSeat.Children().empty()) << "nothing made for a seat that does not exist";
}

TEST_F(SeatPanels, PlayerPanelShowsTheSeatRecord)
{
    PlayerInfo base = Player(7, "나그네", 123456789, 100000000);
    base.tournamentMoney = 50000;
    base.tournamentWins = 3;
    base.rankLevel = 3;
    const struct { const char* name; int seat; int32_t roomKind; std::function<void(PlayerInfo&)> change;
                   const char* title; const char* money; const char* moneyChange; bool changeShown; const char* mark; } cases[] = {
        {"a plain room: game money and rank title", 0, 0, [](PlayerInfo&) {}, "고수", "1억2345만냥", "2345만6789냥", true, "-"},
        {"safe money adds a plus", 0, 0, [](PlayerInfo& p) { p.safeMoney = 10; }, "고수", "1억2345만냥+", "2345만6789냥", true, "-"},
        {"a tournament: its money and wins", 0, 20, [](PlayerInfo& p) { p.startMoney = 60000; }, "3회우승", "5만냥", "-1만냥", true, "-"},
        {"leave reserved", 0, 0, [](PlayerInfo& p) { p.exitReserved = 1; }, "고수", "1억2345만냥", "2345만6789냥", true, "0"},
        {"leave reserved in a tournament shows no mark", 0, 32, [](PlayerInfo& p) { p.exitReserved = 1; },
         "3회우승", "5만냥", "-9995만냥", true, "-"},
        {"observing reserved", 0, 0, [](PlayerInfo& p) { p.observeReserved = 1; }, "고수", "1억2345만냥", "2345만6789냥", true, "1"},
        {"the other seat keeps its change line hidden", 1, 0, [](PlayerInfo&) {}, "고수", "1억2345만냥", "2345만6789냥", false, "-"},
    };
    for (const auto& c : cases) {
        room.roomKind = c.roomKind;
        CVUserInfoWnd panel;
        ASSERT_TRUE(panel.CreateChildren(room, c.seat));
        PlayerInfo p = base;
        c.change(p);
        panel.SetUserInfo(p);
        EXPECT_EQ(panel.GetUserKey(), 7) << c.name;
        EXPECT_EQ(panel.GetNameLine()->GetText(), "나그네") << c.name;
        EXPECT_EQ(panel.GetTitleLine()->GetText(), c.title) << c.name;
        EXPECT_EQ(panel.GetMoneyLine()->GetText(), c.money) << c.name;
        EXPECT_EQ(panel.GetMoneyChangeLine()->GetText(), c.moneyChange) << c.name;
        EXPECT_EQ(panel.GetMoneyChangeLine()->IsVisible(), c.changeShown) << c.name;
        EXPECT_EQ(IconState(panel.GetReservationMark()), c.mark) << c.name;
    }
}

TEST_F(SeatPanels, PlayerPanelEmptiesForASeatWithoutUser)
{
    CVUserInfoWnd panel;
    ASSERT_TRUE(panel.CreateChildren(room, 0));
    PlayerInfo p = Player(7, "나그네", 5000, 0);
    p.observeReserved = 1;
    panel.SetUserInfo(p);
    ASSERT_TRUE(panel.GetReservationMark()->IsVisible());

    PlayerInfo nobody;
    nobody.nickname = "남은 이름";  // a record without a user shows none of its fields
    nobody.observeReserved = 1;
    panel.SetUserInfo(nobody);
    EXPECT_EQ(panel.GetUserKey(), -1);
    for (const GVTextWnd* line : {panel.GetNameLine(), panel.GetMoneyLine(), panel.GetMoneyChangeLine(), panel.GetTitleLine()})
        EXPECT_EQ(line->GetText(), "");
    EXPECT_FALSE(panel.GetReservationMark()->IsVisible());

    // The start money went with the user: money now counts as changed by all of it.
    panel.SetMoney(20000, 0);
    EXPECT_EQ(panel.GetMoneyChangeLine()->GetText(), "2만냥");
}

TEST_F(SeatPanels, ScorePanelShowsSmallOrBigScoreAndItsLines)
{
    const struct { const char* name; int skin; CHTUser round; const char* shown; int captionFrame;
                   int64_t score, mult, total; } cases[] = {
        {"3 with multiplier 1", 0, Round(0, 3, 1), "score caption", 0, 3, 1, 3},
        {"7 with multiplier 2: big digits, both lines", 0, Round(0, 7, 2),
         "big caption xcaption x xsuffix tcaption total tsuffix", 1, 7, 2, 14},
        {"the same in skin 1", 1, Round(0, 7, 2), "big caption xcaption x xsuffix tcaption total tsuffix", 2, 7, 2, 14},
        {"6 with multiplier 3: small with its multiplier", 0, Round(1, 5, 3), "score caption xcaption x xsuffix", 0, 6, 3, 18},
    };
    for (const auto& c : cases) {
        CVJumsuInfoWnd panel;
        ASSERT_TRUE(panel.CreateChildren(room, 0, c.skin));
        panel.SetScore(c.round);
        EXPECT_EQ(Shown(panel, kScoreChildren), c.shown) << c.name;
        EXPECT_EQ(panel.GetCaption()->GetFrame(), c.captionFrame) << c.name;
        EXPECT_EQ(panel.GetScoreNumber()->GetNumber(), c.score) << c.name;
        EXPECT_EQ(panel.GetBigScoreNumber()->GetNumber(), c.score) << c.name;
        EXPECT_EQ(panel.GetMultiplierNumber()->GetNumber(), c.mult) << c.name;
        EXPECT_EQ(panel.GetTotalNumber()->GetNumber(), c.total) << c.name;
    }
}

TEST_F(SeatPanels, SkinChangeKeepsTheCaptionOfWhatIsShown)
{
    CVJumsuInfoWnd panel;
    ASSERT_TRUE(panel.CreateChildren(room, 0, 0));
    panel.SetScore(Round(0, 3, 1));
    EXPECT_EQ(panel.SetSkin(1), 1);
    EXPECT_EQ(panel.GetCaption()->GetFrame(), 0) << "the small score's caption has no skin";
    panel.SetScore(Round(0, 8, 2));
    EXPECT_EQ(panel.GetCaption()->GetFrame(), 2);
    panel.SetSkin(0);
    EXPECT_EQ(panel.GetCaption()->GetFrame(), 1);
    EXPECT_EQ(Shown(panel, kScoreChildren), "big caption xcaption x xsuffix tcaption total tsuffix")
        << "a skin change shows and hides nothing";
}

// The tick steps the panels every 50 ms of the virtual clock; each line is a change of the blinking
// number's visibility with the time since the new score.
class ScoreBlinkTimeline {
public:
    explicit ScoreBlinkTimeline(std::vector<CVJumsuInfoWnd*> scorePanels) : panels(std::move(scorePanels)) {}
    std::vector<std::string> Run(int forMs)
    {
        std::vector<std::string> seen;
        std::vector<bool> was(panels.size(), false);
        for (int t = 0; t <= forMs; t += 50) {
            for (size_t i = 0; i < panels.size(); ++i) {
                panels[i]->Step();
                const bool now = panels[i]->GetBlinkNumber()->IsVisible();
                if (now != was[i])
                    seen.push_back(std::to_string(t) + (panels.size() > 1 ? " seat" + std::to_string(i) : "") +
                                   (now ? " on" : " off"));
                was[i] = now;
            }
            Clock::Advance(50);
        }
        return seen;
    }

private:
    std::vector<CVJumsuInfoWnd*> panels;
};

TEST_F(SeatPanels, NewSmallScoreBlinksThreeTimes)
{
    CVJumsuInfoWnd panel;
    ASSERT_TRUE(panel.CreateChildren(room, 0, 0));
    panel.SetScore(Round(0, 2, 1));
    ScoreBlinkTimeline timeline({&panel});
    timeline.Run(3000);

    panel.SetScore(Round(0, 3, 1));
    const std::vector<std::string> blink = {"0 on", "350 off", "700 on", "1050 off", "1400 on", "1750 off"};
    EXPECT_EQ(timeline.Run(3000), blink);
    EXPECT_FALSE(panel.IsBlinking());
    EXPECT_EQ(panel.GetBlinkNumber()->GetNumber(), 3);
    panel.SetDirty(false);
    EXPECT_EQ(panel.Step(), 0) << "an ended blink changes nothing";
    EXPECT_FALSE(panel.IsDirty());

    panel.SetScore(Round(0, 3, 1));
    EXPECT_TRUE(timeline.Run(1000).empty()) << "the same score twice does not blink";
    EXPECT_EQ(Shown(panel, kScoreChildren), "score caption");
}

TEST_F(SeatPanels, BothSeatsBlinkTogether)
{
    CVJumsuInfoWnd own, other;
    ASSERT_TRUE(own.CreateChildren(room, 0, 0));
    ASSERT_TRUE(other.CreateChildren(room, 1, 0));
    own.SetScore(Round(0, 1, 1));
    other.SetScore(Round(0, 2, 1));
    const std::vector<std::string> both = {"0 seat0 on", "0 seat1 on", "350 seat0 off", "350 seat1 off",
                                           "700 seat0 on", "700 seat1 on", "1050 seat0 off", "1050 seat1 off",
                                           "1400 seat0 on", "1400 seat1 on", "1750 seat0 off", "1750 seat1 off"};
    EXPECT_EQ(ScoreBlinkTimeline({&own, &other}).Run(3000), both);
}

// A running blink ends with the small score it shows; afterwards a score of 3 is new again.
TEST_F(SeatPanels, BlinkEndsWithItsScore)
{
    const struct { const char* name; std::function<void(CVJumsuInfoWnd&)> act; const char* shown; } cases[] = {
        {"the score fell to nothing", [](auto& p) { p.SetScore(Round(0, 0, 1)); }, ""},
        {"the score grew big", [](auto& p) { p.SetScore(Round(1, 6, 2)); }, "big caption xcaption x xsuffix tcaption total tsuffix"},
        {"a reset forgets the score", [](auto& p) { p.Reset(); }, ""},
    };
    for (const auto& c : cases) {
        CVJumsuInfoWnd panel;
        ASSERT_TRUE(panel.CreateChildren(room, 0, 0));
        panel.SetScore(Round(0, 3, 1));
        ScoreBlinkTimeline timeline({&panel});
        ASSERT_EQ(timeline.Run(400).size(), 2u) << c.name << ": the blink runs";
        c.act(panel);
        EXPECT_TRUE(timeline.Run(3000).empty()) << c.name << ": the blinking number stays hidden";
        EXPECT_EQ(Shown(panel, kScoreChildren), c.shown) << c.name;
        panel.SetScore(Round(0, 3, 1));
        EXPECT_TRUE(panel.IsBlinking()) << c.name;
    }
}

TEST_F(SeatPanels, CounterIconsFollowOnlyRisingCounts)
{
    struct Counts { int32_t go, ppeok, shake; };
    const struct { const char* name; std::vector<Counts> updates; bool resetBeforeLast; const char* icons; } cases[] = {
        {"first go", {{1, 0, 0}}, false, "0 - -"},
        {"go 1, 2", {{1, 0, 0}, {2, 0, 0}}, false, "1 - -"},
        {"go 1, 2, 2, 1 keeps the second clip", {{1, 0, 0}, {2, 0, 0}, {2, 0, 0}, {1, 0, 0}}, false, "1 - -"},
        {"go 10 hides the icon", {{1, 0, 0}, {10, 0, 0}}, false, "- - -"},
        {"go 9 after 10 stays hidden: 10 is remembered", {{10, 0, 0}, {9, 0, 0}}, false, "- - -"},
        {"after a reset go 1 shows again", {{3, 2, 1}, {1, 0, 0}}, true, "0 - -"},
        {"the third ppeok and four shakes", {{0, 3, 4}}, false, "- 2 3"},
        {"a fourth ppeok has no clip", {{0, 3, 0}, {0, 4, 0}}, false, "- - -"},
    };
    for (const auto& c : cases) {
        CVHTIconWnd panel;
        ASSERT_TRUE(panel.CreateChildren(room, 0));
        for (size_t i = 0; i < c.updates.size(); ++i) {
            if (c.resetBeforeLast && i + 1 == c.updates.size()) {
                EXPECT_EQ(panel.Reset(), 1);
            }
            CHTUser u;
            u.goCount = c.updates[i].go;
            u.markCount = c.updates[i].ppeok;
            u.shakeBombCount = c.updates[i].shake;
            panel.SetCounters(u);
        }
        const std::string icons = IconState(panel.GetIcon(CVHTIconWnd::kGo)) + " " +
                                  IconState(panel.GetIcon(CVHTIconWnd::kPpeok)) + " " +
                                  IconState(panel.GetIcon(CVHTIconWnd::kShakeBomb));
        EXPECT_EQ(icons, c.icons) << c.name;
    }
}

TEST_F(SeatPanels, BakIconPlaysOnceWhileItsFlagStaysSet)
{
    CVBakIconWnd panel;
    ASSERT_TRUE(panel.CreateChildren(room, 1));
    GVQZAniWnd* gwang = panel.GetIcon(CVBakIconWnd::kGwangBak);
    CHTUser u;
    u.gwangBak = 1;
    panel.SetBakFlags(u);
    ASSERT_TRUE(gwang->IsPlaying());
    for (int i = 0; i < 20 && gwang->IsPlaying(); ++i) {
        Clock::Advance(50);
        panel.Step();
    }
    ASSERT_FALSE(gwang->IsPlaying()) << "the clip ran out";
    ASSERT_TRUE(gwang->IsVisible()) << "and holds its last frame";

    for (int i = 0; i < 3; ++i) {
        panel.SetBakFlags(u);
        EXPECT_FALSE(gwang->IsPlaying()) << "update " << i << " played the icon again";
    }
    u.piBak = 1;
    panel.SetBakFlags(u);
    EXPECT_EQ(IconState(gwang) + " " + IconState(panel.GetIcon(CVBakIconWnd::kMeongTta)) + " " +
                  IconState(panel.GetIcon(CVBakIconWnd::kPiBak)),
              "0 - 2") << "each bak has its own clip";
    u.gwangBak = 0;
    panel.SetBakFlags(u);
    EXPECT_FALSE(gwang->IsVisible()) << "a cleared flag hides its icon";
    EXPECT_EQ(panel.HideAll(), 1);
    EXPECT_FALSE(panel.GetIcon(CVBakIconWnd::kPiBak)->IsVisible());
}

TEST_F(SeatPanels, GoAlertFollowsTheOwnSeat)
{
    CHTUser own;
    own.pointsWithGo = 7;
    const struct { const char* name; bool seated; std::vector<int32_t> scores; bool shown; int64_t number; } cases[] = {
        {"the own user has no seat", false, {5}, false, 0},
        {"7 to beat with 5 shows 8", true, {5}, true, 8},
        {"reaching 8 hides", true, {5, 8}, false, 8},
        {"7 keeps the alert shown", true, {5, 7}, true, 8},
        {"7 keeps the alert hidden", true, {7}, false, 0},
    };
    for (const auto& c : cases) {
        room.ownRecord = c.seated ? &own : nullptr;
        CVGoBakAlertUIWnd panel;
        ASSERT_TRUE(panel.CreateChildren(room));
        for (int32_t score : c.scores) {
            own.points = score;
            panel.Update();
        }
        EXPECT_EQ(panel.GetBack()->IsVisible(), c.shown) << c.name;
        EXPECT_EQ(panel.GetNumber()->IsVisible(), c.shown) << c.name;
        if (c.number) {
            EXPECT_EQ(panel.GetNumber()->GetNumber(), c.number) << c.name;
        }
    }
}

// Both seats' panels filled as in a round, drawn and written to a PNG a person can open and check.
TEST_F(SeatPanels, BothSeatsFilledToPng)
{
    room.roomKind = 0;
    CVUserInfoWnd info[2];
    CVJumsuInfoWnd score[2];
    CVHTIconWnd counters[2];
    CVBakIconWnd bak[2];
    CVGoBakAlertUIWnd alert;
    std::vector<CVPanel*> drawOrder;
    for (int seat = 0; seat < 2; ++seat) {
        ASSERT_TRUE(info[seat].CreateChildren(room, seat));
        ASSERT_TRUE(score[seat].CreateChildren(room, seat, 0));
        ASSERT_TRUE(counters[seat].CreateChildren(room, seat));
        ASSERT_TRUE(bak[seat].CreateChildren(room, seat));
        drawOrder.insert(drawOrder.end(), {&info[seat], &score[seat], &counters[seat], &bak[seat]});
    }
    PlayerInfo me = Player(1, "나의이름", 123456789, 100000000);
    me.rankLevel = 3;
    me.safeMoney = 1;
    me.observeReserved = 1;
    info[0].SetUserInfo(me);
    info[1].SetUserInfo(Player(2, "상대", 5000000, 5000000));
    info[0].GetStatusMark(0)->Show(true);
    info[1].GetStatusMark(1)->Show(true);

    CHTUser mine = Round(1, 7, 2);  // 8 points, total 16
    mine.markCount = 2;
    mine.shakeBombCount = 1;
    mine.gwangBak = 1;
    mine.pointsWithGo = 9;
    CHTUser theirs = Round(0, 3, 1);
    theirs.piBak = 1;
    theirs.meongTta = 1;
    for (int seat = 0; seat < 2; ++seat) {
        const CHTUser& u = seat == 0 ? mine : theirs;
        score[seat].SetScore(u);
        counters[seat].SetCounters(u);
        bak[seat].SetBakFlags(u);
    }
    room.ownRecord = &mine;
    ASSERT_TRUE(alert.CreateChildren(room));
    alert.Update();
    drawOrder.push_back(&alert);
    EXPECT_TRUE(room.errors.empty());

    ASSERT_EQ(FillSurfaceRect(Back(), kAll, 0x1E5A32), DD_OK);
    for (CVPanel* p : drawOrder) EXPECT_EQ(p->Draw(Back(), kAll), 1);
    EXPECT_GT(CountNear({628, 480, 728, 494}, {0xFF, 0xD7, 0x02}), 10) << "own money line in its colour";
    EXPECT_GT(CountNear({628, 49, 728, 63}, kWhite), 10) << "the other's name";
    EXPECT_TRUE(PixelIs({621, 346}, {0x60, 0x20, 0x20})) << "the alert's back";

    std::vector<uint8_t> rgb;
    {
        const SurfaceLock lock(Back(), DDLOCK_WAIT | DDLOCK_READONLY);
        ASSERT_TRUE(lock.View().IsValid());
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x) {
                const Rgb c = UnpackRgb(Mode(), lock.View().PixelAt(x, y));
                rgb.insert(rgb.end(), {c.r, c.g, c.b});
            }
    }
    const std::string path =
        (ProgramFolder() / ("seatpanels_screenshot_depth" + std::to_string(RequestedDepth()) + ".png")).string();
    ASSERT_TRUE(WritePng(path, 800, 600, rgb));
    std::printf("screenshot: %s\n", path.c_str());
}
