#include "localparams/GroupParameter.h"
#include "localparams/LocalParameter.h"
#include "tests/support/ListenerCounter.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(GroupParameterTest, GroupWithoutMembersReadsOn)
{
    EXPECT_EQ(GroupParameter(1).getValue(), 1);
    EXPECT_EQ(GroupParameter(0).getValue(), 1);
}

// "Show all": whatever the button sends, every member is set to the
// reference value with the button's flags.
TEST(GroupParameterTest, PressSetsEveryMemberWithTheCallersFlags)
{
    LocalParameter first(0, 1, 0);
    LocalParameter second(0, 1, 1);
    LocalParameter third(0, 1, 0);
    GroupParameter showAll(1);
    ListenerCounter memberListener;
    third.addListener(&memberListener);
    for (LocalParameter* member : {&first, &second, &third})
        showAll.addMember(member);
    EXPECT_EQ(showAll.getValue(), 0);

    showAll.setValue(flagsUserEdit, 0);
    EXPECT_EQ(first.getValue(), 1);
    EXPECT_EQ(second.getValue(), 1);
    EXPECT_EQ(third.getValue(), 1);
    EXPECT_EQ(showAll.getValue(), 1);
    ASSERT_EQ(memberListener.heard.size(), 1u);
    EXPECT_EQ(memberListener.heard[0].flags, flagsUserEdit | SetValueFlag::doNotRecord);

    second.setValue(flagsUserEdit, 0);
    EXPECT_EQ(showAll.getValue(), 0);
}

// Tool buttons: one group per tool over the one tool selector.
TEST(GroupParameterTest, ToolButtonsSelectTheirToolAndShowWhichIsSelected)
{
    LocalParameter toolSelector(0, 1, 0);
    GroupParameter drawButton(0);
    GroupParameter lineButton(1);
    drawButton.addMember(&toolSelector);
    lineButton.addMember(&toolSelector);

    lineButton.setValue(flagsUserEdit, 0);
    EXPECT_EQ(toolSelector.getValue(), 1);
    EXPECT_EQ(lineButton.getValue(), 1);
    EXPECT_EQ(drawButton.getValue(), 0);

    drawButton.setValue(flagsUserEdit, 1);
    EXPECT_EQ(toolSelector.getValue(), 0);
    EXPECT_EQ(drawButton.getValue(), 1);
    EXPECT_EQ(lineButton.getValue(), 0);
}

TEST(GroupParameterTest, GroupTellsItsOwnListenersOnlyOfNotifiedMemberChanges)
{
    LocalParameter member(0, 1, 0);
    GroupParameter group(1);
    group.addMember(&member);
    ListenerCounter button;
    group.addListener(&button);

    member.setValue(flagsConstruct, 1);
    EXPECT_TRUE(button.heard.empty());

    member.setValue(flagsSysexReceived, 0);
    ASSERT_EQ(button.heard.size(), 1u);
    EXPECT_EQ(button.heard[0].parameter, &group);
    EXPECT_EQ(button.heard[0].flags, (flagsSysexReceived | SetValueFlag::doNotRecord) & ~SetValueFlag::storeBoundData);

    // A press: once for the member, once for the group itself.
    button.heard.clear();
    group.setValue(flagsUserEdit, 1);
    EXPECT_EQ(button.heard.size(), 2u);
}

TEST(GroupParameterTest, DestroyedMembersAndGroupsLeaveEachOther)
{
    auto doomed = std::make_unique<LocalParameter>(0, 1, 0);
    LocalParameter kept(0, 1, 1);
    auto group = std::make_unique<GroupParameter>(1);
    group->addMember(doomed.get());
    group->addMember(&kept);
    EXPECT_EQ(group->getValue(), 0);

    doomed.reset();
    ASSERT_EQ(group->members().size(), 1u);
    EXPECT_EQ(group->getValue(), 1);
    group->setValue(flagsUserEdit, 1);

    group.reset();
    EXPECT_EQ(kept.listeners().size(), 0u);
    kept.setValue(flagsUserEdit, 0);
}

} // namespace
