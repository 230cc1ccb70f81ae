// The page manager in a real frame: the title naming the shown page and its
// modified mark, the page histories, the reset question and the history
// file, on its own and over the pages a real device builds.
#include "PagesFixture.h"

#include "controls/Control.h"
#include "controls/ValueLabelControl.h"
#include "gui/ControlElement.h"
#include "gui/ControlGroup.h"
#include "gui/EditorPanel.h"
#include "panels/FseqPanel.h"
#include "panels/PerformancePanel.h"
#include "params/Parameter.h"
#include "params/SetValueFlags.h"
#include "popup/PopupListDialog.h"
#include "tests/support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/utils.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace {

const std::string prefix = "QuorvinEdit-FS1R: FS1R: ";

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Runs in the folder for as long as it lives.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::filesystem::path& path) : previous_(std::filesystem::current_path())
    {
        std::filesystem::current_path(path);
    }
    ~CurrentFolder() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_;
};

} // namespace

class PagelessManagerTest : public ::testing::Test {
protected:
    PagelessManagerTest() : frame(new wxFrame(nullptr, wxID_ANY, "start")), panels(new PanelManager(frame)) {}
    ~PagelessManagerTest() override { delete frame; }

    std::string title() const { return frame->GetTitle().utf8_string(); }

    wxFrame* frame;
    PanelManager* panels;
};

TEST_F(PagelessManagerTest, TheTitleNamesTheShownPageAndItsModifiedMark)
{
    panels->historyChanged();
    EXPECT_EQ(title(), prefix);
    panels->showVoicePanel(1);
    EXPECT_EQ(panels->currentPanel(), 3);
    EXPECT_EQ(title(), prefix + "Voice 2");
    panels->pageHistory(3).markModified();
    EXPECT_EQ(title(), prefix + "Voice 2 (modified)");
    panels->markSaved(Fs1rPanels::shownPage);
    EXPECT_EQ(title(), prefix + "Voice 2");
}

TEST_F(PagelessManagerTest, AChangeOnTheSystemPageShowsWhenAPageIsShown)
{
    panels->showSystemPanel();
    panels->pageHistory(Fs1rPanels::systemPage).markModified();
    EXPECT_EQ(title(), prefix + "System");
    panels->showSystemPanel();
    EXPECT_EQ(title(), prefix + "System (modified)");
    panels->showFseqPanel();
    EXPECT_EQ(title(), prefix + "Formant sequence");
}

TEST_F(PagelessManagerTest, WithNoPageShownNothingIsAskedOrWritten)
{
    TempFolder folder("nopage");
    const CurrentFolder inFolder(folder.path());
    int questions = 0;
    panels->setConfirmation([&questions](wxWindow&, const wxString&) { return ++questions > 0; });
    EXPECT_EQ(panels->currentPanel(), Fs1rPanels::noPage);
    panels->resetCurrentPanel();
    panels->dumpHistory(Fs1rPanels::shownPage);
    EXPECT_EQ(questions, 0);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "history.txt"));
}

TEST_F(PagelessManagerTest, PagesOutsideTheSevenShareTheSystemHistory)
{
    CommandList* system = &panels->history(Fs1rPanels::systemPage);
    EXPECT_EQ(&panels->history(Fs1rPanels::shownPage), system);
    EXPECT_EQ(&panels->history(Fs1rPanels::pageCount), system);
    EXPECT_NE(&panels->history(Fs1rPanels::fseqPage), system);
}

class PanelManagerTest : public PagesFixture {
protected:
    using Values = std::map<Parameter*, std::int32_t>;

    // Every parameter the controls of the page (with the header, for the
    // performance) show, that Init resets.
    Values controlValues(std::int32_t page) const
    {
        Values values;
        std::vector<const EditorPanel*> shown{panels->page(page)};
        if (page == Fs1rPanels::performancePage)
            shown.push_back(panels->header());
        for (const EditorPanel* panel : shown)
            for (std::size_t k = 0; k < panel->groupCount(); ++k)
                for (const auto& entry : panel->group(k) ? panel->group(k)->controls() : noEntries())
                    if (const auto* made = dynamic_cast<const Control*>(entry->control()); made && !made->isKeptOnInit())
                        for (const auto& [role, parameter] : made->roles())
                            values[parameter] = parameter->getValue();
        return values;
    }

    static const std::vector<std::unique_ptr<ControlElement>>& noEntries()
    {
        static const std::vector<std::unique_ptr<ControlElement>> none;
        return none;
    }

    static Values withinBounds(Values values)
    {
        for (auto& [parameter, value] : values)
            value = std::clamp(value, parameter->allowedMinimum(), parameter->allowedMaximum());
        return values;
    }

    // Which parameters differ from the expected values, by name.
    static std::vector<std::string> differing(const Values& actual, const Values& expected)
    {
        std::vector<std::string> names;
        for (const auto& [parameter, value] : expected)
            if (actual.at(parameter) != value)
                names.push_back(parameter->getName().toUtf8() + " " + std::to_string(actual.at(parameter)) + " not "
                    + std::to_string(value));
        return names;
    }

    Parameter& systemParameter(const std::string& caption)
    {
        return *control(*panels->page(Fs1rPanels::systemPage), caption).mainParameter();
    }
};

TEST_F(PanelManagerTest, AfterBuildingThePerformancePageShows)
{
    EXPECT_EQ(panels->currentPanel(), Fs1rPanels::performancePage);
    EXPECT_EQ(title(), prefix + "Performance");
    EXPECT_FALSE(panels->page(Fs1rPanels::systemPage)->IsShown());
    panels->showSystemPanel();
    EXPECT_TRUE(panels->page(Fs1rPanels::systemPage)->IsShown());
}

TEST_F(PanelManagerTest, AnsweringNoLeavesThePageAsItWas)
{
    Parameter& tune = systemParameter("Master tune");
    tune.setValue(flagsUserEdit, 10);
    panels->showSystemPanel();
    std::vector<std::string> questions;
    panels->setConfirmation([&questions](wxWindow&, const wxString& message) {
        questions.push_back(message.utf8_string());
        return false;
    });
    panels->resetCurrentPanel();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "You are going to reset the SYSTEM SETTINGS.\nIs this really what you want?");
    EXPECT_EQ(tune.getValue(), 10);
    EXPECT_EQ(panels->history(Fs1rPanels::systemPage).commands().size(), 1u);
}

TEST_F(PanelManagerTest, AResetIsOneUndoStepOnTheShownPage)
{
    Parameter& tune = systemParameter("Master tune");
    Parameter& shift = systemParameter("Note shift");
    tune.setValue(flagsUserEdit, 10);
    shift.setValue(flagsUserEdit, 20);
    panels->showSystemPanel();
    panels->setConfirmation([](wxWindow&, const wxString&) { return true; });
    panels->resetCurrentPanel();
    CommandList& history = panels->history(Fs1rPanels::systemPage);
    ASSERT_EQ(history.commands().size(), 3u);
    EXPECT_EQ(history.commands().back().name.toUtf8(), "Panel init");
    EXPECT_EQ(tune.getValue(), 64);
    history.undo();
    EXPECT_EQ(tune.getValue(), 10);
    EXPECT_EQ(shift.getValue(), 20);
}

TEST_F(PanelManagerTest, MarkSavedForgetsTheWholeHistoryAndTheMark)
{
    Parameter& tune = systemParameter("Master tune");
    for (std::int32_t raw = 1; raw <= 5; ++raw)
        tune.setValue(flagsUserEdit, raw);
    panels->showSystemPanel();
    EXPECT_EQ(title(), prefix + "System (modified)");
    panels->markSaved(Fs1rPanels::shownPage);
    panels->showSystemPanel();
    EXPECT_EQ(title(), prefix + "System");
    EXPECT_FALSE(panels->history(Fs1rPanels::systemPage).undo());
    EXPECT_EQ(tune.getValue(), 5);
}

TEST_F(PanelManagerTest, TheHistoryFileListsCommandsAndChangesAndMarksTheRedoPoint)
{
    Parameter& tune = systemParameter("Master tune");
    Parameter& shift = systemParameter("Note shift");
    tune.setValue(flagsUserEdit, 70);
    shift.setValue(flagsUserEdit, 60);
    CommandList& history = panels->history(Fs1rPanels::systemPage);
    history.undo();
    const CurrentFolder inFolder(folder.path());
    panels->showSystemPanel();
    panels->dumpHistory(Fs1rPanels::shownPage);

    const auto& commands = history.commands();
    ASSERT_EQ(commands.size(), 2u);
    const std::string expected = "Command history:\n\t" + commands[0].name.toUtf8() + "\n\t\t" + tune.getName().toUtf8()
        + " from 64 to 70\n>\t" + commands[1].name.toUtf8() + "\n\t\t" + shift.getName().toUtf8()
        + " from 64 to 60\n";
    EXPECT_EQ(readFile(folder.path() / "history.txt"), expected);
}

// Left open over the next page, the list would keep the mouse while the keys
// go to that page's controls: it closes with the switch itself, before any
// further input is handled.
TEST_F(PanelManagerTest, APageSwitchClosesTheOpenListAtOnce)
{
    frame->Show();
    panels->showSystemPanel();
    auto& curve = dynamic_cast<ValueLabelControl&>(control(*panels->page(Fs1rPanels::systemPage), "Velo curve"));
    wxMouseEvent press(wxEVT_LEFT_DOWN);
    curve.onMouseDown(press);
    ASSERT_TRUE(curve.popupList() && curve.popupList()->IsShown());
    panels->showPerformancePanel();
    EXPECT_FALSE(curve.popupList()->IsShown());
    EXPECT_FALSE(curve.popupList()->HasCapture());
}

TEST_F(PanelManagerTest, TheHeaderShowsOnEveryPageButTheSystemPage)
{
    EditorPanel& header = *panels->header();
    EXPECT_TRUE(header.IsShown());
    panels->showVoicePanel(3);
    EXPECT_TRUE(header.IsShown());
    EXPECT_EQ(header.GetScreenPosition(), panels->page(Fs1rPanels::firstVoicePage + 3)->GetScreenPosition());
    EXPECT_FALSE(panels->page(Fs1rPanels::performancePage)->IsShown());
    panels->showSystemPanel();
    EXPECT_FALSE(header.IsShown());
}

// The toolkit draws a window's children in the order they joined it; the
// header must come after every page, or a page made after it hides it.
TEST_F(PanelManagerTest, TheHeaderIsDrawnOverEveryPage)
{
    const wxWindowList& children = panels->GetChildren();
    const auto header = std::find(children.begin(), children.end(), panels->header());
    ASSERT_NE(header, children.end());
    for (std::int32_t k = 0; k < Fs1rPanels::pageCount; ++k)
        EXPECT_LT(std::distance(children.begin(), std::find(children.begin(), children.end(), panels->page(k))),
            std::distance(children.begin(), header)) << "page " << k;
}

// The window's first frame draws the header with the page under it, not a
// frame or two later.
TEST_F(PanelManagerTest, TheFirstFrameDrawsTheHeaderWithThePage)
{
    bool pagePainted = false;
    bool headerPainted = false;
    const auto noting = [](bool& painted) {
        return [&painted](wxPaintEvent& event) {
            painted = true;
            event.Skip();
        };
    };
    panels->page(Fs1rPanels::performancePage)->Bind(wxEVT_PAINT, noting(pagePainted));
    panels->header()->Bind(wxEVT_PAINT, noting(headerPainted));
    frame->Show();
    for (int k = 0; k < 2000 && !pagePainted; ++k) {
        wxTheApp->Yield(true);
        wxMilliSleep(1);
    }
    ASSERT_TRUE(pagePainted);
    EXPECT_TRUE(headerPainted);
}

TEST_F(PanelManagerTest, AResetOfThePerformanceTakesTheHeaderAlongInOneUndoStep)
{
    Parameter& category = *control(*panels->header(), "Category").mainParameter();
    Parameter& offset = *control(*panels->page(Fs1rPanels::performancePage), "Start step offset").mainParameter();
    const std::int32_t categoryBefore = category.getValue();
    const std::int32_t offsetBefore = offset.getValue();
    category.setValue(flagsUserEdit, 3);
    offset.setValue(flagsUserEdit, offset.maximum());
    panels->setConfirmation([](wxWindow&, const wxString&) { return true; });
    panels->resetCurrentPanel();
    EXPECT_EQ(category.getValue(), categoryBefore);
    EXPECT_EQ(offset.getValue(), offsetBefore);
    CommandList& history = panels->history(Fs1rPanels::performancePage);
    EXPECT_EQ(history.commands().back().name.toUtf8(), "Panel init");
    history.undo();
    EXPECT_EQ(category.getValue(), 3);
    EXPECT_EQ(offset.getValue(), offset.maximum());
}

// A new performance brings its own voices and sequence: the question names
// the pages whose unsaved edits that replaces, and asks as before otherwise.
TEST_F(PanelManagerTest, ThePerformanceResetNamesThePagesWithUnsavedEditsItReplaces)
{
    const std::string plain = "You are going to reset the performance.\nIs this really what you want?";
    const struct {
        std::vector<std::int32_t> modified;
        std::string question;
    } cases[] = {
        {{}, plain},
        {{Fs1rPanels::systemPage}, plain},
        {{Fs1rPanels::firstVoicePage + 1},
            "You are going to reset the performance.\nIt replaces the unsaved edits on these pages: Voice 2."
            "\nIs this really what you want?"},
        {{Fs1rPanels::firstVoicePage, Fs1rPanels::firstVoicePage + 3, Fs1rPanels::fseqPage},
            "You are going to reset the performance.\nIt replaces the unsaved edits on these pages: Voice 1, "
            "Voice 4, Formant sequence.\nIs this really what you want?"},
    };
    for (const auto& [modified, question] : cases) {
        for (std::int32_t page = 0; page < Fs1rPanels::pageCount; ++page)
            panels->markSaved(page);
        for (const std::int32_t page : modified)
            panels->pageHistory(page).markModified();
        std::vector<std::string> asked;
        panels->setConfirmation([&asked](wxWindow&, const wxString& message) {
            asked.push_back(message.utf8_string());
            return false;
        });
        panels->resetCurrentPanel();
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0], question);
    }
}

// Init gives every control of the page the value it has on a fresh start,
// as far as the bounds of the values Init gives allow it (a fresh loop end
// lies past a fresh one-frame sequence).
TEST_F(PanelManagerTest, InitGivesEveryControlItsFreshValue)
{
    std::vector<Values> fresh;
    for (std::int32_t page = 0; page < Fs1rPanels::pageCount; ++page)
        fresh.push_back(controlValues(page));
    panels->setConfirmation([](wxWindow&, const wxString&) { return true; });
    for (std::int32_t page = 0; page < Fs1rPanels::pageCount; ++page) {
        device->showPanel(page);
        panels->resetCurrentPanel();
        EXPECT_THAT(differing(controlValues(page), withinBounds(fresh[std::size_t(page)])), testing::IsEmpty())
            << "page " << page;
    }
}

// The sequence page's view (which tracks show and which one the tools edit,
// the tool, the zoom) goes back to a fresh start's with Init, and back to
// what the user had made of it with the undo.
TEST_F(PanelManagerTest, UndoOfTheSequencePagesInitRestoresEveryControlInitChanged)
{
    device->showPanel(Fs1rPanels::fseqPage);
    const Values fresh = controlValues(Fs1rPanels::fseqPage);
    Values edited = fresh;
    for (auto& [parameter, value] : edited) {
        const std::int32_t other = value == parameter->maximum() ? parameter->minimum() : parameter->maximum();
        parameter->setValue(flagsUserEdit, other);
    }
    edited = controlValues(Fs1rPanels::fseqPage);
    ASSERT_THAT(differing(edited, fresh), testing::Not(testing::IsEmpty()));
    panels->setConfirmation([](wxWindow&, const wxString&) { return true; });
    panels->resetCurrentPanel();
    EXPECT_THAT(differing(controlValues(Fs1rPanels::fseqPage), withinBounds(fresh)), testing::IsEmpty()) << "Init";
    ASSERT_TRUE(panels->history(Fs1rPanels::fseqPage).undo());
    EXPECT_THAT(differing(controlValues(Fs1rPanels::fseqPage), edited), testing::IsEmpty()) << "undo";
}

TEST_F(PanelManagerTest, TheFormantSequencePagePassesItsLoopOnToThePerformance)
{
    auto& fseq = dynamic_cast<FseqPanel&>(*panels->page(Fs1rPanels::fseqPage));
    auto& performance = dynamic_cast<PerformancePanel&>(*panels->page(Fs1rPanels::performancePage));
    Parameter& loopEnd = *fseq.linkedSettings()[FseqPanel::loopEnd];
    Parameter& twin = *performance.fseqLinkParameters()[PerformancePanel::loopEnd];
    loopEnd.setValue(flagsUserEdit, 100);
    EXPECT_EQ(twin.getValue(), 100);
    EXPECT_FALSE(panels->history(Fs1rPanels::performancePage).canUndo());
    EXPECT_EQ(panels->fseqBankParameter(), performance.fseqBankParameter());
}

// The sequence is the performance's choice: chosen on the formant-sequence
// page it is undone with the performance page's history, since loading the
// chosen sequence forgets the formant-sequence page's own.
TEST_F(PanelManagerTest, TheFormantSequencePageChoosesTheSequenceIntoThePerformancesHistory)
{
    const EditorPanel& fseq = *panels->page(Fs1rPanels::fseqPage);
    const Fs1rDevice::FseqParameters& shared = device->fseqParameters();
    const CommandList* performanceHistory = &panels->history(Fs1rPanels::performancePage);
    EXPECT_EQ(control(fseq, "Bank").mainParameter(), shared.bank);
    const Parameter* program = control(fseq, "Prog").mainParameter();
    EXPECT_TRUE(program == shared.presetNumber || program == shared.internalNumber);
    for (const Parameter* choice : {shared.bank, shared.presetNumber, shared.internalNumber})
        EXPECT_EQ(choice->commandList(), performanceHistory) << choice->getName().toUtf8();
}

TEST_F(PanelManagerTest, DestroyingThePagesWhileAVoicePageHostsTheHeaderDeletesItOnce)
{
    panels->showVoicePanel(1);
    // The fixture's teardown deletes the pages as the main window does, under
    // the address sanitizer.
}
