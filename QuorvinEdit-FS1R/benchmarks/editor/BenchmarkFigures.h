#pragma once
// Figures of the editor benchmark, worked out from what the program logged
// and painted, with no window needed.
#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

using BenchmarkClock = std::chrono::steady_clock;

struct TimedLine {
    BenchmarkClock::time_point at;
    std::string text;
};

// The first connection, from "Connect device" on.
struct ConnectionFigures {
    std::size_t requests = 0;
    std::size_t dumps = 0;
    std::size_t dumpBytes = 0;
    // What the dumps take on a MIDI cable, at 3,125 bytes a second.
    double wireMs = 0;
    // To the last dump applied to the pages.
    double lastDumpMs = 0;
    // To the last frame that reached the screen after it (the last dump's
    // time when nothing was drawn after it).
    double lastRepaintMs = 0;
    // To the wait dialog gone; negative when it never went.
    double waitEndMs = -1;
    bool complete() const { return dumps > 0 && lastDumpMs > 0; }
};

// dumpBytes: what the instrument sent as bulk dumps; lastFrame: when the
// last frame reached the screen.
ConnectionFigures connectionFigures(const std::vector<TimedLine>& log, BenchmarkClock::time_point waitEnd,
    std::size_t dumpBytes, BenchmarkClock::time_point lastFrame);

// One line a step of the log from "Connect device" on, in milliseconds
// since it, keeping only the lines about the connection.
std::string connectionTimeline(const std::vector<TimedLine>& log);

double milliseconds(BenchmarkClock::duration duration);
// The value at fraction (0 to 1) of the sorted values; 0 for none.
double percentile(std::vector<double> values, double fraction);
