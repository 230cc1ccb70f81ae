// The system page built by the page manager on a real device: its
// parameters' addresses and displays, its reset, which spares the editor's
// own MIDI settings, and its conditions.
#include "PagesFixture.h"

#include "controls/CaptionControl.h"
#include "controls/ValueButton.h"
#include "gui/QuickHelpWindow.h"
#include "midi/DeviceMidiInParameter.h"
#include "panels/ControlStyleSet.h"
#include "panels/SystemPanel.h"
#include "params/SetValueFlags.h"
#include "sysex/AddressEntry.h"
#include "sysex/SysexField.h"
#include "sysex/SysexParameter.h"

namespace {

SysexParameter& sysex(Control& control)
{
    auto* parameter = dynamic_cast<SysexParameter*>(control.mainParameter());
    if (parameter == nullptr)
        throw std::runtime_error("not a SysEx parameter");
    return *parameter;
}

PackedAddress addressOf(Control& control) { return sysex(control).field().entries().front()->address(); }

} // namespace

class SystemPanelTest : public PagesFixture {
protected:
    SystemPanelTest() : page(dynamic_cast<SystemPanel&>(*panels->page(Fs1rPanels::systemPage))) {}

    std::int32_t value(const std::string& caption) { return control(page, caption).mainParameter()->getValue(); }
    std::string text(const std::string& caption)
    {
        Parameter& parameter = *control(page, caption).mainParameter();
        return parameter.valueText(parameter.getValue()).toUtf8();
    }

    SystemPanel& page;
};

TEST_F(SystemPanelTest, TheGroupsHoldEveryControlAtThePlacesOfThePicture)
{
    EXPECT_EQ(page.GetSize(), wxSize(1272, 716));
    EXPECT_EQ(page.group(SystemPanel::systemGroup)->controls().size(), 7u);
    EXPECT_EQ(page.group(SystemPanel::midiGroup)->controls().size(), 22u);
    EXPECT_EQ(page.group(SystemPanel::playGroup)->controls().size(), 8u);
    // Caption, two ports, two command buttons, four keyboards, four control sets.
    EXPECT_EQ(page.group(SystemPanel::editorGroup)->controls().size(), 13u);
    EXPECT_EQ(page.group(SystemPanel::midiGroup)->position(), (LayoutPoint{452, 33}));
    EXPECT_EQ(page.group(SystemPanel::editorGroup)->position(), (LayoutPoint{64, 308}));
    QuickHelpWindow& help = *page.quickHelp();
    EXPECT_EQ(help.GetPosition(), wxPoint(500, 280));
    EXPECT_EQ(help.GetSize(), wxSize(740, 400));
}

TEST_F(SystemPanelTest, ParametersSitAtTheirSystemAddressesWithTheirDisplays)
{
    SysexParameter& tune = sysex(control(page, "Master tune"));
    EXPECT_EQ(addressOf(control(page, "Master tune")), 0x000000u);
    EXPECT_EQ(tune.getValue(), 64);
    EXPECT_EQ(tune.valueText(0).toUtf8(), "-64");
    SysexParameter& channel = sysex(control(page, "Perf MIDI CH"));
    EXPECT_EQ(addressOf(control(page, "Perf MIDI CH")), 0x000009u);
    EXPECT_EQ(channel.valueText(-1).toUtf8(), "OFF");
    EXPECT_EQ(channel.valueText(0).toUtf8(), "1");
    EXPECT_EQ(channel.valueText(15).toUtf8(), "16");
    EXPECT_EQ(channel.valueText(16).toUtf8(), "All");
    // Wide enough for the instrument's OFF code, 0x7F.
    EXPECT_EQ(channel.bitWidth(), 7u);
    EXPECT_EQ(addressOf(control(page, "Breath")), 0x00001Fu);
    EXPECT_EQ(addressOf(control(page, "Play snd 4 velo")), 0x000029u);
    EXPECT_EQ(text("Play snd 2 note"), "C3");
    EXPECT_EQ(text("Dump interval"), "50 ms");
}

TEST_F(SystemPanelTest, AControllerNumberIsNever32)
{
    Parameter& knob = *control(page, "Knob 1").mainParameter();
    knob.setValue(flagsUserEdit, 32);
    EXPECT_EQ(knob.getValue(), 33);
}

TEST_F(SystemPanelTest, TheFixedControllersShowTheirNumbersWithoutAParameter)
{
    auto& attack = dynamic_cast<CaptionControl&>(control(page, "Attack"));
    EXPECT_EQ(attack.text().toUtf8(), "73");
    EXPECT_EQ(attack.mainParameter(), nullptr);
    EXPECT_EQ(dynamic_cast<CaptionControl&>(control(page, "Release")).text().toUtf8(), "72");
}

TEST_F(SystemPanelTest, BankReceiveShowsOnlyWhileProgramChangesAreReceived)
{
    Control& bank = control(page, "Bank rcv");
    Parameter& program = *control(page, "PG rcv").mainParameter();
    bank.mainParameter()->setValue(flagsUserEdit, 0);
    program.setValue(flagsUserEdit, 0);
    EXPECT_FALSE(bank.isShown());
    program.setValue(flagsUserEdit, 1);
    EXPECT_TRUE(bank.isShown());
    EXPECT_EQ(bank.mainParameter()->getValue(), 0);
}

TEST_F(SystemPanelTest, EditsRecordIntoTheSystemHistory)
{
    control(page, "Note shift").mainParameter()->setValue(flagsUserEdit, 70);
    EXPECT_TRUE(panels->history(Fs1rPanels::systemPage).canUndo());
    EXPECT_FALSE(panels->history(Fs1rPanels::performancePage).canUndo());
}

TEST_F(SystemPanelTest, AResetRestoresTheInstrumentSettingsAsOneStepAndSparesTheEditorsPorts)
{
    const std::vector<std::pair<std::string, std::int32_t>> edits{{"Master tune", 3}, {"Perf MIDI CH", -1},
        {"Formant", 7}, {"Foot", 9}, {"Knob rcv", 0}, {"PG rcv", 0}, {"Play snd 1 note", 10},
        {"Play snd 3 velo", 5}, {"Note rcv", 2}};
    for (const auto& [caption, raw] : edits)
        control(page, caption).mainParameter()->setValue(flagsUserEdit, raw);
    Parameter& midiIn = *control(page, "MIDI IN").mainParameter();
    const std::int32_t port = midiIn.getValue();
    panels->showSystemPanel();
    panels->setConfirmation([](wxWindow&, const wxString&) { return true; });
    panels->resetCurrentPanel();

    EXPECT_EQ(value("Master tune"), 64);
    EXPECT_EQ(text("Perf MIDI CH"), "1");
    EXPECT_EQ(value("Formant"), 80);
    EXPECT_EQ(value("Foot"), 4);
    EXPECT_EQ(text("Knob rcv"), "ON");
    EXPECT_EQ(text("PG rcv"), "ON");
    EXPECT_EQ(text("Play snd 1 note"), "C3");
    EXPECT_EQ(value("Play snd 3 velo"), 127);
    EXPECT_EQ(text("Note rcv"), "All");
    EXPECT_EQ(midiIn.getValue(), port);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.waitCalls.empty());

    ASSERT_TRUE(panels->history(Fs1rPanels::systemPage).undo());
    EXPECT_EQ(value("Master tune"), 3);
    EXPECT_EQ(value("Foot"), 9);
}

TEST_F(SystemPanelTest, TheEditorsMidiControlsCannotBeSelected)
{
    for (const char* caption : {"MIDI IN", "MIDI OUT", "Keyboard 1", "Keyboard 4", "Controller 1", "Controller 4"})
        EXPECT_FALSE(control(page, caption).isSelectable()) << caption;
    const auto& entries = page.group(SystemPanel::editorGroup)->controls();
    auto& autoDetect = dynamic_cast<ValueButton&>(*entries.at(3)->control());
    EXPECT_EQ(autoDetect.shownText().toUtf8(), "Auto-detect");
    EXPECT_FALSE(autoDetect.isSelectable());
    EXPECT_EQ(dynamic_cast<ValueButton&>(*entries.at(4)->control()).shownText().toUtf8(), "Test settings");
}
