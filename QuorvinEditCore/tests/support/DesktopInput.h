#pragma once
// Input as a person makes it: pointer moves, clicks, the wheel and keys sent
// through the X server (XTest), so the window manager, the toolkit's grabs
// and the keyboard focus all take part, as on a desktop. Every call waits
// until the toolkit has handled what it sent, when it went to this program.
#include "tests/support/HandledInput.h"

#include <wx/defs.h>
#include <wx/gdicmn.h>

#include <chrono>
#include <functional>

class wxWindow;

class DesktopInput {
public:
    DesktopInput();
    ~DesktopInput();
    DesktopInput(const DesktopInput&) = delete;
    DesktopInput& operator=(const DesktopInput&) = delete;

    // True when a window manager runs on the display (the test fixture starts
    // one for the programs labelled "desktop").
    static bool windowManagerRuns();

    // The pointer jumps to a screen point in one move.
    void jumpTo(wxPoint screenPoint);
    // The pointer travels to a screen point in small steps, as a mouse moves
    // it, over whatever lies between.
    void glideTo(wxPoint screenPoint, int stepPixels = 3);
    // The same onto a point of a window (its centre by default).
    void jumpOnto(const wxWindow& window, wxPoint clientPoint = wxDefaultPosition);
    void glideOnto(const wxWindow& window, wxPoint clientPoint = wxDefaultPosition);
    wxPoint pointer() const;

    // Buttons 1 (left), 2 (middle), 3 (right) where the pointer is.
    void press(int button = 1);
    void release(int button = 1);
    void click(int button = 1);
    void clickOn(const wxWindow& window, wxPoint clientPoint = wxDefaultPosition);
    // Wheel notches where the pointer is: positive rolls up (away from the user).
    void wheel(int notches);

    // A key by its toolkit code (WXK_* or a printable character), with
    // wxMOD_CONTROL, wxMOD_SHIFT and wxMOD_ALT held.
    void key(int keyCode, int modifiers = wxMOD_NONE);
    // The same for a key the window manager takes (Alt+Tab), which this
    // program never sees: the modifiers are held until the window manager
    // has taken the keyboard.
    void windowManagerKey(int keyCode, int modifiers);

    // Lets the toolkit handle what the server has delivered, timers included,
    // for at least the given time.
    void settle(std::chrono::milliseconds atLeast = std::chrono::milliseconds(20));

private:
    void holdModifiers(int modifiers, bool down);
    void pressKey(int keyCode);
    // Another client (the window manager) holds the keyboard.
    bool keyboardGrabbedElsewhere();
    void pressKeysym(unsigned long keysym, bool down);
    void sendButton(int button, bool down);
    void flush();
    // Until the pointer's move to the point has been handled.
    void awaitPointerAt(wxPoint from, wxPoint to);
    // Until handled() holds, when owned; the bound only ends a wait for input
    // that went astray.
    void awaitHandled(bool owned, const std::function<bool()>& handled, const char* what);

    void* display_;
    HandledInput handled_;
};
