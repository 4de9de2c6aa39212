#pragma once

// Points, sizes and rectangles in terminal cells (columns and rows).

namespace ui {

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(Size, Size) = default;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return x + width; }    // one past the last column
    constexpr int bottom() const { return y + height; }  // one past the last row
    constexpr Point origin() const { return {x, y}; }
    constexpr Size size() const { return {width, height}; }
    constexpr bool isEmpty() const { return width <= 0 || height <= 0; }
    constexpr bool contains(Point p) const {
        return p.x >= x && p.x < right() && p.y >= y && p.y < bottom();
    }
    constexpr Rect translated(int dx, int dy) const { return {x + dx, y + dy, width, height}; }
    constexpr Rect intersected(Rect other) const {
        const int left = x > other.x ? x : other.x;
        const int top = y > other.y ? y : other.y;
        const int r = right() < other.right() ? right() : other.right();
        const int b = bottom() < other.bottom() ? bottom() : other.bottom();
        if (r <= left || b <= top)
            return {left, top, 0, 0};
        return {left, top, r - left, b - top};
    }
    // The smallest rectangle that holds both; an empty one adds nothing.
    constexpr Rect united(Rect other) const {
        if (other.isEmpty())
            return *this;
        if (isEmpty())
            return other;
        const int left = x < other.x ? x : other.x;
        const int top = y < other.y ? y : other.y;
        const int r = right() > other.right() ? right() : other.right();
        const int b = bottom() > other.bottom() ? bottom() : other.bottom();
        return {left, top, r - left, b - top};
    }
    friend constexpr bool operator==(Rect, Rect) = default;
};

}  // namespace ui
