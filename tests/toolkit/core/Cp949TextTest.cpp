#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/core/Cp949Text.h"
#include "toolkit/core/NumberGlyphs.h"
#include "toolkit/core/ScrollMath.h"

TEST(Cp949Text, WrapsAtSpacesThenBetweenCharacters)
{
    const std::string han = "\xC7\xD1";  // 한, as bytes whatever the compiler's execution character set
    auto measure = [](std::string_view s) { return static_cast<int>(s.size()) * 5; };  // a syllable is 10 pixels
    const struct { const char* name; std::string text; int width; std::vector<std::string> lines; } cases[] = {
        {"fits on one line", "ab cd", 40, {"ab cd"}},
        {"breaks at the last space", "ab cd ef", 30, {"ab cd", "ef"}},
        {"a long word breaks between characters", "abcdefgh", 20, {"abcd", "efgh"}},
        {"syllables are never split", han + han + han, 25, {han + han, han}},
        {"a lead byte without trail at the end", "abc\xC7", 15, {"abc", "\xC7"}},
        {"newline always breaks", "ab\ncd", 100, {"ab", "cd"}},
        {"empty text is one empty line", "", 10, {""}},
        {"narrower than one character still advances", "abc", 1, {"a", "b", "c"}},
    };
    for (const auto& c : cases) EXPECT_EQ(WrapText949(c.text, c.width, measure), c.lines) << c.name;
}

TEST(ScrollMath, EveryThumbOffsetSurvivesTheRoundTrip)
{
    const ThumbTrack t{-5000, 0, 149, 13};  // the option sliders
    for (int offset = 0; offset <= t.Travel(); ++offset)
        EXPECT_EQ(t.OffsetOf(t.ValueAt(offset)), offset) << "offset " << offset;
    EXPECT_EQ((ThumbTrack{3, 3, 100, 10}).ValueAt(50), 3) << "an empty range";
    EXPECT_EQ((ThumbTrack{0, 10, 10, 10}).ValueAt(5), 0) << "no travel";
}

TEST(NumberGlyphs, EveryStyle)
{
    const int M = kGlyphMan, E = kGlyphEok, J = kGlyphJo, G = kGlyphGyeong, S = kGlyphSeparator, P = kGlyphPlus,
              N = kGlyphMinus, X = kGlyphSuffix;
    const uint32_t units = kNumberUnits, thousands = kNumberThousands;
    const struct { const char* name; int64_t n; uint32_t style; std::vector<int> glyphs; } cases[] = {
        {"plain", 905, 0, {9, 0, 5}}, {"zero", 0, 0, {0}}, {"negative", -42, 0, {N, 4, 2}},
        {"thousands", 1234567, thousands, {1, S, 2, 3, 4, S, 5, 6, 7}},
        {"thousands of three digits", 999, thousands, {9, 9, 9}},
        {"thousands of four digits", 1000, thousands, {1, S, 0, 0, 0}},
        {"units", 123456789, units, {1, E, 2, 3, 4, 5, M, 6, 7, 8, 9}},
        {"units skip zero groups", 100000005, units, {1, E, 5}}, {"units of zero", 0, units, {0}},
        {"units of a round amount", 30000, units, {3, M}},
        {"largest", INT64_MAX, units, {9, 2, 2, G, 3, 3, 7, 2, J, 3, 6, 8, E, 5, 4, 7, 7, M, 5, 8, 0, 7}},
        {"smallest", INT64_MIN, 0, {N, 9, 2, 2, 3, 3, 7, 2, 0, 3, 6, 8, 5, 4, 7, 7, 5, 8, 0, 8}},
        {"plus sign", 7, kNumberPlus, {P, 7}}, {"no plus on zero", 0, kNumberPlus, {0}},
        {"no plus on a negative", -7, kNumberPlus, {N, 7}}, {"suffix", 5, kNumberSuffix, {5, X}},
        {"all four", 12000, units | thousands | kNumberPlus | kNumberSuffix, {P, 1, M, 2, 0, 0, 0, X}},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberGlyphs(c.n, c.style), c.glyphs) << c.name;
}
