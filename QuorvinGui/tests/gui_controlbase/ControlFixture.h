#pragma once
// A frame with a row of small concrete controls on a page, their parameters
// recording into one command list, and the real input of the display.
#include "controls/Control.h"
#include "gui/ControlStyle.h"
#include "localparams/LocalParameter.h"
#include "tests/support/EventPump.h"
#include "undo/CommandList.h"

#include <gtest/gtest.h>
#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <chrono>
#include <functional>

#include <memory>
#include <vector>

// Fills itself with its background and remembers how it was last drawn.
class TestControl : public Control {
public:
    using Control::Control;

    void draw(wxDC& dc, const wxRegion&, bool, bool selected, bool focused) override
    {
        ++paints;
        drawnSelected = selected;
        drawnFocused = focused;
        const wxSize size = clientSize();
        paintBackground(dc, size.x, size.y);
    }

    int paints = 0;
    bool drawnSelected = false;
    bool drawnFocused = false;
};

class ControlFixture : public testing::Test {
protected:
    static constexpr int controlWidth = 60;
    static constexpr int controlHeight = 40;
    static constexpr int gap = 20;

    ControlFixture()
    {
        frame->SetClientSize(800, 200);
        frame->Show();
        frame->Raise();
        pumpEventsFor(std::chrono::milliseconds(50));
    }

    ~ControlFixture() override
    {
        Control::clearSelection();
        // The program's order at shutdown: the parameters go first.
        parameters.clear();
        controls.clear();
        frame->Destroy();
    }

    TestControl& addControl()
    {
        controls.push_back(std::make_unique<TestControl>(page, style));
        TestControl& control = *controls.back();
        const int x = gap + int(controls.size() - 1) * (controlWidth + gap);
        control.setSize(controlWidth, controlHeight);
        control.place(x, gap, nullptr);
        control.getPath().widget = RefString(u"control");
        return control;
    }

    LocalParameter& addParameter(std::int32_t minimum, std::int32_t maximum, std::int32_t value)
    {
        parameters.push_back(std::make_unique<LocalParameter>(minimum, maximum, value));
        parameters.back()->setCommandList(&list);
        return *parameters.back();
    }

    // A control with one parameter under the main role.
    TestControl& addBoundControl(std::int32_t minimum, std::int32_t maximum, std::int32_t value)
    {
        TestControl& control = addControl();
        control.bindParameter(&addParameter(minimum, maximum, value));
        return control;
    }

    wxPoint centreOf(const Control& control) const
    {
        const wxWindow* window = control.window();
        return window->ClientToScreen(wxPoint(window->GetClientSize().x / 2, window->GetClientSize().y / 2));
    }

    void focus(Control& control)
    {
        control.window()->SetFocus();
        EXPECT_TRUE(pumpEventsUntil([&] { return Control::focusedControl() == &control; }))
            << "the control did not take the focus";
    }

    void clickOn(const Control& control, int modifiers = wxMOD_NONE)
    {
        simulator.MouseMove(centreOf(control));
        if (modifiers & wxMOD_CONTROL)
            simulator.KeyDown(WXK_CONTROL);
        simulator.MouseClick();
        if (modifiers & wxMOD_CONTROL)
            simulator.KeyUp(WXK_CONTROL);
        pumpEventsFor(std::chrono::milliseconds(50));
    }

    void pressKey(int keyCode, int modifiers = wxMOD_NONE)
    {
        simulator.Char(keyCode, modifiers);
        pumpEventsFor(std::chrono::milliseconds(30));
    }

    // Sends the event through the control's window as the toolkit would.
    void send(Control& control, wxEvent& event)
    {
        event.SetEventObject(control.window());
        control.window()->GetEventHandler()->ProcessEvent(event);
    }

    void sendKey(Control& control, wxEventType type, int keyCode)
    {
        wxKeyEvent event(type);
        event.m_keyCode = keyCode;
        send(control, event);
    }

    void sendMenuCommand(Control& control, int id)
    {
        wxCommandEvent event(wxEVT_MENU, id);
        send(control, event);
    }

    void sendWheel(Control& control, int rotation)
    {
        wxMouseEvent event(wxEVT_MOUSEWHEEL);
        event.m_wheelRotation = rotation;
        event.m_wheelDelta = 120;
        event.m_wheelAxis = wxMOUSE_WHEEL_VERTICAL;
        send(control, event);
    }

    // The pump runs this loop, as the program's main loop would.
    wxGUIEventLoop loop;
    wxEventLoopActivator activeLoop{&loop};
    ControlStyle style;
    CommandList list;
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "controls");
    wxPanel* page = new wxPanel(frame, wxID_ANY);
    std::vector<std::unique_ptr<TestControl>> controls;
    std::vector<std::unique_ptr<LocalParameter>> parameters;
    wxUIActionSimulator simulator;
};
