#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

#include "views/core/BijouRules.h"
#include "views/core/CountRules.h"
#include "views/core/ItemRules.h"
#include "views/core/UserOptionRules.h"

namespace {

std::string Rows(const std::array<std::string, UserOptionRules::kRoomRows>& rows)
{
    std::string out;
    for (const auto& r : rows) out += r + "|";
    return out;
}

}  // namespace

TEST(UserOptionRules, OptionTokenTakesOnlyTheExactKey)
{
    const struct { const char* name; const char* options; const char* key; int64_t value; } cases[] = {
        {"a longer key before the key", "OPEN=1|PE=3", "PE", 3},
        {"only a longer key", "OPEN=1", "PE", 0},
        {"a suffix of a longer key", "FPBM=70|PBM=9", "PBM", 9},
        {"missing key", "SM=1", "FPMI", 0},
        {"empty string", "", "SM", 0},
        {"no value", "SM=", "SM", 0},
        {"no '='", "SM|SM=2", "SM", 2},
        {"money over 2^31", "FPBM=5000000000", "FPBM", 5000000000LL},
        {"value beyond 64 bits saturates", "FPBM=99999999999999999999", "FPBM", INT64_MAX},
        {"negative", "FPGP=-1", "FPGP", -1},
        {"trailing garbage", "SM=2x", "SM", 2},
    };
    for (const auto& c : cases) EXPECT_EQ(UserOptionRules::HasOptionToken(c.options, c.key), c.value) << c.name;
}

TEST(UserOptionRules, RoomRowsByRoomKind)
{
    using UserOptionRules::RoomInfo;
    const struct { const char* name; RoomInfo room; std::string rows; } cases[] = {
        {"target room, grade 4 shows the bet money",
         {41, 2, "", "FPMI=4|FPBM=3000000000|FPGP=1|FPALM=0", 0, 0, 0},
         "|인원:2|비밀번호:설정안함|베팅금:30억냥|목표점수:50점|입장제한:베팅금 이상||"},
        {"target room 41 grade 2", {41, 2, "pw", "FPMI=2|FPGP=0|FPALM=1", 0, 0, 0},
         "|인원:2|비밀번호:pw|베팅금:50만냥|목표점수:7점|입장제한:제한 없음||"},
        {"target index outside 0..2 has no target line", {43, 2, "", "FPMI=1|FPGP=3", 0, 0, 0},
         "|인원:2|비밀번호:설정안함|베팅금:1000만냥|입장제한:베팅금 이상|||"},
        {"anti-leave room fills seven rows", {8, 2, "", "PE=1|UP30=1|SM=2", 10000, 500, 5},
         "인원:2|비밀번호:설정안함|입장제한:1만냥|점당머니:500냥|먹튀방지:5판|연령제한:30대이상|게임속도:빠름|"},
        {"anti-leave off, speed 3 has no speed line", {9, 2, "", "PE=0|SM=3", 0, 100, 5},
         "인원:2|비밀번호:설정안함|입장제한:제한없음|점당머니:100냥|먹튀방지:설정안함|연령제한:제한없음||"},
        {"plain room", {1, 2, "", "SM=0", 0, 100, 0},
         "|인원:2|비밀번호:설정안함|입장제한:제한없음|점당머니:100냥|연령제한:제한없음|게임속도:느림|"},
        {"tournament room has none", {20, 2, "", "SM=0", 0, 100, 0}, "|||||||"},
        {"a noticed bet replaces the option string's", {41, 2, "", "FPMI=2|FPGP=0|FPALM=1", 0, 0, 0, 3000000},
         "|인원:2|비밀번호:설정안함|베팅금:300만냥|목표점수:7점|입장제한:제한 없음||"},
        {"a noticed bet of 0 shows 0", {41, 2, "", "FPMI=2|FPGP=0|FPALM=1", 0, 0, 0, 0},
         "|인원:2|비밀번호:설정안함|베팅금:0냥|목표점수:7점|입장제한:제한 없음||"},
    };
    for (const auto& c : cases) EXPECT_EQ(Rows(UserOptionRules::RoomInfoRows(c.room)), c.rows) << c.name;
}

TEST(ItemRules, ReservationsAndMarks)
{
    using namespace ItemRules;
    const struct { const char* name; int32_t seat; Item item; int32_t grade; int32_t kind; bool taken; } cases[] = {
        {"superman", 0, Item::Superman, 2, 1, true},
        {"assa 3-go outside target rooms", 0, Item::Assa3Go, 0, 39, false},
        {"assa 3-go in a target room", 1, Item::Assa3Go, 0, 43, true},
        {"seat 2", 2, Item::Assa4Go, 0, 1, false},
        {"seat -1", -1, Item::Superman, 0, 1, false},
        {"grade 5", 0, Item::Assa6Go, 5, 1, false},
        {"the safe is no item", 0, Item::Safe, 0, 1, false},
    };
    for (const auto& c : cases) EXPECT_EQ(CanReserve(c.seat, c.item, c.grade, c.kind), c.taken) << c.name;
    EXPECT_EQ(HostItemCode(Item::Superman), 0x12000);
    EXPECT_EQ(HostItemCode(Item::Assa3Go), 0x11001);
    EXPECT_EQ(HostItemCode(Item::Assa6Go), 0x11010);
    EXPECT_TRUE(RaisesMark(Item::None, Item::Superman));
    EXPECT_FALSE(RaisesMark(Item::Assa5Go, Item::Assa4Go)) << "lower after higher";
    EXPECT_EQ(ChanceFrame(Item::Assa4Go, true), 12);
    EXPECT_EQ(ChanceFrame(Item::Assa5Gwang, false), 9);
    EXPECT_EQ(ReservationLine("철수", "cs", Item::Assa5Go, 3),
              "철수`1131`(cs)님 `0030`'아싸! 5고'`0131`아이템(`0030`최고 27억 5천만냥`0131`) 예약! 게임방을 나가실 때 구매할 수 있습니다.`0030`");
}

TEST(ItemRules, SafeChoicesEnableWhatTheLimitAllows)
{
    using ItemRules::PlanSafeChoices;
    const auto c = PlanSafeChoices(50000000, 2000000000, 3000000000, 100000000);
    EXPECT_EQ(c.texts[0], "5천만냥") << "digit words inside the band";
    EXPECT_EQ(c.texts[1], "20억냥");
    EXPECT_EQ(c.texts[2], "전부출금");
    EXPECT_EQ(c.tipText, "30억냥");
    EXPECT_TRUE(c.enabled[0] && !c.enabled[1] && !c.enabled[2]);
    EXPECT_EQ(c.selected, 0);
    EXPECT_EQ(PlanSafeChoices(200, 300, 400, 100).selected, -1) << "none enabled selects none";
    EXPECT_EQ(PlanSafeChoices(0, 50, 400, 100).selected, 1) << "an empty amount is not a choice";
}

TEST(ObserverRules, PageStatesAndAmounts)
{
    using ObserverRules::PageState;
    EXPECT_EQ(ObserverRules::AfterHostResult(44, true), PageState::Granted);
    EXPECT_EQ(ObserverRules::AfterHostResult(44, false), PageState::None);
    EXPECT_EQ(ObserverRules::AfterHostResult(5, true), PageState::None);
    EXPECT_TRUE(ObserverRules::RefreshesItems(0x11000));
    EXPECT_FALSE(ObserverRules::RefreshesItems(30));
    EXPECT_EQ(ObserverRules::SafeText(0), "없음");
    EXPECT_EQ(ObserverRules::SafeText(120000), "12만냥");
    EXPECT_EQ(ObserverRules::PaymentText(5000, 0), "없음");
    EXPECT_EQ(ObserverRules::PaymentText(5000, 1), "5000냥");
    EXPECT_FALSE(ObserverRules::SafeAndPaymentEnabled(31));
    EXPECT_TRUE(ObserverRules::SafeAndPaymentEnabled(27));
}

TEST(CountRules, RestrictText)
{
    using CountRules::RestrictInput;
    const struct { const char* name; RestrictInput in; const char* text; } cases[] = {
        {"counting 5/3", {true, false, true, false, 5, 3}, "2판 남음"},
        {"counting 5/4", {true, false, true, false, 5, 4}, "마지막 판"},
        {"played past the count", {true, false, true, false, 5, 9}, "마지막 판"},
        {"robot seated", {true, true, true, false, 5, 3}, "5판 남음"},
        {"no countdown", {true, false, false, true, 5, 3}, "5판 남음"},
        {"count off, room full", {false, false, true, false, 5, 3}, "옵션해제"},
        {"count off, seat free", {false, false, true, true, 5, 3}, "5판 남음"},
    };
    for (const auto& c : cases) EXPECT_EQ(CountRules::RestrictText(c.in), c.text) << c.name;
}

TEST(CountRules, PlayCountAndRefill)
{
    using CountRules::PlayCountView;
    using CountRules::PlanPlayCount;
    EXPECT_EQ(PlanPlayCount(100, 0, false), (PlayCountView{"200", 25, 0}));
    EXPECT_EQ(PlanPlayCount(310, 0, false), (PlayCountView{"무한", 38, 0}));
    EXPECT_EQ(PlanPlayCount(299, 0, false), (PlayCountView{"1", 0, 0}));
    EXPECT_EQ(PlanPlayCount(10, 1, false), (PlayCountView{"무한", 38, 1})) << "a pass";
    EXPECT_EQ(PlanPlayCount(10, 0, true), (PlayCountView{"무한", 38, 0})) << "the PC-cafe flag";
    EXPECT_FALSE(PlanPlayCount(-1, 0, false)) << "a negative count changes nothing";
    EXPECT_TRUE(CountRules::ShowsLimitAlert(296) && CountRules::ShowsLimitAlert(300));
    EXPECT_FALSE(CountRules::ShowsLimitAlert(294) || CountRules::ShowsLimitAlert(301));
    EXPECT_TRUE(CountRules::LimitNotice(false, 0).find("300판") != std::string::npos);
    EXPECT_TRUE(CountRules::LimitNotice(false, 5).empty());

    using CountRules::RefillAction;
    using CountRules::RefillInput;
    const struct { const char* name; RefillInput in; RefillAction action; } cases[] = {
        {"no pass, PC cafe", {0, true}, RefillAction::PcCafeBox},
        {"no pass", {0, false}, RefillAction::RefillPage},
        {"pass set, no membership, under 300", {1, false, 0, 0, 0, 0, 299}, RefillAction::RefillPage},
        {"pass set, no membership, 300", {1, false, 0, 0, 0, 0, 300}, RefillAction::AfterLimitBox},
        {"gold", {1, false, 0, 1, 0, 0, 0}, RefillAction::ValidityBox},
        {"free play", {1, false, 0, 0, 0, 20261231235959, 0}, RefillAction::ValidityBox},
    };
    for (const auto& c : cases) EXPECT_EQ(CountRules::RefillClick(c.in), c.action) << c.name;
    EXPECT_EQ(CountRules::RefillBox(RefillAction::ValidityBox, {1, false, 0, 0, 0, 20261231235959, 0}).text.rfind("12월31일23시59분까지 ", 0), 0u);
    EXPECT_EQ(CountRules::RefillBox(RefillAction::ValidityBox, {1, false, 0, 2, 1, 0, 0}).text.rfind("고스톱 토벨 골드", 0), 0u);
}

TEST(CountRules, RankingBadge)
{
    EXPECT_EQ(CountRules::RankingPointsText(15), "+15점");
    EXPECT_TRUE(CountRules::ShowsLevelBadge(1) && CountRules::ShowsLevelBadge(20));
    EXPECT_FALSE(CountRules::ShowsLevelBadge(0) || CountRules::ShowsLevelBadge(21));
    EXPECT_FALSE(CountRules::RankingExpired(1000, 2500)) << "still shown at 1500 ms";
    EXPECT_TRUE(CountRules::RankingExpired(1000, 2501));
    EXPECT_FALSE(CountRules::RankingExpired(UINT32_MAX - 100, 500)) << "across the clock's wrap";
}

TEST(BijouRules, LimitsLevelsAndCounts)
{
    using namespace BijouRules;
    EXPECT_EQ(Limit(false), 1200);
    EXPECT_EQ(AddSaturated(1199, 5), 1204);
    EXPECT_EQ(AddSaturated(INT32_MAX - 1, 5), INT32_MAX);
    EXPECT_TRUE(HasHighLimit(-1, 0));
    EXPECT_FALSE(HasHighLimit(0, -3));
}
