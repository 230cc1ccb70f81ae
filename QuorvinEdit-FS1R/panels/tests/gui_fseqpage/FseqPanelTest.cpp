// The formant-sequence page built on a real device: where its groups and
// graph stand, its parameters' addresses and displays, the length's hold on
// the loop points and the dump size, the dump button's life, the tool and
// show/hide switches, and its undo history.
#include "PagesFixture.h"

#include "commands/DumpProgressParameter.h"
#include "controls/RangeControl.h"
#include "controls/ValueLabelControl.h"
#include "fseq/FseqGraphControl.h"
#include "fseq/FseqTrack.h"
#include "fseq/ParameterSequence.h"
#include "gui/ControlElement.h"
#include "panels/ControlStyleSet.h"
#include "panels/FseqPanel.h"
#include "params/SetValueFlags.h"
#include "sysex/AddressEntry.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexField.h"
#include "sysex/SysexParameter.h"
#include "undo/CommandList.h"

#include <wx/frame.h>

namespace {

PackedAddress addressOf(const Parameter& parameter)
{
    return dynamic_cast<const SysexParameter&>(parameter).field().entries().front()->address();
}

} // namespace

class FseqPanelTest : public PagesFixture {
protected:
    FseqPanelTest()
    {
        device->parameterFactory()->setCommandList(&history);
        page = new FseqPanel(frame, styles, *device->parameterFactory(), *device);
    }

    Parameter& parameterOf(const std::string& caption) { return *control(*page, caption).mainParameter(); }
    Control& controlAt(std::size_t group, std::size_t index)
    {
        return dynamic_cast<Control&>(*page->group(group)->controls().at(index)->control());
    }
    DumpProgressParameter& dump()
    {
        return dynamic_cast<DumpProgressParameter&>(*page->dumpButton().mainParameter());
    }
    const std::vector<std::unique_ptr<FseqTrack>>& tracks() { return page->graph().trackList().tracks(); }

    ControlStyleSet styles;
    CommandList history;
    FseqPanel* page = nullptr;
};

TEST_F(FseqPanelTest, GroupsGraphAndTracksStandWhereThePictureHasRoomForThem)
{
    EXPECT_EQ(page->GetSize(), wxSize(1272, 716));
    EXPECT_EQ(page->group(0)->position(), (LayoutPoint{660, 9}));
    EXPECT_EQ(page->group(4)->position(), (LayoutPoint{5, 196}));
    // The graph takes the loop bar's width beside the zoom bar, not the
    // zoom column's 27 pixels.
    const wxRect graph = page->graph().window()->GetRect();
    EXPECT_EQ(graph.GetSize(), wxSize(1229, 516));
    const wxRect loop = control(*page, "Loop").window()->GetRect();
    EXPECT_EQ(graph.GetLeft(), loop.GetLeft());
    EXPECT_GT(graph.GetTop(), loop.GetBottom());
    EXPECT_LE(graph.GetBottom(), 716);
    // No show/edit switch reaches down into the loop bar.
    for (const auto& entry : page->group(2)->controls()) {
        if (entry->control()) {
            EXPECT_LT(dynamic_cast<Control&>(*entry->control()).window()->GetRect().GetBottom(), loop.GetTop());
        }
    }
    ASSERT_EQ(tracks().size(), 33u);
    // Pitch, then per formant voiced frequency and level, unvoiced ones.
    EXPECT_FALSE(tracks()[0]->isLevel());
    EXPECT_TRUE(tracks()[2]->isLevel());
    EXPECT_TRUE(tracks()[32]->isLevel());
    // Two tools and the dump button.
    EXPECT_EQ(page->group(1)->controls().size(), 3u);
    // Header 6 and settings 8, tools 3, loop 1, zoom and graph 2, and the
    // switches: pitch 2, group 4, eight formants of 8.
    EXPECT_EQ(controlCount(*page), 14u + 3u + 1u + 2u + 70u);
}

TEST_F(FseqPanelTest, ParametersSitAtTheHeaderAndFrameAddressesWithTheirDisplays)
{
    EXPECT_EQ(addressOf(parameterOf("Loop mode")), 0x700014u);
    EXPECT_EQ(addressOf(parameterOf("Speed adj")), 0x700015u);
    EXPECT_EQ(addressOf(parameterOf("Length")), 0x70001Eu);
    EXPECT_EQ(parameterOf("Velo>tempo").maximum(), 7);
    EXPECT_EQ(parameterOf("Loop mode").valueText(1).toUtf8(), "round");
    EXPECT_EQ(parameterOf("Pitch mode").valueText(1).toUtf8(), "non-pitch");
    Parameter& tuning = parameterOf("Pitch tuning");
    EXPECT_EQ(tuning.valueText(0).toUtf8(), "-63");
    EXPECT_EQ(tuning.valueText(126).toUtf8(), "+63");
    EXPECT_EQ(tuning.getValue(), 63);
    EXPECT_EQ(parameterOf("Note assign").getValue(), 64);
    EXPECT_EQ(parameterOf("Length").valueText(0).toUtf8(), "1");
    EXPECT_EQ(page->lengthCodeParameter().valueText(0).toUtf8(), "128");
    // Voiced formant 3's level: offset 20 of each 50-byte frame, 7-bit carries.
    const ParameterSequence& level3 = tracks()[4 * 2 + 2]->sequence();
    EXPECT_EQ(addressOf(level3.at(0)), 0x700020u + 20);
    EXPECT_EQ(addressOf(level3.at(2)), addToPackedAddress(0x700020, 2 * 50 + 20));
    EXPECT_EQ(addressOf(tracks()[32]->sequence().at(511)), addToPackedAddress(0x700020, 25599));
}

TEST_F(FseqPanelTest, NonPitchModeHidesNoteAssignAndTuning)
{
    EXPECT_TRUE(control(*page, "Note assign").isShown());
    parameterOf("Pitch mode").setValue(flagsUserEdit, 1);
    EXPECT_FALSE(control(*page, "Note assign").isShown());
    EXPECT_FALSE(control(*page, "Pitch tuning").isShown());
}

TEST_F(FseqPanelTest, TheLengthBoundsTheLoopPointsAndPicksTheShortestDump)
{
    Parameter& length = parameterOf("Length");
    const std::vector<std::pair<std::int32_t, std::int32_t>> lengthToCode{
        {0, 0}, {127, 0}, {128, 1}, {384, 3}, {511, 3}, {300, 2}};
    for (const auto& [raw, code] : lengthToCode) {
        length.setValue(flagsUserEdit, raw);
        EXPECT_EQ(page->lengthCodeParameter().getValue(), code) << "length " << raw + 1;
    }
    EXPECT_EQ(*dump().byteCount(), 19232u);
    Parameter& loopEnd = *page->linkedSettings()[FseqPanel::loopEnd];
    // Raw length 300 is 301 frames, the last one frame 300.
    loopEnd.setValue(flagsUserEdit, 511);
    EXPECT_EQ(loopEnd.getValue(), 300);
    length.setValue(flagsUserEdit, 0);
    EXPECT_EQ(*dump().byteCount(), 6432u);
    EXPECT_EQ(loopEnd.getValue(), 0);
}

TEST_F(FseqPanelTest, TheDumpButtonShowsAfterSpeedOrFrameEditsAndHidesAfterItsDump)
{
    Control& button = page->dumpButton();
    EXPECT_FALSE(button.isShown());
    parameterOf("Loop mode").setValue(flagsUserEdit, 1);
    EXPECT_FALSE(button.isShown());
    parameterOf("Speed adj").setValue(flagsUserEdit, 20);
    EXPECT_TRUE(button.isShown());
    parameterOf("Length").setValue(flagsUserEdit, 511);
    dump().setValue(flagsUserEdit, 1);
    EXPECT_FALSE(button.isShown());
    ASSERT_FALSE(ui.waitCalls.empty());
    EXPECT_EQ(ui.waitCalls.back(), "timed Dump to device in progress 4101 1800");
    tracks()[0]->sequence().at(3).setValue(flagsUserEdit, 100);
    EXPECT_TRUE(button.isShown());
}

TEST_F(FseqPanelTest, ToolButtonsSelectTheirToolsAndGroupSwitchesShowAndHideTracks)
{
    Control& lineButton = controlAt(1, 1);
    lineButton.mainParameter()->setValue(flagsUserEdit, 0);
    EXPECT_EQ(page->graph().toolSelector().getValue(), 1);
    EXPECT_EQ(lineButton.mainParameter()->getValue(), 1);
    EXPECT_EQ(controlAt(1, 0).mainParameter()->getValue(), 0);

    // After the title: pitch show and edit, then show-all and hide-all of
    // frequencies, then of levels.
    Control& hideFrequencies = controlAt(2, 4);
    Control& showLevels = controlAt(2, 5);
    EXPECT_EQ(hideFrequencies.mainParameter()->unit().toUtf8(), "hide");
    hideFrequencies.mainParameter()->setValue(flagsUserEdit, 0);
    for (std::size_t k = 1; k < tracks().size(); ++k)
        EXPECT_EQ(tracks()[k]->showFlag().getValue(), tracks()[k]->isLevel() ? 1 : 0) << k;
    EXPECT_EQ(showLevels.mainParameter()->getValue(), 1);
    EXPECT_EQ(tracks()[0]->showFlag().getValue(), 1);
}

TEST_F(FseqPanelTest, EditsRecordIntoThePageListAndAResetIsOneUndoStep)
{
    parameterOf("Seq delay").setValue(flagsUserEdit, 40);
    parameterOf("Speed adj").setValue(flagsUserEdit, 20);
    EXPECT_EQ(history.position(), 2u);
    page->initPanel(flagsUserReset);
    EXPECT_EQ(history.position(), 3u);
    EXPECT_EQ(parameterOf("Seq delay").getValue(), 0);
    EXPECT_EQ(tracks()[0]->sequence().at(0).getValue(), 13056);
    // Resetting the command buttons neither saves nor dumps.
    EXPECT_TRUE(ui.waitCalls.empty());
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(parameterOf("Seq delay").getValue(), 40);
    EXPECT_EQ(parameterOf("Speed adj").getValue(), 20);
}

TEST_F(FseqPanelTest, ClicksOnTheToolAndDumpButtonsReachTheirParameters)
{
    const auto click = [](Control& button) {
        wxWindow& window = *button.window();
        const wxPoint centre(window.GetClientSize().x / 2, window.GetClientSize().y / 2);
        for (wxEventType type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP}) {
            wxMouseEvent event(type);
            event.SetPosition(centre);
            event.SetEventObject(&window);
            window.GetEventHandler()->ProcessEvent(event);
        }
    };
    click(controlAt(1, 1));
    EXPECT_EQ(page->graph().toolSelector().getValue(), 1);
    click(controlAt(1, 0));
    EXPECT_EQ(page->graph().toolSelector().getValue(), 0);

    parameterOf("Speed adj").setValue(flagsUserEdit, 3);
    ASSERT_TRUE(page->dumpButton().isShown());
    click(page->dumpButton());
    EXPECT_FALSE(page->dumpButton().isShown());
    ASSERT_EQ(ui.waitCalls.size(), 1u);
    EXPECT_EQ(ui.waitCalls.front(), "timed Dump to device in progress 1029 1800");
}

TEST_F(FseqPanelTest, TheBankPicksWhichProgramChoiceShowsAtTheSamePlace)
{
    // Save to file, save to device, bank, preset program, internal program.
    Parameter& bank = *controlAt(0, 2).mainParameter();
    Control& preset = controlAt(0, 3);
    Control& internal = controlAt(0, 4);
    EXPECT_EQ(preset.window()->GetPosition(), internal.window()->GetPosition());
    bank.setValue(flagsUserEdit, 0);
    EXPECT_FALSE(preset.isShown());
    EXPECT_TRUE(internal.isShown());
    preset.mainParameter()->setValue(flagsUserEdit, 50);
    EXPECT_LE(preset.mainParameter()->getValue(), 5);
    bank.setValue(flagsUserEdit, 1);
    EXPECT_TRUE(preset.isShown());
    EXPECT_FALSE(internal.isShown());
    preset.mainParameter()->setValue(flagsUserEdit, 50);
    EXPECT_EQ(preset.mainParameter()->getValue(), 50);
}

// The range bars keep room for their value texts at the ends: with only the
// border free, the texts would stand on the bar, where they cannot be read.
TEST_F(FseqPanelTest, TheProgramChoicesClipAndTheRangeBarsKeepTheirTextsOffTheBar)
{
    for (std::size_t index : {3u, 4u})
        EXPECT_TRUE(dynamic_cast<ValueLabelControl&>(controlAt(0, index)).clipsWhenNarrow()) << index;
    EXPECT_FALSE(dynamic_cast<RangeControl&>(control(*page, "Loop")).hasFixedMargin());
    EXPECT_FALSE(dynamic_cast<RangeControl&>(controlAt(4, 0)).hasFixedMargin());
}
