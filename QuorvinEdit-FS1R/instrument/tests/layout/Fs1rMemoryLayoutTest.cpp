#include "instrument/Fs1rMemoryLayout.h"

#include "sysex/AddressMap.h"
#include "sysex/AddressMapDataSink.h"

#include <gtest/gtest.h>

#include <map>
#include <span>
#include <vector>

namespace {

using L = Fs1rMemoryLayout;

// The pages with every dump address written out, not worked out by running
// sums, so a slip in the layout's arithmetic shows.
std::vector<Fs1rMemoryPage> pagesAsListed()
{
    constexpr PackedAddress partDumps[] = {0x100140, 0x100174, 0x100228, 0x10025C};
    constexpr PackedAddress operatorDumps[] = {0x0070, 0x012E, 0x016C, 0x022A, 0x0268, 0x0326, 0x0364, 0x0422};
    std::vector<Fs1rMemoryPage> pages{{0x000000, 76, 0x000000, false}, {0x100000, 192, 0x100000, false}};
    for (PackedAddress k = 0; k < 4; ++k) {
        pages.push_back({0x300000 + k * 0x010000, 52, partDumps[k], false});
        pages.push_back({0x400000 + k * 0x010000, 112, 0x400000 + k * 0x010000, false});
        for (PackedAddress j = 0; j < 8; ++j)
            pages.push_back({0x600000 + k * 0x010000 + j * 0x100, 62, 0x400000 + k * 0x010000 + operatorDumps[j], false});
    }
    pages.push_back({0x700000, 32, 0x600000, false});
    pages.push_back({0x700020, 25600, 0x600020, true});
    return pages;
}

struct Dump {
    PackedAddress address;
    std::uint32_t size;
};

const Dump editBufferDumps[] = {{0x000000, 76}, {0x100000, 400}, {0x400000, 608}, {0x410000, 608},
    {0x420000, 608}, {0x430000, 608}, {0x600000, 25632}};

class Fs1rMemoryLayoutTest : public testing::Test {
protected:
    Fs1rMemoryLayoutTest() { EXPECT_TRUE(L::buildAddressMap(map)); }

    AddressMap map{L::pageCapacity};
};

TEST_F(Fs1rMemoryLayoutTest, EveryPageHasItsListedAddressesSizeOffsetAndFlag)
{
    const std::vector<Fs1rMemoryPage> listed = pagesAsListed();
    ASSERT_EQ(map.pageCount(), L::pageCount);
    ASSERT_EQ(L::pages().size(), listed.size());
    for (std::size_t i = 0; i < listed.size(); ++i) {
        const Fs1rMemoryPage& want = listed[i];
        SCOPED_TRACE(testing::Message() << "page " << i << std::hex << " at 0x" << want.parameterAddress);
        EXPECT_EQ(L::pages()[i].dumpAddress, want.dumpAddress);
        const AddressPage* page = map.findPage(want.parameterAddress, false);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->start(), want.parameterAddress);
        EXPECT_EQ(page->size(), want.size);
        EXPECT_EQ(page->dumpOffset(), (linearAddress(want.dumpAddress) - linearAddress(want.parameterAddress)) & linearAddressMask);
        EXPECT_EQ(page->neverSend(), want.neverSend);
        EXPECT_EQ(map.findPage(want.dumpAddress, true), page);
    }
}

TEST_F(Fs1rMemoryLayoutTest, EachDumpFillsItsPagesExactlyWithNoGapOrOverlap)
{
    std::map<const AddressPage*, std::uint32_t> bytesPerPage;
    for (const Dump& dump : editBufferDumps) {
        for (std::uint32_t n = 0; n < dump.size; ++n) {
            const AddressPage* page = map.findPage(addToPackedAddress(dump.address, n), true);
            ASSERT_NE(page, nullptr) << std::hex << dump.address << " + " << std::dec << n;
            ++bytesPerPage[page];
        }
    }
    // Overlapping pages would leave the later one short, as would a page
    // reaching past its dump.
    ASSERT_EQ(bytesPerPage.size(), L::pageCount);
    for (const auto& [page, bytes] : bytesPerPage)
        EXPECT_EQ(bytes, page->size()) << std::hex << page->start();
}

TEST_F(Fs1rMemoryLayoutTest, AParameterAddressAndItsDumpAddressNameOneByte)
{
    AddressEntry& entry = map.createEntry(0x310005);
    entry.growTo(1);
    AddressMapDataSink sink(map);
    const std::uint8_t value = 0x2A;
    EXPECT_EQ(sink.bytesReceived(0x100179, std::span(&value, 1), 0), 1u);
    EXPECT_EQ(entry.value(), value);
}

TEST_F(Fs1rMemoryLayoutTest, OnlyFrameEntriesAreNeverSent)
{
    EXPECT_TRUE(map.createEntry(0x700020).neverSend());
    EXPECT_TRUE(map.createEntry(addToPackedAddress(0x700020, 25599)).neverSend());
    EXPECT_FALSE(map.createEntry(0x70001F).neverSend());
    EXPECT_FALSE(map.createEntry(0x63073D).neverSend());
}

TEST(Fs1rMemoryLayout, AFullMapIsReportedNotOverrun)
{
    AddressMap small(L::pageCount - 1);
    EXPECT_FALSE(L::buildAddressMap(small));
    EXPECT_EQ(small.pageCount(), L::pageCount - 1);
}

TEST(Fs1rMemoryLayout, SumsOfPackedAddressesCarryAcrossSevenBitGroups)
{
    EXPECT_EQ(sumPackedAddresses(0x10007F, 0x000001), 0x100100u);
    EXPECT_EQ(sumPackedAddresses(0x407F7F, 0x000001), 0x410000u);
    EXPECT_EQ(sumPackedAddresses(0x10007F, 0x000101), 0x100200u);
    EXPECT_EQ(sumPackedAddresses(0x100000, 0x000080), invalidAddress);
}

TEST(Fs1rMemoryLayout, SequencesAreSizedByLengthCodeAndCountedInPairs)
{
    EXPECT_EQ(L::fseqDumpSize(L::fseqFrames(0)), 6432u);
    EXPECT_EQ(L::fseqDumpSize(L::fseqFrames(3)), 25632u);
    EXPECT_EQ(L::fseqFrames(4), 0u);
    EXPECT_EQ(L::countDivisor(0x600000), 2u);
    EXPECT_EQ(L::countDivisor(0x610005), 2u);
    EXPECT_EQ(L::countDivisor(0x100000), 1u);
    EXPECT_EQ(L::countDivisor(0x510005), 1u);
    EXPECT_EQ(L::editBufferDumpAddress(Fs1rParts::ofVoice(0)), 0x400000u);
    EXPECT_EQ(L::editBufferDumpAddress(Fs1rParts::ofVoice(3)), 0x430000u);
    EXPECT_EQ(L::editBufferDumpAddress(Fs1rParts::formantSequence), 0x600000u);
    EXPECT_FALSE(L::editBufferDumpAddress(Fs1rParts::shownPage));
}

} // namespace
