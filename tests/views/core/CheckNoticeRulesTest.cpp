#include <gtest/gtest.h>

#include <string>

#include "views/core/CheckNoticeRules.h"

using namespace CheckNoticeRules;

TEST(CheckNoticeRules, FieldsCountOnlyAtTheStartOrAfterAHash)
{
    const struct { const char* name; const char* text; const char* key; std::optional<std::string> value; } cases[] = {
        {"first", "TYPE=0#TIME=3", "TYPE", "0"},
        {"after '#'", "TYPE=0#TIME=3", "TIME", "3"},
        {"inside a value", "MSG=TIME=9#TYPE=1", "TIME", std::nullopt},
        {"longer key", "XTYPE=1", "TYPE", std::nullopt},
        {"key without '='", "TYPE#TIME=1", "TYPE", std::nullopt},
        {"empty value", "TYPE=", "TYPE", ""},
        {"value runs to the next '#'", "MSG=a=b#X=1", "MSG", "a=b"},
        {"empty text", "", "TYPE", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(GetNoticeField(c.text, c.key), c.value) << c.name;
}

TEST(CheckNoticeRules, CaptionsDigitsAndPhases)
{
    const struct { const char* name; const char* text; int caption, first, second; bool effects; int phase; } cases[] = {
        {"type 0 time 3", "TYPE=0#TIME=3#MSG=점검", 13, 17, kNone, true, kCaptionWithEffects},
        {"type 1 time 12", "TYPE=1#TIME=12", 0, 2, 3, false, kCaption},
        {"type 0 time 7", "TYPE=0#TIME=7", 11, 8, kNone, false, kCaption},
        {"type 0 time 05", "TYPE=0#TIME=05", 11, 1, 6, false, kCaption},
        {"type 2 has no caption", "TYPE=2#TIME=1", kNone, 15, kNone, true, kCaptionWithEffects},
        {"':' selects no digit", "TYPE=0#TIME=:", 11, kNone, kNone, true, kCaptionWithEffects},
        {"'1:' keeps the first digit", "TYPE=0#TIME=1:", 11, 2, kNone, true, kCaptionWithEffects},
        {"no time", "TYPE=0", 13, 14, kNone, true, kCaptionWithEffects},
    };
    for (const auto& c : cases) {
        const NoticePlan p = ParseNoticeText(c.text);
        EXPECT_TRUE(p.active) << c.name;
        EXPECT_EQ(p.caption, c.caption) << c.name;
        EXPECT_EQ(p.firstDigit, c.first) << c.name;
        EXPECT_EQ(p.secondDigit, c.second) << c.name;
        EXPECT_EQ(p.effects, c.effects) << c.name;
        EXPECT_EQ(p.phase, c.phase) << c.name;
    }
    EXPECT_EQ(ParseNoticeText("TYPE=0#TIME=3#MSG=점검").message, "점검");
    EXPECT_FALSE(ParseNoticeText("TIME=3#MSG=x").active) << "no TYPE";
    EXPECT_FALSE(ParseNoticeText("").active);
    EXPECT_EQ(ParseNoticeText("TYPE=0#TIME=99999999999999").time, INT32_MAX);
}

TEST(CheckNoticeRules, PhasesMoveOnWhenTheirPlayerStops)
{
    EXPECT_EQ(NextPhase(kCaption, false, false), kCaption);
    EXPECT_EQ(NextPhase(kCaptionWithEffects, true, false), kEffectPhase);
    EXPECT_EQ(NextPhase(kEffectPhase, true, false), kScrolling);
    EXPECT_EQ(NextPhase(kScrolling, true, false), kScrolling) << "the scroller decides";
    EXPECT_EQ(NextPhase(kScrolling, false, true), kEnd);
    EXPECT_EQ(NextPhase(kEnd, true, false), kIdle);
}
