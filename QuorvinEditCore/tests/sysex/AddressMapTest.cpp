#include "sysex/AddressMap.h"

#include "params/SetValueFlags.h"
#include "sysex/AddressMapDataSink.h"
#include "tests/support/LogCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

namespace {

// Records what each listener heard, so that tests see order and flags.
class RecordingListener : public AddressEntryListener {
public:
    void entryChanged(AddressEntry& entry, std::uint32_t flags) override
    {
        heard.push_back({entry.address(), flags, entry.value()});
    }
    struct Call {
        PackedAddress address;
        std::uint32_t flags;
        std::uint32_t value;
    };
    std::vector<Call> heard;
};

class AddressMapTest : public testing::Test {
protected:
    LogCapture log;
    AddressMap map{4};
};

TEST_F(AddressMapTest, APageHoldsItsAddressesAndNotTheFirstOneAfter)
{
    const AddressPage* page = map.addPage(0x100000, 128);
    EXPECT_TRUE(page->contains(0x100000, false));
    EXPECT_TRUE(page->contains(0x10007F, false));
    EXPECT_FALSE(page->contains(0x100100, false));
    EXPECT_FALSE(page->contains(0x0F7F7F, false));
    // Compared as packed words this one lies inside; its byte 0x8F is no address byte.
    EXPECT_FALSE(page->contains(0x10008F, false));
}

TEST_F(AddressMapTest, DumpAddressesAreMovedByThePageOffsetEitherWay)
{
    // Part 1 of a performance: parameter 0x310000, dump 0x100174.
    AddressPage* part = map.addPage(0x310000, 52);
    part->setDumpOffset((linearAddress(0x100174) - linearAddress(0x310000)) & linearAddressMask);
    // The sequence header: dump 0x600000 lies below its parameter address 0x700000.
    AddressPage* header = map.addPage(0x700000, 32);
    header->setDumpOffset((linearAddress(0x600000) - linearAddress(0x700000)) & linearAddressMask);

    EXPECT_EQ(map.findPage(0x100179, true), part);
    EXPECT_EQ(map.findPage(0x310005, false), part);
    EXPECT_EQ(map.findPage(0x100174 - 1, true), nullptr);
    EXPECT_EQ(map.findPage(0x600000, true), header);
    EXPECT_EQ(map.findPage(0x60001F, true), header);
    EXPECT_EQ(map.findPage(0x600020, true), nullptr);
    EXPECT_EQ(map.findPage(0x700000, true), nullptr);
}

TEST_F(AddressMapTest, AFullMapAddsNoPage)
{
    for (int i = 0; i < 4; ++i)
        ASSERT_NE(map.addPage(PackedAddress(i) << 16, 4), nullptr);
    EXPECT_EQ(map.addPage(0x500000, 4), nullptr);
    EXPECT_EQ(map.pageCount(), 4u);
}

TEST_F(AddressMapTest, EntriesCopyTheNeverSendFlagOfTheirPage)
{
    map.addPage(0x000000, 8);
    map.addPage(0x700020, 8)->setNeverSend(true);
    EXPECT_FALSE(map.createEntry(0x000001).neverSend());
    EXPECT_TRUE(map.createEntry(0x700021).neverSend());
    EXPECT_EQ(map.findEntry(0x700021)->address(), 0x700021u);
    EXPECT_EQ(map.findEntry(0x700022), nullptr);
}

TEST_F(AddressMapTest, AnEntryOutsideEveryPageIsKeptAliveAndWarnedAbout)
{
    map.addPage(0x000000, 8);
    AddressEntry& stray = map.createEntry(0x200000);
    stray.growTo(1);
    stray.setValue(5, 0);
    EXPECT_EQ(stray.value(), 5u);
    EXPECT_EQ(map.findEntry(0x200000), nullptr);
    EXPECT_EQ(log.texts(), std::vector<std::string>{"Internal error - The address page is not in the address map"});
}

TEST_F(AddressMapTest, ASecondEntryAtOneAddressTakesTheSlotWithoutKillingTheFirst)
{
    map.addPage(0x000000, 8);
    AddressEntry& first = map.createEntry(0x000003);
    AddressEntry& second = map.createEntry(0x000003);
    EXPECT_EQ(map.findEntry(0x000003), &second);
    // A parameter still holding the first entry must find it alive.
    first.growTo(1);
    first.setValue(7, 0);
    EXPECT_EQ(first.value(), 7u);
    EXPECT_EQ(log.texts(),
        std::vector<std::string>{"Internal error - This address entry slot is already used in the address map"});
}

TEST_F(AddressMapTest, AnEntryReadsBackMostSignificantByteFirst)
{
    AddressPage* page = map.addPage(0x000000, 8);
    AddressEntry& entry = map.createEntry(0x000002);
    entry.growTo(2);
    entry.setValue(0x1234, 0);
    std::array<std::uint8_t, 3> out{0xEE, 0xEE, 0xEE};
    EXPECT_EQ(page->readBytes(0x000002, out), 2u);
    EXPECT_EQ(out, (std::array<std::uint8_t, 3>{0x24, 0x34, 0xEE}));
    EXPECT_EQ(page->readValue(0x000002), 0x1234u);
    EXPECT_EQ(page->readValue(0x000003), 0u);
}

TEST_F(AddressMapTest, ReadsNeverWritePastTheirCapacity)
{
    AddressPage* page = map.addPage(0x100000, 16);
    AddressEntry& name = map.createEntry(0x100000);
    name.growTo(12);
    std::array<std::uint8_t, 12> text{'P', 'a', 'd', ' ', 'S', 'w', 'e', 'e', 'p', ' ', ' ', ' '};
    ASSERT_EQ(name.writeBytes(text, 0), 12u);

    std::array<std::uint8_t, 11> small{};
    small.fill(0xEE);
    EXPECT_EQ(page->readBytes(0x100000, small), 0u);
    EXPECT_EQ(small[0], 0xEE);
    // Entries of more than four bytes have no value.
    EXPECT_EQ(page->readValue(0x100000), 0u);
    std::array<std::uint8_t, 12> whole{};
    EXPECT_EQ(page->readBytes(0x100000, whole), 12u);
    EXPECT_EQ(whole, text);
}

TEST_F(AddressMapTest, AWriteShorterThanTheEntryWritesNothingAndTellsNoOne)
{
    map.addPage(0x000000, 8);
    AddressEntry& entry = map.createEntry(0x000000);
    entry.growTo(2);
    entry.setValue(0x0101, 0);
    auto listener = std::make_shared<RecordingListener>();
    entry.addListener(listener);

    const std::array<std::uint8_t, 1> oneByte{0x55};
    EXPECT_EQ(entry.writeBytes(oneByte, flagsSysexReceived), 0u);
    EXPECT_EQ(entry.value(), 0x0101u);
    EXPECT_TRUE(listener->heard.empty());
}

TEST_F(AddressMapTest, PageReadsAndWritesOutsideThePageTouchNoSlot)
{
    AddressPage* page = map.addPage(0x100000, 4);
    map.createEntry(0x100003).growTo(1);
    const std::array<std::uint8_t, 2> bytes{1, 2};
    std::array<std::uint8_t, 2> out{};
    EXPECT_EQ(page->writeBytes(0x100004, bytes, 0), 0u);
    EXPECT_EQ(page->writeBytes(0x10008F, bytes, 0), 0u);
    EXPECT_EQ(page->readBytes(0x0FFFFF, out), 0u);
    EXPECT_EQ(page->writeBytes(0x100003, bytes, 0), 1u);
}

TEST_F(AddressMapTest, BytesNoEntryHoldsAreKeptAsReceivedAndReadBack)
{
    map.addPage(0x100000, 6);
    map.createEntry(0x100001).growTo(2);
    AddressMapDataSink sink(map);
    const std::array<std::uint8_t, 6> received{0x11, 0x22, 0x33, 0x44, 0x55, 0x66};
    std::size_t done = 0;
    while (done < received.size())
        done += std::max<std::size_t>(1, sink.bytesReceived(addToPackedAddress(0x100000, std::uint32_t(done)),
            std::span(received).subspan(done), flagsSysexReceived));

    std::array<std::uint8_t, 7> sent{};
    std::uint32_t sum = 0;
    EXPECT_EQ(sink.readBytesWithSum(0x100000, sent, sum), sent.size());
    EXPECT_EQ(sent, (std::array<std::uint8_t, 7>{0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0}))
        << "the entry's bytes and those beside it, and nothing past the page";
    EXPECT_EQ(map.findEntry(0x100001)->value(), 0x22u << 7 | 0x33u);
}

TEST_F(AddressMapTest, GrowingPastFourBytesGivesAZeroBufferAndNeverShrinks)
{
    map.addPage(0x000000, 8);
    AddressEntry& entry = map.createEntry(0x000000);
    entry.growTo(2);
    entry.growTo(1);
    EXPECT_EQ(entry.size(), 2u);
    entry.growTo(6);
    std::array<std::uint8_t, 6> out{};
    out.fill(0xEE);
    EXPECT_EQ(entry.readBytes(out), 6u);
    EXPECT_EQ(out, (std::array<std::uint8_t, 6>{}));
}

TEST_F(AddressMapTest, AnEntrySharedByTwoParametersTellsBothInOrder)
{
    AddressPage* page = map.addPage(0x000000, 8);
    page->setDumpOffset(0);
    AddressEntry& entry = map.createEntry(0x000004);
    entry.growTo(1);
    auto low = std::make_shared<RecordingListener>();
    auto high = std::make_shared<RecordingListener>();
    entry.addListener(low);
    entry.addListener(high);
    std::weak_ptr<RecordingListener> stillThere = high;
    high.reset();

    const std::array<std::uint8_t, 1> byte{0x5A};
    EXPECT_EQ(page->writeBytes(0x000004, byte, flagsSysexReceived), 1u);
    map.setValue(0x000004, 0x21, flagsSysexReceived);

    // The entry keeps its listeners alive.
    ASSERT_FALSE(stillThere.expired());
    for (const auto* listener : {low.get(), stillThere.lock().get()}) {
        ASSERT_EQ(listener->heard.size(), 2u);
        // Written bytes and values are in the entry already: no second store.
        EXPECT_EQ(listener->heard[0].flags, flagsSysexReceived & ~SetValueFlag::storeBoundData);
        EXPECT_EQ(listener->heard[0].value, 0x5Au);
        EXPECT_EQ(listener->heard[1].flags, flagsSysexReceived & ~SetValueFlag::storeBoundData);
        EXPECT_EQ(listener->heard[1].value, 0x21u);
    }
}

TEST_F(AddressMapTest, SetValueWhereNoEntryIsChangesNothing)
{
    map.addPage(0x000000, 8);
    map.setValue(0x000001, 3, flagsSysexReceived);
    map.setValue(0x300000, 3, flagsSysexReceived);
    EXPECT_EQ(map.findEntry(0x000001), nullptr);
}

class FixedMessage : public MidiMessageSource {
public:
    explicit FixedMessage(MidiMessagePattern message) : message_(message) {}
    MidiMessagePattern midiMessage() const override { return message_; }

private:
    MidiMessagePattern message_;
};

TEST_F(AddressMapTest, MidiMessagesAreFoundByPatternWithWildcards)
{
    const FixedMessage bank({0xB0, 0, 0x20, 0x41});
    const FixedMessage program({0xC0, 0, 0x05, 0xFF});
    map.addMidiMessageSource(bank);
    map.addMidiMessageSource(program);

    EXPECT_EQ(map.findMidiMessage({0xB0, 9, 0x20, 0xFF}), bank.midiMessage());
    EXPECT_EQ(map.findMidiMessage({0xC0, 0, 0xFF, 0xFF}), program.midiMessage());
    EXPECT_EQ(map.findMidiMessage({0xC0, 0, 0x05, 0x00}), program.midiMessage());
    const MidiMessagePattern none = map.findMidiMessage({0x90, 0, 0xFF, 0xFF});
    EXPECT_EQ(none[0], 0xFF);
    EXPECT_EQ(none[2], 0xFF);
    EXPECT_EQ(none[3], 0xFF);
}

} // namespace
