// Keys, wheel, focus, selection and the Init/Copy/Paste menu through a real
// window: what the user does to a control and what lands in the undo history.
#include "ControlFixture.h"

#include "midi/FocusedParameters.h"

TEST_F(ControlFixture, HeldPageUpIsOneUndoStepUntilTheKeyIsReleased)
{
    TestControl& control = addBoundControl(0, 127, 10);
    focus(control);
    // A held key repeats its key-down events and ends with one release.
    for (int repeat = 0; repeat < 5; ++repeat)
        sendKey(control, wxEVT_KEY_DOWN, WXK_PAGEUP);
    sendKey(control, wxEVT_KEY_UP, WXK_PAGEUP);
    EXPECT_EQ(control.mainParameter()->getValue(), 15);
    EXPECT_EQ(list.commands().size(), 1u);
    EXPECT_EQ(list.groupDepth(), 0u);
    ASSERT_TRUE(list.undo());
    EXPECT_EQ(control.mainParameter()->getValue(), 10);
}

TEST_F(ControlFixture, KeyGroupClosesWhenTheFocusLeavesBeforeTheKeyIsReleased)
{
    TestControl& first = addBoundControl(0, 127, 10);
    TestControl& second = addBoundControl(0, 127, 10);
    focus(first);
    simulator.KeyDown(WXK_PAGEDOWN);
    pumpEventsFor(std::chrono::milliseconds(30));
    EXPECT_TRUE(first.keyGroupOpen());
    focus(second);
    simulator.KeyUp(WXK_PAGEDOWN);
    pressKey(WXK_PAGEUP);
    EXPECT_EQ(list.groupDepth(), 0u);
    EXPECT_EQ(list.commands().size(), 2u) << "the second control's step merged into the first's group";
}

TEST_F(ControlFixture, EachWheelNotchIsItsOwnStepAndLessThanANotchDoesNothing)
{
    TestControl& control = addBoundControl(0, 127, 10);
    focus(control);
    for (int notch = 0; notch < 5; ++notch)
        sendWheel(control, 120);
    sendWheel(control, 60);
    sendWheel(control, -240);
    EXPECT_EQ(control.mainParameter()->getValue(), 13);
    EXPECT_EQ(list.commands().size(), 6u);
}


TEST_F(ControlFixture, ArrowsWalkTheRolesThenLeaveForTheNeighbour)
{
    TestControl& first = addControl();
    first.bindParameter(&addParameter(0, 10, 0), 268).bindParameter(&addParameter(0, 10, 0), 269);
    TestControl& second = addBoundControl(0, 10, 0);
    focus(first);
    EXPECT_EQ(first.currentRole(), 268u);
    pressKey(WXK_RIGHT);
    EXPECT_EQ(first.currentRole(), 269u);
    pressKey(WXK_RIGHT);
    EXPECT_EQ(Control::focusedControl(), &second);
    pressKey(WXK_LEFT);
    EXPECT_EQ(Control::focusedControl(), &first);
    EXPECT_EQ(first.currentRole(), 268u) << "focus puts the cursor on the first role";
    pressKey(WXK_END);
    EXPECT_EQ(first.currentRole(), 269u);
    pressKey(WXK_HOME);
    EXPECT_EQ(first.currentRole(), 268u);
}

TEST_F(ControlFixture, ControlWithNoRoleHandsEveryArrowAndTabToItsNeighbours)
{
    TestControl& first = addBoundControl(0, 10, 0);
    TestControl& empty = addControl();
    TestControl& last = addBoundControl(0, 10, 0);
    focus(empty);
    pressKey(WXK_DOWN);
    EXPECT_EQ(Control::focusedControl(), &last);
    focus(empty);
    pressKey(WXK_UP);
    EXPECT_EQ(Control::focusedControl(), &first);
    pressKey(WXK_TAB);
    EXPECT_EQ(Control::focusedControl(), &empty);
    pressKey(WXK_TAB, wxMOD_SHIFT);
    EXPECT_EQ(Control::focusedControl(), &first);
}

TEST_F(ControlFixture, EnterTogglesATwoValuedControl)
{
    TestControl& control = addBoundControl(0, 1, 0);
    focus(control);
    pressKey(WXK_RETURN);
    EXPECT_EQ(control.mainParameter()->getValue(), 1);
    pressKey(WXK_RETURN);
    EXPECT_EQ(control.mainParameter()->getValue(), 0);
    EXPECT_EQ(list.groupDepth(), 0u);
}

TEST_F(ControlFixture, FocusFollowsThePointerAndRepaintsBothControls)
{
    TestControl& first = addBoundControl(0, 10, 0);
    TestControl& second = addBoundControl(0, 10, 0);
    focus(first);
    simulator.MouseMove(centreOf(second));
    ASSERT_TRUE(pumpEventsUntil([&] { return Control::focusedControl() == &second; }));
    ASSERT_TRUE(pumpEventsUntil([&] { return second.drawnFocused && !first.drawnFocused; }));
    EXPECT_EQ(Control::focusedParameters(), std::vector<Parameter*>{second.mainParameter()});
    // MIDI learn in the core binds what the control under the pointer shows.
    const auto learnTarget = ::focusedParameters();
    ASSERT_NE(learnTarget, nullptr);
    EXPECT_EQ(*learnTarget, std::vector<Parameter*>{second.mainParameter()});
}

TEST_F(ControlFixture, NoFocusControlIsNotFocusedByPointerOrClick)
{
    TestControl& first = addBoundControl(0, 10, 0);
    TestControl& caption = addControl();
    caption.setNoFocus(true);
    focus(first);
    clickOn(caption);
    EXPECT_EQ(Control::focusedControl(), &first);
}

TEST_F(ControlFixture, CtrlClickTogglesTheSelectionAndItIsDrawn)
{
    TestControl& first = addBoundControl(0, 10, 0);
    TestControl& second = addBoundControl(0, 10, 0);
    clickOn(first, wxMOD_CONTROL);
    clickOn(second, wxMOD_CONTROL);
    EXPECT_EQ(Control::selectedControls(), (std::vector<Control*>{&first, &second}));
    ASSERT_TRUE(pumpEventsUntil([&] { return first.drawnSelected && second.drawnSelected; }));
    clickOn(first, wxMOD_CONTROL);
    EXPECT_EQ(Control::selectedControls(), std::vector<Control*>{&second});
    Control::clearSelection();
    EXPECT_TRUE(Control::selectedControls().empty());
    EXPECT_TRUE(pumpEventsUntil([&] { return !second.drawnSelected; }));
}



TEST_F(ControlFixture, CtrlKeysCopyPasteAndInit)
{
    TestControl& source = addBoundControl(0, 127, 127);
    TestControl& target = addBoundControl(0, 99, 0);
    target.setDefaultValue(7);
    focus(source);
    pressKey('C', wxMOD_CONTROL);
    focus(target);
    pressKey('V', wxMOD_CONTROL);
    EXPECT_EQ(target.mainParameter()->getValue(), 99);
    pressKey('I', wxMOD_CONTROL);
    EXPECT_EQ(target.mainParameter()->getValue(), 7);
    EXPECT_EQ(list.commands().size(), 2u);
}

TEST_F(ControlFixture, MenuInitAndDoubleClickResetAsOneNamedStep)
{
    TestControl& control = addControl();
    control.bindParameter(&addParameter(0, 10, 3), 268).bindParameter(&addParameter(0, 10, 4), 269);
    sendMenuCommand(control, Control::menuInit);
    EXPECT_EQ(control.getParameter(268)->getValue(), 0);
    EXPECT_EQ(control.getParameter(269)->getValue(), 0);
    ASSERT_EQ(list.commands().size(), 1u);
    EXPECT_EQ(list.commands().front().name, RefString::concat(control.getPath().text(), RefString(u" reset")));

    list.undo();
    simulator.MouseMove(centreOf(control));
    simulator.MouseDblClick();
    EXPECT_TRUE(pumpEventsUntil([&] { return control.getParameter(269)->getValue() == 0; }));
}

TEST_F(ControlFixture, ActionButtonIsNeitherResetNorPastedByTheUser)
{
    TestControl& source = addBoundControl(0, 10, 10);
    TestControl& button = addBoundControl(0, 10, 5);
    button.setSelectable(false);
    sendMenuCommand(source, Control::menuCopy);
    sendMenuCommand(button, Control::menuPaste);
    sendMenuCommand(button, Control::menuInit);
    button.onDoubleClick();
    EXPECT_EQ(button.mainParameter()->getValue(), 5) << "a double-click would run its command again";
    EXPECT_TRUE(list.commands().empty());
}
