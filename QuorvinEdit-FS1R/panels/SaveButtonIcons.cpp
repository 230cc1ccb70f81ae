#include "panels/SaveButtonIcons.h"

#include <wx/dcmemory.h>

#include <functional>

namespace {

const wxColour ink(40, 40, 40);
const wxColour face(200, 200, 200);
const wxColour accent(60, 110, 190);

std::shared_ptr<const wxBitmap> drawIcon(const std::function<void(wxDC&)>& draw)
{
    auto bitmap = std::make_shared<wxBitmap>(SaveButtonIcons::width, SaveButtonIcons::height, 24);
    wxMemoryDC dc(*bitmap);
    dc.SetBackground(wxBrush(face));
    dc.Clear();
    draw(dc);
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

} // namespace

std::shared_ptr<const wxBitmap> SaveButtonIcons::toFile()
{
    return drawIcon([](wxDC& dc) {
        dc.SetPen(wxPen(ink));
        dc.SetBrush(wxBrush(accent));
        dc.DrawRectangle(2, 1, 13, 14);
        dc.SetBrush(wxBrush(face));
        // Shutter and label.
        dc.DrawRectangle(5, 1, 7, 5);
        dc.DrawRectangle(4, 9, 9, 6);
    });
}

std::shared_ptr<const wxBitmap> SaveButtonIcons::toDevice()
{
    return drawIcon([](wxDC& dc) {
        dc.SetPen(wxPen(ink));
        dc.SetBrush(wxBrush(accent));
        dc.DrawRectangle(1, 9, 15, 6);
        // The arrow down into the unit.
        dc.DrawLine(8, 1, 8, 8);
        const wxPoint head[] = {{5, 5}, {11, 5}, {8, 8}};
        dc.SetBrush(wxBrush(ink));
        dc.DrawPolygon(3, head);
    });
}
