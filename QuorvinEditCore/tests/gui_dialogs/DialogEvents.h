#pragma once
// Runs the toolkit's real event loop in the dialog tests until a condition
// holds, so timers fire and posted events arrive as they do in the program.
#include <chrono>
#include <functional>

namespace dialogtest {

// Returns whether done() came true within limit.
bool runEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(10));

} // namespace dialogtest
