#include "gui/EventModes.h"

#include <wx/event.h>

void useEditorEventModes()
{
    wxIdleEvent::SetMode(wxIDLE_PROCESS_SPECIFIED);
    // No window updates its state from idle time; asking each of the pages'
    // thousands of windows at every idle slows every repaint.
    wxUpdateUIEvent::SetMode(wxUPDATE_UI_PROCESS_SPECIFIED);
}
