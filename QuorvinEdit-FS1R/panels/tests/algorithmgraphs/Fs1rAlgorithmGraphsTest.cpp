// The FS1R's algorithms as the diagram controls see them, and how all 88
// diagrams lay out.
#include "controls/AlgorithmDiagram.h"
#include "panels/Fs1rAlgorithmGraphs.h"
#include "tests/algorithmlayout/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <bit>

namespace {

constexpr std::uint8_t operator1 = 0x01, operator2 = 0x02, operator3 = 0x04;

TEST(Fs1rAlgorithmGraphs, RecordsCarryTheInstrumentsCarriersModulatorsAndFeedback)
{
    const AlgorithmGraphTable graphs = fs1rAlgorithmGraphs();
    ASSERT_EQ(graphs.size(), 88u);
    const AlgorithmGraph& second = graphs[1];
    EXPECT_EQ(second.carrierMask, 0xF8) << "operators 4 to 8";
    EXPECT_EQ(second.modulatorsOf(2), operator1);
    EXPECT_EQ(second.modulatorsOf(3), operator2);
    EXPECT_EQ(second.modulatorsOf(4), operator3);
    EXPECT_EQ(second.feedbackSource, 1);
    EXPECT_EQ(second.feedbackDestination, 1);
    EXPECT_EQ(graphs.data(), fs1rAlgorithmGraphs().data()) << "built once";
}

// Each operator of the algorithm drawn once, it and every line inside the
// measured size, no operator over another; only algorithms 4, 5 and 66 have no feedback path.
void expectTidyDiagram(const AlgorithmGraph& graph, const DiagramGeometry& geometry, int number)
{
    constexpr int left = 10, baseline = 200;
    AlgorithmDiagram diagram(graph, geometry);
    RecordingCanvas canvas;
    diagram.draw(canvas, left, baseline);
    const LayoutSize size = diagram.measure();
    const LayoutRect bounds(left, baseline - size.height, size.width, size.height);
    std::uint8_t drawn = 0;
    for (const RecordedBox& box : canvas.boxes) {
        const LayoutRect rect(box.x, box.y, box.side, box.side);
        EXPECT_EQ(drawn & (1u << (box.n - 1)), 0) << "algorithm " << number << " draws operator " << box.n << " twice";
        drawn |= 1u << (box.n - 1);
        EXPECT_TRUE(rect.x >= bounds.x && rect.right() <= bounds.right() && rect.y >= bounds.y)
            << "algorithm " << number << " operator " << box.n << " outside its measured size";
        for (const RecordedBox& other : canvas.boxes)
            EXPECT_TRUE(other.n == box.n || !rect.intersects(LayoutRect(other.x, other.y, other.side, other.side)))
                << "algorithm " << number << ": operators " << box.n << " and " << other.n << " overlap";
    }
    for (const RecordedLine& line : canvas.lines)
        EXPECT_TRUE(std::min(line.x1, line.x2) >= bounds.x && std::max(line.x1, line.x2) <= bounds.right()
                    && std::min(line.y1, line.y2) >= bounds.y && std::max(line.y1, line.y2) <= bounds.bottom())
            << "algorithm " << number << ": a line from (" << line.x1 << ", " << line.y1 << ") to (" << line.x2
            << ", " << line.y2 << ") leaves " << bounds.x << ".." << bounds.right() << " x " << bounds.y << ".."
            << bounds.bottom();
    EXPECT_EQ(std::popcount(drawn), 8) << "algorithm " << number;
    const bool withoutLoop = number == 4 || number == 5 || number == 66;
    EXPECT_EQ(graph.feedbackSource == 0, withoutLoop) << "algorithm " << number;
    EXPECT_EQ(diagram.positionOf(graph.feedbackSource).has_value(), !withoutLoop) << "algorithm " << number;
}

TEST(Fs1rAlgorithmGraphs, EveryDiagramDrawsEachOperatorOnceInsideItsCellWithoutOverlap)
{
    const AlgorithmGraphTable graphs = fs1rAlgorithmGraphs();
    for (std::size_t index = 0; index < graphs.size(); ++index) {
        expectTidyDiagram(graphs[index], popupDiagramGeometry, static_cast<int>(index) + 1);
        expectTidyDiagram(graphs[index], selectorDiagramGeometry, static_cast<int>(index) + 1);
    }
}

} // namespace
