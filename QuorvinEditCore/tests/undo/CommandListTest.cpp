#include "../params/FakeParameter.h"

#include "conditions/ParameterRangeLink.h"

#include "undo/CommandHistory.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TempFolder.h"
#include "undo/CommandHistoryObserver.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

ParameterPath pagePath(const char16_t* panel, const char16_t* group, const char16_t* widget)
{
    ParameterPath path;
    path.panel = RefString(panel);
    path.group = RefString(group);
    path.widget = RefString(widget);
    return path;
}

class CountingObserver : public CommandHistoryObserver {
public:
    void historyChanged() override { ++calls; }
    int calls = 0;
};

// Two pages, each with its history and one parameter on it.
struct TwoPages : testing::Test {
    CommandHistory voice;
    CommandHistory performance;
    FakeParameter level{0, 127, "level"};
    FakeParameter pan{0, 127, "pan"};

    void SetUp() override
    {
        level.setCommandList(&voice.list());
        pan.setCommandList(&performance.list());
        level.setKeyAndRegister(pagePath(u"Voice", u"Op1", u"Level"));
        pan.setKeyAndRegister(pagePath(u"Perf", u"Part1", u"Pan"));
    }

    void drag(FakeParameter& parameter, std::initializer_list<std::int32_t> values)
    {
        beginCommandGroup(RefString(u"Drag"), flagsUserEdit);
        for (std::int32_t v : values)
            parameter.setValue(flagsUserEdit, v);
        endCommandGroup(flagsUserEdit);
    }
};

// --- Grouping ---------------------------------------------------------------------

TEST_F(TwoPages, ADragIsOneCommandWithOneChangeFromStartToEnd)
{
    drag(level, {10, 20, 30});
    ASSERT_EQ(voice.list().commands().size(), 1u);
    const Command& command = voice.list().commands()[0];
    EXPECT_EQ(std::u16string(command.name.view()), u"Drag");
    ASSERT_EQ(command.changes.size(), 1u);
    EXPECT_EQ(command.changes[0].oldValue, 0);
    EXPECT_EQ(command.changes[0].newValue, 30);
    EXPECT_TRUE(performance.list().commands().empty());
}

TEST_F(TwoPages, ADragBackToTheStartKeepsItsChangeButAnIdleGroupLeavesNothing)
{
    drag(level, {10, 0});
    ASSERT_EQ(voice.list().commands().size(), 1u);
    EXPECT_EQ(voice.list().commands()[0].changes[0].newValue, 0);
    drag(pan, {0, 0});
    EXPECT_TRUE(performance.list().commands().empty());
    EXPECT_EQ(performance.list().position(), 0u);
}

TEST_F(TwoPages, NestedGroupsCloseOnlyAtTheOutermostEnd)
{
    beginCommandGroup(RefString(u"Paste"), flagsUserEdit);
    beginCommandGroup(RefString(u"Inner"), flagsUserEdit);
    level.setValue(flagsUserEdit, 5);
    endCommandGroup(flagsUserEdit);
    EXPECT_EQ(voice.list().groupDepth(), 1u);
    level.setValue(flagsUserEdit, 6);
    pan.setValue(flagsUserEdit, 7);
    endCommandGroup(flagsUserEdit);
    EXPECT_EQ(voice.list().groupDepth(), 0u);
    ASSERT_EQ(voice.list().commands().size(), 1u);
    EXPECT_EQ(std::u16string(voice.list().commands()[0].name.view()), u"Paste");
    EXPECT_EQ(voice.list().commands()[0].changes[0].newValue, 6);
    EXPECT_EQ(performance.list().commands().size(), 1u);
}

TEST_F(TwoPages, GroupsWithDoNotRecordTouchNoList)
{
    beginCommandGroup(RefString(u"Sysex reception"), flagsSysexReceived);
    level.setValue(flagsSysexReceived, 9);
    endCommandGroup(flagsSysexReceived);
    EXPECT_EQ(voice.list().groupDepth(), 0u);
    EXPECT_TRUE(voice.list().commands().empty());
    EXPECT_FALSE(voice.isModified());
}

TEST_F(TwoPages, AChangeOutsideAGroupIsItsOwnCommandNamedAfterItsParameter)
{
    level.setValue(flagsUserEdit, 3);
    ASSERT_EQ(voice.list().commands().size(), 1u);
    EXPECT_EQ(std::u16string(voice.list().commands()[0].name.view()), u"Voice Op1 Level");
}

// --- Undo and redo ------------------------------------------------------------------

TEST_F(TwoPages, UndoAndRedoReplayTheRecordedFlagsWithoutRecording)
{
    RecordingListener listener;
    level.addListener(&listener);
    drag(level, {40, 50});
    const int sendsBefore = level.sends;

    ASSERT_TRUE(voice.list().undo());
    EXPECT_EQ(level.getValue(), 0);
    // Unclamped: the value goes back exactly as it was recorded.
    constexpr std::uint32_t replayed = flagsUserEdit | SetValueFlag::doNotRecord | SetValueFlag::noClamp;
    EXPECT_EQ(level.lastApplied().flags, replayed);
    EXPECT_EQ(level.sends, sendsBefore + 1);
    EXPECT_EQ(listener.heard.back().flags, replayed);
    EXPECT_EQ(voice.list().commands().size(), 1u);

    ASSERT_TRUE(voice.list().redo());
    EXPECT_EQ(level.getValue(), 50);
    EXPECT_EQ(level.sends, sendsBefore + 2);
    EXPECT_EQ(voice.list().commands().size(), 1u);
    EXPECT_EQ(voice.list().position(), 1u);
}

TEST_F(TwoPages, EachPageUndoesOnlyItsOwnPartOfAGesture)
{
    beginCommandGroup(RefString(u"Panel init"), flagsUserReset);
    level.setValue(flagsUserReset, 11);
    pan.setValue(flagsUserReset, 22);
    endCommandGroup(flagsUserReset);

    ASSERT_TRUE(performance.list().undo());
    EXPECT_EQ(pan.getValue(), 0);
    EXPECT_EQ(level.getValue(), 11);
    ASSERT_TRUE(voice.list().undo());
    EXPECT_EQ(level.getValue(), 0);
    EXPECT_TRUE(performance.list().redo());
    EXPECT_EQ(pan.getValue(), 22);
}

TEST_F(TwoPages, ANewEditCutsTheRedoTail)
{
    level.setValue(flagsUserEdit, 1);
    level.setValue(flagsUserEdit, 2);
    level.setValue(flagsUserEdit, 3);
    ASSERT_TRUE(voice.list().undo());
    ASSERT_TRUE(voice.list().undo());
    level.setValue(flagsUserEdit, 9);
    EXPECT_EQ(voice.list().commands().size(), 2u);
    EXPECT_FALSE(voice.list().redo());
}

TEST_F(TwoPages, OpeningAGroupAnywhereCutsTheRedoTailsOfEveryPage)
{
    pan.setValue(flagsUserEdit, 5);
    ASSERT_TRUE(performance.list().undo());
    ASSERT_TRUE(performance.list().canRedo());
    drag(level, {8});
    EXPECT_FALSE(performance.list().canRedo());
    EXPECT_TRUE(performance.list().commands().empty());
}

TEST_F(TwoPages, UndoAndRedoAtTheEndsDoNothing)
{
    EXPECT_FALSE(voice.list().undo());
    EXPECT_FALSE(voice.list().redo());
    level.setValue(flagsUserEdit, 4);
    EXPECT_FALSE(voice.list().redo());
    EXPECT_TRUE(voice.list().undo());
    EXPECT_FALSE(voice.list().undo());
    EXPECT_EQ(level.getValue(), 0);
}

TEST_F(TwoPages, UndoDuringAGroupClosesItFirst)
{
    level.setValue(flagsUserEdit, 1);
    beginCommandGroup(RefString(u"Drag"), flagsUserEdit);
    level.setValue(flagsUserEdit, 2);
    ASSERT_TRUE(voice.list().undo());
    EXPECT_EQ(level.getValue(), 1);
    EXPECT_EQ(voice.list().groupDepth(), 0u);
    endCommandGroup(flagsUserEdit);
    EXPECT_EQ(voice.list().commands().size(), 2u);

    // An idle open group: undo closes it and undoes the command before.
    beginCommandGroup(RefString(u"Idle"), flagsUserEdit);
    ASSERT_TRUE(voice.list().undo());
    EXPECT_EQ(level.getValue(), 0);
    endCommandGroup(flagsUserEdit);
}

TEST_F(TwoPages, RedoDuringAGroupNeverStepsPastTheOpenCommand)
{
    level.setValue(flagsUserEdit, 1);
    ASSERT_TRUE(voice.list().undo());
    beginCommandGroup(RefString(u"Drag"), flagsUserEdit);
    level.setValue(flagsUserEdit, 2);
    EXPECT_FALSE(voice.list().redo());
    EXPECT_EQ(level.getValue(), 2);
    endCommandGroup(flagsUserEdit);
    level.setValue(flagsUserEdit, 3);
    ASSERT_EQ(voice.list().commands().size(), 2u);
    EXPECT_EQ(voice.list().commands()[1].changes[0].oldValue, 2);
}

// --- Values passed on to another page ------------------------------------------------

// A value on the voice page passes its value on to a twin on the
// performance page, which starts apart from it, as after an edit of its own.
struct PassedOnRow {
    const char* name;
    void (*wire)(Parameter& source, Parameter& twin);
    std::uint32_t flags;
    bool grouped;
    std::int32_t sourceBefore, twinBefore, sourceAfter, twinAfter;
};

void link(Parameter& source, Parameter& twin) { source.addLink(&twin); }

// The twin may not rise above the source.
void limit(Parameter& source, Parameter& twin)
{
    ParameterRangeLink& below = ParameterRangeLink::create(&source, 0);
    below.setFullRange(true);
    below.addTarget(&twin);
}

const PassedOnRow passedOnRows[] = {
    {"an edit of a linked value", link, flagsUserEdit, false, 0, 50, 20, 20},
    {"a drag of a linked value", link, flagsUserEdit, true, 0, 50, 20, 20},
    // The file holds the source as it was: only the twin changes.
    {"a file load of a linked value", link, flagsFileLoad, true, 0, 50, 0, 0},
    {"an edit that narrows a range", limit, flagsUserEdit, false, 127, 50, 20, 20},
};

TEST(CommandLists, AValuePassedOnToAnotherPageIsPartOfTheStepThatPassedItOn)
{
    for (const PassedOnRow& row : passedOnRows) {
        SCOPED_TRACE(row.name);
        CommandHistory voice;
        CommandHistory performance;
        FakeParameter source(0, 127);
        FakeParameter twin(0, 127);
        source.setCommandList(&voice.list());
        twin.setCommandList(&performance.list());
        source.setValue(flagsConstruct, row.sourceBefore);
        twin.setValue(flagsConstruct, row.twinBefore);
        row.wire(source, twin);

        if (row.grouped)
            beginCommandGroup(RefString(u"Step"), row.flags);
        source.setValue(row.flags, row.sourceAfter);
        if (row.grouped)
            endCommandGroup(row.flags);
        EXPECT_EQ(twin.getValue(), row.twinAfter);
        EXPECT_EQ(voice.list().commands().size(), 1u);
        EXPECT_TRUE(performance.list().commands().empty()) << "nothing to undo apart";
        EXPECT_TRUE(performance.isModified()) << "the page shows a changed value";

        EXPECT_FALSE(performance.list().undo());
        const int twinSends = twin.sends;
        EXPECT_TRUE(voice.list().undo());
        EXPECT_EQ(source.getValue(), row.sourceBefore);
        EXPECT_EQ(twin.getValue(), row.twinBefore) << "as it was, not as the source's link would have it";
        EXPECT_EQ(twin.sends, twinSends + 1) << "sent once";
        EXPECT_TRUE(voice.list().redo());
        EXPECT_EQ(source.getValue(), row.sourceAfter);
        EXPECT_EQ(twin.getValue(), row.twinAfter);
        EXPECT_EQ(twin.sends, twinSends + 2) << "sent once";
    }
    ParameterRangeLinkBase::destroyAll();
}

// --- Modified mark -------------------------------------------------------------------

TEST_F(TwoPages, TheObserverHearsOnlyWhenTheMarkFlips)
{
    CountingObserver observer;
    voice.setObserver(&observer);
    EXPECT_TRUE(voice.modifiedMark().isEmpty());
    level.setValue(flagsUserEdit, 1);
    level.setValue(flagsUserEdit, 2);
    EXPECT_EQ(observer.calls, 1);
    EXPECT_EQ(std::u16string(voice.modifiedMark().view()), u" (modified)");
    voice.clearModified();
    voice.clearModified();
    EXPECT_EQ(observer.calls, 2);
    ASSERT_TRUE(voice.list().undo());
    EXPECT_TRUE(voice.isModified());
    EXPECT_EQ(observer.calls, 3);
    voice.list().clear();
    EXPECT_FALSE(voice.isModified());
    EXPECT_TRUE(voice.list().commands().empty());
    EXPECT_EQ(observer.calls, 4);
}

TEST_F(TwoPages, UnchangedValuesDoNotMarkTheHistory)
{
    level.setValue(flagsUserEdit, 0);
    EXPECT_FALSE(voice.isModified());
    EXPECT_TRUE(voice.list().commands().empty());
}

// --- History text ------------------------------------------------------------------

TEST_F(TwoPages, HistoryTextMarksTheNextCommandToRedo)
{
    drag(level, {3, 4});
    level.setValue(flagsUserEdit, 5);
    ASSERT_TRUE(voice.list().undo());
    EXPECT_EQ(voice.list().dump(),
        "Command history:\n"
        "\tDrag\n"
        "\t\tVoice Op1 Level from 0 to 4\n"
        ">\tVoice Op1 Level\n"
        "\t\tVoice Op1 Level from 4 to 5\n");
}

TEST_F(TwoPages, HistoryFileIsUtf8AndReplacedWhole)
{
    FakeParameter named(-10, 10);
    named.setCommandList(&voice.list());
    named.setKeyAndRegister(pagePath(u"Stimme", u"Hüllkurve", u"Pegel"));
    named.setValue(flagsUserEdit, -3);

    const TempFolder folder("history");
    const std::string file = (folder / CommandHistory::historyFileName).string();
    writeFile(file, "an older and much longer history that must not survive\n");
    ASSERT_TRUE(voice.writeHistory(file));
    EXPECT_EQ(readFile(file), "Command history:\n\tStimme Hüllkurve Pegel\n\t\tStimme Hüllkurve Pegel from -10 to -3\n");
}

// --- Destroyed parameters -----------------------------------------------------------

TEST_F(TwoPages, ADestroyedParameterLeavesNoCommandThatCanStillBeUndone)
{
    auto gone = std::make_unique<FakeParameter>(0, 127);
    gone->setCommandList(&voice.list());
    level.setValue(flagsUserEdit, 1);
    gone->setValue(flagsUserEdit, 2);
    beginCommandGroup(RefString(u"Both"), flagsUserEdit);
    gone->setValue(flagsUserEdit, 3);
    level.setValue(flagsUserEdit, 4);
    endCommandGroup(flagsUserEdit);
    ASSERT_TRUE(voice.list().undo());
    ASSERT_EQ(voice.list().position(), 2u);

    gone.reset();
    ASSERT_EQ(voice.list().commands().size(), 2u);
    EXPECT_EQ(voice.list().position(), 1u);
    EXPECT_EQ(voice.list().commands()[1].changes.size(), 1u);
    ASSERT_TRUE(voice.list().redo());
    EXPECT_EQ(level.getValue(), 4);
    ASSERT_TRUE(voice.list().undo());
    ASSERT_TRUE(voice.list().undo());
    EXPECT_EQ(level.getValue(), 0);
    EXPECT_FALSE(voice.list().undo());
}

// The forgotten command is the next one to redo: the commands before it stay
// undoable, so the position must not move back over one of them.
TEST_F(TwoPages, ADestroyedParametersCommandAtThePositionKeepsTheUndoableOnes)
{
    auto gone = std::make_unique<FakeParameter>(0, 127);
    gone->setCommandList(&voice.list());
    level.setValue(flagsUserEdit, 1);
    gone->setValue(flagsUserEdit, 2);
    level.setValue(flagsUserEdit, 3);
    ASSERT_TRUE(voice.list().undo());
    ASSERT_TRUE(voice.list().undo());
    ASSERT_EQ(voice.list().position(), 1u);

    gone.reset();
    ASSERT_EQ(voice.list().commands().size(), 2u);
    EXPECT_EQ(voice.list().position(), 1u);
    ASSERT_TRUE(voice.list().redo());
    EXPECT_EQ(level.getValue(), 3);
    ASSERT_TRUE(voice.list().undo());
    ASSERT_TRUE(voice.list().undo());
    EXPECT_EQ(level.getValue(), 0);
}

TEST_F(TwoPages, ADestroyedParameterKeepsAnOpenGroupOpen)
{
    auto gone = std::make_unique<FakeParameter>(0, 127);
    gone->setCommandList(&voice.list());
    beginCommandGroup(RefString(u"Drag"), flagsUserEdit);
    gone->setValue(flagsUserEdit, 3);
    gone.reset();
    level.setValue(flagsUserEdit, 4);
    endCommandGroup(flagsUserEdit);
    ASSERT_EQ(voice.list().commands().size(), 1u);
    EXPECT_EQ(std::u16string(voice.list().commands()[0].name.view()), u"Drag");
}

TEST(CommandLists, RegisterForTheirLifetimeInOrderOfConstruction)
{
    const std::size_t before = allCommandLists().size();
    auto first = std::make_unique<CommandList>();
    CommandList second;
    ASSERT_EQ(allCommandLists().size(), before + 2);
    EXPECT_EQ(allCommandLists()[before], first.get());
    EXPECT_EQ(allCommandLists()[before + 1], &second);
    first.reset();
    EXPECT_EQ(allCommandLists().size(), before + 1);
    EXPECT_FALSE(isCommandListAlive(nullptr));
}

TEST(CommandLists, AParameterOutlivingItsHistoryDoesNotTouchIt)
{
    FakeParameter survivor(0, 127);
    {
        CommandHistory history;
        survivor.setCommandList(&history.list());
        survivor.setValue(flagsUserEdit, 3);
        survivor.setCommandList(nullptr);
    }
    // Destroying the survivor now must not reach the dead list.
}

} // namespace
