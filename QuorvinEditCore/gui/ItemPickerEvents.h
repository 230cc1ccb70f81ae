#pragma once
// Hands a window's pointer and key events to an item picker, in the window's
// coordinates; keys the picker does not take go on to the window.
class ItemPicker;
class wxWindow;

// The picker must live as long as the window's handlers can run.
void routeEventsToPicker(wxWindow& window, ItemPicker& picker);
