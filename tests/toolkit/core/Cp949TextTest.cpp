#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/core/Cp949Text.h"
#include "toolkit/core/ScrollMath.h"

namespace {
// Two CP949 syllables and ASCII around them, written as bytes so the test does not depend on the
// compiler's execution character set.
const std::string kHan = "\xC7\xD1";   // 한
const std::string kGeul = "\xB1\xDB";  // 글
}  // namespace

TEST(Cp949Text, EditsWholeCharacters)
{
    const std::string text = "a" + kHan + kGeul;  // 5 bytes
    const struct {
        const char* name;
        size_t room;
        size_t fit;
    } fits[] = {
        {"no room", 0, 0}, {"one byte", 1, 1}, {"half a syllable is cut", 2, 1},
        {"one syllable", 3, 3}, {"half the second", 4, 3}, {"all", 5, 5}, {"more than all", 9, 5},
    };
    for (const auto& c : fits) EXPECT_EQ(FitPrefix949(text, c.room), c.fit) << c.name;

    std::string s = text;
    EXPECT_TRUE(EraseLastChar949(s));
    EXPECT_EQ(s, "a" + kHan);
    EXPECT_TRUE(EraseLastChar949(s));
    EXPECT_EQ(s, "a");
    EXPECT_TRUE(EraseLastChar949(s));
    EXPECT_FALSE(EraseLastChar949(s)) << "nothing left";
    std::string dangling = "ab\xC7";
    EXPECT_TRUE(EraseLastChar949(dangling));
    EXPECT_EQ(dangling, "ab") << "a lead byte without trail is one character";
}

TEST(Cp949Text, CharacterOfAnImeMessage)
{
    EXPECT_EQ(CharFromImeParam(0xC7D1), kHan);
    EXPECT_EQ(CharFromImeParam('A'), "A");
    EXPECT_EQ(CharFromImeParam(0), "");
}

TEST(Cp949Text, WrapsAtSpacesThenBetweenCharacters)
{
    // Every byte is 5 pixels wide: a syllable 10.
    auto measure = [](std::string_view s) { return static_cast<int>(s.size()) * 5; };
    const struct {
        const char* name;
        std::string text;
        int width;
        std::vector<std::string> lines;
    } cases[] = {
        {"fits on one line", "ab cd", 40, {"ab cd"}},
        {"breaks at the last space", "ab cd ef", 30, {"ab cd", "ef"}},
        {"a long word breaks between characters", "abcdefgh", 20, {"abcd", "efgh"}},
        {"syllables are never split", kHan + kHan + kHan, 25, {kHan + kHan, kHan}},
        {"newline always breaks", "ab\ncd", 100, {"ab", "cd"}},
        {"empty text is one empty line", "", 10, {""}},
        {"narrower than one character still advances", "abc", 1, {"a", "b", "c"}},
    };
    for (const auto& c : cases) EXPECT_EQ(WrapText949(c.text, c.width, measure), c.lines) << c.name;
}

TEST(ScrollMath, ThumbOffsetAndValueAgree)
{
    // The option sliders: -5000..0 over a 149-pixel track with a 13-pixel thumb.
    const ThumbTrack t{-5000, 0, 149, 13};
    const struct {
        const char* name;
        int value;
        int offset;
    } cases[] = {{"minimum at the left", -5000, 0}, {"maximum at the right", 0, 136},
                 {"half way", -2500, 68}, {"below the range clamps", -9000, 0}, {"above clamps", 50, 136}};
    for (const auto& c : cases) EXPECT_EQ(t.OffsetOf(c.value), c.offset) << c.name;
    EXPECT_EQ(t.ValueAt(-10), -5000) << "left of the track";
    EXPECT_EQ(t.ValueAt(500), 0) << "right of the track";
    for (int offset = 0; offset <= t.Travel(); ++offset)
        EXPECT_EQ(t.OffsetOf(t.ValueAt(offset)), offset) << "offset " << offset << " survives the round trip";
    EXPECT_EQ((ThumbTrack{3, 3, 100, 10}).ValueAt(50), 3) << "an empty range";
    EXPECT_EQ((ThumbTrack{0, 10, 10, 10}).ValueAt(5), 0) << "no travel";
}

TEST(ScrollMath, ThumbLengthFollowsThePage)
{
    EXPECT_EQ(ScrollThumbLength(100, 0, 0, 10, 8), 100) << "everything visible";
    EXPECT_EQ(ScrollThumbLength(100, 0, 30, 10, 8), 25);
    EXPECT_EQ(ScrollThumbLength(100, 0, 1000, 10, 8), 8) << "never below the minimum";
    EXPECT_EQ(ScrollThumbLength(5, 0, 1000, 10, 8), 5) << "nor beyond the track";
}

#include "toolkit/core/NumberGlyphs.h"

TEST(NumberGlyphs, EveryStyle)
{
    const int M = kGlyphMan, E = kGlyphEok, J = kGlyphJo, G = kGlyphGyeong, S = kGlyphSeparator;
    const struct {
        const char* name;
        int64_t n;
        uint32_t style;
        std::vector<int> glyphs;
    } cases[] = {
        {"plain", 905, 0, {9, 0, 5}},
        {"zero", 0, 0, {0}},
        {"negative", -42, 0, {kGlyphMinus, 4, 2}},
        {"thousands", 1234567, kNumberThousands, {1, S, 2, 3, 4, S, 5, 6, 7}},
        {"thousands of three digits", 999, kNumberThousands, {9, 9, 9}},
        {"thousands of four digits", 1000, kNumberThousands, {1, S, 0, 0, 0}},
        {"units", 123456789, kNumberUnits, {1, E, 2, 3, 4, 5, M, 6, 7, 8, 9}},
        {"units skip zero groups", 100000005, kNumberUnits, {1, E, 5}},
        {"units of zero", 0, kNumberUnits, {0}},
        {"units of a round amount", 30000, kNumberUnits, {3, M}},
        {"largest", INT64_MAX, kNumberUnits, {9, 2, 2, G, 3, 3, 7, 2, J, 3, 6, 8, E, 5, 4, 7, 7, M, 5, 8, 0, 7}},
        {"smallest", INT64_MIN, 0, {kGlyphMinus, 9, 2, 2, 3, 3, 7, 2, 0, 3, 6, 8, 5, 4, 7, 7, 5, 8, 0, 8}},
        {"plus sign", 7, kNumberPlus, {kGlyphPlus, 7}},
        {"no plus on zero", 0, kNumberPlus, {0}},
        {"no plus on a negative", -7, kNumberPlus, {kGlyphMinus, 7}},
        {"suffix", 5, kNumberSuffix, {5, kGlyphSuffix}},
        {"all four", 12000, kNumberUnits | kNumberThousands | kNumberPlus | kNumberSuffix,
         {kGlyphPlus, 1, M, 2, 0, 0, 0, kGlyphSuffix}},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberGlyphs(c.n, c.style), c.glyphs) << c.name;
}
