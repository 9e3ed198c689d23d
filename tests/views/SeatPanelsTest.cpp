#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "PanelTestSupport.h"
#include "protocol/Records.h"
#include "protocol/RoundRecords.h"
#include "toolkit/GVPSPNumberWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVBakIconWnd.h"
#include "views/CVGoBakAlertUIWnd.h"
#include "views/CVHTIconWnd.h"
#include "views/CVJumsuInfoWnd.h"
#include "views/CVUserInfoWnd.h"
#include "views/SeatPanelOwner.h"

namespace {

// The seat panels' room: its room kind, a rank title for index 3 and the own seat's record.
class FakeSeatRoom final : public FakeOwnerOf<SeatPanelOwner> {
public:
    using FakeOwnerOf::FakeOwnerOf;
    int32_t GetRoomKind() const override { return roomKind; }
    std::string GetRankTitle(int index) const override { return index == 3 ? "고수" : ""; }  // level 9 shows title 3
    const CHTUser* FindOwnRoundRecord() const override { return ownRecord; }

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
const char* const kBigShown = "big caption xcaption x xsuffix tcaption total tsuffix";

// Icons as "-" when hidden, else their clip, one space apart.
std::string IconStates(std::initializer_list<const GVQZAniWnd*> icons)
{
    std::string s;
    for (const GVQZAniWnd* icon : icons)
        s += (s.empty() ? "" : " ") + (icon->IsVisible() ? std::to_string(icon->GetSubAnimation()) : "-");
    return s;
}

CHTUser Round(int32_t go, int32_t points, int32_t mult)
{
    CHTUser u;
    std::tie(u.goCount, u.points, u.multiplier) = std::tie(go, points, mult);
    return u;
}

// Steps the panels every 50 ms of the virtual clock, as the tick does; each line is a change of a
// blinking number's visibility with the time since the start.
std::vector<std::string> BlinkTimeline(const std::vector<CVJumsuInfoWnd*>& panels, int forMs)
{
    std::vector<std::string> seen;
    std::vector<bool> was(panels.size(), false);
    for (int t = 0; t <= forMs; t += 50, Clock::Advance(50))
        for (size_t i = 0; i < panels.size(); ++i) {
            panels[i]->Step();
            const bool now = panels[i]->GetBlinkNumber()->IsVisible();
            if (now != was[i]) seen.push_back(std::to_string(t) + " seat" + std::to_string(i) + (now ? " on" : " off"));
            was[i] = now;
        }
    return seen;
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

// Texts as "title|money|change|mark", the change line's text only when it shows, the mark as its clip.
TEST_F(SeatPanels, PlayerPanelShowsTheSeatRecord)
{
    PlayerInfo base;
    std::tie(base.userKey, base.nickname, base.rankLevel, base.tournamentWins) = std::tuple(7, "나그네", 9, 3);
    std::tie(base.gameMoney, base.startMoney, base.tournamentMoney, base.safeMoney) =
        std::tuple(123456789, 100000000, 50000, 10);
    const struct { const char* name; int seat; int32_t roomKind; std::function<void(PlayerInfo&)> change;
                   const char* texts; } cases[] = {
        {"a plain room: game money and rank title", 0, 0, [](PlayerInfo&) {}, "고수|1억2345만냥+|2345만6789냥|-"},
        {"leave reserved", 0, 0, [](PlayerInfo& p) { p.exitReserved = 1; }, "고수|1억2345만냥+|2345만6789냥|0"},
        {"a tournament: its money and wins, no leave mark", 0, 32, [](PlayerInfo& p) { p.exitReserved = 1; },
         "3회우승|5만냥+|-9995만냥|-"},
        {"observing reserved", 1, 0, [](PlayerInfo& p) { p.observeReserved = 1; }, "고수|1억2345만냥+||1"},
    };
    for (const auto& c : cases) {
        room.roomKind = c.roomKind;
        CVUserInfoWnd panel;
        ASSERT_TRUE(panel.CreateChildren(room, c.seat));
        PlayerInfo p = base;
        c.change(p);
        panel.SetUserInfo(p);
        const GVTextWnd* change = panel.GetMoneyChangeLine();
        EXPECT_EQ(panel.GetUserKey(), 7) << c.name;
        EXPECT_EQ(panel.GetTitleLine()->GetText() + "|" + panel.GetMoneyLine()->GetText() + "|" +
                      (change->IsVisible() ? change->GetText() : "") + "|" + IconStates({panel.GetReservationMark()}),
                  c.texts) << c.name;
    }

    CVUserInfoWnd wrongSeat;
    EXPECT_FALSE(wrongSeat.CreateChildren(room, 2) || !wrongSeat.Children().empty()) << "seat 2 makes nothing";

    // A record without a user shows none of its fields, and its start money goes with it.
    CVUserInfoWnd panel;
    ASSERT_TRUE(panel.CreateChildren(room, 0));
    panel.SetUserInfo(base);
    base.userKey = -1;
    base.observeReserved = 1;
    panel.SetUserInfo(base);
    std::string texts;
    for (const GVTextWnd* line : {panel.GetNameLine(), panel.GetMoneyLine(), panel.GetMoneyChangeLine(), panel.GetTitleLine()})
        texts += line->GetText();
    EXPECT_TRUE(texts.empty() && !panel.GetReservationMark()->IsVisible() && panel.GetUserKey() == -1) << texts;
    panel.SetMoney(20000, 0);
    EXPECT_EQ(panel.GetMoneyChangeLine()->GetText(), "2만냥");
}

TEST_F(SeatPanels, ScorePanelShowsSmallOrBigScoreAndItsLines)
{
    const struct { const char* name; int skin; CHTUser round; const char* shown; int caption; int64_t score, mult, total; }
        cases[] = {
        {"3 with multiplier 1", 0, Round(0, 3, 1), "score caption", 0, 3, 1, 3},
        {"7 with multiplier 2 in skin 1: big digits, both lines", 1, Round(0, 7, 2), kBigShown, 2, 7, 2, 14},
        {"6 with multiplier 3: small with its multiplier", 0, Round(1, 5, 3), "score caption xcaption x xsuffix", 0, 6, 3, 18},
    };
    for (const auto& c : cases) {
        CVJumsuInfoWnd panel;
        ASSERT_TRUE(panel.CreateChildren(room, 0, c.skin));
        panel.SetScore(c.round);
        EXPECT_EQ(Shown(panel, kScoreChildren), c.shown) << c.name;
        EXPECT_EQ(std::make_tuple(panel.GetCaption()->GetFrame(), panel.GetScoreNumber()->GetNumber(),
                                  panel.GetBigScoreNumber()->GetNumber(), panel.GetMultiplierNumber()->GetNumber(),
                                  panel.GetTotalNumber()->GetNumber()),
                  std::make_tuple(c.caption, c.score, c.score, c.mult, c.total))
            << c.name << ": caption, score, big score, multiplier, total";
    }
    // A skin change keeps the caption of what is shown and shows or hides nothing.
    CVJumsuInfoWnd panel;
    ASSERT_TRUE(panel.CreateChildren(room, 0, 1));
    panel.SetScore(Round(0, 8, 2));
    panel.SetSkin(0);
    EXPECT_EQ(panel.GetCaption()->GetFrame(), 1);
    EXPECT_EQ(Shown(panel, kScoreChildren), kBigShown);
}

TEST_F(SeatPanels, ANewSmallScoreBlinksThreeTimesInItsOwnPanel)
{
    CVJumsuInfoWnd own, other;
    ASSERT_TRUE(own.CreateChildren(room, 0, 0) && other.CreateChildren(room, 1, 0));
    own.SetScore(Round(0, 1, 1));
    other.SetScore(Round(0, 2, 1));
    const std::vector<std::string> both = {"0 seat0 on", "0 seat1 on", "350 seat0 off", "350 seat1 off",
                                           "700 seat0 on", "700 seat1 on", "1050 seat0 off", "1050 seat1 off",
                                           "1400 seat0 on", "1400 seat1 on", "1750 seat0 off", "1750 seat1 off"};
    EXPECT_EQ(BlinkTimeline({&own, &other}, 3000), both);
    own.SetDirty(false);
    EXPECT_FALSE(own.IsBlinking() || own.Step() || own.IsDirty()) << "an ended blink changes nothing";
    own.SetScore(Round(0, 1, 1));
    EXPECT_TRUE(BlinkTimeline({&own}, 1000).empty()) << "the same score twice does not blink";
    EXPECT_EQ(Shown(own, kScoreChildren), "score caption");
}

// A running blink ends with the small score it shows; afterwards a score of 3 is new again.
TEST_F(SeatPanels, BlinkEndsWithItsScore)
{
    const struct { const char* name; std::function<void(CVJumsuInfoWnd&)> act; const char* shown; } cases[] = {
        {"the score fell to nothing", [](auto& p) { p.SetScore(Round(0, 0, 1)); }, ""},
        {"the score grew big", [](auto& p) { p.SetScore(Round(1, 6, 2)); }, kBigShown},
        {"a reset forgets the score", [](auto& p) { p.Reset(); }, ""},
    };
    for (const auto& c : cases) {
        CVJumsuInfoWnd panel;
        ASSERT_TRUE(panel.CreateChildren(room, 0, 0));
        panel.SetScore(Round(0, 3, 1));
        ASSERT_EQ(BlinkTimeline({&panel}, 400).size(), 2u) << c.name << ": the blink runs";
        c.act(panel);
        EXPECT_TRUE(BlinkTimeline({&panel}, 3000).empty()) << c.name << ": the blinking number stays hidden";
        EXPECT_EQ(Shown(panel, kScoreChildren), c.shown) << c.name;
        panel.SetScore(Round(0, 3, 1));
        EXPECT_TRUE(panel.IsBlinking()) << c.name;
    }
}

// Counts as {go, ppeok, shake}; a reset may come before the last update.
TEST_F(SeatPanels, CounterIconsFollowOnlyRisingCounts)
{
    const struct { const char* name; std::vector<std::array<int32_t, 3>> updates; bool resetBeforeLast; const char* icons; }
        cases[] = {
        {"go 1, 2, 2, 1 keeps the second clip", {{1, 0, 0}, {2, 0, 0}, {2, 0, 0}, {1, 0, 0}}, false, "1 - -"},
        {"go 9 after 10 stays hidden: 10 is remembered", {{10, 0, 0}, {9, 0, 0}}, false, "- - -"},
        {"after a reset go 1 shows again", {{3, 2, 1}, {1, 0, 0}}, true, "0 - -"},
        {"the third ppeok and four shakes", {{0, 3, 4}}, false, "- 2 3"},
    };
    for (const auto& c : cases) {
        CVHTIconWnd panel;
        ASSERT_TRUE(panel.CreateChildren(room, 0));
        for (size_t i = 0; i < c.updates.size(); ++i) {
            EXPECT_EQ(c.resetBeforeLast && i + 1 == c.updates.size() ? panel.Reset() : 1, 1) << c.name;
            CHTUser u;
            std::tie(u.goCount, u.markCount, u.shakeBombCount) = std::tie(c.updates[i][0], c.updates[i][1], c.updates[i][2]);
            panel.SetCounters(u);
        }
        EXPECT_EQ(IconStates({panel.GetIcon(CVHTIconWnd::kGo), panel.GetIcon(CVHTIconWnd::kPpeok),
                              panel.GetIcon(CVHTIconWnd::kShakeBomb)}),
                  c.icons) << c.name;
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
    for (int i = 0; i < 20 && gwang->IsPlaying(); ++i) Clock::Advance(50), panel.Step();
    ASSERT_TRUE(!gwang->IsPlaying() && gwang->IsVisible()) << "the clip ran out and holds its last frame";
    u.piBak = 1;
    panel.SetBakFlags(u);
    EXPECT_FALSE(gwang->IsPlaying()) << "an update with the flag still set played the icon again";
    EXPECT_EQ(IconStates({gwang, panel.GetIcon(CVBakIconWnd::kMeongTta), panel.GetIcon(CVBakIconWnd::kPiBak)}), "0 - 2");
    u.gwangBak = 0;
    panel.SetBakFlags(u);
    EXPECT_FALSE(gwang->IsVisible()) << "a cleared flag hides its icon";
}

// The score to beat shows one more than the own record's points with go; an observer has none.
TEST_F(SeatPanels, GoAlertFollowsTheOwnSeat)
{
    CHTUser own;
    own.pointsWithGo = 7;
    std::string seen;
    for (const bool seated : {false, true}) {
        room.ownRecord = seated ? &own : nullptr;
        CVGoBakAlertUIWnd panel;
        ASSERT_TRUE(panel.CreateChildren(room));
        for (const int32_t score : {5, 8}) {
            own.points = score, panel.Update();
            const bool back = panel.GetBack()->IsVisible();
            seen += back != panel.GetNumber()->IsVisible() ? "back alone " : back ? std::to_string(panel.GetNumber()->GetNumber()) + " " : "- ";
        }
    }
    EXPECT_EQ(seen, "- - 8 - ") << "no seat: after 5, after 8; seated: after 5, after 8";
}

// Both seats' panels filled as in a round and drawn on the table's green.
TEST_F(SeatPanels, BothSeatsFilledAndDrawn)
{
    CVUserInfoWnd info[2];
    CVJumsuInfoWnd score[2];
    CVHTIconWnd counters[2];
    CVBakIconWnd bak[2];
    CVGoBakAlertUIWnd alert;
    CHTUser rounds[2] = {Round(1, 7, 2), Round(0, 3, 1)};
    std::tie(rounds[0].markCount, rounds[0].gwangBak, rounds[0].pointsWithGo) = std::tuple(2, 1, 9);
    rounds[1].piBak = 1;
    std::vector<CVPanel*> drawOrder;
    for (int seat = 0; seat < 2; ++seat) {
        ASSERT_TRUE(info[seat].CreateChildren(room, seat) && score[seat].CreateChildren(room, seat, 0) &&
                    counters[seat].CreateChildren(room, seat) && bak[seat].CreateChildren(room, seat));
        PlayerInfo p;
        p.userKey = seat + 1;
        p.nickname = seat ? "상대" : "나의이름";
        p.gameMoney = 123456789;
        info[seat].SetUserInfo(p);
        score[seat].SetScore(rounds[seat]);
        counters[seat].SetCounters(rounds[seat]);
        bak[seat].SetBakFlags(rounds[seat]);
        drawOrder.insert(drawOrder.end(), {&info[seat], &score[seat], &counters[seat], &bak[seat]});
    }
    room.ownRecord = &rounds[0];
    ASSERT_TRUE(alert.CreateChildren(room));
    alert.Update();
    drawOrder.push_back(&alert);
    EXPECT_TRUE(room.errors.empty());
    ASSERT_EQ(FillSurfaceRect(Back(), kAll, 0x1E5A32), DD_OK);
    for (CVPanel* p : drawOrder) EXPECT_EQ(p->Draw(Back(), kAll), 1);
    EXPECT_GT(CountNear({628, 480, 728, 494}, {0xFF, 0xD7, 0x02}), 10) << "own money line in its colour";
    EXPECT_GT(CountNear({628, 49, 728, 63}, kWhite), 10) << "the other's name";
    EXPECT_TRUE(PixelIs({621, 346}, {0x60, 0x20, 0x20})) << "the alert's back";
}
