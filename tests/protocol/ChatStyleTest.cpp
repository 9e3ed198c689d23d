#include <gtest/gtest.h>

#include <vector>

#include "protocol/ChatStyle.h"

namespace {

ChatRun StyledRun(const char* text, bool bold, int32_t weight, int32_t colour, bool newLine = false)
{
    return ChatRun{text, bold, weight, colour, newLine};
}

}  // namespace

TEST(ChatStyle, SplitsAtTagsAndLineBreaks)
{
    const struct {
        const char* name;
        const char* text;
        std::vector<ChatRun> runs;
    } cases[] = {
        {"plain text is one plain run", "abc", {StyledRun("abc", false, 400, 0)}},
        {"empty text gives no run", "", {}},
        {"a tag styles what follows", "`1131`abc`0030`def",
         {StyledRun("abc", true, 700, 31), StyledRun("def", false, 400, 30)}},
        {"weight digit alone", "`0110`x", {StyledRun("x", false, 700, 10)}},
        {"bold digit alone", "`1020`x", {StyledRun("x", true, 400, 20)}},
        {"text before the first tag is plain", "ab`1111`cd", {StyledRun("ab", false, 400, 0), StyledRun("cd", true, 700, 11)}},
        {"a tag at the end leaves no empty run", "ab`0010`", {StyledRun("ab", false, 400, 0)}},
        {"two tags in a row: the last counts", "`1111``0020`x", {StyledRun("x", false, 400, 20)}},
        {"a line break starts a new run in the same style", "`1120`ab\ncd",
         {StyledRun("ab", true, 700, 20), StyledRun("cd", true, 700, 20, true)}},
        {"a tag after a line break keeps the break", "ab\n`0111`cd",
         {StyledRun("ab", false, 400, 0), StyledRun("cd", false, 700, 11, true)}},
        {"empty lines are kept", "a\n\nb", {StyledRun("a", false, 400, 0), StyledRun("", false, 400, 0, true), StyledRun("b", false, 400, 0, true)}},
        {"a final line break gives an empty run", "a\n", {StyledRun("a", false, 400, 0), StyledRun("", false, 400, 0, true)}},
        {"a lone backquote is text", "a`b", {StyledRun("a`b", false, 400, 0)}},
        {"three digits are text", "`123`x", {StyledRun("`123`x", false, 400, 0)}},
        {"five digits are text", "`12345`", {StyledRun("`12345`", false, 400, 0)}},
        {"a letter among the digits is text", "`12a4`", {StyledRun("`12a4`", false, 400, 0)}},
        {"an unclosed tag is text", "x`1234", {StyledRun("x`1234", false, 400, 0)}},
        {"Korean bytes pass through", "\xB0\xA1`1111`\xB3\xAA", {StyledRun("\xB0\xA1", false, 400, 0), StyledRun("\xB3\xAA", true, 700, 11)}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitStyledText(c.text), c.runs) << c.name;
}

TEST(ChatStyle, RunsTogetherHoldEveryCharacterButTheTags)
{
    const char* text = "[x]`1111` a `0010`\n b``1`0130`c\n";
    std::string joined;
    for (const auto& r : SplitStyledText(text)) joined += (r.newLine ? "\n" : "") + r.text;
    EXPECT_EQ(joined, "[x] a \n b``1c\n");
}
