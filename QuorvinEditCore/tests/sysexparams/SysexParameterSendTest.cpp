// SysEx-bound and MIDI message parameters talking to an instrument over
// loopback ports through the real MIDI interface: the bytes each edit sends,
// the edits that send nothing, and received values that must not echo.
#include "midi/LoopbackMidiBackend.h"
#include "midi/MidiDeviceInfo.h"
#include "midi/MidiInterface.h"
#include "params/SetValueFlags.h"
#include "sysex/AddressMap.h"
#include "sysex/AddressMapDataSink.h"
#include "sysex/MidiMessageParameter.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"
#include "sysex/SysexTemplate.h"
#include "tests/support/EventPump.h"
#include "tests/support/ListenerCounter.h"
#include "tests/support/NoControlSet.h"
#include "tests/support/PagelessDevice.h"
#include "undo/CommandList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <numeric>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr char instrumentPort[] = "FS1R";
constexpr std::array<std::uint8_t, 8> parameterChangeBytes{0x43, 0x10, 0x5E, 0x80, 0x80, 0x80, 0x82, 0x82};
constexpr std::array<std::uint8_t, 8> bulkDumpBytes{0x43, 0x00, 0x5E, 0x81, 0x81, 0x80, 0x80, 0x80};
constexpr std::uint32_t parameterChangeDataBytes = 2;
constexpr PackedAddress sentPage = 0x300000;
constexpr PackedAddress neverSentPage = 0x400000;

// The parameter change the instrument expects for an address and a two-byte value.
Bytes parameterChange(PackedAddress address, std::uint8_t high, std::uint8_t low)
{
    return {0xF0, 0x43, 0x10, 0x5E, std::uint8_t(address >> 16), std::uint8_t(address >> 8), std::uint8_t(address),
        high, low, 0xF7};
}

class FakeDevice : public PagelessDevice {
public:
    explicit FakeDevice(AddressMap& map) : sink_(map) {}

    std::int32_t maxSysexSize() const override { return 25643; }
    std::int32_t dumpOverhead() const override { return 11; }
    std::vector<PackedAddress> probeAddresses() const override { return {sentPage}; }
    std::int32_t hardwareWaitMs() const override { return 0; }
    void onConnected() override {}
    void onCommunicationNok() override {}
    void onDumpReceived(PackedAddress, std::span<const std::uint8_t>) override { ++dumpsReceived; }
    void showWaitingForSysex(PackedAddress) override {}
    void showReceivingSysex(PackedAddress, std::int32_t) override {}
    void abortWait(const RefString&, bool) override {}
    WaitProgress* waitDialog() override { return nullptr; }

    void parameterReceived(PackedAddress address, std::uint32_t value, std::uint32_t flags) override
    {
        sink_.parameterReceived(address, value, flags);
    }
    std::size_t bytesReceived(PackedAddress address, std::span<const std::uint8_t> bytes, std::uint32_t flags) override
    {
        return sink_.bytesReceived(address, bytes, flags);
    }

    int dumpsReceived = 0;

private:
    AddressMapDataSink sink_;
};

class InstrumentLinkTest : public testing::Test {
protected:
    void SetUp() override
    {
        previousBackend = MidiBackend::install(backend);
        backend->addPortPair(instrumentPort, [this](const std::uint8_t* bytes, std::size_t size) {
            const std::lock_guard lock(mutex);
            wire.insert(wire.end(), bytes, bytes + size);
        });
        map.addPage(sentPage, 0x40);
        map.addPage(neverSentPage, 0x10)->setNeverSend(true);

        midi = std::make_unique<MidiInterface>(device, [](MidiInterface&) { return std::make_unique<NoControlSet>(); });
        midi->parameterChangeMessage().create({0x43, 0x10, 0x5E}, parameterChangeDataBytes);
        midi->setTemplates(&bulkDump, &parameterChangeTemplate);
        const RefString name = RefString::fromUtf8(instrumentPort);
        ASSERT_EQ(midi->openCurrentOutput(MidiDeviceInfo(MidiDeviceKind::output, 0, 0, name)), MidiPortError::ok);
        ASSERT_EQ(midi->openCurrentInput(MidiDeviceInfo(MidiDeviceKind::input, 0, 0, name)), MidiPortError::ok);
        factory = std::make_unique<ParameterFactory>(map, midi.get());
    }

    void TearDown() override
    {
        factory.reset();
        midi.reset();
        MidiBackend::install(previousBackend);
    }

    // Every message the instrument got since the last call: each status
    // byte but F7 starts one.
    std::vector<Bytes> sentMessages()
    {
        EXPECT_TRUE(backend->waitUntilIdle());
        const std::lock_guard lock(mutex);
        std::vector<Bytes> messages;
        for (std::uint8_t byte : wire) {
            if (messages.empty() || ((byte & 0x80) != 0 && byte != 0xF7))
                messages.emplace_back();
            messages.back().push_back(byte);
        }
        wire.clear();
        return messages;
    }

    void fromInstrument(const Bytes& message)
    {
        backend->inject(instrumentPort, message.data(), message.size());
        ASSERT_TRUE(backend->waitUntilIdle());
    }

    std::shared_ptr<LoopbackMidiBackend> backend = std::make_shared<LoopbackMidiBackend>();
    std::shared_ptr<MidiBackend> previousBackend;
    std::mutex mutex;
    Bytes wire;
    SysexTemplate parameterChangeTemplate{parameterChangeBytes, SysexTemplate::noChecksum};
    SysexTemplate bulkDump{bulkDumpBytes, SysexTemplate::oneChecksumByte};
    AddressMap map{2};
    FakeDevice device{map};
    std::unique_ptr<MidiInterface> midi;
    std::unique_ptr<ParameterFactory> factory;
};

TEST_F(InstrumentLinkTest, EachKindOfFieldSendsItsEntriesAsTheInstrumentExpects)
{
    SysexParameter* plain = factory->addSysexParameter(0x300001, 0, 127, 0);
    const std::unique_ptr<SysexParameter> wide = factory->addOwnedSysexParameter(0x300002, 0, 0x3fff);
    SysexParameter* bipolar = factory->addSysexParameter(0x300003, -64, 63, 0);
    const std::unique_ptr<SysexParameter> split = factory->addSplitSysexParameter(0x300004, 0x300005);
    EXPECT_TRUE(sentMessages().empty()) << "making parameters sends nothing";

    plain->setValue(flagsUserEdit, 100);
    EXPECT_EQ(sentMessages(), std::vector<Bytes>{parameterChange(0x300001, 0x00, 0x64)});
    wide->setValue(flagsUserEdit, 0x1234);
    EXPECT_EQ(sentMessages(), std::vector<Bytes>{parameterChange(0x300002, 0x24, 0x34)}) << "most significant byte first";
    bipolar->setValue(flagsUserEdit, -1);
    EXPECT_EQ(sentMessages(), std::vector<Bytes>{parameterChange(0x300003, 0x01, 0x7F)}) << "the 8-bit field 0xFF";
    split->setValue(flagsUserEdit, 0x1234);
    EXPECT_EQ(sentMessages(), (std::vector<Bytes>{parameterChange(0x300005, 0x00, 0x34), parameterChange(0x300004, 0x00, 0x24)}))
        << "low entry first";
}

TEST_F(InstrumentLinkTest, AnEditSendsTheWholeEntryItShares)
{
    SysexParameter* low = factory->addSysexParameter(0x300010, 0, 15, 0);
    SysexParameter* high = factory->addSysexParameter(0x300010, 0, 7, 4);
    high->setValue(flagsQuietInit, 5);
    low->setValue(flagsUserEdit, 9);
    EXPECT_EQ(sentMessages(), std::vector<Bytes>{parameterChange(0x300010, 0x00, 0x59)});
}

TEST_F(InstrumentLinkTest, OnlyChangesThatAskToSendReachTheInstrument)
{
    SysexParameter* p = factory->addSysexParameter(0x300011, 0, 127, 0);
    for (const std::uint32_t flags : {flagsConstruct, flagsQuietInit, flagsPatchLoad, flagsSysexReceived})
        p->setValue(flags, 7);
    EXPECT_TRUE(sentMessages().empty());
    for (const std::uint32_t flags : {flagsUserReset, flagsUserEdit, flagsFileLoad, flagsConnect, flagsDeviceCommand})
        p->setValue(flags, 8);
    EXPECT_EQ(sentMessages().size(), 5u);
}

TEST_F(InstrumentLinkTest, ParametersOfANeverSendPageSendNothing)
{
    SysexParameter* p = factory->addSysexParameter(0x400001, 0, 127, 0);
    const std::unique_ptr<SysexParameter> split = factory->addSplitSysexParameter(0x400002, 0x400003);
    p->setValue(flagsUserEdit, 42);
    split->setValue(flagsUserEdit, 0x1234);
    EXPECT_TRUE(sentMessages().empty());
    EXPECT_EQ(p->getValue(), 42) << "the value is still kept";
}

TEST_F(InstrumentLinkTest, UndoSendsTheOldValueAgain)
{
    CommandList page;
    factory->setCommandList(&page);
    SysexParameter* p = factory->addSysexParameter(0x300012, 0, 127, 0);
    p->setValue(flagsUserEdit, 30);
    sentMessages();
    ASSERT_TRUE(page.undo());
    EXPECT_EQ(p->getValue(), 0);
    EXPECT_EQ(sentMessages(), std::vector<Bytes>{parameterChange(0x300012, 0x00, 0x00)});
}

TEST_F(InstrumentLinkTest, AReceivedParameterChangeTellsEveryParameterOfTheEntryOnceAndSendsNothingBack)
{
    SysexParameter* low = factory->addSysexParameter(0x300020, 0, 15, 0);
    SysexParameter* high = factory->addSysexParameter(0x300020, 0, 7, 4);
    SysexParameter* elsewhere = factory->addSysexParameter(0x300021, 0, 127, 0);
    ListenerCounter lowHeard, highHeard, elsewhereHeard;
    low->addListener(&lowHeard);
    high->addListener(&highHeard);
    elsewhere->addListener(&elsewhereHeard);

    fromInstrument(parameterChange(0x300020, 0x00, 0x3C));
    ASSERT_TRUE(pumpEventsUntil([&] { return !lowHeard.heard.empty(); }));
    pumpEventsFor(std::chrono::milliseconds(20));

    EXPECT_EQ(low->getValue(), 0xC);
    EXPECT_EQ(high->getValue(), 3);
    const std::vector<std::uint32_t> once{flagsSysexReceived & ~SetValueFlag::storeBoundData};
    EXPECT_EQ(lowHeard.flags(), once);
    EXPECT_EQ(highHeard.flags(), once);
    EXPECT_TRUE(elsewhereHeard.heard.empty());
    EXPECT_TRUE(sentMessages().empty());
}

TEST_F(InstrumentLinkTest, AReceivedDumpTellsEachParameterOfItsRangeOnceAndSendsNothingBack)
{
    SysexParameter* low = factory->addSysexParameter(0x300030, 0, 15, 0);
    SysexParameter* high = factory->addSysexParameter(0x300030, 0, 7, 4);
    const std::unique_ptr<SysexParameter> wide = factory->addOwnedSysexParameter(0x300031, 0, 0x3fff);
    ListenerCounter lowHeard, highHeard, wideHeard;
    low->addListener(&lowHeard);
    high->addListener(&highHeard);
    wide->addListener(&wideHeard);

    const Bytes data{0x25, 0x24, 0x34};
    Bytes dump{0xF0, 0x43, 0x00, 0x5E, 0x00, std::uint8_t(data.size()), 0x30, 0x00, 0x30};
    dump.insert(dump.end(), data.begin(), data.end());
    const int sum = std::accumulate(dump.begin() + 4, dump.end(), 0);
    dump.push_back(std::uint8_t(-sum & 0x7F));
    dump.push_back(0xF7);
    fromInstrument(dump);
    ASSERT_TRUE(pumpEventsUntil([&] { return device.dumpsReceived == 1; }));

    EXPECT_EQ(low->getValue(), 5);
    EXPECT_EQ(high->getValue(), 2);
    EXPECT_EQ(wide->getValue(), 0x1234);
    EXPECT_EQ(lowHeard.heard.size(), 1u);
    EXPECT_EQ(highHeard.heard.size(), 1u);
    EXPECT_EQ(wideHeard.heard.size(), 1u);
    EXPECT_TRUE(sentMessages().empty());
}

TEST_F(InstrumentLinkTest, MessageParametersSendTheirShortMessageAndAreFoundInTheMap)
{
    MidiMessageParameter* bank = factory->addMidiMessageParameter({0xB0, 0x00, 0x20, 0x00}, 0x40, 0x43);
    MidiMessageParameter* program = factory->addMidiMessageParameter({0xC0, 0x00, 0x00, 0x00}, 0, 127);
    EXPECT_EQ(bank->getValue(), 0x40) << "made at its default";
    EXPECT_TRUE(sentMessages().empty());

    bank->setValue(flagsUserEdit, 0x42);
    program->setValue(flagsUserEdit, 5);
    EXPECT_EQ(sentMessages(), (std::vector<Bytes>{{0xB0, 0x20, 0x42}, {0xC0, 0x05}}));

    const MidiMessagePattern found = map.findMidiMessage({0xC0, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(found, (MidiMessagePattern{0xC0, 0x00, 0x05, 0x00}));

    // A file may hold any value (no clamp): the data byte must stay a data byte.
    program->setValue(flagsFileLoad, 200);
    EXPECT_EQ(sentMessages(), (std::vector<Bytes>{{0xC0, 200 & 0x7F}}));

    factory->destroyParameters();
    EXPECT_EQ(map.findMidiMessage({0xC0, 0xFF, 0xFF, 0xFF})[0], 0xFF) << "destroyed parameters leave the map's list";
}

} // namespace
