// Keys and the wheel act on the control under the pointer, as a person moves
// it on a desktop: the pointer glides from one control to its neighbour over
// whatever lies between, and after every page switch the control under it
// turns at once, without a click first. Over a name field the menu's
// shortcuts still reach the menu. The control that takes the keys shows
// the focus frame on the screen, and no other control shows any of one.
#include "app/Fs1rDeviceType.h"
#include "app/tests/gui_app/EditorFixture.h"
#include "app/tests/support/EditorWindows.h"
#include "commands/CommandParameter.h"
#include "controls/CaptionControl.h"
#include "controls/Control.h"
#include "controls/ControlWindow.h"
#include "controls/Slider.h"
#include "controls/TextEditControl.h"
#include "controls/ValueButton.h"
#include "controls/ValueLabelControl.h"
#include "gui/ControlStyle.h"
#include "device/ActionParameter.h"
#include "device/Device.h"
#include "instrument/Fs1rPanels.h"
#include "midi/MidiInterface.h"
#include "params/Parameter.h"
#include "popup/PopupListDialog.h"
#include "tests/support/DesktopInput.h"
#include "tests/support/EventPump.h"

#include <gdk/gdk.h>
#include <wx/msgdlg.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

// Pixels per pointer move: a mouse moved at an ordinary pace.
constexpr int glideStep = 8;
// Pixels within which two glides count as alike.
constexpr int shapeGrain = 24;

// Where the user's keys went astray, on the performance page, over the
// "Insertion" and "Detune" captions.
const std::pair<std::string, std::string> namedGlides[] = {
    {"FS1R var header  Variation", "FS1R ins header  Insertion"},
    {"FS1R perf part  Note shift 1", "FS1R perf part  Detune 1"},
};

using Values = std::map<const Parameter*, std::int32_t>;

std::int32_t valueIn(const Values& values, const Parameter* parameter)
{
    const auto found = values.find(parameter);
    return found == values.end() ? Parameter::noValue : found->second;
}

std::string nameOf(const Parameter* parameter) { return parameter->key().text().toUtf8(); }

std::string nameOf(const Control& control)
{
    if (const auto* caption = dynamic_cast<const CaptionControl*>(&control))
        return caption->text().toUtf8();
    return nameOf(control.roles().begin()->second);
}

wxPoint centreOf(const wxWindow& window) { return window.GetScreenRect().GetPosition() + window.GetSize() / 2; }

// A control's window and where it lies on the screen.
struct Placed {
    ControlWindow* window;
    wxRect rect;
};

// The pointer glides from the first window onto the second.
struct Glide {
    ControlWindow* from;
    ControlWindow* to;
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

// The kind of the second control, the way and the room between them, to a
// few pixels: the pages repeat their rows and sections, and one glide of a
// shape stands for its repeats.
std::string shapeOf(const Placed& from, const Placed& to, bool below)
{
    const wxRect& a = from.rect;
    const wxRect& b = to.rect;
    const int gap = below ? b.y - a.GetBottom() : b.x - a.GetRight();
    const wxPoint offset = (b.GetPosition() + b.GetSize() / 2) - (a.GetPosition() + a.GetSize() / 2);
    return std::string(typeid(*to.window->control()).name()) + "," + std::to_string(below) + ","
        + std::to_string(gap / shapeGrain) + "," + std::to_string((below ? offset.x : offset.y) / shapeGrain);
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
            if (to && shapes.insert(shapeOf(from, *to, below)).second && int(shapes.size()) % shares == shareIndex)
                glides.push_back({from.window, to->window});
        }
    return glides;
}

// What the user does next on the system page: the pointer glides onto the
// control with the given label and rests there (and clicks it), or a key
// goes where the pointer rests. Return opens the list of the control the
// pointer rests on, Escape closes it. F1 brings the page back after a
// connection test has shown the performance.
enum class Act { rest, click, key, openList, closeList, backToThePage };

struct FrameMove {
    Act act;
    // The control's label, or the key's name.
    const char* label;
    int keyCode;
};

struct FrameScene {
    const char* name;
    std::vector<FrameMove> moves;
};

constexpr FrameMove restOn(const char* label) { return {Act::rest, label, 0}; }
constexpr FrameMove clickOn(const char* label) { return {Act::click, label, 0}; }
constexpr FrameMove tab{Act::key, "Tab", WXK_TAB};
constexpr FrameMove openList{Act::openList, "Return", WXK_RETURN};
constexpr FrameMove closeList{Act::closeList, "Escape", WXK_ESCAPE};
constexpr FrameMove backToThePage{Act::backToThePage, "F1", WXK_F1};

// The controls of the MIDI editor settings (choices of ports, command
// buttons, buttons that open a dialog), beside a choice of another group.
const FrameScene frameScenes[] = {
    {"the pointer resting",
        {restOn("Perf MIDI CH"), restOn("MIDI IN"), restOn("MIDI OUT"), restOn("Keyboard 1"), restOn("Keyboard 4"),
            restOn("Auto-detect"), restOn("Test settings"), restOn("Controller 1"), restOn("Perf MIDI CH")}},
    {"a click on Test settings",
        {clickOn("Test settings"), backToThePage, restOn("MIDI OUT"), tab, restOn("Keyboard 1"), tab}},
    {"a list opened and closed",
        {restOn("MIDI IN"), openList, closeList, restOn("MIDI OUT"), restOn("Keyboard 1"), openList, closeList,
            restOn("Keyboard 2"), restOn("Perf MIDI CH")}},
};

// The pixels of the screen inside the rectangle, as the display server
// shows them now (the toolkit's screen context may hand back older ones).
wxImage screenShot(const wxRect& area)
{
    GdkPixbuf* shot = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), area.x, area.y, area.width, area.height);
    wxImage image(area.GetSize(), false);
    const guchar* pixels = gdk_pixbuf_get_pixels(shot);
    const int stride = gdk_pixbuf_get_rowstride(shot);
    const int channels = gdk_pixbuf_get_n_channels(shot);
    for (int y = 0; y < area.height; ++y)
        for (int x = 0; x < area.width; ++x) {
            const guchar* pixel = pixels + y * stride + x * channels;
            image.SetRGB(x, y, pixel[0], pixel[1], pixel[2]);
        }
    g_object_unref(shot);
    return image;
}

// Which pixels of a window's edge, clockwise from its top left corner, show
// the colour; the shot was taken of the area at origin. The corners are
// left out: a frame's corners are smoothed.
std::vector<bool> edgeIn(const wxImage& shot, wxPoint origin, const wxRect& window, const wxColour& colour)
{
    const wxRect rect(window.GetPosition() - origin, window.GetSize());
    std::vector<wxPoint> edge;
    for (int x = rect.x + 1; x < rect.GetRight(); ++x)
        edge.emplace_back(x, rect.y);
    for (int y = rect.y + 1; y < rect.GetBottom(); ++y)
        edge.emplace_back(rect.GetRight(), y);
    for (int x = rect.GetRight() - 1; x > rect.x; --x)
        edge.emplace_back(x, rect.GetBottom());
    for (int y = rect.GetBottom() - 1; y > rect.y; --y)
        edge.emplace_back(rect.x, y);
    std::vector<bool> shows;
    for (const wxPoint& at : edge)
        shows.push_back(wxRect(shot.GetSize()).Contains(at) && shot.GetRed(at.x, at.y) == colour.Red()
            && shot.GetGreen(at.x, at.y) == colour.Green() && shot.GetBlue(at.x, at.y) == colour.Blue());
    return shows;
}

// Frame-coloured pixels of each control's edge.
using Edges = std::map<const ControlWindow*, std::vector<bool>>;

wxColour frameColour(const Control& control) { return control.style().pen5.GetColour(); }

// What the user reads by a control: the last part of its parameter's name,
// or the text of a command button.
std::string labelOf(const Control& control)
{
    if (const auto* button = dynamic_cast<const ValueButton*>(&control);
        button && dynamic_cast<const CommandParameter*>(control.mainParameter()))
        return button->shownText().toUtf8();
    return nameOf(control);
}

class PointerFocusTest : public EditorFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(DesktopInput::windowManagerRuns());
        ASSERT_TRUE(startUp(Fs1rDeviceType()));
        ASSERT_TRUE(pumpEventsUntil([this] { return user_.asked >= 2 && !waitDialogShown(); }, 20s));
        device_ = frame_->device();
        ASSERT_NE(device_, nullptr);
        frame_->Raise();
        ASSERT_TRUE(pumpEventsUntil([this] { return frame_->IsActive(); }, 5s));
    }

    // A choice may load a patch from the instrument: what it changes has
    // come once the instrument has answered and the editor is active again.
    void waitForTheInstrument()
    {
        const MidiInterface& midi = *device_->midiInterface();
        EXPECT_TRUE(pumpEventsUntil([&] { return instrumentIdle(midi) && frame_->IsActive(); }, 30s))
            << "the instrument is still busy";
    }

    void showPage(int page)
    {
        choose(MainFrame::firstPageId + page);
        ASSERT_EQ(device_->currentPanel(), page);
        input_.settle(50ms);
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

    // The controls of the shown page, whole in the window, that pass the test.
    std::vector<Placed> shownControls(const std::function<bool(const Control&)>& test) const
    {
        const wxRect frame = frame_->GetScreenRect();
        std::vector<Placed> found;
        forEachWindow(device_->mainPanel(), [&](wxWindow* window) {
            auto* controlWindow = dynamic_cast<ControlWindow*>(window);
            if (!controlWindow || !controlWindow->IsShownOnScreen() || !controlWindow->control()
                || !test(*controlWindow->control()))
                return;
            if (const wxRect rect = controlWindow->GetScreenRect(); frame.Contains(rect))
                found.push_back({controlWindow, rect});
        });
        return found;
    }

    // Those a key changes; Page Up on a command button would run its command.
    std::vector<Placed> keyControls() const
    {
        return shownControls([](const Control& control) {
            return !control.noFocus() && control.isSelectable() && control.isEnabled() && !control.roles().empty()
                && std::ranges::none_of(control.roles(), [](const auto& role) {
                       return dynamic_cast<const ActionParameter*>(role.second)
                           || dynamic_cast<const CommandParameter*>(role.second);
                   });
        });
    }

    ControlWindow* controlNamed(const std::string& name) const
    {
        const std::vector<Placed> found = shownControls(
            [&name](const Control& control) { return !control.roles().empty() && nameOf(control) == name; });
        return found.empty() ? nullptr : found.front().window;
    }

    // Page Up and Page Down as the window that has the focus takes them.
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

    // Glides from the first control onto the second and presses Page Up.
    // Only what the same key does to the second, as it stands then, may
    // change: the second is stepped up and back first to find that out, and
    // back again at the end. A caption takes no key: nothing may change.
    void expectPageUpChangesOnlyTheSecond(const Glide& glide)
    {
        input_.jumpOnto(*glide.from);
        input_.glideTo(centreOf(*glide.to), glideStep);
        const bool caption = glide.to->control()->noFocus();
        const bool secondFocused = caption || Control::focusedControl() == glide.to->control();
        const Values before = editorValues();
        Values expected = before;
        if (!caption) {
            sendKey(glide.to, WXK_PAGEUP);
            expected = editorValues();
            sendKey(glide.to, WXK_PAGEDOWN);
        }
        const Values start = editorValues();
        input_.key(WXK_PAGEUP);
        waitForTheInstrument();
        const Values after = editorValues();
        if (!caption)
            sendKey(glide.to, WXK_PAGEDOWN);
        std::vector<std::string> wrong;
        for (const auto& [parameter, value] : after)
            if (value != valueIn(start, parameter) && valueIn(expected, parameter) == valueIn(before, parameter))
                wrong.push_back(nameOf(parameter));
        EXPECT_TRUE(secondFocused && wrong.empty())
            << nameOf(*glide.from->control()) << " -> " << nameOf(*glide.to->control()) << ": "
            << (secondFocused ? "" : "the keys go elsewhere; ") << "changed " << testing::PrintToString(wrong);
    }

    // The glides of the shown page: between neighbours, and from a control
    // onto the first caption.
    std::vector<Glide> glidesOfPage(int page) const
    {
        const bool voice = page >= Fs1rPanels::firstVoicePage && page < Fs1rPanels::fseqPage;
        const std::vector<Placed> controls = keyControls();
        std::vector<Glide> glides = glidesOf(controls, voice ? page - Fs1rPanels::firstVoicePage : 0,
            voice ? Fs1rPanels::voicePageCount : 1);
        const std::vector<Placed> captions = shownControls(
            [](const Control& control) { return dynamic_cast<const CaptionControl*>(&control) != nullptr; });
        if (!captions.empty() && !controls.empty())
            glides.push_back({controls.front().window, captions.front().window});
        if (page == Fs1rPanels::performancePage)
            for (const auto& [from, to] : namedGlides)
                glides.push_back({controlNamed(from), controlNamed(to)});
        return glides;
    }

    ControlWindow* controlLabelled(const std::string& label) const
    {
        const std::vector<Placed> found = shownControls([&label](const Control& control) {
            const std::string name = labelOf(control);
            return !control.roles().empty() && (name == label || name.ends_with("  " + label));
        });
        return found.empty() ? nullptr : found.front().window;
    }

    // The control whose window has the keyboard focus and takes the keys.
    static const Control* takesTheKeys()
    {
        const Control* focused = Control::focusedControl();
        return focused && focused->window()->HasFocus() ? focused : nullptr;
    }

    // Frame-coloured pixels of every control's edge, as the shown page is
    // drawn anew with the pointer on none of them and no control taking the
    // keys: the colour may belong to a control's own picture.
    Edges edgesDrawnAfresh()
    {
        input_.glideTo(device_->mainPanel()->ClientToScreen({4, 4}), glideStep);
        // The last control's leave comes after the move, late on a busy machine.
        EXPECT_TRUE(pumpEventsUntil([] { return Control::focusedControl() == nullptr; }, 5s))
            << "the page's corner holds the keys: " << labelOf(*Control::focusedControl());
        frame_->Refresh();
        frame_->Update();
        input_.settle(100ms);
        return edgesNow();
    }

    // The same as the screen shows it now.
    Edges edgesNow() const
    {
        const wxRect area = frame_->GetScreenRect();
        const wxImage shot = screenShot(area);
        Edges edges;
        for (const Placed& placed : shownControls([](const Control&) { return true; }))
            edges[placed.window] = edgeIn(shot, area.GetPosition(), placed.rect, frameColour(*placed.window->control()));
        return edges;
    }

    // What the screen shows amiss: the control that takes the keys without
    // its whole frame, and frame pixels on any other control.
    std::string framesAmiss(const Edges& fresh) const
    {
        const Control* keys = takesTheKeys();
        std::ostringstream amiss;
        for (const auto& [window, edge] : edgesNow()) {
            const Control& control = *window->control();
            const auto before = fresh.find(window);
            if (&control == keys) {
                if (std::ranges::find(edge, false) != edge.end())
                    amiss << labelOf(control) << " takes the keys but shows no whole frame; ";
                continue;
            }
            std::size_t pieces = 0;
            for (std::size_t k = 0; k < edge.size(); ++k)
                pieces += edge[k] && (before == fresh.end() || !before->second[k]);
            if (pieces > 0)
                amiss << labelOf(control) << " shows " << pieces << " pixels of a frame; ";
        }
        return amiss.str();
    }

    void make(const FrameMove& move, const Control* restedOn)
    {
        switch (move.act) {
        case Act::rest:
        case Act::click: {
            ControlWindow* onto = controlLabelled(move.label);
            ASSERT_NE(onto, nullptr) << "no control labelled " << move.label;
            input_.glideTo(centreOf(*onto), glideStep);
            ASSERT_TRUE(pumpEventsUntil([onto] { return takesTheKeys() == onto->control(); }, 5s))
                << "the keys do not go to " << move.label;
            if (move.act == Act::click) {
                input_.click();
                waitForTheInstrument();
            }
            break;
        }
        case Act::key:
            input_.key(move.keyCode);
            break;
        case Act::backToThePage:
            input_.key(move.keyCode);
            ASSERT_TRUE(pumpEventsUntil([this] { return device_->currentPanel() == Fs1rPanels::systemPage; }))
                << "F1 does not bring the system page back";
            break;
        case Act::openList:
        case Act::closeList: {
            const auto* owner = dynamic_cast<const ValueLabelControl*>(restedOn);
            ASSERT_NE(owner, nullptr) << "no list under the pointer";
            input_.key(move.keyCode);
            const bool open = move.act == Act::openList;
            ASSERT_TRUE(pumpEventsUntil([&] { return owner->popupList() && owner->popupList()->IsShown() == open; }))
                << "the list of " << labelOf(*owner) << (open ? " does not open" : " stays open");
            break;
        }
        }
        input_.settle(50ms);
    }

    DecliningUser user_;
    DesktopInput input_;
    Device* device_ = nullptr;
};

TEST_F(PointerFocusTest, PageUpChangesTheControlThePointerGlidedOntoAndNothingElse)
{
    for (int page = 0; page < Fs1rPanels::pageCount; ++page) {
        showPage(page);
        for (const Glide& glide : glidesOfPage(page)) {
            ASSERT_TRUE(glide.from && glide.to) << "a named control is missing";
            expectPageUpChangesOnlyTheSecond(glide);
            // After a wrong key the page is no longer as the glides expect.
            if (HasFailure())
                return;
        }
    }
}

// The inputs that must turn the control under the pointer right after a
// page switch, without a click.
struct Turn {
    const char* name;
    std::function<void(DesktopInput&)> send;
};

const Turn turns[] = {
    {"wheel", [](DesktopInput& input) { input.wheel(-1); }},
    {"Page Up", [](DesktopInput& input) { input.key(WXK_PAGEUP); }},
    {"keypad +", [](DesktopInput& input) { input.key(WXK_NUMPAD_ADD); }},
    {"keypad -", [](DesktopInput& input) { input.key(WXK_NUMPAD_SUBTRACT); }},
};

TEST_F(PointerFocusTest, AfterEveryPageSwitchTheWheelAndKeysTurnTheControlUnderThePointer)
{
    // A slider of each page, found while the page shows.
    std::vector<ControlWindow*> sliders;
    for (int page = 0; page < Fs1rPanels::pageCount; ++page) {
        showPage(page);
        const std::vector<Placed> found = shownControls([](const Control& control) {
            const Parameter* parameter = control.mainParameter();
            return dynamic_cast<const Slider*>(&control) && control.isEnabled()
                && parameter->getValue() > parameter->allowedMinimum();
        });
        ASSERT_FALSE(found.empty()) << "no slider on page " << page;
        sliders.push_back(found.front().window);
    }
    const std::pair<const char*, std::function<void(int)>> switches[] = {
        {"F key", [this](int page) { input_.key(WXK_F1 + page); }},
        {"View menu", [this](int page) { choose(MainFrame::firstPageId + page); }},
    };
    for (const auto& [how, switchTo] : switches)
        for (int page = 0; page < Fs1rPanels::pageCount; ++page) {
            // The pointer rests over the page that shows, where the next
            // page's slider will come.
            ControlWindow* slider = sliders[std::size_t(page)];
            input_.jumpTo(centreOf(*slider));
            switchTo(page);
            ASSERT_TRUE(pumpEventsUntil([&] { return device_->currentPanel() == page; }, 2s)) << how << " " << page;
            input_.settle(50ms);
            // Off the lower end, so the wheel turned down changes it.
            const Parameter& parameter = *slider->control()->mainParameter();
            for (const Turn& turn : turns) {
                const std::int32_t before = parameter.getValue();
                turn.send(input_);
                EXPECT_NE(parameter.getValue(), before)
                    << turn.name << " after the " << how << " showed page " << page << ": " << nameOf(&parameter);
            }
        }
}

// Keys pressed, in this order, with the pointer resting on a name field: the
// name keeps the keys that type, every other shortcut reaches the menu.
enum class NameAfter { original, typed };
enum class Brings { nothing, dialog, menu, page };

struct NameFieldKey {
    const char* name;
    int keyCode;
    int modifiers;
    NameAfter nameAfter;
    Brings brings;
};

const NameFieldKey nameFieldKeys[] = {
    {"q", 'Q', wxMOD_NONE, NameAfter::typed, Brings::nothing},
    {"Ctrl+Z", 'Z', wxMOD_CONTROL, NameAfter::original, Brings::nothing},
    {"Ctrl+Y", 'Y', wxMOD_CONTROL, NameAfter::typed, Brings::nothing},
    {"Ctrl+N", 'N', wxMOD_CONTROL, NameAfter::typed, Brings::dialog},
    {"Ctrl+O", 'O', wxMOD_CONTROL, NameAfter::typed, Brings::dialog},
    {"Ctrl+S", 'S', wxMOD_CONTROL, NameAfter::typed, Brings::dialog},
    {"Shift+Ctrl+S", 'S', wxMOD_CONTROL | wxMOD_SHIFT, NameAfter::typed, Brings::dialog},
    {"Ctrl+D", 'D', wxMOD_CONTROL, NameAfter::typed, Brings::dialog},
    {"Alt+F", 'F', wxMOD_ALT, NameAfter::typed, Brings::menu},
    {"F1", WXK_F1, wxMOD_NONE, NameAfter::typed, Brings::page},
    {"F2", WXK_F2, wxMOD_NONE, NameAfter::typed, Brings::page},
    {"F3", WXK_F3, wxMOD_NONE, NameAfter::typed, Brings::page},
    {"F4", WXK_F4, wxMOD_NONE, NameAfter::typed, Brings::page},
    {"F5", WXK_F5, wxMOD_NONE, NameAfter::typed, Brings::page},
    {"F6", WXK_F6, wxMOD_NONE, NameAfter::typed, Brings::page},
    {"F7", WXK_F7, wxMOD_NONE, NameAfter::typed, Brings::page},
};

std::u16string textOf(const Control& name)
{
    std::u16string text;
    for (const auto& [role, character] : name.roles())
        text.push_back(static_cast<char16_t>(character->getValue()));
    return text;
}

std::string utf8Of(const std::u16string& text) { return RefString(text).toUtf8(); }

TEST_F(PointerFocusTest, MenuShortcutsWorkWithThePointerOnANameField)
{
    int menusOpen = 0;
    frame_->Bind(wxEVT_MENU_OPEN, [&menusOpen](wxMenuEvent& event) {
        ++menusOpen;
        event.Skip();
    });
    frame_->Bind(wxEVT_MENU_CLOSE, [&menusOpen](wxMenuEvent& event) {
        --menusOpen;
        event.Skip();
    });
    // The voice pages show the performance's name too: each page's own name.
    std::set<const Control*> tried;
    for (int page : {Fs1rPanels::performancePage, Fs1rPanels::firstVoicePage, Fs1rPanels::fseqPage}) {
        showPage(page);
        const std::vector<Placed> names = shownControls([&tried](const Control& control) {
            return dynamic_cast<const TextEditControl*>(&control) && !tried.contains(&control);
        });
        ASSERT_FALSE(names.empty()) << "no name of its own on page " << page;
        ControlWindow* name = names.front().window;
        tried.insert(name->control());
        const std::u16string original = textOf(*name->control());
        // Typed on the first character, the last one falls off.
        const std::u16string typed = u"q" + original.substr(0, original.size() - 1);
        for (const NameFieldKey& key : nameFieldKeys) {
            const std::string where = nameOf(*name->control()) + ", " + key.name;
            if (device_->currentPanel() != page)
                showPage(page);
            input_.jumpOnto(*name, {1, 1});
            input_.jumpOnto(*name);
            ASSERT_TRUE(pumpEventsUntil([&] { return Control::focusedControl() == name->control(); })) << where;
            const int asked = user_.asked;
            input_.key(key.keyCode, key.modifiers);
            switch (key.brings) {
            case Brings::nothing:
                break;
            case Brings::dialog:
                EXPECT_TRUE(pumpEventsUntil([&] { return user_.asked > asked; })) << where << ": no dialog";
                break;
            case Brings::menu:
                EXPECT_TRUE(pumpEventsUntil([&] { return menusOpen > 0; })) << where << ": no menu";
                input_.key(WXK_ESCAPE);
                EXPECT_TRUE(pumpEventsUntil([&] { return menusOpen == 0; })) << where << ": the menu stays";
                break;
            case Brings::page:
                EXPECT_TRUE(pumpEventsUntil([&] { return device_->currentPanel() == key.keyCode - WXK_F1; }))
                    << where << ": the page did not show";
                break;
            }
            waitForTheInstrument();
            EXPECT_EQ(utf8Of(textOf(*name->control())), utf8Of(key.nameAfter == NameAfter::typed ? typed : original))
                << where;
        }
    }
}

TEST_F(PointerFocusTest, OnlyTheControlThatTakesTheKeysShowsAFocusFrame)
{
    showPage(Fs1rPanels::systemPage);
    for (const FrameScene& scene : frameScenes) {
        const Edges fresh = edgesDrawnAfresh();
        const Control* restedOn = nullptr;
        for (const FrameMove& move : scene.moves) {
            make(move, restedOn);
            if (HasFatalFailure())
                return;
            const std::string step = std::string(scene.name) + ", then " + move.label;
            if (move.act == Act::rest || move.act == Act::click)
                restedOn = takesTheKeys();
            if (move.act == Act::openList)
                continue;
            std::string amiss;
            EXPECT_TRUE(pumpEventsUntil([&] { return (amiss = framesAmiss(fresh)).empty(); }, 5s))
                << step << ": " << amiss;
        }
    }
}

} // namespace
