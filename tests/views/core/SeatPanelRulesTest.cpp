#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "views/core/SeatPanelRules.h"

namespace {

constexpr int32_t kMin32 = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax32 = std::numeric_limits<int32_t>::max();
constexpr int64_t kMin64 = std::numeric_limits<int64_t>::min();
constexpr int64_t kMax64 = std::numeric_limits<int64_t>::max();

// "small|big|none caption=N xM total=T line blink=start|stop|keep"
std::string Describe(const ScoreView& v)
{
    std::string s = v.bigScore ? "big" : v.smallScore ? "small" : "none";
    s += " score=" + std::to_string(v.score) + " caption=" + std::to_string(v.captionFrame);
    s += " total=" + std::to_string(v.total) + (v.multiplierLine ? " line" : "");
    s += v.blink == ScoreView::Blink::Start ? " blink=start" : v.blink == ScoreView::Blink::Stop ? " blink=stop" : "";
    return s;
}

std::string Describe(const IconChange& c)
{
    return c.kind == IconChange::Kind::Keep ? "keep" : c.kind == IconChange::Kind::Hide ? "hide" : "play " + std::to_string(c.clip);
}
std::string Describe(const AlertChange& c)
{
    return c.kind == AlertChange::Kind::Keep ? "keep" : c.kind == AlertChange::Kind::Hide ? "hide" : "show " + std::to_string(c.number);
}

}  // namespace

TEST(SeatPanelRules, ScoreShowsSmallOrBigDigitsAndBlinksOnlyANewSmallScore)
{
    const struct { const char* name; int32_t go, points, mult; int64_t last; int skin; const char* view; } cases[] = {
        {"no score shows nothing and ends a blink", 0, 0, 1, 2, 0, "none score=0 caption=-1 total=0 blink=stop"},
        {"3 after 2 blinks", 0, 3, 1, 2, 0, "small score=3 caption=0 total=3 blink=start"},
        {"the same score again does not blink", 0, 3, 1, 3, 0, "small score=3 caption=0 total=3"},
        {"7 with multiplier 2: big digits and the total, no blink", 0, 7, 2, 0, 0,
         "big score=7 caption=1 total=14 line blink=stop"},
        {"the big caption follows the skin", 0, 7, 2, 0, 1, "big score=7 caption=2 total=14 line blink=stop"},
        {"a skin outside 0..1 counts as 0", 0, 7, 2, 0, 5, "big score=7 caption=1 total=14 line blink=stop"},
        {"7 with multiplier 1 stays small", 0, 7, 1, 0, 0, "small score=7 caption=0 total=7 blink=start"},
        {"6 with multiplier 4 stays small with its line", 0, 6, 4, 6, 0, "small score=6 caption=0 total=24 line"},
        {"a negative score shows nothing", 0, -5, 2, 0, 0, "none score=-5 caption=-1 total=-10 line blink=stop"},
        {"the score adds without overflow", kMax32, kMax32, 1, 0, 0,
         "small score=4294967294 caption=0 total=4294967294 blink=start"},
        {"the total holds at the end of its range", kMin32, kMin32, kMin32, 0, 0,
         "none score=-4294967296 caption=-1 total=9223372036854775807 blink=stop"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Describe(ChooseScoreView(c.go, c.points, c.mult, c.last, c.skin)), c.view) << c.name;
}

TEST(SeatPanelRules, BlinkTogglesOnlyAfterMoreThanItsInterval)
{
    using A = ScoreBlink::Action;
    const struct { const char* name; std::vector<uint32_t> steps; bool restart; std::vector<A> actions; } cases[] = {
        {"exactly 300 ms later waits, one more toggles", {1000, 1300, 1301}, false, {A::Toggle, A::Wait, A::Toggle}},
        {"the clock's wrap keeps the interval", {0xFFFFFF00u, 0x20, 0x2D}, false, {A::Toggle, A::Wait, A::Toggle}},
        {"a restart counts six toggles again", {1000, 1400, 1800, 2200, 2600, 3000, 3400, 3800}, true,
         {A::Toggle, A::Toggle, A::Toggle, A::Toggle, A::Toggle, A::Toggle, A::Toggle, A::Toggle}},
    };
    for (const auto& c : cases) {
        ScoreBlink blink;
        blink.Start();
        std::vector<A> actions;
        for (size_t i = 0; i < c.steps.size(); ++i) {
            if (c.restart && i == 3) blink.Start();
            actions.push_back(blink.Step(c.steps[i]));
        }
        EXPECT_EQ(actions, c.actions) << c.name;
    }
    ScoreBlink stopped;
    stopped.Start();
    stopped.Stop();
    EXPECT_EQ(stopped.Step(1000), A::None) << "a stopped blink does nothing";
}

TEST(SeatPanelRules, CounterIconChangesOnlyForAGreaterValue)
{
    const struct { const char* name; int32_t shown, value, greatest; const char* change; } cases[] = {
        {"second go", 1, 2, kGoIconClips, "play 1"},
        {"a fall keeps the icon", 2, 1, kGoIconClips, "keep"},
        {"the last go clip", 8, 9, kGoIconClips, "play 8"},
        {"ten goes have no clip", 9, 10, kGoIconClips, "hide"},
        {"a fourth ppeok has no clip", 3, 4, kPpeokIconClips, "hide"},
        {"a negative count after a reset keeps", 0, -3, kGoIconClips, "keep"},
        {"a negative count shown before: 0 is greater but has no clip", -3, 0, kGoIconClips, "hide"},
        {"the greatest int keeps", kMax32, kMax32, kGoIconClips, "keep"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Describe(NextCounterIcon(c.shown, c.value, c.greatest)), c.change) << c.name;
}

TEST(SeatPanelRules, GoAlertShowsTheScoreToExceed)
{
    const struct { const char* name; int32_t go, points, withGo; const char* change; } cases[] = {
        {"7 to beat with 5: 8", 0, 5, 7, "show 8"},
        {"the score reached 8: hide", 0, 8, 7, "hide"},
        {"the score equals the target: unchanged", 0, 7, 7, "keep"},
        {"go declarations count into the score", 1, 6, 7, "keep"},
        {"the greatest target shows one more without overflow", 0, 0, kMax32, "show 2147483648"},
        {"the greatest score hides", kMax32, kMax32, kMax32, "hide"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Describe(ChooseGoAlert(c.go, c.points, c.withGo)), c.change) << c.name;
}

TEST(SeatPanelRules, MoneyTexts)
{
    const struct { const char* name; int64_t money, safe; const char* line; } lines[] = {
        {"two units", 123456789, 0, "1억2345만냥"},
        {"safe money adds a plus", 123456789, 1, "1억2345만냥+"},
        {"negative safe money adds nothing", 5000, -1, "5000냥"},
        {"no money", 0, 0, "0냥"},
    };
    for (const auto& c : lines) EXPECT_EQ(MoneyLineText(c.money, c.safe), c.line) << c.name;

    const struct { const char* name; int64_t money, start; const char* change; } changes[] = {
        {"money as at the start", 100000000, 100000000, "변동머니"},
        {"a gain", 150000000, 100000000, "5000만냥"},
        {"a loss", 90000, 100000, "-1만냥"},
        {"a change beyond the range holds at its end", kMin64, 1, "-922경3372조냥"},
        {"and at the other end", kMax64, -1, "922경3372조냥"},
    };
    for (const auto& c : changes) EXPECT_EQ(MoneyChangeText(c.money, c.start), c.change) << c.name;

    EXPECT_EQ(TournamentTitleText(3), "3회우승");
}

TEST(SeatPanelRules, RankLevelsSpreadOverTheNineTitles)
{
    // level, title index
    const int cases[][2] = {{0, -1}, {1, 0}, {3, 0}, {4, 1}, {9, 3}, {10, 4}, {18, 7}, {19, 8}, {20, 8}, {21, -1}, {-1, -1}};
    for (const auto& [level, title] : cases) EXPECT_EQ(RankTitleIndex(level), title) << "level " << level;
    std::vector<int> perTitle(kRankTitleCount, 0);
    for (int level = 1; level <= kHighestRankLevel; ++level) ++perTitle[static_cast<size_t>(RankTitleIndex(level))];
    for (int count : perTitle) EXPECT_TRUE(count == 2 || count == 3) << "every title covers two or three levels";
}
