#include "instrument/FmAlgorithmTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <set>
#include <utility>
#include <vector>

namespace {

OperatorSet operators(std::initializer_list<std::int32_t> numbers)
{
    OperatorSet set;
    for (std::int32_t n : numbers)
        set.add(n);
    return set;
}

const OperatorSet allOperators = operators({1, 2, 3, 4, 5, 6, 7, 8});

const FmAlgorithm& algorithm(std::uint32_t number)
{
    return *FmAlgorithmTable::instance().getAlgorithm(number - 1);
}

OperatorSet feeding(const FmAlgorithm& graph, std::int32_t n)
{
    return graph.subgraphAbove(n).reachable();
}

// Operators not named in links have no modulators.
void expectGraph(const FmAlgorithm& graph, OperatorSet carriers,
    std::vector<std::pair<std::int32_t, OperatorSet>> links, std::pair<std::int32_t, std::int32_t> feedback)
{
    EXPECT_EQ(graph.carriers(), carriers);
    for (std::int32_t k = 1; k <= fmOperatorCount; ++k) {
        OperatorSet expected;
        for (const auto& [target, modulators] : links)
            expected = target == k ? modulators : expected;
        EXPECT_EQ(graph.modulatorsOf(k), expected) << "modulators of operator " << k;
    }
    EXPECT_EQ(std::pair(graph.feedbackSource(), graph.feedbackDestination()), feedback);
}

// Algorithm 12 before its feedback loop is set.
FmAlgorithm algorithm12Links()
{
    FmAlgorithm graph;
    for (std::int32_t carrier : {1, 2, 5, 8})
        graph.addCarrier(carrier);
    for (auto [m, n] : {std::pair{5, 4}, {4, 3}, {8, 7}, {7, 6}})
        graph.addModulator(m, n);
    return graph;
}

TEST(FmAlgorithmTableTest, EveryAlgorithmIsAWellFormedGraph)
{
    const std::set<std::uint32_t> withoutFeedback{4, 5, 66};
    for (std::uint32_t number = 1; number <= fmAlgorithmCount; ++number) {
        SCOPED_TRACE(testing::Message() << "algorithm " << number);
        const FmAlgorithm& graph = algorithm(number);
        EXPECT_EQ(graph.reachable(), allOperators) << "every operator reaches the output";
        OperatorSet modulating;
        for (std::int32_t k = 1; k <= fmOperatorCount; ++k) {
            modulating.addAll(graph.modulatorsOf(k));
            EXPECT_FALSE(feeding(graph, k).contains(k)) << "operator " << k << " is in a modulation cycle";
        }
        EXPECT_EQ(modulating.without(graph.carriers()), modulating) << "a carrier modulates";
        EXPECT_EQ(modulating.count() + graph.carriers().count(), fmOperatorCount);

        const std::int32_t source = graph.feedbackSource();
        const std::int32_t destination = graph.feedbackDestination();
        EXPECT_EQ(source == 0 && destination == 0, withoutFeedback.contains(number));
        if (source != 0) {
            EXPECT_TRUE(source == destination || feeding(graph, source).contains(destination))
                << "the loop must run back into an operator that feeds its source";
        }
    }
}

TEST(FmAlgorithmTableTest, IndexesFromTheTableSizeOnGiveNoRecord)
{
    const FmAlgorithmTable& table = FmAlgorithmTable::instance();
    EXPECT_EQ(table.getAlgorithm(87), &algorithm(88));
    EXPECT_EQ(table.getAlgorithm(88), nullptr);
    EXPECT_EQ(table.getAlgorithm(UINT32_MAX), nullptr);
}

// Rows where a shared modulator or a loop across operators is easy to get
// wrong.
TEST(FmAlgorithmTableTest, RecordsMatchTheInstrumentLinkByLink)
{
    expectGraph(algorithm(1), allOperators, {}, {1, 1});
    expectGraph(algorithm(12), operators({1, 2, 5, 8}),
        {{4, operators({3})}, {5, operators({4})}, {7, operators({6})}, {8, operators({7})}}, {5, 3});
    const OperatorSet threeAndFour = operators({3, 4});
    expectGraph(algorithm(65), operators({1, 2, 5, 6, 7, 8}),
        {{5, threeAndFour}, {6, threeAndFour}, {7, threeAndFour}, {8, threeAndFour}}, {3, 3});
    const OperatorSet three = operators({3});
    expectGraph(algorithm(88), operators({4, 5, 6, 7, 8}),
        {{3, operators({1, 2})}, {4, three}, {5, three}, {6, three}, {7, three}, {8, three}}, {1, 1});
}

TEST(FmAlgorithmTest, SubgraphCarriesTheLoopOnlyWhenItsSourceIsInside)
{
    expectGraph(algorithm(12).subgraphAbove(5), operators({4}), {{4, operators({3})}}, {0, 0});
    expectGraph(algorithm(2).subgraphAbove(4), operators({3}), {{2, operators({1})}, {3, operators({2})}},
        {1, 1});
}

TEST(FmAlgorithmTest, ConnectedOperatorsCannotJoinAgainAsCarriersOrNewModulators)
{
    FmAlgorithm graph = algorithm12Links();
    const FmAlgorithm before = graph;
    EXPECT_FALSE(graph.addCarrier(3));
    EXPECT_FALSE(graph.addModulator(1, 3));
    EXPECT_TRUE(graph.addCarrier(0));
    EXPECT_EQ(graph, before);
}

TEST(FmAlgorithmTest, LinkClosingACycleBecomesTheOnlyFeedbackLoop)
{
    FmAlgorithm graph = algorithm12Links();
    EXPECT_TRUE(graph.connect(3, 5));
    EXPECT_EQ(std::pair(graph.feedbackSource(), graph.feedbackDestination()), std::pair(5, 3));
    EXPECT_TRUE(graph.modulatorsOf(3).isEmpty()) << "a loop is not a modulation link";
    EXPECT_FALSE(graph.connect(6, 8));
    EXPECT_FALSE(graph.connect(7, 7));
    EXPECT_TRUE(graph.connect(1, 6)) << "a link closing no cycle is still made";
    EXPECT_EQ(graph.modulatorsOf(1), operators({6}));

    FmAlgorithm selfLoop = algorithm12Links();
    EXPECT_TRUE(selfLoop.connect(7, 7));
    EXPECT_EQ(std::pair(selfLoop.feedbackSource(), selfLoop.feedbackDestination()), std::pair(7, 7));
}

TEST(FmAlgorithmTest, AddingAMemberTwiceKeepsTheCount)
{
    OperatorSet set = operators({2, 7, 7, 0});
    EXPECT_EQ(set.mask(), 0b0100'0010);
    EXPECT_EQ(set.count(), 2);
}

// addModulator does not look at where its target sits, so unconnected
// operators can link in a circle; queries over them must still end.
TEST(FmAlgorithmTest, CircleOfUnconnectedOperatorsDoesNotHangQueries)
{
    FmAlgorithm graph;
    graph.addModulator(1, 2);
    graph.addModulator(2, 1);
    graph.addCarrier(3);
    EXPECT_EQ(graph.reachable(), operators({3}));
    expectGraph(graph.subgraphAbove(1), operators({2}), {{2, operators({1})}}, {0, 0});
}

} // namespace
