#include "tests/portparams/PortTestSupport.h"

#include "midi/ControlSetMidiInParameter.h"
#include "midi/ControlSetMidiOutParameter.h"
#include "midi/MidiControlGrouper.h"
#include "midi/MidiControlSet.h"
#include "midi/MidiInPort.h"
#include "midi/MidiOutPort.h"
#include "tests/support/PortInfo.h"

namespace {

class StoppedTimer : public MidiControlGrouper::Timer {
public:
    void start(std::chrono::milliseconds) override {}
    void stop() override {}
};

class ControlSetPortParameterTest : public PortParameterTest {
protected:
    void makeInterfaceWithControlSets()
    {
        midi = std::make_unique<MidiInterface>(device, [this](MidiInterface& owner) {
            return std::unique_ptr<MidiControlSetBase>(new MidiControlSet(owner, grouper_));
        });
    }
    MidiControlSet& controlSet(std::size_t i) { return static_cast<MidiControlSet&>(midi->controlSet(i)); }

private:
    MidiControlGrouper grouper_{std::make_unique<StoppedTimer>()};
};

} // namespace

TEST_F(ControlSetPortParameterTest, ChoicesOpenTheSetsOwnPorts)
{
    addPorts({"Instrument", "Surface"});
    makeInterfaceWithControlSets();
    MidiControlSet& set = controlSet(1);
    ControlSetMidiInParameter& input = set.inputParameter();
    ControlSetMidiOutParameter& output = set.outputParameter();

    input.setValue(flagsUserEdit, 2);
    output.setValue(flagsUserEdit, 2);

    ASSERT_NE(set.input(), nullptr);
    ASSERT_NE(set.output(), nullptr);
    EXPECT_EQ(set.input()->openDescription().name().toUtf8(), "Surface");
    EXPECT_EQ(set.output()->openDescription().name().toUtf8(), "Surface");
    EXPECT_EQ(input.getValue(), 2);
    EXPECT_EQ(output.getValue(), 2);
    EXPECT_EQ(controlSet(0).input(), nullptr);
    EXPECT_FALSE(midi->currentInput() != nullptr && midi->currentInput()->isOpen());

    output.setValue(flagsUserEdit, 0);
    EXPECT_EQ(set.output(), nullptr);
    EXPECT_EQ(output.getValue(), 0);
}

TEST_F(ControlSetPortParameterTest, WithoutAControlSetNothingIsDriven)
{
    addPorts({"Surface"});
    makeInterfaceWithControlSets();
    ControlSetMidiInParameter input(*midi, nullptr);
    ControlSetMidiOutParameter output(*midi, nullptr);

    input.setValue(flagsUserEdit, 1);
    output.setValue(flagsUserEdit, 1);

    EXPECT_EQ(input.getValue(), 0);
    EXPECT_EQ(output.getValue(), 0);
    EXPECT_EQ(midi->findOpenInPort(portInfo(MidiDeviceKind::input, "Surface")), nullptr);
}
