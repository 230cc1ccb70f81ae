// The keyboard rules of every control, and the steps a Page Up or Page Down
// makes: a wrong row here changes what keys do on every page.
#include "controls/ControlKeys.h"
#include "controls/ValueStep.h"
#include "localparams/LocalParameter.h"

#include <gtest/gtest.h>
#include <wx/defs.h>

namespace {

struct KeyRow {
    int keyCode;
    bool ctrl;
    ControlKeyAction action;
};

constexpr KeyRow keyTable[] = {
    {'C', true, ControlKeyAction::copy},
    {'I', true, ControlKeyAction::init},
    {'V', true, ControlKeyAction::paste},
    {WXK_PAGEUP, true, ControlKeyAction::popOut},
    {WXK_NUMPAD_ADD, true, ControlKeyAction::popOut},
    {WXK_PAGEDOWN, true, ControlKeyAction::popIn},
    {WXK_NUMPAD_SUBTRACT, true, ControlKeyAction::popIn},
    {WXK_TAB, false, ControlKeyAction::navigate},
    {WXK_RETURN, false, ControlKeyAction::enter},
    {WXK_NUMPAD_ENTER, false, ControlKeyAction::enter},
    {WXK_ESCAPE, false, ControlKeyAction::escape},
    {WXK_LEFT, false, ControlKeyAction::previousRole},
    {WXK_UP, false, ControlKeyAction::previousRole},
    {WXK_RIGHT, false, ControlKeyAction::nextRole},
    {WXK_DOWN, false, ControlKeyAction::nextRole},
    {WXK_HOME, false, ControlKeyAction::firstRole},
    {WXK_NUMPAD_BEGIN, false, ControlKeyAction::firstRole},
    {WXK_END, false, ControlKeyAction::lastRole},
    {WXK_NUMPAD_END, false, ControlKeyAction::lastRole},
    {WXK_PAGEUP, false, ControlKeyAction::stepUp},
    {WXK_NUMPAD_ADD, false, ControlKeyAction::stepUp},
    {WXK_PAGEDOWN, false, ControlKeyAction::stepDown},
    {WXK_NUMPAD_SUBTRACT, false, ControlKeyAction::stepDown},
    // Passed on, so the page and the main window still get them.
    {'C', false, ControlKeyAction::pass},
    {WXK_TAB, true, ControlKeyAction::pass},
    {WXK_LEFT, true, ControlKeyAction::pass},
    {WXK_ESCAPE, true, ControlKeyAction::pass},
    {'Z', true, ControlKeyAction::pass},
    {WXK_NUMPAD_HOME, false, ControlKeyAction::pass},
    {WXK_NUMPAD_PAGEUP, false, ControlKeyAction::pass},
    {WXK_NUMPAD_PAGEDOWN, false, ControlKeyAction::pass},
    {WXK_F1, false, ControlKeyAction::pass},
};

} // namespace

TEST(ControlKeys, EveryKeyDoesWhatTheTableSays)
{
    for (const KeyRow& row : keyTable)
        EXPECT_EQ(controlKeyAction(row.keyCode, row.ctrl), row.action)
            << "key " << row.keyCode << (row.ctrl ? " with Ctrl" : "");
}

TEST(ValueStep, StepUpPastTheAllowedMaximumWrapsToTheAllowedMinimum)
{
    LocalParameter parameter(0, 127, 99);
    parameter.setAllowedRange(10, 99, 0);
    stepValue(parameter, true, flagsUserEdit);
    EXPECT_EQ(parameter.getValue(), 10);
}

TEST(ValueStep, StepDownBelowTheAllowedMinimumWrapsToTheAllowedMaximum)
{
    LocalParameter parameter(0, 127, 10);
    parameter.setAllowedRange(10, 99, 0);
    stepValue(parameter, false, flagsUserEdit);
    EXPECT_EQ(parameter.getValue(), 99);
}

TEST(ValueStep, StepsJumpOverTheExcludedValueInTheirDirection)
{
    LocalParameter parameter(-7, 7, 1);
    parameter.setExcludedValue(0);
    stepValue(parameter, false, flagsUserEdit);
    EXPECT_EQ(parameter.getValue(), -1);
    stepValue(parameter, true, flagsUserEdit);
    EXPECT_EQ(parameter.getValue(), 1);
}
