#pragma once
// What the tests of the whole editor look for in its windows: every window
// under a root, and whether the editor still waits on the instrument.
#include <functional>

class MidiInterface;
class wxWindow;

// Every window under root, root first; other top-level windows are left out.
void forEachWindow(wxWindow* root, const std::function<void(wxWindow*)>& visit);
// The wait dialog is on the screen.
bool waitDialogShown();
// Nothing asked of the instrument is still to come, and the wait has gone.
bool instrumentIdle(const MidiInterface& midi);
