#pragma once
// A shown page with sliders whose parameters record into one undo list, and
// the display's real pointer.
#include "controls/HorizontalSlider.h"
#include "controls/PanSlider.h"
#include "controls/VerticalSlider.h"
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

class SliderFixture : public testing::Test {
protected:
    static inline const wxColour ground{0, 0, 0};
    static inline const wxColour barColour{255, 0, 0};

    SliderFixture()
    {
        frame->SetClientSize(600, 300);
        style.backgroundBrush = wxBrush(ground);
        style.brush3 = wxBrush(barColour);
        frame->Show();
        frame->Raise();
        pumpEventsFor(std::chrono::milliseconds(50));
    }

    ~SliderFixture() override
    {
        Control::clearSelection();
        parameters.clear();
        controls.clear();
        frame->Destroy();
    }

    template <typename Kind>
    Kind& addSlider(const wxRect& place, std::int32_t minimum, std::int32_t maximum, std::int32_t value)
    {
        auto slider = std::make_unique<Kind>(page, style);
        Kind& added = *slider;
        controls.push_back(std::move(slider));
        added.setSize(place.width, place.height);
        added.place(place.x, place.y, nullptr);
        added.getPath().widget = RefString(u"slider");
        parameters.push_back(std::make_unique<LocalParameter>(minimum, maximum, value));
        parameters.back()->setCommandList(&list);
        added.bindParameter(parameters.back().get());
        return added;
    }

    wxPoint onScreen(const Control& control, int x, int y) const
    {
        return control.window()->ClientToScreen(wxPoint(x, y));
    }

    void moveTo(const wxPoint& point)
    {
        simulator.MouseMove(point);
        pumpEventsFor(std::chrono::milliseconds(30));
    }

    // Presses at from, moves through each point, releases at the last.
    void drag(const wxPoint& from, const std::vector<wxPoint>& through)
    {
        moveTo(from);
        simulator.MouseDown();
        pumpEventsFor(std::chrono::milliseconds(30));
        for (const wxPoint& point : through)
            moveTo(point);
        simulator.MouseUp();
        pumpEventsFor(std::chrono::milliseconds(50));
    }

    std::unique_ptr<PixelCanvas> drawn(Slider& slider, bool enabled)
    {
        const wxSize size = slider.window()->GetClientSize();
        auto canvas = std::make_unique<PixelCanvas>(size.x, size.y, ground);
        slider.draw(canvas->dc, wxRegion(), enabled, false, false);
        return canvas;
    }

    // The pump runs this loop, as the program's main loop would.
    wxGUIEventLoop loop;
    wxEventLoopActivator activeLoop{&loop};
    ControlStyle style;
    CommandList list;
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "sliders");
    wxPanel* page = new wxPanel(frame, wxID_ANY);
    std::vector<std::unique_ptr<Control>> controls;
    std::vector<std::unique_ptr<LocalParameter>> parameters;
    wxUIActionSimulator simulator;
};
