// The editor on a desktop, in the language the run asks for
// (QUORVIN_TEST_LANGUAGE): whatever a window manager adds around the main
// window, every page and every effect type's page shows whole below the menu
// bar, and the dialogs of the start open over the main window.
#include "app/Fs1rDeviceType.h"
#include "app/tests/gui_app/EditorFixture.h"
#include "controls/Control.h"
#include "controls/ControlWindow.h"
#include "device/Device.h"
#include "effects/EffectBlock.h"
#include "panels/PerformancePanel.h"
#include "params/Parameter.h"
#include "params/SetValueFlags.h"
#include "sysex/SysexParameter.h"
#include "tests/support/DesktopInput.h"
#include "tests/support/EventPump.h"

#include <gmock/gmock.h>
#include <wx/display.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/timer.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr int pageWidth = 1272;
constexpr int pageHeight = 716;
const char* const pageKeys[] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7"};

std::string boxText(const wxRect& box)
{
    std::ostringstream out;
    out << "(" << box.x << ", " << box.y << ", " << box.width << " x " << box.height << ")";
    return out.str();
}

// The window the window manager has made active, where the server shows it.
wxRect activeWindowRect()
{
    Display* display = static_cast<Display*>(wxGetDisplay());
    const Window root = DefaultRootWindow(display);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, left = 0;
    unsigned char* data = nullptr;
    Window active = None;
    if (XGetWindowProperty(display, root, XInternAtom(display, "_NET_ACTIVE_WINDOW", False), 0, 1, False, XA_WINDOW,
            &type, &format, &count, &left, &data) == Success && data) {
        if (count == 1)
            active = *reinterpret_cast<Window*>(data);
        XFree(data);
    }
    if (active == None)
        return {};
    XWindowAttributes attributes{};
    Window child = None;
    int x = 0, y = 0;
    if (!XGetWindowAttributes(display, active, &attributes)
        || !XTranslateCoordinates(display, active, root, 0, 0, &x, &y, &child))
        return {};
    return {x, y, attributes.width, attributes.height};
}

// Each modal dialog as the window manager shows it: where it stands once
// placed, then answered with the Return key, as a reader does.
class PlacedDialogs : public wxModalDialogHook {
public:
    struct Placed {
        std::string title;
        wxRect screenRect;
        wxRect mainWindowRect;
    };

    explicit PlacedDialogs(const std::function<wxRect()>& mainWindowRect) : mainWindowRect_(mainWindowRect)
    {
        Register();
        timer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { answerOncePlaced(); });
    }
    ~PlacedDialogs() override { Unregister(); }

    std::vector<Placed> dialogs;

protected:
    int Enter(wxDialog* dialog) override
    {
        auto* box = dynamic_cast<wxMessageDialog*>(dialog);
        title_ = (box ? box->GetCaption() : dialog->GetTitle()).utf8_string();
        waited_ = 0;
        timer_.Start(50);
        return wxID_NONE;
    }
    void Exit(wxDialog*) override { timer_.Stop(); }

private:
    void answerOncePlaced()
    {
        // The window manager maps, places and activates the dialog.
        if (++waited_ < 10)
            return;
        timer_.Stop();
        dialogs.push_back({title_, activeWindowRect(), mainWindowRect_()});
        input_.key(WXK_RETURN);
    }

    std::function<wxRect()> mainWindowRect_;
    wxTimer timer_;
    DesktopInput input_;
    std::string title_;
    int waited_ = 0;
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

    // Each dialog's middle lies in the middle half of the main window, as
    // one centred on it does, whatever the dialog's size.
    void expectDialogsOverTheMainWindow() const
    {
        ASSERT_FALSE(dialogs_.dialogs.empty());
        for (const PlacedDialogs::Placed& dialog : dialogs_.dialogs) {
            const wxRect& main = dialog.mainWindowRect;
            const wxRect middle(main.x + main.width / 4, main.y + main.height / 4, main.width / 2, main.height / 2);
            const wxRect& box = dialog.screenRect;
            EXPECT_TRUE(middle.Contains(box.x + box.width / 2, box.y + box.height / 2))
                << "\"" << dialog.title << "\" " << boxText(box) << " is not over the main window " << boxText(main);
        }
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

    PlacedDialogs dialogs_{[this] { return frame_ ? frame_->GetScreenRect() : wxRect(); }};
    DesktopInput input_;
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

} // namespace
