#include "conditions/ValueRangeCondition.h"
#include "layout/ElementStates.h"
#include "localparams/LocalParameter.h"
#include "params/SetValueFlags.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Stands for a control of the group: counts what it is told.
class FollowingControl : public ParameterListener {
public:
    void onParameterChanged(Parameter* /*parameter*/, std::uint32_t /*flags*/) override { ++told; }

    ConditionSet shownConditions{this};
    int told = 0;
};

TEST(ElementStatesTest, ControlsHearOnlyRealChangesOfTheGroupState)
{
    LocalParameter visible(0, 3, 1);
    ElementStates group;
    group.shownConditions().addRequired(std::make_shared<ValueRangeCondition>(&visible, 1, 2));
    FollowingControl control;
    control.shownConditions.addRequired(group.followShown());

    visible.setValue(flagsUserEdit, 2);
    EXPECT_EQ(control.told, 0) << "still shown";
    visible.setValue(flagsUserEdit, 3);
    EXPECT_FALSE(control.shownConditions.evaluate());
    group.setShown(false);
    EXPECT_EQ(control.told, 1);
    group.setShown(true);
    EXPECT_TRUE(control.shownConditions.evaluate()) << "set by hand until the conditions change again";
    EXPECT_TRUE(group.isEnabled());
}

TEST(ElementStatesTest, AConditionKeptBeyondItsElementStillAnswers)
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
