#include "controls/AlgorithmDiagram.h"

#include "controls/DiagramCanvas.h"

#include <algorithm>

namespace {

// Calls visit (k) for each bit k set in mask, lowest first; stops when visit
// returns false.
template <typename Visit>
void forEachBit(std::uint8_t mask, Visit visit)
{
    for (std::int32_t k = 0; k < AlgorithmGraph::operatorCount; ++k) {
        if ((mask & (1u << k)) != 0 && !visit(k))
            return;
    }
}

} // namespace

AlgorithmDiagram::AlgorithmDiagram(const AlgorithmGraph& graph, const DiagramGeometry& geometry)
    : graph_(graph), geometry_(geometry)
{
}

void AlgorithmDiagram::draw(DiagramCanvas& canvas, int x, int y)
{
    positions_.fill(std::nullopt);
    placeOperators(canvas, graph_.carrierMask, x, y);
    drawFeedbackPath(canvas);
}

std::optional<LayoutPoint> AlgorithmDiagram::positionOf(std::int32_t n) const
{
    return AlgorithmGraph::isOperator(n) ? positions_[n - 1] : std::nullopt;
}

int AlgorithmDiagram::placeOperators(DiagramCanvas& canvas, std::uint8_t carriers, int x, int y)
{
    if (carriers == 0)
        return column();
    const int box = geometry_.box;
    const int gap = geometry_.verticalGap;
    int width = 0;
    std::optional<int> busX;
    std::optional<int> shortcut;
    forEachBit(carriers, [&](std::int32_t k) {
        if (const auto placed = positions_[k]) {
            // A level that meets an operator drawn already ends there.
            shortcut = connectToPlacedOperator(canvas, *placed, x, y);
            return false;
        }
        const LayoutPoint corner{x, y - gap - box};
        canvas.drawOperatorBox(k + 1, corner.x, corner.y, box);
        positions_[k] = corner;
        const int centreX = x + centreOffset();
        if (!busX) {
            canvas.drawLine(centreX, y - gap, centreX, y);
        } else {
            canvas.drawLine(centreX, y - gap, centreX, y - gap / 2);
            canvas.drawLine(centreX, y - gap / 2, *busX, y - gap / 2);
        }
        busX = centreX;
        const int used = placeOperators(canvas, graph_.modulatorsOf(k + 1), x, y - box - gap);
        width += used;
        x += used;
        return true;
    });
    return shortcut.value_or(width);
}

int AlgorithmDiagram::connectToPlacedOperator(DiagramCanvas& canvas, LayoutPoint placed, int x, int y) const
{
    const int bottom = placed.y + geometry_.box;
    if (y > bottom) {
        const int gap = geometry_.verticalGap;
        const int lineY = bottom + (gap - gap / 2);
        const int centreX = x + centreOffset();
        canvas.drawLine(placed.x + centreOffset(), lineY, centreX, lineY);
        canvas.drawLine(centreX, lineY, centreX, y);
    }
    return column();
}

// Out of the source's bottom, along a side, and into the destination's top.
void AlgorithmDiagram::drawFeedbackPath(DiagramCanvas& canvas) const
{
    const auto source = positionOf(graph_.feedbackSource);
    const auto destination = positionOf(graph_.feedbackDestination);
    if (!source || !destination)
        return;
    const int box = geometry_.box;
    const int belowSource = source->y + box + geometry_.verticalGap / 4;
    const int aboveDestination = destination->y - feedbackRise();
    const int sideX = source->x > destination->x ? source->x : destination->x + box + geometry_.horizontalGap / 2;
    const int destinationX = destination->x + centreOffset();
    canvas.drawLine(source->x + centreOffset(), belowSource, sideX, belowSource);
    canvas.drawLine(sideX, belowSource, sideX, aboveDestination);
    canvas.drawLine(sideX, aboveDestination, destinationX, aboveDestination);
    canvas.drawLine(destinationX, aboveDestination, destinationX, destination->y);
}

LayoutSize AlgorithmDiagram::measure() const
{
    std::uint8_t visited = 0;
    LayoutSize size = measureLevel(graph_.carrierMask, visited);
    // The feedback path may run over the topmost box.
    if (graph_.feedbackSource != 0 && graph_.feedbackDestination != 0 && size.height > 0)
        size.height += feedbackRise();
    return size;
}

LayoutSize AlgorithmDiagram::measureLevel(std::uint8_t carriers, std::uint8_t& visited) const
{
    LayoutSize size;
    forEachBit(carriers, [&](std::int32_t k) {
        const std::uint8_t bit = 1u << k;
        if ((visited & bit) != 0)
            return false;
        visited |= bit;
        const LayoutSize above = measureLevel(graph_.modulatorsOf(k + 1), visited);
        size.width += std::max(above.width, column());
        size.height = std::max(size.height, above.height + geometry_.box + geometry_.verticalGap);
        return true;
    });
    return size;
}
