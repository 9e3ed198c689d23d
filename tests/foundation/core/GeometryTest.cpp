#include <gtest/gtest.h>

#include "foundation/core/Geometry.h"

TEST(Rect, ContainsIsInclusiveAtTopLeftOnlyAndAnEmptyOneNothing)
{
    const Rect title{0, 0, 700, 20};
    const struct { const char* name; Rect r; int x, y; bool want; } cases[] = {
        {"top-left corner", title, 0, 0, true},       {"last pixel", title, 699, 19, true},
        {"right edge", title, 700, 10, false},        {"bottom edge", title, 10, 20, false},
        {"left of it", title, -1, 0, false},          {"above it", title, 0, -1, false},
        {"10 x 0", {0, 0, 10, 0}, 0, 0, false},       {"negative width", {10, 0, 0, 10}, 5, 5, false},
        {"1 x 1", {5, 5, 6, 6}, 5, 5, true},
    };
    for (const auto& c : cases) EXPECT_EQ(c.r.Contains(c.x, c.y), c.want) << c.name;
    EXPECT_EQ(Rect(Point{10, 20}, Size{30, 40}).Offset({-10, 5}).MovedTo({1, 2}), (Rect{1, 2, 31, 42}));
}

TEST(Rect, IntersectionAndUnion)
{
    const Rect a{0, 0, 10, 10};
    const struct { const char* name; Rect b; Rect meet; Rect both; } cases[] = {
        {"overlap", {5, 5, 15, 15}, {5, 5, 10, 10}, {0, 0, 15, 15}},
        {"touching edges do not meet", {10, 0, 20, 10}, {}, {0, 0, 20, 10}},
        {"inside", {2, 2, 3, 3}, {2, 2, 3, 3}, {0, 0, 10, 10}},
        {"empty adds nothing", {50, 50, 50, 60}, {}, {0, 0, 10, 10}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(a.Intersected(c.b), c.meet) << c.name;
        EXPECT_EQ(a.Intersects(c.b), !c.meet.IsEmpty()) << c.name;
        EXPECT_EQ(a.United(c.b), c.both) << c.name;
    }
}
