#include "conditions/ConditionSet.h"
#include "conditions/ValueRangeCondition.h"
#include "localparams/LocalParameter.h"
#include "params/ParameterListener.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Behaves as a control does: re-evaluates both of its sets when told.
class ConditionOwner : public ParameterListener {
public:
    void onParameterChanged(Parameter* /*parameter*/, std::uint32_t /*flags*/) override
    {
        isShown = shown.evaluate();
        isEnabled = enabled.evaluate();
    }

    ConditionSet shown{this};
    ConditionSet enabled{this};
    bool isShown = true;
    bool isEnabled = true;
};

// A fixed answer that counts how often it is asked and subscribed.
class FixedCondition : public Condition {
public:
    explicit FixedCondition(bool value) : value_(value) {}
    bool isTrue() const override
    {
        ++asked;
        return value_;
    }
    void subscribe(ParameterListener& /*listener*/) override { ++subscriptions; }

    mutable int asked = 0;
    int subscriptions = 0;

private:
    bool value_;
};

std::shared_ptr<FixedCondition> fixed(bool value) { return std::make_shared<FixedCondition>(value); }

TEST(ValueRangeConditionTest, BothEndsOfTheRangeCount)
{
    LocalParameter source(0, 10);
    const ValueRangeCondition condition(&source, 1, 3);
    const bool expected[] = {false, true, true, true, false};
    for (std::int32_t value = 0; value <= 4; ++value) {
        source.setValue(flagsConstruct, value);
        EXPECT_EQ(condition.isTrue(), expected[value]) << value;
    }
}

TEST(ConditionSetTest, OwnerIsShownAndEnabledAsTheSourcesChange)
{
    LocalParameter mode(0, 3);
    LocalParameter level(0, 127);
    ConditionOwner owner;
    // Shown in modes 1 and 3; enabled in mode 1 while the level is 64 or more.
    owner.shown.addAlternative(std::make_shared<ValueRangeCondition>(&mode, 1, 1));
    owner.shown.addAlternative(std::make_shared<ValueRangeCondition>(&mode, 3, 3));
    owner.enabled.addRequired(std::make_shared<ValueRangeCondition>(&mode, 1, 1));
    owner.enabled.addRequired(std::make_shared<ValueRangeCondition>(&level, 64, 127));

    mode.setValue(flagsUserEdit, 1);
    EXPECT_TRUE(owner.isShown);
    EXPECT_FALSE(owner.isEnabled);
    level.setValue(flagsUserEdit, 64);
    EXPECT_TRUE(owner.isEnabled);
    mode.setValue(flagsUserEdit, 2);
    EXPECT_FALSE(owner.isShown);
    EXPECT_FALSE(owner.isEnabled);
    mode.setValue(flagsUserEdit, 3);
    EXPECT_TRUE(owner.isShown);
    EXPECT_FALSE(owner.isEnabled);
    // Received values switch the owner too.
    mode.setValue(flagsSysexReceived, 1);
    EXPECT_TRUE(owner.isShown);
    EXPECT_TRUE(owner.isEnabled);
}

TEST(ConditionSetTest, FalseRequiredConditionEndsTheTestBeforeTheAlternatives)
{
    ConditionSet set;
    const auto yes = fixed(true);
    const auto no = fixed(false);
    const auto alternative = fixed(true);
    set.addRequired(yes);
    set.addRequired(no);
    set.addAlternative(alternative);
    EXPECT_FALSE(set.evaluate());
    EXPECT_EQ(alternative->asked, 0);
}

TEST(ConditionSetTest, AlternativesNeedOneTrueOnlyWhenThereAreAny)
{
    ConditionSet empty;
    EXPECT_TRUE(empty.evaluate());

    ConditionSet requiredOnly;
    requiredOnly.addRequired(fixed(true));
    EXPECT_TRUE(requiredOnly.evaluate());

    ConditionSet noAlternativeHolds;
    noAlternativeHolds.addRequired(fixed(true));
    noAlternativeHolds.addAlternative(fixed(false));
    noAlternativeHolds.addAlternative(fixed(false));
    EXPECT_FALSE(noAlternativeHolds.evaluate());

    ConditionSet secondHolds;
    const auto third = fixed(true);
    secondHolds.addAlternative(fixed(false));
    secondHolds.addAlternative(fixed(true));
    secondHolds.addAlternative(third);
    EXPECT_TRUE(secondHolds.evaluate());
    EXPECT_EQ(third->asked, 0);
}

TEST(ConditionSetTest, OnlyASetWithOwnerSubscribes)
{
    const auto condition = fixed(true);
    ConditionSet ownerless;
    ownerless.addRequired(condition);
    ownerless.addAlternative(condition);
    EXPECT_EQ(condition->subscriptions, 0);

    ConditionOwner owner;
    owner.shown.addRequired(condition);
    owner.enabled.addAlternative(condition);
    EXPECT_EQ(condition->subscriptions, 2);
}

// A dialog's controls and parameters die before the program ends; what is
// left must neither read a freed source nor call a freed owner.
TEST(ConditionSetTest, DestroyedSourceOrOwnerLeavesNothingDangling)
{
    auto source = std::make_unique<LocalParameter>(0, 10, 5);
    const auto condition = std::make_shared<ValueRangeCondition>(source.get(), 5, 10);
    auto owner = std::make_unique<ConditionOwner>();
    ConditionOwner survivor;
    owner->shown.addRequired(condition);
    survivor.shown.addRequired(condition);

    owner.reset();
    source->setValue(flagsUserEdit, 2);
    EXPECT_FALSE(survivor.isShown);
    source->setValue(flagsUserEdit, 7);
    EXPECT_TRUE(survivor.isShown);

    source.reset();
    EXPECT_FALSE(condition->isTrue());
    EXPECT_FALSE(survivor.shown.evaluate());
    // Subscribing to a condition whose source is gone subscribes nothing.
    ConditionOwner late;
    late.shown.addRequired(condition);
    EXPECT_FALSE(late.shown.evaluate());
}

} // namespace
