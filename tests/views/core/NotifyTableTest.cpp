#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "views/core/NotifyTable.h"

using namespace Notify;

namespace {

constexpr NotifyRoom kOrdinary{false, 0, true};
constexpr NotifyRoom kTargetScore{true, 0, true};
constexpr NotifyRoom kTargetScoreLevel1{true, 1, true};
constexpr NotifyRoom kWatching{false, 0, false};

std::string Describe(const std::vector<LineText>& lines)
{
    std::string out;
    for (const auto& l : lines) out += "[" + std::to_string(static_cast<int>(l.line)) + "] " + l.text + "; ";
    return out;
}

std::vector<int> Xs(const std::vector<Point>& points)
{
    std::vector<int> xs;
    for (const Point p : points) xs.push_back(p.x);
    return xs;
}

}  // namespace

TEST(NotifyTable, EachNoticeKindHasItsLayoutCaptionAndTexts)
{
    using L = Line;
    const struct { const char* name; int kind; NoticeArgs args; NotifyRoom room; int layout, caption;
                   std::vector<LineText> lines; } cases[] = {
        {"another seat picks a card", 6, {}, kOrdinary, 2, 3, {}},
        {"first ppeok with commas", 7, {0, 1234567}, kOrdinary, 1, 1, {{L::Value, "(첫뻑: 1,234,567냥)"}}},
        {"first ppeok, target score: caption only", 7, {0, 1234567}, kTargetScore, 1, 5, {}},
        {"later ppeok", 8, {2, 5000}, kOrdinary, 1, 1, {{L::Value, "(2번째: 5,000냥)"}}},
        {"later ppeok, target score, third", 8, {3, 5000}, kTargetScore, 1, 7, {}},
        {"later ppeok, target score, fourth has no caption", 8, {4, 5000}, kTargetScore, 1, -1, {}},
        {"hand mission success", 27, {0, 1000}, kOrdinary, 1, 0, {{L::Value, "(성공: 1,000냥)"}}},
        {"mission success, target score", 9, {0, 300}, kTargetScore, 1, 8, {}},
        {"other seat's go: a loss if it stops", 10, {0, -10000}, kOrdinary, 2, 4, {{L::Value, "(스톱시 -1만냥)"}}},
        {"other seat's go: nothing to lose", 10, {0, 0}, kOrdinary, 2, 4, {}},
        {"stake confirmed", 12, {}, kOrdinary, 0, 0, {}},
        {"bet notice", 15, {0, 100000000}, kOrdinary, 1, -1, {{L::Bet, "배팅 금액 : 1억냥"}}},
        {"room options", 16, {0, 123456789}, kOrdinary, 1, -1, {{L::Bet, "1억2345만냥 배팅"}}},
        {"go or stop, stopping wins nothing yet", 19, {7, 0}, kOrdinary, 0, -1, {{L::Value, "(스톱시 0냥)"}}},
        {"go or stop, negative amount shows the score", 19, {7, -1}, kOrdinary, 0, -1, {{L::Value, "(현재 7점)"}}},
        {"go or stop, target score shows the score", 26, {9, 50000}, kTargetScore, 0, -1, {{L::Value, "(현재 9점)"}}},
        {"September animal that breaks meongtta", 20, {7}, kOrdinary, 0, -1, {{L::Value, "옮길 경우 멍따(x2) 실패!"}}},
        {"September animal that breaks a go", 20, {18}, kOrdinary, 0, -1, {{L::Value, "옮길 경우 '고'(7점->6점)불가!"}}},
        {"September animal, nothing at stake", 20, {8}, kOrdinary, 0, -1, {}},
        {"game ready with a signed second amount", 21, {-20000, 30000}, kOrdinary, 0, -1,
         {{L::SecondValue, "(3만냥 -> -2만냥)"}}},
        {"go or stop on its own line", 28, {3, 15000}, kOrdinary, 0, -1, {{L::GoStop, "(스톱시 1만5000냥)"}}},
    };
    for (const auto& c : cases) {
        const std::optional<NoticeView> v = DescribeNotice(c.kind, c.args, c.room);
        ASSERT_TRUE(v) << c.name;
        EXPECT_EQ(std::make_pair(v->layout, v->caption), std::make_pair(c.layout, c.caption)) << c.name << ": layout, caption";
        EXPECT_EQ(v->lines, c.lines) << c.name << ": came " << Describe(v->lines);
    }
    for (const int kind : {-1, 5, 29}) EXPECT_FALSE(DescribeNotice(kind, {}, kOrdinary)) << "kind " << kind;
}

TEST(NotifyTable, DecisionsGetTheirButtonsAndGoStopMarks)
{
    const struct { const char* name; int kind; NoticeArgs args; NotifyRoom room; Buttons buttons; bool stopMark, sideMoney; }
        cases[] = {
        {"yes-no choice", 18, {}, kOrdinary, {true, 0, 0, true}, false, false},
        {"go or stop shows the next go", 19, {0, 0, 2}, kOrdinary, {true, 3, 1, true}, false, false},
        {"bet kind 2", 23, {}, kOrdinary, {true, 12, 4, true}, false, false},
        {"bet kind 3 keeps the first image sets", 24, {}, kOrdinary, {true, 0, 0, true}, false, false},
        {"hand mission success has none", 27, {}, kOrdinary, {}, false, false},
        {"time up has none", 25, {}, kOrdinary, {}, false, false},
        {"stop mark in a target-score room", 19, {0, 0, 0, 1, 0}, kTargetScore, {true, 1, 1, true}, true, false},
        {"no stop mark in an ordinary room", 19, {0, 0, 0, 1, 0}, kOrdinary, {true, 1, 1, true}, false, false},
        {"side money, first go", 26, {0, 0, 0, 0, 1}, kOrdinary, {true, 1, 1, true}, false, true},
        {"the flags mean nothing to kind 28", 28, {0, 0, 0, 1, 1}, kTargetScore, {true, 1, 1, true}, false, false},
    };
    for (const auto& c : cases) {
        const NoticeView v = DescribeNotice(c.kind, c.args, c.room).value();
        EXPECT_EQ(std::make_tuple(v.buttons, v.stopMark, v.sideMoneyMark), std::make_tuple(c.buttons, c.stopMark, c.sideMoney))
            << c.name << ": buttons, stop mark, side money";
    }
}

TEST(NotifyChoice, CardRowsAreCentredByCount)
{
    const struct { const char* name; int kind; std::vector<int32_t> cards; std::vector<int> xs; int y;
                   std::vector<int32_t> order; } cases[] = {
        {"one card", 1, {7}, {101}, 85, {7}},
        {"two cards 36 apart", 1, {7, 3}, {65, 137}, 85, {7, 3}},
        {"three cards 12 apart", 2, {1, 2, 3}, {53, 101, 149}, 85, {1, 2, 3}},
        {"four cards 3 apart, sorted", 4, {40, 2, 33, 17}, {43, 82, 121, 160}, 80, {2, 17, 33, 40}},
        {"kind 0 sits 4 to the left", 0, {5, 9}, {61, 133}, 85, {5, 9}},
        {"kind 3 row is higher", 3, {5, 9}, {65, 137}, 65, {5, 9}},
        {"no cards", 1, {}, {}, 0, {}},
    };
    for (const auto& c : cases) {
        const std::optional<ChoiceView> v = DescribeChoice(c.kind, c.cards, kOrdinary);
        ASSERT_TRUE(v) << c.name;
        for (const Point p : v->cardPos) EXPECT_EQ(p.y, c.y) << c.name;
        EXPECT_EQ(std::make_tuple(Xs(v->cardPos), v->cards, v->sideMarks), std::make_tuple(c.xs, c.order, c.kind == 0))
            << c.name << ": xs, cards, marks";
    }
    for (const int kind : {-1, 6}) EXPECT_FALSE(DescribeChoice(kind, {1}, kOrdinary)) << "kind " << kind;
}

// The own seat's request 11 and the card choice are answered through the room's senders.
TEST(NotifyChoice, TheRoomFlagAndWatchersGetTheirAnswers)
{
    using R = Request;
    const struct { const char* name; int kind; NotifyRoom room; int layout; Buttons buttons; Reply yes, no; bool atOnce; }
        cases[] = {
        {"the room flag set answers no with request 32", 3, kTargetScoreLevel1, 0, {true, 11, 5, true},
         {R::MonthChoice, 1}, {R::DesperateDecline}, false},
        {"the room flag 0 answers with request 11", 3, kTargetScore, 0, {true, 11, 3, true}, {R::MonthChoice, 1},
         {R::MonthChoice, 0}, false},
        {"the flag outside a target-score room answers with request 11", 3, NotifyRoom{false, 1, true}, 0,
         {true, 11, 3, true}, {R::MonthChoice, 1}, {R::MonthChoice, 0}, false},
        {"no seat of the own: nothing to answer", 3, kWatching, 0, {}, {}, {}, false},
        {"notice of cards opens at once", 4, kOrdinary, 1, {}, {}, {}, true},
    };
    for (const auto& c : cases) {
        const ChoiceView v = DescribeChoice(c.kind, {4, 8}, c.room).value();
        EXPECT_EQ(std::make_tuple(v.layout, v.buttons, v.yes, v.no, v.opensAtOnce),
                  std::make_tuple(c.layout, c.buttons, c.yes, c.no, c.atOnce))
            << c.name << ": layout, buttons, yes, no, at once";
    }
}

TEST(NotifyHandMission, TableRowsAndIdsOutsideIt)
{
    using Cards = std::optional<std::vector<int32_t>>;
    const struct { const char* name; int id, variant; Cards cards; const char* caption; } cases[] = {
        {"before the table", -1, 0, std::nullopt, ""},
        {"first row", 0, 0, Cards{{8, 28}}, "3월광,8월광 패조합"},
        {"any non-zero variant is the second column", 0, 7, Cards{{0, 8}}, "1월광,3월광 패조합"},
        {"row 13 keeps its blank", 13, 0, Cards{{12, 24}}, "4월 열끗, 7월 열끗"},
        {"last row, second column", 14, 1, Cards{{32, 33}}, "9월 패 두장 조합"},
        {"past the table", 15, 0, std::nullopt, ""},
    };
    for (const auto& c : cases) {
        const std::optional<HandMissionView> v = DescribeHandMission(c.id, c.variant, 2500);
        ASSERT_EQ(v.has_value(), c.cards.has_value()) << c.name;
        if (!v) continue;
        const std::vector<LineText> lines{{Line::Upper, "(성공: 2,500냥)"}, {Line::Lower, c.caption}};
        EXPECT_EQ(std::make_tuple(v->cards, v->cardPos, Describe(v->lines)),
                  std::make_tuple(*c.cards, std::vector<Point>{{79, 77}, {127, 77}}, Describe(lines)))
            << c.name << ": cards, positions, lines";
    }
}
