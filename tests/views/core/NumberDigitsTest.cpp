#include <gtest/gtest.h>

#include <vector>

#include "views/core/NumberDigits.h"

// A cell is a tenth of the strip's width; the least significant digit ends on the right edge.
TEST(NumberDigits, PlacesRunLeftFromTheRightEdge)
{
    const struct { const char* name; std::vector<int> digits; Rect strip; int right, spacing;
                   std::vector<DigitPlace> places; } cases[] = {
        {"1, 0, 5", DecimalDigits(105), {0, 0, 100, 12}, 200, 2,
         {{5, 190, {50, 0, 60, 12}}, {0, 178, {0, 0, 10, 12}}, {1, 166, {10, 0, 20, 12}}}},
        {"zero is one digit; a strip inside the picture", DecimalDigits(0), {20, 5, 120, 17}, 50, 0,
         {{0, 40, {20, 5, 30, 17}}}},
        {"a width not divisible by ten; negative spacing", {3, 9}, {0, 0, 105, 8}, 100, -3,
         {{9, 90, {90, 0, 100, 8}}, {3, 83, {30, 0, 40, 8}}}},
        {"digits outside 0..9 are skipped", {10, 4, -1}, {0, 0, 100, 12}, 100, 0, {{4, 90, {40, 0, 50, 12}}}},
    };
    for (const auto& c : cases) EXPECT_EQ(DigitPlaces(c.digits, c.strip, c.right, c.spacing), c.places) << c.name;
}
