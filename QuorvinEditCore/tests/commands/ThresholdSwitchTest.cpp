// The formant-sequence speed switch over its 0..5000 speed: on and off set
// fixed speeds, and the switch follows the speed however it changes.
#include "commands/ThresholdSwitchParameter.h"
#include "tests/params/FakeParameter.h"
#include "tests/support/ListenerCounter.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int32_t maximumSpeed = 5000;

} // namespace

TEST(ThresholdSwitchTest, TheSwitchStartsOffAndFollowsTheSpeedAcrossTheThresholdBothWays)
{
    FakeParameter speed(0, maximumSpeed);
    speed.force(700);
    const ThresholdSwitchParameter speedSwitch(speed);
    EXPECT_EQ(speed.getValue(), 2);
    EXPECT_EQ(speed.defaultValue(), 2);
    EXPECT_EQ(speedSwitch.getValue(), 0);
    speed.setValue(flagsUserEdit, 100);
    EXPECT_EQ(speedSwitch.getValue(), 1);
    speed.setValue(flagsUserEdit, 99);
    EXPECT_EQ(speedSwitch.getValue(), 0);
}

TEST(ThresholdSwitchTest, SwitchingSetsTheSpeedWithTheSameFlagsAndNoValueLeavesIt)
{
    FakeParameter speed(0, maximumSpeed);
    ThresholdSwitchParameter speedSwitch(speed);
    speedSwitch.setValue(flagsUserEdit, 1);
    EXPECT_EQ(speed.getValue(), 1000);
    EXPECT_EQ(speed.lastApplied().flags, flagsUserEdit);
    speedSwitch.setValue(flagsFileLoad, 0);
    EXPECT_EQ(speed.getValue(), 2);
    EXPECT_EQ(speed.lastApplied().flags, flagsFileLoad);
    // "No value" only notifies; it must not count as on.
    speedSwitch.setValue(flagsUserEdit, Parameter::noValue);
    EXPECT_EQ(speed.getValue(), 2);
}

TEST(ThresholdSwitchTest, TheSwitchControlHearsOnceOfEverySpeedChange)
{
    auto speed = std::make_unique<FakeParameter>(0, maximumSpeed);
    ThresholdSwitchParameter speedSwitch(*speed);
    ListenerCounter switchControl;
    speedSwitch.addListener(&switchControl);
    speed->setValue(flagsSysexReceived, 1000);
    ASSERT_EQ(switchControl.heard.size(), 1u);
    EXPECT_EQ(switchControl.heard[0].parameter, &speedSwitch);
    speedSwitch.setValue(flagsUserEdit, 0);
    EXPECT_EQ(switchControl.heard.size(), 2u);
    speed->setValue(flagsUserEdit, 1000);
    speed.reset();
    EXPECT_EQ(speedSwitch.getValue(), 0);
    speedSwitch.setValue(flagsUserEdit, 1);
}
