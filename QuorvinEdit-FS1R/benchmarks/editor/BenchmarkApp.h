#pragma once
// The editor's application object, watched: it keeps the verbose log with
// the time of each line, the times of the main window's paints and when the
// wait dialog hides, and runs one benchmark once the window is up.
#include "app/EditorApp.h"
#include "benchmarks/editor/BenchmarkFigures.h"

#include <functional>
#include <optional>
#include <vector>

class MainFrame;

class BenchmarkApp : public EditorApp {
public:
    // Runs on the GUI thread once the start-up is done; the program ends
    // when it returns.
    using Run = std::function<void(BenchmarkApp&)>;

    explicit BenchmarkApp(Run run) : run_(std::move(run)) {}

    bool OnInit() override;
    int FilterEvent(wxEvent& event) override;

    MainFrame* mainFrame() const;
    const std::vector<TimedLine>& log() const { return log_; }
    std::optional<BenchmarkClock::time_point> firstPaint() const { return firstPaint_; }
    BenchmarkClock::time_point lastPaint() const { return lastPaint_; }
    BenchmarkClock::time_point waitHidden() const { return waitHidden_; }
    bool waitShown() const;
    // Lets the toolkit work until done() holds or the limit passes; false
    // for the limit.
    bool pumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);
    // Until nothing has been painted for quiet (after at least the given
    // time), or the limit.
    void pumpUntilPaintsStop(std::chrono::milliseconds quiet, std::chrono::milliseconds limit);
    void addLine(std::string text) { log_.push_back({BenchmarkClock::now(), std::move(text)}); }

private:
    Run run_;
    std::vector<TimedLine> log_;
    std::optional<BenchmarkClock::time_point> firstPaint_;
    BenchmarkClock::time_point lastPaint_;
    BenchmarkClock::time_point waitHidden_;
};
