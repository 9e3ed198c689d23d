#include <gtest/gtest.h>

#include <vector>

#include "protocol/ChatStyle.h"

TEST(ChatStyle, SplitsAtTagsAndLineBreaks)
{
    const ChatRun plainA{"a", false, 400, 0};
    // Runs as text, bold, weight, colour, new line.
    const struct { const char* name; const char* text; std::vector<ChatRun> runs; } cases[] = {
        {"plain text is one plain run", "abc", {{"abc", false, 400, 0}}},
        {"empty text gives no run", "", {}},
        {"a tag styles what follows", "`1131`abc`0030`def", {{"abc", true, 700, 31}, {"def", false, 400, 30}}},
        {"weight digit alone", "`0110`x", {{"x", false, 700, 10}}},
        {"bold digit alone", "`1020`x", {{"x", true, 400, 20}}},
        {"text before the first tag is plain", "ab`1111`cd", {{"ab", false, 400, 0}, {"cd", true, 700, 11}}},
        {"a tag at the end leaves no empty run", "ab`0010`", {{"ab", false, 400, 0}}},
        {"two tags in a row: the last counts", "`1111``0020`x", {{"x", false, 400, 20}}},
        {"a line break starts a new run in the same style", "`1120`ab\ncd",
         {{"ab", true, 700, 20}, {"cd", true, 700, 20, true}}},
        {"a tag after a line break keeps the break", "ab\n`0111`cd",
         {{"ab", false, 400, 0}, {"cd", false, 700, 11, true}}},
        {"empty lines are kept", "a\n\nb", {plainA, {"", false, 400, 0, true}, {"b", false, 400, 0, true}}},
        {"a final line break gives an empty run", "a\n", {plainA, {"", false, 400, 0, true}}},
        {"a lone backquote is text", "a`b", {{"a`b", false, 400, 0}}},
        {"three digits are text", "`123`x", {{"`123`x", false, 400, 0}}},
        {"a letter among the digits is text", "`12a4`", {{"`12a4`", false, 400, 0}}},
        {"an unclosed tag is text", "x`1234", {{"x`1234", false, 400, 0}}},
        {"Korean bytes pass through", "\xB0\xA1`1111`\xB3\xAA",
         {{"\xB0\xA1", false, 400, 0}, {"\xB3\xAA", true, 700, 11}}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitStyledText(c.text), c.runs) << c.name;
}
