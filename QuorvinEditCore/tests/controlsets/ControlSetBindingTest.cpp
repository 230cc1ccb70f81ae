// Binding, rebinding and erasing controls of a set, and where their
// messages come from and their feedback goes.
#include "midi/ControlSetMidiOutParameter.h"
#include "midi/MidiControlBinding.h"
#include "midi/MidiLearner.h"
#include "tests/controlsets/ControlSetFixture.h"
#include "tests/support/ListenerCounter.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class RecordingLearner : public MidiLearner {
public:
    void learn(MidiControlSet&, MidiMessage message) override { messages.push_back(message); }
    std::vector<MidiMessage> messages;
};

class ControlSetBindingTest : public ControlSetFixture {
protected:
    void SetUp() override { openSurface(set()); }
};

TEST_F(ControlSetBindingTest, RebindingAControlMovesItInsteadOfDoublingIt)
{
    LocalParameter& first = makeParameter("First", 0, 127);
    LocalParameter& second = makeParameter("Second", 0, 127);
    set().bind({0xB0, 7, 5}, first);
    set().bind({0xB0, 7, 90}, second);
    ASSERT_EQ(set().bindingCount(), 1u);
    EXPECT_EQ(set().binding(0).parameter(), &second);
    EXPECT_FALSE(first.listeners().contains(&set().binding(0)));

    clearSent();
    first.setValue(flagsUserEdit, 33);
    EXPECT_TRUE(surfaceBytes().empty()) << "the old parameter still sends feedback";
    set().handleMessage({0xB0, 7, 12});
    settle();
    EXPECT_EQ(first.getValue(), 33);
    EXPECT_EQ(second.getValue(), 12);
}

TEST_F(ControlSetBindingTest, TwoControlsOnOneParameterBothFollowIt)
{
    LocalParameter& cutoff = makeParameter("Cutoff", 0, 127);
    set().bind({0xB0, 74, 0}, cutoff);
    set().bind({0xB0, 75, 0}, cutoff);
    clearSent();

    set().handleMessage({0xB0, 75, 100});
    settle();
    EXPECT_EQ(cutoff.getValue(), 100);
    EXPECT_EQ(surfaceBytes(), (Bytes{0xB0, 74, 100, 0xB0, 75, 100}));
}

TEST_F(ControlSetBindingTest, BindingSendsTheCurrentValueAtOnceKeepsKeyOrderAndTellsListeners)
{
    LocalParameter& zeta = makeParameter("Zeta", 0, 127);
    LocalParameter& alpha = makeParameter("Alpha", 0, 127);
    zeta.setValue(flagsConstruct, 20);
    ListenerCounter listener;
    set().listeners().add(&listener);

    set().bind({0xB0, 1, 0}, zeta);
    EXPECT_EQ(surfaceBytes(), (Bytes{0xB0, 1, 20}));
    set().bind({0xB0, 2, 0}, alpha);
    ASSERT_EQ(set().bindingCount(), 2u);
    EXPECT_EQ(set().binding(0).parameter(), &alpha);
    EXPECT_EQ(set().binding(1).parameter(), &zeta);
    ASSERT_EQ(listener.heard.size(), 2u);
    EXPECT_EQ(listener.heard[0].parameter, &zeta);
    EXPECT_EQ(listener.heard[1].parameter, &alpha);
}

TEST_F(ControlSetBindingTest, MessagesWithoutAValueCannotBeBound)
{
    LocalParameter& parameter = makeParameter("Any", 0, 127);
    for (const MidiMessage message : {MidiMessage{0xF8, 0, 0}, MidiMessage{0xFF, 0, 0}, MidiMessage{0xFC, 0, 0},
             MidiMessage{0xF0, 0, 0}, MidiMessage{0x40, 1, 2}}) {
        SCOPED_TRACE(int(message.status));
        EXPECT_EQ(set().bind(message, parameter), nullptr);
    }
    EXPECT_EQ(set().bindingCount(), 0u);
    EXPECT_TRUE(surfaceBytes().empty()) << "a clock or reset must never go out as feedback";
}

TEST_F(ControlSetBindingTest, AnErasedBindingNeitherMovesNorFollowsItsParameter)
{
    LocalParameter& parameter = makeParameter("Pan", 0, 127);
    set().bind({0xB0, 10, 0}, parameter);
    set().eraseBinding(5); // past the end: nothing
    ASSERT_EQ(set().bindingCount(), 1u);
    set().eraseBinding(0);
    EXPECT_EQ(set().bindingCount(), 0u);
    EXPECT_EQ(parameter.listeners().size(), 0u);

    clearSent();
    parameter.setValue(flagsUserEdit, 64);
    set().handleMessage({0xB0, 10, 1});
    settle();
    EXPECT_EQ(parameter.getValue(), 64);
    EXPECT_TRUE(surfaceBytes().empty());
}

TEST_F(ControlSetBindingTest, FeedbackWithoutASurfaceOutputNeverReachesTheInstrument)
{
    MidiControlSet& unconnected = set(1);
    LocalParameter& volume = makeParameter("Volume", 0, 127);
    unconnected.bind({0xB0, 7, 0}, volume);
    volume.setValue(flagsUserEdit, 100);

    EXPECT_TRUE(instrumentBytes().empty()) << "a surface's controller would change the instrument";
    EXPECT_TRUE(log.contains("MIDI OUT: Control CH1 7 100 (No MIDI OUT)"));
}

TEST_F(ControlSetBindingTest, ANewOutputTakesEveryBindingsFeedbackAlong)
{
    MidiControlSet& controlSet = set(1);
    LocalParameter& volume = makeParameter("Volume", 0, 127);
    controlSet.bind({0xB0, 7, 0}, volume);
    // Chosen as the user chooses it, through the set's output parameter.
    ControlSetMidiOutParameter& choice = controlSet.outputParameter();
    const std::int32_t surface = choice.valueFromLabel(RefString::fromUtf8(surfacePort));
    choice.setValue(flagsUserEdit, surface);
    EXPECT_EQ(choice.getValue(), surface);
    ASSERT_NE(controlSet.output(), nullptr);
    EXPECT_EQ(controlSet.binding(0).output(), controlSet.output());

    volume.setValue(flagsUserEdit, 1);
    EXPECT_EQ(surfaceBytes(), (Bytes{0xB0, 7, 1}));
    ASSERT_EQ(controlSet.setOutput(MidiDeviceInfo(MidiDeviceKind::output)), MidiPortError::ok);
    EXPECT_EQ(controlSet.binding(0).output(), nullptr);
}

TEST_F(ControlSetBindingTest, SurfaceMessagesMoveOnlyTheSetListeningOnTheirPort)
{
    LocalParameter& volume = makeParameter("Volume", 0, 127);
    set(0).bind({0xB0, 7, 0}, volume);
    ASSERT_EQ(set(1).setInput(portInfo(MidiDeviceKind::input, otherPort)), MidiPortError::ok);
    LocalParameter& pan = makeParameter("Pan", 0, 127);
    set(1).bind({0xB0, 7, 0}, pan);

    inject(surfacePort, {0xB0, 7, 99});
    settle();
    EXPECT_EQ(volume.getValue(), 99);
    EXPECT_EQ(pan.getValue(), 0);
    inject(otherPort, {0xB0, 7, 42});
    settle();
    EXPECT_EQ(volume.getValue(), 99);
    EXPECT_EQ(pan.getValue(), 42);

    // Still open, as a keyboard input, but no set listens there any more.
    ASSERT_EQ(midi->openKeyboardInput(0, portInfo(MidiDeviceKind::input, otherPort)), MidiPortError::ok);
    ASSERT_EQ(set(1).setInput(MidiDeviceInfo(MidiDeviceKind::input)), MidiPortError::ok);
    inject(otherPort, {0xB0, 7, 10});
    settle();
    EXPECT_EQ(volume.getValue(), 99);
    EXPECT_EQ(pan.getValue(), 42);
}

TEST_F(ControlSetBindingTest, WithLearnOnMessagesGoToTheLearnerNotTheBindings)
{
    LocalParameter& volume = makeParameter("Volume", 0, 127);
    set().bind({0xB0, 7, 0}, volume);
    RecordingLearner learner;
    set().setLearner(&learner);
    set().learnSwitch().setValue(flagsUserEdit, 1);

    set().handleMessage({0xB0, 7, 99});
    settle();
    EXPECT_EQ(volume.getValue(), 0);
    ASSERT_EQ(learner.messages.size(), 1u);
    EXPECT_EQ(learner.messages[0], (MidiMessage{0xB0, 7, 99}));
}

} // namespace
