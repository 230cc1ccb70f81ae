#pragma once
// Runs the toolkit's event loop on the test's (GUI) thread: posted events,
// timers, and log messages other threads left behind.
#include <chrono>
#include <functional>

inline constexpr unsigned long pumpSliceMs = 5;

// True once done() holds; false when the limit ran out first.
bool pumpEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(5));
void pumpEventsFor(std::chrono::milliseconds time);
