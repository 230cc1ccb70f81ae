// The control-set dialog and MIDI learn in real windows, driven by the
// events their buttons, fields and timers send.
#include "gui/ControlSetDialogAction.h"
#include "gui/ControlStyle.h"
#include "gui/MidiBindingList.h"
#include "gui/MidiControlSetDialog.h"
#include "gui/MidiControlSetPanel.h"
#include "gui/MidiLearnDialog.h"
#include "gui/ParameterChoiceWidget.h"
#include "gui/WxDeviceUserInterface.h"
#include "localparams/LocalParameter.h"
#include "midi/FocusedParameters.h"
#include "midi/LoopbackMidiBackend.h"
#include "midi/MidiControlBinding.h"
#include "midi/MidiControlGrouper.h"
#include "midi/MidiControlSet.h"
#include "midi/MidiInterface.h"
#include "midi/MidiMessageText.h"
#include "params/SetValueFlags.h"
#include "tests/support/FileBytes.h"
#include "tests/support/LogCapture.h"
#include "tests/support/QuietDevice.h"
#include "tests/support/TempFolder.h"
#include "text/WxText.h"
#include "xml/XmlFile.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

constexpr MidiMessage volumeKnob{0xB0, 7, 64};
constexpr MidiMessage panKnob{0xB0, 10, 0};

class IdleTimer : public MidiControlGrouper::Timer {
public:
    void start(std::chrono::milliseconds) override {}
    void stop() override {}
};

ParameterPath pathOf(const char* widget)
{
    ParameterPath path;
    path.panel = RefString(u"Voice");
    path.group = RefString(u"Filter");
    path.widget = RefString::fromUtf8(widget);
    return path;
}

template <typename Window>
Window* child(wxWindow* parent, int id)
{
    return dynamic_cast<Window*>(parent->FindWindow(id));
}

MidiLearnDialog* openLearnDialog()
{
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* dialog = dynamic_cast<MidiLearnDialog*>(window); dialog && dialog->IsModal())
            return dialog;
    return nullptr;
}

void click(wxWindow* button)
{
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    event.SetEventObject(button);
    button->ProcessWindowEvent(event);
}

class ControlSetDialogTest : public ::testing::Test {
protected:
    ControlSetDialogTest()
    {
        previousBackend_ = MidiBackend::install(backend);
        midi_ = std::make_unique<MidiInterface>(
            device_, [this](MidiInterface& owner) { return std::make_unique<MidiControlSet>(owner, grouper_); });
        cutoff.setKeyAndRegister(pathOf("Cutoff"));
        resonance.setKeyAndRegister(pathOf("Resonance"));
        frame = new wxFrame(nullptr, wxID_ANY, "page", wxDefaultPosition, wxSize(900, 700));
        frame->Show();
        dialog = new MidiControlSetDialog(set(), frame, style_);
        dialog->setQuestions({[this](wxWindow*) { return answerImport; },
            [this](wxWindow*, bool) { return chosenPath; },
            [this](wxWindow*, const wxString& path) {
                askedToReplace += path.ToStdString() + "\n";
                return answerReplace;
            },
            [this](wxWindow*, const wxString&, const wxString& text) { told += text.ToStdString() + "\n"; }});
        setFocusedParametersSource([this] { return focused; });
    }
    ~ControlSetDialogTest() override
    {
        setFocusedParametersSource(nullptr);
        dialog->detach();
        frame->Destroy();
        wxTheApp->ProcessIdle();
        midi_.reset();
        MidiBackend::install(previousBackend_);
    }

    MidiControlSet& set() const { return static_cast<MidiControlSet&>(midi_->controlSet(0)); }
    wxButton* button(int id) const { return child<wxButton>(dialog, id); }
    // The panel's controls in the order they were added.
    wxWindow* panelControl(std::size_t index) const
    {
        return dynamic_cast<ParameterWidget*>(dialog->panel()->group(0)->controls().at(index)->control())->window();
    }
    wxWindow* learnButton() const { return panelControl(3); }
    wxWindow* confirmButton() const { return panelControl(5); }
    wxString cell(long row, long column) const { return dialog->bindingList().GetItemText(row, column); }

    std::shared_ptr<LoopbackMidiBackend> backend = std::make_shared<LoopbackMidiBackend>();
    LogCapture log;
    LocalParameter cutoff{0, 99};
    LocalParameter resonance{0, 127};
    std::shared_ptr<const ParameterList> focused;
    wxFrame* frame = nullptr;
    MidiControlSetDialog* dialog = nullptr;
    bool answerImport = true;
    wxString chosenPath;
    bool answerReplace = false;
    std::string askedToReplace;
    std::string told;

private:
    const ControlStyle style_;
    QuietDevice device_;
    MidiControlGrouper grouper_{std::make_unique<IdleTimer>()};
    std::shared_ptr<MidiBackend> previousBackend_;
    std::unique_ptr<MidiInterface> midi_;
};

TEST_F(ControlSetDialogTest, WindowsCarryTheirNamesTextsAndIds)
{
    EXPECT_EQ(dialog->GetName(), "dialog");
    EXPECT_EQ(dialog->GetTitle(), "MIDI control set");
    EXPECT_EQ(dialog->bindingList().GetName(), "listCtrl");
    const char* labels[] = {"Delete", "Import", "Export", "Close"};
    for (int id = 0; id < 4; ++id) {
        ASSERT_NE(button(id), nullptr) << id;
        EXPECT_EQ(button(id)->GetLabel(), labels[id]);
        EXPECT_EQ(button(id)->GetName(), "button");
    }
    wxListItem column;
    column.SetMask(wxLIST_MASK_TEXT);
    ASSERT_TRUE(dialog->bindingList().GetColumn(1, column));
    EXPECT_EQ(column.GetText(), "Parameter");
    EXPECT_EQ(dialog->bindingList().GetColumnWidth(0), dialog->bindingList().GetColumnWidth(1));
    EXPECT_EQ(dialog->GetMinSize(), dialog->GetSize());
    EXPECT_TRUE(dialog->panel()->group(0)->name().toUtf8().starts_with("MIDI ctrl setup "));
}

TEST_F(ControlSetDialogTest, ConfirmIsOnButDisabledUntilLearnIsSwitchedOnAndCloseSwitchesLearnOff)
{
    EXPECT_EQ(set().confirmSwitch().getValue(), 1);
    EXPECT_FALSE(confirmButton()->IsEnabled());
    click(learnButton());
    EXPECT_EQ(set().learnSwitch().getValue(), 1);
    EXPECT_TRUE(confirmButton()->IsEnabled());
    EXPECT_EQ(static_cast<wxButton*>(learnButton())->GetLabel(), "ON");

    dialog->run();
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_EQ(dialog->GetSize().y, frame->GetSize().y);
    click(button(MidiControlSetDialog::closeButton));
    EXPECT_FALSE(dialog->IsShown());
    EXPECT_EQ(set().learnSwitch().getValue(), 0);
    EXPECT_FALSE(confirmButton()->IsEnabled());
}

TEST_F(ControlSetDialogTest, WithoutConfirmTheLearnDialogBindsByItselfAndTheListFollows)
{
    focused = std::make_shared<const ParameterList>(ParameterList{&cutoff});
    click(learnButton());
    click(confirmButton());
    ASSERT_EQ(set().confirmSwitch().getValue(), 0);
    // Returns once the learn dialog's timer has accepted.
    set().handleMessage(volumeKnob);
    ASSERT_EQ(set().bindingCount(), 1u);
    EXPECT_EQ(set().binding(0).parameter(), &cutoff);
    ASSERT_EQ(dialog->bindingList().GetItemCount(), 1);
    EXPECT_EQ(cell(0, 0), toWxString(midiMessageText(set().binding(0).message(), true)));
    EXPECT_EQ(cell(0, 1), toWxString(cutoff.key().text()));
    EXPECT_EQ(openLearnDialog(), nullptr);
}

TEST_F(ControlSetDialogTest, ConfirmedLearnTakesTheLastKnobAndTheChosenCandidate)
{
    focused = std::make_shared<const ParameterList>(ParameterList{&cutoff, &resonance});
    click(learnButton());
    bool sawList = false;
    // The second knob arrives while the learn dialog is up, as a posted
    // event does; then the user picks the second parameter and OK.
    wxTheApp->CallAfter([this, &sawList] {
        set().handleMessage(panKnob);
        MidiLearnDialog* learn = openLearnDialog();
        ASSERT_NE(learn, nullptr);
        auto* list = dynamic_cast<wxListBox*>(learn->FindWindow("listBox"));
        ASSERT_NE(list, nullptr);
        sawList = list->GetSelection() == 0 && list->GetCount() == 2;
        list->SetSelection(1);
        click(learn->FindWindow(wxID_OK));
    });
    set().handleMessage(volumeKnob);
    EXPECT_TRUE(sawList);
    ASSERT_EQ(set().bindingCount(), 1u);
    EXPECT_EQ(set().binding(0).parameter(), &resonance);
    EXPECT_EQ(set().binding(0).message().data1, panKnob.data1);
}

TEST_F(ControlSetDialogTest, DeleteErasesTheSelectedBindingOnly)
{
    set().bind(volumeKnob, cutoff);
    set().bind(panKnob, resonance);
    click(button(MidiControlSetDialog::deleteButton));
    EXPECT_EQ(set().bindingCount(), 2u);
    dialog->bindingList().SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    click(button(MidiControlSetDialog::deleteButton));
    ASSERT_EQ(set().bindingCount(), 1u);
    EXPECT_EQ(set().binding(0).parameter(), &resonance);
    EXPECT_EQ(dialog->bindingList().GetItemCount(), 1);
    EXPECT_FALSE(cutoff.listeners().size() > 0);
}

TEST_F(ControlSetDialogTest, PortChoicesShowTheOpenPortAndOpenTheChosenOne)
{
    wxWindow* input = panelControl(1);
    EXPECT_EQ(input->GetLabel(), "NO MIDI PORT FOUND");
    backend->addPortPair("Surface");
    dialog->run();
    // The item the menu sends for the second entry, the port.
    wxCommandEvent chosen(wxEVT_MENU, ParameterChoiceWidget::firstItemId + 1);
    chosen.SetEventObject(input);
    input->ProcessWindowEvent(chosen);
    EXPECT_NE(set().input(), nullptr);
    EXPECT_EQ(set().output(), nullptr);
    EXPECT_EQ(input->GetLabel(), "Surface");
}

// The texts of the list a click on the choice opens; the list is closed
// with Escape as soon as it shows.
std::vector<wxString> openedListTexts(wxWindow* choice)
{
    std::vector<wxString> texts;
    choice->Bind(wxEVT_MENU_OPEN, [&texts](wxMenuEvent& event) {
        for (const wxMenuItem* item : event.GetMenu()->GetMenuItems())
            texts.push_back(item->GetItemLabelText() + (item->IsChecked() ? " *" : ""));
        wxTheApp->CallAfter([] { wxUIActionSimulator().Char(WXK_ESCAPE); });
    });
    click(choice);
    return texts;
}

TEST_F(ControlSetDialogTest, PortListShowsEveryEntryWithATextAndTheOpenPortChecked)
{
    backend->addPortPair("Surface");
    backend->addPortPair("R&D desk");
    dialog->run();
    EXPECT_EQ(openedListTexts(panelControl(1)), (std::vector<wxString>{L"\u2014 *", "Surface", "R&D desk"}));
}

TEST_F(ControlSetDialogTest, TypedNameReachesTheSet)
{
    auto* name = dynamic_cast<wxTextCtrl*>(panelControl(0));
    ASSERT_NE(name, nullptr);
    name->SetValue("Faders");
    EXPECT_EQ(set().name().text().toUtf8(), "Faders");
}

TEST_F(ControlSetDialogTest, ExportThenImportRestoresBindingsAndName)
{
    const TempFolder folder("controlsetdialog");
    set().name().setText(RefString(u"Desk"));
    set().bind(volumeKnob, cutoff);
    chosenPath = wxString::FromUTF8((folder / "desk").string());
    click(button(MidiControlSetDialog::exportButton));
    const std::filesystem::path written = folder / "desk.ctrl.xml";
    ASSERT_TRUE(std::filesystem::exists(written)) << told;
    std::string error;
    const auto root = readXmlFile(RefString::fromUtf8(written.string()), &error);
    ASSERT_TRUE(root) << error;
    EXPECT_EQ(root->name().toUtf8(), "Settings");
    EXPECT_EQ(root->children(u"control_set").size(), 1u);

    set().eraseBinding(0);
    set().name().setText(RefString(u"Other"));
    chosenPath = wxString::FromUTF8(written.string());
    answerImport = false;
    click(button(MidiControlSetDialog::importButton));
    EXPECT_EQ(set().bindingCount(), 0u);
    answerImport = true;
    click(button(MidiControlSetDialog::importButton));
    ASSERT_EQ(set().bindingCount(), 1u);
    EXPECT_EQ(set().binding(0).parameter(), &cutoff);
    EXPECT_EQ(dialog->bindingList().GetItemCount(), 1);
    EXPECT_EQ(static_cast<wxTextCtrl*>(panelControl(0))->GetValue(), "Desk");
    EXPECT_TRUE(told.empty()) << told;
}

TEST_F(ControlSetDialogTest, ExportAddsTheExtensionOnlyToANameWithoutOne)
{
    const TempFolder folder("controlsetdialog");
    set().bind(volumeKnob, cutoff);
    const struct {
        const char* typed;
        const char* written;
    } cases[] = {
        {"desk", "desk.ctrl.xml"},
        {"faders.ctrl.xml", "faders.ctrl.xml"},
        {"cs1.xml", "cs1.xml"},
        {"CS2.XML", "CS2.XML"},
        {"live.set", "live.set.ctrl.xml"},
    };
    for (const auto& c : cases) {
        chosenPath = wxString::FromUTF8((folder / c.typed).string());
        click(button(MidiControlSetDialog::exportButton));
        EXPECT_TRUE(std::filesystem::exists(folder / c.written)) << c.typed << ": " << told;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), std::ssize(cases));
    EXPECT_EQ(askedToReplace, "");
}

TEST_F(ControlSetDialogTest, ExportAsksBeforeReplacingAFileItsSuffixLandsOn)
{
    const TempFolder folder("controlsetdialog");
    const std::filesystem::path existing = folder / "desk.ctrl.xml";
    set().bind(volumeKnob, cutoff);
    chosenPath = wxString::FromUTF8(existing.string());
    click(button(MidiControlSetDialog::exportButton));
    const std::string before = readFile(existing);
    ASSERT_FALSE(before.empty()) << told;
    EXPECT_EQ(askedToReplace, "") << "the file dialog asked about the name as typed";

    set().bind(volumeKnob, resonance);
    chosenPath = wxString::FromUTF8((folder / "desk").string());
    click(button(MidiControlSetDialog::exportButton));
    EXPECT_EQ(askedToReplace, existing.string() + "\n");
    EXPECT_EQ(readFile(existing), before);

    answerReplace = true;
    click(button(MidiControlSetDialog::exportButton));
    EXPECT_NE(readFile(existing), before);
    EXPECT_TRUE(told.empty()) << told;
}

TEST_F(ControlSetDialogTest, FilesThatAreNoControlSetAreReportedAndLeftAlone)
{
    const TempFolder folder("controlsetdialog");
    const std::filesystem::path foreign = folder / "notes.ctrl.xml";
    std::ofstream(foreign) << "<?xml version=\"1.0\"?>\n<Notes/>\n";
    set().bind(volumeKnob, cutoff);
    chosenPath = wxString::FromUTF8(foreign.string());
    click(button(MidiControlSetDialog::importButton));
    EXPECT_EQ(set().bindingCount(), 1u);
    EXPECT_NE(told.find("not a MIDI control set file"), std::string::npos) << told;
    told.clear();
    click(button(MidiControlSetDialog::exportButton));
    EXPECT_FALSE(told.empty());
    std::ifstream in(foreign);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "<?xml version=\"1.0\"?>\n<Notes/>\n");

    chosenPath = wxString::FromUTF8((folder / "missing.ctrl.xml").string());
    told.clear();
    click(button(MidiControlSetDialog::importButton));
    EXPECT_FALSE(told.empty());
    EXPECT_FALSE(std::filesystem::exists(folder / "missing.ctrl.xml"));
}

ControlSetDialogAction& opener(const std::unique_ptr<ParameterAction>& action)
{
    return static_cast<ControlSetDialogAction&>(*action);
}

TEST_F(ControlSetDialogTest, DeviceButtonMakesTheDialogWhenFirstPressedThenShowsTheSameOne)
{
    WxDeviceUserInterface windows;
    auto action = windows.createControlSetDialog(set(), frame, nullptr);
    EXPECT_EQ(opener(action).dialog(), nullptr);
    EXPECT_EQ(action->text().toUtf8(), "MIDI control set");
    action->run();
    MidiControlSetDialog* made = opener(action).dialog();
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetParent(), frame);
    made->Close();
    action->run();
    EXPECT_EQ(opener(action).dialog(), made);
    EXPECT_TRUE(made->IsShown());
}

TEST_F(ControlSetDialogTest, DeviceButtonOpensTheDialogAndItsEndStopsLearning)
{
    WxDeviceUserInterface windows;
    auto action = windows.createControlSetDialog(set(), frame, nullptr);
    action->run();
    ASSERT_NE(opener(action).dialog(), nullptr);
    EXPECT_TRUE(opener(action).dialog()->IsShown());
    // The newest dialog learns for the set; once it is gone nothing does.
    focused = std::make_shared<const ParameterList>(ParameterList{&cutoff});
    set().learnSwitch().setValue(flagsUserEdit, 1);
    action.reset();
    wxTheApp->ProcessIdle();
    set().handleMessage(volumeKnob);
    EXPECT_EQ(set().bindingCount(), 0u);
    EXPECT_EQ(openLearnDialog(), nullptr);
}

// At exit the main page may go before the device's buttons.
TEST_F(ControlSetDialogTest, OnceItsPageHasGoneTheDeviceButtonDoesNothing)
{
    WxDeviceUserInterface windows;
    for (const bool openedBefore : {false, true}) {
        auto* page = new wxPanel(frame);
        auto action = windows.createControlSetDialog(set(), page, nullptr);
        if (openedBefore)
            action->run();
        delete page;
        action->run();
        EXPECT_EQ(opener(action).dialog(), nullptr) << openedBefore;
    }
}

} // namespace
