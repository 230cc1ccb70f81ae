#include "conditions/ValueRangeCondition.h"
#include "layout/ElementStates.h"
#include "localparams/LocalParameter.h"
#include "params/SetValueFlags.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Stands for a control of the group: re-evaluates its own sets when told.
class FollowingControl : public ParameterListener {
public:
    void onParameterChanged(Parameter* /*parameter*/, std::uint32_t /*flags*/) override
    {
        shown = shownConditions.evaluate();
        enabled = enabledConditions.evaluate();
        ++told;
    }

    ConditionSet shownConditions{this};
    ConditionSet enabledConditions{this};
    bool shown = true;
    bool enabled = true;
    int told = 0;
};

// A group whose shown state follows a switch (shown while 1) and whose
// enabled state follows a bank (enabled for 1 to 4), with one control
// following the group.
class GroupStates : public testing::Test {
protected:
    GroupStates()
    {
        group.shownConditions().addRequired(std::make_shared<ValueRangeCondition>(&visible, 1, 1));
        group.enabledConditions().addRequired(std::make_shared<ValueRangeCondition>(&bank, 1, 4));
        control.shownConditions.addRequired(group.followShown());
        control.enabledConditions.addRequired(group.followEnabled());
    }

    LocalParameter visible{0, 1, 1};
    LocalParameter bank{0, 4, 1};
    ElementStates group;
    FollowingControl control;
};

TEST_F(GroupStates, ConditionsReachTheControlsOnlyWhenAGroupStateChanges)
{
    bank.setValue(flagsUserEdit, 0);
    EXPECT_FALSE(group.isEnabled());
    EXPECT_FALSE(control.enabled);
    EXPECT_TRUE(control.shown);
    EXPECT_EQ(control.told, 1);
    bank.setValue(flagsUserEdit, 3);
    bank.setValue(flagsUserEdit, 2);
    EXPECT_TRUE(control.enabled);
    EXPECT_EQ(control.told, 2) << "a source change that leaves the state as it was tells no control";
    visible.setValue(flagsUserEdit, 0);
    EXPECT_FALSE(group.isShown());
    EXPECT_FALSE(control.shown);
    EXPECT_TRUE(control.enabled);
}

TEST_F(GroupStates, SetShownTellsOnlyChangesAndConditionsMayOverrideIt)
{
    group.setShown(true);
    EXPECT_EQ(control.told, 0);
    group.setShown(false);
    EXPECT_FALSE(control.shown);
    EXPECT_EQ(control.told, 1);
    bank.setValue(flagsUserEdit, 2);
    EXPECT_TRUE(group.isShown()) << "the shown conditions hold again";
    EXPECT_TRUE(control.shown);
}

TEST(ElementStatesLifetime, AConditionKeptBeyondItsElementStillAnswers)
{
    FollowingControl control;
    {
        ElementStates group;
        group.setShown(false);
        control.shownConditions.addRequired(group.followShown());
    }
    EXPECT_FALSE(control.shownConditions.evaluate());
}

} // namespace
