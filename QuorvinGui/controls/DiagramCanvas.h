#pragma once
// What an algorithm diagram draws on: lines and numbered operator boxes.
// The control draws through a device context; tests record the calls.
#include <cstdint>

class DiagramCanvas {
public:
    virtual ~DiagramCanvas() = default;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
    // The box of operator n (1..8) with its top-left corner at (x, y).
    virtual void drawOperatorBox(std::int32_t n, int x, int y, int side) = 0;
};
