#pragma once

#include <algorithm>
#include <cstdint>

// Value types for placing widgets. A rectangle holds left and top inclusive, right and bottom exclusive.

struct Point {
    int32_t x = 0;
    int32_t y = 0;

    constexpr Point() = default;
    constexpr Point(int32_t px, int32_t py) : x(px), y(py) {}
    constexpr Point operator+(Point o) const { return {x + o.x, y + o.y}; }
    constexpr Point operator-(Point o) const { return {x - o.x, y - o.y}; }
    constexpr bool operator==(const Point&) const = default;
};

struct Size {
    int32_t cx = 0;
    int32_t cy = 0;

    constexpr Size() = default;
    constexpr Size(int32_t w, int32_t h) : cx(w), cy(h) {}
    constexpr bool operator==(const Size&) const = default;
};

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    constexpr Rect() = default;
    constexpr Rect(int32_t l, int32_t t, int32_t r, int32_t b) : left(l), top(t), right(r), bottom(b) {}
    constexpr Rect(Point topLeft, Size size)
        : left(topLeft.x), top(topLeft.y), right(topLeft.x + size.cx), bottom(topLeft.y + size.cy) {}

    constexpr int32_t Width() const { return right - left; }
    constexpr int32_t Height() const { return bottom - top; }
    constexpr Size GetSize() const { return {Width(), Height()}; }
    constexpr Point TopLeft() const { return {left, top}; }
    constexpr Point BottomRight() const { return {right, bottom}; }

    // Left and top inclusive, right and bottom exclusive.
    constexpr bool Contains(int32_t x, int32_t y) const { return left <= x && x < right && top <= y && y < bottom; }
    constexpr bool Contains(Point p) const { return Contains(p.x, p.y); }

    // Empty when the width or the height is not positive: such a rectangle covers no pixel.
    constexpr bool IsEmpty() const { return Width() <= 0 || Height() <= 0; }

    constexpr Rect Offset(Point by) const { return {left + by.x, top + by.y, right + by.x, bottom + by.y}; }
    constexpr Rect MovedTo(Point topLeft) const { return Rect(topLeft, GetSize()); }

    // The common area; empty (all zero) when the two do not meet.
    constexpr Rect Intersected(const Rect& o) const
    {
        const Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
        return r.IsEmpty() ? Rect{} : r;
    }
    constexpr bool Intersects(const Rect& o) const { return !Intersected(o).IsEmpty(); }

    // The smallest rectangle covering both; an empty operand adds nothing.
    constexpr Rect United(const Rect& o) const
    {
        if (IsEmpty()) return o.IsEmpty() ? Rect{} : o;
        if (o.IsEmpty()) return *this;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
    }

    constexpr bool operator==(const Rect&) const = default;
};
