// Labels of the slots: location, category and name run together, with the
// location always as wide as the prefix length says, so the category of a
// patch can be found at the same place in every label.
#include "PatchTestSupport.h"

#include "labels/ValueLabels.h"

#include <gtest/gtest.h>

namespace {

using namespace patchtest;

const RefString bankLetters[] = {u"i", u"A", u"B", u"C", u"D", u"E", u"F", u"G", u"H", u"I", u"J", u"K"};
const ValueLabels bankLetterLabels(bankLetters, voiceBanks);

class PatchLabelTest : public CacheFolderTest {
protected:
    void openVoices(PatchLibrary& library) const
    {
        library.setBankLabels(&bankLetterLabels);
        library.open(deviceId, u"voice", indexPath("voices.xml"), voiceBanks, programsPerBank);
    }
};

TEST_F(PatchLabelTest, TheLabelRunsBankProgramCategoryAndName)
{
    PatchLibrary voices;
    openVoices(voices);
    voices.updatePatch(1, 4, u"Grand", u"[Pf]", "dump");
    EXPECT_EQ(utf8(voices.get(programsPerBank + 4)), "A005[Pf]Grand");
    EXPECT_EQ(voices.locationPrefixLength(), 4u);
}

TEST_F(PatchLabelTest, TheCategoryStartsAtThePrefixLengthWhateverTheGrid)
{
    const struct {
        std::uint32_t banks;
        std::uint32_t programs;
        const char* firstLabel;
        const char* lastLabel;
    } grids[] = {
        {4, 128, "0001[Pf]N", "3128[Pf]N"},
        {2, 90, "001[Pf]N", "190[Pf]N"},
        {1, 5, "01[Pf]N", "05[Pf]N"},
        // Sizes that are powers of ten need one digit more than their last
        // program number has.
        {1, 10, "001[Pf]N", "010[Pf]N"},
        {3, 100, "0001[Pf]N", "2100[Pf]N"},
        // More than ten unnamed banks: single-digit banks are padded.
        {12, 128, "00001[Pf]N", "11128[Pf]N"},
    };
    for (const auto& grid : grids) {
        SCOPED_TRACE(std::to_string(grid.banks) + " x " + std::to_string(grid.programs));
        PatchLibrary library;
        library.open(deviceId, u"fseq", indexPath("grid.xml"), grid.banks, grid.programs);
        library.setRecord(0, 0, RefString(), u"N", u"[Pf]");
        library.setRecord(grid.banks - 1, grid.programs - 1, RefString(), u"N", u"[Pf]");
        const std::string first = utf8(library.get(0));
        const std::string last = utf8(library.get(std::int32_t(library.count()) - 1));
        EXPECT_EQ(first, grid.firstLabel);
        EXPECT_EQ(last, grid.lastLabel);
        EXPECT_EQ(first.substr(library.locationPrefixLength()), "[Pf]N");
        EXPECT_EQ(last.substr(library.locationPrefixLength()), "[Pf]N");
    }
}

TEST_F(PatchLabelTest, RenamingAndNewBankLabelsRebuildTheLabels)
{
    PatchLibrary voices;
    openVoices(voices);
    voices.updatePatch(2, 0, u"Old", u"[Br]", "dump");
    CountingObserver observer;
    voices.addObserver(observer);

    ASSERT_TRUE(voices.setName(2 * programsPerBank, u"New"));
    EXPECT_EQ(utf8(voices.get(2 * programsPerBank)), "B001[Br]New");

    voices.setBankLabels(nullptr);
    EXPECT_EQ(utf8(voices.get(2 * programsPerBank)), "02001[Br]New");
    EXPECT_TRUE(voices.get(0).isNull()) << "an empty slot stays without a label";
    EXPECT_EQ(observer.calls, 2);
}

TEST_F(PatchLabelTest, ViewsNameEverySlotAnEmptyOneByItsLocation)
{
    PatchLibrary voices;
    openVoices(voices);
    voices.updatePatch(1, 4, u"Grand", u"[Pf]", "dump");
    const struct {
        std::int32_t index;
        const char* shown;
    } cells[] = {
        {0, "i001"},
        {programsPerBank + 4, "A005[Pf]Grand"},
        {programsPerBank + 32, "A033"},
        {std::int32_t(voices.count()) - 1, "K128"},
        {std::int32_t(voices.count()), ""},
        {-1, ""},
    };
    for (const auto& cell : cells)
        EXPECT_EQ(utf8(voices.cellLabel(cell.index)), cell.shown) << "cell " << cell.index;
    EXPECT_TRUE(voices.get(0).isNull()) << "the record itself stays without a label";
}

} // namespace
