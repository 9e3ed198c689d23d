#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "views/core/GlyphText.h"

namespace {

// CP949 bytes, whatever the compiler's execution character set.
const std::string kGa = "\xB0\xA1", kNa = "\xB3\xAA";

std::vector<int> Xs(const std::vector<Point>& points)
{
    std::vector<int> xs;
    for (const Point p : points) xs.push_back(p.x);
    return xs;
}

}  // namespace

TEST(GlyphText, NamesAreWholeCharactersUpToTwelve)
{
    const struct { const char* name; std::string text; std::vector<std::string> names; } cases[] = {
        {"digits", "123", {"1", "2", "3"}},
        {"13 characters keep the first 12", "ABCDEFGHIJKLM", {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L"}},
        {"syllables are one glyph each", kGa + "1" + kNa, {kGa, "1", kNa}},
        {"13 syllables keep 12", std::string(13 * 2, '\xB0'), std::vector<std::string>(12, "\xB0\xB0")},
        {"a lead byte without its trail", "1\xB0", {"1", "\xB0"}},
        {"empty", "", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(GlyphNames(c.text), c.names) << c.name;
}

TEST(GlyphText, AlignmentsPlaceTheRowInTheBox)
{
    const Rect box{100, 20, 300, 50}, odd{100, 20, 301, 50};
    using A = GlyphAlign;
    const struct { const char* name; Rect box; int count, width, spacing; A align; std::vector<int> xs; } cases[] = {
        {"left", box, 3, 10, 2, A::Left, {100, 112, 124}},
        {"right: last glyph ends on the right edge", box, 3, 10, 2, A::Right, {266, 278, 290}},
        {"centred", box, 3, 10, 2, A::Center, {183, 195, 207}},
        {"centred in an odd width rounds left", odd, 3, 10, 2, A::Center, {183, 195, 207}},
        {"negative spacing overlaps, left", box, 3, 10, -4, A::Left, {100, 106, 112}},
        {"negative spacing, right", box, 3, 10, -4, A::Right, {278, 284, 290}},
        {"negative spacing, centred", box, 3, 10, -4, A::Center, {189, 195, 201}},
        {"wider than the box, centred: odd overflow rounds left", box, 12, 20, 1, A::Center,
         {74, 95, 116, 137, 158, 179, 200, 221, 242, 263, 284, 305}},
        {"no glyphs", box, 0, 10, 2, A::Center, {}},
    };
    for (const auto& c : cases) {
        const auto positions = GlyphPositions(c.box, c.count, c.width, c.spacing, c.align);
        EXPECT_EQ(Xs(positions), c.xs) << c.name;
        for (const Point p : positions) EXPECT_EQ(p.y, c.box.top) << c.name;
    }
}

// The rule behind the examples, for every count and a range of spacings.
TEST(GlyphText, RightEndsOnTheEdgeAndCentreLeavesEqualMargins)
{
    const Rect box{10, 0, 170, 20};
    for (int count = 1; count <= kMaxGlyphs; ++count)
        for (int spacing = -3; spacing <= 3; ++spacing) {
            const auto right = GlyphPositions(box, count, 11, spacing, GlyphAlign::Right);
            EXPECT_EQ(right.back().x + 11, box.right) << count << " glyphs, spacing " << spacing;
            const auto centre = GlyphPositions(box, count, 11, spacing, GlyphAlign::Center);
            const int leftMargin = centre.front().x - box.left, rightMargin = box.right - (centre.back().x + 11);
            EXPECT_TRUE(rightMargin - leftMargin == 0 || rightMargin - leftMargin == 1)
                << count << " glyphs, spacing " << spacing << ": margins " << leftMargin << " and " << rightMargin;
        }
}

TEST(GlyphReveal, LastGlyphFirstThenOnePerInterval)
{
    using R = std::optional<int>;
    const R none;
    const struct { const char* name; bool allAtOnce; uint32_t start, interval; std::vector<uint32_t> steps;
                   std::vector<R> revealed; } cases[] = {
        {"\"123\" one by one", false, 1000, 50, {1000, 1049, 1050, 1060, 1100, 1150, 1200},
         {none, none, 2, none, 1, 0, none}},
        {"a late tick reveals one glyph, the next waits a whole interval", false, 1000, 50, {1180, 1200, 1230},
         {2, none, 1}},
        {"across the wrap of the millisecond clock", false, 0xFFFFFFF0u, 50, {0xFFFFFFFFu, 0x22u, 0x54u},
         {none, 2, 1}},
        {"no interval reveals one per tick", false, 1000, 0, {1000, 1000, 1000, 1000}, {2, 1, 0, none}},
        {"all at once leaves nothing to reveal", true, 1000, 50, {1000, 1050, 1100}, {none, none, none}},
    };
    for (const auto& c : cases) {
        GlyphReveal reveal;
        reveal.Start(3, c.allAtOnce, c.interval, c.start);
        std::vector<R> revealed;
        for (const uint32_t t : c.steps) revealed.push_back(reveal.Next(t));
        EXPECT_EQ(revealed, c.revealed) << c.name;
    }
}
