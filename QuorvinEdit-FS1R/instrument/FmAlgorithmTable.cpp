#include "instrument/FmAlgorithmTable.h"

#include <cassert>

namespace {

// One algorithm. Operator lists are written as the decimal digits of a
// number: 4578 stands for operators 4, 5, 7 and 8.
struct AlgorithmRow {
    std::uint32_t carriers;
    // Entry k - 1: the operators that modulate operator k.
    std::array<std::uint32_t, fmOperatorCount> modulators;
    // Source feeds back into destination; 0, 0 for none.
    std::int32_t feedbackSource;
    std::int32_t feedbackDestination;
};

// Indexed by algorithm number - 1, as the comment on each row shows.
constexpr AlgorithmRow algorithmRows[fmAlgorithmCount] = {
    /*  1 */ {12345678, {0, 0, 0, 0, 0, 0, 0, 0}, 1, 1},
    /*  2 */ {45678, {0, 1, 2, 3, 0, 0, 0, 0}, 1, 1},
    /*  3 */ {45678, {0, 0, 12, 3, 0, 0, 0, 0}, 1, 1},
    /*  4 */ {45678, {0, 0, 2, 13, 0, 0, 0, 0}, 0, 0},
    /*  5 */ {45678, {0, 1, 0, 23, 0, 0, 0, 0}, 0, 0},
    /*  6 */ {245678, {0, 1, 0, 3, 0, 0, 0, 0}, 1, 1},
    /*  7 */ {2345678, {0, 1, 1, 1, 0, 0, 0, 0}, 1, 1},
    /*  8 */ {2345678, {0, 1, 0, 0, 0, 0, 0, 0}, 1, 1},
    /*  9 */ {1268, {0, 0, 0, 3, 4, 5, 0, 7}, 3, 3},
    /* 10 */ {1268, {0, 0, 0, 3, 4, 5, 0, 7}, 7, 7},
    /* 11 */ {1258, {0, 0, 0, 3, 4, 0, 6, 7}, 3, 3},
    /* 12 */ {1258, {0, 0, 0, 3, 4, 0, 6, 7}, 5, 3},
    /* 13 */ {12468, {0, 0, 0, 3, 0, 5, 0, 7}, 3, 3},
    /* 14 */ {12468, {0, 0, 0, 3, 0, 5, 0, 7}, 4, 3},
    /* 15 */ {1268, {0, 0, 0, 3, 0, 45, 0, 7}, 3, 3},
    /* 16 */ {1268, {0, 0, 0, 3, 0, 45, 0, 7}, 5, 5},
    /* 17 */ {1268, {0, 0, 0, 3, 0, 45, 0, 7}, 7, 7},
    /* 18 */ {1258, {0, 0, 0, 3, 4, 0, 0, 67}, 3, 3},
    /* 19 */ {1258, {0, 0, 0, 3, 4, 0, 0, 67}, 7, 7},
    /* 20 */ {1248, {0, 0, 0, 3, 0, 0, 0, 567}, 3, 3},
    /* 21 */ {1248, {0, 0, 0, 3, 0, 0, 0, 567}, 5, 5},
    /* 22 */ {1268, {0, 0, 0, 0, 34, 5, 0, 7}, 3, 3},
    /* 23 */ {1268, {0, 0, 0, 0, 34, 5, 0, 7}, 7, 7},
    /* 24 */ {128, {0, 0, 0, 3, 0, 5, 0, 467}, 3, 3},
    /* 25 */ {128, {0, 0, 0, 3, 0, 5, 0, 467}, 7, 7},
    /* 26 */ {128, {0, 0, 0, 3, 4, 0, 0, 567}, 6, 6},
    /* 27 */ {12458, {0, 0, 0, 3, 3, 0, 6, 7}, 3, 3},
    /* 28 */ {12578, {0, 0, 0, 0, 34, 0, 6, 6}, 6, 6},
    /* 29 */ {124578, {0, 0, 0, 3, 3, 0, 6, 6}, 6, 6},
    /* 30 */ {124568, {0, 0, 0, 3, 3, 3, 0, 7}, 3, 3},
    /* 31 */ {235678, {0, 1, 1, 0, 4, 0, 0, 0}, 1, 1},
    /* 32 */ {2345678, {0, 1, 1, 0, 0, 0, 0, 0}, 1, 1},
    /* 33 */ {35678, {0, 0, 12, 0, 4, 0, 0, 0}, 1, 1},
    /* 34 */ {35678, {0, 0, 12, 0, 4, 0, 0, 0}, 4, 4},
    /* 35 */ {35678, {0, 1, 2, 0, 4, 0, 0, 0}, 1, 1},
    /* 36 */ {345678, {0, 1, 2, 0, 0, 0, 0, 0}, 1, 1},
    /* 37 */ {128, {0, 0, 0, 3, 4, 5, 6, 7}, 3, 3},
    /* 38 */ {128, {0, 0, 0, 0, 34, 5, 6, 7}, 3, 3},
    /* 39 */ {128, {0, 0, 0, 0, 4, 35, 6, 7}, 3, 3},
    /* 40 */ {128, {0, 0, 0, 0, 4, 5, 36, 7}, 3, 3},
    /* 41 */ {128, {0, 0, 0, 0, 4, 5, 6, 37}, 3, 3},
    /* 42 */ {128, {0, 0, 0, 0, 0, 345, 6, 7}, 3, 3},
    /* 43 */ {128, {0, 0, 0, 3, 0, 5, 46, 7}, 3, 3},
    /* 44 */ {128, {0, 0, 0, 0, 0, 5, 346, 7}, 3, 3},
    /* 45 */ {128, {0, 0, 0, 0, 34, 0, 56, 7}, 6, 6},
    /* 46 */ {128, {0, 0, 0, 3, 0, 5, 6, 47}, 3, 3},
    /* 47 */ {128, {0, 0, 0, 0, 34, 5, 0, 67}, 7, 7},
    /* 48 */ {128, {0, 0, 0, 0, 4, 35, 0, 67}, 7, 7},
    /* 49 */ {128, {0, 0, 0, 0, 0, 0, 3456, 7}, 3, 3},
    /* 50 */ {128, {0, 0, 0, 0, 0, 345, 0, 67}, 7, 7},
    /* 51 */ {128, {0, 0, 0, 0, 34, 0, 6, 57}, 6, 6},
    /* 52 */ {128, {0, 0, 0, 0, 0, 0, 6, 3457}, 3, 3},
    /* 53 */ {128, {0, 0, 0, 0, 34, 0, 0, 567}, 7, 7},
    /* 54 */ {128, {0, 0, 0, 0, 0, 0, 0, 34567}, 3, 3},
    /* 55 */ {1238, {0, 0, 0, 0, 4, 5, 6, 7}, 1, 1},
    /* 56 */ {1238, {0, 0, 0, 0, 0, 45, 6, 7}, 4, 4},
    /* 57 */ {1238, {0, 0, 0, 0, 0, 5, 46, 7}, 4, 4},
    /* 58 */ {1238, {0, 0, 0, 0, 0, 5, 6, 47}, 4, 4},
    /* 59 */ {1238, {0, 0, 0, 0, 0, 0, 456, 7}, 4, 4},
    /* 60 */ {1238, {0, 0, 0, 0, 4, 0, 6, 57}, 4, 4},
    /* 61 */ {1238, {0, 0, 0, 0, 0, 0, 6, 457}, 4, 4},
    /* 62 */ {1238, {0, 0, 0, 0, 0, 45, 0, 67}, 7, 7},
    /* 63 */ {1238, {0, 0, 0, 0, 0, 0, 0, 4567}, 4, 4},
    /* 64 */ {1258, {0, 0, 0, 0, 34, 0, 0, 67}, 3, 3},
    /* 65 */ {125678, {0, 0, 0, 0, 34, 34, 34, 34}, 3, 3},
    /* 66 */ {8, {0, 1, 2, 3, 4, 5, 6, 7}, 0, 0},
    /* 67 */ {2468, {0, 1, 0, 3, 0, 5, 0, 7}, 1, 1},
    /* 68 */ {8, {0, 0, 0, 0, 0, 0, 0, 1234567}, 1, 1},
    /* 69 */ {48, {0, 1, 2, 3, 0, 5, 6, 7}, 1, 1},
    /* 70 */ {48, {0, 0, 12, 3, 0, 0, 56, 7}, 1, 1},
    /* 71 */ {48, {0, 0, 2, 13, 0, 0, 6, 57}, 1, 1},
    /* 72 */ {48, {0, 1, 0, 23, 0, 5, 0, 67}, 1, 1},
    /* 73 */ {135678, {0, 0, 2, 0, 4, 4, 4, 4}, 2, 2},
    /* 74 */ {248, {0, 1, 0, 3, 0, 5, 0, 67}, 1, 1},
    /* 75 */ {238, {0, 1, 1, 0, 4, 0, 6, 57}, 1, 1},
    /* 76 */ {35678, {0, 1, 2, 0, 4, 4, 4, 4}, 1, 1},
    /* 77 */ {48, {0, 0, 0, 123, 0, 0, 0, 567}, 1, 1},
    /* 78 */ {3578, {0, 0, 12, 0, 4, 0, 6, 0}, 1, 1},
    /* 79 */ {48, {0, 0, 12, 3, 0, 5, 6, 7}, 1, 1},
    /* 80 */ {345678, {0, 0, 12, 12, 12, 12, 12, 12}, 1, 1},
    /* 81 */ {258, {0, 1, 0, 3, 4, 0, 6, 7}, 1, 1},
    /* 82 */ {3478, {0, 1, 2, 2, 0, 5, 6, 6}, 1, 1},
    /* 83 */ {258, {0, 1, 0, 0, 34, 0, 0, 67}, 1, 1},
    /* 84 */ {234578, {0, 1, 1, 1, 1, 0, 6, 6}, 6, 6},
    /* 85 */ {28, {0, 1, 0, 0, 4, 0, 6, 357}, 1, 1},
    /* 86 */ {45678, {0, 1, 2, 3, 3, 3, 3, 3}, 1, 1},
    /* 87 */ {345678, {0, 1, 2, 2, 2, 2, 2, 2}, 1, 1},
    /* 88 */ {45678, {0, 0, 12, 3, 3, 3, 3, 3}, 1, 1},
};

template <typename Visit>
void forEachDigit(std::uint32_t digits, Visit visit)
{
    constexpr std::uint32_t radix = 10;
    for (; digits != 0; digits /= radix)
        visit(std::int32_t(digits % radix));
}

// Builds through the graph operations, as any other algorithm would be: the
// links are made from the output inwards, so each target is connected by the
// time its modulators join, and an operator that already feeds another is
// joined again with connect.
FmAlgorithm buildAlgorithm(const AlgorithmRow& row)
{
    FmAlgorithm algorithm;
    forEachDigit(row.carriers, [&](std::int32_t n) { algorithm.addCarrier(n); });
    OperatorSet linked;
    for (OperatorSet pending = algorithm.reachable(); !pending.isEmpty();) {
        pending.forEach([&](std::int32_t k) {
            linked.add(k);
            forEachDigit(row.modulators[k - 1], [&](std::int32_t n) {
                if (!algorithm.addModulator(k, n))
                    algorithm.connect(k, n);
            });
        });
        pending = algorithm.reachable().without(linked);
    }
    // The loop runs from the destination's output through the source back
    // into the destination, so linking the source into it closes the loop.
    if (row.feedbackSource != 0) {
        [[maybe_unused]] const bool looped = algorithm.connect(row.feedbackDestination, row.feedbackSource);
        assert(looped && algorithm.feedbackSource() == row.feedbackSource);
    }
    return algorithm;
}

} // namespace

FmAlgorithmTable::FmAlgorithmTable()
{
    for (std::uint32_t i = 0; i < fmAlgorithmCount; ++i)
        algorithms_[i] = buildAlgorithm(algorithmRows[i]);
}

const FmAlgorithmTable& FmAlgorithmTable::instance()
{
    static const FmAlgorithmTable table;
    return table;
}

const FmAlgorithm* FmAlgorithmTable::getAlgorithm(std::uint32_t index) const
{
    return index < fmAlgorithmCount ? &algorithms_[index] : nullptr;
}
