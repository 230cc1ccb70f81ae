// Runs of MIDI control moves become undo steps: the first change of a run is
// recorded before the grouper sees it, the rest join one "MIDI control"
// command that closes when the timer runs out or another control moves.
#include "midi/MidiControlBinding.h"
#include "tests/controlsets/ControlSetFixture.h"
#include "undo/CommandList.h"

namespace {

class GrouperTest : public ControlSetFixture {
protected:
    void SetUp() override
    {
        openSurface(set());
        knobA.setCommandList(&history);
        knobB.setCommandList(&history);
        set().bind({0xB0, 1, 0}, knobA);
        set().bind({0xB0, 2, 0}, knobB);
    }

    void turn(std::uint8_t controller, std::uint8_t value)
    {
        set().handleMessage({0xB0, controller, value});
        settle();
    }

    std::vector<std::string> commandNames() const
    {
        std::vector<std::string> names;
        for (const Command& command : history.commands())
            names.push_back(command.name.toUtf8());
        return names;
    }

    const Change& change(std::size_t command, std::size_t index) const
    {
        return history.commands().at(command).changes.at(index);
    }

    CommandList history;
    LocalParameter& knobA = makeParameter("KnobA", 0, 127);
    LocalParameter& knobB = makeParameter("KnobB", 0, 127);
};

TEST_F(GrouperTest, AKnobRunIsItsFirstChangeThenOneMidiControlCommand)
{
    turn(1, 10);
    turn(1, 20);
    turn(1, 30);
    EXPECT_TRUE(timer->running);
    EXPECT_EQ(timer->lastDelay, MidiControlGrouper::closeDelay);
    EXPECT_EQ(history.groupDepth(), 1u);
    fireTimer();

    EXPECT_EQ(history.groupDepth(), 0u);
    EXPECT_EQ(grouper->current(), MidiControlEvent::noBinding);
    ASSERT_EQ(commandNames(), (std::vector<std::string>{knobA.getName().toUtf8(), "MIDI control"}));
    EXPECT_EQ(change(1, 0).oldValue, 10);
    EXPECT_EQ(change(1, 0).newValue, 30);
    EXPECT_TRUE(log.contains("MIDI control: start cmd group"));
    EXPECT_TRUE(log.contains("MIDI control: end cmd group"));

    ASSERT_TRUE(history.undo());
    EXPECT_EQ(knobA.getValue(), 10);
}

TEST_F(GrouperTest, AnotherKnobClosesTheRunningGroupAfterItsFirstChangeJoinedIt)
{
    turn(1, 10);
    turn(1, 20);
    turn(2, 5);
    turn(2, 6);
    fireTimer();

    ASSERT_EQ(commandNames(), (std::vector<std::string>{knobA.getName().toUtf8(), "MIDI control", "MIDI control"}));
    const std::vector<Change>& firstGroup = history.commands()[1].changes;
    ASSERT_EQ(firstGroup.size(), 2u);
    EXPECT_EQ(firstGroup[1].parameter, &knobB);
    EXPECT_EQ(firstGroup[1].newValue, 5);
    EXPECT_EQ(change(2, 0).parameter, &knobB);
    EXPECT_EQ(change(2, 0).newValue, 6);
    EXPECT_TRUE(log.contains("*MIDI control: new cmd group"));
}

TEST_F(GrouperTest, ErasingTheGroupedBindingClosesItsGroupAtOnce)
{
    turn(1, 10);
    turn(1, 20);
    ASSERT_EQ(grouper->current(), set().binding(0).serial());
    set().eraseBinding(0);

    EXPECT_EQ(grouper->current(), MidiControlEvent::noBinding);
    EXPECT_FALSE(timer->running);
    EXPECT_EQ(history.groupDepth(), 0u);
    turn(2, 7);
    turn(2, 8);
    EXPECT_EQ(history.groupDepth(), 1u) << "a new run must open one group, not nest in a stale one";
}

TEST_F(GrouperTest, AMoveQueuedBeforeItsBindingWasErasedLeavesNoGroupOpenForever)
{
    set().handleMessage({0xB0, 1, 10});
    set().eraseBinding(0);
    settle();
    ASSERT_TRUE(timer->running);
    fireTimer();
    EXPECT_EQ(history.groupDepth(), 0u);
}

TEST_F(GrouperTest, ALateTimerEventLeavesAGroupSomeoneElseOpenedAlone)
{
    turn(1, 10);
    fireTimer();
    beginCommandGroup(RefString(u"Drag"), flagsUserEdit);
    grouper->timerExpired();
    settle();
    EXPECT_EQ(history.groupDepth(), 1u);
    endCommandGroup(flagsUserEdit);
}

} // namespace
