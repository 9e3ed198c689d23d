#include <gtest/gtest.h>

#include "foundation/core/Geometry.h"

TEST(Rect, ContainsIsInclusiveAtTopLeftOnly)
{
    const Rect title{0, 0, 700, 20};
    const struct { const char* name; int x, y; bool want; } cases[] = {
        {"top-left corner", 0, 0, true},       {"last pixel", 699, 19, true},
        {"right edge", 700, 10, false},        {"bottom edge", 10, 20, false},
        {"left of it", -1, 0, false},          {"above it", 0, -1, false},
    };
    for (const auto& c : cases) EXPECT_EQ(title.Contains(c.x, c.y), c.want) << c.name;
}

TEST(Rect, EmptyWhenWidthOrHeightIsNotPositive)
{
    const struct { const char* name; Rect r; bool want; } cases[] = {
        {"zero", {}, true},
        {"10 x 0", {0, 0, 10, 0}, true},
        {"0 x 10", {0, 0, 0, 10}, true},
        {"negative width", {10, 0, 0, 10}, true},
        {"1 x 1", {5, 5, 6, 6}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.r.IsEmpty(), c.want) << c.name;
        // An empty rectangle contains no point.
        if (c.want) {
            EXPECT_FALSE(c.r.Contains(c.r.left, c.r.top)) << c.name;
        }
    }
}

TEST(Rect, BuiltFromPointAndSizeAndMoved)
{
    const Rect r(Point{10, 20}, Size{30, 40});
    EXPECT_EQ(r, (Rect{10, 20, 40, 60}));
    EXPECT_EQ(r.GetSize(), (Size{30, 40}));
    EXPECT_EQ(r.Offset({-10, 5}), (Rect{0, 25, 30, 65}));
    EXPECT_EQ(r.MovedTo({0, 0}), (Rect{0, 0, 30, 40}));
    EXPECT_EQ(Point(1, 2) + Point(3, 4), Point(4, 6));
    EXPECT_EQ(Point(1, 2) - Point(3, 4), Point(-2, -2));
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
