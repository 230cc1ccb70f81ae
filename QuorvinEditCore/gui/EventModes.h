#pragma once
// How the toolkit hands out idle and update-UI events in the editor. The
// application sets the modes before anything else, and the test mains set
// the same, so that a window that waits for idle time gets it under test
// exactly when it gets it in the program.

// Idle and update-UI events go only to the windows that ask for them.
void useEditorEventModes();
