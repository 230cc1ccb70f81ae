// Placement of operator boxes, links and the feedback path of algorithm
// diagrams, read from a canvas that records the drawing calls.
#include "RecordingCanvas.h"
#include "controls/AlgorithmDiagram.h"

#include <gtest/gtest.h>

namespace {

AlgorithmGraph graphOf(std::uint8_t carriers, int source, int destination)
{
    AlgorithmGraph graph;
    graph.carrierMask = carriers;
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
    const RecordingCanvas canvas = drawn(graphOf(0x01, 1, 1));
    EXPECT_EQ(canvas.boxes, (std::vector<RecordedBox>{{1, 0, 83, 12}}));
    EXPECT_EQ(canvas.lines, (std::vector<RecordedLine>{
                                {6, 95, 6, 100}, {6, 96, 14, 96}, {14, 96, 14, 81}, {14, 81, 6, 81}, {6, 81, 6, 83}}));
}

TEST(AlgorithmDiagram, LaterCarriersJoinTheBusModulatorsStackAboveAndALoopFromTheRightRunsUpItsSource)
{
    AlgorithmGraph graph = graphOf(0x03, 3, 1);
    graph.modulatorMasks[1] = 0x04;
    const RecordingCanvas canvas = drawn(graph);
    EXPECT_EQ(canvas.boxes, (std::vector<RecordedBox>{{1, 0, 83, 12}, {2, 17, 83, 12}, {3, 17, 66, 12}}));
    EXPECT_TRUE(canvas.hasLine({23, 95, 23, 98}));
    EXPECT_TRUE(canvas.hasLine({23, 98, 6, 98})) << "bus back to the first carrier";
    EXPECT_TRUE(canvas.hasLine({23, 78, 23, 83})) << "modulator into its operator";
    EXPECT_EQ(canvas.lastLines(4), (std::vector<RecordedLine>{
                                       {23, 79, 17, 79}, {17, 79, 17, 81}, {17, 81, 6, 81}, {6, 81, 6, 83}}));
}

TEST(AlgorithmDiagram, SharedModulatorIsDrawnAndMeasuredOnceWithAConnectorToTheSecondOperator)
{
    AlgorithmGraph graph = graphOf(0x18, 0, 0);
    graph.modulatorMasks[3] = graph.modulatorMasks[4] = 0x04;
    const RecordingCanvas canvas = drawn(graph);
    EXPECT_EQ(std::count_if(canvas.boxes.begin(), canvas.boxes.end(), [](auto box) { return box.n == 3; }), 1);
    EXPECT_EQ(canvas.lastLines(2), (std::vector<RecordedLine>{{6, 81, 23, 81}, {23, 81, 23, 83}}))
        << "no feedback path follows the connector";
    EXPECT_EQ(AlgorithmDiagram(graph, selectorDiagramGeometry).measure(), (LayoutSize{34, 34}));
}

TEST(AlgorithmDiagram, FeedbackWithAMissingOrUnplacedEndAndTheEmptyGraphDrawNoPath)
{
    for (const auto& [source, destination] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{0, 1}, std::pair{7, 1}})
        EXPECT_EQ(drawn(graphOf(0x01, source, destination)).lines.size(), 1u) << source << " -> " << destination;
    const RecordingCanvas empty = drawn(graphOf(0, 1, 1));
    EXPECT_TRUE(empty.boxes.empty() && empty.lines.empty());
    EXPECT_EQ(AlgorithmDiagram(AlgorithmGraph{}, popupDiagramGeometry).measure(), (LayoutSize{0, 0}));
}

} // namespace
