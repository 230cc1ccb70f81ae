#include "tests/support/OtherApplicationWindow.h"

#include "tests/support/EventPump.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <stdexcept>

namespace {

Display* xDisplay(void* display) { return static_cast<Display*>(display); }

constexpr unsigned windowSide = 160;

// The window the window manager holds for the active one.
Window activeWindow(Display* display)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, left = 0;
    unsigned char* data = nullptr;
    Window active = None;
    if (XGetWindowProperty(display, DefaultRootWindow(display), XInternAtom(display, "_NET_ACTIVE_WINDOW", False), 0, 1,
            False, XA_WINDOW, &type, &format, &count, &left, &data)
            == Success
        && data) {
        if (count == 1)
            active = *reinterpret_cast<const Window*>(data);
        XFree(data);
    }
    return active;
}

} // namespace

OtherApplicationWindow::OtherApplicationWindow() : display_(XOpenDisplay(nullptr))
{
    Display* display = xDisplay(display_);
    if (!display)
        throw std::runtime_error("OtherApplicationWindow: no X display");
    const int screen = DefaultScreen(display);
    const int x = DisplayWidth(display, screen) - static_cast<int>(windowSide);
    const int y = DisplayHeight(display, screen) - static_cast<int>(windowSide);
    window_ = XCreateSimpleWindow(display, DefaultRootWindow(display), x, y, windowSide, windowSide, 0,
        BlackPixel(display, screen), WhitePixel(display, screen));
    XStoreName(display, window_, "Another application");
    XWMHints hints{};
    hints.flags = InputHint;
    hints.input = True;
    XSetWMHints(display, window_, &hints);
    XMapWindow(display, window_);
    XSync(display, False);
    pumpEventsUntil([this] { return shown(); }, std::chrono::seconds(30));
}

OtherApplicationWindow::~OtherApplicationWindow()
{
    XDestroyWindow(xDisplay(display_), window_);
    XCloseDisplay(xDisplay(display_));
}

bool OtherApplicationWindow::shown() const
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(xDisplay(display_), window_, &attributes) && attributes.map_state == IsViewable;
}

bool OtherApplicationWindow::active() const
{
    Display* display = xDisplay(display_);
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    return focus == window_ && activeWindow(display) == window_;
}
