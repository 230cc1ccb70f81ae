#include "gui/ItemPickerEvents.h"

#include "gui/WxLayout.h"
#include "layout/ItemPicker.h"

#include <wx/window.h>

void routeEventsToPicker(wxWindow& window, ItemPicker& picker)
{
    // Mouse events go on as well, so a press still gives the window focus.
    window.Bind(wxEVT_MOTION, [&picker](wxMouseEvent& event) {
        picker.onMotion(toLayoutPoint(event.GetPosition()));
        event.Skip();
    });
    window.Bind(wxEVT_LEFT_DOWN, [&picker](wxMouseEvent& event) {
        picker.onLeftDown(toLayoutPoint(event.GetPosition()));
        event.Skip();
    });
    window.Bind(wxEVT_LEFT_UP, [&picker](wxMouseEvent& event) {
        picker.onLeftUp(toLayoutPoint(event.GetPosition()));
        event.Skip();
    });
    window.Bind(wxEVT_KEY_DOWN, [&picker](wxKeyEvent& event) {
        if (!picker.onKeyDown(event.GetKeyCode()))
            event.Skip();
    });
}
