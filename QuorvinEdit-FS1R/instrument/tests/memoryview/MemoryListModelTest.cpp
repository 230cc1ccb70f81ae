// The category filter of a part's voice choice, and which slots the
// internal-memory view offers of each kind of patch.
#include "instrument/ChoiceItemFilter.h"
#include "instrument/Fs1rInternalMemory.h"
#include "instrument/MemoryListModel.h"
#include "params/SetValueFlags.h"
#include "patches/PatchCollection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class InMemoryLibrary : public PatchCollection {
public:
    InMemoryLibrary(std::uint32_t bankCount, std::uint32_t bankSize)
    {
        reset(u"YAMAHA_FS1R", u"/voices.xml", u"voices", u"voice", bankCount, bankSize);
    }
};

// Keeps every filter it was given as "text@position", "none" for no text.
class RecordingChoice : public ChoiceItemFilter {
public:
    void setItemFilter(const RefString& text, std::size_t position) override
    {
        filters.push_back(text.isNull() ? "none" : text.toUtf8() + "@" + std::to_string(position));
    }

    std::vector<std::string> filters;
};

TEST(MemoryListModel, EachCategoryFiltersTheChoiceByItsTagAfterTheLocationAndZeroShowsAll)
{
    InMemoryLibrary library(12, 128);
    RecordingChoice choice;
    MemoryListModel model(library, choice);
    const std::string at = "@" + std::to_string(library.locationPrefixLength());

    Parameter& category = model.categoryParameter();
    category.setValue(flagsUserEdit, 1);
    category.setValue(flagsUserEdit, 22);
    category.setValue(flagsUserEdit, 0);
    // Out of the table: clamped to the last tag, never read past it.
    category.setValue(flagsUserEdit, 40);
    const std::vector<std::string> expected = {"[Pf]" + at, "[Sq]" + at, "none", "[Sq]" + at};
    EXPECT_EQ(choice.filters, expected);
}

TEST(Fs1rInternalMemory, EachPartShowsItsKindsMemory)
{
    EXPECT_EQ(Fs1rInternalMemory::libraryOf(Fs1rParts::performance), Fs1rLibraries::performances);
    EXPECT_EQ(Fs1rInternalMemory::libraryOf(Fs1rParts::ofVoice(3)), Fs1rLibraries::voices);
    EXPECT_EQ(Fs1rInternalMemory::libraryOf(Fs1rParts::formantSequence), Fs1rLibraries::formantSequences);
    EXPECT_FALSE(Fs1rInternalMemory::libraryOf(Fs1rParts::shownPage));
    EXPECT_FALSE(Fs1rInternalMemory::libraryOf(6));
}

TEST(Fs1rInternalMemory, VoicesFollowTheInstrumentsLimitAndFormantSequencesShowSix)
{
    const InMemoryLibrary voices(12, 128), sequences(2, 90), tinyBank(1, 4);
    EXPECT_EQ(Fs1rInternalMemory::entryLimit(Fs1rParts::firstVoice, voices, 64u), 64u);
    EXPECT_EQ(Fs1rInternalMemory::entryLimit(Fs1rParts::firstVoice, voices, std::nullopt), 0u);
    EXPECT_EQ(Fs1rInternalMemory::entryLimit(Fs1rParts::formantSequence, sequences, std::nullopt), 6u);
    // A bank smaller than six is shown whole.
    EXPECT_EQ(Fs1rInternalMemory::entryLimit(Fs1rParts::formantSequence, tinyBank, std::nullopt), 0u);
    // The voice limit is the voices' own: performances stay whole.
    EXPECT_EQ(Fs1rInternalMemory::entryLimit(Fs1rParts::performance, voices, 64u), 0u);
}

} // namespace
