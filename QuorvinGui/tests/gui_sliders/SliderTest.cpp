#include "SliderFixture.h"

#include "controls/VerticalBitmapSlider.h"

namespace {

const wxRect firstPlace{20, 20, 128, 24};
const wxRect secondPlace{20, 80, 64, 24};

} // namespace

TEST_F(SliderFixture, DragReleasedOutsideTheWindowIsOneClosedUndoStep)
{
    HorizontalSlider& slider = addSlider<HorizontalSlider>(firstPlace, 0, 127, 0);
    drag(onScreen(slider, 10, 12), {onScreen(slider, 74, 12), onScreen(slider, 74, 150)});

    EXPECT_EQ(parameters[0]->getValue(), 63);
    EXPECT_FALSE(slider.isDragging());
    EXPECT_EQ(list.groupDepth(), 0u);
    ASSERT_EQ(list.commands().size(), 1u);
    ASSERT_TRUE(list.undo());
    EXPECT_EQ(parameters[0]->getValue(), 0);
}

TEST_F(SliderFixture, SelectedSlidersFollowTheDraggedOneEachToItsScaleAndUndoTogether)
{
    HorizontalSlider& pressed = addSlider<HorizontalSlider>(firstPlace, 0, 127, 0);
    HorizontalSlider& selected = addSlider<HorizontalSlider>(secondPlace, 0, 99, 0);
    Control::toggleSelected(selected, true);
    drag(onScreen(pressed, 10, 12), {onScreen(pressed, 42, 12)});

    EXPECT_EQ(parameters[0]->getValue(), 31);
    EXPECT_EQ(parameters[1]->getValue(), 49);
    ASSERT_EQ(list.commands().size(), 1u);
    ASSERT_TRUE(list.undo());
    EXPECT_EQ(parameters[0]->getValue(), 0);
    EXPECT_EQ(parameters[1]->getValue(), 0);
}

TEST_F(SliderFixture, DragOriginMovesOnlyWhenTheValueChanged)
{
    VerticalSlider& slider = addSlider<VerticalSlider>(wxRect(20, 20, 20, 128), 0, 127, 0);
    slider.startDrag(Control::kRoleNone, Control::roleMain, 5, 100);
    for (int y = 99; y >= 96; --y)
        slider.dragTo(5, y, false);
    EXPECT_EQ(parameters[0]->getValue(), 2) << "one pixel of 128 is no step; two pixels are one";
    parameters[0]->setValue(flagsConstruct, 0);
    slider.startDrag(Control::kRoleNone, Control::roleMain, 5, 100);
    slider.dragTo(5, 100 - 128 - 200, false);
    EXPECT_EQ(parameters[0]->getValue(), 127);
    slider.dragTo(5, 100 - 128 - 190, false);
    EXPECT_EQ(parameters[0]->getValue(), 118) << "the way back counts from where the value last changed";
    parameters[0]->setValue(flagsConstruct, 0);
    slider.startDrag(Control::kRoleNone, Control::roleMain, 5, 100);
    slider.dragTo(5, 80, false);
    slider.dragTo(5, 80, true);
    EXPECT_EQ(parameters[0]->getValue(), 19) << "pressing Alt mid-drag made the value jump";
    slider.dragTo(5, 60, true);
    EXPECT_EQ(parameters[0]->getValue(), 29) << "a fine drag moves one step per two pixels";
}

TEST_F(SliderFixture, ANegativeDisplayScaleReversesDragAndBar)
{
    VerticalSlider& slider = addSlider<VerticalSlider>(wxRect(20, 20, 20, 129), 0, 127, 0);
    slider.setValueTextMode(Slider::noText);
    slider.setDisplayScale(Rational(-1, 7), Rational(0));
    slider.startDrag(Control::kRoleNone, Control::roleMain, 5, 10);
    slider.dragTo(5, 74, false);
    EXPECT_EQ(parameters[0]->getValue(), 63) << "dragging down raises a reversed value";
    auto canvas = drawn(slider, true);
    EXPECT_EQ(canvas->pixel(10, 5), barColour) << "the bar hangs down from the top";
    EXPECT_NE(canvas->pixel(10, 120), barColour);
}

TEST_F(SliderFixture, WheelNotchIsOneStepOfItsOwn)
{
    HorizontalSlider& slider = addSlider<HorizontalSlider>(firstPlace, 0, 127, 5);
    slider.window()->SetFocus();
    ASSERT_TRUE(pumpEventsUntil([&] { return Control::focusedControl() == &slider; }));
    for (int notch = 0; notch < 2; ++notch) {
        wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
        wheel.m_wheelRotation = 120;
        wheel.m_wheelDelta = 120;
        wheel.SetEventObject(slider.window());
        slider.window()->GetEventHandler()->ProcessEvent(wheel);
    }
    EXPECT_EQ(parameters[0]->getValue(), 7);
    EXPECT_EQ(list.commands().size(), 2u);
}

TEST_F(SliderFixture, VerticalBarCoversTheTrackFromZeroToTheValueAndNotWhenDisabled)
{
    VerticalSlider& slider = addSlider<VerticalSlider>(wxRect(20, 20, 20, 129), 0, 127, 64);
    slider.setValueTextMode(Slider::noText);
    auto enabled = drawn(slider, true);
    EXPECT_EQ(enabled->pixel(1, 64), barColour);
    EXPECT_EQ(enabled->pixel(18, 127), barColour);
    EXPECT_EQ(enabled->pixel(19, 64), ground);
    EXPECT_EQ(enabled->pixel(10, 63), ground);
    bool barShown = false;
    drawn(slider, false)->inkBounds(ground, barColour, &barShown);
    EXPECT_FALSE(barShown);
}

TEST_F(SliderFixture, PanSliderStartsAtTheMiddleAndShowsItsBarEvenDisabled)
{
    PanSlider& pan = addSlider<PanSlider>(wxRect(20, 20, 130, 24), 1, 127, 1);
    EXPECT_EQ(parameters[0]->getValue(), 64);
    parameters[0]->setValue(flagsConstruct, 1);
    auto canvas = drawn(pan, false);
    EXPECT_EQ(canvas->pixel(1, 12), barColour);
    EXPECT_EQ(canvas->pixel(64, 12), barColour);
    EXPECT_NE(canvas->pixel(66, 12), barColour);
    pan.init(flagsUserEdit);
    EXPECT_EQ(parameters[0]->getValue(), 64);
}

TEST_F(SliderFixture, SliderKeepsItsOwnDefaultForInit)
{
    HorizontalSlider& slider = addSlider<HorizontalSlider>(firstPlace, 0, 127, 50);
    slider.setDefaultValue(10);
    EXPECT_EQ(parameters[0]->defaultValue(), 0);
    parameters[0]->setValue(flagsConstruct, 99);
    slider.init(flagsUserEdit);
    EXPECT_EQ(parameters[0]->getValue(), 10);
}

TEST_F(SliderFixture, BitmapHandleCentresOnTheValue)
{
    VerticalBitmapSlider& fader = addSlider<VerticalBitmapSlider>(wxRect(20, 20, 20, 131), 0, 100, 100);
    wxImage handleImage(10, 10);
    handleImage.SetRGB(wxRect(0, 0, 10, 10), 0, 0, 255);
    fader.setHandleBitmap(std::make_unique<wxBitmap>(handleImage));
    EXPECT_EQ(fader.margin(), 6);
    EXPECT_EQ(drawn(fader, true)->inkBounds(ground), wxRect(5, 1, 10, 10));
}

TEST_F(SliderFixture, DragWhoseReleaseNeverCameStillClosesItsUndoStep)
{
    HorizontalSlider& slider = addSlider<HorizontalSlider>(firstPlace, 0, 127, 0);
    wxMouseEvent press(wxEVT_LEFT_DOWN);
    press.m_x = 10;
    press.m_leftDown = true;
    slider.onMouseDown(press);
    EXPECT_EQ(list.groupDepth(), 1u);
    wxMouseEvent motionWithoutButton(wxEVT_MOTION);
    motionWithoutButton.m_x = 40;
    slider.onMouseMove(motionWithoutButton);
    EXPECT_EQ(list.groupDepth(), 0u);
    EXPECT_EQ(parameters[0]->getValue(), 0);

    slider.onMouseDown(press);
    controls.clear();
    EXPECT_EQ(list.groupDepth(), 0u) << "a slider destroyed mid-drag left the undo group open";
}
