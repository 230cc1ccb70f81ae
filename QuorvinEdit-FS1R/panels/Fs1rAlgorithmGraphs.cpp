#include "panels/Fs1rAlgorithmGraphs.h"

#include "instrument/FmAlgorithmTable.h"

#include <array>

AlgorithmGraph toAlgorithmGraph(const FmAlgorithm& algorithm)
{
    AlgorithmGraph graph;
    graph.carrierMask = algorithm.carriers().mask();
    for (std::int32_t n = 1; n <= fmOperatorCount; ++n)
        graph.modulatorMasks[n - 1] = algorithm.modulatorsOf(n).mask();
    graph.feedbackSource = algorithm.feedbackSource();
    graph.feedbackDestination = algorithm.feedbackDestination();
    return graph;
}

AlgorithmGraphTable fs1rAlgorithmGraphs()
{
    static const std::array<AlgorithmGraph, fmAlgorithmCount> graphs = [] {
        std::array<AlgorithmGraph, fmAlgorithmCount> built;
        const FmAlgorithmTable& table = FmAlgorithmTable::instance();
        for (std::uint32_t index = 0; index < fmAlgorithmCount; ++index)
            built[index] = toAlgorithmGraph(*table.getAlgorithm(index));
        return built;
    }();
    return graphs;
}
