#pragma once
// How a grid selector numbers its choices: item = row x columns + column,
// rows and columns counted from their parameters' minimums. Owned by the
// grid selector; plain arithmetic.
#include <cstdint>

class GridSelectorIndex {
public:
    struct Cell {
        std::int32_t row = 0;
        std::int32_t column = 0;

        friend bool operator==(const Cell&, const Cell&) = default;
    };

    // A count of 0 means that parameter is not bound.
    void setRowCount(std::int32_t rows) { rows_ = rows; }
    void setColumnCount(std::int32_t columns) { columns_ = columns; }
    // Number of extra labelled items (0, 1 or 2).
    void setExtras(int extras) { extras_ = extras; }

    // At least one column: without a column parameter every row is one item.
    std::int32_t columns() const { return columns_ > 0 ? columns_ : 1; }
    // The items the popup lists by text: the rows not taken by an extra label.
    std::int32_t itemCount() const;
    // Whether an item names a row and column that exist.
    bool isItem(std::int32_t item) const;
    Cell cellOf(std::int32_t item) const;
    std::int32_t indexOf(Cell cell) const;

private:
    std::int32_t rows_ = 0;
    std::int32_t columns_ = 0;
    int extras_ = 0;
};
