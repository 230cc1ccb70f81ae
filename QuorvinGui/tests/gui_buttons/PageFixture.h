#pragma once
// A shown page in a frame with one undo list, and real pointer and key input
// through the toolkit's simulator, for the button and caption tests.
#include "gui/ControlStyle.h"
#include "tests/gui_style/PixelCanvas.h"
#include "undo/CommandList.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>

class PageFixture : public testing::Test {
protected:
    static inline const wxColour pageColour{40, 90, 40};
    // Presses further apart than this never make a double-click.
    static constexpr int closeDistance = 24;

    PageFixture()
    {
        page->SetBackgroundColour(pageColour);
        frame->SetClientSize(300, 200);
    }
    ~PageFixture() override { frame->Destroy(); }

    // The display main runs no event loop: yield until the time is up.
    static void pumpEventsFor(std::chrono::milliseconds time)
    {
        const auto end = std::chrono::steady_clock::now() + time;
        do {
            wxYield();
            wxMilliSleep(5);
        } while (std::chrono::steady_clock::now() < end);
    }

    void showPage()
    {
        frame->Show();
        frame->Raise();
        pumpEventsFor(std::chrono::milliseconds(50));
    }

    // Moves the pointer to the window's point for a press. A press soon after
    // another near the same place would arrive as a double-click (which
    // resets a control), also from the test before: wait that out first.
    void pointAt(wxWindow* window, wxPoint point)
    {
        using Clock = std::chrono::steady_clock;
        static wxPoint lastPress{-100, -100};
        static Clock::time_point lastTime;
        const wxPoint screen = window->ClientToScreen(point);
        const auto doubleClickTime =
            std::chrono::milliseconds(std::max(wxSystemSettings::GetMetric(wxSYS_DCLICK_MSEC), 500));
        const wxPoint distance = screen - lastPress;
        if (std::abs(distance.x) + std::abs(distance.y) < closeDistance)
            pumpEventsFor(
                std::chrono::duration_cast<std::chrono::milliseconds>(lastTime + doubleClickTime - Clock::now()));
        lastPress = screen;
        lastTime = Clock::now();
        simulator.MouseMove(screen);
        pumpEventsFor(std::chrono::milliseconds(20));
    }

    // Presses and releases the left button over the window's point, then
    // lets the events arrive.
    void clickAt(wxWindow* window, wxPoint point)
    {
        pointAt(window, point);
        simulator.MouseClick();
        pumpEventsFor(std::chrono::milliseconds(50));
    }
    void clickCentre(wxWindow* window)
    {
        const wxSize size = window->GetClientSize();
        clickAt(window, wxPoint(size.x / 2, size.y / 2));
    }

    // What the control draws at its size, on a canvas of the page's colour.
    template <typename ControlType>
    std::unique_ptr<PixelCanvas> drawn(ControlType& control, bool enabled)
    {
        const wxSize size = control.window()->GetClientSize();
        auto canvas = std::make_unique<PixelCanvas>(size.x, size.y, *wxBLACK);
        control.draw(canvas->dc, wxRegion(), enabled, false, false);
        return canvas;
    }

    ControlStyle style;
    CommandList history;
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "page");
    wxPanel* page = new wxPanel(frame);
    wxUIActionSimulator simulator;
};
