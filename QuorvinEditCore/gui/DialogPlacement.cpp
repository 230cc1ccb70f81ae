#include "gui/DialogPlacement.h"

#include <wx/display.h>
#include <wx/sizer.h>
#include <wx/toplevel.h>

#include <algorithm>

namespace {

const wxWindow* mainWindowOf(const wxWindow& window)
{
    wxWindow* parent = window.GetParent();
    return parent ? wxGetTopLevelParent(parent) : nullptr;
}

// The start that centres a length on another span, moved inside [low, high).
int centredInside(int length, int spanStart, int spanLength, int low, int high)
{
    const int centred = spanStart + (spanLength - length) / 2;
    return std::max(low, std::min(centred, high - length));
}

} // namespace

void placeWhenShown(wxTopLevelWindow& window, std::function<void()> place)
{
    // The toolkit centres a dialog on its parent as it maps it, after the
    // show event: the place is set once that is done.
    window.Bind(wxEVT_SHOW, [&window, place = std::move(place)](wxShowEvent& event) {
        event.Skip();
        if (event.IsShown())
            window.CallAfter(place);
    });
}

void placeOverMainWindow(wxTopLevelWindow& window)
{
    const wxWindow* main = mainWindowOf(window);
    const wxDisplay display = main ? wxDisplay(main) : wxDisplay(&window);
    const wxRect area = display.GetClientArea();
    const wxRect over = main ? main->GetScreenRect() : area;

    wxSize client = window.GetClientSize();
    if (wxSizer* sizer = window.GetSizer())
        client.IncTo(sizer->GetMinSize());
    client.DecTo(window.WindowToClientSize(area.GetSize()));
    window.SetClientSize(client);

    const wxSize size = window.GetSize();
    window.Move(centredInside(size.x, over.x, over.width, area.x, area.GetRight() + 1),
        centredInside(size.y, over.y, over.height, area.y, area.GetBottom() + 1));
}

void keepOverMainWindow(wxTopLevelWindow& window)
{
    placeWhenShown(window, [&window] { placeOverMainWindow(window); });
}
