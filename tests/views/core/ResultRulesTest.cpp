#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>
#include <tuple>
#include <vector>

#include "views/core/ResultRules.h"
#include "views/core/ScoreDetail.h"

using namespace ResultRules;

namespace {

// Category points by name, in WinInfo's order.
struct Win {
    int gwang = 0, animals = 0, ribbons = 0, pi = 0, godori = 0, hongdan = 0, chungdan = 0, chodan = 0;
    int goPoints = 0, goExponent = 0, shake = 0, mission = 0, meongtta = 0;
};

ScoreDetail::Input MakeInput(const Win& w, std::vector<BakEntry> baks = {}, int drawCount = 0)
{
    ScoreDetail::Input in;
    in.win.winnerSeat = 0;
    in.win.categoryPoints = {w.gwang, w.animals, w.ribbons, w.pi, w.godori, w.hongdan, w.chungdan, w.chodan};
    std::tie(in.win.goPoints, in.win.goExponent, in.win.shakeCount, in.win.missionMultiplier, in.win.meongttaExponent) =
        std::tie(w.goPoints, w.goExponent, w.shake, w.mission, w.meongtta);
    in.baks = std::move(baks);
    in.drawCount = drawCount;
    in.seatOnScreen = {true, true};
    in.goIconFrames = 10;
    return in;
}

BakEntry PiBak(int seat) { return {seat, 0, 1, 0}; }

// "points|multipliers|total x multiplier|line|times text|glyphs|icons|go frame"
std::string Describe(const ScoreDetail::Breakdown& b)
{
    static const char* const kNames[] = {"gwang", "chungdan", "hongdan", "chodan", "godori", "mission", "go"};
    std::string icons;
    for (size_t i = 0; i < b.icons.size(); ++i)
        if (b.icons[i]) icons += std::string(icons.empty() ? "" : ",") + kNames[i];
    return b.pointsText + "|" + b.multiplierText + "|" + std::to_string(b.total) + " x " + std::to_string(b.multiplier) +
           "|" + b.pointsLine + "|" + b.pointsTimesText + "|" + b.multiplierGlyphs + "|" + icons + "|" +
           std::to_string(b.goFrame);
}

std::array<bool, kButtons> Shown(std::initializer_list<Button> list)
{
    std::array<bool, kButtons> a{};
    for (const Button b : list) a[static_cast<size_t>(b)] = true;
    return a;
}

constexpr int kMaxInt = INT_MAX;

}  // namespace

TEST(ScoreDetail, BreakdownListsItemsInOrderAndChoosesTheDisplay)
{
    const struct { const char* name; ScoreDetail::Input in; const char* breakdown; } cases[] = {
        {"gwang, pi and one go: total alone, no go icon", MakeInput({.gwang = 3, .pi = 1, .goPoints = 1}),
         "광3점/피1점/고1점||5 x 1|5점|||gwang|-1"},
        {"shake and a pibak make 4: nothing shown at once", MakeInput({.pi = 7, .shake = 1}, {PiBak(1)}),
         "피7점|흔듦2배/피박2배|7 x 4||7점  x|4배||-1"},
        {"mission sets the multiplier before a go doubles it", MakeInput({.animals = 5, .goExponent = 1, .mission = 3}),
         "십5점|미션3배/고2배|5 x 6||5점  x|6배|mission|-1"},
        {"multiplier 3 joins the points line", MakeInput({.ribbons = 5, .mission = 3}), "오5점|미션3배|5 x 3|5점  x  3배|||mission|-1"},
        {"bak seat -1 adds nothing", MakeInput({.pi = 10}, {{-1, 1, 1, 1}}), "피10점||10 x 1|10점||||-1"},
        {"bak seat 5 adds nothing", MakeInput({.pi = 10}, {{5, 1, 1, 1}}), "피10점||10 x 1|10점||||-1"},
        {"bak of all three kinds on a seated loser", MakeInput({.pi = 10}, {{1, 1, 1, 1}}),
         "피10점|광박2배/피박2배/고박2배|10 x 8||10점  x|8배||-1"},
        {"ribbons and godori with their icons, in the panel's order",
         MakeInput({.godori = 5, .hongdan = 3, .chungdan = 3, .chodan = 3}),
         "고도리5점/청단3점/홍단3점/초단3점||14 x 1|14점|||chungdan,hongdan,chodan,godori|-1"},
        {"draws and meongtta double", MakeInput({.pi = 1, .meongtta = 1}, {}, 2), "피1점|무승부4배/멍따2배|1 x 8||1점  x|8배||-1"},
        {"two go points show go frame 6", MakeInput({.goPoints = 2}), "고2점||2 x 1|2점|||go|6"},
        {"zero and negative points are left out", MakeInput({.gwang = -3, .goPoints = -1}), "||0 x 1|0점||||-1"},
        {"shake exponent 31 caps at 2^30", MakeInput({.pi = 1, .shake = 31}),
         "피1점|흔듦1073741824배|1 x 1073741824||1점  x|1073741824배||-1"},
        {"every exponent at INT_MAX saturates",
         MakeInput({.pi = 1, .goExponent = kMaxInt, .shake = kMaxInt, .meongtta = kMaxInt}, {}, kMaxInt),
         "피1점|흔듦1073741824배/무승부1073741824배/고1073741824배/멍따1073741824배|1 x 2147483647||1점  x|2147483647배||-1"},
        {"points at INT_MAX saturate the total", MakeInput({.gwang = kMaxInt, .pi = kMaxInt}),
         "광2147483647점/피2147483647점||2147483647 x 1|2147483647점|||gwang|-1"},
    };
    for (const auto& c : cases) EXPECT_EQ(Describe(ScoreDetail::Build(c.in)), c.breakdown) << c.name;
}

TEST(ScoreDetail, BaksCountOnlyForSeatsOnScreenAndGoIconOnlyWithItsFrame)
{
    ScoreDetail::Input in = MakeInput({.pi = 6, .goPoints = 3}, {PiBak(0), PiBak(1)});
    in.seatOnScreen = {false, true};
    in.goIconFrames = 7;  // frames 0..6: three gos would need frame 7; frame 0 would show the gwang icon
    EXPECT_EQ(Describe(ScoreDetail::Build(in)), "피6점/고3점|피박2배|9 x 2|9점  x  2배||||-1") << "seat 0 has no screen slot";
    in.goIconFrames = 8;
    EXPECT_EQ(ScoreDetail::Build(in).goFrame, 7);
}

TEST(ScoreDetail, ChatTextCarriesTheGrandTotalAndItsStyleTags)
{
    const struct { const char* name; ScoreDetail::Input in; const char* chat; } cases[] = {
        {"with multipliers", MakeInput({.pi = 7, .shake = 1}, {PiBak(1)}),
         "(총28점)`0111`\n[7점] :`0110` 피7점`0010`\n[4배] :`0110` 흔듦2배/피박2배`0010`"},
        {"grand total saturates", MakeInput({.pi = 100, .shake = 30}),
         "(총2147483647점)`0111`\n[100점] :`0110` 피100점`0010`\n[1073741824배] :`0110` 흔듦1073741824배`0010`"},
    };
    for (const auto& c : cases) EXPECT_EQ(ScoreDetail::Build(c.in).chatText, c.chat) << c.name;
}

TEST(ResultRules, MoneyNoteAndDrawTexts)
{
    const struct { const char* name; std::string got, expected; } cases[] = {
        {"loss keeps its minus", MoneyGlyphText(-50000), "-5만냥"},
        {"extreme loss stays within the glyphs", MoneyGlyphText(INT64_MIN), "-922경3372조냥"},
        {"draw count 0 has no line", DrawLine(0), ""},
        {"draw count 40 is capped", DrawLine(40), "다음판 1073741824배"},
        {"share 20", NoteText(false, true, 20), "(이벤트 기금 적립: 2%)"},
        {"share 0", NoteText(false, true, 0), "(이벤트 기금 적립: 0%)"},
        {"robot note wins over the share", NoteText(true, true, 15), "(로봇 플레이시 머니 변동 없음)"},
        {"robot note when lost", NoteText(true, false, 0), "(로봇 플레이시 머니 변동 없음)"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.expected) << c.name;
}

TEST(ResultRules, RoundButtonsForTungAndChamgi)
{
    using B = Button;
    const struct { const char* name; RoundOffer offer; std::array<bool, kButtons> buttons; Point ok; int imageSet;
                   bool waitingTung; } cases[] = {
        {"plain result", {true, true, false, false, 0}, Shown({B::Ok}), {141, 285}, 0, false},
        {"tung for a seated loser", {true, false, true, false, 0}, Shown({B::Ok, B::Tung}), {85, 285}, 0, true},
        {"no tung for the winner", {true, true, true, false, 0}, Shown({B::Ok}), {141, 285}, 0, false},
        {"no tung for an observer", {false, false, true, false, 0}, Shown({B::Ok}), {141, 285}, 0, false},
        {"chamgi for the winner, image set 1", {true, true, false, true, 1}, Shown({B::ChamgiOk, B::Chamgi}), {141, 285}, 1,
         false},
        {"chamgi for the loser: the waiting mark, tung hidden but remembered", {true, false, true, true, 0},
         Shown({B::ChamgiWaiting}), {85, 285}, 0, true},
        {"chamgi image set 2 counts as 0", {true, true, false, true, 2}, Shown({B::ChamgiOk, B::Chamgi}), {141, 285}, 0, false},
        {"chamgi image set -1 counts as 0", {true, true, false, true, -1}, Shown({B::ChamgiOk, B::Chamgi}), {141, 285}, 0,
         false},
    };
    for (const auto& c : cases) {
        const ButtonSet s = RoundButtons(c.offer);
        EXPECT_EQ(std::make_tuple(s.shown, s.okPos, s.chamgiImageSet, s.waitingTung),
                  std::make_tuple(c.buttons, c.ok, c.imageSet, c.waitingTung))
            << c.name << ": shown, OK position, chamgi image set, tung waiting";
    }
}

TEST(ResultRules, HotKeysAnswerTheFirstVisibleButton)
{
    using B = Button;
    const struct { const char* name; HotKey key; std::array<bool, kButtons> visible; Answer answer; } cases[] = {
        {"space with OK", HotKey::Space, Shown({B::Ok, B::Tung}), Answer::ResultOk},
        {"space with nothing to answer", HotKey::Space, Shown({B::ChamgiWaiting}), Answer::None},
        {"F2 chamgi first", HotKey::F2, Shown({B::ChamgiOk, B::Chamgi}), Answer::Chamgi},
        {"F2 tung", HotKey::F2, Shown({B::Ok, B::Tung}), Answer::Tung},
        {"other keys answer nothing", HotKey::Other, Shown({B::Ok, B::Tung}), Answer::None},
    };
    for (const auto& c : cases) EXPECT_EQ(AnswerOfKey(c.key, c.visible), c.answer) << c.name;
}

TEST(ResultRules, AutoStartSwitchAppliesOnlyToASeatedPlayerOutsideTournamentsAndGuardedRooms)
{
    const struct { const char* name; AutoStartRoom room; bool applies; } cases[] = {
        {"ordinary room", {true, false, 1, 0, false}, true},          {"observer", {false, false, 1, 0, false}, false},
        {"robot seated", {true, true, 1, 0, false}, false},           {"tournament 32", {true, false, 32, 0, false}, false},
        {"kind 27 is no tournament", {true, false, 27, 0, false}, true}, {"anti-leave raised", {true, false, 9, 2, true}, false},
        {"anti-leave room, flag down", {true, false, 9, 2, false}, true}, {"anti-leave setting 0", {true, false, 9, 0, true}, true},
        {"kind 11 is no anti-leave room", {true, false, 11, 2, true}, true},
    };
    for (const auto& c : cases) EXPECT_EQ(AutoStartApplies(c.room), c.applies) << c.name;
}
