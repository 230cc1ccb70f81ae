// Keys and the wheel act on the control under the pointer, as a person moves
// it on a desktop: the pointer glides from one control to its neighbour over
// whatever lies between, and after every page switch the control under it
// turns at once, without a click first.
#include "app/Fs1rDeviceType.h"
#include "app/tests/gui_app/EditorFixture.h"
#include "controls/Control.h"
#include "controls/ControlWindow.h"
#include "commands/CommandParameter.h"
#include "device/ActionParameter.h"
#include "device/Device.h"
#include "gui/WaitDialog.h"
#include "midi/MidiInterface.h"
#include "params/Parameter.h"
#include "tests/support/DesktopInput.h"
#include "tests/support/EventPump.h"

#include <wx/modalhook.h>
#include <wx/msgdlg.h>

#include <algorithm>
#include <functional>
#include <climits>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

// Every dialog is answered at once, as a user who clicks it away would.
class AnsweringUser : public wxModalDialogHook {
public:
    AnsweringUser() { Register(); }
    ~AnsweringUser() override { Unregister(); }
    int shown = 0;

protected:
    int Enter(wxDialog* dialog) override
    {
        ++shown;
        if (auto* box = dynamic_cast<wxMessageDialog*>(dialog))
            return box->GetMessageDialogStyle() & wxYES_NO ? wxID_NO : wxID_OK;
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};

void forEachWindow(wxWindow* root, const std::function<void(wxWindow*)>& visit)
{
    visit(root);
    for (wxWindow* child : root->GetChildren())
        if (!child->IsTopLevel())
            forEachWindow(child, visit);
}

using Values = std::map<const Parameter*, std::int32_t>;

std::int32_t valueIn(const Values& values, const Parameter* parameter)
{
    const auto found = values.find(parameter);
    return found == values.end() ? Parameter::noValue : found->second;
}

// Pixels per pointer move: a mouse moved at an ordinary pace.
constexpr int glideStep = 8;

// Pixels within which two glides count as alike.
constexpr int shapeGrain = 12;

// Glides the user made when the keys went astray, on the performance page.
const std::pair<std::string, std::string> namedGlides[] = {
    {"FS1R var header  Variation", "FS1R ins header  Insertion"},
    {"FS1R perf part  Note shift 1", "FS1R perf part  Detune 1"},
};

// A control's window and where it lies on the screen.
struct Placed {
    ControlWindow* window;
    wxRect rect;
};

// A pair of controls the pointer glides between.
struct Glide {
    ControlWindow* from;
    ControlWindow* to;
};

std::string nameOf(const Parameter* parameter) { return parameter->key().text().toUtf8(); }

std::string nameOf(const Control& control)
{
    return nameOf(control.roles().begin()->second);
}

class PointerFocusTest : public EditorFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(DesktopInput::windowManagerRuns());
        ASSERT_TRUE(startUp(Fs1rDeviceType()));
        ASSERT_TRUE(pumpEventsUntil([this] { return user_.shown >= 2 && !waitShown(); }, 20s));
        device_ = frame_->device();
        ASSERT_NE(device_, nullptr);
        frame_->Raise();
        ASSERT_TRUE(pumpEventsUntil([this] { return frame_->IsActive(); }, 5s));
        input_.settle(100ms);
    }

    bool waitShown() const
    {
        return std::ranges::any_of(wxTopLevelWindows,
            [](const wxWindow* window) { return dynamic_cast<const WaitDialog*>(window) && window->IsShown(); });
    }

    // Every parameter a control of the editor shows, on every page.
    Values editorValues() const
    {
        Values values;
        forEachWindow(frame_, [&values](wxWindow* window) {
            if (auto* controlWindow = dynamic_cast<ControlWindow*>(window); controlWindow && controlWindow->control())
                for (const auto& [role, parameter] : controlWindow->control()->roles())
                    values[parameter] = parameter->getValue();
        });
        return values;
    }

    // The controls of the shown page that a key can change, whole on screen.
    std::vector<Placed> keyControls() const
    {
        const wxRect frame = frame_->GetScreenRect();
        std::vector<Placed> found;
        forEachWindow(device_->mainPanel(), [&](wxWindow* window) {
            auto* controlWindow = dynamic_cast<ControlWindow*>(window);
            if (!controlWindow || !controlWindow->IsShownOnScreen() || !controlWindow->control())
                return;
            const Control& control = *controlWindow->control();
            // Page Up on a command button runs its command.
            if (control.noFocus() || !control.isSelectable() || !control.isEnabled() || control.roles().empty()
                || std::ranges::any_of(control.roles(), [](const auto& role) {
                       return dynamic_cast<const ActionParameter*>(role.second)
                           || dynamic_cast<const CommandParameter*>(role.second);
                   }))
                return;
            const wxRect rect = controlWindow->GetScreenRect();
            if (frame.Contains(rect))
                found.push_back({controlWindow, rect});
        });
        return found;
    }

    void sendKey(ControlWindow* window, int keyCode)
    {
        for (wxEventType type : {wxEVT_KEY_DOWN, wxEVT_KEY_UP}) {
            wxKeyEvent event(type);
            event.m_keyCode = keyCode;
            event.SetEventObject(window);
            window->ProcessWindowEvent(event);
        }
        waitForTheInstrument();
    }

    // A choice may load a patch from the instrument: what it changes has
    // come once the instrument has answered.
    void waitForTheInstrument()
    {
        const MidiInterface& midi = *device_->midiInterface();
        EXPECT_TRUE(pumpEventsUntil([&] {
            return midi.queuedDumpRequests() == 0 && !midi.isReceivingDump() && !midi.isWaitingForReply()
                && !waitShown() && frame_->IsActive();
        }, 30s)) << "the instrument is still busy";
    }

    // Glides from the first control onto the second and presses Page Up.
    // Only what the same key does to the second, as it stands then, may
    // change: the second is stepped back and forth again to find that out,
    // and back at the end.
    bool glideAndPageUpChangeOnlyTheSecond(const Glide& glide)
    {
        const auto t0 = std::chrono::steady_clock::now();
        input_.jumpOnto(*glide.from);
        input_.glideTo(glide.to->GetScreenRect().GetPosition() + glide.to->GetSize() / 2, glideStep);
        const auto t1 = std::chrono::steady_clock::now();
        const bool secondFocused = Control::focusedControl() == glide.to->control();
        const Values before = editorValues();
        sendKey(glide.to, WXK_PAGEUP);
        const Values expected = editorValues();
        sendKey(glide.to, WXK_PAGEDOWN);
        const Values start = editorValues();
        input_.key(WXK_PAGEUP);
        waitForTheInstrument();
        const auto t2 = std::chrono::steady_clock::now();
        const Values after = editorValues();
        sendKey(glide.to, WXK_PAGEDOWN);
        std::vector<std::string> wrong;
        for (const auto& [parameter, value] : after) {
            const bool expectedChange = valueIn(expected, parameter) != valueIn(before, parameter);
            const bool changed = value != valueIn(start, parameter);
            if (changed && !expectedChange)
                wrong.push_back(nameOf(parameter) + (changed ? " changed" : " stayed") + std::to_string(valueIn(before, parameter)) + "/" + std::to_string(valueIn(expected, parameter)) + "/" + std::to_string(valueIn(start, parameter)) + "/" + std::to_string(value));
        }
        const auto t3 = std::chrono::steady_clock::now();
        using std::chrono::duration_cast; using std::chrono::milliseconds;
        std::printf("DBG %lld %lld %lld\n", (long long)duration_cast<milliseconds>(t1 - t0).count(), (long long)duration_cast<milliseconds>(t2 - t1).count(), (long long)duration_cast<milliseconds>(t3 - t2).count());
        EXPECT_TRUE(secondFocused && wrong.empty())
            << nameOf(*glide.from->control()) << " -> " << nameOf(*glide.to->control()) << ": "
            << (secondFocused ? "" : "the keys went elsewhere; ") << testing::PrintToString(wrong)
            << " DBG " << typeid(*glide.from->control()).name() << " " << typeid(*glide.from->control()->mainParameter()).name() << " " << typeid(*glide.to->control()).name() << " " << typeid(*glide.to->control()->mainParameter()).name() << " " << glide.from->control()->getPath().text().toUtf8() << " focused " << (Control::focusedControl() ? typeid(*Control::focusedControl()).name() : "-");
        return secondFocused && wrong.empty();
    }

    ControlWindow* controlNamed(const std::string& name) const
    {
        for (const Placed& placed : keyControls())
            if (nameOf(*placed.window->control()) == name)
                return placed.window;
        return nullptr;
    }

    AnsweringUser user_;
    DesktopInput input_;
    Device* device_ = nullptr;
};


// The nearest control to the right of (or below) the given one, sharing rows
// (or columns) with it; null when there is none.
const Placed* nearestBeyond(const Placed& from, const std::vector<Placed>& controls, bool below)
{
    const wxRect& a = from.rect;
    const Placed* nearest = nullptr;
    int nearestGap = INT_MAX;
    for (const Placed& other : controls) {
        const wxRect& b = other.rect;
        const bool shares = below ? b.x < a.GetRight() && b.GetRight() > a.x : b.y < a.GetBottom() && b.GetBottom() > a.y;
        const int gap = below ? b.y - a.GetBottom() : b.x - a.GetRight();
        if (shares && gap > 0 && gap < nearestGap) {
            nearest = &other;
            nearestGap = gap;
        }
    }
    return nearest;
}

// The kinds of both controls, the way and the room between them, to a few
// pixels: the pages repeat their rows and sections, and one glide of a shape
// stands for its repeats.
std::string shapeOf(const Placed& from, const Placed& to, bool below)
{
    const wxRect& a = from.rect;
    const wxRect& b = to.rect;
    const int gap = below ? b.y - a.GetBottom() : b.x - a.GetRight();
    const wxPoint offset = (b.GetPosition() + b.GetSize() / 2) - (a.GetPosition() + a.GetSize() / 2);
    return std::string(typeid(*from.window->control()).name()) + "/" + typeid(*to.window->control()).name() + ","
        + std::to_string(below) + "," + std::to_string(gap / shapeGrain) + ","
        + std::to_string((below ? offset.x : offset.y) / shapeGrain);
}

// A glide from each control to its right and to its lower neighbour, one
// of each shape; the voice pages share theirs out, as they share a layout.
std::vector<Glide> glidesOf(const std::vector<Placed>& controls, int shareIndex, int shares)
{
    std::vector<Glide> glides;
    std::set<std::string> shapes;
    for (const Placed& from : controls)
        for (bool below : {false, true}) {
            const Placed* to = nearestBeyond(from, controls, below);
            if (!to || !shapes.insert(shapeOf(from, *to, below)).second)
                continue;
            if (int(shapes.size()) % shares == shareIndex)
                glides.push_back({from.window, to->window});
        }
    return glides;
}

TEST_F(PointerFocusTest, PageUpChangesTheControlThePointerGlidedOntoAndNothingElse)
{
    const auto started = std::chrono::steady_clock::now();
    int total = 0;
    for (int page = 0; page < 7; ++page) {
        choose(MainFrame::firstPageId + page);
        input_.settle(50ms);
        const bool voice = page >= 2 && page < 6;
        std::vector<Glide> glides = glidesOf(keyControls(), voice ? page - 2 : 0, voice ? 4 : 1);
        if (page == 1)
            for (const auto& [from, to] : namedGlides)
                glides.push_back({controlNamed(from), controlNamed(to)});
        // After a wrong key the page is no longer as the glides expect it.
        for (const Glide& glide : glides) {
            ASSERT_TRUE(glide.from && glide.to);
            ++total;
            if (!glideAndPageUpChangeOnlyTheSecond(glide))
                break;
        }
    }
    std::printf("%d glides in %lld ms\n", total, (long long)std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started).count());
}

} // namespace
