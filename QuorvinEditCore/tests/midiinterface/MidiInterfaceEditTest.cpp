// User edits of SysEx-bound parameters leave as parameter changes with the
// instrument's exact bytes; the instrument's own changes come back into
// every parameter bound to the address, and go nowhere else.
#include "tests/midiinterface/MidiInterfaceFixture.h"

#include "params/SetValueFlags.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes parameterChange(PackedAddress address, std::uint8_t high, std::uint8_t low)
{
    return {0xF0, 0x43, 0x10, 0x5E, std::uint8_t(address >> 16), std::uint8_t(address >> 8), std::uint8_t(address),
        high, low, 0xF7};
}

Bytes joined(std::initializer_list<Bytes> messages)
{
    Bytes all;
    for (const Bytes& message : messages)
        all.insert(all.end(), message.begin(), message.end());
    return all;
}

class MidiInterfaceEditTest : public MidiInterfaceFixture {
protected:
    void SetUp() override { connect(); }

    ParameterFactory factory{device.map, midi.get()};
};

TEST_F(MidiInterfaceEditTest, SevenBitEditReachesTheInstrument)
{
    SysexParameter* level = factory.addSysexParameter(0x400010, 0, 127, 0);
    level->setValue(flagsUserEdit, 100);
    settle();
    EXPECT_EQ(instrument().parameterValue(0x400010), 100u);

    sendToWire();
    level->setValue(flagsUserEdit, 5);
    EXPECT_EQ(wireBytes(), parameterChange(0x400010, 0x00, 0x05));
}

TEST_F(MidiInterfaceEditTest, EditsCarryTheirExactBytes)
{
    sendToWire();
    std::unique_ptr<SysexParameter> wide = factory.addOwnedSysexParameter(0x400020, 0, 0x3fff);
    SysexParameter* detune = factory.addSysexParameter(0x400030, -64, 63, 0);
    std::unique_ptr<SysexParameter> split = factory.addSplitSysexParameter(0x400040, 0x400041);

    wide->setValue(flagsUserEdit, 0x1234);
    detune->setValue(flagsUserEdit, -5);
    split->setValue(flagsUserEdit, 0x1234);
    // The signed field is 8 bits wide, so -5 is 0xFB, carried in two bytes;
    // the split value goes low entry first.
    EXPECT_EQ(wireBytes(),
        joined({parameterChange(0x400020, 0x24, 0x34), parameterChange(0x400030, 0x01, 0x7B),
            parameterChange(0x400041, 0x00, 0x34), parameterChange(0x400040, 0x00, 0x24)}));
}

TEST_F(MidiInterfaceEditTest, EditsWithoutTheSendFlagOrOnANeverSendPageStayLocal)
{
    sendToWire();
    SysexParameter* frame = factory.addSysexParameter(0x700020, 0, 127, 0);
    SysexParameter* level = factory.addSysexParameter(0x400010, 0, 127, 0);
    frame->setValue(flagsUserEdit, 9);
    level->setValue(flagsUserEdit & ~SetValueFlag::sendToInstrument, 9);
    EXPECT_TRUE(wireBytes().empty());
    EXPECT_EQ(level->getValue(), 9);
}

TEST_F(MidiInterfaceEditTest, InstrumentChangeReachesEveryParameterOfTheAddressAndIsNotSentBack)
{
    SysexParameter* low = factory.addSysexParameter(0x400050, 0, 15, 0);
    SysexParameter* high = factory.addSysexParameter(0x400050, 0, 7, 4);
    log.clear();
    ASSERT_TRUE(instrument().editParameter(0x400050, 0x35));
    ASSERT_TRUE(pumpEventsUntil([&] { return low->getValue() == 5; }));
    EXPECT_EQ(high->getValue(), 3);
    for (const std::string& line : log.texts())
        EXPECT_EQ(line.find("MIDI OUT"), std::string::npos) << line;
}

} // namespace
