#pragma once
// Runs the toolkit's event loop on the test's (GUI) thread, as the program's
// main loop would: posted events, due timers, and log messages other threads
// left behind. Needs the loop that ToolkitTestMain.cpp starts.
#include <chrono>
#include <functional>

// True once done() holds; false when the limit ran out first.
bool pumpEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(10));
void pumpEventsFor(std::chrono::milliseconds time);
// Handles posted events until none is left, those the handling posts too;
// timers do not run.
void runPendingEvents();
