#include "benchmarks/editor/ScreenFrames.h"

#include <wx/window.h>

#include <dlfcn.h>

namespace {

// The GTK, GDK and GObject calls this needs, as the toolkit's libraries
// export them.
using GetFrameClock = void*(void* widget);
using ConnectSignal = unsigned long(void* instance, const char* signal, void (*handler)(), void* data,
    void* destroyData, int flags);
using DisconnectSignal = void(void* instance, unsigned long handler);
using ObjectReference = void*(void* object);
using DefaultDisplay = void*();
using ObjectRelease = void(void* object);
using SyncDisplay = void(void* display);

template <typename Function>
Function* toolkitCall(const char* name)
{
    return reinterpret_cast<Function*>(::dlsym(RTLD_DEFAULT, name));
}

struct ToolkitCalls {
    GetFrameClock* frameClock = toolkitCall<GetFrameClock>("gtk_widget_get_frame_clock");
    ConnectSignal* connect = toolkitCall<ConnectSignal>("g_signal_connect_data");
    DisconnectSignal* disconnect = toolkitCall<DisconnectSignal>("g_signal_handler_disconnect");
    ObjectReference* reference = toolkitCall<ObjectReference>("g_object_ref");
    ObjectRelease* release = toolkitCall<ObjectRelease>("g_object_unref");
    DefaultDisplay* defaultDisplay = toolkitCall<DefaultDisplay>("gdk_display_get_default");
    SyncDisplay* sync = toolkitCall<SyncDisplay>("gdk_display_sync");

    bool found() const { return frameClock && connect && disconnect && reference && release && defaultDisplay && sync; }
};

const ToolkitCalls& toolkit()
{
    static const ToolkitCalls calls;
    return calls;
}

} // namespace

ScreenFrames::ScreenFrames(wxWindow& topLevel, Listener onFrame) : onFrame_(std::move(onFrame))
{
    if (!toolkit().found())
        return;
    clock_ = toolkit().frameClock(topLevel.GetHandle());
    if (!clock_)
        return;
    toolkit().reference(clock_);
    handler_ = toolkit().connect(clock_, "after-paint", reinterpret_cast<void (*)()>(&ScreenFrames::afterPaint),
        this, nullptr, 0);
}

ScreenFrames::~ScreenFrames()
{
    if (!clock_)
        return;
    if (handler_)
        toolkit().disconnect(clock_, handler_);
    toolkit().release(clock_);
}

void ScreenFrames::afterPaint(void*, void* self)
{
    auto& frames = *static_cast<ScreenFrames*>(self);
    if (!frames.painted_)
        return;
    frames.painted_ = false;
    toolkit().sync(toolkit().defaultDisplay());
    frames.onFrame_(BenchmarkClock::now());
}
