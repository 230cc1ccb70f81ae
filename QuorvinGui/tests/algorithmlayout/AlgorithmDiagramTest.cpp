// Placement of operator boxes, links and the feedback path of algorithm
// diagrams, read from a canvas that records the drawing calls.
#include "RecordingCanvas.h"
#include "controls/AlgorithmDiagram.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

std::uint8_t operators(std::initializer_list<int> numbers)
{
    std::uint8_t mask = 0;
    for (int n : numbers)
        mask |= static_cast<std::uint8_t>(1u << (n - 1));
    return mask;
}

AlgorithmGraph graphOf(std::initializer_list<int> carriers, int source, int destination)
{
    AlgorithmGraph graph;
    graph.carrierMask = operators(carriers);
    graph.feedbackSource = source;
    graph.feedbackDestination = destination;
    return graph;
}

// The selector's geometry: boxes of 12, gaps of 5; outputs end on line 100.
RecordingCanvas drawn(const AlgorithmGraph& graph)
{
    RecordingCanvas canvas;
    AlgorithmDiagram(graph, selectorDiagramGeometry).draw(canvas, 0, 100);
    return canvas;
}

TEST(AlgorithmDiagram, SelfLoopRunsOutOfTheBoxBottomUpItsRightSideAndIntoItsTop)
{
    const RecordingCanvas canvas = drawn(graphOf({1}, 1, 1));
    EXPECT_EQ(canvas.boxes, (std::vector<RecordedBox>{{1, 0, 83, 12}}));
    EXPECT_EQ(canvas.lines.front(), (RecordedLine{6, 95, 6, 100})) << "the carrier's output";
    EXPECT_EQ(canvas.lastLines(4), (std::vector<RecordedLine>{
                                       {6, 96, 14, 96}, {14, 96, 14, 81}, {14, 81, 6, 81}, {6, 81, 6, 83}}));
}

TEST(AlgorithmDiagram, LaterCarriersJoinTheOutputBusAndModulatorsStackAboveTheirOperator)
{
    AlgorithmGraph graph = graphOf({1, 2}, 3, 3);
    graph.modulatorMasks[1] = operators({3});
    const RecordingCanvas canvas = drawn(graph);
    EXPECT_EQ(canvas.boxes, (std::vector<RecordedBox>{{1, 0, 83, 12}, {2, 17, 83, 12}, {3, 17, 66, 12}}));
    EXPECT_TRUE(canvas.hasLine({23, 95, 23, 98}));
    EXPECT_TRUE(canvas.hasLine({23, 98, 6, 98})) << "bus back to the first carrier";
    EXPECT_TRUE(canvas.hasLine({23, 78, 23, 83})) << "modulator into its operator";
    EXPECT_EQ(canvas.lastLines(4).front(), (RecordedLine{23, 79, 31, 79})) << "loop drawn at the modulator";
}

TEST(AlgorithmDiagram, SharedModulatorIsDrawnOnceWithAConnectorToTheSecondOperator)
{
    AlgorithmGraph graph = graphOf({4, 5}, 0, 0);
    graph.modulatorMasks[3] = operators({3});
    graph.modulatorMasks[4] = operators({3});
    const RecordingCanvas canvas = drawn(graph);
    EXPECT_EQ(std::count_if(canvas.boxes.begin(), canvas.boxes.end(), [](auto box) { return box.n == 3; }), 1);
    EXPECT_EQ(canvas.lastLines(2), (std::vector<RecordedLine>{{6, 81, 23, 81}, {23, 81, 23, 83}}))
        << "no feedback path follows the connector";
    EXPECT_EQ(AlgorithmDiagram(graph, selectorDiagramGeometry).measure(), (LayoutSize{34, 34}))
        << "the shared modulator counts once";
}

TEST(AlgorithmDiagram, FeedbackFromTheRightRunsUpTheSourceSide)
{
    const RecordingCanvas canvas = drawn(graphOf({1, 2}, 2, 1));
    EXPECT_EQ(canvas.lastLines(4), (std::vector<RecordedLine>{
                                       {23, 96, 17, 96}, {17, 96, 17, 81}, {17, 81, 6, 81}, {6, 81, 6, 83}}));
}

TEST(AlgorithmDiagram, FeedbackWithAMissingOrUnplacedEndDrawsNoPath)
{
    for (const auto& [source, destination] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{0, 1}, std::pair{7, 1}}) {
        const RecordingCanvas canvas = drawn(graphOf({1}, source, destination));
        EXPECT_EQ(canvas.lines.size(), 1u) << source << " -> " << destination;
    }
}

TEST(AlgorithmDiagram, EmptyGraphDrawsNothingAndTakesNoSpace)
{
    AlgorithmDiagram diagram(AlgorithmGraph{}, popupDiagramGeometry);
    RecordingCanvas canvas;
    diagram.draw(canvas, 3, 40);
    EXPECT_TRUE(canvas.boxes.empty() && canvas.lines.empty());
    EXPECT_EQ(diagram.measure(), (LayoutSize{0, 0}));
    EXPECT_FALSE(diagram.positionOf(1).has_value());
}

TEST(AlgorithmDiagram, PositionsAreForgottenWhenTheNextDiagramStarts)
{
    AlgorithmGraph chain = graphOf({1}, 0, 0);
    chain.modulatorMasks[0] = operators({2});
    AlgorithmDiagram diagram(chain, popupDiagramGeometry);
    RecordingCanvas first, second;
    diagram.draw(first, 0, 50);
    diagram.draw(second, 0, 50);
    EXPECT_EQ(first.boxes, second.boxes) << "a second draw does not take its boxes for shared modulators";
    EXPECT_EQ(diagram.positionOf(2), (LayoutPoint{0, 50 - 4 - 5 - 9}));
    EXPECT_EQ(diagram.measure(), (LayoutSize{9, 18}));
}

} // namespace
