#pragma once
// A diagram canvas that keeps what it was asked to draw.
#include "controls/DiagramCanvas.h"

#include <algorithm>
#include <vector>

struct RecordedLine {
    int x1, y1, x2, y2;
    friend bool operator==(const RecordedLine&, const RecordedLine&) = default;
};

struct RecordedBox {
    std::int32_t n;
    int x, y, side;
    friend bool operator==(const RecordedBox&, const RecordedBox&) = default;
};

class RecordingCanvas : public DiagramCanvas {
public:
    void drawLine(int x1, int y1, int x2, int y2) override { lines.push_back({x1, y1, x2, y2}); }
    void drawOperatorBox(std::int32_t n, int x, int y, int side) override { boxes.push_back({n, x, y, side}); }

    bool hasLine(RecordedLine line) const { return std::find(lines.begin(), lines.end(), line) != lines.end(); }
    std::vector<RecordedLine> lastLines(std::size_t count) const
    {
        return {lines.end() - static_cast<std::ptrdiff_t>(count), lines.end()};
    }

    std::vector<RecordedLine> lines;
    std::vector<RecordedBox> boxes;
};
