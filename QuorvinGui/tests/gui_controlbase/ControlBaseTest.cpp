// Binding, repainting on change, defaults, range limits and the lifetime
// rule of the control base.
#include "ControlFixture.h"

#include "conditions/ValueRangeCondition.h"
#include "labels/ValueLabels.h"
#include "text/WxText.h"

TEST_F(ControlFixture, NotifiedChangeRepaintsTheControlAndAQuietOneDoesNot)
{
    TestControl& control = addBoundControl(0, 127, 0);
    ASSERT_TRUE(pumpEventsUntil([&] { return control.paints > 0; }));
    const int before = control.paints;
    control.mainParameter()->setValue(flagsConstruct, 5);
    pumpEventsFor(std::chrono::milliseconds(100));
    EXPECT_EQ(control.paints, before);
    control.mainParameter()->setValue(flagsSysexReceived, 6);
    EXPECT_TRUE(pumpEventsUntil([&] { return control.paints > before; }));
}

TEST_F(ControlFixture, ShownAndEnabledFollowTheirConditionsOnEveryChange)
{
    LocalParameter& mode = addParameter(0, 3, 0);
    TestControl& control = addBoundControl(0, 10, 0);
    control.shownConditions().addRequired(std::make_shared<ValueRangeCondition>(&mode, 1, 3));
    control.enabledConditions().addRequired(std::make_shared<ValueRangeCondition>(&mode, 2, 3));
    mode.setValue(flagsUserEdit, 1);
    EXPECT_TRUE(control.isShown());
    EXPECT_FALSE(control.isEnabled());
    mode.setValue(flagsUserEdit, 0);
    EXPECT_FALSE(control.isShown());
}

TEST_F(ControlFixture, BindingKeepsTheLastParameterOfARoleAndANullBindChangesNothing)
{
    TestControl& control = addControl();
    LocalParameter& first = addParameter(0, 10, 0);
    LocalParameter& second = addParameter(0, 10, 0);
    control.bindParameter(&first).bindParameter(&second).bindParameter(nullptr, 268);
    EXPECT_EQ(control.getParameter(0), &second);
    EXPECT_EQ(control.mainParameter(), &second);
    EXPECT_EQ(control.roles().size(), 1u);
    EXPECT_TRUE(first.listeners().contains(&control));
    // Both carry the control's path; the registry told them apart by index.
    EXPECT_EQ(toWxString(second.key().path.widget), "control");
    EXPECT_NE(first.key().path.index, second.key().path.index);
}


TEST_F(ControlFixture, DisplayScaleMakesDisplayedZeroTheDefaultWithoutAnUndoStep)
{
    TestControl& control = addBoundControl(0, 127, 0);
    control.setDisplayScale(Rational(1, 1), Rational(-64, 1));
    EXPECT_EQ(control.mainParameter()->getValue(), 64);
    EXPECT_EQ(control.mainParameter()->defaultValue(), 64);
    EXPECT_TRUE(list.commands().empty());
}

TEST_F(ControlFixture, UnknownDefaultLabelMakesTheDefaultZeroClamped)
{
    static const RefString texts[] = {RefString(u"Off"), RefString(u"On")};
    static const ValueLabels labels(texts, 2);
    TestControl& control = addBoundControl(0, 1, 1);
    control.setValueLabels(&labels).setDefaultLabel(RefString(u"On"));
    EXPECT_EQ(control.mainParameter()->defaultValue(), 1);
    control.setDefaultLabel(RefString(u"Maybe"));
    EXPECT_EQ(control.mainParameter()->getValue(), 0);
}

TEST_F(ControlFixture, DefaultsWithoutAParameterAreIgnored)
{
    TestControl& control = addControl();
    control.setDefaultDisplayValue(Rational(3, 1)).setDefaultLabel(RefString(u"On")).setDefaultValue(2);
    control.init(flagsUserEdit);
    EXPECT_TRUE(list.commands().empty());
}

TEST_F(ControlFixture, FirstHoldingRangeLimitWinsAndAnInsideValueIsNotSetAgain)
{
    LocalParameter& mode = addParameter(0, 2, 0);
    TestControl& control = addBoundControl(0, 127, 50);
    Parameter& value = *control.mainParameter();
    control.addRangeLimit(0, 99, std::make_shared<ValueRangeCondition>(&mode, 1, 2));
    control.addRangeLimit(0, 20, std::make_shared<ValueRangeCondition>(&mode, 2, 2));
    EXPECT_EQ(value.allowedMaximum(), 127);

    mode.setValue(flagsUserEdit, 2);
    EXPECT_EQ(value.allowedMaximum(), 99) << "only the first holding limit applies";
    EXPECT_EQ(value.getValue(), 50);
    EXPECT_EQ(list.commands().size(), 1u) << "a value inside the new range is not set";

    control.addRangeLimit(200, 300, std::make_shared<ValueRangeCondition>(&mode, 0, 0));
    mode.setValue(flagsUserEdit, 0);
    EXPECT_LE(value.allowedMinimum(), value.allowedMaximum()) << "a limit outside the range turned it over";
}

TEST_F(ControlFixture, RangeLimitMovesAnOutsideValueIntoTheNarrowedRange)
{
    LocalParameter& mode = addParameter(0, 1, 0);
    TestControl& control = addBoundControl(0, 127, 100);
    control.addRangeLimit(0, 63, std::make_shared<ValueRangeCondition>(&mode, 1, 1));
    mode.setValue(flagsUserEdit, 1);
    EXPECT_EQ(control.mainParameter()->getValue(), 63);
}

TEST_F(ControlFixture, ParametersDestroyedFirstLeaveTheControlUsable)
{
    TestControl& control = addBoundControl(0, 127, 0);
    focus(control);
    parameters.clear();
    EXPECT_EQ(control.mainParameter(), nullptr);
    EXPECT_TRUE(control.roles().empty());
    pressKey(WXK_PAGEUP);
    sendMenuCommand(control, Control::menuInit);
    EXPECT_EQ(list.groupDepth(), 0u);
    Control::toggleSelected(control, true);
    controls.clear();
    EXPECT_EQ(Control::focusedControl(), nullptr);
    EXPECT_TRUE(Control::selectedControls().empty()) << "a dead control stayed selected";
}

