// The FS1R add functions on a real page over the instrument's own memory
// layout: carried addresses, entries shared by bit fields whose edits land
// in the page's command list, captions only in the first of repeated
// columns, bound and unbound forms.
#include "gui/ControlStyle.h"
#include "gui/HorizontalControlGroup.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "panels/ControlAdding.h"
#include "params/SetValueFlags.h"
#include "sysex/AddressEntry.h"
#include "sysex/AddressMap.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexField.h"
#include "sysex/SysexParameter.h"
#include "undo/CommandList.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int rowDepth = 24;
constexpr int labelBand = 14;

SysexParameter* sysexOf(const Control& control)
{
    return static_cast<SysexParameter*>(control.mainParameter());
}

AddressEntry* entryOf(const Control& control)
{
    return sysexOf(control)->field().entries().front();
}

class ControlAddingTest : public testing::Test {
protected:
    ControlAddingTest()
    {
        EXPECT_TRUE(Fs1rMemoryLayout::buildAddressMap(map));
        factory.setCommandList(&history);
        group->setGeometry(rowDepth, labelBand, 0, 3);
        group->setPosition(5, 5, nullptr);
        frame->Show();
    }
    ~ControlAddingTest() override
    {
        group.reset();
        frame->Destroy();
    }

    const ControlElement* elementOf(const Control& control) const
    {
        for (const auto& entry : group->controls())
            if (entry->control() == &control)
                return entry.get();
        return nullptr;
    }

    AddressMap map{Fs1rMemoryLayout::pageCapacity};
    ParameterFactory factory{map, nullptr};
    CommandList history;
    ControlStyle style;
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "page", wxDefaultPosition, wxSize(600, 300));
    wxPanel* page = new wxPanel(frame);
    std::unique_ptr<ControlGroup> group =
        std::make_unique<HorizontalControlGroup>(RefString(u"Performance"), page, &factory, style);
};

TEST_F(ControlAddingTest, AtFormsCarryTheOffsetAcrossTheLowByteForEveryKind)
{
    group->setBaseAddress(0x10007F);
    const std::vector<Control*> made = {
        &addValueButtonAt(*group, RefString(u"a"), 1, 0, 127, 0, 30, 0),
        &addChoiceAt(*group, RefString(u"b"), 1, 0, 127, 0, 30, 0),
        &addPanSliderAt(*group, RefString(u"c"), 1, 1, 127, 0, 30, 0),
        &addVerticalBitmapSliderAt(*group, RefString(u"d"), 1, 0, 127, 0, 30, 0),
        &addValueBoxAt(*group, RefString(u"e"), 1, 0, 127, 0, 30, 0),
        &addAlgorithmSelectorAt(*group, RefString(u"f"), 1, 0, 87, 0, 30, 0),
        &addVerticalSliderAt(*group, RefString(u"g"), 1, 0, 127, 0, 30, 0),
    };
    for (const Control* control : made) {
        ASSERT_NE(control->mainParameter(), nullptr);
        EXPECT_EQ(entryOf(*control)->address(), 0x100100u) << "never 0x100080";
        EXPECT_EQ(control->window()->GetParent(), page);
        EXPECT_EQ(&control->style(), &style);
        EXPECT_NE(elementOf(*control), nullptr);
        EXPECT_EQ(control->mainParameter()->key().path.panel, RefString(u"Performance"));
    }
    EXPECT_EQ(sysexOf(*made[5])->maximum(), 87);
}

TEST_F(ControlAddingTest, TwoAtCallsOnOneOffsetShareTheEntryAsSeparateBitFields)
{
    group->setBaseAddress(0x300000);
    ValueButton& low = addValueButtonAt(*group, RefString(u"Porta"), 0x24, 0, 1, 0, 30, 0);
    ValueButton& high = addValueButtonAt(*group, RefString(u"Mode"), 0x24, 0, 1, 1, 30, 0);
    EXPECT_EQ(entryOf(low), entryOf(high));
    EXPECT_EQ(entryOf(low), map.findEntry(0x300024));
    EXPECT_NE(low.mainParameter(), high.mainParameter());

    high.mainParameter()->setValue(flagsUserEdit, 1);
    EXPECT_EQ(entryOf(low)->value(), 2u);
    low.mainParameter()->setValue(flagsUserEdit, 1);
    EXPECT_EQ(entryOf(low)->value(), 3u);
    EXPECT_EQ(history.commands().size(), 2u) << "both edits go to the page's list";
}

// The first column's captions become the group's headings for all four.
TEST_F(ControlAddingTest, OnlyTheFirstOfRepeatedColumnsGetsCaptions)
{
    for (int column = 0; column < 4; ++column) {
        group->setLineIndex(column);
        group->setBaseAddress(Fs1rMemoryLayout::partVoiceBankAddress(column) - 1);
        const std::size_t captionsBefore = group->captions().size();
        ChoiceControl& channel = addChoiceAt(*group, RefString(u"MIDI CH"), 4, -1, 16, 0, 30, 0);
        EXPECT_EQ(entryOf(channel)->address(), 0x300004u + 0x10000u * column);
        const bool captioned = elementOf(channel)->caption() != nullptr || group->captions().size() > captionsBefore;
        EXPECT_EQ(captioned, column == 0) << "column " << column + 1;
        group->nextRow(ControlFlow::noExtra);
    }
}

TEST_F(ControlAddingTest, BoundFormsBindTheGivenParameterAlreadyShownElsewhere)
{
    SysexParameter* level = factory.addSysexParameter(0x100010, 0, 127, 0);
    VerticalSlider& fader = addVerticalSlider(*group, RefString(u"Level"), level, 40, 0);
    CaptionControl& readout = addCaption(*group, RefString(u"Shown"), level, 40, 0);
    EXPECT_EQ(fader.mainParameter(), level);
    EXPECT_EQ(readout.mainParameter(), level);
    EXPECT_TRUE(readout.text().isEmpty()) << "the builder sets the caption's text";
    EXPECT_EQ(readout.textStyle(), ControlStyle::normalText);
}

TEST_F(ControlAddingTest, UnboundFormsPlaceTheControlWithItsCaptionAndBindNothing)
{
    using Add = std::function<Control&(ControlGroup&, const RefString&, int)>;
    const std::vector<Add> adds = {
        [](ControlGroup& g, const RefString& l, int e) -> Control& { return addKeyVelocityZone(g, l, e); },
        [](ControlGroup& g, const RefString& l, int e) -> Control& { return addScalingCurve(g, l, e); },
        [](ControlGroup& g, const RefString& l, int e) -> Control& { return addGridSelector(g, l, e); },
        [](ControlGroup& g, const RefString& l, int e) -> Control& { return addPartEnvelope(g, l, e); },
        [](ControlGroup& g, const RefString& l, int e) -> Control& { return addEnvelope(g, l, e); },
        [](ControlGroup& g, const RefString& l, int e) -> Control& { return addLevelScalingCurve(g, l, e); },
    };
    for (const Add& add : adds) {
        Control& control = add(*group, RefString(u"Shape"), 70);
        EXPECT_TRUE(control.roles().empty());
        EXPECT_EQ(control.window()->GetSize(), wxSize(70, rowDepth));
        EXPECT_EQ(elementOf(control)->labelText(), RefString(u"Shape"));
    }
    EXPECT_EQ(history.commands().size(), 0u);
}

} // namespace
