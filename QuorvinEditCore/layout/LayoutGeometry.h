#pragma once
// Points, sizes and rectangles in pixels for the layout arithmetic of pages,
// captions and cell grids, which runs without a display.

struct LayoutPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const LayoutPoint&, const LayoutPoint&) = default;
};

struct LayoutSize {
    int width = 0;
    int height = 0;

    friend bool operator==(const LayoutSize&, const LayoutSize&) = default;
};

struct LayoutRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    LayoutRect() = default;
    LayoutRect(int left, int top, int w, int h) : x(left), y(top), width(w), height(h) {}
    LayoutRect(LayoutPoint origin, LayoutSize size)
        : x(origin.x), y(origin.y), width(size.width), height(size.height)
    {
    }

    // One past the last column and row.
    int right() const { return x + width; }
    int bottom() const { return y + height; }
    bool isEmpty() const { return width <= 0 || height <= 0; }
    // True when the two share at least one pixel.
    bool intersects(const LayoutRect& other) const
    {
        return !isEmpty() && !other.isEmpty() && x < other.right() && other.x < right() && y < other.bottom()
            && other.y < bottom();
    }

    friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};
