#include "instrument/Fs1rDestinationLabels.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace {

std::string destination(std::int32_t value)
{
    return getDestinationLabels()->get(value).toUtf8();
}

void expectInsertionEntriesUnnamedFrom(std::int32_t first)
{
    for (std::int32_t value = first; value <= 14; ++value)
        EXPECT_EQ(destination(value), "---") << value;
}

// Runs first: nothing may name the insertion entries before a type is applied.
TEST(Fs1rDestinationLabelsTest, ListsAllDestinationsWithInsertionEntriesUnnamed)
{
    EXPECT_EQ(getDestinationLabels(), getDestinationLabels());
    EXPECT_EQ(getDestinationLabels()->count(), 48u);
    EXPECT_EQ(destination(0), "OFF");
    expectInsertionEntriesUnnamedFrom(1);
    EXPECT_EQ(destination(15), "Insertion > Reverb");
    EXPECT_EQ(destination(38), "Unvoic BandWidth");
    EXPECT_EQ(destination(47), "Formant scratch");
}

// The texts the French catalogue of the program translates.
std::set<std::string> frenchMessageIds()
{
    const char* source = std::getenv("QUORVIN_SOURCE_DIR");
    std::ifstream catalogue(std::string(source ? source : ".") + "/QuorvinEdit-FS1R/i18n/fr.po");
    std::set<std::string> ids;
    const std::string key = "msgid \"";
    for (std::string line; std::getline(catalogue, line);) {
        if (line.starts_with(key) && line.ends_with("\""))
            ids.insert(line.substr(key.size(), line.size() - key.size() - 1));
    }
    return ids;
}

TEST(Fs1rDestinationLabelsTest, EveryFixedNameAndTheInsertionTextsAreInTheCatalogue)
{
    const std::set<std::string> ids = frenchMessageIds();
    ASSERT_FALSE(ids.empty()) << "the catalogue was not found";
    for (std::int32_t value = 0; value < std::int32_t(fs1rDestinationCount); ++value) {
        const bool insertion
            = value >= firstInsertionDestination && value < firstInsertionDestination + insertionDestinationCount;
        if (!insertion) {
            EXPECT_TRUE(ids.contains(destination(value))) << destination(value);
        }
    }
    EXPECT_TRUE(ids.contains("---"));
    EXPECT_TRUE(ids.contains("I: "));
}

TEST(Fs1rDestinationLabelsTest, IndexesOutsideTheListReadEmptyAndWriteNothing)
{
    FixedLabelList* list = getDestinationLabels();
    const RefString label = RefString::fromUtf8("stray");
    for (std::int32_t index : {48, -1, INT_MIN}) {
        EXPECT_EQ(&list->get(index), &LabelList::emptyLabel());
        list->set(index, label);
        EXPECT_EQ(label.shareCount(), 1u) << "a refused label must not stay referenced";
    }
    FixedLabelList withoutArray;
    withoutArray.set(0, label);
    EXPECT_EQ(&withoutArray.get(0), &LabelList::emptyLabel());
    EXPECT_FALSE(withoutArray.setCount(1));
}

TEST(Fs1rDestinationLabelsTest, ShrinkingTheCountHidesLabelsWithoutLosingThem)
{
    FixedLabelList* list = getDestinationLabels();
    EXPECT_FALSE(list->setCount(49));
    EXPECT_TRUE(list->setCount(10));
    EXPECT_EQ(&list->get(10), &LabelList::emptyLabel());
    list->set(47, RefString::fromUtf8("beyond the count"));
    EXPECT_TRUE(list->setCount(48));
    EXPECT_EQ(destination(47), "Formant scratch");
}

} // namespace
