#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "table/core/MoneyRules.h"

using namespace MoneyRules;

TEST(MoneyRules, BannerFormatsAll64Bits)
{
    const struct { const char* name; bool giver; int64_t amount; const char* text; } cases[] = {
        {"above 32 bits, giver", true, 3000000005, "3000000005냥 획득"},
        {"above INT32_MAX, taker", false, 2147483653, "2147483653냥"},
        {"negative", false, -5, "-5냥"},
    };
    for (const auto& c : cases) EXPECT_EQ(GainBannerText(c.giver, c.amount), c.text) << c.name;
}

TEST(MoneyRules, SumsSaturate)
{
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    const struct { int64_t a, b, sum; } cases[] = {{1, 2, 3}, {kMax, 1, kMax}, {kMin, -1, kMin}, {kMax, kMin, -1}};
    for (const auto& c : cases) EXPECT_EQ(SaturatingAdd(c.a, c.b), c.sum) << c.a << " + " << c.b;
}

TEST(MoneyRules, CapNoticeByGrade)
{
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    const CapNoticeInputs base{.cap = 300000000000, .extraMoney = 5, .deadline = 20270131235900};
    const struct { const char* name; CapNoticeInputs in; std::optional<std::string> text; } cases[] = {
        {"grade 0 shows nothing", {0, base.cap, 5, base.deadline}, std::nullopt},
        {"grade 5 shows nothing", {5, base.cap, 5, base.deadline}, std::nullopt},
        {"grade 4 below the threshold", {4, base.cap, 5, base.deadline, 299999999999, 0}, std::nullopt},
        {"grade 4 with money and safe", {4, base.cap, 0, base.deadline, 200000000000, 100000000000},
         "고스톱 머니총합 최고한도 3000억냥을 초과하였습니다."},
        {"grade 4 sum saturates instead of wrapping negative", {4, base.cap, 0, base.deadline, kMax, kMax},
         "고스톱 머니총합 최고한도 3000억냥을 초과하였습니다."},
        {"grade 1 without extra money", {1, base.cap, 0, base.deadline}, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(CapNoticeText(c.in), c.text) << c.name;

    const auto one = CapNoticeText({1, base.cap, 5, base.deadline});
    ASSERT_TRUE(one.has_value());
    EXPECT_NE(one->find("3000억냥을 초과하셨습니다."), std::string::npos) << *one;
    EXPECT_NE(one->find("(단, 01월31일23시59분까지 신청하셔야 합니다.)"), std::string::npos) << *one;
}
