#pragma once
// The toolkit, started once for this test program with an event loop that
// tests pump by hand: the MIDI interface hands incoming messages to the GUI
// thread through it. No display is needed.
#include <chrono>
#include <functional>

// True once done() holds; false when the limit ran out first.
bool pumpEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(5));
