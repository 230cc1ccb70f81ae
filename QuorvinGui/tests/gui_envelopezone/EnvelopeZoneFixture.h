#pragma once
// A shown page for envelope and zone controls whose parameters record into
// one undo list, the display's real pointer and keyboard, and painting into
// a memory bitmap through the controls' own draw path.
#include "controls/DragControl.h"
#include "gui/ControlStyle.h"
#include "localparams/LocalParameter.h"
#include "tests/gui_style/PixelCanvas.h"
#include "tests/support/EventPump.h"
#include "undo/CommandList.h"

#include <gtest/gtest.h>
#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/uiaction.h>

#include <chrono>
#include <memory>
#include <vector>

using namespace std::chrono_literals;

class EnvelopeZoneFixture : public testing::Test {
protected:
    static inline const wxColour ground{0, 0, 0};
    static inline const wxColour fillColour{0, 0, 160};
    static inline const wxColour barColour{255, 0, 0};
    static inline const wxColour lineColour{255, 255, 255};
    static inline const wxColour handleColour{0, 255, 0};
    static inline const wxColour highlightColour{255, 255, 0};

    EnvelopeZoneFixture()
    {
        frame->SetClientSize(600, 300);
        style.borderWidth = 2;
        style.backgroundBrush = wxBrush(ground);
        style.brush2 = wxBrush(fillColour);
        style.brush3 = wxBrush(barColour);
        style.pen1 = wxPen(lineColour);
        style.pen3 = wxPen(highlightColour);
        style.pen4 = wxPen(handleColour);
        frame->Show();
        pumpEventsFor(50ms);
    }

    ~EnvelopeZoneFixture() override
    {
        parameters.clear();
        controls.clear();
        frame->Destroy();
    }

    template <typename Kind>
    Kind& addControl(const wxRect& place)
    {
        controls.push_back(std::make_unique<Kind>(page, style));
        controls.back()->setSize(place.width, place.height);
        controls.back()->place(place.x, place.y, nullptr);
        return static_cast<Kind&>(*controls.back());
    }

    LocalParameter& bind(Control& control, RoleId role, std::int32_t minimum, std::int32_t maximum,
        std::int32_t value)
    {
        parameters.push_back(std::make_unique<LocalParameter>(minimum, maximum, value));
        parameters.back()->setCommandList(&list);
        control.bindParameter(parameters.back().get(), role);
        return *parameters.back();
    }

    wxPoint onScreen(const Control& control, const wxPoint& point) const
    {
        return control.window()->ClientToScreen(point);
    }

    void moveTo(const wxPoint& point)
    {
        simulator.MouseMove(point);
        pumpEventsFor(30ms);
    }

    // Waits out the double-click time first: a press of the test before
    // would make this one a double-click, which runs Init.
    void drag(const wxPoint& from, const wxPoint& to)
    {
        pumpEventsFor(500ms);
        moveTo(from);
        simulator.MouseDown();
        moveTo(to);
        simulator.MouseUp();
        pumpEventsFor(50ms);
    }

    std::unique_ptr<PixelCanvas> drawn(Control& control, bool focused)
    {
        const wxSize size = control.window()->GetClientSize();
        auto canvas = std::make_unique<PixelCanvas>(size.x, size.y, ground);
        control.draw(canvas->dc, wxRegion(), true, false, focused);
        return canvas;
    }

    static int countOtherThan(PixelCanvas& canvas, const wxRect& area, const wxColour& colour)
    {
        int count = 0;
        for (int y = area.GetTop(); y <= area.GetBottom(); ++y)
            for (int x = area.GetLeft(); x <= area.GetRight(); ++x)
                count += canvas.pixel(x, y) != colour ? 1 : 0;
        return count;
    }

    // The pump runs this loop, as the program's main loop would.
    wxGUIEventLoop loop;
    wxEventLoopActivator activeLoop{&loop};
    ControlStyle style;
    CommandList list;
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "envelopes and zones");
    wxPanel* page = new wxPanel(frame, wxID_ANY);
    std::vector<std::unique_ptr<Control>> controls;
    std::vector<std::unique_ptr<LocalParameter>> parameters;
    wxUIActionSimulator simulator;
};
