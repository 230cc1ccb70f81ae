// A first session as a new user has it, against the simulated FS1R in a real
// window: Init answered Yes on every page, undone, redone and undone again.
// After each step every page shows what the instrument holds, no control
// shows a blank where its fresh value shows something, the performance's
// question names the pages whose unsaved edits it replaces, and a clean exit
// leaves no journal behind. Each command that loads over the pages (a port
// check, a program choice, its undo) asks first when they hold unsaved edits.
#include "app/Fs1rDeviceType.h"
#include "InstrumentMatch.h"
#include "app/tests/gui_app/EditorFixture.h"
#include "app/tests/support/EditorWindows.h"
#include "commands/CommandParameter.h"
#include "commands/FindDeviceCommandParameter.h"
#include "commands/RequestDataCommandParameter.h"
#include "controls/Control.h"
#include "controls/GridSelectorControl.h"
#include "controls/ValueDrawing.h"
#include "gui/ControlElement.h"
#include "gui/ControlGroup.h"
#include "gui/EditorPanel.h"
#include "instrument/Fs1rDevice.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "instrument/Fs1rPatchFiles.h"
#include "instrument/Fs1rSysexFile.h"
#include "instrument/Fs1rSysexProtocol.h"
#include "files/AtomicFile.h"
#include "gui/MainFrame.h"
#include "midi/LoopbackMidiBackend.h"
#include "midi/MidiInterface.h"
#include "panels/PanelManager.h"
#include "panels/PerformanceTopPanel.h"
#include "params/Parameter.h"
#include "params/SetValueFlags.h"
#include "popup/PopupSelectionTarget.h"
#include "simulator/SimulatorConnection.h"
#include "sysex/SysexParameter.h"
#include "tests/support/EventPump.h"

#include <gmock/gmock.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/translation.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using L = Fs1rMemoryLayout;
using Bytes = std::vector<std::uint8_t>;

// A Yes/No box is answered as the test says and its question kept, any
// other dialog is cancelled; an error box fails the test.
class AnsweringUser : public wxModalDialogHook {
public:
    AnsweringUser(std::vector<std::string>& questions, const bool& answer) : questions_(questions), answer_(answer)
    {
        Register();
    }
    ~AnsweringUser() override { Unregister(); }

protected:
    int Enter(wxDialog* dialog) override
    {
        auto* box = dynamic_cast<wxMessageDialog*>(dialog);
        if (!box)
            return wxID_CANCEL;
        EXPECT_FALSE(box->GetMessageDialogStyle() & wxICON_ERROR)
            << "an error box: " << box->GetCaption() << ": " << box->GetMessage();
        if (!(box->GetMessageDialogStyle() & wxYES_NO))
            return wxID_OK;
        questions_.push_back(box->GetMessage().utf8_string());
        return answer_ ? wxID_YES : wxID_NO;
    }
    void Exit(wxDialog*) override {}

private:
    std::vector<std::string>& questions_;
    const bool& answer_;
};

bool blank(const RefString& text) { return text.toUtf8().find_first_not_of(' ') == std::string::npos; }

class FirstSessionTest : public EditorFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(startUp(Fs1rDeviceType()));
        device_ = dynamic_cast<Fs1rDevice*>(frame_->device());
        ASSERT_NE(device_, nullptr);
        panels_ = dynamic_cast<PanelManager*>(device_->mainPanel());
        ASSERT_NE(panels_, nullptr);
        panels_->setConfirmation([this](wxWindow&, const wxString& question) {
            questions_.push_back(question.utf8_string());
            return answer_;
        });
        ASSERT_TRUE(pumpEventsUntil([this] { return SimulatorConnection::registeredInstrument() != nullptr; }, 20s));
        instrument_ = SimulatorConnection::registeredInstrument();
        // The whole comparison only once the wire is quiet: it is slow.
        ASSERT_TRUE(pumpEventsUntil([this] {
            return idle() && bool(instrumentHoldsWhatTheEditorShows(*instrument_, *device_));
        }, 30s)) << "the first connection";
    }

    // Nothing awaited, and every message sent on either side delivered: a
    // step's parameter changes take a while on the wire, and a pair that
    // shares a byte leaves it wrong between its two messages.
    bool idle() const
    {
        const MidiInterface* midi = device_->midiInterface();
        const auto wire = std::dynamic_pointer_cast<LoopbackMidiBackend>(MidiBackend::current());
        return midi && instrumentIdle(*midi) && wire && wire->waitUntilIdle(0ms);
    }

    void showPage(int page)
    {
        choose(MainFrame::firstPageId + page);
        ASSERT_EQ(device_->currentPanel(), page);
    }

    // Every control of the page (with the header, but for the system page).
    std::vector<const Control*> controlsOf(int page) const
    {
        std::vector<const EditorPanel*> panels{panels_->page(page)};
        if (page != Fs1rPanels::systemPage)
            panels.push_back(panels_->header());
        std::vector<const Control*> controls;
        for (const EditorPanel* panel : panels)
            for (std::size_t k = 0; k < panel->groupCount(); ++k)
                if (const ControlGroup* group = panel->group(k))
                    for (const auto& entry : group->controls())
                        if (const auto* control = dynamic_cast<const Control*>(entry->control()))
                            controls.push_back(control);
        return controls;
    }

    // The values shown blank whose fresh value shows a text.
    std::vector<std::string> blanksOn(int page) const
    {
        std::vector<std::string> blanks;
        for (const Control* control : controlsOf(page)) {
            if (!control->window() || !control->window()->IsShown())
                continue;
            for (const auto& [role, parameter] : control->roles())
                if (!blank(valueFaceText(*parameter, parameter->defaultValue()))
                    && blank(currentValueText(parameter)))
                    blanks.push_back(parameter->getName().toUtf8());
        }
        return blanks;
    }

    // The formant sequence's header, with its frames unless the editor's
    // have not been sent.
    testing::AssertionResult sequenceMatches(bool withFrames) const
    {
        Bytes code(1);
        std::uint32_t sum = 0;
        device_->readBytesWithSum(addToPackedAddress(L::fseqDumpAddress, L::fseqLengthCodeAddress & 0x7F), code, sum);
        const std::size_t size = withFrames ? L::fseqDumpSize(L::fseqFrames(code[0])) : L::fseqHeaderSize;
        Bytes shown(size);
        device_->readBytesWithSum(L::fseqDumpAddress, shown, sum);
        Bytes held = instrument_->dumpData(L::fseqDumpAddress);
        held.resize(std::min(held.size(), size));
        if (held == shown)
            return testing::AssertionSuccess();
        const auto text = [](const Bytes& bytes) {
            std::string shown;
            for (std::size_t i = 0; i < std::min<std::size_t>(bytes.size(), L::fseqHeaderSize); ++i)
                shown += " " + std::to_string(bytes[i]);
            return shown;
        };
        return testing::AssertionFailure() << "the sequence differs; its header held:" << text(held)
                                           << "\n shown:" << text(shown);
    }

    // What a user sees once the instrument has answered.
    void expectEveryPageShowsTheInstrument(const std::string& step, bool framesSent)
    {
        SCOPED_TRACE(step);
        EXPECT_TRUE(pumpEventsUntil([this] { return idle(); }, 30s)) << "the instrument is still busy";
        EXPECT_TRUE(instrumentHoldsWhatTheEditorShows(*instrument_, *device_));
        EXPECT_TRUE(sequenceMatches(framesSent));
        for (int page = 0; page < Fs1rPanels::pageCount; ++page) {
            EXPECT_THAT(blanksOn(page), testing::IsEmpty()) << "page " << page;
        }
    }

    // A value of the page other than its own, recorded as the user's edit.
    void editOn(int page)
    {
        for (const Control* control : controlsOf(page)) {
            Parameter* parameter = control->mainParameter();
            if (parameter && parameter->commandList() == &panels_->history(page)
                && !dynamic_cast<CommandParameter*>(parameter) && parameter->maximum() > parameter->minimum()) {
                const std::int32_t value = parameter->getValue();
                parameter->setValue(flagsUserEdit, value == parameter->maximum() ? value - 1 : value + 1);
                ASSERT_TRUE(panels_->pageHistory(page).isModified());
                edits_.push_back({page, parameter, parameter->getValue()});
                return;
            }
        }
        FAIL() << "nothing to edit on page " << page;
    }

    struct Edit {
        int page;
        Parameter* parameter;
        std::int32_t value;
    };

    std::vector<std::string> questions_;
    bool answer_ = true;
    AnsweringUser user_{questions_, answer_};
    Fs1rDevice* device_ = nullptr;
    PanelManager* panels_ = nullptr;
    std::shared_ptr<SimulatedFs1r> instrument_;
    std::vector<Edit> edits_;
};

TEST_F(FirstSessionTest, AfterEachInitAndEachUndoEveryPageShowsWhatTheInstrumentHolds)
{
    expectEveryPageShowsTheInstrument("connecting", true);
    for (int page = 0; page < Fs1rPanels::pageCount; ++page) {
        const std::string where = " on page " + std::to_string(page);
        // The sequence page sends its frames only by its own dump.
        const bool framesSent = page != Fs1rPanels::fseqPage;
        showPage(page);
        choose(wxID_NEW);
        expectEveryPageShowsTheInstrument("Init" + where, framesSent);
        choose(wxID_UNDO);
        expectEveryPageShowsTheInstrument("undo of Init" + where, true);
        choose(wxID_REDO);
        expectEveryPageShowsTheInstrument("redo of Init" + where, framesSent);
        choose(wxID_UNDO);
        expectEveryPageShowsTheInstrument("second undo of Init" + where, true);
    }
    EXPECT_EQ(questions_.size(), std::size_t(Fs1rPanels::pageCount));
}

TEST_F(FirstSessionTest, ThePerformancesInitNamesThePagesWhoseUnsavedEditsItReplaces)
{
    const wxString pageNames[] = {_("Voice 1"), _("Voice 3"), _("Formant sequence")};
    if (std::getenv("QUORVIN_TEST_LANGUAGE")) {
        EXPECT_EQ(pageNames[0], "Voix 1") << "the run asked for French";
    }
    editOn(Fs1rPanels::firstVoicePage);
    editOn(Fs1rPanels::firstVoicePage + 2);
    editOn(Fs1rPanels::fseqPage);
    showPage(Fs1rPanels::performancePage);
    choose(wxID_NEW);
    ASSERT_EQ(questions_.size(), 1u);
    const std::string named = (pageNames[0] + ", " + pageNames[1] + ", " + pageNames[2]).utf8_string();
    EXPECT_NE(questions_[0].find(named), std::string::npos) << questions_[0];
    EXPECT_EQ(questions_[0].find(_("Voice 2").utf8_string()), std::string::npos) << questions_[0];
    expectEveryPageShowsTheInstrument("Init of the performance", true);
}

// A command that would load over the pages, from the page it is given on.
struct LoadCommand {
    const char* name;
    int page;
    // The control the user works, among the page's and the header's.
    bool (*isTarget)(const Control& control, const Fs1rDevice& device);
    void (*run)(Control& control);
    // The connection's load comes after the instrument's answer, and the
    // performance page shows when it does.
    bool connects;
    // The pages the load replaces, first to last.
    int firstReplaced;
    int lastReplaced;
    // The question's first line, then the edited ones among them.
    const char* firstLine;
    const char* named;
    // What comes before the edits: for an undo, the choice it takes back;
    // for the sequence bank, the mode in which it can change.
    void (*before)(Control& control) = nullptr;
};

template <typename Command>
bool isButtonOf(const Control& control, const Fs1rDevice&)
{
    return dynamic_cast<const Command*>(control.mainParameter()) != nullptr;
}

bool binds(const Control& control, const Parameter* parameter)
{
    const auto& roles = control.roles();
    return std::any_of(
        roles.begin(), roles.end(), [parameter](const auto& bound) { return bound.second == parameter; });
}

bool bindsPerformance(const Control& control, const Fs1rDevice& device)
{
    return binds(control, device.currentPerformanceNumber());
}

bool bindsFirstPartVoice(const Control& control, const Fs1rDevice&)
{
    auto* header = dynamic_cast<const PerformanceTopPanel*>(control.window()->GetParent());
    return header && header->partVoiceSelector(0) == &control;
}

bool bindsSequenceNumber(const Control& control, const Fs1rDevice& device)
{
    const Fs1rDevice::FseqParameters& sequence = device.fseqParameters();
    return control.window()->IsShown()
        && (binds(control, sequence.presetNumber) || binds(control, sequence.internalNumber));
}

bool bindsSequenceBank(const Control& control, const Fs1rDevice& device)
{
    return binds(control, device.fseqParameters().bank);
}

// The instrument's 64-voice mode has internal sequences, so either bank can
// be chosen (in the other mode the button holds P alone).
void allowInternalBank(Control& control)
{
    control.mainParameter()->setRange(0, 1, 0);
}

void sendKey(Control& control, int key)
{
    for (wxEventType type : {wxEVT_KEY_DOWN, wxEVT_KEY_UP}) {
        wxKeyEvent event(type);
        event.m_keyCode = key;
        event.SetEventObject(control.window());
        control.window()->ProcessWindowEvent(event);
    }
}

void pressButton(Control& control) { sendKey(control, WXK_RETURN); }

// The next item, as a pick in the control's list makes it.
void pickNext(Control& control)
{
    auto& list = dynamic_cast<PopupSelectionTarget&>(control);
    list.select(list.currentIndex() + 1);
}

// The keys step the control that has the focus.
void pageDown(Control& control)
{
    control.window()->SetFocus();
    EXPECT_TRUE(pumpEventsUntil([&control] { return control.isFocused(); })) << "no focus";
    sendKey(control, WXK_PAGEDOWN);
}

void wheelNotch(Control& control)
{
    control.window()->SetFocus();
    wxMouseEvent event(wxEVT_MOUSEWHEEL);
    event.m_wheelRotation = 120;
    event.m_wheelDelta = 120;
    event.m_wheelAxis = wxMOUSE_WHEEL_VERTICAL;
    event.SetEventObject(control.window());
    control.window()->ProcessWindowEvent(event);
}

void undo(Control& control)
{
    wxCommandEvent command(wxEVT_MENU, wxID_UNDO);
    wxGetTopLevelParent(control.window())->ProcessWindowEvent(command);
}

// File/Open of a performance file that differs from the pages in part 1's
// voice only, as a file chooser answered with it.
void openPerformanceFile(Control& control)
{
    auto& frame = dynamic_cast<MainFrame&>(*wxGetTopLevelParent(control.window()));
    auto& device = dynamic_cast<Fs1rDevice&>(*frame.device());
    const PackedAddress voiceNumber = L::partVoiceNumberAddress(0);
    const std::uint32_t played = device.addressMap().findEntry(voiceNumber)->value();
    device.addressMap().setValue(voiceNumber, (played + 1) % 128, flagsConstruct);
    const Fs1rSysexProtocol protocol;
    const Bytes file = Fs1rSysexFile::build(Fs1rParts::performance, protocol.bulkDump(), device, 0);
    device.addressMap().setValue(voiceNumber, played, flagsConstruct);
    const std::string path
        = (std::filesystem::temp_directory_path() / ("perf-" + std::to_string(::getpid()) + ".syx")).string();
    ASSERT_TRUE(AtomicFile::write(path, std::string_view(reinterpret_cast<const char*>(file.data()), file.size())));
    device.patchFiles().loadSysexFile(path, flagsFileLoad, Fs1rParts::shownPage);
    std::filesystem::remove(path);
}

constexpr int systemPage = Fs1rPanels::systemPage;
constexpr int performancePage = Fs1rPanels::performancePage;
constexpr int voice1Page = Fs1rPanels::firstVoicePage;
constexpr int fseqPage = Fs1rPanels::fseqPage;
constexpr const char* allEdited = "Performance, Voice 1, Formant sequence";
constexpr const char* connecting = "The MIDI connection works.\n";
constexpr const char* performance = "You are going to load another performance.\n";
constexpr const char* voice = "You are going to load another voice.\n";
constexpr const char* sequence = "You are going to load another formant sequence.\n";
constexpr const char* performanceFile = "This file includes performance data.\nLoading it will overwrite the "
                                        "performance and the 4 voices.\n";

const LoadCommand loadCommands[] = {
    {"TestSettings", systemPage, isButtonOf<RequestDataCommandParameter>, pressButton, true, performancePage, fseqPage,
        connecting, allEdited},
    {"AutoDetect", systemPage, isButtonOf<FindDeviceCommandParameter>, pressButton, true, performancePage, fseqPage,
        connecting, allEdited},
    {"PerformancePick", performancePage, bindsPerformance, pickNext, false, performancePage, fseqPage, performance,
        allEdited},
    {"PerformancePageDown", performancePage, bindsPerformance, pageDown, false, performancePage, fseqPage,
        performance, allEdited},
    {"PerformanceWheel", performancePage, bindsPerformance, wheelNotch, false, performancePage, fseqPage, performance,
        allEdited},
    {"PartProgram", performancePage, bindsFirstPartVoice, pickNext, false, voice1Page, voice1Page, voice, "Voice 1"},
    {"SequencePageProgram", fseqPage, bindsSequenceNumber, pickNext, false, fseqPage, fseqPage, sequence,
        "Formant sequence"},
    {"PerformancePageSequenceProgram", performancePage, bindsSequenceNumber, pickNext, false, fseqPage, fseqPage,
        sequence, "Formant sequence"},
    {"PerformancePageSequenceBank", performancePage, bindsSequenceBank, pressButton, false, fseqPage, fseqPage,
        sequence, "Formant sequence", allowInternalBank},
    {"UndoPartProgram", performancePage, bindsFirstPartVoice, undo, false, voice1Page, voice1Page, voice, "Voice 1",
        pickNext},
    {"UndoSequenceProgram", performancePage, bindsSequenceNumber, undo, false, fseqPage, fseqPage, sequence,
        "Formant sequence", pickNext},
    // The file's load is a step of the performance page, which keeps its
    // edits; the voices and the sequence load again.
    {"PerformanceFile", performancePage, bindsFirstPartVoice, openPerformanceFile, false, voice1Page, fseqPage,
        performanceFile, "Voice 1, Formant sequence"},
    // The step holds every change of the file; only part 1's voice loads.
    {"UndoPerformanceFile", performancePage, bindsFirstPartVoice, undo, false, voice1Page, voice1Page, voice,
        "Voice 1", openPerformanceFile},
};

class UnsavedEditsTest : public FirstSessionTest, public testing::WithParamInterface<LoadCommand> {
protected:
    void SetUp() override
    {
        if (std::getenv("QUORVIN_TEST_LANGUAGE"))
            GTEST_SKIP() << "the questions' words are checked in English";
        FirstSessionTest::SetUp();
    }

    Control& target()
    {
        const LoadCommand& command = GetParam();
        for (const Control* control : controlsOf(command.page))
            if (command.isTarget(*control, *device_))
                return const_cast<Control&>(*control);
        throw std::runtime_error(std::string("no control for ") + command.name);
    }

    std::vector<std::int32_t> selection()
    {
        std::vector<std::int32_t> values;
        for (const Parameter* parameter : target().getParameters())
            values.push_back(parameter->getValue());
        return values;
    }

    // Runs the command, until the instrument has answered and the editor
    // has done all it does; true when the load was made.
    bool runCommand(const std::string& step)
    {
        SCOPED_TRACE(step);
        const LoadCommand& command = GetParam();
        showPage(command.page);
        const std::vector<std::int32_t> before = selection();
        const std::size_t asked = questions_.size();
        command.run(target());
        if (command.connects) {
            EXPECT_TRUE(pumpEventsUntil([&] {
                return questions_.size() > asked || device_->currentPanel() == performancePage;
            }, 30s)) << "the connection";
        }
        expectEveryPageShowsTheInstrument(step, false);
        return command.connects ? device_->currentPanel() == performancePage : selection() != before;
    }

    bool replaced(int page) const
    {
        return page >= GetParam().firstReplaced && page <= GetParam().lastReplaced;
    }

    // Over no unsaved edit it would replace, so nothing asks.
    void runBefore()
    {
        if (!GetParam().before)
            return;
        showPage(GetParam().page);
        GetParam().before(target());
        EXPECT_TRUE(pumpEventsUntil([this] { return idle(); }, 30s)) << "before the edits";
    }

    // A system setting the editor holds apart from the instrument, unsent: a
    // connection asks for the instrument's settings whatever else it loads.
    void holdSystemSettingApart()
    {
        for (const Control* control : controlsOf(systemPage)) {
            Parameter* setting = dynamic_cast<SysexParameter*>(control->mainParameter());
            if (setting && setting->maximum() > setting->minimum()) {
                const std::int32_t value = setting->getValue();
                setting->setValue(flagsConstruct, value == setting->maximum() ? value - 1 : value + 1);
                return;
            }
        }
        FAIL() << "no system setting";
    }

    std::vector<std::pair<std::size_t, std::size_t>> historyPlaces() const
    {
        std::vector<std::pair<std::size_t, std::size_t>> places;
        for (int page = 0; page < Fs1rPanels::pageCount; ++page)
            places.emplace_back(panels_->history(page).position(), panels_->history(page).commands().size());
        return places;
    }
};

TEST_P(UnsavedEditsTest, LoadingOverUnsavedEditsAsksFirstAndNoKeepsThem)
{
    // A performance file always asks, with its own question.
    const std::string plainFileQuestion = std::string(performanceFile) + "Do you";
    runBefore();
    EXPECT_TRUE(runCommand("without edits"));
    EXPECT_THAT(questions_, testing::Each(testing::StartsWith(plainFileQuestion))) << "without edits";

    editOn(performancePage);
    runBefore();
    for (int page : {voice1Page, fseqPage})
        editOn(page);
    if (GetParam().connects)
        holdSystemSettingApart();
    const auto places = historyPlaces();
    questions_.clear();
    answer_ = false;
    EXPECT_FALSE(runCommand("answered No"));
    ASSERT_EQ(questions_.size(), 1u);
    EXPECT_THAT(questions_[0], testing::StartsWith(GetParam().firstLine));
    EXPECT_NE(questions_[0].find(std::string("these pages: ") + GetParam().named + "."), std::string::npos)
        << questions_[0];
    EXPECT_EQ(historyPlaces(), places) << "every history as it was";
    for (const Edit& edit : edits_) {
        EXPECT_TRUE(panels_->pageHistory(edit.page).isModified()) << "page " << edit.page;
        EXPECT_EQ(edit.parameter->getValue(), edit.value) << "page " << edit.page;
    }

    answer_ = true;
    EXPECT_TRUE(runCommand("answered Yes"));
    EXPECT_EQ(questions_.size(), 2u);
    for (const Edit& edit : edits_)
        EXPECT_EQ(panels_->pageHistory(edit.page).isModified(), !replaced(edit.page)) << "page " << edit.page;

    // The Yes held for that load alone: new edits are asked about again.
    runBefore();
    for (int page : {voice1Page, fseqPage})
        editOn(page);
    const std::size_t asked = questions_.size();
    EXPECT_TRUE(runCommand("edited again"));
    ASSERT_EQ(questions_.size(), asked + 1);
    EXPECT_THAT(questions_.back(), testing::HasSubstr(GetParam().named == allEdited ? "Voice 1, Formant sequence"
                                                                                    : GetParam().named));
}

INSTANTIATE_TEST_SUITE_P(EveryLoad, UnsavedEditsTest, testing::ValuesIn(loadCommands),
    [](const testing::TestParamInfo<LoadCommand>& info) { return std::string(info.param.name); });

TEST_F(FirstSessionTest, ACleanExitLeavesNoJournalBehind)
{
    ASSERT_TRUE(exitProgram());
    for (const auto& entry : std::filesystem::recursive_directory_iterator(userFolder_.path()))
        EXPECT_NE(entry.path().extension(), ".journal") << entry.path();
}

} // namespace
