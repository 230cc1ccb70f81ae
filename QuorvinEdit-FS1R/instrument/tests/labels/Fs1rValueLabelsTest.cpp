#include "instrument/Fs1rValueLabels.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>

namespace {

std::string label(std::int32_t id, std::int32_t value)
{
    return getValueLabels(id)->get(value).toUtf8();
}

// A numeric label as a number; "k" stands for thousands.
double numberOf(const std::string& text)
{
    char* end = nullptr;
    const double number = std::strtod(text.c_str(), &end);
    return *end == 'k' ? number * 1000 : number;
}

TEST(Fs1rValueLabelsTest, EveryTableHasItsCount)
{
    const std::uint32_t counts[] = {12, 23, 128, 32, 18, 18, 90, 6, 61, 41, 128, 128, 2, 6,
        16, 20, 8, 3, 6, 2, 128, 6, 4, 17, 70, 105, 29};
    for (std::int32_t id = 0; id < 27; ++id)
        EXPECT_EQ(getValueLabels(id)->count(), counts[id]) << "table " << id;
}

// Ends of every table and the labels that break a table's pattern, where a
// slipped or mistyped entry shows first.
TEST(Fs1rValueLabelsTest, LabelsMatchTheInstrument)
{
    struct Expected {
        std::int32_t id;
        std::int32_t value;
        const char* text;
    };
    const Expected expected[] = {
        {0, 0, "i"}, {0, 1, "A"}, {0, 11, "K"},
        {1, 0, "--"}, {1, 6, "String / Orchestral"}, {1, 12, "Synth Pad"}, {1, 22, "Sequence"},
        {2, 0, "C-2"}, {2, 1, "C#-2"}, {2, 12, "C-1"}, {2, 24, "C0"}, {2, 59, "B2"}, {2, 60, "C3"},
        {2, 127, "G8"},
        {3, 0, "0.5"}, {3, 1, "1"}, {3, 31, "31"},
        {4, 16, "16"}, {4, 17, "PFM"}, {5, 16, "16"}, {5, 17, "All"},
        {6, 0, "ShoobyDo"}, {6, 31, "1BrBeat2"}, {6, 58, "L&G MayI"}, {6, 66, "Hi=Woo"},
        {6, 71, "B/M"}, {6, 89, "PSYAMAHA"},
        {7, 0, "********"}, {7, 5, "********"},
        {8, 1, "22"}, {8, 33, "900"}, {8, 34, "1.0k"}, {8, 59, "18.0k"},
        {9, 0, "No effect"}, {9, 7, "Pitch Chng"}, {9, 34, "Delay L,R"}, {9, 40, "Revrs Gate"},
        {10, 0, "0.000"}, {10, 37, "1.694"}, {10, 39, "1.785"}, {10, 99, "10.25"},
        {10, 127, "43.21"},
        {11, 0, "0.0"}, {11, 100, "10.0"}, {11, 101, "11.1"}, {11, 127, "50.0"},
        {12, 0, "mono"}, {12, 1, "stereo"}, {13, 0, "L<>R"}, {13, 5, "L/R"},
        {14, 0, "10"}, {14, 15, "680"}, {15, 9, "10"}, {15, 10, "12"}, {15, 19, "40"},
        {16, 0, "1.0"}, {16, 7, "20.0"}, {17, 2, "L&R"},
        {18, 0, "Smallhall"}, {18, 1, "LargeHall"}, {18, 5, "Spring"}, {19, 1, "Type B"},
        {20, 0, "48.0k"}, {20, 3, "12.0k"}, {20, 4, "9.60k"}, {20, 6, "6.86k"}, {20, 46, "1.02k"},
        {20, 47, "1.00k"}, {20, 48, "980"}, {20, 126, "378"}, {20, 127, "375"},
        {21, 5, "low"}, {22, 0, "off"}, {22, 3, "tube"},
        {23, 0, "No effect"}, {23, 9, "White room"}, {23, 16, "CrossDelay"},
        {24, 0, "0.3"}, {24, 47, "5.0"}, {24, 48, "5.5"}, {24, 57, "10.0"}, {24, 58, "11.0"},
        {24, 67, "20.0"}, {24, 68, "25.0"}, {24, 69, "30.0"},
        {25, 0, "0.5"}, {25, 72, "20.0"}, {25, 104, "30.2"},
        {26, 0, "No effect"}, {26, 11, "Auto Wah"}, {26, 24, "Karaoke"}, {26, 28, "Plate"},
    };
    for (const Expected& e : expected)
        EXPECT_EQ(label(e.id, e.value), e.text) << "table " << e.id << " value " << e.value;
}

// A dropped, doubled or mistyped entry anywhere in a numeric table breaks
// its order, even where no single label is checked.
TEST(Fs1rValueLabelsTest, NumericTablesRunInOneDirection)
{
    struct Run {
        std::int32_t id;
        std::int32_t first;
        std::int32_t last;
        bool rising;
    };
    const Run runs[] = {{3, 0, 31, true}, {8, 1, 59, true}, {10, 0, 127, true},
        {11, 0, 127, true}, {14, 0, 15, true}, {15, 0, 19, true}, {16, 0, 7, true},
        {20, 0, 127, false}, {24, 0, 69, true}, {25, 0, 104, true}};
    for (const Run& run : runs) {
        for (std::int32_t v = run.first; v < run.last; ++v) {
            const double step = numberOf(label(run.id, v + 1)) - numberOf(label(run.id, v));
            EXPECT_GT(run.rising ? step : -step, 0) << "table " << run.id << " value " << v;
        }
    }
}

TEST(Fs1rValueLabelsTest, UnknownIdsShareOneEmptyList)
{
    const ValueLabels* empty = getValueLabels(27);
    for (std::int32_t id : {-1, 28, INT_MIN, INT_MAX})
        EXPECT_EQ(getValueLabels(id), empty);
    EXPECT_EQ(empty->count(), 0u);
    EXPECT_EQ(&empty->get(0), &LabelList::emptyLabel());
}

TEST(Fs1rValueLabelsTest, IndicesOutsideATableGiveTheSharedEmptyLabel)
{
    for (std::int32_t id = 0; id < 27; ++id) {
        const ValueLabels* list = getValueLabels(id);
        for (std::int32_t index : {std::int32_t(list->count()), -1, INT_MIN, INT_MAX})
            EXPECT_EQ(&list->get(index), &LabelList::emptyLabel()) << "table " << id;
    }
}

TEST(Fs1rValueLabelsTest, RepeatedCallsReturnTheSameLabels)
{
    for (std::int32_t id = 0; id < 27; ++id) {
        const ValueLabels* first = getValueLabels(id);
        EXPECT_EQ(getValueLabels(id), first);
        EXPECT_EQ(&getValueLabels(id)->get(0), &first->get(0));
    }
}

} // namespace
