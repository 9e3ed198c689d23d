#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "views/core/GlyphText.h"

// The widgets centre their glyphs; the other alignments have no user yet.
TEST(GlyphText, CentredRowsRoundLeft)
{
    const struct { const char* name; Rect box; int count, spacing; std::vector<int> xs; } cases[] = {
        {"an odd width", {100, 20, 301, 50}, 3, 2, {183, 195, 207}},
        {"negative spacing overlaps", {100, 20, 300, 50}, 3, -4, {189, 195, 201}},
        {"twelve wider than the box: the odd overflow", {100, 20, 300, 50}, 12, 9,
         {90, 109, 128, 147, 166, 185, 204, 223, 242, 261, 280, 299}},
    };
    for (const auto& c : cases) {
        std::vector<int> xs;
        for (const Point p : GlyphPositions(c.box, c.count, 10, c.spacing, GlyphAlign::Center)) xs.push_back(p.x);
        EXPECT_EQ(xs, c.xs) << c.name;
    }
}

TEST(GlyphReveal, LastGlyphFirstThenOnePerInterval)
{
    using R = std::optional<int>;
    const R none;
    const struct { const char* name; bool allAtOnce; uint32_t start, interval; std::vector<uint32_t> steps;
                   std::vector<R> revealed; } cases[] = {
        {"\"123\" one by one", false, 1000, 50, {1000, 1049, 1050, 1099, 1100, 1150, 1200},
         {none, none, 2, none, 1, 0, none}},
        {"across the wrap of the millisecond clock", false, 0xFFFFFFF0u, 50, {0xFFFFFFFFu, 0x22u, 0x54u},
         {none, 2, 1}},
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
