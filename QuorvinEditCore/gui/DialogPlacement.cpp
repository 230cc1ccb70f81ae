#include "gui/DialogPlacement.h"

#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/display.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/toplevel.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

const wxWindow* mainWindowOf(const wxWindow& window)
{
    wxWindow* parent = window.GetParent();
    return parent ? wxGetTopLevelParent(parent) : nullptr;
}

// The start that centres a length on another span, moved inside [low, high).
int centredInside(int length, int spanStart, int spanLength, int low, int high)
{
    const int centred = spanStart + (spanLength - length) / 2;
    return std::max(low, std::min(centred, high - length));
}

wxRect frameRect(GtkWidget* widget)
{
    GdkRectangle frame{};
    gdk_window_get_frame_extents(gtk_widget_get_window(widget), &frame);
    return {frame.x, frame.y, frame.width, frame.height};
}

// Puts the window's frame (of the outer size) over the span, inside the work
// area; a window already there is left alone, as a move takes effect only at
// the toolkit's next layout and would shift it under whoever reads its place.
void moveFrame(GtkWindow* window, const wxSize& outer, const wxRect& over, const wxRect& area)
{
    const wxPoint place(centredInside(outer.x, over.x, over.width, area.x, area.GetRight() + 1),
        centredInside(outer.y, over.y, over.height, area.y, area.GetBottom() + 1));
    if (frameRect(GTK_WIDGET(window)).GetPosition() != place)
        gtk_window_move(window, place.x, place.y);
}

// The toolkit's own idea of where a main window lies may have lost the frame
// on the way; the window system's, once it has the window, has not.
wxRect outerRect(const wxWindow& window)
{
    return gtk_widget_get_window(window.GetHandle()) ? frameRect(window.GetHandle()) : window.GetScreenRect();
}

wxSize contentSize(GtkWidget* widget)
{
    GdkWindow* content = gtk_widget_get_window(widget);
    return {gdk_window_get_width(content), gdk_window_get_height(content)};
}

// What the window manager says it adds around the window's content, left
// and right, top and bottom.
wxSize frameAround(GtkWidget* widget)
{
    GdkAtom type = GDK_NONE;
    gint format = 0, length = 0;
    guchar* data = nullptr;
    wxSize added;
    // Asked for in bytes of the window system's 32-bit items, given as longs.
    constexpr int sideCount = 4;
    if (gdk_property_get(gtk_widget_get_window(widget), gdk_atom_intern_static_string("_NET_FRAME_EXTENTS"),
            gdk_atom_intern_static_string("CARDINAL"), 0, sideCount * 4, FALSE, &type, &format, &length, &data)
        && length == int(sideCount * sizeof(long))) {
        const auto* sides = reinterpret_cast<const long*>(data);
        added = wxSize(int(sides[0] + sides[1]), int(sides[2] + sides[3]));
    }
    g_free(data);
    return added;
}

// The toolkit centres its own dialogs as if the window manager added no
// frame, which puts them a title bar too low, and a chooser shown again
// goes where the toolkit last thought it was: the screen's corner.
gboolean centreToolkitDialog(GSignalInvocationHint*, guint, const GValue* values, gpointer)
{
    auto* widget = static_cast<GtkWidget*>(g_value_get_object(values));
    GtkWindow* parent = GTK_IS_DIALOG(widget) ? gtk_window_get_transient_for(GTK_WINDOW(widget)) : nullptr;
    if (!parent || !gtk_widget_get_mapped(GTK_WIDGET(parent)))
        return TRUE;
    GdkRectangle area{};
    GdkDisplay* display = gtk_widget_get_display(widget);
    gdk_monitor_get_workarea(gdk_display_get_monitor_at_window(display, gtk_widget_get_window(GTK_WIDGET(parent))),
        &area);
    moveFrame(GTK_WINDOW(widget), contentSize(widget) + frameAround(widget), frameRect(GTK_WIDGET(parent)),
        {area.x, area.y, area.width, area.height});
    return TRUE;
}

} // namespace

void placeWhenShown(wxTopLevelWindow& window, std::function<void()> place)
{
    // The toolkit centres a dialog on its parent as it maps it, and the
    // window manager reads a place asked for before it has taken the window
    // as that of the content, not of the frame: the place is set once the
    // window manager shows the window, when its frame is known.
    struct Placing {
        wxTopLevelWindow& window;
        std::function<void()> place;
    };
    const auto mapped = +[](GtkWidget*, GdkEvent*, gpointer data) -> gboolean {
        auto* placing = static_cast<Placing*>(data);
        placing->window.CallAfter(placing->place);
        return FALSE;
    };
    g_signal_connect_data(window.GetHandle(), "map-event", G_CALLBACK(mapped), new Placing{window, std::move(place)},
        [](gpointer data, GClosure*) { delete static_cast<Placing*>(data); }, GConnectFlags(0));
}

void placeOverMainWindow(wxTopLevelWindow& window)
{
    const wxWindow* main = mainWindowOf(window);
    const wxDisplay display = main ? wxDisplay(main) : wxDisplay(&window);
    const wxRect area = display.GetClientArea();
    const wxRect over = main ? outerRect(*main) : area;

    // The toolkit takes the frame of a dialog from the last dialog it showed,
    // which may have had none, and skips a size or a place it believes the
    // window has already: both are asked of the window system directly.
    GtkWidget* widget = window.GetHandle();
    const wxSize frame = frameAround(widget);
    wxSize client = window.GetClientSize();
    if (wxSizer* sizer = window.GetSizer())
        client.IncTo(sizer->GetMinSize());
    client.DecTo(area.GetSize() - frame);
    gtk_window_resize(GTK_WINDOW(widget), client.x, client.y);
    moveFrame(GTK_WINDOW(widget), client + frame, over, area);
}

void keepOverMainWindow(wxTopLevelWindow& window)
{
    placeWhenShown(window, [&window] { placeOverMainWindow(window); });
}

void keepToolkitDialogsOverTheirParents()
{
    static const gulong hook = g_signal_add_emission_hook(g_signal_lookup("map-event", GTK_TYPE_WIDGET), 0,
        centreToolkitDialog, nullptr, nullptr);
    static_cast<void>(hook);
}

void awaitActivation(wxTopLevelWindow& window)
{
    GdkScreen* screen = gtk_widget_get_screen(window.GetHandle());
    if (!GDK_IS_X11_SCREEN(screen)
        || !gdk_x11_screen_supports_net_wm_hint(screen, gdk_atom_intern_static_string("_NET_ACTIVE_WINDOW")))
        return;
    // Far above what a loaded machine takes; a window manager that keeps the
    // activation elsewhere costs no more than this.
    constexpr auto bound = std::chrono::seconds(5);
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (!window.IsActive() && std::chrono::steady_clock::now() < deadline) {
        wxTheApp->Yield(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void showEveryRow(wxListBox& list)
{
    // The list scrolls a tree of rows, whose natural height is that of all
    // its rows; the scrolling window adds its frame.
    GtkWidget* rows = gtk_bin_get_child(GTK_BIN(list.GetHandle()));
    gint least = 0, natural = 0;
    gtk_widget_get_preferred_height(rows, &least, &natural);
    const int frame = std::max(list.GetSize().y - gtk_widget_get_allocated_height(rows), 0);
    list.SetMinSize(wxSize(list.GetMinSize().x, natural + frame));
}
