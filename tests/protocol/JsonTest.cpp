#include <gtest/gtest.h>

#include <string>

#include "protocol/Json.h"

TEST(Json, ParsesAndDumpsBackTheSameText)
{
    const char* texts[] = {
        "null", "true", "[]", "{}", "-9223372036854775808", "9223372036854775807", "[1,-2,\"x\"]",
        R"({"a":{"b":[{}]},"c":"\"\\\n"})", "\"\\u0001\"",
    };
    for (const char* t : texts) {
        const auto v = ParseJson(t);
        ASSERT_TRUE(v) << t;
        EXPECT_EQ(v->Dump(), t) << t;
    }
}

TEST(Json, KeepsSixtyFourBitIntegersAndRawBytes)
{
    const auto v = ParseJson("{\"money\": 5000000000000000001, \"text\": \"\xB0\xA1\\u00b0\"}");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->Find("money")->GetInt(), 5000000000000000001LL);
    EXPECT_EQ(v->Find("text")->GetString(), "\xB0\xA1\xB0");
    EXPECT_EQ(v->Find("none"), nullptr);
    const auto big = ParseJson("1e3");
    ASSERT_TRUE(big);
    EXPECT_FALSE(big->IsInt());
    EXPECT_DOUBLE_EQ(big->GetDouble(), 1000.0);
}

TEST(Json, RejectsBrokenText)
{
    std::string deep(100, '[');
    deep += std::string(100, ']');
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {"empty", ""}, {"unclosed object", "{\"a\":1"}, {"trailing comma", "[1,]"}, {"two values", "1 2"},
        {"bare word", "nul"}, {"control byte in a string", "\"a\x01\""}, {"bad escape", "\"\\x\""},
        {"short unicode escape", "\"\\u12\""}, {"key without quotes", "{a:1}"}, {"minus alone", "-"},
        {"nesting deeper than 64", deep},
    };
    for (const auto& c : cases) EXPECT_FALSE(ParseJson(c.text)) << c.name;
}
