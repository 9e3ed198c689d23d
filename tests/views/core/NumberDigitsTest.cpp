#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "views/core/NumberDigits.h"

TEST(NumberDigits, DecimalDigitsMostSignificantFirst)
{
    const struct { uint64_t n; std::vector<int> digits; } cases[] = {
        {0, {0}}, {7, {7}}, {105, {1, 0, 5}}, {1000, {1, 0, 0, 0}},
        {UINT64_MAX, {1, 8, 4, 4, 6, 7, 4, 4, 0, 7, 3, 7, 0, 9, 5, 5, 1, 6, 1, 5}},
    };
    for (const auto& c : cases) EXPECT_EQ(DecimalDigits(c.n), c.digits) << c.n;
}

// A cell is a tenth of the strip's width; the least significant digit ends on the right edge.
TEST(NumberDigits, PlacesRunLeftFromTheRightEdge)
{
    const struct { const char* name; std::vector<int> digits; Rect strip; int right, spacing;
                   std::vector<DigitPlace> places; } cases[] = {
        {"1, 0, 5", {1, 0, 5}, {0, 0, 100, 12}, 200, 2,
         {{5, 190, {50, 0, 60, 12}}, {0, 178, {0, 0, 10, 12}}, {1, 166, {10, 0, 20, 12}}}},
        {"strip inside the picture", {9}, {20, 5, 120, 17}, 50, 0, {{9, 40, {110, 5, 120, 17}}}},
        {"a width not divisible by ten truncates the cell", {3, 9}, {0, 0, 105, 8}, 100, 0,
         {{9, 90, {90, 0, 100, 8}}, {3, 80, {30, 0, 40, 8}}}},
        {"negative spacing overlaps", {1, 2}, {0, 0, 100, 12}, 100, -3, {{2, 90, {20, 0, 30, 12}}, {1, 83, {10, 0, 20, 12}}}},
        {"digits outside 0..9 are skipped", {10, 4, -1}, {0, 0, 100, 12}, 100, 0, {{4, 90, {40, 0, 50, 12}}}},
        {"no digits", {}, {0, 0, 100, 12}, 100, 0, {}},
    };
    for (const auto& c : cases) {
        const auto places = DigitPlaces(c.digits, c.strip, c.right, c.spacing);
        ASSERT_EQ(places.size(), c.places.size()) << c.name;
        for (size_t i = 0; i < places.size(); ++i) {
            EXPECT_EQ(places[i].digit, c.places[i].digit) << c.name << ", place " << i;
            EXPECT_EQ(places[i].x, c.places[i].x) << c.name << ", place " << i;
            EXPECT_EQ(places[i].source, c.places[i].source) << c.name << ", place " << i;
        }
    }
}
