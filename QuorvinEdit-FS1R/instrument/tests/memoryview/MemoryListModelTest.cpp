// The category filter of a part's voice choice, and the slots the
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
    explicit InMemoryLibrary(std::uint32_t bankSize) { reset(u"YAMAHA_FS1R", u"/v.xml", u"v", u"voice", 12, bankSize); }
};

class RecordingChoice : public ChoiceItemFilter {
public:
    void setItemFilter(const RefString& text, std::size_t position) override
    {
        filters.push_back(text.isNull() ? "all" : text.toUtf8() + "@" + std::to_string(position));
    }
    std::vector<std::string> filters;
};

TEST(MemoryListModel, EachCategoryFiltersByItsTagAfterTheLocationZeroShowsAllAndNoneReadsPastTheTags)
{
    InMemoryLibrary library(128);
    RecordingChoice choice;
    MemoryListModel model(library, choice);
    for (std::int32_t category : {1, 0, 40})
        model.categoryParameter().setValue(flagsUserEdit, category);
    const std::string at = "@" + std::to_string(library.locationPrefixLength());
    EXPECT_EQ(choice.filters, (std::vector<std::string>{"[Pf]" + at, "all", "[Sq]" + at}));
}

TEST(Fs1rInternalMemory, VoicesFollowTheInstrumentsLimitAndFormantSequencesShowSixOfABankThatHoldsThem)
{
    const InMemoryLibrary bank(128), smallBank(4);
    EXPECT_EQ(Fs1rInternalMemory::entryLimit(Fs1rParts::firstVoice, bank, 64u), 64u);
    EXPECT_EQ(Fs1rInternalMemory::entryLimit(Fs1rParts::performance, bank, 64u), 0u);
    EXPECT_EQ(Fs1rInternalMemory::entryLimit(Fs1rParts::formantSequence, bank, std::nullopt), 6u);
    EXPECT_EQ(Fs1rInternalMemory::entryLimit(Fs1rParts::formantSequence, smallBank, std::nullopt), 0u);
}

} // namespace
