#include "PageFixture.h"
#include "controls/ValueButton.h"
#include "labels/FixedLabelList.h"
#include "localparams/LocalParameter.h"
#include "params/SetValueFlags.h"

namespace {

class ValueButtonTest : public PageFixture {
protected:
    // A 60 x 20 button on the page, bound to the parameter.
    void placeButton(LocalParameter& parameter)
    {
        parameter.setCommandList(&history);
        button.place(20, 20, nullptr);
        button.setSize(60, 20);
        button.bindParameter(&parameter);
        showPage();
    }
    void click() { clickCentre(button.window()); }

    ValueButton button{page, style};
};

TEST_F(ValueButtonTest, EachClickTogglesASwitchAsOneUndoStep)
{
    LocalParameter onOff(0, 1);
    placeButton(onOff);
    click();
    EXPECT_EQ(onOff.getValue(), 1);
    EXPECT_EQ(history.commands().size(), 1u);
    click();
    EXPECT_EQ(onOff.getValue(), 0);
    EXPECT_EQ(history.commands().size(), 2u) << "a press opens no group that later edits would join";
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(onOff.getValue(), 1);
}

TEST_F(ValueButtonTest, ClickOnTheAllowedTopWrapsAndSkipsTheExcludedValue)
{
    LocalParameter channel(1, 16, 16);
    channel.setExcludedValue(5);
    placeButton(channel);
    click();
    EXPECT_EQ(channel.getValue(), 1);
    channel.setValue(flagsConstruct, 4);
    click();
    EXPECT_EQ(channel.getValue(), 6);
    channel.setAllowedMax(8, flagsConstruct);
    channel.setValue(flagsConstruct, 8);
    click();
    EXPECT_EQ(channel.getValue(), 1) << "wraps at the allowed maximum, not the full one";
}

TEST_F(ValueButtonTest, ShowsTheLabelOrTheNumberWithItsUnitAndFollowsChanges)
{
    RefString words[] = {RefString(u"OFF"), RefString(u"ON")};
    FixedLabelList labels(words, 2);
    LocalParameter onOff(0, 1);
    placeButton(onOff);
    button.setValueLabels(&labels);
    EXPECT_EQ(button.shownText(), RefString(u"OFF"));
    click();
    EXPECT_EQ(button.shownText(), RefString(u"ON"));

    LocalParameter depth(0, 7, 3);
    depth.setUnit(RefString(u"dB"));
    button.bindParameter(&depth);
    EXPECT_EQ(button.shownText(), RefString(u"3dB"));
    button.setBitmap(std::make_shared<wxBitmap>(4, 4));
    EXPECT_TRUE(button.shownText().isEmpty()) << "a button showing a picture draws no text";
}

TEST_F(ValueButtonTest, DisabledButtonDrawsItsTextInTheDisabledColourAndIgnoresClicks)
{
    LocalParameter onOff(0, 1);
    placeButton(onOff);
    style.colour4 = wxColour(255, 255, 0);
    style.colour5 = wxColour(0, 255, 255);
    bool found = false;
    drawn(button, true)->inkBounds(pageColour, style.colour4, &found);
    EXPECT_TRUE(found) << "enabled text in the value colour";
    found = false;
    const auto disabled = drawn(button, false);
    const wxRect ink = disabled->inkBounds(pageColour, style.colour5, &found);
    EXPECT_TRUE(found) << "disabled text in the disabled colour";
    EXPECT_EQ(disabled->pixel(1, 1), pageColour) << "the page shows behind the button";
    EXPECT_NEAR(ink.x + ink.width / 2, 30, 2) << "text centred";
    EXPECT_NEAR(ink.y + ink.height / 2, 10, 3);

    button.enable(false);
    click();
    EXPECT_EQ(onOff.getValue(), 0);
    EXPECT_TRUE(history.commands().empty());
}

} // namespace
