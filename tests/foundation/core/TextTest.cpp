#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "foundation/core/Text.h"

TEST(Format, WindowsConversionsOnEveryToolchainAndLongResultsNeitherCutNorOverflowing)
{
    const std::string big(5000, 'x');
    std::string out = "poison";
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat"  // "%ld" is 32-bit here on both toolchains
    const struct { const char* name; std::string got; std::string want; } cases[] = {
        {"I64d of INT64_MAX", FormatText("%I64d", INT64_MAX), "9223372036854775807"},
        {"I64i of INT64_MIN", FormatText("%I64i", INT64_MIN), "-9223372036854775808"},
        {"I64u of UINT64_MAX", FormatText("%I64u", UINT64_MAX), "18446744073709551615"},
        {"ld takes 32 bits", FormatText("%ld|%d", int32_t{-7}, 8), "-7|8"},
        {"width with I64", FormatText("[%5I64d]", int64_t{42}), "[   42]"},
        {"percent sign", FormatText("100%%"), "100%"},
        {"paths", FormatText("%scommon\\vexor_%d.ini", "C:\\P\\", 24), "C:\\P\\common\\vexor_24.ini"},
        {"null format", FormatText(nullptr), ""},
        // The result is first formatted into 1024 bytes, terminator included.
        {"1023 characters", Format(out, "<%s>", big.substr(0, 1021).c_str()), "<" + big.substr(0, 1021) + ">"},
        {"1024 characters", FormatText("<%s>", big.substr(0, 1022).c_str()), "<" + big.substr(0, 1022) + ">"},
        {"5002 characters", FormatText("<%s>", big.c_str()), "<" + big + ">"},
    };
#pragma GCC diagnostic pop
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.name;
}

namespace {
// Each writer into a poisoned string, so a result that leaves part of it cannot pass.
std::string Commas(int64_t v) { std::string out = "poison"; return FormatNumberWithCommas(out, v); }
std::string Units(int64_t v, int units) { std::string out = "poison"; return MoneyToUnitText(out, v, units); }
std::string FullUnits(int64_t v) { std::string out = "poison"; return MoneyToFullUnitText(out, v); }
std::string Timestamp(const char* s) { std::string out = "poison"; return FormatTimestampText(out, s); }
}  // namespace

TEST(MoneyAndTimeTexts, GroupsUnitsAndDigitWords)
{
    const struct { const char* name; std::string got; std::string want; } cases[] = {
        {"commas: zero", Commas(0), "0"},
        {"commas: three digits", Commas(999), "999"},
        {"commas: four digits", Commas(1000), "1,000"},
        {"commas: negative", Commas(-1000), "-1,000"},
        {"commas: negative, three digits", Commas(-999), "-999"},
        {"commas: seven digits", Commas(1234567), "1,234,567"},
        {"commas: max", Commas(INT64_MAX), "9,223,372,036,854,775,807"},
        {"commas: min", Commas(INT64_MIN), "-9,223,372,036,854,775,808"},
        {"units: zero", Units(0, 0), "0냥"},
        {"units: below ten thousand", Units(999, 0), "999냥"},
        {"units: exactly one man", Units(10000, 0), "1만냥"},
        {"units: zero groups left out", Units(100000000, 0), "1억냥"},
        {"units: all groups", Units(123456789, 0), "1억2345만6789냥"},
        {"units: one group", Units(123456789, 1), "1억냥"},
        {"units: zero group counts inside the window", Units(100005000, 2), "1억냥"},
        {"units: window beyond the ones", Units(5000, 2), "5000냥"},
        {"units: negative, two groups", Units(-123456789, 2), "-1억2345만냥"},
        {"units: max", Units(INT64_MAX, 0), "922경3372조368억5477만5807냥"},
        {"units: min does not overflow", Units(INT64_MIN, 0), "-922경3372조368억5477만5808냥"},
        {"units: max, two groups", Units(INT64_MAX, 2), "922경3372조냥"},
        {"full: zero", FullUnits(0), "0냥"},
        {"full: item panel low end", FullUnits(10000000), "1천만냥"},
        {"full: item panel high end", FullUnits(999999999), "9억9천9백9십9만9천9백9십9냥"},
        {"full: mixed", FullUnits(12345678), "1천2백3십4만5천6백7십8냥"},
        {"full: zero digits left out", FullUnits(20030405), "2천3만4백5냥"},
        {"full: negative", FullUnits(-1000), "-1천냥"},
        {"full: min does not overflow", FullUnits(INT64_MIN), "-9백2십2경3천3백7십2조3백6십8억5천4백7십7만5천8백8냥"},
        {"timestamp of 14 characters", Timestamp("20261206213045"), "12월06일21시30분"},
        {"timestamp of 13 stays", Timestamp("2026120621304"), "2026120621304"},
        {"timestamp of 15 stays", Timestamp("202612062130455"), "202612062130455"},
        {"empty timestamp", Timestamp(""), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.name;
}
