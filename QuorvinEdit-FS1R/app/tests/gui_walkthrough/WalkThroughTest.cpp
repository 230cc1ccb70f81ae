// The whole editor walked through as a new user would, against the simulated
// FS1R in a real window: every page, every menu command's dialog, every
// choice's list on the pages and in the dialogs, and the menu keys wherever
// the focus has gone. The controls are found by walking the window tree, so
// pages added later are walked too. It runs under a window manager, and the
// pages, menu keys and clicks are the user's own, sent through the X server.
// Any toolkit assert, error box, logged error or warning, or warning or
// critical message of GTK fails the walk.
#include "app/Fs1rDeviceType.h"
#include "InstrumentMatch.h"
#include "app/tests/gui_app/EditorFixture.h"
#include "app/tests/support/EditorWindows.h"
#include "controls/AlgorithmControl.h"
#include "controls/CaptionControl.h"
#include "controls/Control.h"
#include "controls/ControlWindow.h"
#include "controls/GridSelectorControl.h"
#include "controls/ValueLabelControl.h"
#include "device/ActionParameter.h"
#include "device/Device.h"
#include "gui/MemoryGridView.h"
#include "gui/WaitDialog.h"
#include "instrument/Fs1rDevice.h"
#include "instrument/Fs1rPanels.h"
#include "midi/MidiInterface.h"
#include "params/Parameter.h"
#include "params/SetValueFlags.h"
#include "simulator/SimulatorConnection.h"
#include "tests/support/DesktopInput.h"
#include "tests/support/EventPump.h"

#include <gmock/gmock.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/choicdlg.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/display.h>
#include <wx/filedlg.h>
#include <wx/menu.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

// The errors and warnings the program logs while it lives.
class ErrorLog : public wxLog {
public:
    ErrorLog() : previous_(wxLog::SetActiveTarget(this)) {}
    ~ErrorLog() override { wxLog::SetActiveTarget(previous_); }

    std::vector<std::string> errors;

protected:
    void DoLogRecord(wxLogLevel level, const wxString& message, const wxLogRecordInfo&) override
    {
        if (level <= wxLOG_Warning)
            errors.push_back(message.utf8_string());
    }

private:
    wxLog* const previous_;
};

// The warnings and critical messages GLib and GTK print while it lives, as
// "domain: message"; they are printed still.
class ToolkitMessages {
public:
    ToolkitMessages() : previous_(g_log_set_default_handler(&ToolkitMessages::handle, this)) {}
    ~ToolkitMessages() { g_log_set_default_handler(previous_, nullptr); }
    ToolkitMessages(const ToolkitMessages&) = delete;
    ToolkitMessages& operator=(const ToolkitMessages&) = delete;

    std::vector<std::string> warnings()
    {
        const std::lock_guard lock(mutex_);
        return warnings_;
    }

private:
    static void handle(const gchar* domain, GLogLevelFlags level, const gchar* message, gpointer self)
    {
        static_cast<ToolkitMessages*>(self)->record(domain, level, message);
        g_log_default_handler(domain, level, message, nullptr);
    }

    void record(const gchar* domain, GLogLevelFlags level, const gchar* message)
    {
        constexpr int warningLevels = G_LOG_LEVEL_ERROR | G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING;
        if (!(level & warningLevels))
            return;
        const std::lock_guard lock(mutex_);
        warnings_.push_back(std::string(domain ? domain : "") + ": " + message);
    }

    GLogFunc previous_;
    std::mutex mutex_;
    std::vector<std::string> warnings_;
};

// The list a control opens, for the two kinds of controls that open one;
// null until it first opens.
PopupListDialog* popupOf(Control* control)
{
    if (auto* labels = dynamic_cast<ValueLabelControl*>(control))
        return labels->popupList();
    if (auto* algorithms = dynamic_cast<AlgorithmControl*>(control))
        return algorithms->popupList();
    return nullptr;
}

bool opensList(Control* control)
{
    return dynamic_cast<ValueLabelControl*>(control) || dynamic_cast<AlgorithmControl*>(control);
}

// The shown, enabled controls under root that open a list.
std::vector<ControlWindow*> choicesUnder(wxWindow* root)
{
    std::vector<ControlWindow*> choices;
    forEachWindow(root, [&](wxWindow* window) {
        auto* controlWindow = dynamic_cast<ControlWindow*>(window);
        if (controlWindow && controlWindow->IsShownOnScreen() && controlWindow->control()
            && controlWindow->control()->isEnabled() && opensList(controlWindow->control()))
            choices.push_back(controlWindow);
    });
    return choices;
}

void sendMouse(wxWindow* window, wxEventType type)
{
    wxMouseEvent event(type);
    event.SetPosition({window->GetClientSize().x / 2, window->GetClientSize().y / 2});
    event.SetEventObject(window);
    window->ProcessWindowEvent(event);
}

void sendKey(wxWindow* window, int key)
{
    wxKeyEvent event(wxEVT_KEY_DOWN);
    event.m_keyCode = key;
    event.SetEventObject(window);
    window->ProcessWindowEvent(event);
}

std::string nameOf(ControlWindow* choice)
{
    const Parameter* parameter = choice->control()->getParameter(Control::roleMain);
    return parameter ? parameter->key().text().toUtf8() : std::string("(unbound)");
}

// Opens the choice's list with a click, checks it lies on the screen, then
// closes it with Escape.
void openAndCloseList(ControlWindow* choice)
{
    sendMouse(choice, wxEVT_LEFT_DOWN);
    sendMouse(choice, wxEVT_LEFT_UP);
    PopupListDialog* list = popupOf(choice->control());
    ASSERT_TRUE(list && list->IsShown()) << nameOf(choice) << ": no list opened";
    const wxRect screen = wxDisplay(choice).GetGeometry();
    EXPECT_TRUE(screen.Contains(list->GetScreenRect()))
        << nameOf(choice) << ": its list " << list->GetScreenRect().width << "x" << list->GetScreenRect().height
        << " at " << list->GetScreenRect().x << "," << list->GetScreenRect().y << " leaves the screen";
    sendKey(choice, WXK_ESCAPE);
    EXPECT_FALSE(list->IsShown()) << nameOf(choice) << ": Escape left the list open";
}

// Clicks a button; a menu it opens is closed with Escape at once.
void clickClosingMenus(wxButton* button)
{
    const auto closeMenu = [](wxMenuEvent& event) {
        event.Skip();
        wxTheApp->CallAfter([] { wxUIActionSimulator().Char(WXK_ESCAPE); });
    };
    button->Bind(wxEVT_MENU_OPEN, closeMenu);
    wxCommandEvent click(wxEVT_BUTTON, button->GetId());
    click.SetEventObject(button);
    button->ProcessWindowEvent(click);
    button->Unbind(wxEVT_MENU_OPEN, closeMenu);
}

MemoryGridView* memoryGridIn(wxWindow* dialog)
{
    MemoryGridView* grid = nullptr;
    forEachWindow(dialog, [&grid](wxWindow* window) {
        if (auto* found = dynamic_cast<MemoryGridView*>(window))
            grid = found;
    });
    return grid;
}

// The toolkit's chooser inside a file dialog's window.
GtkWidget* chooserIn(GtkWidget* widget)
{
    if (GTK_IS_FILE_CHOOSER_WIDGET(widget))
        return widget;
    GtkWidget* found = nullptr;
    if (GTK_IS_CONTAINER(widget))
        gtk_container_forall(
            GTK_CONTAINER(widget),
            [](GtkWidget* child, gpointer result) {
                auto* chooser = static_cast<GtkWidget**>(result);
                if (!*chooser)
                    *chooser = chooserIn(child);
            },
            &found);
    return found;
}

// Answers every modal dialog as a user who looks and cancels would: message
// boxes are read and answered with their "no" (an error box fails the walk),
// file choosers are shown and left with the Escape key, and the program's own
// dialogs are shown, their choices opened and closed, and cancelled. Told to
// answer Yes, the user says yes to every question and takes the first choice
// offered; file choosers are left still (the toolkit's own takes no path
// from a test), so the round trips open the files.
class CancellingUser : public wxModalDialogHook {
public:
    CancellingUser()
    {
        Register();
        escapeTimer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { input_.key(WXK_ESCAPE); });
    }
    ~CancellingUser() override
    {
        Unregister();
        for (GtkWidget* chooser : heldChoosers)
            g_object_unref(chooser);
    }

    std::vector<std::string> titles;
    // Told to, the user cancels a file chooser before it shows, and the
    // toolkit's chooser in it is held, as the toolkit's own loading of its
    // folder holds it on a busy machine, until the user goes.
    bool cancelsChoosersAtOnce = false;
    std::vector<GtkWidget*> heldChoosers;
    // The slot a store dialog's grid is answered with; by default it is cancelled.
    std::int32_t storeSlot = -1;
    bool answersYes = false;

protected:
    int Enter(wxDialog* dialog) override
    {
        if (auto* box = dynamic_cast<wxMessageDialog*>(dialog)) {
            titles.push_back(box->GetCaption().utf8_string());
            EXPECT_FALSE(box->GetMessageDialogStyle() & wxICON_ERROR)
                << "an error box: " << box->GetCaption() << ": " << box->GetMessage();
            const long style = box->GetMessageDialogStyle();
            if (style & wxYES_NO)
                return answersYes ? wxID_YES : wxID_NO;
            return style & wxCANCEL ? wxID_CANCEL : wxID_OK;
        }
        // The toolkit's file chooser runs its dialog's modal loop inside its
        // own: one dialog.
        if (dialog == shownChooser_)
            return wxID_NONE;
        titles.push_back(dialog->GetTitle().utf8_string());
        if (MemoryGridView* grid = memoryGridIn(dialog); grid && storeSlot >= 0) {
            grid->choose(storeSlot);
            return wxID_OK;
        }
        if (dynamic_cast<wxSingleChoiceDialog*>(dialog) && answersYes)
            return wxID_OK;
        if (dynamic_cast<wxFileDialog*>(dialog) && cancelsChoosersAtOnce) {
            if (GtkWidget* chooser = chooserIn(static_cast<GtkWidget*>(dialog->GetHandle())))
                heldChoosers.push_back(GTK_WIDGET(g_object_ref(chooser)));
            return wxID_CANCEL;
        }
        if (dynamic_cast<wxFileDialog*>(dialog)) {
            // Escape until the chooser, once the window manager has given it
            // the keyboard, has closed.
            shownChooser_ = dialog;
            escapeTimer_.Start(escapeMs);
            return wxID_NONE;
        }
        dialog->Show();
        for (ControlWindow* choice : choicesUnder(dialog))
            openAndCloseList(choice);
        dialog->Hide();
        return wxID_CANCEL;
    }
    void Exit(wxDialog* dialog) override
    {
        if (dialog == shownChooser_) {
            escapeTimer_.Stop();
            shownChooser_ = nullptr;
        }
    }

private:
    static constexpr int escapeMs = 100;
    DesktopInput input_;
    wxTimer escapeTimer_;
    wxDialog* shownChooser_ = nullptr;
};

// The formant sequence's speed in the performance, and the value a new page
// gives it: 100.0 "% fseq".
constexpr PackedAddress sequenceSpeedAddress = 0x100018;
constexpr std::int32_t initialSequenceSpeed = 1000;

// The menu commands that open a dialog (Exit is left for the end).
const int dialogCommands[] = {wxID_NEW, wxID_OPEN, wxID_SAVE, wxID_SAVEAS, MainFrame::saveAllId,
    MainFrame::saveToDeviceId, wxID_ABOUT};

class WalkThroughTest : public EditorFixture {
protected:
    void SetUp() override
    {
        // The toolkit's file chooser keeps its settings in the desktop's
        // store, which needs a session bus the test machine lacks: in memory
        // they keep without one.
        ::setenv("GSETTINGS_BACKEND", "memory", 1);
        ASSERT_TRUE(startUp(Fs1rDeviceType()));
        ASSERT_TRUE(pumpEventsUntil([this] { return user_.titles.size() >= 2 && !waitDialogShown(); }, 20s));
        user_.titles.clear();
        device_ = frame_->device();
        ASSERT_NE(device_, nullptr);
        // The user types once the window manager has given the window the
        // keyboard back from the start's dialogs.
        ASSERT_TRUE(pumpEventsUntil([this] { return frame_->IsActive(); }, 5s));
    }

    // The program ends as the user ends it; nothing it printed on the way,
    // the end included, may be a warning.
    void TearDown() override
    {
        EXPECT_TRUE(exitProgram());
        EXPECT_THAT(log_.errors, testing::IsEmpty());
        EXPECT_THAT(toolkit_.warnings(), testing::IsEmpty());
    }

    // Until what was asked of the instrument has come and the wait box has
    // gone: a choice may load a patch, and the user waits for it.
    void waitForTheInstrument()
    {
        const MidiInterface& midi = *device_->midiInterface();
        EXPECT_TRUE(pumpEventsUntil([&] { return instrumentIdle(midi); }, 30s)) << "the instrument is still busy";
    }

    wxWindow* shownPage() const
    {
        for (wxWindow* page : device_->mainPanel()->GetChildren())
            if (page->IsShown())
                return page;
        return device_->mainPanel();
    }

    // With the page's key, as the user takes a page.
    void showPage(int page)
    {
        type(WXK_F1 + page);
        ASSERT_TRUE(pumpEventsUntil([&] { return device_->currentPanel() == page; }, 1s)) << "F" << page + 1;
    }

    // Keys through the X server, as the user types them, each once the
    // instrument has answered what the key before asked of it.
    void type(int key, int modifiers = wxMOD_NONE)
    {
        waitForTheInstrument();
        input_.key(key, modifiers);
        input_.settle(10ms);
    }

    void clickAt(wxPoint screenPoint)
    {
        input_.jumpTo(screenPoint);
        input_.click();
        input_.settle(10ms);
    }

    // Every View key takes its page, then the shown page is taken back.
    void expectViewKeysWork(const std::string& after)
    {
        const std::int32_t shown = device_->currentPanel();
        for (int page = 0; page < 7; ++page) {
            type(WXK_F1 + page);
            EXPECT_TRUE(pumpEventsUntil([&] { return device_->currentPanel() == page; }, 1s))
                << "F" << page + 1 << " after " << after << " on page " << shown;
        }
        type(WXK_F1 + shown);
        pumpEventsUntil([&] { return device_->currentPanel() == shown; }, 1s);
    }

    // The page whose history the parameter records into; noPage for none.
    std::int32_t historyPageOf(const Parameter& parameter) const
    {
        Fs1rPanels& panels = dynamic_cast<Fs1rDevice&>(*device_).panels();
        for (std::int32_t page = Fs1rPanels::systemPage; page < Fs1rPanels::pageCount; ++page)
            if (&panels.history(page) == parameter.commandList())
                return page;
        return Fs1rPanels::noPage;
    }

    // Ctrl+Z takes the value back, Ctrl+Y makes it again, on the page whose
    // history holds the change. A choice that belongs to another page (the
    // formant-sequence page offers the performance's choice of its sequence)
    // is undone there: the view key takes that page first, and the shown
    // page is taken back afterwards.
    void expectUndoKeysWork(const Parameter& edited, std::int32_t before, const std::string& after)
    {
        const std::int32_t made = edited.getValue();
        const std::int32_t shown = device_->currentPanel();
        const std::int32_t owner = historyPageOf(edited);
        ASSERT_NE(owner, Fs1rPanels::noPage) << "no page's history records " << after;
        if (owner != shown) {
            type(WXK_F1 + owner);
            ASSERT_TRUE(pumpEventsUntil([&] { return device_->currentPanel() == owner; }, 1s)) << after;
        }
        type('Z', wxMOD_CONTROL);
        EXPECT_TRUE(pumpEventsUntil([&] { return edited.getValue() == before; }, 1s))
            << "Ctrl+Z on page " << owner << " after " << after;
        expectInstrumentHoldsWhatTheEditorShows("Ctrl+Z after " + after);
        type('Y', wxMOD_CONTROL);
        EXPECT_TRUE(pumpEventsUntil([&] { return edited.getValue() == made; }, 1s))
            << "Ctrl+Y on page " << owner << " after " << after;
        expectInstrumentHoldsWhatTheEditorShows("Ctrl+Y after " + after);
        if (owner != shown) {
            type(WXK_F1 + shown);
            ASSERT_TRUE(pumpEventsUntil([&] { return device_->currentPanel() == shown; }, 1s)) << after;
        }
    }

    // A point of the page that no control covers, or a caption's middle.
    wxPoint emptyPointOf(wxWindow* page) const
    {
        const wxSize size = page->GetClientSize();
        for (int y = 4; y < size.y; y += 8)
            for (int x = 4; x < size.x; x += 8) {
                const bool covered = std::ranges::any_of(page->GetChildren(), [&](const wxWindow* child) {
                    return child->IsShown() && child->GetRect().Contains(x, y);
                });
                if (!covered)
                    return page->ClientToScreen({x, y});
            }
        return page->ClientToScreen({0, 0});
    }

    ControlWindow* captionOf(wxWindow* page) const
    {
        ControlWindow* caption = nullptr;
        forEachWindow(page, [&](wxWindow* window) {
            auto* controlWindow = dynamic_cast<ControlWindow*>(window);
            if (!caption && controlWindow && controlWindow->IsShownOnScreen()
                && dynamic_cast<CaptionControl*>(controlWindow->control()))
                caption = controlWindow;
        });
        return caption;
    }

    // The menu keys after the focus went to a caption, the page's background
    // and a choice from a list.
    void pressKeysEverywhere(int page)
    {
        frame_->Raise();
        const std::string where = " on page " + std::to_string(page);
        if (ControlWindow* caption = captionOf(shownPage())) {
            clickAt(caption->GetScreenRect().GetPosition() + wxPoint(2, 2));
            expectViewKeysWork("a click on a caption" + where);
        }
        clickAt(emptyPointOf(shownPage()));
        expectViewKeysWork("a click on the page" + where);

        // Once for each kind of control that opens a list (the algorithm
        // chooser among them).
        std::set<std::string> kindsTried;
        for (ControlWindow* choice : choicesUnder(shownPage())) {
            const std::string kind = typeid(*choice->control()).name();
            if (!kindsTried.contains(kind) && pressKeysAfterAChoice(choice, where))
                kindsTried.insert(kind);
        }
    }

    // False when the choice has no other value to choose.
    bool pressKeysAfterAChoice(ControlWindow* choice, const std::string& where)
    {
        Parameter* parameter = choice->control()->getParameter(Control::roleMain);
        if (parameter == nullptr || parameter->maximum() <= parameter->minimum())
            return false;
        const std::int32_t before = parameter->getValue();
        sendMouse(choice, wxEVT_LEFT_DOWN);
        sendMouse(choice, wxEVT_LEFT_UP);
        PopupListDialog* list = popupOf(choice->control());
        list->choose(list->currentIndex() == 0 ? 1 : 0);
        pumpEventsFor(30ms);
        if (parameter->getValue() == before)
            return false;
        const std::string after = "a choice from " + nameOf(choice) + where;
        expectInstrumentHoldsWhatTheEditorShows(after);
        expectUndoKeysWork(*parameter, before, after);
        type('I', wxMOD_CONTROL);
        expectInstrumentHoldsWhatTheEditorShows("Ctrl+I after " + after);
        expectViewKeysWork(after);
        return true;
    }

    // Waits for the instrument to take what was sent, as far as the wire
    // lets it, then compares.
    void expectInstrumentHoldsWhatTheEditorShows(const std::string& after)
    {
        waitForTheInstrument();
        const std::shared_ptr<SimulatedFs1r> instrument = SimulatorConnection::registeredInstrument();
        ASSERT_NE(instrument, nullptr);
        auto& editor = dynamic_cast<Fs1rDevice&>(*device_);
        pumpEventsUntil([&] { return bool(instrumentHoldsWhatTheEditorShows(*instrument, editor)); }, 5s);
        EXPECT_TRUE(instrumentHoldsWhatTheEditorShows(*instrument, editor)) << "after " << after;
    }

    ToolkitMessages toolkit_;
    CancellingUser user_;
    ErrorLog log_;
    DesktopInput input_;
    Device* device_ = nullptr;
};

TEST_F(WalkThroughTest, EveryPageDialogAndListOpensAndClosesAndTheMenuKeysWorkWhereverTheFocusIs)
{
    for (int page = 0; page < 7; ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        showPage(page);
        for (ControlWindow* choice : choicesUnder(shownPage()))
            openAndCloseList(choice);
        for (const int command : dialogCommands) {
            choose(command);
            pumpEventsFor(20ms);
            showPage(page);
        }
        pressKeysEverywhere(page);
    }
}

// Every menu command on every page, each question answered No and then Yes:
// the instrument holds what the editor shows after each, no box but the
// question comes up, and the page stays.
TEST_F(WalkThroughTest, TheInstrumentHoldsWhatTheEditorShowsAfterEveryCommandAnsweredNoAndYes)
{
    expectInstrumentHoldsWhatTheEditorShows("connecting");
    // The boxes each command may bring up: no "No response" box among them.
    const std::map<int, std::size_t> boxes{{wxID_NEW, 1}, {wxID_OPEN, 2}, {wxID_SAVE, 1}, {wxID_SAVEAS, 1},
        {MainFrame::saveAllId, 6}, {MainFrame::saveToDeviceId, 1}, {wxID_ABOUT, 1}};
    for (const bool yes : {false, true}) {
        user_.answersYes = yes;
        user_.storeSlot = yes ? 7 : -1;
        for (int page = 0; page < 7; ++page) {
            showPage(page);
            for (const int command : dialogCommands) {
                const std::string step = "command " + std::to_string(command) + " on page " + std::to_string(page)
                    + (yes ? " answered Yes" : " answered No");
                user_.titles.clear();
                choose(command);
                expectInstrumentHoldsWhatTheEditorShows(step);
                EXPECT_EQ(device_->currentPanel(), page) << step;
                EXPECT_LE(user_.titles.size(), boxes.at(command))
                    << step << ": " << testing::PrintToString(user_.titles);
                if (yes && command == wxID_NEW && page == Fs1rPanels::performancePage) {
                    EXPECT_EQ(device_->readValue(sequenceSpeedAddress), initialSequenceSpeed)
                        << "the sequence speed after Init: 100.0 % fseq";
                }
                showPage(page);
            }
        }
    }
}

// A chooser given a file name updates itself a moment later. Cancelled at
// once, while the toolkit still holds it, it runs that update on a whole
// chooser, not on the remains of a destroyed one: the toolkit complains of
// its missing file list then, which the end of every walk reads.
TEST_F(WalkThroughTest, AFileChooserCancelledAtOnceRunsItsPendingUpdateWhole)
{
    showPage(Fs1rPanels::performancePage);
    user_.cancelsChoosersAtOnce = true;
    choose(wxID_SAVEAS);
    ASSERT_EQ(user_.heldChoosers.size(), 1u) << testing::PrintToString(user_.titles);
    GtkWidget* chooser = user_.heldChoosers.front();
    EXPECT_TRUE(pumpEventsUntil([chooser] { return !g_main_context_find_source_by_user_data(nullptr, chooser); }, 10s))
        << "the chooser's update never ran";
}

// How many colours a window shows on the screen, left of its last pixels
// (where a choice draws its arrow): one or two for a blank box.
std::size_t coloursShownBy(wxWindow* window, int rightMargin)
{
    const wxRect area = window->GetScreenRect();
    wxBitmap shot(area.width, area.height);
    wxMemoryDC memory(shot);
    wxScreenDC screen;
    memory.Blit(0, 0, area.width, area.height, &screen, area.x, area.y);
    memory.SelectObject(wxNullBitmap);
    const wxImage image = shot.ConvertToImage();
    std::set<std::uint32_t> colours;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x + rightMargin < image.GetWidth(); ++x)
            colours.insert(std::uint32_t(image.GetRed(x, y)) << 16 | image.GetGreen(x, y) << 8 | image.GetBlue(x, y));
    return colours.size();
}

// The performance page's choice of sequence shows its name once the
// instrument's first performance is in, with no page drawn again since.
TEST_F(WalkThroughTest, TheSequenceChoiceShowsItsNameAfterTheFirstConnection)
{
    constexpr int arrowMargin = 10;
    constexpr std::size_t blankColours = 2;
    waitForTheInstrument();
    pumpEventsFor(200ms);
    ASSERT_EQ(device_->currentPanel(), Fs1rPanels::performancePage);
    int found = 0;
    forEachWindow(shownPage(), [&](wxWindow* window) {
        auto* choice = dynamic_cast<ControlWindow*>(window);
        const Parameter* parameter = choice && choice->control() ? choice->control()->getParameter(Control::roleMain)
                                                                 : nullptr;
        if (!parameter || !choice->IsShownOnScreen() || !parameter->key().text().toUtf8().starts_with("FS1R FSEQ  Prog"))
            return;
        ++found;
        EXPECT_GT(coloursShownBy(choice, arrowMargin), blankColours)
            << nameOf(choice) << " shows no name for " << parameter->displayText(Rational(parameter->getValue())).toUtf8();
    });
    EXPECT_EQ(found, 1);
}

// The performance chooser of the header names every slot, and a store to a
// slot names the stored performance there.
TEST_F(WalkThroughTest, AStoredPerformanceIsNamedInThePerformanceChooser)
{
    constexpr std::int32_t performanceSlots = 4 * 128;
    constexpr std::int32_t slot33 = 32;
    showPage(1);
    GridSelectorControl* chooser = nullptr;
    forEachWindow(frame_.get(), [&chooser](wxWindow* window) {
        auto* controlWindow = dynamic_cast<ControlWindow*>(window);
        auto* grid = controlWindow ? dynamic_cast<GridSelectorControl*>(controlWindow->control()) : nullptr;
        if (grid && grid->itemCount() == performanceSlots)
            chooser = grid;
    });
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->itemText(slot33).toUtf8(), "i033") << "an empty slot shows where it is";

    const std::string current = chooser->itemText(0).toUtf8();
    ASSERT_GT(current.size(), 4u) << "the performance loaded at the start is named";
    user_.storeSlot = slot33;
    choose(MainFrame::saveToDeviceId);
    EXPECT_TRUE(pumpEventsUntil([&] { return chooser->itemText(slot33).toUtf8() == "i033" + current.substr(4); }, 5s))
        << chooser->itemText(slot33).toUtf8();
    pumpEventsUntil([this] { return !waitDialogShown(); }, 10s);
}

// The MIDI control set dialogs open from the system page; each of their
// buttons is pressed, its list or dialog closed at once.
TEST_F(WalkThroughTest, EveryControlSetDialogsButtonsAndListsOpenAndClose)
{
    showPage(0);
    for (std::size_t set = 0; set < Device::controlSetCount; ++set) {
        device_->controlSetDialogParameter(set)->setValue(flagsUserEdit, 1);
        pumpEventsFor(20ms);
        for (wxWindow* window : wxTopLevelWindows) {
            auto* dialog = dynamic_cast<wxDialog*>(window);
            if (!dialog || !dialog->IsShown() || dynamic_cast<WaitDialog*>(dialog))
                continue;
            forEachWindow(dialog, [](wxWindow* child) {
                if (auto* button = dynamic_cast<wxButton*>(child); button && button->IsShownOnScreen())
                    clickClosingMenus(button);
            });
            dialog->Hide();
        }
    }
}

} // namespace
