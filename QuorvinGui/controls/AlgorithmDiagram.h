#pragma once
// Lays out and draws one algorithm's diagram: the carriers side by side on
// the output line, each operator's modulators stacked above it, a modulator
// shared by two operators drawn once with a connector to the second, and the
// feedback loop as a path around the boxes. Scratch state of one drawing.
#include "controls/AlgorithmGraph.h"
#include "controls/DiagramGeometry.h"
#include "layout/LayoutGeometry.h"

#include <array>
#include <cstdint>
#include <optional>

class DiagramCanvas;

class AlgorithmDiagram {
public:
    AlgorithmDiagram(const AlgorithmGraph& graph, const DiagramGeometry& geometry);

    // Draws with the carriers' outputs ending on line y, from x rightwards.
    void draw(DiagramCanvas& canvas, int x, int y);
    // Where the last draw put operator n's box (top-left corner).
    std::optional<LayoutPoint> positionOf(std::int32_t n) const;
    // The space the diagram takes, as the popup cells are sized by it.
    LayoutSize measure() const;

private:
    // Returns the width the level used.
    int placeOperators(DiagramCanvas& canvas, std::uint8_t carriers, int x, int y);
    int connectToPlacedOperator(DiagramCanvas& canvas, LayoutPoint placed, int x, int y) const;
    void drawFeedbackPath(DiagramCanvas& canvas) const;
    LayoutSize measureLevel(std::uint8_t carriers, std::uint8_t& visited) const;
    int centreOffset() const { return geometry_.box / 2; }
    // How far above its destination's box the feedback path turns.
    int feedbackRise() const { return geometry_.verticalGap / 4 + 1; }
    int column() const { return geometry_.box + geometry_.horizontalGap; }

    AlgorithmGraph graph_;
    DiagramGeometry geometry_;
    std::array<std::optional<LayoutPoint>, AlgorithmGraph::operatorCount> positions_;
};
