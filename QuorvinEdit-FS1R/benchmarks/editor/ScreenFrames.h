#pragma once
// Tells when the frames of a top-level window have reached the X server.
// GTK draws a window's frames on its frame clock; after each frame in which
// one of its windows painted, a round trip to the server (gdk_display_sync)
// makes sure the server has executed the drawing, and the listener gets the
// time. The toolkit's GTK calls are looked up in the running process, since
// the build has no GTK headers.
#include "benchmarks/editor/BenchmarkFigures.h"

#include <functional>

class wxWindow;

class ScreenFrames {
public:
    using Listener = std::function<void(BenchmarkClock::time_point reachedServer)>;

    // The window must be shown, so that it has its frame clock.
    ScreenFrames(wxWindow& topLevel, Listener onFrame);
    ~ScreenFrames();
    ScreenFrames(const ScreenFrames&) = delete;
    ScreenFrames& operator=(const ScreenFrames&) = delete;

    // False when the frame clock could not be followed.
    bool following() const { return handler_ != 0; }
    // One of the window's windows painted in the frame being drawn.
    void notePaint() { painted_ = true; }

private:
    static void afterPaint(void* clock, void* self);

    Listener onFrame_;
    void* clock_ = nullptr;
    unsigned long handler_ = 0;
    bool painted_ = false;
};
