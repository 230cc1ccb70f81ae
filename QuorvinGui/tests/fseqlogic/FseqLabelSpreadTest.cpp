// The track labels of the formant-sequence graph stand apart and inside the
// graph, as near their curves as they can.
#include "fseq/FseqLabelSpread.h"

#include <gtest/gtest.h>

namespace {

struct SpreadCase {
    const char* name;
    int labelHeight;
    int areaHeight;
    std::vector<int> wanted;
    std::vector<int> tops;
};

const SpreadCase spreadCases[] = {
    {"apart labels stay", 10, 100, {0, 40, 80}, {0, 40, 80}},
    {"no labels", 10, 100, {}, {}},
    {"equal starts stack downward", 10, 100, {20, 20, 20}, {20, 30, 40}},
    {"order of the input is kept", 10, 100, {50, 0, 45}, {55, 0, 45}},
    {"a run at the bottom is pushed up", 10, 100, {90, 90, 90}, {70, 80, 90}},
    {"above and below the graph are clamped", 10, 100, {-30, 200}, {0, 90}},
    {"too many fill the graph from the top", 10, 25, {0, 0, 0, 0}, {0, 10, 20, 30}},
    {"a zero-height graph keeps them apart", 10, 0, {5, 5}, {0, 10}},
};

} // namespace

TEST(FseqLabelSpreadTest, LabelsStandApartInsideTheGraph)
{
    for (const SpreadCase& c : spreadCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FseqLabelSpread(c.labelHeight, c.areaHeight).tops(c.wanted), c.tops);
    }
}

namespace {

struct PlaceCase {
    const char* name;
    int labelHeight;
    int areaHeight;
    std::vector<int> wanted;
    std::vector<FseqLabelSpread::Place> places;
};

// More labels than one column holds go into further columns, dealt out in
// turn down the graph: none is pushed off the bottom edge or hidden under
// another.
const PlaceCase placeCases[] = {
    {"labels that fit keep one column", 10, 100, {0, 40, 80}, {{0, 0}, {0, 40}, {0, 80}}},
    {"five in a graph of two rows take three columns", 10, 25, {0, 0, 0, 0, 0},
        {{0, 0}, {1, 0}, {2, 0}, {0, 10}, {1, 10}}},
    {"turns follow the order down the graph", 10, 25, {15, 0, 5}, {{0, 15}, {0, 0}, {1, 5}}},
    {"a graph lower than one label keeps one per column", 10, 5, {0, 0}, {{0, 0}, {1, 0}}},
};

} // namespace

TEST(FseqLabelSpreadTest, LabelsThatDoNotFitOneColumnGoIntoMoreInsideTheGraph)
{
    for (const PlaceCase& c : placeCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FseqLabelSpread(c.labelHeight, c.areaHeight).places(c.wanted), c.places);
    }
}
