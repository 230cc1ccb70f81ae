#pragma once
// Where the program's dialogs go: over the main window, with their content
// whole, each time they show.
//
// The toolkit sizes a window before showing it from the frame the window
// manager added to the last window of its kind. That guess can be wrong (a
// dialog hidden earlier leaves it at no frame at all); the toolkit then keeps
// the outer size it guessed, so the frame eats into the content, and the
// window manager puts the window where it likes. So the size and the place
// are set again once the dialog shows, when its frame is known, through the
// window system: the toolkit's own record of sizes and places can be stale.
#include <functional>

class wxListBox;
class wxTopLevelWindow;

// Runs place every time the window shows, once the window manager shows it.
void placeWhenShown(wxTopLevelWindow& window, std::function<void()> place);
// The client area at least what the window's sizer needs (within the work
// area of the main window's display), and the window centred on the main
// window (the top-level parent of its parent; the display without one) and
// kept on that display.
void placeOverMainWindow(wxTopLevelWindow& window);
// placeOverMainWindow whenever the window shows.
void keepOverMainWindow(wxTopLevelWindow& window);
// From now on the dialogs the toolkit builds itself (message boxes, file
// choosers) are centred on the window they belong to each time they show.
// Called once, before the first such dialog.
void keepToolkitDialogsOverTheirParents();
// Lets the window manager hand the activation to a window just shown before
// a dialog opens over it: a dialog that comes first may see the activation go
// on to its parent, where the keys reach a window the dialog blocks. Returns
// at once without a window manager that hands activations about.
void awaitActivation(wxTopLevelWindow& window);
// The list's least height holds every row it has, so none hides behind a
// scroll bar; the list must be on the screen.
void showEveryRow(wxListBox& list);
