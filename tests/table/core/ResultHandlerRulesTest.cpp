#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <tuple>

#include "table/core/ResultHandlerRules.h"

using namespace ResultHandlerRules;

namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

RCUser Member(int64_t club, int64_t gold, int64_t royal, int64_t lower1, int64_t lower2)
{
    RCUser u;
    std::tie(u.memberClub, u.memberGold, u.memberRoyal, u.memberLower1, u.memberLower2) =
        std::tie(club, gold, royal, lower1, lower2);
    return u;
}

}  // namespace

TEST(MembershipGrade, HighestActiveValueWins)
{
    const struct { const char* name; RCUser user; int grade; } cases[] = {
        {"nothing active", Member(0, 0, 0, 0, 0), 0},
        {"negative values are not active", Member(-1, -5, -7, -1, -1), 0},
        {"second lower value alone", Member(0, 0, 0, 0, 3), 1},
        {"first lower value alone", Member(0, 0, 0, 9, 0), 1},
        {"club over a lower value", Member(1, 0, 0, 1, 1), 2},
        {"gold over club", Member(1, 1, 0, 0, 0), 3},
        {"royal over everything", Member(1, 1, 1, 1, 1), 4},
        {"royal alone", Member(0, 0, 20260101, 0, 0), 4},
    };
    for (const auto& c : cases) EXPECT_EQ(MembershipGrade(c.user), c.grade) << c.name;
}

TEST(ZeroMoneyAtFloor, FieldsNotAboveTheFloorBecomeZero)
{
    const struct { const char* name; int64_t RCUser::*field; int64_t value, want; } cases[] = {
        {"game money is never cut, even below the floor", &RCUser::gameMoney, 100, 100},
        {"start money equal", &RCUser::startMoney, 1000, 0},
        {"safe money above", &RCUser::safeMoney, 1001, 1001},
        {"club below", &RCUser::memberClub, 999, 0},
        {"gold above", &RCUser::memberGold, 5000, 5000},
        {"royal equal", &RCUser::memberRoyal, 1000, 0},
        {"lower 1 negative", &RCUser::memberLower1, -3, 0},
        {"lower 2 above", &RCUser::memberLower2, 1002, 1002},
        {"second money equal", &RCUser::secondMoney, 1000, 0},
        {"extra money highest", &RCUser::extraMoney, kMax, kMax},
    };
    RCUser u;
    for (const auto& c : cases) u.*c.field = c.value;
    ZeroMoneyAtFloor(u, 1000);
    for (const auto& c : cases) EXPECT_EQ(u.*c.field, c.want) << c.name;

    RCUser low;
    low.startMoney = kMin;
    ZeroMoneyAtFloor(low, kMin);
    EXPECT_EQ(low.startMoney, 0) << "the lowest floor still cuts an equal field";
}

TEST(PlayCountPlan, AlertOnlyInTheLastFivePlays)
{
    const struct { const char* name; uint32_t limitClass, count; bool limited; std::optional<int> alert; int captionOffset; }
        cases[] = {
        {"294 leaves 6: no alert", 500, 294, true, std::nullopt, 2},
        {"295 leaves 5", 500, 295, true, 5, 2},
        {"296 leaves 4", 500, 296, true, 4, 2},
        {"300 leaves 0", 700, 300, true, 0, 2},
        {"301 is past the limit: no alert", 500, 301, true, std::nullopt, 2},
        {"a count that would wrap unsigned: no alert", 500, 0xFFFFFFFFu, true, std::nullopt, 2},
        {"class 499 is not limited", 499, 296, false, std::nullopt, 8},
        {"class 0 with count 0", 0, 0, false, std::nullopt, 8},
    };
    for (const auto& c : cases) {
        const PlayCountPlan p = PlanPlayCount(c.limitClass, c.count);
        EXPECT_EQ(std::tuple(p.limited, p.alert, p.captionOffset), std::tuple(c.limited, c.alert, c.captionOffset))
            << c.name << ": limited, alert, caption offset";
    }
}

TEST(SupermanRule, ThreeTenthsOfTheReferenceExactly)
{
    const struct { const char* name; int64_t money, reference; bool atMost; } cases[] = {
        {"exactly 0.3", 300, 1000, true},
        {"one above 0.3", 301, 1000, false},
        {"0.3 of 7 is 2.1: 2 is under", 2, 7, true},
        {"0.3 of 7 is 2.1: 3 is over", 3, 7, false},
        {"zero against zero", 0, 0, true},
        {"lost everything", 0, 5'000'000, true},
        {"negative money", -1, 0, true},
        {"a negative reference: -3 x 0.3 = -0.9, -1 is under", -1, -3, true},
        {"a negative reference: 0 is over -0.9", 0, -3, false},
        {"the largest reference, no overflow in 3 x r", kMax / 10 * 3, kMax, true},
        {"the largest reference, one above", kMax / 10 * 3 + 3, kMax, false},
        {"the lowest reference", kMin, kMin, true},
        {"the largest money against the lowest reference", kMax, kMin, false},
    };
    for (const auto& c : cases) EXPECT_EQ(AtMostThreeTenths(c.money, c.reference), c.atMost) << c.name;
}

TEST(SupermanRule, ReservedOnlyOnceAndOnlyForASeatedPlayerInAnOrdinaryGame)
{
    const SupermanInputs base{.ownSeated = true, .money = 300, .referenceMoney = 1000};
    const struct { const char* name; void (*change)(SupermanInputs&); bool reserve; } cases[] = {
        {"poor seated player", [](SupermanInputs&) {}, true},
        {"already reserved this game", [](SupermanInputs& in) { in.alreadyReserved = true; }, false},
        {"observer", [](SupermanInputs& in) { in.ownSeated = false; }, false},
        {"robot room", [](SupermanInputs& in) { in.robotSeated = true; }, false},
        {"room kind 60", [](SupermanInputs& in) { in.roomKind = 60; }, false},
        {"anti-leave count running", [](SupermanInputs& in) { in.antiLeaveRunning = true; }, false},
        {"still rich enough", [](SupermanInputs& in) { in.money = 301; }, false},
    };
    for (const auto& c : cases) {
        SupermanInputs in = base;
        c.change(in);
        EXPECT_EQ(ShouldReserveSuperman(in), c.reserve) << c.name;
    }
}

TEST(CapNotice, WindowBelowEachGradesCap)
{
    const struct { const char* name; int grade; int64_t game, safe; bool shown; } cases[] = {
        {"grade 4 at the window's low edge", 4, 499'900'000'000, 0, true},
        {"grade 4 one below the window", 4, 499'899'999'999, 0, false},
        {"grade 4 one below the cap", 4, 499'999'999'999, 0, true},
        {"grade 4 at the cap itself", 4, 500'000'000'000, 0, false},
        {"grade 3 low edge", 3, 299'900'000'000, 0, true},
        {"grade 3 at its cap", 3, 0, 300'000'000'000, false},
        {"grade 2 below", 2, 199'899'999'999, 0, false},
        {"grade 1 low edge", 1, 99'900'000'000, 0, true},
        {"grade 0 one below the cap", 0, 99'999'999'999, 0, true},
        {"grade 0 at the cap", 0, 100'000'000'000, 0, false},
        {"safe money counts", 1, 1, 99'900'000'000, true},
        {"a sum past the 64-bit range is not inside", 4, kMax, kMax, false},
    };
    for (const auto& c : cases) EXPECT_EQ(PlanCapNotice(c.grade, c.game, c.safe).has_value(), c.shown) << c.name;
}

TEST(CapNotice, SentenceNamesTheCapAndTheMembershipsToApplyFor)
{
    const struct { const char* name; int grade; int64_t total; const char* text; } cases[] = {
        {"grade 4: the cap only", 4, 499'950'000'000,
         "\n    고스톱 머니총합 최고한도는 `0010`5000억냥`0111` 입니다.`0010`"},
        {"grade 0: club, gold or royal", 0, 99'950'000'000,
         "\n    고스톱 머니총합 최고한도가 `0010`1000억냥 이상`0111`이 되시려면,\n    `0010`고스톱 토벨 클럽`0111` 또는 "
         "`0010`고스톱 토벨 골드`0111` 또는 `0010`고스톱 토벨 로얄`0111`을 신청하세요.`0010`"},
    };
    for (const auto& c : cases) {
        const auto notice = PlanCapNotice(c.grade, c.total, 0);
        ASSERT_TRUE(notice) << c.name;
        EXPECT_EQ(notice->text, c.text) << c.name;
    }
    EXPECT_EQ(PlanCapNotice(1, 99'950'000'000, 0)->text, PlanCapNotice(0, 99'950'000'000, 0)->text)
        << "grades 1 and 0 share the sentence";
}

TEST(PlayTime, WholeHourCrossedDuringTheGame)
{
    const struct { const char* name; int32_t before, after; std::optional<int> hours; } cases[] = {
        {"59 to 60 crosses the first hour", 59, 60, 1},
        {"60 to 61 stays in the second hour", 60, 61, std::nullopt},
        {"0 to 59", 0, 59, std::nullopt},
        {"119 to 125", 119, 125, 2},
        {"a game over two boundaries names the last", 50, 130, 2},
        {"no time passed", 120, 120, std::nullopt},
        {"a backward range", 130, 110, std::nullopt},
        {"a negative start", -10, 60, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(HoursCrossed(c.before, c.after), c.hours) << c.name;
    EXPECT_EQ(PlayTimeLine(3),
              "`1131`오늘 고스톱 게임의 누적 플레이 시간은 3시간 입니다.\n적절한 휴식을 취하며 게임을 즐기세요.`0030`");
}

TEST(GoBakTarget, OnlySeatedPlayersOnScreenCount)
{
    const std::array<int, 2> slots{1, 0};
    const std::array<bool, 2> both{true, true};
    const struct { const char* name; std::vector<BakEntry> baks; int winner; std::array<int, 2> slots;
                   std::array<bool, 2> seated; std::optional<int> slot; } cases[] = {
        {"seat 1 went bak: its screen slot", {{1, 0, 0, 1}}, 0, slots, both, 0},
        {"only a pibak: no go-bak", {{1, 0, 1, 0}}, 0, slots, both, std::nullopt},
        {"seat -1 is skipped, the next entry counts", {{-1, 0, 0, 1}, {0, 0, 0, 1}}, 1, slots, both, 1},
        {"seat 5 counts as none", {{5, 0, 0, 1}}, 0, slots, both, std::nullopt},
        {"the loser holds no screen slot", {{1, 0, 0, 1}}, 0, {1, -1}, both, std::nullopt},
        {"the loser's seat is empty", {{1, 0, 0, 1}}, 0, slots, {true, false}, std::nullopt},
        {"the winner holds no screen slot", {{1, 0, 0, 1}}, 0, {-1, 0}, both, std::nullopt},
        {"the winner seat is out of range", {{1, 0, 0, 1}}, 7, slots, both, std::nullopt},
        {"an empty list", {}, 0, slots, both, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(GoBakScreenSlot(c.baks, c.winner, c.slots, c.seated), c.slot) << c.name;
}

TEST(LeaveLines, OneLinePerUserNoLongerSeated)
{
    const std::vector<LeaveEntry> list = {{303, "떠난이", "leaver"}, {101, "나", "me"}, {-1, "", ""}, {404, "", "x"}};
    const auto lines = LeaveLines(list, {101, 202});
    ASSERT_EQ(lines.size(), 2u) << "the seated user and the empty key are skipped";
    EXPECT_EQ(lines[0], "떠난이`1131`(leaver)님이 `0030`슈퍼맨 요청`0131`을 하여 나가셨습니다.`0030`");
    EXPECT_EQ(lines[1], "`1131`(x)님이 `0030`슈퍼맨 요청`0131`을 하여 나가셨습니다.`0030`");
    EXPECT_TRUE(LeaveLines({}, {101, 202}).empty());
}
