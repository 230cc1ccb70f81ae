// The common add functions on a real page: where the parameters they make
// land in the instrument's memory, what the group gets, and that edits made
// through the controls reach the command list of the page being built.
#include "controls/ControlFactories.h"
#include "gui/ControlStyle.h"
#include "gui/HorizontalControlGroup.h"
#include "params/SetValueFlags.h"
#include "sysex/AddressEntry.h"
#include "sysex/AddressMap.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexField.h"
#include "sysex/SysexParameter.h"
#include "undo/CommandList.h"

#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <chrono>
#include <memory>
#include <stdexcept>

namespace {

using namespace std::chrono_literals;

constexpr PackedAddress partBase = 0x310001;
constexpr int rowDepth = 20;
constexpr int labelBand = 14;

PackedAddress addressOf(const Parameter* parameter)
{
    return static_cast<const SysexParameter*>(parameter)->field().entries().front()->address();
}

class FactoriesTest : public testing::Test {
protected:
    FactoriesTest()
    {
        map.addPage(0x310000, 256);
        factory.setCommandList(&history);
        group->setGeometry(rowDepth, labelBand, 0, 3);
        group->setBaseAddress(partBase);
        frame->Show();
    }
    ~FactoriesTest() override
    {
        group.reset();
        frame->Destroy();
    }

    static void pump(std::chrono::milliseconds time)
    {
        for (const auto end = std::chrono::steady_clock::now() + time; std::chrono::steady_clock::now() < end;) {
            wxYield();
            wxMilliSleep(5);
        }
    }
    const ControlElement* entryOf(const Control& control) const
    {
        for (const auto& entry : group->controls())
            if (entry->control() == &control)
                return entry.get();
        return nullptr;
    }

    AddressMap map{4};
    ParameterFactory factory{map, nullptr};
    CommandList history;
    ControlStyle style;
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "page", wxDefaultPosition, wxSize(400, 200));
    wxPanel* page = new wxPanel(frame);
    std::unique_ptr<ControlGroup> group =
        std::make_unique<HorizontalControlGroup>(RefString(u"Part"), page, &factory, style);
};

TEST_F(FactoriesTest, SliderAtCarriesTheOffsetIntoTheMiddleByteAndPlacesBeforeBinding)
{
    HorizontalSlider& slider = addSliderAt(*group, RefString(u"Detune"), 0x7F, -64, 63, 0, 60, 0);

    ASSERT_NE(slider.mainParameter(), nullptr);
    EXPECT_EQ(addressOf(slider.mainParameter()), 0x310100u) << "never base + offset as plain integers";
    EXPECT_EQ(slider.mainParameter()->minimum(), -64);
    EXPECT_EQ(slider.mainParameter()->maximum(), 63);
    EXPECT_EQ(slider.window()->GetParent(), page);
    EXPECT_EQ(&slider.style(), &style);
    const ControlElement* entry = entryOf(slider);
    ASSERT_NE(entry, nullptr) << "the group owns the control";
    EXPECT_EQ(entry->labelText(), RefString(u"Detune"));
    EXPECT_EQ(slider.mainParameter()->key().path.widget, RefString(u"Detune"))
        << "the key takes the path the group gave the control before binding";
    EXPECT_EQ(slider.mainParameter()->key().path.panel, RefString(u"Part"));
}

TEST_F(FactoriesTest, TextEditCharactersCarryAcrossTheLowByteAndCountZeroBindsNothing)
{
    group->setBaseAddress(0x310000);
    TextEditControl& name = addTextEditAt(*group, RefString(u"Name"), 0x7A, 32, 126, 10, 120);
    ASSERT_EQ(name.roles().size(), 10u);
    const PackedAddress expected[] = {0x31007A, 0x31007B, 0x31007C, 0x31007D, 0x31007E, 0x31007F, 0x310100,
        0x310101, 0x310102, 0x310103};
    for (RoleId role = 0; role < 10; ++role)
        EXPECT_EQ(addressOf(name.getParameter(role)), expected[role]) << "character " << role + 1;

    TextEditControl& empty = addTextEditAt(*group, RefString(u"Empty"), 0x10, 32, 126, 0, 40);
    EXPECT_TRUE(empty.roles().empty());
    EXPECT_NE(entryOf(empty), nullptr);
}

TEST_F(FactoriesTest, BoundFormsShareOneParameterAndAClickIsRecordedInThePagesList)
{
    SysexParameter* onOff = factory.addSysexParameter(0x310010, 0, 1, 0);
    ValueButton& button = addValueButton(*group, RefString(u"Mono"), onOff, 40, 0);
    ChoiceControl& choice = addChoice(*group, RefString(u"Mode"), onOff, 40, 0);
    HorizontalSlider& slider = addSlider(*group, RefString(u"Same"), onOff, 40, 0);
    EXPECT_EQ(button.mainParameter(), onOff);
    EXPECT_EQ(choice.mainParameter(), onOff);
    EXPECT_EQ(slider.mainParameter(), onOff);

    group->setPosition(10, 10, nullptr);
    pump(500ms);
    wxUIActionSimulator simulator;
    simulator.MouseMove(button.window()->ClientToScreen(wxPoint(20, 10)));
    pump(20ms);
    simulator.MouseClick();
    pump(50ms);
    EXPECT_EQ(onOff->getValue(), 1);
    EXPECT_EQ(history.commands().size(), 1u);
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(onOff->getValue(), 0);
}

TEST_F(FactoriesTest, RangesComeUnboundWithTheirCaptionAndSize)
{
    HorizontalRangeControl& loop = addHorizontalRange(*group, RefString(u"Loop"), 200);
    VerticalRangeControl& zoom = addVerticalRange(*group, RefString(u"Zoom"), 30);
    EXPECT_TRUE(loop.roles().empty());
    EXPECT_TRUE(zoom.roles().empty());
    EXPECT_EQ(entryOf(loop)->labelText(), RefString(u"Loop"));
    EXPECT_EQ(loop.window()->GetSize(), wxSize(200, rowDepth));
    EXPECT_EQ(zoom.window()->GetSize().x, 30);
}

TEST_F(FactoriesTest, AGroupWithoutFactoryRefusesToMakeParameters)
{
    HorizontalControlGroup bare(RefString(u"Bare"), page, nullptr, style);
    EXPECT_THROW(addSliderAt(bare, RefString(u"Level"), 0, 0, 127, 0, 40, 0), std::logic_error);
}

TEST(SharedBitmap, TakesOwnershipOnceAndKeepsNull)
{
    auto* picture = new wxBitmap(4, 4);
    const auto shared = makeSharedBitmap(picture);
    EXPECT_EQ(shared.get(), picture);
    EXPECT_EQ(shared.use_count(), 1);
    EXPECT_EQ(makeSharedBitmap(nullptr), nullptr);
}

} // namespace
