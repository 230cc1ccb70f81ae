// The editor on a desktop, in the language the run asks for
// (QUORVIN_TEST_LANGUAGE): whatever a window manager adds around the main
// window, every page and every effect type's page shows whole below the menu
// bar, the dialogs of the start open over the main window, and so does every
// dialog later, whole, whatever was opened before it.
#include "app/Fs1rDeviceType.h"
#include "app/tests/gui_app/EditorFixture.h"
#include "controls/Control.h"
#include "controls/ControlWindow.h"
#include "controls/EnvelopeControl.h"
#include "controls/ValueLabelControl.h"
#include "device/Device.h"
#include "effects/EffectBlock.h"
#include "instrument/Fs1rDevice.h"
#include "instrument/Fs1rPanels.h"
#include "instrument/Fs1rPart.h"
#include "panels/PerformancePanel.h"
#include "popup/PopupListDialog.h"
#include "params/Parameter.h"
#include "params/SetValueFlags.h"
#include "sysex/SysexParameter.h"
#include "tests/support/DesktopInput.h"
#include "tests/support/EventPump.h"
#include "tests/support/TempFolder.h"

#include <gmock/gmock.h>
#include <wx/button.h>
#include <wx/display.h>
#include <wx/listbox.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include <gtk/gtk.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr int pageWidth = 1272;
constexpr int pageHeight = 716;
const char* const pageKeys[] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7"};
// How far a dialog's middle may lie from the main window's: rounding only.
constexpr int centringSlack = 3;
// How long a dialog may take to stand where it should on a busy machine.
constexpr auto placingTime = 30s;

std::string boxText(const wxRect& box)
{
    std::ostringstream out;
    out << "(" << box.x << ", " << box.y << ", " << box.width << " x " << box.height << ")";
    return out.str();
}

// What the window manager says of its windows, through X.
class ManagedWindows {
public:
    ManagedWindows() : display_(static_cast<Display*>(wxGetDisplay())) {}

    // The window the window manager took on last, among those it shows.
    Window newest() const
    {
        const std::vector<unsigned long> clients = property(DefaultRootWindow(display_), "_NET_CLIENT_LIST", XA_WINDOW);
        return clients.empty() ? None : clients.back();
    }

    std::string title(Window window) const
    {
        const std::vector<unsigned long> bytes
            = property(window, "_NET_WM_NAME", XInternAtom(display_, "UTF8_STRING", False));
        return std::string(bytes.begin(), bytes.end());
    }

    // Where the window's own area lies on the screen.
    wxRect rect(Window window) const
    {
        XWindowAttributes attributes{};
        Window child = None;
        int x = 0, y = 0;
        if (!XGetWindowAttributes(display_, window, &attributes)
            || !XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child))
            return {};
        return {x, y, attributes.width, attributes.height};
    }

    // What the window manager adds around the window: left, right, top and
    // bottom.
    std::vector<unsigned long> frame(Window window) const
    {
        return property(window, "_NET_FRAME_EXTENTS", XA_CARDINAL);
    }

    // The window with what the window manager adds around it.
    wxRect outerRect(Window window) const { return withFrame(rect(window), frame(window)); }

    static wxRect withFrame(const wxRect& rect, const std::vector<unsigned long>& frame)
    {
        if (frame.size() != 4)
            return rect;
        const int left = int(frame[0]), right = int(frame[1]), top = int(frame[2]), bottom = int(frame[3]);
        return {rect.x - left, rect.y - top, rect.width + left + right, rect.height + top + bottom};
    }

    // The first window shown with the title, None without one.
    Window titled(const std::string& wanted) const
    {
        for (unsigned long window : property(DefaultRootWindow(display_), "_NET_CLIENT_LIST", XA_WINDOW))
            if (title(window) == wanted)
                return window;
        return None;
    }

private:
    // A property's items (bytes for 8-bit formats).
    std::vector<unsigned long> property(Window window, const char* name, Atom wanted) const
    {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, left = 0;
        unsigned char* data = nullptr;
        std::vector<unsigned long> items;
        if (XGetWindowProperty(display_, window, XInternAtom(display_, name, False), 0, 1024, False, wanted, &type,
                &format, &count, &left, &data) != Success || !data)
            return items;
        for (unsigned long i = 0; i < count; ++i)
            items.push_back(format == 8 ? data[i] : reinterpret_cast<unsigned long*>(data)[i]);
        XFree(data);
        return items;
    }

    Display* display_;
};

// The pixels a list's rows take, every row's whole height added up, and the
// height inside the list that shows them, both as the toolkit's tree of rows
// lays them out: a count of the rows a page holds would still count a row
// cut by a few pixels.
struct RowPixels {
    int rows = 0;
    int inside = 0;
};

RowPixels rowPixels(const wxListBox& list)
{
    GtkTreeView* tree = GTK_TREE_VIEW(gtk_bin_get_child(GTK_BIN(list.GetHandle())));
    RowPixels pixels;
    GdkRectangle visible{};
    gtk_tree_view_get_visible_rect(tree, &visible);
    pixels.inside = visible.height;
    for (unsigned int row = 0; row < list.GetCount(); ++row) {
        GtkTreePath* path = gtk_tree_path_new_from_indices(int(row), -1);
        GdkRectangle area{};
        gtk_tree_view_get_background_area(tree, path, nullptr, &area);
        gtk_tree_path_free(path);
        pixels.rows += area.height;
    }
    return pixels;
}

// Rows a list hides behind its scroll bar, even in part, and a text field
// lower than a line of its font (descenders included) and its frame.
void cutRows(const wxWindow& window, std::vector<std::string>& cut)
{
    constexpr int framePixels = 2;
    const std::string name = window.GetName().utf8_string() + " " + boxText(window.GetScreenRect());
    if (const auto* list = dynamic_cast<const wxListBox*>(&window)) {
        const RowPixels pixels = rowPixels(*list);
        if (pixels.inside < pixels.rows)
            cut.push_back(name + " shows " + std::to_string(pixels.inside) + " pixels of its "
                + std::to_string(list->GetCount()) + " rows' " + std::to_string(pixels.rows));
    }
    if (const auto* field = dynamic_cast<const wxTextCtrl*>(&window);
        field && field->GetSize().y < field->GetTextExtent("Égjpqy").y + framePixels)
        cut.push_back(name + " is lower than its text");
    for (const wxWindow* child : window.GetChildren())
        if (!child->IsTopLevel() && child->IsShown())
            cutRows(*child, cut);
}

// What of a dialog's content does not show whole: a window smaller than its
// least size, past the client area, or over another; rows or text cut.
std::vector<std::string> cutContent(const wxWindow& dialog)
{
    std::vector<const wxWindow*> shown;
    for (const wxWindow* child : dialog.GetChildren())
        if (!child->IsTopLevel() && child->IsShown())
            shown.push_back(child);
    const wxRect client(dialog.GetClientSize());
    std::vector<std::string> cut;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const wxRect rect = shown[i]->GetRect();
        const std::string name = shown[i]->GetName().utf8_string() + " " + boxText(rect);
        const wxSize least = shown[i]->GetMinSize();
        if (!client.Contains(rect))
            cut.push_back(name + " leaves the client area " + boxText(client));
        if (rect.width < least.x || rect.height < least.y)
            cut.push_back(name + " is smaller than its content");
        for (std::size_t j = i + 1; j < shown.size(); ++j)
            if (rect.Intersects(shown[j]->GetRect()))
                cut.push_back(name + " lies over " + shown[j]->GetName().utf8_string());
    }
    cutRows(dialog, cut);
    return cut;
}

// A dialog as the window manager shows it; the main window with its frame.
struct PlacedDialog {
    std::string title;
    wxRect screenRect;
    std::vector<unsigned long> frame;
    wxRect mainWindowRect;
    std::vector<std::string> cut;
};

// The dialog's frame is centred on the main window's, whatever the sizes of
// the two and of what the window manager adds around each.
bool liesOverTheMainWindow(const PlacedDialog& dialog)
{
    const wxRect& main = dialog.mainWindowRect;
    const wxRect box = ManagedWindows::withFrame(dialog.screenRect, dialog.frame);
    const auto off = [](int start, int length, int mainStart, int mainLength) {
        return std::abs(2 * start + length - 2 * mainStart - mainLength) / 2;
    };
    return off(box.x, box.width, main.x, main.width) <= centringSlack
        && off(box.y, box.height, main.y, main.height) <= centringSlack;
}

// Whole, and over the main window or (a pop-out) without a frame.
bool standsAsItShould(const PlacedDialog& dialog)
{
    const bool frameless = !dialog.frame.empty()
        && std::all_of(dialog.frame.begin(), dialog.frame.end(), [](auto side) { return side == 0; });
    return dialog.cut.empty() && (liesOverTheMainWindow(dialog) || frameless);
}

// Watches for a dialog until the window manager shows it in one place. On a
// busy machine the window manager shows a dialog where it put it first, and
// the program's own placement follows a while later: so a dialog counts as
// placed once it stands as it should, or once it has had long to get there.
class DialogWatch {
public:
    DialogWatch(const wxDialog& dialog, std::string title) : dialog_(dialog), title_(std::move(title)) {}

    // True once the newest window the window manager shows has the dialog's
    // title, has not moved since the last look and stands as it should (or
    // the time to get there is over); then placed holds it.
    bool placed(const wxRect& mainWindowRect, PlacedDialog& placed)
    {
        const Window newest = windows_.newest();
        const wxRect rect = windows_.rect(newest);
        const bool still = newest == last_ && rect == lastRect_;
        last_ = newest;
        lastRect_ = rect;
        if (newest == None || windows_.title(newest) != title_ || !still)
            return false;
        placed = {title_, rect, windows_.frame(newest), mainWindowRect, cutContent(dialog_)};
        return standsAsItShould(placed) || std::chrono::steady_clock::now() >= placingEnds_;
    }

private:
    const wxDialog& dialog_;
    std::string title_;
    ManagedWindows windows_;
    Window last_ = None;
    wxRect lastRect_;
    const std::chrono::steady_clock::time_point placingEnds_ = std::chrono::steady_clock::now() + placingTime;
};

// Each modal dialog as the window manager shows it, then answered with a key
// (Return, as a reader does, unless told otherwise).
class PlacedDialogs : public wxModalDialogHook {
public:
    explicit PlacedDialogs(const std::function<wxRect()>& mainWindowRect) : mainWindowRect_(mainWindowRect)
    {
        Register();
        timer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { answerOncePlaced(); });
    }
    ~PlacedDialogs() override { Unregister(); }

    std::vector<PlacedDialog> dialogs;
    int answer = WXK_RETURN;

protected:
    int Enter(wxDialog* dialog) override
    {
        auto* box = dynamic_cast<wxMessageDialog*>(dialog);
        watch_.emplace(*dialog, (box ? box->GetCaption() : dialog->GetTitle()).utf8_string());
        timer_.Start(50);
        return wxID_NONE;
    }
    void Exit(wxDialog*) override { timer_.Stop(); }

private:
    void answerOncePlaced()
    {
        PlacedDialog placed;
        if (!watch_->placed(mainWindowRect_(), placed))
            return;
        timer_.Stop();
        dialogs.push_back(placed);
        input_.key(answer);
    }

    std::function<wxRect()> mainWindowRect_;
    wxTimer timer_;
    DesktopInput input_;
    std::optional<DialogWatch> watch_;
};

class DesktopWindowTest : public EditorFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(DesktopInput::windowManagerRuns());
        if (const char* language = std::getenv("QUORVIN_TEST_LANGUAGE")) {
            ASSERT_STREQ(language, "fr");
            for (const char* variable : {"LANG", "LC_ALL"})
                ::setenv(variable, "fr_FR.UTF-8", 1);
        }
        ASSERT_TRUE(startUp(Fs1rDeviceType()));
        device_ = frame_->device();
        ASSERT_NE(device_, nullptr);
        // The connection's messages come after the notice.
        ASSERT_TRUE(pumpEventsUntil([this] { return dialogs_.dialogs.size() >= 2; }, 20s));
        input_.settle(300ms);
    }

    // The part of the main window's client area below the menu bar that
    // shows on the screen.
    wxRect visibleClientArea() const
    {
        const wxRect client(frame_->ClientToScreen(wxPoint(0, 0)), frame_->GetClientSize());
        return client.Intersect(wxDisplay(frame_.get()).GetGeometry());
    }

    wxWindow* shownPage() const
    {
        for (wxWindow* page : device_->mainPanel()->GetChildren())
            if (page->IsShown())
                return page;
        return nullptr;
    }

    // The shown page and every control shown on it, where they leave the
    // visible client area.
    void expectWholePage(const std::string& where)
    {
        wxWindow* page = shownPage();
        ASSERT_NE(page, nullptr) << where;
        const wxRect area = visibleClientArea();
        EXPECT_TRUE(area.Contains(page->GetScreenRect()))
            << where << ": the page " << boxText(page->GetScreenRect()) << " leaves the client area " << boxText(area);
        expectWholeControls(*page, where);
    }

    void expectWholeControls(wxWindow& page, const std::string& where)
    {
        const wxRect area = visibleClientArea();
        std::vector<std::string> cut;
        forEachControl(&page, [&](ControlWindow& control) {
            if (!area.Contains(control.GetScreenRect()))
                cut.push_back(nameOf(control) + " " + boxText(control.GetScreenRect()));
        });
        EXPECT_THAT(cut, testing::IsEmpty()) << where << ": controls outside the client area " << boxText(area);
    }

    void expectDialogsOverTheMainWindow() const
    {
        ASSERT_FALSE(dialogs_.dialogs.empty());
        for (const PlacedDialog& dialog : dialogs_.dialogs)
            expectOverTheMainWindow(dialog);
    }

    static void expectOverTheMainWindow(const PlacedDialog& dialog)
    {
        EXPECT_TRUE(liesOverTheMainWindow(dialog))
            << "\"" << dialog.title << "\" " << boxText(ManagedWindows::withFrame(dialog.screenRect, dialog.frame))
            << " is not centred on the main window " << boxText(dialog.mainWindowRect);
    }

    // The main window as the window manager shows it, frame included.
    wxRect mainWindowOnScreen() const
    {
        const ManagedWindows windows;
        return frame_ ? windows.outerRect(windows.titled(frame_->GetTitle().utf8_string())) : wxRect();
    }

    // A voice file opened from the performance page asks where it goes.
    void openAVoiceFile()
    {
        auto& device = dynamic_cast<Fs1rDevice&>(*device_);
        const std::string file = (files_.path() / "Voice.voice.syx").string();
        ASSERT_TRUE(device.patchFiles().writePatchFile(Fs1rParts::ofVoice(0), file));
        showPage(Fs1rPanels::performancePage);
        device.patchFiles().loadSysexFile(file, flagsFileLoad, -1);
    }

    // From the View menu: the keyboard may be with a dialog that just went.
    void showPage(int page)
    {
        choose(MainFrame::firstPageId + page);
        ASSERT_TRUE(pumpEventsUntil([&] { return device_->currentPanel() == page; }, 2s)) << pageKeys[page];
    }

    // The first control shown (on the page or its header) that the test takes.
    ControlWindow* firstControl(const std::function<bool(Control&)>& takes) const
    {
        ControlWindow* found = nullptr;
        forEachControl(device_->mainPanel(), [&](ControlWindow& window) {
            if (!found && window.control() && takes(*window.control()))
                found = &window;
        });
        return found;
    }

    void popOutAnEnvelope()
    {
        showPage(Fs1rPanels::performancePage);
        ControlWindow* envelope
            = firstControl([](Control& control) { return dynamic_cast<EnvelopeControl*>(&control) != nullptr; });
        ASSERT_NE(envelope, nullptr);
        input_.glideOnto(*envelope);
        ASSERT_TRUE(pumpEventsUntil([&] { return envelope->control()->isFocused() && envelope->HasFocus(); }, 2s));
        input_.key(WXK_RETURN);
    }

    void openAndCloseAList()
    {
        showPage(Fs1rPanels::performancePage);
        ControlWindow* owner = firstControl([](Control& control) {
            const Parameter* parameter = control.getParameter(Control::roleMain);
            return dynamic_cast<ValueLabelControl*>(&control) && parameter
                && parameter->key().text().toUtf8() == "FS1R ins header  Insertion";
        });
        ASSERT_NE(owner, nullptr);
        input_.settle(400ms);
        input_.clickOn(*owner, wxPoint(4, owner->GetSize().y / 2));
        const auto& labels = static_cast<ValueLabelControl&>(*owner->control());
        ASSERT_TRUE(pumpEventsUntil([&] { return labels.popupList() && labels.popupList()->IsShown(); }, 2s));
        input_.key(WXK_ESCAPE);
        ASSERT_TRUE(pumpEventsUntil([&] { return !labels.popupList()->IsShown(); }, 2s));
    }

    // The MIDI control set dialog stays open beside the pages until closed.
    void openAndCloseTheControlSetDialog()
    {
        showPage(Fs1rPanels::systemPage);
        const wxString opener = wxGetTranslation("MIDI control set");
        ControlWindow* button = firstControl([&](Control& control) {
            const Parameter* action = control.getParameter(Control::roleMain);
            return action && action->valueText(action->getValue()).toUtf8() == opener.utf8_string();
        });
        ASSERT_NE(button, nullptr);
        input_.clickOn(*button);
        wxDialog* dialog = nullptr;
        ASSERT_TRUE(pumpEventsUntil([&] { return (dialog = shownDialogTitled(opener)) != nullptr; }, 2s));
        DialogWatch watch(*dialog, opener.utf8_string());
        PlacedDialog placed;
        ASSERT_TRUE(pumpEventsUntil([&] {
            pumpEventsFor(50ms);
            return watch.placed(mainWindowOnScreen(), placed);
        }, placingTime + 5s));
        dialogs_.dialogs.push_back(placed);
        input_.key(WXK_ESCAPE);
        ASSERT_TRUE(pumpEventsUntil([&] { return !dialog->IsShown(); }, 2s)) << "Escape left the window open";
    }

    static wxDialog* shownDialogTitled(const wxString& title)
    {
        for (wxWindow* window : wxTopLevelWindows)
            if (auto* dialog = dynamic_cast<wxDialog*>(window); dialog && dialog->IsShown() && dialog->GetTitle() == title)
                return dialog;
        return nullptr;
    }

    void expectEveryEffectTypeWhole()
    {
        constexpr int performancePage = 1;
        input_.key(WXK_F1 + performancePage);
        ASSERT_TRUE(pumpEventsUntil([&] { return device_->currentPanel() == performancePage; }, 2s));
        const auto& blocks = dynamic_cast<PerformancePanel&>(*shownPage()).effectBlocks();
        for (const auto& block : blocks) {
            SysexParameter& type = *block->typeParameter();
            for (std::int32_t value = 1; value <= block->description().typeCount; ++value) {
                type.setValue(flagsUserEdit, value);
                pumpEventsFor(10ms);
                expectWholeControls(*shownPage(), type.key().text().toUtf8() + " " + type.valueText(value).toUtf8());
            }
        }
    }

    static void forEachControl(wxWindow* root, const std::function<void(ControlWindow&)>& visit)
    {
        for (wxWindow* child : root->GetChildren()) {
            if (auto* control = dynamic_cast<ControlWindow*>(child); control && control->IsShownOnScreen())
                visit(*control);
            forEachControl(child, visit);
        }
    }

    static std::string nameOf(ControlWindow& window)
    {
        const Parameter* parameter = window.control() ? window.control()->getParameter(Control::roleMain) : nullptr;
        return parameter ? parameter->key().text().toUtf8() : window.GetLabel().utf8_string();
    }

    PlacedDialogs dialogs_{[this] { return mainWindowOnScreen(); }};
    DesktopInput input_;
    TempFolder files_{"desktop-window"};
    Device* device_ = nullptr;
};

// The toolkit learns what a window manager adds around a window from the first
// window of a process: a size taken before it knew shows there only, so one
// start does all.
TEST_F(DesktopWindowTest, TheStartsDialogsOpenOverTheMainWindowAndEveryPageAndEffectShowsWhole)
{
    expectDialogsOverTheMainWindow();
    const wxSize client = frame_->GetClientSize();
    EXPECT_GE(client.x, pageWidth);
    EXPECT_GE(client.y, pageHeight);
    for (int page = 0; page < 7; ++page) {
        input_.key(WXK_F1 + page);
        ASSERT_TRUE(pumpEventsUntil([&] { return device_->currentPanel() == page; }, 2s)) << pageKeys[page];
        expectWholePage(std::string("the page of ") + pageKeys[page]);
    }
    expectEveryEffectTypeWhole();
}

// Each dialog, the pop-out and a list opened twice over, as a session may
// take them: whatever came before, every dialog, the toolkit's file choosers
// too, is centred on the main window and shows its content whole, and the
// pop-out gets nothing added around it by the window manager. The toolkit
// guesses a window's frame from earlier windows of its kind, so a dialog
// opened before can spoil the next; a file chooser shown again once went to
// the screen's corner.
TEST_F(DesktopWindowTest, WhateverWasOpenedBeforeEachDialogOpensOverTheMainWindowWhole)
{
    enum class Shows { overTheMainWindow, withoutFrame, nothing };
    struct Step {
        const char* what;
        std::function<void()> open;
        Shows shows;
    };
    const auto saveToDevice = [this](int page) {
        showPage(page);
        choose(MainFrame::saveToDeviceId);
    };
    const Step steps[] = {
        {"save a performance to the device", [&] { saveToDevice(Fs1rPanels::performancePage); },
            Shows::overTheMainWindow},
        {"save a voice to the device", [&] { saveToDevice(Fs1rPanels::firstVoicePage); }, Shows::overTheMainWindow},
        {"about", [this] { choose(wxID_ABOUT); }, Shows::overTheMainWindow},
        {"pop out an envelope", [this] { popOutAnEnvelope(); }, Shows::withoutFrame},
        {"the MIDI control set", [this] { openAndCloseTheControlSetDialog(); }, Shows::overTheMainWindow},
        {"open a file", [this] { choose(wxID_OPEN); }, Shows::overTheMainWindow},
        {"the voice destination", [this] { openAVoiceFile(); }, Shows::overTheMainWindow},
        {"save all, a file chooser for each patch", [this] { choose(MainFrame::saveAllId); },
            Shows::overTheMainWindow},
        {"a list", [this] { openAndCloseAList(); }, Shows::nothing},
    };
    dialogs_.answer = WXK_ESCAPE;
    for (int round = 1; round <= 2; ++round) {
        for (const Step& step : steps) {
            SCOPED_TRACE(std::string(step.what) + ", round " + std::to_string(round));
            const std::size_t before = dialogs_.dialogs.size();
            step.open();
            if (step.shows == Shows::nothing)
                continue;
            ASSERT_GT(dialogs_.dialogs.size(), before) << "no dialog showed";
            for (std::size_t index = before; index < dialogs_.dialogs.size(); ++index) {
                const PlacedDialog& shown = dialogs_.dialogs[index];
                EXPECT_THAT(shown.cut, testing::IsEmpty()) << "\"" << shown.title << "\" " << boxText(shown.screenRect);
                if (step.shows == Shows::overTheMainWindow)
                    expectOverTheMainWindow(shown);
                else
                    EXPECT_THAT(shown.frame, testing::Each(0u)) << "a frame around " << boxText(shown.screenRect);
            }
        }
    }
}

} // namespace
