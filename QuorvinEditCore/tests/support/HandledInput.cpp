#include "tests/support/HandledInput.h"

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

namespace {

guint eventSignal()
{
    // The signal exists once the widget class does.
    g_type_class_unref(g_type_class_ref(GTK_TYPE_WIDGET));
    return g_signal_lookup("event", GTK_TYPE_WIDGET);
}

gboolean noteEvent(GSignalInvocationHint*, guint count, const GValue* values, gpointer self)
{
    if (count > 1)
        static_cast<HandledInput*>(self)->note(g_value_get_boxed(&values[1]));
    return TRUE;
}

GdkSeat* seat() { return gdk_display_get_default_seat(gdk_display_get_default()); }

bool grabbed(GdkDevice* device) { return device && gdk_display_device_is_grabbed(gdk_display_get_default(), device); }

} // namespace

HandledInput::HandledInput() : hook_(g_signal_add_emission_hook(eventSignal(), 0, noteEvent, this, nullptr)) {}

HandledInput::~HandledInput() { g_signal_remove_emission_hook(eventSignal(), hook_); }

unsigned long HandledInput::count(Kind kind, unsigned detail) const
{
    const auto found = counts_.find({kind, detail});
    return found == counts_.end() ? 0 : found->second;
}

void HandledInput::note(const void* handled)
{
    const auto* event = static_cast<const GdkEvent*>(handled);
    switch (event->type) {
    case GDK_KEY_RELEASE:
        ++counts_[{Kind::keyRelease, event->key.hardware_keycode}];
        return;
    case GDK_BUTTON_PRESS:
        ++counts_[{Kind::buttonPress, event->button.button}];
        break;
    case GDK_BUTTON_RELEASE:
        ++counts_[{Kind::buttonRelease, event->button.button}];
        break;
    case GDK_SCROLL:
        ++counts_[{Kind::wheelStep, 0}];
        break;
    case GDK_MOTION_NOTIFY:
    case GDK_ENTER_NOTIFY:
    case GDK_LEAVE_NOTIFY:
        break;
    default:
        return;
    }
    // A hint stands for every move until the receiver asks where the pointer
    // is, as the toolkit does at once: it learns the place then, as here.
    if (event->type == GDK_MOTION_NOTIFY && event->motion.is_hint) {
        gint x = 0, y = 0;
        gdk_device_get_position(event->motion.device, nullptr, &x, &y);
        pointer_ = wxPoint(x, y);
        return;
    }
    gdouble x = 0, y = 0;
    if (gdk_event_get_root_coords(event, &x, &y))
        pointer_ = wxPoint(static_cast<int>(x), static_cast<int>(y));
}

bool HandledInput::ownsPointer()
{
    GdkDevice* pointer = gdk_seat_get_pointer(seat());
    return pointer && (grabbed(pointer) || gdk_device_get_window_at_position(pointer, nullptr, nullptr));
}

bool HandledInput::ownsKeyboard()
{
    if (grabbed(gdk_seat_get_keyboard(seat())))
        return true;
    // The focus may lie on a window the toolkit made beneath one of its own
    // (the toplevel's focus window): whatever holds it, up to the root.
    GdkDisplay* display = gdk_display_get_default();
    Display* x = gdk_x11_display_get_xdisplay(display);
    Window focus = None;
    int revert = 0;
    XGetInputFocus(x, &focus, &revert);
    const Window root = DefaultRootWindow(x);
    while (focus != None && focus != PointerRoot && focus != root) {
        if (gdk_x11_window_lookup_for_display(display, focus))
            return true;
        Window parent = None, rootOfTree = None;
        Window* children = nullptr;
        unsigned int childCount = 0;
        if (!XQueryTree(x, focus, &rootOfTree, &parent, &children, &childCount))
            return false;
        if (children)
            XFree(children);
        focus = parent;
    }
    return false;
}
