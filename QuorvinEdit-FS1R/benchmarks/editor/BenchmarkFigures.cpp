#include "benchmarks/editor/BenchmarkFigures.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr double wireMsPerByte = 0.32;
constexpr const char* connectLine = "Connect device";
constexpr const char* requestLine = "MIDI OUT: Request dump at";
constexpr const char* dumpEndLine = "MIDI IN: Dump end:";

bool startsWith(const std::string& text, const char* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

std::vector<TimedLine>::const_iterator connectionStart(const std::vector<TimedLine>& log)
{
    return std::find_if(log.begin(), log.end(), [](const TimedLine& line) { return line.text == connectLine; });
}

bool concernsConnection(const std::string& text)
{
    for (const char* prefix : {"MIDI OUT: Request", "MIDI IN: Dump start", "MIDI IN: Dump end", "Communication",
             "Connection done", "loadCurrentPatch", "Show ", "MIDI IN: TIMEOUT", "System settings"})
        if (startsWith(text, prefix))
            return true;
    return false;
}

} // namespace

double milliseconds(BenchmarkClock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

double percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::size_t(fraction * double(values.size() - 1) + 0.5)];
}

ConnectionFigures connectionFigures(const std::vector<TimedLine>& log, BenchmarkClock::time_point waitEnd,
    std::size_t dumpBytes, BenchmarkClock::time_point lastFrame)
{
    ConnectionFigures figures;
    figures.dumpBytes = dumpBytes;
    const auto start = connectionStart(log);
    if (start == log.end())
        return figures;
    for (auto line = start; line != log.end(); ++line) {
        if (startsWith(line->text, requestLine)) {
            ++figures.requests;
        } else if (startsWith(line->text, dumpEndLine)) {
            ++figures.dumps;
            figures.lastDumpMs = milliseconds(line->at - start->at);
        }
    }
    figures.lastRepaintMs = std::max(figures.lastDumpMs, milliseconds(lastFrame - start->at));
    figures.wireMs = double(figures.dumpBytes) * wireMsPerByte;
    if (waitEnd > start->at)
        figures.waitEndMs = milliseconds(waitEnd - start->at);
    return figures;
}

std::string connectionTimeline(const std::vector<TimedLine>& log)
{
    std::string timeline;
    const auto start = connectionStart(log);
    for (auto line = start; line != log.end(); ++line) {
        if (line != start && !concernsConnection(line->text))
            continue;
        char stamp[32];
        std::snprintf(stamp, sizeof stamp, "%9.1f ms  ", milliseconds(line->at - start->at));
        timeline += stamp + line->text + "\n";
    }
    return timeline;
}
