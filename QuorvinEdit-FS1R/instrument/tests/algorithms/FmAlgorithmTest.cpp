#include "instrument/FmAlgorithmTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
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

// The instrument's 88 algorithms, row k for algorithm k + 1: the carriers;
// each operator with its modulators ("4<1,3" means 1 and 3 modulate 4);
// the feedback loop as source>destination, empty for none.
struct AlgorithmRow {
    const char* carriers;
    const char* links;
    const char* feedback;
};

const AlgorithmRow instrumentAlgorithms[] = {
    {"1,2,3,4,5,6,7,8", "", "1>1"},
    {"4,5,6,7,8", "2<1;3<2;4<3", "1>1"},
    {"4,5,6,7,8", "3<1,2;4<3", "1>1"},
    {"4,5,6,7,8", "3<2;4<1,3", ""},
    {"4,5,6,7,8", "2<1;4<2,3", ""},
    {"2,4,5,6,7,8", "2<1;4<3", "1>1"},
    {"2,3,4,5,6,7,8", "2<1;3<1;4<1", "1>1"},
    {"2,3,4,5,6,7,8", "2<1", "1>1"},
    {"1,2,6,8", "4<3;5<4;6<5;8<7", "3>3"},
    {"1,2,6,8", "4<3;5<4;6<5;8<7", "7>7"},
    {"1,2,5,8", "4<3;5<4;7<6;8<7", "3>3"},
    {"1,2,5,8", "4<3;5<4;7<6;8<7", "5>3"},
    {"1,2,4,6,8", "4<3;6<5;8<7", "3>3"},
    {"1,2,4,6,8", "4<3;6<5;8<7", "4>3"},
    {"1,2,6,8", "4<3;6<4,5;8<7", "3>3"},
    {"1,2,6,8", "4<3;6<4,5;8<7", "5>5"},
    {"1,2,6,8", "4<3;6<4,5;8<7", "7>7"},
    {"1,2,5,8", "4<3;5<4;8<6,7", "3>3"},
    {"1,2,5,8", "4<3;5<4;8<6,7", "7>7"},
    {"1,2,4,8", "4<3;8<5,6,7", "3>3"},
    {"1,2,4,8", "4<3;8<5,6,7", "5>5"},
    {"1,2,6,8", "5<3,4;6<5;8<7", "3>3"},
    {"1,2,6,8", "5<3,4;6<5;8<7", "7>7"},
    {"1,2,8", "4<3;6<5;8<4,6,7", "3>3"},
    {"1,2,8", "4<3;6<5;8<4,6,7", "7>7"},
    {"1,2,8", "4<3;5<4;8<5,6,7", "6>6"},
    {"1,2,4,5,8", "4<3;5<3;7<6;8<7", "3>3"},
    {"1,2,5,7,8", "5<3,4;7<6;8<6", "6>6"},
    {"1,2,4,5,7,8", "4<3;5<3;7<6;8<6", "6>6"},
    {"1,2,4,5,6,8", "4<3;5<3;6<3;8<7", "3>3"},
    {"2,3,5,6,7,8", "2<1;3<1;5<4", "1>1"},
    {"2,3,4,5,6,7,8", "2<1;3<1", "1>1"},
    {"3,5,6,7,8", "3<1,2;5<4", "1>1"},
    {"3,5,6,7,8", "3<1,2;5<4", "4>4"},
    {"3,5,6,7,8", "2<1;3<2;5<4", "1>1"},
    {"3,4,5,6,7,8", "2<1;3<2", "1>1"},
    {"1,2,8", "4<3;5<4;6<5;7<6;8<7", "3>3"},
    {"1,2,8", "5<3,4;6<5;7<6;8<7", "3>3"},
    {"1,2,8", "5<4;6<3,5;7<6;8<7", "3>3"},
    {"1,2,8", "5<4;6<5;7<3,6;8<7", "3>3"},
    {"1,2,8", "5<4;6<5;7<6;8<3,7", "3>3"},
    {"1,2,8", "6<3,4,5;7<6;8<7", "3>3"},
    {"1,2,8", "4<3;6<5;7<4,6;8<7", "3>3"},
    {"1,2,8", "6<5;7<3,4,6;8<7", "3>3"},
    {"1,2,8", "5<3,4;7<5,6;8<7", "6>6"},
    {"1,2,8", "4<3;6<5;7<6;8<4,7", "3>3"},
    {"1,2,8", "5<3,4;6<5;8<6,7", "7>7"},
    {"1,2,8", "5<4;6<3,5;8<6,7", "7>7"},
    {"1,2,8", "7<3,4,5,6;8<7", "3>3"},
    {"1,2,8", "6<3,4,5;8<6,7", "7>7"},
    {"1,2,8", "5<3,4;7<6;8<5,7", "6>6"},
    {"1,2,8", "7<6;8<3,4,5,7", "3>3"},
    {"1,2,8", "5<3,4;8<5,6,7", "7>7"},
    {"1,2,8", "8<3,4,5,6,7", "3>3"},
    {"1,2,3,8", "5<4;6<5;7<6;8<7", "1>1"},
    {"1,2,3,8", "6<4,5;7<6;8<7", "4>4"},
    {"1,2,3,8", "6<5;7<4,6;8<7", "4>4"},
    {"1,2,3,8", "6<5;7<6;8<4,7", "4>4"},
    {"1,2,3,8", "7<4,5,6;8<7", "4>4"},
    {"1,2,3,8", "5<4;7<6;8<5,7", "4>4"},
    {"1,2,3,8", "7<6;8<4,5,7", "4>4"},
    {"1,2,3,8", "6<4,5;8<6,7", "7>7"},
    {"1,2,3,8", "8<4,5,6,7", "4>4"},
    {"1,2,5,8", "5<3,4;8<6,7", "3>3"},
    {"1,2,5,6,7,8", "5<3,4;6<3,4;7<3,4;8<3,4", "3>3"},
    {"8", "2<1;3<2;4<3;5<4;6<5;7<6;8<7", ""},
    {"2,4,6,8", "2<1;4<3;6<5;8<7", "1>1"},
    {"8", "8<1,2,3,4,5,6,7", "1>1"},
    {"4,8", "2<1;3<2;4<3;6<5;7<6;8<7", "1>1"},
    {"4,8", "3<1,2;4<3;7<5,6;8<7", "1>1"},
    {"4,8", "3<2;4<1,3;7<6;8<5,7", "1>1"},
    {"4,8", "2<1;4<2,3;6<5;8<6,7", "1>1"},
    {"1,3,5,6,7,8", "3<2;5<4;6<4;7<4;8<4", "2>2"},
    {"2,4,8", "2<1;4<3;6<5;8<6,7", "1>1"},
    {"2,3,8", "2<1;3<1;5<4;7<6;8<5,7", "1>1"},
    {"3,5,6,7,8", "2<1;3<2;5<4;6<4;7<4;8<4", "1>1"},
    {"4,8", "4<1,2,3;8<5,6,7", "1>1"},
    {"3,5,7,8", "3<1,2;5<4;7<6", "1>1"},
    {"4,8", "3<1,2;4<3;6<5;7<6;8<7", "1>1"},
    {"3,4,5,6,7,8", "3<1,2;4<1,2;5<1,2;6<1,2;7<1,2;8<1,2", "1>1"},
    {"2,5,8", "2<1;4<3;5<4;7<6;8<7", "1>1"},
    {"3,4,7,8", "2<1;3<2;4<2;6<5;7<6;8<6", "1>1"},
    {"2,5,8", "2<1;5<3,4;8<6,7", "1>1"},
    {"2,3,4,5,7,8", "2<1;3<1;4<1;5<1;7<6;8<6", "6>6"},
    {"2,8", "2<1;5<4;7<6;8<3,5,7", "1>1"},
    {"4,5,6,7,8", "2<1;3<2;4<3;5<3;6<3;7<3;8<3", "1>1"},
    {"3,4,5,6,7,8", "2<1;3<2;4<2;5<2;6<2;7<2;8<2", "1>1"},
    {"4,5,6,7,8", "3<1,2;4<3;5<3;6<3;7<3;8<3", "1>1"},
};

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);)
        parts.push_back(part);
    return parts;
}

OperatorSet operatorList(const std::string& text)
{
    OperatorSet set;
    for (const std::string& number : split(text, ','))
        set.add(std::stoi(number));
    return set;
}

TEST(FmAlgorithmTableTest, EveryRecordMatchesTheInstrumentLinkByLink)
{
    static_assert(std::size(instrumentAlgorithms) == fmAlgorithmCount);
    for (std::uint32_t number = 1; number <= fmAlgorithmCount; ++number) {
        SCOPED_TRACE(testing::Message() << "algorithm " << number);
        const AlgorithmRow& row = instrumentAlgorithms[number - 1];
        std::vector<std::pair<std::int32_t, OperatorSet>> links;
        for (const std::string& link : split(row.links, ';')) {
            const std::vector<std::string> ends = split(link, '<');
            links.emplace_back(std::stoi(ends.at(0)), operatorList(ends.at(1)));
        }
        std::pair<std::int32_t, std::int32_t> feedback{0, 0};
        if (const std::vector<std::string> loop = split(row.feedback, '>'); loop.size() == 2)
            feedback = {std::stoi(loop[0]), std::stoi(loop[1])};
        expectGraph(algorithm(number), operatorList(row.carriers), links, feedback);
    }
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
