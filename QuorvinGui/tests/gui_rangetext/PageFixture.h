#pragma once
// A shown page whose parameters record into one undo list, driven through
// the display's real pointer and keyboard.
#include "controls/Control.h"
#include "gui/ControlStyle.h"
#include "tests/gui_style/PixelCanvas.h"
#include "undo/CommandList.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <chrono>
#include <memory>

class PageFixture : public testing::Test {
protected:
    static inline const wxColour ground{0, 0, 0};
    static inline const wxColour barColour{255, 0, 0};
    static inline const wxColour textColour{255, 255, 0};

    PageFixture()
    {
        style.backgroundBrush = wxBrush(ground);
        style.brush3 = wxBrush(barColour);
        style.colour4 = textColour;
        frame->Show();
    }
    ~PageFixture() override { frame->Destroy(); }

    // The display main runs no event loop of its own.
    static void pump(std::chrono::milliseconds time)
    {
        for (const auto end = std::chrono::steady_clock::now() + time; std::chrono::steady_clock::now() < end;) {
            wxYield();
            wxMilliSleep(5);
        }
    }

    template <typename Condition> static bool pumpUntil(Condition condition)
    {
        for (int tries = 0; tries < 100 && !condition(); ++tries)
            pump(std::chrono::milliseconds(10));
        return condition();
    }

    // Presses closer together than the double-click time would reach the
    // control as a double-click (an Init): each drag waits that out first.
    void drag(Control& control, wxPoint from, wxPoint to)
    {
        pump(std::chrono::milliseconds(500));
        simulator.MouseMove(control.window()->ClientToScreen(from));
        pump(std::chrono::milliseconds(20));
        simulator.MouseDown();
        pump(std::chrono::milliseconds(20));
        simulator.MouseMove(control.window()->ClientToScreen(to));
        pump(std::chrono::milliseconds(20));
        simulator.MouseUp();
        pump(std::chrono::milliseconds(50));
    }

    std::unique_ptr<PixelCanvas> drawn(Control& control, bool focused)
    {
        const wxSize size = control.window()->GetClientSize();
        auto canvas = std::make_unique<PixelCanvas>(size.x, size.y, ground);
        control.draw(canvas->dc, wxRegion(), true, false, focused);
        return canvas;
    }

    ControlStyle style;
    CommandList history;
    wxUIActionSimulator simulator;
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "page", wxPoint(0, 0), wxSize(400, 300));
    wxPanel* page = new wxPanel(frame);
};
