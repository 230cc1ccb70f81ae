#include "instrument/Fs1rCategoryTags.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "instrument/Fs1rSysexProtocol.h"

#include "sysex/AddressMap.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using L = Fs1rMemoryLayout;
using Bytes = std::vector<std::uint8_t>;

// Every dump address written out rather than summed, so that a slip in the
// layout's running sums shows.
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

TEST(Fs1rMemoryLayout, EveryPageHasItsListedAddressesSizeOffsetAndFlagInOrder)
{
    AddressMap map(L::pageCapacity);
    ASSERT_TRUE(L::buildAddressMap(map));
    const std::vector<Fs1rMemoryPage> listed = pagesAsListed();
    ASSERT_EQ(map.pageCount(), listed.size());
    for (std::size_t i = 0; i < listed.size(); ++i) {
        const Fs1rMemoryPage& want = listed[i];
        SCOPED_TRACE(testing::Message() << "page " << i << std::hex << " at 0x" << want.parameterAddress);
        EXPECT_EQ(L::pages()[i].parameterAddress, want.parameterAddress);
        const AddressPage* page = map.findPage(want.parameterAddress, false);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->start(), want.parameterAddress);
        EXPECT_EQ(page->size(), want.size);
        EXPECT_EQ(page->dumpOffset(), (linearAddress(want.dumpAddress) - linearAddress(want.parameterAddress)) & linearAddressMask);
        EXPECT_EQ(page->neverSend(), want.neverSend);
    }
}

TEST(Fs1rMemoryLayout, SumsOfPackedAddressesCarryAcrossSevenBitGroups)
{
    EXPECT_EQ(sumPackedAddresses(0x10007F, 0x000001), 0x100100u);
    EXPECT_EQ(sumPackedAddresses(0x407F7F, 0x000001), 0x410000u);
    EXPECT_EQ(sumPackedAddresses(0x10007F, 0x000101), 0x100200u);
    EXPECT_EQ(sumPackedAddresses(0x100000, 0x000080), invalidAddress);
}

TEST(Fs1rSysexProtocol, TemplatesSizesAndProbeAddressesAreTheInstruments)
{
    EXPECT_EQ(L::countDivisor(0x610005), 2u); // an internal sequence slot counts in pairs too
    EXPECT_EQ(L::fseqFrames(4), 0u);
    EXPECT_EQ(Fs1rSysexProtocol::maxSysexSize, 25643);
    const Fs1rSysexProtocol protocol;
    const auto bulkDump = protocol.bulkDump().bytes();
    const auto parameterChange = protocol.parameterChange().bytes();
    EXPECT_EQ(Bytes(bulkDump.begin(), bulkDump.end()), (Bytes{0x43, 0x00, 0x5E, 0x81, 0x81, 0x80, 0x80, 0x80}));
    EXPECT_EQ(protocol.bulkDump().checksumMode(), SysexTemplate::oneChecksumByte);
    EXPECT_EQ(Bytes(parameterChange.begin(), parameterChange.end()), (Bytes{0x43, 0x10, 0x5E, 0x80, 0x80, 0x80, 0x82, 0x82}));
    EXPECT_EQ(protocol.parameterChange().checksumMode(), SysexTemplate::noChecksum);
    EXPECT_EQ(Fs1rSysexProtocol::probeAddresses().size(), 33u);
    EXPECT_EQ(Fs1rSysexProtocol::probeAddresses().front(), 0x000000u);
}

TEST(Fs1rCategoryTags, ACategoryPastTheTableHasNoTagInsteadOfAStrayRead)
{
    EXPECT_EQ(categoryTag(22).toUtf8(), "[Sq]");
    EXPECT_TRUE(categoryTag(23).isEmpty());
}

} // namespace
