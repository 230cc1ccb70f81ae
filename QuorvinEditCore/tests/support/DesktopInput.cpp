#include "tests/support/DesktopInput.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <utility>

namespace {

Display* xDisplay(void* display) { return static_cast<Display*>(display); }

struct KeyName {
    int keyCode;
    KeySym keysym;
};

constexpr KeyName namedKeys[] = {
    {WXK_ESCAPE, XK_Escape}, {WXK_RETURN, XK_Return}, {WXK_TAB, XK_Tab}, {WXK_SPACE, XK_space},
    {WXK_BACK, XK_BackSpace}, {WXK_DELETE, XK_Delete}, {WXK_UP, XK_Up}, {WXK_DOWN, XK_Down},
    {WXK_LEFT, XK_Left}, {WXK_RIGHT, XK_Right}, {WXK_PAGEUP, XK_Page_Up}, {WXK_PAGEDOWN, XK_Page_Down},
    {WXK_HOME, XK_Home}, {WXK_END, XK_End}, {WXK_NUMPAD_ADD, XK_KP_Add}, {WXK_NUMPAD_SUBTRACT, XK_KP_Subtract},
    {WXK_NUMPAD_ENTER, XK_KP_Enter}, {WXK_F1, XK_F1}, {WXK_F2, XK_F2}, {WXK_F3, XK_F3}, {WXK_F4, XK_F4},
    {WXK_F5, XK_F5}, {WXK_F6, XK_F6}, {WXK_F7, XK_F7}, {WXK_F8, XK_F8}, {WXK_F9, XK_F9}, {WXK_F10, XK_F10},
    {WXK_F11, XK_F11}, {WXK_F12, XK_F12}, {'+', XK_plus}, {'-', XK_minus},
};

KeySym keysymOf(int keyCode)
{
    for (const KeyName& name : namedKeys)
        if (name.keyCode == keyCode)
            return name.keysym;
    if (keyCode >= 'A' && keyCode <= 'Z')
        return XK_a + (keyCode - 'A');
    if (keyCode > 32 && keyCode < 127)
        return static_cast<KeySym>(keyCode);
    throw std::invalid_argument("DesktopInput: no key for code " + std::to_string(keyCode));
}

wxPoint screenPointOf(const wxWindow& window, wxPoint clientPoint)
{
    if (clientPoint == wxDefaultPosition) {
        const wxSize size = window.GetClientSize();
        clientPoint = {size.x / 2, size.y / 2};
    }
    return window.ClientToScreen(clientPoint);
}

// Far above what the toolkit needs to handle one event on a loaded machine.
constexpr std::chrono::seconds handledBound{30};

// Runs the active loop until done() holds after the given time, or the
// bound passed; false then. Local, because some test programs keep pumping
// functions of their own under the support library's names. Tests that run
// no loop of their own get one for the pumping.
bool dispatchUntil(const std::function<bool()>& done, std::chrono::milliseconds atLeast,
    std::chrono::milliseconds bound)
{
    // A round trip on the toolkit's own connection brings every event the
    // server sent it before into its queue; then the loop handles them.
    if (auto* toolkitDisplay = static_cast<Display*>(wxGetDisplay()))
        XSync(toolkitDisplay, False);
    std::unique_ptr<wxGUIEventLoop> ownLoop;
    std::unique_ptr<wxEventLoopActivator> activeLoop;
    if (!wxEventLoopBase::GetActive()) {
        ownLoop = std::make_unique<wxGUIEventLoop>();
        activeLoop = std::make_unique<wxEventLoopActivator>(ownLoop.get());
    }
    wxEventLoopBase& loop = *wxEventLoopBase::GetActive();
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        wxTheApp->ProcessPendingEvents();
        const auto elapsed = std::chrono::steady_clock::now() - start;
        if (elapsed >= atLeast && done())
            return true;
        if (elapsed >= bound)
            return false;
        loop.DispatchTimeout(2);
    }
}

} // namespace

DesktopInput::DesktopInput() : display_(XOpenDisplay(nullptr))
{
    if (!display_)
        throw std::runtime_error("DesktopInput: no X display");
}

DesktopInput::~DesktopInput() { XCloseDisplay(xDisplay(display_)); }

bool DesktopInput::windowManagerRuns()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    bool found = false;
    if (check != None) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, left = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, AnyPropertyType, &type,
                &format, &count, &left, &data)
                == Success
            && data) {
            found = count == 1;
            XFree(data);
        }
    }
    XCloseDisplay(display);
    return found;
}

void DesktopInput::jumpTo(wxPoint screenPoint)
{
    const wxPoint from = pointer();
    handled_.forgetPointer();
    XTestFakeMotionEvent(xDisplay(display_), -1, screenPoint.x, screenPoint.y, CurrentTime);
    flush();
    awaitPointerAt(from, screenPoint);
    settle();
}

void DesktopInput::glideTo(wxPoint screenPoint, int stepPixels)
{
    const wxPoint from = pointer();
    handled_.forgetPointer();
    const double distance = std::hypot(screenPoint.x - from.x, screenPoint.y - from.y);
    const int steps = std::max(1, static_cast<int>(std::ceil(distance / std::max(1, stepPixels))));
    for (int i = 1; i <= steps; ++i) {
        const int x = from.x + (screenPoint.x - from.x) * i / steps;
        const int y = from.y + (screenPoint.y - from.y) * i / steps;
        XTestFakeMotionEvent(xDisplay(display_), -1, x, y, CurrentTime);
        flush();
        settle(std::chrono::milliseconds(2));
    }
    awaitPointerAt(from, screenPoint);
    settle();
}

void DesktopInput::jumpOnto(const wxWindow& window, wxPoint clientPoint)
{
    jumpTo(screenPointOf(window, clientPoint));
}

void DesktopInput::glideOnto(const wxWindow& window, wxPoint clientPoint)
{
    glideTo(screenPointOf(window, clientPoint));
}

wxPoint DesktopInput::pointer() const
{
    Window root = 0, child = 0;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned int mask = 0;
    XQueryPointer(xDisplay(display_), DefaultRootWindow(xDisplay(display_)), &root, &child, &rootX, &rootY, &x, &y,
        &mask);
    return {rootX, rootY};
}

void DesktopInput::press(int button) { sendButton(button, true); }

void DesktopInput::release(int button) { sendButton(button, false); }

void DesktopInput::sendButton(int button, bool down)
{
    const auto kind = down ? HandledInput::Kind::buttonPress : HandledInput::Kind::buttonRelease;
    const auto detail = static_cast<unsigned>(button);
    const unsigned long before = handled_.count(kind, detail);
    const bool owned = HandledInput::ownsPointer();
    XTestFakeButtonEvent(xDisplay(display_), detail, down ? True : False, CurrentTime);
    flush();
    awaitHandled(owned, [&] { return handled_.count(kind, detail) > before; }, "a button");
    settle();
}

void DesktopInput::click(int button)
{
    press(button);
    release(button);
}

void DesktopInput::clickOn(const wxWindow& window, wxPoint clientPoint)
{
    jumpOnto(window, clientPoint);
    click();
}

void DesktopInput::wheel(int notches)
{
    // X reports the wheel as buttons 4 (up) and 5 (down).
    const unsigned button = notches > 0 ? 4 : 5;
    for (int i = 0; i < std::abs(notches); ++i) {
        const unsigned long before = handled_.count(HandledInput::Kind::wheelStep);
        const bool owned = HandledInput::ownsPointer();
        XTestFakeButtonEvent(xDisplay(display_), button, True, CurrentTime);
        XTestFakeButtonEvent(xDisplay(display_), button, False, CurrentTime);
        flush();
        awaitHandled(owned, [&] { return handled_.count(HandledInput::Kind::wheelStep) > before; }, "a wheel step");
        settle();
    }
}

void DesktopInput::key(int keyCode, int modifiers)
{
    const unsigned code = XKeysymToKeycode(xDisplay(display_), keysymOf(keyCode));
    const unsigned long before = handled_.count(HandledInput::Kind::keyRelease, code);
    const bool owned = HandledInput::ownsKeyboard();
    holdModifiers(modifiers, true);
    pressKey(keyCode);
    holdModifiers(modifiers, false);
    flush();
    awaitHandled(owned, [&] { return handled_.count(HandledInput::Kind::keyRelease, code) > before; }, "a key");
    settle();
}

void DesktopInput::windowManagerKey(int keyCode, int modifiers)
{
    // The window manager ends what the key began (a switch of windows) when
    // it sees the modifiers go, which it does only once it holds the
    // keyboard: let go earlier, they reach the window that has the focus.
    holdModifiers(modifiers, true);
    pressKey(keyCode);
    flush();
    awaitHandled(true, [this] { return keyboardGrabbedElsewhere(); }, "the window manager's grab");
    holdModifiers(modifiers, false);
    flush();
    settle();
}

void DesktopInput::holdModifiers(int modifiers, bool down)
{
    constexpr std::pair<int, KeySym> modifierKeys[]
        = {{wxMOD_CONTROL, XK_Control_L}, {wxMOD_SHIFT, XK_Shift_L}, {wxMOD_ALT, XK_Alt_L}};
    // Released in the reverse order of their press.
    for (std::size_t i = 0; i < std::size(modifierKeys); ++i) {
        const auto& [modifier, keysym] = modifierKeys[down ? i : std::size(modifierKeys) - 1 - i];
        if (modifiers & modifier)
            pressKeysym(keysym, down);
    }
}

void DesktopInput::pressKey(int keyCode)
{
    const KeySym keysym = keysymOf(keyCode);
    pressKeysym(keysym, true);
    pressKeysym(keysym, false);
}

bool DesktopInput::keyboardGrabbedElsewhere()
{
    // A grab asked for on a window that is not mapped never takes the
    // keyboard (it would spoil the other client's grab), but the server
    // says first whether another client holds it.
    Display* display = xDisplay(display_);
    XSetWindowAttributes attributes{};
    const Window probe = XCreateWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, CopyFromParent, InputOnly,
        CopyFromParent, 0, &attributes);
    const int status = XGrabKeyboard(display, probe, False, GrabModeAsync, GrabModeAsync, CurrentTime);
    if (status == GrabSuccess)
        XUngrabKeyboard(display, CurrentTime);
    XDestroyWindow(display, probe);
    flush();
    return status == AlreadyGrabbed;
}

void DesktopInput::pressKeysym(unsigned long keysym, bool down)
{
    Display* display = xDisplay(display_);
    const KeyCode code = XKeysymToKeycode(display, keysym);
    if (code == 0)
        throw std::invalid_argument("DesktopInput: the keyboard has no key for keysym " + std::to_string(keysym));
    // A keysym on a shifted level needs Shift held ('+' on most layouts).
    const bool shifted = XkbKeycodeToKeysym(display, code, 0, 0) != keysym
        && XkbKeycodeToKeysym(display, code, 0, 1) == keysym;
    const KeyCode shift = XKeysymToKeycode(display, XK_Shift_L);
    if (shifted && down)
        XTestFakeKeyEvent(display, shift, True, CurrentTime);
    XTestFakeKeyEvent(display, code, down ? True : False, CurrentTime);
    if (shifted && !down)
        XTestFakeKeyEvent(display, shift, False, CurrentTime);
}

void DesktopInput::flush() { XSync(xDisplay(display_), False); }

void DesktopInput::awaitPointerAt(wxPoint from, wxPoint to)
{
    // A pointer that stays where it was moves nothing the toolkit sees.
    awaitHandled(from != to && HandledInput::ownsPointer(), [&] { return handled_.pointer() == to; },
        "the pointer's move");
}

void DesktopInput::awaitHandled(bool owned, const std::function<bool()>& handled, const char* what)
{
    if (owned && !dispatchUntil(handled, std::chrono::milliseconds(0), handledBound))
        std::fprintf(stderr, "DesktopInput: the toolkit did not handle %s within %lld s\n", what,
            static_cast<long long>(handledBound.count()));
}

void DesktopInput::settle(std::chrono::milliseconds atLeast)
{
    dispatchUntil([] { return true; }, atLeast, atLeast);
}
