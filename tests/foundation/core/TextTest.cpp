#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "foundation/core/Text.h"

TEST(Format, WindowsConversionsOnEveryToolchain)
{
    std::string out = "poison";
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat"  // "%ld" is 32-bit here on both toolchains
    const struct { const char* name; std::string got; std::string want; } cases[] = {
        {"I64d of INT64_MAX", FormatText("%I64d", INT64_MAX), "9223372036854775807"},
        {"I64i of INT64_MIN", FormatText("%I64i", INT64_MIN), "-9223372036854775808"},
        {"I64u of UINT64_MAX", FormatText("%I64u", UINT64_MAX), "18446744073709551615"},
        {"ld takes 32 bits", FormatText("%ld|%d", int32_t{-7}, 8), "-7|8"},
        {"width with I64", FormatText("[%5I64d]", int64_t{42}), "[   42]"},
        {"plus sign", FormatText("+%d", 5), "+5"},
        {"percent sign", FormatText("100%%"), "100%"},
        {"paths", FormatText("%scommon\\vexor_%d.ini", "C:\\P\\", 24), "C:\\P\\common\\vexor_24.ini"},
        {"null format", FormatText(nullptr), ""},
    };
#pragma GCC diagnostic pop
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.name;
    EXPECT_EQ(&Format(out, "%s-%d", "a", 1), &out) << "returns the out string";
    EXPECT_EQ(out, "a-1");
}

TEST(Format, LongResultsAreNeitherCutNorOverflowing)
{
    for (size_t n : {1022u, 1023u, 1024u, 1025u, 5000u}) {
        const std::string big(n, 'x');
        std::string out;
        Format(out, "<%s>", big.c_str());
        EXPECT_EQ(out.size(), n + 2) << n;
        EXPECT_EQ(out.front(), '<');
        EXPECT_EQ(out.back(), '>') << n;
    }
}

TEST(FormatNumberWithCommas, GroupsOfThreeFromTheRight)
{
    const struct { int64_t value; const char* want; } cases[] = {
        {0, "0"}, {999, "999"}, {1000, "1,000"}, {-1000, "-1,000"}, {-999, "-999"},
        {123456789, "123,456,789"}, {1234567, "1,234,567"},
        {INT64_MAX, "9,223,372,036,854,775,807"}, {INT64_MIN, "-9,223,372,036,854,775,808"},
    };
    for (const auto& c : cases) {
        std::string out = "poison";
        EXPECT_EQ(FormatNumberWithCommas(out, c.value), c.want) << c.value;
    }
}

TEST(MoneyToUnitText, KoreanUnitsAndTheUnitCount)
{
    const struct { const char* name; int64_t amount; int units; const char* want; } cases[] = {
        {"zero", 0, 0, "0냥"},
        {"below ten thousand", 999, 0, "999냥"},
        {"exactly one man", 10000, 0, "1만냥"},
        {"zero groups left out", 100000000, 0, "1억냥"},
        {"all groups", 123456789, 0, "1억2345만6789냥"},
        {"two groups", 123456789, 2, "1억2345만냥"},
        {"one group", 123456789, 1, "1억냥"},
        {"zero group counts inside the window", 100005000, 2, "1억냥"},
        {"window beyond the ones", 5000, 2, "5000냥"},
        {"negative", -123456789, 2, "-1억2345만냥"},
        {"max", INT64_MAX, 0, "922경3372조368억5477만5807냥"},
        {"min does not overflow", INT64_MIN, 0, "-922경3372조368억5477만5808냥"},
        {"max, two groups", INT64_MAX, 2, "922경3372조냥"},
    };
    for (const auto& c : cases) {
        std::string out = "poison";
        EXPECT_EQ(MoneyToUnitText(out, c.amount, c.units), c.want) << c.name;
    }
}

TEST(MoneyToFullUnitText, DigitWordsInsideGroups)
{
    const struct { const char* name; int64_t amount; const char* want; } cases[] = {
        {"zero", 0, "0냥"},
        {"item panel low end", 10000000, "1천만냥"},
        {"item panel high end", 999999999, "9억9천9백9십9만9천9백9십9냥"},
        {"mixed", 12345678, "1천2백3십4만5천6백7십8냥"},
        {"zero digits left out", 20030405, "2천3만4백5냥"},
        {"ones only", 7, "7냥"},
        {"negative", -1000, "-1천냥"},
        {"min does not overflow", INT64_MIN, "-9백2십2경3천3백7십2조3백6십8억5천4백7십7만5천8백8냥"},
    };
    for (const auto& c : cases) {
        std::string out = "poison";
        EXPECT_EQ(MoneyToFullUnitText(out, c.amount), c.want) << c.name;
    }
}

TEST(FormatTimestampText, OnlyFourteenCharactersAreRewritten)
{
    const struct { const char* in; const char* want; } cases[] = {
        {"20261206213045", "12월06일21시30분"},
        {"2026120621304", "2026120621304"},
        {"202612062130455", "202612062130455"},
        {"", ""},
    };
    for (const auto& c : cases) {
        std::string out = "poison";
        EXPECT_EQ(FormatTimestampText(out, c.in), c.want) << c.in;
    }
}
