// The performance page built on a real frame over the instrument's own
// memory layout: where its parameters land, what they show, which controls
// hide or grey out with their conditions, and that a reset is one undo step.
#include "controls/Control.h"
#include "effects/EffectBlock.h"
#include "instrument/Fs1rDevice.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "panels/ControlStyleSet.h"
#include "panels/PanelManager.h"
#include "panels/PerformancePanel.h"
#include "params/SetValueFlags.h"
#include "sysex/AddressEntry.h"
#include "sysex/AddressMap.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexField.h"
#include "sysex/SysexParameter.h"
#include "tests/support/TempFolder.h"
#include "undo/CommandList.h"
#include "xml/XmlRootElement.h"

#include <gtest/gtest.h>
#include <wx/frame.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::string text(const RefString& value) { return value.toUtf8(); }

class PerformancePanelTest : public testing::Test {
protected:
    PerformancePanelTest()
    {
        EXPECT_TRUE(Fs1rMemoryLayout::buildAddressMap(map));
        factory->setCommandList(&history);
        device = std::make_unique<Fs1rDevice>(
            *panels, settings, nullptr, RefString::fromUtf8((folder.path() / "").string()));
        page = new PerformancePanel(frame, styles, *factory, *device);
    }
    ~PerformancePanelTest() override
    {
        delete page;
        factory->destroyParameters();
        device.reset();
        frame->Destroy();
    }

    // The parameter over the entry at the address with its lowest bit there;
    // the first made when several match.
    SysexParameter& parameterAt(PackedAddress address, std::uint32_t bit = 0, std::int32_t maximum = 0) const
    {
        for (const auto& made : factory->parameters()) {
            auto* sysex = dynamic_cast<SysexParameter*>(made.get());
            if (sysex && sysex->field().entries().front()->address() == address && sysex->bitOffset() == bit
                && (maximum == 0 || sysex->maximum() == maximum))
                return *sysex;
        }
        ADD_FAILURE() << "no parameter at " << std::hex << address;
        throw std::runtime_error("no parameter");
    }
    // The control that shows the parameter under any role.
    Control& controlOf(const Parameter& parameter) const
    {
        for (std::size_t slot = 0; slot < page->groupCount(); ++slot)
            for (const auto& entry : page->group(slot)->controls())
                if (auto* control = dynamic_cast<Control*>(entry->control()))
                    for (const Parameter* bound : control->getParameters())
                        if (bound == &parameter)
                            return *control;
        ADD_FAILURE() << "no control shows " << text(parameter.getName());
        throw std::runtime_error("no control");
    }
    Control& captioned(PerformancePanel::GroupSlot slot, const std::string& caption) const
    {
        for (const auto& entry : page->group(slot)->controls())
            if (entry->control() && text(entry->labelText()) == caption)
                return dynamic_cast<Control&>(*entry->control());
        ADD_FAILURE() << "no control captioned " << caption;
        throw std::runtime_error("no control");
    }
    static std::string shown(const Parameter& parameter) { return text(parameter.valueText(parameter.getValue())); }

    TempFolder folder{"performancepage"};
    std::unique_ptr<XmlRootElement> settingsRoot = XmlRootElement::create(RefString(u"Settings"));
    XmlElement settings = settingsRoot->child(RefString(u"YAMAHA_FS1R"));
    AddressMap map{Fs1rMemoryLayout::pageCapacity};
    std::unique_ptr<ParameterFactory> factory = std::make_unique<ParameterFactory>(map, nullptr);
    CommandList history;
    ControlStyleSet styles;
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "page", wxDefaultPosition, wxSize(1280, 720));
    PanelManager* panels = new PanelManager(frame);
    std::unique_ptr<Fs1rDevice> device;
    PerformancePanel* page = nullptr;
};

TEST_F(PerformancePanelTest, GroupsStandWhereThePageLaysThemOutAndHoldEveryControl)
{
    const std::vector<std::pair<PerformancePanel::GroupSlot, LayoutPoint>> places{
        {PerformancePanel::partGroup, {5, 130}},
        {PerformancePanel::controllerGroup, {664, 18}},
        {PerformancePanel::fseqGroup, {1064, 170}},
        {PerformancePanel::mixerGroup, {654, 176}},
        {PerformancePanel::eqGroup, {1102, 462}},
    };
    for (const auto& [slot, place] : places) {
        EXPECT_EQ(page->group(slot)->position().x, place.x) << slot;
        EXPECT_EQ(page->group(slot)->position().y, place.y) << slot;
    }
    EXPECT_EQ(page->GetSize(), wxSize(1272, 716));
    const auto controlsIn = [this](PerformancePanel::GroupSlot slot) {
        std::size_t count = 0;
        for (const auto& entry : page->group(slot)->controls())
            count += entry->control() ? 1 : 0;
        return count;
    };
    // 26 per part column plus the two MIDI CH max controls of parts 1 and 2.
    EXPECT_EQ(controlsIn(PerformancePanel::partGroup), 4u * 26 + 4);
    EXPECT_EQ(controlsIn(PerformancePanel::controllerGroup), 8u * 20);
    EXPECT_EQ(controlsIn(PerformancePanel::mixerGroup), 4u * 6 + 5 + 3 + 2 + 2);
    EXPECT_EQ(controlsIn(PerformancePanel::fseqGroup), 16u);
    EXPECT_EQ(controlsIn(PerformancePanel::eqGroup), 11u);
}

TEST_F(PerformancePanelTest, PartParametersLandInTheirPartsBlockWithTheirDisplays)
{
    SysexParameter& detune4 = parameterAt(0x330009);
    EXPECT_EQ(detune4.getValue(), 64);
    EXPECT_EQ(shown(detune4), "0");
    for (std::int32_t part = 0; part < 4; ++part) {
        SysexParameter& channel = parameterAt(0x300004 + static_cast<PackedAddress>(part) * 0x010000);
        EXPECT_EQ(channel.getValue(), part) << "part " << part + 1;
        EXPECT_EQ(channel.bitWidth(), 7u);
    }
    SysexParameter& bendLow = parameterAt(0x300027);
    EXPECT_EQ(bendLow.displayOf(bendLow.minimum()), Rational(-48));
    EXPECT_EQ(bendLow.displayOf(bendLow.getValue()), Rational(-2));
    EXPECT_EQ(parameterAt(0x300026).displayOf(parameterAt(0x300026).getValue()), Rational(2));
    EXPECT_EQ(parameterAt(0x30000C).getValue(), 64) << "velocity depth slope shows 1";
    EXPECT_EQ(parameterAt(0x300028).getValue(), 50) << "key tracking shows 0";
    EXPECT_EQ(shown(parameterAt(0x30002D)), "ON");
    EXPECT_EQ(&controlOf(parameterAt(0x300024, 0)), &controlOf(parameterAt(0x300024, 1)))
        << "the portamento grid holds both bits of one byte";
}

// Every part plays every key at every velocity from the start and after a
// reset, so each part's zone covers its whole square (a zone of no width
// draws nothing).
TEST_F(PerformancePanelTest, EachPartsZoneCoversEveryKeyAndVelocityFromTheStartAndAfterAReset)
{
    const struct {
        PackedAddress offset;
        std::int32_t value;
        const char* side;
    } sides[] = {{0x0F, 0, "lowest key"}, {0x10, 127, "highest key"}, {0x2A, 1, "lowest velocity"},
        {0x2B, 127, "highest velocity"}};
    for (const bool reset : {false, true}) {
        if (reset)
            page->initPanel(flagsUserReset);
        for (PackedAddress part = 0; part < 4; ++part)
            for (const auto& [offset, value, side] : sides)
                EXPECT_EQ(parameterAt(0x300000 + part * 0x010000 + offset).getValue(), value)
                    << "part " << part + 1 << ", " << side << (reset ? " after a reset" : " at the start");
    }
}

TEST_F(PerformancePanelTest, TheHighestChannelShowsOnlyWhileTheReceiveChannelIsAChannel)
{
    SysexParameter& channel = parameterAt(0x310004);
    Control& highest = controlOf(parameterAt(0x310003));
    EXPECT_TRUE(highest.isShown());
    channel.setValue(flagsUserEdit, -1);
    EXPECT_FALSE(highest.isShown());
    EXPECT_EQ(channel.field().entries().front()->value(), 0x7Fu) << "off is stored in seven bits";
    channel.setValue(flagsUserEdit, 16);
    EXPECT_FALSE(highest.isShown());
    channel.setValue(flagsUserEdit, 9);
    EXPECT_TRUE(highest.isShown());
    for (const auto& made : factory->parameters()) {
        auto* sysex = dynamic_cast<SysexParameter*>(made.get());
        EXPECT_FALSE(sysex && (sysex->field().entries().front()->address() == 0x320003
                                  || sysex->field().entries().front()->address() == 0x330003))
            << "parts 3 and 4 have no highest channel";
    }
}

TEST_F(PerformancePanelTest, ControllerSwitchesEditSingleBitsOfTheirSetsEntry)
{
    SysexParameter& mc3 = parameterAt(0x100030, 11);
    AddressEntry& sources = *mc3.field().entries().front();
    parameterAt(0x100030, 0).setValue(flagsUserEdit, 1);
    mc3.setValue(flagsUserEdit, 1);
    EXPECT_EQ(sources.value(), (1u << 11) | 1u);
    mc3.setValue(flagsUserEdit, 0);
    EXPECT_EQ(sources.value(), 1u);
    EXPECT_NO_FATAL_FAILURE(parameterAt(0x100032, 13)) << "set 2's sources start two bytes on";
    SysexParameter& depth = parameterAt(0x100048);
    EXPECT_EQ(text(depth.valueText(0)), "-64");
    EXPECT_EQ(text(depth.valueText(127)), "+63");
    EXPECT_EQ(shown(depth), "0");
    EXPECT_EQ(shown(parameterAt(0x100040)), "OFF");
}

TEST_F(PerformancePanelTest, APartsInsertionSwitchGreysOnlyThatPartsSends)
{
    Parameter& insertion2 = parameterAt(0x310014);
    Control& send2 = controlOf(parameterAt(0x310011));
    Control& send1 = controlOf(parameterAt(0x300011));
    EXPECT_TRUE(send2.isEnabled());
    insertion2.setValue(flagsUserEdit, 1);
    EXPECT_EQ(shown(insertion2), "INS");
    for (PackedAddress send : {0x310011u, 0x310012u, 0x310013u})
        EXPECT_FALSE(controlOf(parameterAt(send)).isEnabled());
    EXPECT_TRUE(send1.isEnabled());
    insertion2.setValue(flagsUserEdit, 0);
    EXPECT_TRUE(send2.isEnabled());
    for (PackedAddress full : {0x300011u, 0x30000Bu, 0x100133u, 0x10012Du, 0x10012Au, 0x100010u})
        EXPECT_EQ(parameterAt(full).getValue(), 127) << std::hex << full;
    EXPECT_EQ(parameterAt(0x10012C).minimum(), 1) << "pans cannot reach raw 0";
    EXPECT_EQ(shown(parameterAt(0x100014)), "OFF");
    EXPECT_EQ(text(parameterAt(0x100014).valueText(2)), "pst");
}

TEST_F(PerformancePanelTest, TheSequenceSettingsFollowBankSpeedModeAndPlayMode)
{
    Parameter& bank = *page->fseqBankParameter();
    Parameter& preset = parameterAt(0x100017);
    EXPECT_EQ(shown(bank), "P");
    preset.setValue(flagsUserEdit, 7);
    bank.setValue(flagsUserEdit, 0);
    EXPECT_EQ(preset.getValue(), 5) << "internal memory holds six sequences";
    EXPECT_FALSE(controlOf(preset).isShown());

    Parameter& speed = parameterAt(0x100018);
    Control& percent = controlOf(speed);
    Parameter& ratio = parameterAt(0x100018, 0, 4);
    EXPECT_EQ(speed.getValue(), 1000);
    EXPECT_TRUE(percent.isShown());
    Control& mode = captioned(PerformancePanel::fseqGroup, "(Mode)");
    mode.mainParameter()->setValue(flagsUserEdit, 0);
    EXPECT_EQ(speed.getValue(), 2) << "the MIDI ratio must be reachable";
    EXPECT_FALSE(percent.isShown());
    EXPECT_EQ(shown(ratio), "1");
    EXPECT_TRUE(controlOf(ratio).isShown());
    mode.mainParameter()->setValue(flagsUserEdit, 1);
    EXPECT_EQ(speed.getValue(), 1000);

    Parameter& play = parameterAt(0x100021);
    EXPECT_EQ(shown(play), "fseq");
    play.setValue(flagsUserEdit, 1);
    EXPECT_EQ(shown(play), "scratch");
    EXPECT_FALSE(percent.isShown());
    EXPECT_FALSE(captioned(PerformancePanel::fseqGroup, "Loop").isShown());
    EXPECT_TRUE(captioned(PerformancePanel::fseqGroup, "Start step offset").isShown());
    EXPECT_TRUE(controlOf(parameterAt(0x100027)).isShown());
    EXPECT_EQ(page->fseqLinkParameters()[PerformancePanel::loopEnd], &parameterAt(0x10001E));
}

TEST_F(PerformancePanelTest, EqualiserStartsFlatAtItsNamedFrequencies)
{
    EXPECT_EQ(shown(parameterAt(0x100135)), "180");
    EXPECT_EQ(shown(parameterAt(0x100139)), "1.0k");
    EXPECT_EQ(shown(parameterAt(0x10013C)), "8.0k");
    SysexParameter& lowQ = parameterAt(0x100136);
    EXPECT_EQ(lowQ.getValue(), 10);
    EXPECT_EQ(text(lowQ.valueText(1)), "0.1");
    EXPECT_EQ(text(lowQ.valueText(120)), "12.0");
    SysexParameter& lowGain = parameterAt(0x100134);
    EXPECT_EQ(text(lowGain.valueText(52)), "-12");
    EXPECT_EQ(text(lowGain.valueText(76)), "+12");
    lowGain.setValue(flagsUserEdit, 90);
    EXPECT_EQ(lowGain.getValue(), 76);
    EXPECT_EQ(shown(parameterAt(0x10013E)), "shelving");
    EXPECT_EQ(text(parameterAt(0x10013E).valueText(1)), "peaking");
}

TEST_F(PerformancePanelTest, AResetIsOneUndoStepRecordedInThePagesList)
{
    SysexParameter& detune = parameterAt(0x300009);
    SysexParameter& eqGain = parameterAt(0x100138);
    detune.setValue(flagsUserEdit, 10);
    eqGain.setValue(flagsUserEdit, 70);
    const std::size_t edits = history.position();
    EXPECT_EQ(edits, 2u);
    page->initPanel(flagsUserReset);
    EXPECT_EQ(detune.getValue(), 64);
    EXPECT_EQ(eqGain.getValue(), 64);
    EXPECT_EQ(history.position(), edits + 1);
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(detune.getValue(), 10);
    EXPECT_EQ(eqGain.getValue(), 70);
}

} // namespace

namespace {

TEST_F(PerformancePanelTest, PartColumnsStandSideBySideAfterTheFirstColumnsLabelBand)
{
    const Control& channel1 = controlOf(parameterAt(0x300004));
    const Control& channel2 = controlOf(parameterAt(0x310004));
    const Control& channel4 = controlOf(parameterAt(0x330004));
    EXPECT_EQ(channel1.window()->GetPosition(), wxPoint(5 + 80, 130));
    EXPECT_EQ(channel2.window()->GetPosition(), wxPoint(5 + 80 + 130 + 3, 130));
    EXPECT_EQ(channel4.window()->GetPosition(), wxPoint(5 + 80 + 3 * (130 + 3), 130));
    EXPECT_EQ(channel1.window()->GetSize(), wxSize(48, 15)) << "ends before \"max:\" at 50";
    EXPECT_EQ(channel4.window()->GetSize(), wxSize(130, 15)) << "no \"max:\" on parts 3 and 4";
    const Control& highest1 = controlOf(parameterAt(0x300003));
    EXPECT_EQ(highest1.window()->GetPosition(), wxPoint(5 + 80 + 90, 130)) << "on the MIDI CH row";
    EXPECT_EQ(highest1.window()->GetSize(), wxSize(36, 15));
}

TEST_F(PerformancePanelTest, ThePageOutlivesTheParametersAtShutdown)
{
    // The main window destroys the device, and with it every parameter,
    // before the pages.
    factory->destroyParameters();
    delete page;
    page = nullptr;
    SUCCEED();
}

} // namespace

namespace {

TEST_F(PerformancePanelTest, TheHighestChannelStaysWithinTwelveAboveTheReceiveChannel)
{
    SysexParameter& channel = parameterAt(0x300004);
    SysexParameter& highest = parameterAt(0x300003);
    channel.setValue(flagsUserEdit, 3);
    EXPECT_EQ(highest.allowedMinimum(), 3);
    EXPECT_EQ(highest.allowedMaximum(), 15);
    EXPECT_GE(highest.getValue(), 3);
    channel.setValue(flagsUserEdit, 0);
    highest.setValue(flagsUserEdit, 14);
    EXPECT_EQ(highest.getValue(), 12);
}

} // namespace

namespace {

TEST_F(PerformancePanelTest, EffectBlocksStandBelowTheMixerAndTheInsertionTypeNamesTheDestinations)
{
    const auto& blocks = page->effectBlocks();
    ASSERT_EQ(blocks.size(), 3u);
    const int columns[] = {664, 810, 956};
    for (std::size_t k = 0; k < blocks.size(); ++k) {
        EXPECT_EQ(blocks[k]->header().position().x, columns[k]);
        EXPECT_EQ(blocks[k]->header().position().y, EffectBlock::headerY);
    }
    EXPECT_EQ(blocks[0]->page(1)->position(), (LayoutPoint{664, EffectBlock::pageY}));

    SysexParameter& destination = parameterAt(0x100040);
    destination.setValue(flagsUserEdit, 1);
    EXPECT_EQ(shown(destination), "---");
    parameterAt(0x10012f).setValue(flagsUserEdit, 1);
    EXPECT_EQ(shown(destination), "I: LFO freq") << "the controller's choice reads the renamed list";
    EXPECT_TRUE(blocks[0]->page(1)->isShown());
}

TEST_F(PerformancePanelTest, AResetSetsEveryEffectTypeToNoEffectAndKeepsTheEffectValues)
{
    SysexParameter& insertionType = parameterAt(0x10012f);
    insertionType.setValue(flagsUserEdit, 11);
    SysexParameter& lfoFrequency = *page->effectBlocks()[0]->definition(1);
    lfoFrequency.setValue(flagsUserEdit, 99);
    page->initPanel(flagsUserReset);
    EXPECT_EQ(insertionType.getValue(), 0);
    EXPECT_FALSE(page->effectBlocks()[0]->page(11)->isShown());
    EXPECT_EQ(lfoFrequency.getValue(), 99);
}

} // namespace
